#include "forms/ui/MunicipalityCompleter.h"

#include "forms/ui/FormView.h"
#include "reference/Municipalities.h"
#include "reference/Places.h"
#include "reference/ReferenceTables.h"
#include "text/Fold.h"
#include "text/ui/QtText.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>

#include <algorithm>
#include <utility>

namespace {

constexpr int kMunicipalityRole = Qt::UserRole + 1;

// Replaces a field's whole text as an edit of its own, so the field's undo history keeps what the
// user typed before.
void replaceText(QLineEdit *edit, const QString &text)
{
    if (edit->text() == text)
        return;
    edit->selectAll();
    edit->insert(text);
    edit->setCursorPosition(int(text.size()));
}

QCompleter *popupCompleter(QLineEdit *edit, QStandardItemModel *model)
{
    auto *completer = new QCompleter(model, edit);
    completer->setWidget(edit);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setMaxVisibleItems(10);
    return completer;
}

} // namespace

void MunicipalityCompleter::attach(FormView *view)
{
    if (!view->description())
        return;
    for (const forms::PlaceBlock &block : forms::placeBlocks(*view->description())) {
        if (qobject_cast<QLineEdit *>(view->fieldWidget(block.municipality)))
            new MunicipalityCompleter(view, block);
    }
}

MunicipalityCompleter::MunicipalityCompleter(FormView *view, const forms::PlaceBlock &block)
    : QObject(view), m_view(view), m_block(block),
      m_town(qobject_cast<QLineEdit *>(view->fieldWidget(block.municipality)))
{
    setObjectName(QStringLiteral("municipalityCompleter%1").arg(block.municipality));
    m_proposals = new QStandardItemModel(0, 2, this);
    m_completer = popupCompleter(m_town, m_proposals);
    // Each proposal shows the name in running form and, beside it, its comarca.
    auto *popup = new QTreeView;
    popup->setHeaderHidden(true);
    popup->setRootIsDecorated(false);
    popup->setUniformRowHeights(true);
    popup->setSelectionBehavior(QAbstractItemView::SelectRows);
    popup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_completer->setPopup(popup);
    // The arrows move within the proposals and stop at the first and the last one: a Down too
    // many never leaves the list with nothing chosen.
    m_completer->setWrapAround(false);
    popup->installEventFilter(this); // after the completer's own filter, so it runs first
    m_town->installEventFilter(this);
    popup->header()->setStretchLastSection(true);
    popup->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    connect(m_town, &QLineEdit::textEdited, this, &MunicipalityCompleter::propose);
    connect(m_completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &index) {
                const QVariant municipality = index.data(kMunicipalityRole);
                if (municipality.isValid())
                    take(std::size_t(municipality.toULongLong()));
            });

    if (auto *postcode = qobject_cast<QLineEdit *>(view->fieldWidget(block.postcode))) {
        m_postcodeModel = new QStandardItemModel(0, 1, this);
        m_postcodes = popupCompleter(postcode, m_postcodeModel);
        m_postcodes->setCompletionMode(QCompleter::PopupCompletion);
        connect(m_postcodes, qOverload<const QString &>(&QCompleter::activated), postcode,
                [postcode](const QString &code) { replaceText(postcode, code); });
        connect(postcode, &QLineEdit::textEdited, this, [this](const QString &text) {
            if (m_filling || m_postcodeModel->rowCount() == 0)
                return;
            m_postcodes->setCompletionPrefix(text);
            if (m_postcodes->completionCount() > 0 && !text.isEmpty())
                m_postcodes->complete();
            else
                m_postcodes->popup()->hide();
        });
        postcode->installEventFilter(this);
    }
    // Whichever way a filled field is undone (Ctrl+Z, its context menu, the Edit menu), the
    // other fields of the fill follow it.
    for (int id : {block.municipality, block.comarca, block.postcode}) {
        if (auto *edit = qobject_cast<QLineEdit *>(view->fieldWidget(id)))
            connect(edit, &QLineEdit::textChanged, this, [this, edit] { fieldChanged(edit); });
    }
}

void MunicipalityCompleter::fieldChanged(QLineEdit *edit)
{
    if (m_filling || m_lastFill.isEmpty())
        return;
    for (const Change &change : std::as_const(m_lastFill)) {
        if (change.edit != edit)
            continue;
        if (edit->text() == change.before) {
            // This field's undo took its part of the fill back: the rest goes with it.
            const QList<Change> fill = std::exchange(m_lastFill, {});
            const QScopedValueRollback<bool> filling(m_filling, true);
            for (const Change &other : fill) {
                if (other.edit && other.edit != edit && other.edit->text() == other.after)
                    restore(other);
            }
        } else if (edit->text() != change.after) {
            m_lastFill.clear(); // edited since: the fill is no longer the last thing done
        }
        return;
    }
    m_lastFill.clear(); // a field of the block that the fill left alone was edited
}

void MunicipalityCompleter::restore(const Change &change)
{
    // The fill was the field's last edit: its own undo restores what the user had typed and keeps
    // the history before it; a field whose history was cleared is set back instead.
    change.edit->undo();
    if (change.edit->text() != change.before)
        change.edit->setText(change.before);
}

