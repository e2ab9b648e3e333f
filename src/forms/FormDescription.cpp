#include "forms/FormDescription.h"

#include "text/Cp1252.h"

#include <algorithm>

namespace forms {
namespace {

// The letter a Windows-1252 byte sorts as: lower case, accents dropped.
unsigned char sortLetter(unsigned char byte)
{
    byte = cp1252::toLower(byte);
    static constexpr std::string_view kFrom = "\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
                                              "\xF1\xF2\xF3\xF4\xF5\xF6\xF9\xFA\xFB\xFC\xFD\xFF";
    static constexpr std::string_view kTo = "aaaaaaceeeeiiiinooooouuuuyy";
    const auto at = kFrom.find(static_cast<char>(byte));
    return at == std::string_view::npos ? byte : static_cast<unsigned char>(kTo[at]);
}

std::string sortKey(std::string_view utf8)
{
    std::string key = cp1252::fromUtf8(utf8).text;
    for (char &c : key)
        c = static_cast<char>(sortLetter(static_cast<unsigned char>(c)));
    return key;
}

} // namespace

std::string initialText(const Item &item, std::string_view todayText)
{
    if (item.kind == ItemKind::Today)
        return std::string(todayText);
    return cp1252::fromUtf8(item.text).text;
}

std::vector<std::string_view> sortedChoices(std::span<const std::string_view> items)
{
    std::vector<std::string_view> sorted(items.begin(), items.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](std::string_view a, std::string_view b) {
        const std::string ka = sortKey(a), kb = sortKey(b);
        return ka != kb ? ka < kb : a < b;
    });
    return sorted;
}

int initialChoice(const Item &item)
{
    const std::vector<std::string_view> sorted = sortedChoices(item.items);
    const auto chosen = std::find(sorted.begin(), sorted.end(), item.text);
    if (chosen != sorted.end())
        return static_cast<int>(chosen - sorted.begin());
    return sorted.empty() ? -1 : 0;
}

bool isField(const Item &item)
{
    switch (item.kind) {
    case ItemKind::Edit:
    case ItemKind::Box:
    case ItemKind::Today:
    case ItemKind::DatePicker:
    case ItemKind::Choice:
    case ItemKind::LineList: return true;
    default: return false;
    }
}

const Item *findField(const FormDef &form, std::string_view key)
{
    for (const Item &item : form.items) {
        if (isField(item) && (item.name == key || std::to_string(item.id) == key))
            return &item;
    }
    return nullptr;
}

std::vector<plecta::FieldName> fieldNames(const FormDef &form)
{
    std::vector<plecta::FieldName> names;
    for (const Item &item : form.items) {
        if (isField(item))
            names.push_back({item.name, item.id});
    }
    return names;
}

} // namespace forms
