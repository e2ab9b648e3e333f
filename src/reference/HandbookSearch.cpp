#include "reference/HandbookSearch.h"

#include "forms/DocumentCatalogue.h"
#include "reference/Municipalities.h"
#include "reference/ReferenceLists.h"
#include "reference/Treatments.h"
#include "text/Cp1252.h"

#include <algorithm>

namespace reflist {
namespace {

constexpr std::array<std::string_view, kHandbookParts.size()> kNames = {
    "vocabulary", "abbreviations", "symbols", "municipalities", "comarques", "treatments", "documents"};

constexpr std::array<std::string_view, kHandbookParts.size()> kTitles = {
    "Vocabulari (Castellà - Català)", "Abreviatures",     "Símbols i sigles", "Municipis", "Comarques",
    "Tractaments protocol·laris",     "Tipus de document"};

// The reference list each of the first five parts is read from.
constexpr std::array<ListId, 5> kLists = {ListId::Vocabulary, ListId::Abbreviations, ListId::Symbols,
                                          ListId::Municipalities, ListId::Comarques};

// The catalogues whose kinds the search finds, in the order of DocumentKindPlace::catalogue.
const forms::DocListEntry *const kCatalogues[] = {forms::g_tcDocList, forms::g_apDocList};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A text with its runs of blanks made single spaces and none at either end.
std::string collapsed(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isBlank(text[i]))
            continue;
        if (!out.empty() && i > 0 && isBlank(text[i - 1]))
            out += ' ';
        out += text[i];
    }
    return out;
}

// The word a vocabulary cell stands for, without the grammatical labels and feminine endings
// that follow it or the note after a semicolon: "actiu -iva adj" -> "actiu", "compulsa f; ara,
// còpia autèntica" -> "compulsa".
std::string headword(std::string_view cell)
{
    static constexpr std::string_view kLabels[] = {"m", "f", "pl", "adj", "adv", "v", "prep", "conj"};
    std::string text = collapsed(cell.substr(0, cell.find(';')));
    while (true) {
        const std::size_t space = text.rfind(' ');
        if (space == std::string::npos)
            return text;
        const std::string_view last = std::string_view(text).substr(space + 1);
        if (!last.starts_with('-') && std::find(std::begin(kLabels), std::end(kLabels), last) == std::end(kLabels))
            return text;
        text.resize(space);
    }
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

std::string_view partTitle(HandbookPart part)
{
    return kTitles[static_cast<std::size_t>(part)];
}

TreatmentsRows treatmentsRows()
{
    TreatmentsRows out;
    FillTreatmentsList(out.rows);
    for (const treatments::TreatmentEntry &entry : treatments::treatmentEntries())
        out.lines.push_back(entry.firstLine);
    return out;
}

std::vector<DocumentKindPlace> documentKinds()
{
    std::vector<DocumentKindPlace> kinds;
    for (int catalogue = 0; catalogue < int(std::size(kCatalogues)); ++catalogue) {
        for (const forms::DocListEntry &entry : forms::catalogueRows(kCatalogues[catalogue])) {
            if (entry.level == 1)
                kinds.push_back({catalogue, &entry});
        }
    }
    return kinds;
}

HandbookIndex::HandbookIndex()
{
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        const ReferenceList &list = referenceList(kLists[i]);
        m_parts[i].rows = filledRows(list);
        m_parts[i].search = ListSearch(list, m_parts[i].rows);
    }

    TreatmentsRows treatments = treatmentsRows();
    Part &treatmentsPart = m_parts[index(HandbookPart::Treatments)];
    treatmentsPart.rows = std::move(treatments.rows);
    treatmentsPart.search = ListSearch(treatmentsPart.rows, false);
    m_treatmentLines = std::move(treatments.lines);

    Part &documents = m_parts[index(HandbookPart::Documents)];
    documents.rows = ReportRows(2);
    m_kinds = documentKinds();
    for (const DocumentKindPlace &kind : m_kinds) {
        documents.rows.appendRow(
            {cp1252::fromUtf8(kind.entry->name).text, collapsed(cp1252::fromUtf8(kind.entry->description).text)});
    }
    documents.search = ListSearch(documents.rows, false);

    // The keys: what a person types whole when they mean exactly that row.
    for (HandbookPart part : kHandbookParts) {
        Part &where = m_parts[index(part)];
        where.keys.resize(std::size_t(where.rows.rowCount()));
        for (int row = 0; row < where.rows.rowCount(); ++row) {
            std::vector<std::string> texts;
            if (part == HandbookPart::Vocabulary) {
                texts = {headword(where.rows.cellText(row, 0)), headword(where.rows.cellText(row, 1))};
            } else {
                texts = {collapsed(where.rows.cellText(row, 0))};
                if (part == HandbookPart::Municipalities)
                    texts.push_back(plecta::runningName(where.rows.cellText(row, 0)));
            }
            for (const std::string &text : texts)
                where.keys[std::size_t(row)].push_back({plecta::foldForSearch(text), plecta::foldKeepingMarks(text)});
        }
    }
}

int HandbookIndex::rank(HandbookPart part, int row, const plecta::SearchQuery &query, const std::string &key) const
{
    const Part &where = m_parts[index(part)];
    const int found = where.search.rank(row, query);
    if (found < 0)
        return -1;
    for (const Key &rowKey : where.keys[std::size_t(row)]) {
        if ((query.marked.empty() ? rowKey.plain : rowKey.marked) == key)
            return ExactKey;
    }
    return found + 1;
}

std::vector<HandbookHit> HandbookIndex::search(const plecta::SearchQuery &query, std::span<const HandbookPart> parts,
                                               bool bestFirst) const
{
    std::vector<std::vector<HandbookHit>> groups;
    if (query.empty())
        return {};
    // A query with marks is compared with a key's marks ("c/" is the abbreviation "c/", not "c."); one
    // without, by its words alone ("sr" is "Sr.").
    const std::string key = query.marked.empty() ? plecta::foldForSearch(query.whole) : query.whole;
    for (HandbookPart part : kHandbookParts) {
        if (std::find(parts.begin(), parts.end(), part) == parts.end())
            continue;
        const Part &where = m_parts[index(part)];
        std::vector<HandbookHit> hits;
        for (int row = 0; row < where.rows.rowCount(); ++row) {
            const int found = rank(part, row, query, key);
            if (found >= 0)
                hits.push_back({part, row, found});
        }
        if (hits.empty())
            continue;
        if (bestFirst) {
            const auto length = [&where](const HandbookHit &hit) { return where.search.text(hit.row).size(); };
            std::stable_sort(hits.begin(), hits.end(), [&length](const HandbookHit &a, const HandbookHit &b) {
                return a.rank != b.rank ? a.rank < b.rank : length(a) < length(b);
            });
        }
        groups.push_back(std::move(hits));
    }
    if (bestFirst) {
        std::stable_sort(groups.begin(), groups.end(),
                         [](const auto &a, const auto &b) { return a.front().rank < b.front().rank; });
    }
    std::vector<HandbookHit> hits;
    for (const std::vector<HandbookHit> &group : groups)
        hits.insert(hits.end(), group.begin(), group.end());
    return hits;
}

std::vector<HandbookHit> HandbookIndex::search(const std::vector<std::string> &words,
                                               std::span<const HandbookPart> parts, bool bestFirst) const
{
    plecta::SearchQuery query;
    query.words = words;
    for (const std::string &word : words)
        query.whole += (query.whole.empty() ? "" : " ") + word;
    return search(query, parts, bestFirst);
}

} // namespace reflist
