// The text checker: a 2,000-character box checked again after each keystroke, and the longest
// document the forms give checked whole by a checker that has seen none of its words.

#include "check/TextChecker.h"
#include "cli/DocumentFill.h"
#include "cli/Kinds.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using namespace std::chrono;

constexpr year_month_day kDate{year{2024}, March, day{15}};

std::unique_ptr<check::SpellDictionary> dictionary()
{
    auto loaded = check::SpellDictionary::load();
    if (!loaded)
        throw std::runtime_error("no Catalan dictionary installed");
    return loaded;
}

// The text of the longest document, as its form first shows.
std::string longestDocument()
{
    std::string longest;
    for (const cli::Kind &kind : cli::allKinds()) {
        if (!kind.form)
            continue;
        std::string text = cli::DocumentFill(kind, kDate).text();
        if (text.size() > longest.size())
            longest = std::move(text);
    }
    return longest;
}

// Two thousand characters of the handbook's own letters, in Windows-1252.
std::string boxText()
{
    const std::string document = longestDocument();
    std::string text;
    while (text.size() < 2000)
        text += document;
    return text.substr(0, 2000);
}

// A word never typed before: the checker has not seen it, so each keystroke asks the dictionary.
std::string newWord(std::size_t n)
{
    std::string word = "p";
    for (; n; n /= 26)
        word += static_cast<char>('a' + n % 26);
    return word;
}

void BM_RecheckBoxAfterKeystroke(benchmark::State &state)
{
    const check::TextChecker checker(dictionary());
    const std::string box = boxText();
    benchmark::DoNotOptimize(checker.check(box));
    std::size_t keystrokes = 0;
    for (auto _ : state) {
        const std::string typed = box + ' ' + newWord(++keystrokes);
        benchmark::DoNotOptimize(checker.check(typed));
    }
    state.counters["characters"] = static_cast<double>(box.size());
}
BENCHMARK(BM_RecheckBoxAfterKeystroke)->Unit(benchmark::kMicrosecond);

void BM_CheckLongestDocumentWhole(benchmark::State &state)
{
    const std::string document = longestDocument();
    for (auto _ : state) {
        // Loading and freeing the dictionary are left out: the window loads it once, off the
        // start-up path.
        state.PauseTiming();
        auto checker = std::make_unique<check::TextChecker>(dictionary());
        state.ResumeTiming();
        benchmark::DoNotOptimize(checker->check(document));
        state.PauseTiming();
        checker.reset();
        state.ResumeTiming();
    }
    state.counters["characters"] = static_cast<double>(document.size());
}
BENCHMARK(BM_CheckLongestDocumentWhole)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
