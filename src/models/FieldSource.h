#pragma once
// What the template engine needs to know about a form's fields. The widget layer answers it from
// its controls; MemoryFieldSource answers it from plain data (tests, command line, benchmarks).
// Every text is Windows-1252.

#include <optional>
#include <string>

namespace plecta {

// What a field is, as far as the document is concerned.
enum class FieldKind {
    None,           // no field, or a control that gives the document nothing (a button)
    OneLineText,    // a one-line text box
    MultiLineText,  // a large text box that takes line breaks
    FixedText,      // a text the form shows but the user does not type (a value the form decides)
    Choice,         // a list that gives its selected item
    EditableChoice, // a list that also takes typed text: what it shows is its value
    Date,           // a date picker showing the long Catalan date
    LineList,       // the line items of a delivery note or an order
};

class FieldSource
{
public:
    virtual ~FieldSource() = default;

    // Whether the form has a field with this id at all.
    virtual bool hasField(int id) const = 0;
    // Whether that field is a live control that can be read (false for a missing one).
    virtual bool isLive(int id) const = 0;
    // What the field is; FieldKind::None for an id the form does not have.
    virtual FieldKind kind(int id) const = 0;
    // The text the field currently holds or shows (a date picker: the date text it shows).
    virtual std::string text(int id) const = 0;

    // Choice lists: the selected item, if any, and an item's text (empty for a bad index).
    virtual std::optional<int> selectedItem(int id) const = 0;
    virtual std::string itemText(int id, int index) const = 0;

    // Line lists: the number of rows (0 for a field that is not a line list) and a cell's text
    // (empty when the list has no such row or column).
    virtual int rowCount(int id) const = 0;
    virtual std::string cellText(int id, int row, int column) const = 0;
};

} // namespace plecta
