#include "forms/ui/FormPageBuilder.h"

#include "forms/ModelLeadIn.h"
#include "forms/ui/DatePicker.h"
#include "forms/ui/FormPageWidgets.h"
#include "forms/ui/FormTextBox.h"
#include "text/ui/QtText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include <algorithm>

using forms::Item;
using forms::ItemKind;
using forms::Size;

namespace {

constexpr int kPageMargin = 28;
constexpr int kLongLabel = 48; // characters; a longer fixed sentence wraps within the page
constexpr int kMeasure = 80;   // characters; the line of a typed document

// One line of the page while it is being laid out.
struct LineWidget
{
    QWidget *widget = nullptr; // nullptr: stretch
    bool expands = false;
    bool wraps = false; // a long sentence, which wraps within the page
};

class Builder
{
public:
    explicit Builder(const forms::FormDef &form) : m_form(form)
    {
        m_result.page = new QWidget;
        m_result.page->setObjectName(QStringLiteral("formPage"));
        m_result.page->setBackgroundRole(QPalette::Base);
        m_result.page->setAutoFillBackground(true);
        auto *layout = new QVBoxLayout(m_result.page);
        layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
        layout->setSpacing(6);
        m_blocks.append(layout);
        m_radios = new QButtonGroup(m_result.page);
    }

    FormPage build()
    {
        bool gridLine = false;
        for (const Item &item : m_form.items) {
            switch (item.kind) {
            case ItemKind::NewLine:
                endLine(gridLine);
                gridLine = false;
                break;
            case ItemKind::Grid: gridLine = true; break;
            case ItemKind::Gap:
                flush(gridLine);
                block()->addSpacing(m_result.page->fontMetrics().height());
                break;
            case ItemKind::Rule: {
                flush(gridLine);
                auto *rule = new QFrame;
                rule->setFrameShape(QFrame::HLine);
                rule->setFrameShadow(QFrame::Plain);
                block()->addWidget(rule);
                break;
            }
            case ItemKind::FrameBegin: {
                flush(gridLine);
                auto *frame = new QFrame;
                frame->setFrameShape(QFrame::Box);
                frame->setFrameShadow(QFrame::Sunken);
                auto *inner = new QVBoxLayout(frame);
                inner->setSpacing(6);
                block()->addWidget(frame);
                m_blocks.append(inner);
                break;
            }
            case ItemKind::FrameEnd:
                flush(gridLine);
                if (m_blocks.size() > 1)
                    m_blocks.removeLast();
                break;
            case ItemKind::Stretch: m_line.append({nullptr, true}); break;
            default: add(item);
            }
        }
        flush(gridLine);
        m_blocks.first()->addStretch(1);

        // As wide as its lines ask, each box at the width its size gives it, and never narrower
        // than a line of the document the form writes. Long sentences wrap within that.
        QWidget *page = m_result.page;
        QLayout *layout = page->layout();
        layout->activate();
        const int width = std::max(layout->totalSizeHint().width(), charsWide(page, kMeasure) + 2 * kPageMargin);
        // Within that width a sentence asks for its length again, beside a box on its line too.
        for (QLabel *label : std::as_const(m_wrapping))
            label->setSizePolicy(QSizePolicy::Preferred, label->sizePolicy().verticalPolicy());
        layout->invalidate();
        layout->activate();
        const int height =
            layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : layout->totalSizeHint().height();
        // The form keeps its size; the scroll area around it shows scroll bars where needed.
        page->setFixedSize(width, std::max(height, layout->totalMinimumSize().height()));
        return m_result;
    }

private:
    QVBoxLayout *block() const { return m_blocks.last(); }

