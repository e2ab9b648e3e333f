#include "forms/ui/FormView.h"

#include "forms/FormFields.h"
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

namespace {

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

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

FormView::~FormView() = default;

bool FormView::build()
{
    if (m_page)
        return false;
    m_form = forms::formByLayoutId(m_templateId);
    if (!m_form)
        return false;
    if (objectName().isEmpty())
        setObjectName(utf8(m_form->objectName));

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
    initializeFields();
    m_initialState = fieldState();
    return true;
}

bool FormView::isModified() const
{
    return isCreated() && fieldState() != m_initialState;
}

QString FormView::fieldState() const
{
    QString state;
    for (const forms::Item &item : m_form->items) {
        QWidget *widget = fieldWidget(item.id);
        if (!widget || item.kind == forms::ItemKind::Label || item.kind == forms::ItemKind::AddButton)
            continue;
        state += QString::number(item.id) + u'=';
        if (auto *picker = qobject_cast<DatePicker *>(widget))
            state += picker->date().toString(Qt::ISODate);
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            state += edit->text();
        else if (auto *box = qobject_cast<FormTextBox *>(widget))
            state += box->text();
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            state += QString::number(combo->currentIndex()) + u':' + combo->currentText();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            state += button->isChecked() ? u'1' : u'0';
        else if (auto *list = qobject_cast<QTreeWidget *>(widget)) {
            // Every cell in order: a line changed, removed or moved is a change to the form.
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                for (int column = 0; column < list->columnCount(); ++column)
                    state += list->topLevelItem(row)->text(column) + QChar(1);
                state += QChar(2);
            }
        }
        state += QChar(0); // no field holds a NUL, so the fields never run into each other
    }
    return state;
}

void FormView::initializeFields()
{
    std::string dateText;
    plecta::MakeDateText(dateText);
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
            const std::string initial = forms::initialText(item, dateText);
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
                for (std::string_view choice : forms::sortedChoices(item.items))
                    combo->addItem(utf8(choice));
                combo->setCurrentIndex(forms::initialChoice(item));
            }
            break;
        case forms::ItemKind::Radio:
            if (auto *radio = qobject_cast<QAbstractButton *>(widget))
                radio->setChecked(item.checked);
            break;
        case forms::ItemKind::DatePicker:
            if (auto *picker = qobject_cast<DatePicker *>(widget))
                picker->setDate(QDate::currentDate());
            break;
        case forms::ItemKind::LineList:
            if (auto *list = qobject_cast<QTreeWidget *>(widget); list && m_form->lineItems) {
                QStringList headers;
                for (const forms::ListColumn &column : m_form->lineItems->columns)
                    headers.append(utf8(column.header));
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
    output.clear();
    if (m_form && m_page)
        forms::generateFormText(*m_form, *this, output);
}

plecta::StructuredDocument FormView::documentStructure() const
{
    if (m_form && m_page)
        return forms::formStructure(*m_form, *this);
    return {};
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

bool FormView::hasField(int id) const
{
    return m_fields.contains(id);
}

bool FormView::isLive(int id) const
{
    return fieldWidget(id) != nullptr;
}

plecta::FieldKind FormView::kind(int id) const
{
    // The date picker is tested before the line edit it contains.
    QWidget *widget = fieldWidget(id);
    if (qobject_cast<DatePicker *>(widget))
        return plecta::FieldKind::Date;
    if (qobject_cast<QLineEdit *>(widget))
        return plecta::FieldKind::OneLineText;
    if (qobject_cast<FormTextBox *>(widget))
        return plecta::FieldKind::MultiLineText;
    if (qobject_cast<QLabel *>(widget))
        return plecta::FieldKind::FixedText;
    // An editable list is read as its text: typed or picked, what it shows is what the document
    // gets. A fixed list gives its selected item.
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->isEditable() ? plecta::FieldKind::EditableChoice : plecta::FieldKind::Choice;
    if (qobject_cast<QTreeWidget *>(widget))
        return plecta::FieldKind::LineList;
    return plecta::FieldKind::None;
}

std::string FormView::text(int id) const
{
    QWidget *widget = fieldWidget(id);
    if (auto *picker = qobject_cast<DatePicker *>(widget))
        return picker->dateText();
    // An empty box with a placeholder gives the placeholder, as the document always showed it.
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return qttext::toCp1252(edit->text().isEmpty() ? edit->placeholderText() : edit->text());
    if (auto *box = qobject_cast<FormTextBox *>(widget))
        return box->text().isEmpty() ? qttext::toCp1252(box->placeholderText()) : box->documentText();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return qttext::toCp1252(label->text());
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return qttext::toCp1252(combo->currentText());
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return qttext::toCp1252(button->text());
    return {};
}

std::optional<int> FormView::selectedItem(int id) const
{
    auto *combo = qobject_cast<QComboBox *>(fieldWidget(id));
    if (!combo || combo->currentIndex() < 0)
        return std::nullopt;
    // Text typed into an editable list is not a choice: only an item picked from it counts.
    if (combo->isEditable() && combo->currentText() != combo->itemText(combo->currentIndex()))
        return std::nullopt;
    return combo->currentIndex();
}

std::string FormView::itemText(int id, int index) const
{
    auto *combo = qobject_cast<QComboBox *>(fieldWidget(id));
    if (!combo || index < 0 || index >= combo->count())
        return {};
    return qttext::toCp1252(combo->itemText(index));
}

int FormView::rowCount(int id) const
{
    auto *list = qobject_cast<QTreeWidget *>(fieldWidget(id));
    return list ? list->topLevelItemCount() : 0;
}

std::string FormView::cellText(int id, int row, int column) const
{
    auto *list = qobject_cast<QTreeWidget *>(fieldWidget(id));
    if (!list || column < 0 || column >= list->columnCount())
        return {};
    QTreeWidgetItem *item = list->topLevelItem(row);
    return item ? qttext::toCp1252(item->text(column)) : std::string();
}
