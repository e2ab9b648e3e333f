#include "reference/Places.h"

#include "reference/Municipalities.h"
#include "reference/ReferenceTables.h"
#include "text/Fold.h"

#include <array>
#include <string_view>

namespace plecta {
namespace {

std::string_view unpadded(const char *text)
{
    std::string_view view(text);
    const std::size_t end = view.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : view.substr(0, end + 1);
}

struct FoldedName
{
    std::string stored;  // "hospitalet de llobregat l"
    std::string running; // "l hospitalet de llobregat"
};

const std::vector<FoldedName> &foldedNames()
{
    static const std::vector<FoldedName> names = [] {
        std::vector<FoldedName> out;
        for (const MunicipalityEntry *m = g_municipalities; m->name; ++m)
            out.push_back({foldForSearch(m->name), foldForSearch(runningName(m->name))});
        return out;
    }();
    return names;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// Whether some word of the folded text begins with the folded query.
bool wordStartsWith(std::string_view text, std::string_view query)
{
    for (std::size_t at = text.find(query); at != std::string_view::npos; at = text.find(query, at + 1)) {
        if (at == 0 || text[at - 1] == ' ')
            return true;
    }
    return false;
}

} // namespace

std::vector<std::size_t> municipalityProposals(std::string_view typed, std::size_t limit)
{
    const std::string query = foldForSearch(typed);
    if (query.empty() || limit == 0)
        return {};
    const std::vector<std::string> words = foldedWords(typed);
    const std::vector<FoldedName> &names = foldedNames();

    std::array<std::vector<std::size_t>, 3> ranks;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const FoldedName &name = names[i];
        if (startsWith(name.stored, query) || startsWith(name.running, query))
            ranks[0].push_back(i);
        else if (wordStartsWith(name.running, query))
            ranks[1].push_back(i);
        else if (containsAllWords(name.running, words))
            ranks[2].push_back(i);
    }
    std::vector<std::size_t> out;
    for (const auto &rank : ranks) {
        for (std::size_t i : rank) {
            if (out.size() == limit)
                return out;
            out.push_back(i);
        }
    }
    return out;
}

std::string municipalityComarca(std::size_t index)
{
    return std::string(unpadded(g_municipalities[index].comarca));
}

std::string postcodeText(std::uint32_t postcode)
{
    std::string digits = std::to_string(postcode);
    return digits.size() < 5 ? std::string(5 - digits.size(), '0') + digits : digits;
}

std::vector<std::string> municipalityPostcodes(std::size_t index)
{
    const MunicipalityEntry &municipality = g_municipalities[index];
    std::vector<std::string> out{postcodeText(municipality.postcode)};
    const std::string_view name = unpadded(municipality.name);
    for (const OtherPostcodeEntry *other = g_otherPostcodes; other->municipality; ++other) {
        if (other->municipality == name)
            out.push_back(postcodeText(other->postcode));
    }
    return out;
}

} // namespace plecta