    void add(const Item &item)
    {
        QWidget *widget = nullptr;
        bool expands = item.size == Size::Fill;
        bool wraps = false;
        switch (item.kind) {
        case ItemKind::Label: {
            wraps = item.text.size() > kLongLabel;
            QLabel *label =
                wraps ? new SentenceLabel(qttext::fromUtf8(item.text)) : new QLabel(qttext::fromUtf8(item.text));
            label->setTextFormat(Qt::PlainText);
            if (wraps) {
                label->setWordWrap(true);
                // The page's width comes from the other lines: the sentence wraps within it.
                label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
                m_wrapping.append(label);
                expands = true;
            }
            widget = label;
            break;
        }
        case ItemKind::Box:
            if (item.lines > 1) {
                widget = new FormTextBox(item.lines);
                expands = true;
                break;
            }
            [[fallthrough]];
        case ItemKind::Edit:
        case ItemKind::Today: {
            auto *edit = new SizedLineEdit;
            qttext::installInputGate(edit);
            expands = expands || item.kind == ItemKind::Box;
            widget = edit;
            break;
        }
        case ItemKind::DatePicker: widget = new DatePicker; break;
        case ItemKind::Choice: {
            auto *combo = new QComboBox;
            combo->setEditable(item.editable);
            combo->setInsertPolicy(QComboBox::NoInsert);
            if (item.editable)
                qttext::installInputGate(combo);
            // Its items come later, with the form's state: it is sized for them now.
            combo->ensurePolished();
            combo->setMinimumWidth(widestChoice(combo, item));
            widget = combo;
            break;
        }
        case ItemKind::Radio: {
            auto *radio = new QRadioButton(qttext::fromUtf8(item.text));
            m_radios->addButton(radio, item.id);
            widget = radio;
            break;
        }
        case ItemKind::LineList: {
            auto *list = new QTreeWidget;
            list->setRootIsDecorated(false);
            list->setItemsExpandable(false);
            list->setUniformRowHeights(true);
            list->setSortingEnabled(false);
            list->setEditTriggers(QAbstractItemView::NoEditTriggers);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setAllColumnsShowFocus(true);
            list->header()->setSectionsMovable(false);
            list->setMinimumHeight(list->fontMetrics().lineSpacing() * 9);
            widget = list;
            expands = true;
            break;
        }
        case ItemKind::AddButton: widget = new QPushButton(qttext::fromUtf8(item.text)); break;
        default: return;
        }
        if (!expands) {
            int chars = 0;
            switch (item.size) {
            case Size::Short: chars = 13; break;
            case Size::Medium: chars = 22; break;
            case Size::Long: chars = 36; break;
            default: break;
            }
            widget->ensurePolished(); // measured in the font and style it is shown with
            // Wide enough for its placeholder too: capitals run wider than the average letter.
            if (auto *edit = dynamic_cast<SizedLineEdit *>(widget); edit && chars > 0)
                edit->setPreferredWidth(
                    std::max(charsWide(widget, chars),
                             widget->fontMetrics().horizontalAdvance(qttext::fromUtf8(item.text)) + 16));
            else if (chars > 0) // and never narrower than its longest text, a date's or an item's
                widget->setFixedWidth(
                    std::max({charsWide(widget, chars), widget->minimumSizeHint().width(), widget->minimumWidth()}));
        }
        name(item, widget);
        if (item.id != 0)
            m_result.byId.insert(item.id, widget);
        if (item.group != 0)
            m_result.grouped.append({item.group, widget});
        if (auto *box = qobject_cast<FormTextBox *>(widget))
            addLeadIn(item, box);
        m_line.append({widget, expands, wraps});
    }

    // The words the model writes at the start of a large box's line ("Que"), shown before the
    // box, so that nobody types them a second time. A box that follows a label has its words.
    void addLeadIn(const Item &item, const FormTextBox *box)
    {
        const std::string leadIn = forms::modelLeadIn(m_form, item.name);
        if (leadIn.empty() || (!m_line.isEmpty() && qobject_cast<QLabel *>(m_line.constLast().widget)))
            return;
        auto *label = new QLabel(QString::fromStdString(leadIn));
        label->setObjectName(QStringLiteral("leadIn"));
        label->setTextFormat(Qt::PlainText);
        // Level with the box's first line of text.
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setContentsMargins(0, box->frameWidth() + int(box->document()->documentMargin()), 0, 0);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        m_line.append({label, false});
    }

