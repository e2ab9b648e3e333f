#include "models/MemoryFieldSource.h"

namespace plecta {

MemoryField &MemoryFieldSource::set(int id, MemoryField field)
{
    return m_fields[id] = std::move(field);
}

MemoryField &MemoryFieldSource::setEdit(int id, std::string text)
{
    MemoryField field;
    field.text = std::move(text);
    return set(id, std::move(field));
}

MemoryField &MemoryFieldSource::setDatePicker(int id, std::string shownText)
{
    MemoryField field;
    field.kind = FieldKind::Date;
    field.text = std::move(shownText);
    return set(id, std::move(field));
}

MemoryField &MemoryFieldSource::setChoice(int id, std::vector<std::string> items, std::optional<int> selected)
{
    MemoryField field;
    field.kind = FieldKind::Choice;
    field.items = std::move(items);
    field.selected = selected;
    return set(id, std::move(field));
}

MemoryField &MemoryFieldSource::setLineList(int id, std::vector<std::vector<std::string>> rows)
{
    MemoryField field;
    field.kind = FieldKind::LineList;
    field.rows = std::move(rows);
    return set(id, std::move(field));
}

void MemoryFieldSource::remove(int id)
{
    m_fields.erase(id);
}

MemoryField *MemoryFieldSource::field(int id)
{
    auto it = m_fields.find(id);
    return it == m_fields.end() ? nullptr : &it->second;
}

const MemoryField *MemoryFieldSource::find(int id) const
{
    auto it = m_fields.find(id);
    return it == m_fields.end() ? nullptr : &it->second;
}

bool MemoryFieldSource::hasField(int id) const
{
    return find(id) != nullptr;
}

bool MemoryFieldSource::isLive(int id) const
{
    const MemoryField *f = find(id);
    return f && f->live;
}

FieldKind MemoryFieldSource::kind(int id) const
{
    const MemoryField *f = find(id);
    return f ? f->kind : FieldKind::None;
}

std::string MemoryFieldSource::text(int id) const
{
    const MemoryField *f = find(id);
    return f ? f->text : std::string();
}

std::optional<int> MemoryFieldSource::selectedItem(int id) const
{
    const MemoryField *f = find(id);
    return f ? f->selected : std::nullopt;
}

std::string MemoryFieldSource::itemText(int id, int index) const
{
    const MemoryField *f = find(id);
    if (!f || index < 0 || static_cast<std::size_t>(index) >= f->items.size())
        return {};
    return f->items[static_cast<std::size_t>(index)];
}

int MemoryFieldSource::rowCount(int id) const
{
    const MemoryField *f = find(id);
    return f ? static_cast<int>(f->rows.size()) : 0;
}

std::string MemoryFieldSource::cellText(int id, int row, int column) const
{
    const MemoryField *f = find(id);
    if (!f || row < 0 || column < 0 || static_cast<std::size_t>(row) >= f->rows.size())
        return {};
    const auto &cells = f->rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : std::string();
}

} // namespace plecta
