#include "reference/ui/CNumView.h"

#include "reference/Numerals.h"
#include "reference/ui/DialogUnits.h"
#include "reference/ui/NumeralExtras.h"
#include "text/ui/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

#include <utility>

namespace {

QLabel *label(const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    return l;
}

} // namespace

CNumView::CNumView(QWidget *parent) : QWidget(parent), m_number(new QLineEdit(this))
{
    setObjectName(QStringLiteral("numeralsForm"));
    // The whole form, its labels and its field on the system's window colour.
    QPalette form = palette();
    form.setColor(QPalette::Window, form.color(QPalette::Base));
    setPalette(form);
    setAutoFillBackground(true);

    const DialogUnits du(fontMetrics());
    label(QStringLiteral("Escriptura dels numerals"), du.rect(9, 10, 206, 8), this);
    label(QStringLiteral("Número"), du.rect(9, 31, 38, 8), this)->setObjectName(QStringLiteral("label1137"));

    m_number->setObjectName(QStringLiteral("numberField"));
    m_number->setGeometry(du.rect(35, 43, 96, 14));
    // Digits only: a typed or pasted text with anything else in it is refused whole, so no sign
    // and no letter ever reaches the writer.
    m_number->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_number));

    label(QStringLiteral("Femení"), du.rect(10, 61, 51, 8), this);
    m_feminine = label(QStringLiteral("0"), du.rect(37, 74, 235, 8), this);
    m_feminine->setObjectName(QStringLiteral("feminineResult"));
    label(QStringLiteral("Masculí"), du.rect(10, 92, 51, 8), this);
    m_masculine = label(QStringLiteral("0"), du.rect(37, 107, 229, 8), this);
    m_masculine->setObjectName(QStringLiteral("masculineResult"));
    // One line high: a result too wide for its label breaks at a space and shows its first line.
    for (QLabel *result : {m_feminine, m_masculine}) {
        result->setWordWrap(true);
        result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    // Their copy buttons line up with those of the ordinals below, at the right edge.
    const int right = du.x(9 + 301);
    for (auto [result, top] : {std::pair{m_feminine, 71}, std::pair{m_masculine, 104}}) {
        QToolButton *copy = copyButton(result, this);
        copy->move(right - copy->sizeHint().width(), du.y(top));
        copy->resize(copy->sizeHint());
    }

    // Ordinals of the same number and amounts in euros, below the cardinals.
    m_extras = new NumeralExtras(this);
    m_extras->setGeometry(du.x(9), du.y(126), right - du.x(9), du.y(132));

    // Whoever gives the form the focus gives it to the number field, its only input.
    setFocusProxy(m_number);
    connect(m_number, &QLineEdit::textChanged, this, &CNumView::NumberToWords);
    connect(m_number, &QLineEdit::textChanged, m_extras, &NumeralExtras::showOrdinals);
}

void CNumView::NumberToWords()
{
    const auto words = numerals::NumberToWords(qttext::toCp1252(m_number->text()));
    if (!words)
        return;
    m_feminine->setText(qttext::toQString(words->feminine));
    m_masculine->setText(qttext::toQString(words->masculine));
}
