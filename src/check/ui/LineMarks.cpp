#include "check/ui/LineMarks.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>

QColor markColour(check::FindingKind kind)
{
    return kind == check::FindingKind::Spelling ? QColor(220, 0, 0) : QColor(0, 90, 220);
}

LineMarks::LineMarks(QLineEdit *box, const std::vector<check::Finding> &findings)
    : QWidget(box), m_box(box), m_findings(findings)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(box->rect());
    box->installEventFilter(this);
    // The text scrolls with the cursor.
    connect(box, &QLineEdit::cursorPositionChanged, this, qOverload<>(&QWidget::update));
    show();
}

bool LineMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::Resize)
        setGeometry(m_box->rect());
    return QWidget::eventFilter(watched, event);
}

int LineMarks::xOf(int position) const
{
    // The cursor rectangle is centred on the cursor's x; every other x follows from the advance
    // of the text between.
    const QRect cursor = m_box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QString text = m_box->displayText();
    const QFontMetrics metrics(m_box->font());
    const int cursorPosition = m_box->cursorPosition();
    return cursor.left() + (cursor.width() + 1) / 2 + metrics.horizontalAdvance(text.left(position)) -
           metrics.horizontalAdvance(text.left(cursorPosition));
}

void LineMarks::paintEvent(QPaintEvent *)
{
    if (m_findings.empty() || m_box->echoMode() != QLineEdit::Normal)
        return;
    QStyleOptionFrame option;
    option.initFrom(m_box);
    const QRect contents = m_box->style()->subElementRect(QStyle::SE_LineEditContents, &option, m_box);
    QPainter painter(this);
    painter.setClipRect(contents);
    const QRect cursor = m_box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(m_box->font());
    const int y = cursor.top() + (cursor.height() + metrics.ascent() + metrics.descent()) / 2;
    for (const check::Finding &finding : m_findings) {
        drawWave(painter, xOf(int(finding.begin)), xOf(int(finding.end)), std::min(y, contents.bottom() - 1),
                 markColour(finding.kind));
    }
}

void drawWave(QPainter &painter, int x1, int x2, int y, const QColor &colour)
{
    constexpr int kHalfPeriod = 2;
    QPainterPath path;
    path.moveTo(x1, y);
    bool up = true;
    for (int x = x1 + kHalfPeriod; x <= x2; x += kHalfPeriod, up = !up)
        path.lineTo(x, up ? y - 1 : y + 1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1));
    painter.drawPath(path);
    painter.restore();
}
