// Speed of the reference lists' core: filling rows from the tables, one heading sort, a search
// that runs to the last row, and the numeral writer.
#include "reference/ListSort.h"
#include "reference/Numerals.h"
#include "reference/ReferenceLists.h"

#include <benchmark/benchmark.h>

namespace {

using namespace reflist;

ReportRows vocabularyRows()
{
    ReportRows rows(2);
    rows.reserve(kVocabularyReserve);
    FillVocabularyList(rows, VocabularyDirection::CastellaCatala);
    return rows;
}

ReportRows municipalityRows()
{
    ReportRows rows(4);
    rows.reserve(kMunicipalitiesReserve);
    FillMunicipalitiesList(rows);
    return rows;
}

void BM_FillVocabulary(benchmark::State &state)
{
    for (auto _ : state) {
        ReportRows rows = vocabularyRows();
        benchmark::DoNotOptimize(rows.rowCount());
    }
}
BENCHMARK(BM_FillVocabulary)->Unit(benchmark::kMicrosecond);

void BM_FillMunicipalities(benchmark::State &state)
{
    for (auto _ : state) {
        ReportRows rows = municipalityRows();
        benchmark::DoNotOptimize(rows.rowCount());
    }
}
BENCHMARK(BM_FillMunicipalities)->Unit(benchmark::kMicrosecond);

// One heading click on a list in table order; column given by the benchmark's argument.
template <ReportRows (*Rows)()>
void BM_HeadingSort(benchmark::State &state)
{
    const ReportRows unsorted = Rows();
    const int column = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        ReportRows rows = unsorted;
        HeaderSort sort;
        state.ResumeTiming();
        benchmark::DoNotOptimize(OnHeaderClick(rows, sort, column, MouseButton::Left));
    }
}
BENCHMARK(BM_HeadingSort<vocabularyRows>)->Name("BM_HeadingSortVocabulary")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeadingSort<municipalityRows>)->Name("BM_HeadingSortMunicipalities")->Arg(0)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// The second click on a heading reverses a list already sorted by it.
void BM_ReverseSortedVocabulary(benchmark::State &state)
{
    ReportRows sorted = vocabularyRows();
    HeaderSort first;
    OnHeaderClick(sorted, first, 0, MouseButton::Left);
    for (auto _ : state) {
        state.PauseTiming();
        ReportRows rows = sorted;
        HeaderSort sort = first;
        state.ResumeTiming();
        benchmark::DoNotOptimize(OnHeaderClick(rows, sort, 0, MouseButton::Left));
    }
}
BENCHMARK(BM_ReverseSortedVocabulary)->Unit(benchmark::kMicrosecond);

// A search from the top whose only match is the last row: every row is looked at.
void BM_SearchToLastRow(benchmark::State &state)
{
    const ReportRows rows = vocabularyRows();
    const int last = rows.rowCount() - 1;
    const std::string text(rows.cellText(last, 0));
    if (FindInList(rows, -1, text) != last) {
        state.SkipWithError("the last row's text also begins an earlier row");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(FindInList(rows, -1, text));
}
BENCHMARK(BM_SearchToLastRow)->Unit(benchmark::kMicrosecond);

void BM_SearchWholeListNoMatch(benchmark::State &state)
{
    const ReportRows rows = vocabularyRows();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindInList(rows, -1, "\xFF\xFF"));
}
BENCHMARK(BM_SearchWholeListNoMatch)->Unit(benchmark::kMicrosecond);

// Both genders of numbers sampled across 0 to 99,999,999 (a stride prime to 10).
void BM_WriteNumeral(benchmark::State &state)
{
    unsigned n = 0;
    for (auto _ : state) {
        n = (n + 7'919'993u) % (numerals::kLargest + 1);
        benchmark::DoNotOptimize(numerals::WriteNumeral(n, NumeralGender::Feminine));
        benchmark::DoNotOptimize(numerals::WriteNumeral(n, NumeralGender::Masculine));
    }
}
BENCHMARK(BM_WriteNumeral);

} // namespace
