#pragma once
// A document form as data: its items in layout order, its fields' names and its model.
//
// How to describe a form
// ----------------------
// A form reads like the document being filled. Write its items top to bottom, left to right,
// exactly in the order of the layout, and end each line with br():
//
//     label("Que"), edit(1044, "certificacio", "<CERTIFICACIÓ>"), br(),
//
// Every field has an id and a name: lower-case ASCII, words joined by "_", no accents, unique in
// its form ("nom", "codi_postal"). The model writes the field's placeholder by that name ("%nom%"),
// and the command line takes either the name or the id.
//
// - label(text): a fixed text or sentence. A long one wraps within the page.
// - edit(id, name, initial, size): a one-line text box with its initial text. size is Short,
//   Medium, Long or Fill (takes the rest of the line, the default).
// - today(id, name, size): a text box that starts with today's long date text (the commercial
//   forms).
// - box(id, name, initial, lines): a large text box across the page, drawn lines high. With more
//   than one line it is multi-line and word-wrapped; a line break reaches the document as CR LF.
// - datePicker(id, name): a date picker showing today's date as long Catalan text.
// - choice(id, name, items, editable): a choice list, kept in alphabetical order, first item
//   selected.
// - radio(id, name, text, checked): a radio button; the radio buttons of one form form one group.
// - lineList(): the line-item list (id kLineListId, name "linies"); its columns are the form's
//   LineItems.
// - addButton(id): the "Afegeix un concepte" button that adds a line to the line list.
// - rule(): a horizontal rule across the page; gap(): a little vertical space.
// - stretch(): empty space that pushes the rest of the line to the right.
// - A line that starts with grid() has its cells aligned in columns with the grid() lines next
//   to it: "Nom:" [box] "Cognoms:" [box] over "Edat:" [box] "DNI:" [box] and so on.
// - frameBegin()/frameEnd() put the lines between them in an untitled frame.
// - Any item may carry a group number: the form's own behaviour enables or disables a group as a
//   whole (the certificate's two closing sentences).
//
// Texts in the description are UTF-8, as the widgets take them; initialText() gives a text box's
// initial text in Windows-1252. Register the form in FormRegistry.cpp; a form whose behaviour is
// all data needs no class of its own (the generic form view builds it, merges it and
// takes the form's objectName). FormFields.h states what a form holds at start.
// A form with a "<MUNICIPI>" box lists it, with the comarca and postcode boxes of its block, in
// PlaceFields.cpp, so that the box completes from the index of municipalities.

#include "models/TemplateEngine.h"
#include "text/InputGate.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

enum class ItemKind {
    Label,
    Edit,
    Box,
    Today,
    DatePicker,
    Choice,
    Radio,
    LineList,
    AddButton,
    Rule,
    Gap,
    Stretch,
    NewLine,
    Grid,
    FrameBegin,
    FrameEnd,
};

enum class Size { Natural, Short, Medium, Long, Fill };

struct Item
{
    ItemKind kind = ItemKind::Label;
    int id = 0;
    std::string_view name{}; // a field's name: lower-case ASCII, words joined by "_", unique in its form
    std::string_view text{}; // fixed text, initial text or button caption
    Size size = Size::Natural;
    int lines = 1;                             // drawn height of a large text box
    std::span<const std::string_view> items{}; // choice list items, in any order
    bool editable = false;                     // choice list that also takes typed text
    bool checked = false;                      // radio button selected at start
    int group = 0;                             // enabled and disabled together; 0: always enabled
};

// Reached only when a form gives an ordinary field the line list's reserved id. The forms are
// constant data, so such a form does not compile: this call is no constant expression.
[[noreturn]] inline int reservedIdUsedByField()
{
    std::abort();
}

// The id of an ordinary field, checked against the line list's reserved id.
constexpr int fieldId(int id)
{
    return id == plecta::kLineListId ? reservedIdUsedByField() : id;
}

