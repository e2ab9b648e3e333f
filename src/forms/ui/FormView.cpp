#include "forms/ui/FormView.h"

#include "forms/ui/DatePicker.h"
#include "forms/ui/FormPageBuilder.h"
#include "forms/ui/FormTextBox.h"
#include "models/DateText.h"
#include "models/UnfilledFields.h"
#include "text/ui/QtText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

FormView::FormView()
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The page stands on a darker desk, like a sheet being filled in.
    setBackgroundRole(QPalette::Mid);
    // Tab goes from field to field: the scroll area around them takes no focus of its own,
    // which would show nowhere.
    setFocusPolicy(Qt::NoFocus);
}

FormView::~FormView()
{
    // A list being destroyed still tells its model's signals when it is half gone: the binding
    // stops listening first. The page goes while the state its widgets write into is still there.
    if (auto *list = qobject_cast<QTreeWidget *>(fieldWidget(plecta::kLineListId)))
        list->model()->disconnect(this);
    delete takeWidget();
}

bool FormView::build()
{
    if (m_page)
        return false;
    m_form = forms::formByLayoutId(m_templateId);
    if (!m_form)
        return false;
    if (objectName().isEmpty())
        setObjectName(qttext::fromUtf8(m_form->objectName));

    FormPage built = buildFormPage(*m_form);
    m_page = built.page;
    for (auto it = built.byId.cbegin(); it != built.byId.cend(); ++it)
        m_fields.insert(it.key(), it.value());
    for (const auto &[group, widget] : std::as_const(built.grouped))
        m_grouped.append({group, widget});
    setWidget(m_page);

    if (auto *list = qobject_cast<QTreeWidget *>(fieldWidget(plecta::kLineListId)))
        list->viewport()->installEventFilter(this);
    for (const forms::Item &item : m_form->items) {
        if (item.kind == forms::ItemKind::AddButton) {
            if (auto *button = qobject_cast<QAbstractButton *>(fieldWidget(item.id)))
                connect(button, &QAbstractButton::clicked, this, [this] { addLine(); });
        }
    }
    m_state.emplace(*m_form, plecta::localToday());
    initializeFields();
    bindFields();
    m_initialState = m_state;
    return true;
}

bool FormView::isModified() const
{
    return isCreated() && !(*m_state == *m_initialState);
}

void FormView::markUnmodified()
{
    m_initialState = m_state;
    emit edited();
}

namespace {

QDate toQDate(std::chrono::year_month_day date)
{
    return QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
}

std::chrono::year_month_day toYearMonthDay(QDate date)
{
    return std::chrono::year{date.year()} / std::chrono::month{unsigned(date.month())} /
           std::chrono::day{unsigned(date.day())};
}

} // namespace

void FormView::bindFields()
{
    for (const forms::Item &item : m_form->items) {
        QWidget *widget = fieldWidget(item.id);
        if (!widget || !forms::isField(item))
            continue;
        const int id = item.id;
        // The date picker is tested before the line edit it contains.
        if (auto *picker = qobject_cast<DatePicker *>(widget)) {
            connect(picker, &QDateEdit::dateChanged, this,
                    [this, id](QDate date) { changed(&forms::FormState::setDate, id, toYearMonthDay(date)); });
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            // An empty box with a placeholder gives the placeholder, as the document always showed it.
            connect(edit, &QLineEdit::textChanged, this, [this, id, edit](const QString &text) {
                changed(&forms::FormState::setText, id,
                        qttext::toCp1252(text.isEmpty() ? edit->placeholderText() : text));
            });
        } else if (auto *box = qobject_cast<FormTextBox *>(widget)) {
            connect(box, &QPlainTextEdit::textChanged, this, [this, id, box] {
                changed(&forms::FormState::setText, id,
                        box->text().isEmpty() ? qttext::toCp1252(box->placeholderText()) : box->documentText());
            });
        } else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->isEditable()) {
            // Typed or picked, what an editable list shows is its value.
            const auto take = [this, id, combo] {
                changed(&forms::FormState::type, id, qttext::toCp1252(combo->currentText()));
            };
            connect(combo, &QComboBox::editTextChanged, this, take);
            connect(combo, &QComboBox::currentIndexChanged, this, take);
        } else if (combo) {
            // By the item's text: a list may offer fewer items than the form has (no paper
            // notification for an entity).
            connect(combo, &QComboBox::currentIndexChanged, this, [this, id, combo] {
                changed(&forms::FormState::select, id, m_state->findChoice(id, qttext::toCp1252(combo->currentText())));
            });
        } else if (auto *list = qobject_cast<QTreeWidget *>(widget)) {
            // However a line is added, changed, moved or removed, the state gets the list's lines.
            const QAbstractItemModel *model = list->model();
            const auto take = [this, list] { takeLines(list); };
            connect(model, &QAbstractItemModel::rowsInserted, this, take);
            connect(model, &QAbstractItemModel::rowsRemoved, this, take);
            connect(model, &QAbstractItemModel::rowsMoved, this, take);
            connect(model, &QAbstractItemModel::dataChanged, this, take);
            connect(model, &QAbstractItemModel::modelReset, this, take);
        }
    }
}