void MunicipalityCompleter::propose(const QString &typed)
{
    if (m_filling)
        return; // the fill's own edit of the field
    // An undo of the fill hands back what was typed before it: nothing new to propose.
    for (const Change &change : std::as_const(m_lastFill)) {
        if (change.edit == m_town && typed == change.before) {
            m_completer->popup()->hide();
            return;
        }
    }
    m_proposals->removeRows(0, m_proposals->rowCount());
    for (std::size_t index : plecta::municipalityProposals(qttext::toCp1252(typed))) {
        auto *name = new QStandardItem(qttext::toQString(plecta::runningName(g_municipalities[index].name)));
        name->setData(qulonglong(index), kMunicipalityRole);
        auto *comarca = new QStandardItem(qttext::toQString(plecta::municipalityComarca(index)));
        comarca->setData(qulonglong(index), kMunicipalityRole);
        m_proposals->appendRow(QList<QStandardItem *>{name, comarca});
    }
    if (m_proposals->rowCount() == 0) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->setCompletionPrefix(QString());
    // Wide enough for the longest name and its comarca, and never narrower than the field.
    auto *popup = static_cast<QTreeView *>(m_completer->popup());
    const QAbstractItemView *view = popup;
    const int gap = popup->fontMetrics().averageCharWidth() * 3;
    const int width = view->sizeHintForColumn(0) + gap + view->sizeHintForColumn(1) +
                      popup->verticalScrollBar()->sizeHint().width() + 2 * popup->frameWidth() + gap;
    popup->setColumnWidth(0, view->sizeHintForColumn(0) + gap);
    // Nothing is chosen until an arrow chooses it: Down goes to the first proposal.
    m_completer->complete(QRect(0, 0, std::max(width, m_town->width()), m_town->height()));
    m_completer->popup()->setCurrentIndex(QModelIndex());
}

std::optional<std::size_t> MunicipalityCompleter::onlyMatch() const
{
    const std::string typed = qttext::toCp1252(m_town->text());
    const std::vector<std::size_t> proposals = plecta::municipalityProposals(typed);
    if (proposals.size() == 1)
        return proposals.front();
    // "Moia" when another name also begins with it: the one whose whole name it is.
    const std::string folded = plecta::foldForSearch(typed);
    std::optional<std::size_t> match;
    for (std::size_t index : proposals) {
        const std::string_view stored = g_municipalities[index].name;
        if (plecta::foldForSearch(plecta::runningName(stored)) != folded &&
            plecta::foldForSearch(std::string(stored.substr(0, stored.find_last_not_of(' ') + 1))) != folded)
            continue;
        if (match)
            return std::nullopt;
        match = index;
    }
    return match;
}

void MunicipalityCompleter::take(std::size_t municipality)
{
    const forms::PlaceFill fill = forms::placeFill(*m_view->description(), m_block, municipality, m_view->state());
    const QScopedValueRollback<bool> filling(m_filling, true);
    QList<Change> changes;
    const auto change = [&changes](QLineEdit *edit, const std::string &text) {
        if (!edit)
            return;
        const QString after = qttext::toQString(text);
        if (edit->text() == after)
            return;
        changes.append({edit, edit->text(), after});
        replaceText(edit, after);
    };
    change(m_town, fill.municipality);
    auto *comarca = qobject_cast<QLineEdit *>(m_view->fieldWidget(m_block.comarca));
    if (fill.comarca)
        change(comarca, *fill.comarca);
    auto *postcode = qobject_cast<QLineEdit *>(m_view->fieldWidget(m_block.postcode));
    if (fill.postcode && postcode) {
        change(postcode, *fill.postcode);
        // Selected, so that typing in the field replaces it.
        postcode->setSelection(0, int(postcode->text().size()));
    }
    if (m_postcodeModel) {
        m_postcodeModel->removeRows(0, m_postcodeModel->rowCount());
        QStringList offered;
        if (!fill.otherPostcodes.empty()) {
            for (const std::string &code : plecta::municipalityPostcodes(municipality))
                offered.append(qttext::toQString(code));
            for (const QString &code : std::as_const(offered))
                m_postcodeModel->appendRow(new QStandardItem(code));
        }
        postcode->setToolTip(offered.isEmpty()
                                 ? QString()
                                 : QStringLiteral("Codis postals de %1: %2 (fletxa avall per triar-ne un)")
                                       .arg(m_town->text(), offered.join(QStringLiteral(", "))));
    }
    m_lastFill = changes;
}

bool MunicipalityCompleter::undoFill()
{
    if (m_lastFill.isEmpty())
        return false;
    const QList<Change> fill = std::exchange(m_lastFill, {});
    for (const Change &change : fill) {
        if (!change.edit || change.edit->text() != change.after)
            return false; // changed since: the fill is no longer the last thing done
    }
    const QScopedValueRollback<bool> filling(m_filling, true);
    for (const Change &change : fill)
        restore(change);
    return true;
}

void MunicipalityCompleter::offerPostcodes()
{
    if (!m_postcodes || m_postcodeModel->rowCount() < 2)
        return;
    m_postcodes->setCompletionPrefix(QString());
    m_postcodes->complete();
}

bool MunicipalityCompleter::eventFilter(QObject *watched, QEvent *event)
{
    // Enter with no proposal chosen takes the municipality the text names, when it names one;
    // otherwise the proposals stay up for an arrow to choose one.
    if (event->type() == QEvent::KeyPress && (watched == m_town || watched == m_completer->popup())) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        QAbstractItemView *popup = m_completer->popup();
        if (enter && !popup->currentIndex().isValid()) {
            if (const std::optional<std::size_t> match = onlyMatch()) {
                popup->hide();
                take(*match);
                return true;
            }
            if (popup->isVisible())
                return true;
        }
    }
    // Down in the postcode field lists every postcode of the municipality taken.
    if (event->type() == QEvent::KeyPress && m_postcodes && watched == m_postcodes->widget()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Down && key->modifiers() == Qt::NoModifier && m_postcodeModel->rowCount() > 1 &&
            !m_postcodes->popup()->isVisible()) {
            offerPostcodes();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