    // Every input is named for assistive technology: by the label just before it on its line,
    // which also becomes its buddy, or else by its placeholder text ("<NOM DE L'ORGANISME>"), or
    // else by the sentence it continues.
    void name(const Item &item, QWidget *widget)
    {
        if (item.kind == ItemKind::Label) {
            m_lastLabel = m_sentence = static_cast<QLabel *>(widget);
            return;
        }
        QLabel *label = std::exchange(m_lastLabel, nullptr);
        if (item.kind == ItemKind::Radio || item.kind == ItemKind::AddButton)
            return; // named by their own text
        QString text;
        if (label && !m_line.isEmpty() && m_line.constLast().widget == label) {
            label->setBuddy(widget);
            text = label->text();
        } else if (item.kind == ItemKind::LineList) {
            text = QStringLiteral("Conceptes");
        } else if (!item.text.empty()) {
            text = qttext::fromUtf8(item.text);
        } else if (item.kind == ItemKind::Today || item.kind == ItemKind::DatePicker) {
            text = QStringLiteral("Data");
        } else if (item.kind == ItemKind::Choice && !item.items.empty()) {
            text = qttext::fromUtf8(item.items.front());
        } else if (m_sentence) {
            text = m_sentence->text(); // an empty field that continues the sentence before it
        }
        text = text.trimmed();
        text.remove(u'<').remove(u'>');
        while (text.endsWith(u':') || text.endsWith(u','))
            text.chop(1);
        widget->setAccessibleName(text.trimmed());
    }

    void endLine(bool gridLine)
    {
        m_lastLabel = nullptr;
        flush(gridLine);
    }

    // Places the items gathered since the last line break.
    void flush(bool gridLine)
    {
        if (m_line.isEmpty()) {
            if (!gridLine)
                m_grid = nullptr;
            return;
        }
        if (gridLine) {
            if (!m_grid) {
                m_grid = new QGridLayout;
                m_grid->setHorizontalSpacing(8);
                m_grid->setVerticalSpacing(6);
                block()->addLayout(m_grid);
            }
            const int row = m_grid->rowCount() - (m_grid->count() == 0 ? 1 : 0);
            int column = 0;
            for (const LineWidget &cell : std::as_const(m_line)) {
                if (cell.widget && cell.expands)
                    m_grid->addWidget(cell.widget, row, column);
                else if (cell.widget) {
                    m_grid->addWidget(cell.widget, row, column, Qt::AlignLeft | Qt::AlignVCenter);
                    // A column that stretches shares its width by stretch alone: keep room for
                    // the box that asks for a width of its own.
                    m_grid->setColumnMinimumWidth(
                        column, std::max(m_grid->columnMinimumWidth(column), cell.widget->sizeHint().width()));
                }
                if (cell.expands)
                    m_grid->setColumnStretch(column, 1);
                ++column;
            }
        } else {
            m_grid = nullptr;
            auto *line = new QHBoxLayout;
            line->setSpacing(6);
            bool anyExpands = false;
            const bool hasSentence =
                std::any_of(m_line.cbegin(), m_line.cend(), [](const LineWidget &cell) { return cell.wraps; });
            for (const LineWidget &cell : std::as_const(m_line)) {
                // Beside a sentence that can wrap, a sized box keeps its width and the sentence wraps.
                if (hasSentence && cell.widget && !cell.expands)
                    cell.widget->setMinimumWidth(
                        std::max(cell.widget->minimumWidth(), cell.widget->sizeHint().width()));
                // A sentence takes the length it asks for and leaves the rest to the box beside it.
                if (cell.widget)
                    line->addWidget(cell.widget, cell.expands && !cell.wraps ? 1 : 0);
                else
                    line->addStretch(1);
                anyExpands = anyExpands || cell.expands;
            }
            if (!anyExpands)
                line->addStretch(1);
            block()->addLayout(line);
        }
        m_line.clear();
    }

    const forms::FormDef &m_form;
    FormPage m_result;
    QList<QVBoxLayout *> m_blocks;
    QGridLayout *m_grid = nullptr;
    QList<LineWidget> m_line;
    QButtonGroup *m_radios = nullptr;
    QLabel *m_lastLabel = nullptr; // the label just placed, for the input that follows it
    QLabel *m_sentence = nullptr;  // the last label placed on any line
    QList<QLabel *> m_wrapping;    // the long sentences, which wrap within the page
};

} // namespace

FormPage buildFormPage(const forms::FormDef &form)
{
    return Builder(form).build();
}
