#include "reference/HandbookSearch.h"

#include "reference/ReferenceLists.h"
#include "reference/Treatments.h"

#include <algorithm>

namespace reflist {
namespace {

constexpr std::array<std::string_view, kHandbookParts.size()> kNames = {
    "vocabulary", "abbreviations", "symbols", "municipalities", "comarques", "treatments"};

// The reference list each part but the treatments is read from.
constexpr std::array<ListId, 5> kLists = {ListId::Vocabulary, ListId::Abbreviations, ListId::Symbols,
                                          ListId::Municipalities, ListId::Comarques};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::string_view partName(HandbookPart part)
{
    return kNames[static_cast<std::size_t>(part)];
}

std::optional<HandbookPart> partByName(std::string_view name)
{
    for (HandbookPart part : kHandbookParts) {
        if (partName(part) == name)
            return part;
    }
    return std::nullopt;
}

TreatmentsRows treatmentsRows()
{
    TreatmentsRows out;
    const std::string_view text = treatments::treatmentsText();
    std::size_t start = 0;
    for (int line = 0; start < text.size(); ++line) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        std::string shown;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (!isBlank(raw[i]))
                shown += raw[i];
            else if (!shown.empty() && i + 1 < raw.size() && !isBlank(raw[i + 1]))
                shown += ' ';
        }
        if (!shown.empty()) {
            out.rows.appendRow({shown});
            out.lines.push_back(line);
        }
        start = end + 1;
    }
    return out;
}

HandbookIndex::HandbookIndex()
{
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        const ReferenceList &list = referenceList(kLists[i]);
        m_parts[i].rows = filledRows(list);
        m_parts[i].search = ListSearch(list, m_parts[i].rows);
    }
    TreatmentsRows treatments = treatmentsRows();
    Part &part = m_parts[index(HandbookPart::Treatments)];
    part.rows = std::move(treatments.rows);
    part.search = ListSearch(part.rows, false);
    m_treatmentLines = std::move(treatments.lines);
}

std::vector<HandbookHit> HandbookIndex::search(const std::vector<std::string> &words,
                                               std::span<const HandbookPart> parts, bool bestFirst) const
{
    std::vector<HandbookHit> hits;
    if (words.empty())
        return hits;
    for (HandbookPart part : kHandbookParts) {
        if (std::find(parts.begin(), parts.end(), part) == parts.end())
            continue;
        const Part &where = m_parts[index(part)];
        const std::size_t first = hits.size();
        for (int row = 0; row < where.rows.rowCount(); ++row) {
            const int rank = where.search.rank(row, words);
            if (rank >= 0)
                hits.push_back({part, row, rank});
        }
        if (bestFirst) {
            const auto length = [&where](const HandbookHit &hit) { return where.search.text(hit.row).size(); };
            std::stable_sort(hits.begin() + std::ptrdiff_t(first), hits.end(),
                             [&length](const HandbookHit &a, const HandbookHit &b) {
                                 return a.rank != b.rank ? a.rank < b.rank : length(a) < length(b);
                             });
        }
    }
    return hits;
}

} // namespace reflist
