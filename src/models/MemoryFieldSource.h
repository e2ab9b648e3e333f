#pragma once
// A form's fields held as plain data: what the tests, the command-line program and the
// benchmarks merge from.

#include "models/FieldSource.h"

#include <map>
#include <string>
#include <vector>

namespace plecta {

struct MemoryField
{
    FieldKind kind = FieldKind::OneLineText;
    bool live = true;
    std::string text;
    std::vector<std::string> items;             // choice list
    std::optional<int> selected;                // choice list
    std::vector<std::vector<std::string>> rows; // line list, row 0 at the top

    bool operator==(const MemoryField &) const = default;
};

class MemoryFieldSource : public FieldSource
{
public:
    // Adds or replaces a field.
    MemoryField &set(int id, MemoryField field);
    MemoryField &setEdit(int id, std::string text);
    MemoryField &setDatePicker(int id, std::string shownText);
    MemoryField &setChoice(int id, std::vector<std::string> items, std::optional<int> selected);
    MemoryField &setLineList(int id, std::vector<std::vector<std::string>> rows);
    void remove(int id);

    // The field with this id, for changing it in place; nullptr when there is none.
    MemoryField *field(int id);
    const MemoryField *field(int id) const { return find(id); }

    bool operator==(const MemoryFieldSource &other) const { return m_fields == other.m_fields; }

    bool hasField(int id) const override;
    bool isLive(int id) const override;
    FieldKind kind(int id) const override;
    std::string text(int id) const override;
    std::optional<int> selectedItem(int id) const override;
    std::string itemText(int id, int index) const override;
    int rowCount(int id) const override;
    std::string cellText(int id, int row, int column) const override;

private:
    const MemoryField *find(int id) const;

    std::map<int, MemoryField> m_fields;
};

} // namespace plecta