void FormView::takeLines(const QTreeWidget *list)
{
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *line = list->topLevelItem(row);
        std::vector<std::string> cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells.push_back(qttext::toCp1252(line->text(column)));
        rows.push_back(std::move(cells));
    }
    m_state->setLines(std::move(rows));
    emit edited();
}

void FormView::initializeFields()
{
    const forms::FormState &state = *m_state;
    for (const forms::Item &item : m_form->items) {
        QWidget *widget = fieldWidget(item.id);
        if (!widget)
            continue;
        switch (item.kind) {
        case forms::ItemKind::Edit:
        case forms::ItemKind::Box:
        case forms::ItemKind::Today: {
            // A placeholder is a greyed hint in an empty box: a click or a key replaces it, and
            // the document still shows it while the box stays empty.
            const std::string initial = state.text(item.id);
            const bool hint = plecta::isPlaceholder(initial);
            QString shown = qttext::toQString(initial);
            shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
                edit->setPlaceholderText(hint ? shown : QString());
                edit->setText(hint ? QString() : shown);
                edit->setCursorPosition(0);
            } else if (auto *box = qobject_cast<FormTextBox *>(widget)) {
                box->setPlaceholderText(hint ? shown : QString());
                box->setPlainText(hint ? QString() : shown);
            }
        } break;
        case forms::ItemKind::Choice:
            if (auto *combo = qobject_cast<QComboBox *>(widget)) {
                combo->clear();
                for (const std::string &choice : state.choices(item.id))
                    combo->addItem(qttext::toQString(choice));
                combo->setCurrentIndex(state.selectedItem(item.id).value_or(-1));
            }
            break;
        case forms::ItemKind::Radio:
            if (auto *radio = qobject_cast<QAbstractButton *>(widget))
                radio->setChecked(item.checked);
            break;
        case forms::ItemKind::DatePicker:
            if (auto *picker = qobject_cast<DatePicker *>(widget))
                picker->setDate(toQDate(state.date(item.id)));
            break;
        case forms::ItemKind::LineList:
            if (auto *list = qobject_cast<QTreeWidget *>(widget); list && m_form->lineItems) {
                QStringList headers;
                for (const forms::ListColumn &column : m_form->lineItems->columns)
                    headers.append(qttext::fromUtf8(column.header));
                list->setHeaderLabels(headers);
                for (int c = 0; c < int(m_form->lineItems->columns.size()); ++c)
                    list->setColumnWidth(c, m_form->lineItems->columns[std::size_t(c)].width);
            }
            break;
        default: break;
        }
    }
}

void FormView::generateText(std::string &output) const
{
    output = m_state ? m_state->document() : std::string();
}

plecta::StructuredDocument FormView::documentStructure() const
{
    return m_state ? m_state->structure() : plecta::StructuredDocument{};
}

QWidget *FormView::fieldWidget(int id) const
{
    return id == 0 ? nullptr : m_fields.value(id).data();
}

QWidget *FormView::selectUnfilledField(std::string_view cp1252Name)
{
    QWidget *field = findUnfilledField(cp1252Name);
    if (field)
        ensureWidgetVisible(field);
    return field;
}

QWidget *FormView::findUnfilledField(std::string_view cp1252Name) const
{
    const QString name = qttext::toQString(std::string(cp1252Name));
    const QString placeholder = u'<' + name;
    for (const forms::Item &item : m_form->items) {
        QWidget *widget = fieldWidget(item.id);
        if (!widget || !widget->isEnabled())
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            const qsizetype at = edit->text().indexOf(placeholder);
            if (at >= 0) {
                const qsizetype end = edit->text().indexOf(u'>', at);
                edit->setSelection(int(at), int(end < 0 ? edit->text().size() - at : end + 1 - at));
                return edit;
            }
            if (edit->text().isEmpty() && edit->placeholderText().startsWith(placeholder))
                return edit;
        } else if (auto *box = qobject_cast<FormTextBox *>(widget)) {
            if (box->selectPlaceholder(placeholder))
                return box;
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            if (combo->currentText().toUpper() == name || combo->currentText().contains(placeholder))
                return combo;
        }
    }
    return nullptr;
}

void FormView::setGroupEnabled(int group, bool enabled)
{
    for (const auto &[itemGroup, widget] : std::as_const(m_grouped)) {
        if (itemGroup == group && widget)
            widget->setEnabled(enabled);
    }
}

bool FormView::eventFilter(QObject *watched, QEvent *event)
{
    // A double click anywhere on the line list, on a row or below the rows, adds a line.
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto *list = qobject_cast<QTreeWidget *>(fieldWidget(plecta::kLineListId));
            list && watched == list->viewport()) {
            addLine();
            return true;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}