constexpr Item label(std::string_view text, int group = 0)
{
    return {.kind = ItemKind::Label, .text = text, .group = group};
}
constexpr Item edit(int id, std::string_view name, std::string_view initial, Size size = Size::Fill, int group = 0)
{
    return {.kind = ItemKind::Edit, .id = fieldId(id), .name = name, .text = initial, .size = size, .group = group};
}
constexpr Item box(int id, std::string_view name, std::string_view initial, int lines)
{
    return {
        .kind = ItemKind::Box, .id = fieldId(id), .name = name, .text = initial, .size = Size::Fill, .lines = lines};
}
constexpr Item today(int id, std::string_view name, Size size = Size::Medium)
{
    return {.kind = ItemKind::Today, .id = fieldId(id), .name = name, .size = size};
}
constexpr Item datePicker(int id, std::string_view name)
{
    return {.kind = ItemKind::DatePicker, .id = fieldId(id), .name = name, .size = Size::Long};
}
// `selected` is the item chosen at start; without one, the first in alphabetical order.
constexpr Item choice(int id, std::string_view name, std::span<const std::string_view> items, bool editable,
                      std::string_view selected = {})
{
    return {.kind = ItemKind::Choice,
            .id = fieldId(id),
            .name = name,
            .text = selected,
            .size = Size::Medium,
            .items = items,
            .editable = editable};
}
constexpr Item radio(int id, std::string_view name, std::string_view text, bool checked)
{
    return {.kind = ItemKind::Radio, .id = fieldId(id), .name = name, .text = text, .checked = checked};
}
constexpr Item lineList()
{
    return {.kind = ItemKind::LineList, .id = plecta::kLineListId, .name = "linies"};
}
constexpr Item addButton(int id)
{
    return {.kind = ItemKind::AddButton, .id = fieldId(id), .text = "Afegeix un concepte"};
}
constexpr Item rule()
{
    return {.kind = ItemKind::Rule};
}
constexpr Item gap()
{
    return {.kind = ItemKind::Gap};
}
constexpr Item stretch()
{
    return {.kind = ItemKind::Stretch};
}
constexpr Item br()
{
    return {.kind = ItemKind::NewLine};
}
constexpr Item grid()
{
    return {.kind = ItemKind::Grid};
}
constexpr Item frameBegin()
{
    return {.kind = ItemKind::FrameBegin};
}
constexpr Item frameEnd()
{
    return {.kind = ItemKind::FrameEnd};
}

// A form put together from blocks it shares with others, in layout order.
template <class T, std::size_t... N> constexpr std::array<T, (N + ...)> join(const std::array<T, N> &...parts)
{
    std::array<T, (N + ...)> whole{};
    auto at = whole.begin();
    ((at = std::copy(parts.begin(), parts.end(), at)), ...);
    return whole;
}

struct ListColumn
{
    std::string_view header;
    int width = 0; // pixels
};

// The line items of the delivery note and the order.
struct LineItems
{
    std::span<const ListColumn> columns;
    std::span<const std::string_view> dialogLabels; // one per column, in column order
    plecta::RowTemplate rowTemplate;
    // The columns that hold the quantity, the unit price and the line's amount.
    int quantityColumn = -1;
    int priceColumn = -1;
    int amountColumn = -1;
    int rateFieldId = 0; // the field with the VAT rate; 0: the general rate
};

// How the engine tables the line items: headings in Windows-1252, the amount columns, the rate.
plecta::LineTable lineTable(const LineItems &lines);

struct FormDef
{
    std::string_view objectName; // the form view's object name, e.g. "minutesForm"
    int layoutId = 0;            // the catalogue's formId
    int modelId = 0;             // the document model merged by generateText
    std::span<const Item> items; // layout order
    const LineItems *lineItems = nullptr;
};

// The form whose layout id is given, or nullptr (a kind whose form is not written yet).
const FormDef *formByLayoutId(int layoutId);
// Every form described, in no particular order.
std::span<const FormDef *const> allForms();

// The initial text of a text box in Windows-1252: its text, or for today() the date text given.
std::string initialText(const Item &item, std::string_view todayText);

// A choice list's items in the order the list shows them: alphabetical, ignoring case and
// accents, as a sorted drop-down list orders them.
std::vector<std::string_view> sortedChoices(std::span<const std::string_view> items);

// The position, in that order, of the item a choice list selects at start (-1: it has none).
int initialChoice(const Item &item);

// The field that an item is, when it is one (text boxes, date pickers, choice lists, the line
// list); labels, rules and layout markers are not.
bool isField(const Item &item);

// The field a key names: its name or its id in decimal digits. nullptr when the form has none.
const Item *findField(const FormDef &form, std::string_view key);

// The form's fields by name, as the engine finds a placeholder's field.
std::vector<plecta::FieldName> fieldNames(const FormDef &form);

// Whether a field takes several lines of text: a large box drawn more than one line high. Every
// other field holds a single line.
constexpr bool takesSeveralLines(const Item &item)
{
    return item.kind == ItemKind::Box && item.lines > 1;
}

// What the input gate lets into a field.
constexpr textgate::FieldRules inputRules(const Item &item)
{
    return takesSeveralLines(item) ? textgate::kSeveralLines : textgate::kOneLine;
}

} // namespace forms
