// Speed of find as you type: the vocabulary filtered at every keystroke of a six-letter query,
// and one search over the whole handbook. A screen refresh is 16.7 ms; the goals are 2 ms a
// keystroke and 5 ms a whole search.
#include "reference/HandbookSearch.h"
#include "reference/ListSearch.h"
#include "reference/ReferenceLists.h"
#include "text/Fold.h"

#include <benchmark/benchmark.h>

namespace {

using namespace reflist;

// Each keystroke of "credit" folds the query so far and tests every row of the vocabulary, as
// the list window's filter does.
void BM_FilterVocabularyPerKeystroke(benchmark::State &state)
{
    const ReportRows rows = filledRows(referenceList(ListId::Vocabulary));
    const ListSearch search(referenceList(ListId::Vocabulary), rows);
    const std::string query = "credit";
    std::size_t typed = 1;
    for (auto _ : state) {
        const std::vector<std::string> words = plecta::foldedWords(std::string_view(query).substr(0, typed));
        int shown = 0;
        for (int row = 0; row < rows.rowCount(); ++row)
            shown += search.matches(rows.origin(row), words);
        benchmark::DoNotOptimize(shown);
        typed = typed % query.size() + 1;
    }
}
BENCHMARK(BM_FilterVocabularyPerKeystroke)->Unit(benchmark::kMicrosecond);

// Folding a list once, as a list window does when it is filled.
void BM_IndexVocabulary(benchmark::State &state)
{
    const ReportRows rows = filledRows(referenceList(ListId::Vocabulary));
    for (auto _ : state) {
        const ListSearch search(referenceList(ListId::Vocabulary), rows);
        benchmark::DoNotOptimize(search.size());
    }
}
BENCHMARK(BM_IndexVocabulary)->Unit(benchmark::kMicrosecond);

// One search of every part, best first, as the handbook search window runs it.
void BM_SearchWholeHandbook(benchmark::State &state)
{
    const HandbookIndex index;
    const plecta::SearchQuery query = plecta::parseQuery("sol.licitud");
    for (auto _ : state) {
        const std::vector<HandbookHit> hits = index.search(query, kHandbookParts, true);
        benchmark::DoNotOptimize(hits.size());
    }
}
BENCHMARK(BM_SearchWholeHandbook)->Unit(benchmark::kMicrosecond);

// A short query that matches many rows: every hit ranked and sorted.
void BM_SearchWholeHandbookBroad(benchmark::State &state)
{
    const HandbookIndex index;
    const plecta::SearchQuery query = plecta::parseQuery("a");
    for (auto _ : state) {
        const std::vector<HandbookHit> hits = index.search(query, kHandbookParts, true);
        benchmark::DoNotOptimize(hits.size());
    }
}
BENCHMARK(BM_SearchWholeHandbookBroad)->Unit(benchmark::kMicrosecond);

void BM_BuildHandbookIndex(benchmark::State &state)
{
    for (auto _ : state) {
        const HandbookIndex index;
        benchmark::DoNotOptimize(index.rows(HandbookPart::Vocabulary).rowCount());
    }
}
BENCHMARK(BM_BuildHandbookIndex)->Unit(benchmark::kMillisecond);

} // namespace
