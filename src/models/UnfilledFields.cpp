#include "models/UnfilledFields.h"

#include "text/Cp1252.h"

#include <algorithm>

namespace plecta {
namespace {

bool isLetter(unsigned char c)
{
    return cp1252::toLower(c) != cp1252::toUpper(c) || c == 0xDF;
}

bool isUpperLetter(unsigned char c)
{
    return isLetter(c) && cp1252::toUpper(c) == c;
}

// Whether the text between "<" and ">" reads as a placeholder: its first word has two letters or
// more, all capitals.
bool looksLikePlaceholder(std::string_view inside)
{
    int letters = 0;
    for (char ch : inside) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ' || c == ',')
            break;
        if (!isLetter(c))
            continue;
        if (!isUpperLetter(c))
            return false;
        ++letters;
    }
    return letters >= 2;
}

void note(std::vector<UnfilledField> &fields, std::string name, std::size_t position)
{
    const auto known =
        std::find_if(fields.begin(), fields.end(), [&name](const UnfilledField &field) { return field.name == name; });
    if (known != fields.end()) {
        ++known->occurrences;
        known->position = std::min(known->position, position);
        return;
    }
    fields.push_back({std::move(name), position, 1});
}

std::string upperCased(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = static_cast<char>(cp1252::toUpper(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::vector<UnfilledField> unfilledFields(std::string_view document)
{
    std::vector<UnfilledField> fields;
    for (std::size_t open = document.find('<'); open != std::string_view::npos; open = document.find('<', open + 1)) {
        const std::size_t close = document.find_first_of("<>\r\n", open + 1);
        if (close == std::string_view::npos || document[close] != '>')
            continue;
        const std::string_view inside = document.substr(open + 1, close - open - 1);
        // "<NOM i COGNOMS, (Càrrec)>" is named by what comes before its comma, so that the list of
        // names, joined by commas, reads right.
        if (looksLikePlaceholder(inside))
            note(fields, std::string(inside.substr(0, inside.find(','))), open);
    }
    for (std::string_view label : kChoiceLabels) {
        for (std::size_t at = document.find(label); at != std::string_view::npos; at = document.find(label, at + 1)) {
            const std::size_t end = at + label.size();
            const bool wordStart = at == 0 || !isLetter(static_cast<unsigned char>(document[at - 1]));
            const bool wordEnd = end == document.size() || !isLetter(static_cast<unsigned char>(document[end]));
            // Inside a placeholder ("<NOM i COGNOMS, (Càrrec)>") it is that placeholder's word.
            const std::size_t open = document.rfind('<', at);
            const bool inPlaceholder = open != std::string_view::npos && document.find_first_of(">\r\n", open) > at;
            if (wordStart && wordEnd && !inPlaceholder)
                note(fields, upperCased(label), at);
        }
    }
    std::stable_sort(fields.begin(), fields.end(),
                     [](const UnfilledField &a, const UnfilledField &b) { return a.position < b.position; });
    return fields;
}

bool isPlaceholder(std::string_view text)
{
    if (text.size() < 3 || text.front() != '<' || text.back() != '>')
        return false;
    const std::string_view inside = text.substr(1, text.size() - 2);
    return inside.find_first_of("<>\r\n") == std::string_view::npos && looksLikePlaceholder(inside);
}

std::string unfilledFieldsMessage(const std::vector<UnfilledField> &fields)
{
    if (fields.empty())
        return {};
    std::string out = fields.size() == 1 ? "Queda 1 camp per omplir: "
                                         : "Queden " + std::to_string(fields.size()) + " camps per omplir: ";
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += (i ? ", " : "") + fields[i].name;
    return out;
}

} // namespace plecta
