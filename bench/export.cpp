// Documents leaving as PDF/A: the longest document the forms give, and a 1,000-row merge written
// one PDF per row through the merge's own path (fill, format, staged write).

#include "cli/DocumentFill.h"
#include "cli/Formats.h"
#include "cli/GuiApplication.h"
#include "cli/Kinds.h"
#include "cli/Output.h"
#include "cli/StagedFiles.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

using namespace std::chrono;

constexpr year_month_day kDate{year{2024}, March, day{15}};

// The kind whose form, as it first shows, gives the longest document.
const cli::Kind &longestKind()
{
    static const cli::Kind longest = [] {
        cli::Kind best;
        std::size_t bestSize = 0;
        for (const cli::Kind &kind : cli::allKinds()) {
            if (!kind.form)
                continue;
            const std::size_t size = cli::DocumentFill(kind, kDate).text().size();
            if (size > bestSize) {
                best = kind;
                bestSize = size;
            }
        }
        return best;
    }();
    return longest;
}

// The first plain text box of the form, where each merge row puts its own text.
int firstTextBox(const cli::Kind &kind)
{
    for (const forms::Item &item : kind.form->items) {
        if (item.kind == forms::ItemKind::Edit)
            return item.id;
    }
    throw std::runtime_error("the form has no text box");
}

std::string pdf(std::span<const std::string> documents, std::string_view title)
{
    auto bytes = cli::formatDocuments(cli::Format::Pdf, documents, title, cli::Encoding::Cp1252);
    if (!bytes || bytes->empty())
        throw std::runtime_error("no PDF");
    return std::move(*bytes);
}

void BM_PdfOfTheLongestDocument(benchmark::State &state)
{
    const cli::Kind &kind = longestKind();
    const std::string text = cli::DocumentFill(kind, kDate).text();
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = pdf(std::span(&text, 1), kind.entry->name);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(std::string(kind.entry->name));
    state.counters["document_bytes"] = double(text.size());
    state.counters["pdf_bytes"] = double(size);
}
BENCHMARK(BM_PdfOfTheLongestDocument)->Unit(benchmark::kMillisecond);

void BM_MergeThousandRowsToPdf(benchmark::State &state)
{
    constexpr int kRows = 1000;
    const cli::Kind &kind = longestKind();
    const std::string id = std::to_string(firstTextBox(kind));
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("plecta-bench-export-" + std::to_string(getpid()));
    for (auto _ : state) {
        std::filesystem::remove_all(folder);
        cli::StagedFiles files(false);
        if (files.createFolder(folder))
            throw std::runtime_error("cannot create " + folder.string());
        for (int row = 1; row <= kRows; ++row) {
            cli::DocumentFill fill(kind, kDate);
            if (fill.setCell(id, "Fila " + std::to_string(row), "bench"))
                throw std::runtime_error("the row was refused");
            const std::string text = fill.text();
            char name[16];
            std::snprintf(name, sizeof name, "%04d.pdf", row);
            files.add(folder / name, pdf(std::span(&text, 1), kind.entry->name));
        }
        if (files.commit())
            throw std::runtime_error("the files were not written");
    }
    std::filesystem::remove_all(folder);
    state.counters["files_per_second"] =
        benchmark::Counter(double(kRows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MergeThousandRowsToPdf)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    // The PDF needs Qt's application object, made on demand; it goes before the program ends.
    cli::GuiApplicationScope gui;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
