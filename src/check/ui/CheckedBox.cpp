#include "check/ui/CheckedBox.h"

#include "check/ui/CheckerService.h"
#include "check/ui/LineMarks.h"
#include "text/Cp1252.h"
#include "text/ui/QtText.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>

namespace {

constexpr int kMostSuggestions = 8;

QString shown(std::string_view cp1252Text)
{
    return qttext::toQString(cp1252Text);
}

} // namespace

CheckedBox::CheckedBox(QLineEdit *box, std::shared_ptr<check::IgnoredWords> ignored)
    : QObject(box), m_line(box), m_ignored(std::move(ignored))
{
    m_overlay = new LineMarks(box, m_findings);
    connect(box, &QLineEdit::textChanged, this, &CheckedBox::recheck);
    attach();
}

CheckedBox::CheckedBox(QPlainTextEdit *box, std::shared_ptr<check::IgnoredWords> ignored)
    : QObject(box), m_plain(box), m_ignored(std::move(ignored))
{
    connect(box, &QPlainTextEdit::textChanged, this, &CheckedBox::recheck);
    box->viewport()->installEventFilter(this);
    attach();
}

void CheckedBox::attach()
{
    if (m_line)
        m_line->installEventFilter(this);
    CheckerService &service = CheckerService::instance();
    connect(&service, &CheckerService::ready, this, &CheckedBox::recheck);
    service.load();
    recheck();
}

QWidget *CheckedBox::box() const
{
    return m_line ? static_cast<QWidget *>(m_line) : static_cast<QWidget *>(m_plain);
}

void CheckedBox::recheck()
{
    const check::TextChecker *checker = CheckerService::instance().checker();
    m_text = qttext::toCp1252(m_line ? m_line->text() : m_plain ? m_plain->toPlainText() : QString());
    m_findings = checker ? checker->check(m_text, *m_ignored) : std::vector<check::Finding>{};
    showMarks();
}

void CheckedBox::showMarks()
{
    if (m_line) {
        m_overlay->update();
        return;
    }
    if (!m_plain)
        return;
    QList<QTextEdit::ExtraSelection> selections;
    for (const check::Finding &finding : m_findings) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(m_plain->document());
        selection.cursor.setPosition(int(finding.begin));
        selection.cursor.setPosition(int(finding.end), QTextCursor::KeepAnchor);
        selection.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        selection.format.setUnderlineColor(markColour(finding.kind));
        selections.append(selection);
    }
    m_plain->setExtraSelections(selections);
}

std::vector<std::string> CheckedBox::suggestions(const check::Finding &finding) const
{
    const check::TextChecker *checker = CheckerService::instance().checker();
    return checker ? checker->suggestions(m_text, finding) : std::vector<std::string>{};
}

void CheckedBox::select(const check::Finding &finding)
{
    if (m_line) {
        m_line->setFocus(Qt::OtherFocusReason);
        m_line->setSelection(int(finding.begin), int(finding.end - finding.begin));
    } else if (m_plain) {
        QTextCursor cursor(m_plain->document());
        cursor.setPosition(int(finding.begin));
        cursor.setPosition(int(finding.end), QTextCursor::KeepAnchor);
        m_plain->setFocus(Qt::OtherFocusReason);
        m_plain->setTextCursor(cursor);
        m_plain->ensureCursorVisible();
    }
}

void CheckedBox::replace(const check::Finding &finding, const std::string &cp1252Text)
{
    if (m_line) {
        m_line->setSelection(int(finding.begin), int(finding.end - finding.begin));
        m_line->insert(shown(cp1252Text));
    } else if (m_plain) {
        QTextCursor cursor(m_plain->document());
        cursor.setPosition(int(finding.begin));
        cursor.setPosition(int(finding.end), QTextCursor::KeepAnchor);
        cursor.insertText(shown(cp1252Text));
    }
}

int CheckedBox::positionAt(const QPoint &point) const
{
    if (m_line)
        return m_line->cursorPositionAt(point);
    return m_plain ? m_plain->cursorForPosition(point).position() : -1;
}

QMenu *CheckedBox::standardMenu() const
{
    if (m_line)
        return m_line->createStandardContextMenu();
    return m_plain->createStandardContextMenu();
}

QMenu *CheckedBox::contextMenu(int position)
{
    const auto found = std::find_if(m_findings.begin(), m_findings.end(), [&](const check::Finding &f) {
        return std::size_t(position) >= f.begin && std::size_t(position) <= f.end;
    });
    QMenu *menu = standardMenu();
    if (found == m_findings.end())
        return menu;
    const check::Finding finding = *found;
    QAction *first = menu->actions().isEmpty() ? nullptr : menu->actions().front();
    QList<QAction *> added;
    const std::vector<std::string> suggestions = this->suggestions(finding);
    for (std::size_t i = 0; i < suggestions.size() && int(i) < kMostSuggestions; ++i) {
        QAction *action = new QAction(shown(suggestions[i]), menu);
        connect(action, &QAction::triggered, this, [this, finding, text = suggestions[i]] { replace(finding, text); });
        added.append(action);
    }
    if (suggestions.empty()) {
        QAction *none = new QAction(QStringLiteral("(cap suggeriment)"), menu);
        none->setEnabled(false);
        added.append(none);
    }
    if (finding.kind == check::FindingKind::Castilianism && finding.entry) {
        QAction *note = new QAction(shown(finding.entry->note), menu);
        note->setEnabled(false);
        added.append(note);
        const int row = check::FormsToAvoid::vocabularyRow(*finding.entry);
        if (row >= 0 && CheckerService::instance().canOpenVocabulary()) {
            QAction *show = new QAction(QStringLiteral("Mostra al vocabulari"), menu);
            connect(show, &QAction::triggered, this, [row] { CheckerService::instance().openVocabulary(row); });
            added.append(show);
        }
    }
    QAction *ignore = new QAction(QStringLiteral("Ignora"), menu);
    const std::string key = check::TextChecker::ignoredKey(m_text.substr(finding.begin, finding.end - finding.begin));
    connect(ignore, &QAction::triggered, this, [this, key] {
        m_ignored->insert(key);
        recheck();
        emit ignoredChanged();
    });
    added.append(ignore);
    QAction *separator = new QAction(menu);
    separator->setSeparator(true);
    added.append(separator);
    menu->insertActions(first, added);
    return menu;
}

bool CheckedBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        // A plain text box's position is the viewport's, as cursorForPosition() takes it.
        auto *request = static_cast<QContextMenuEvent *>(event);
        QMenu *menu = contextMenu(positionAt(request->pos()));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(request->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QString CheckedBox::fieldName() const
{
    const QString name = box()->accessibleName();
    return name.isEmpty() ? QStringLiteral("Document") : name;
}
