// Documents leaving as typeset PDF/A: the longest document the forms give, an order of sixty
// lines, a 1,000-row merge written one PDF per row through the merge's own path (fill, format on
// every core, staged write), and one page of print preview.

#include "cli/DocumentFill.h"
#include "cli/Formats.h"
#include "cli/GuiApplication.h"
#include "cli/Kinds.h"
#include "cli/Output.h"
#include "cli/StagedFiles.h"
#include "export/TypesetDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <algorithm>
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

std::string pdf(std::span<const plecta::MergedDocument> documents, std::string_view title)
{
    auto bytes = cli::formatDocuments(cli::Format::Pdf, documents, title, cli::Encoding::Cp1252);
    if (!bytes || bytes->empty())
        throw std::runtime_error("no PDF");
    return std::move(*bytes);
}

void BM_PdfOfTheLongestDocument(benchmark::State &state)
{
    const cli::Kind &kind = longestKind();
    const plecta::MergedDocument document = cli::DocumentFill(kind, kDate).merged(true);
    const std::string &text = document.text;
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = pdf(std::span(&document, 1), kind.entry->name);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(std::string(kind.entry->name));
    state.counters["document_bytes"] = double(text.size());
    state.counters["pdf_bytes"] = double(size);
}
BENCHMARK(BM_PdfOfTheLongestDocument)->Unit(benchmark::kMillisecond);

// An order of sixty lines whose descriptions take two lines each: four pages, every row kept whole.
plecta::MergedDocument longOrder()
{
    const std::vector<cli::Kind> kinds = cli::allKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(), [](const cli::Kind &k) {
        return k.form && k.form->lineItems && k.form->layoutId == 181;
    });
    cli::DocumentFill fill(*kind, kDate);
    for (int line = 1; line <= 60; ++line) {
        const std::string values = "R-" + std::to_string(line) + "|Article " + std::to_string(line) +
                                   ", amb una descripci\xC3\xB3 prou llarga per ocupar dues l\xC3\xADnies de la "
                                   "cel\xC2\xB7la de la taula|" +
                                   std::to_string(line) + "|1,10";
        if (fill.addLine(values, "bench"))
            throw std::runtime_error("the line was refused");
    }
    return fill.merged(true);
}

void BM_PdfOfASixtyLineOrder(benchmark::State &state)
{
    const plecta::MergedDocument document = longOrder();
    for (auto _ : state)
        benchmark::DoNotOptimize(pdf(std::span(&document, 1), "comanda"));
}
BENCHMARK(BM_PdfOfASixtyLineOrder)->Unit(benchmark::kMillisecond);

// One page of print preview: the longest document laid out and its first page painted at the
// screen's resolution, as the preview window draws it.
void BM_OnePageOfPreview(benchmark::State &state)
{
    const plecta::StructuredDocument structure = cli::DocumentFill(longestKind(), kDate).merged(true).structure;
    QImage page(794, 1123, QImage::Format_ARGB32_Premultiplied); // A4 at 96 dpi
    for (auto _ : state) {
        const auto document = docexport::typesetDocument(structure, &page, QSizeF(643, 900));
        QPainter painter(&page);
        page.fill(Qt::white);
        painter.translate(113, 94);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, 0, 643, 900);
        document->documentLayout()->draw(&painter, context);
    }
}
BENCHMARK(BM_OnePageOfPreview)->Unit(benchmark::kMillisecond);

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
        std::vector<plecta::MergedDocument> documents;
        for (int row = 1; row <= kRows; ++row) {
            cli::DocumentFill fill(kind, kDate);
            if (fill.setCell(id, "Fila " + std::to_string(row), "bench"))
                throw std::runtime_error("the row was refused");
            documents.push_back(fill.merged(true));
        }
        auto bytes = cli::formatEach(cli::Format::Pdf, documents, kind.entry->name, cli::Encoding::Cp1252);
        if (!bytes)
            throw std::runtime_error("no PDF");
        for (int row = 1; row <= kRows; ++row) {
            char name[16];
            std::snprintf(name, sizeof name, "%04d.pdf", row);
            files.add(folder / name, std::move((*bytes)[std::size_t(row - 1)]));
        }
        if (files.commit())
            throw std::runtime_error("the files were not written");
    }
    std::filesystem::remove_all(folder);
    state.counters["files_per_second"] =
        benchmark::Counter(double(kRows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
// The files are composed on every core: the CPU time is the whole process's.
BENCHMARK(BM_MergeThousandRowsToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

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
