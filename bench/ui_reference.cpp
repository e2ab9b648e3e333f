// Speed of the reference windows: filling each list view, and the whole opening of the
// "Vocabulari" function (three windows, 3948 rows) through the main window.
#include "app/ui/CMainFrame.h"
#include "reference/ui/CAbrView.h"
#include "reference/ui/CComView.h"
#include "reference/ui/CMuniView.h"
#include "reference/ui/CNumView.h"
#include "reference/ui/CSimView.h"
#include "reference/ui/CVocView.h"
#include "reference/ui/CVocView2.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Builds the view and runs its initial update, as the opening procedure does.
template <class View>
void BM_FillView(benchmark::State &state)
{
    for (auto _ : state) {
        auto view = std::make_unique<View>();
        view->initialUpdate();
        benchmark::DoNotOptimize(view->model()->rowCount());
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillView<CVocView>)->Name("BM_FillVocabularyView")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillView<CAbrView>)->Name("BM_FillAbbreviationsView")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillView<CSimView>)->Name("BM_FillSymbolsView")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillView<CMuniView>)->Name("BM_FillMunicipalitiesView")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillView<CComView>)->Name("BM_FillComarquesView")->Unit(benchmark::kMillisecond);

// "Català - Castellà" when first brought forward: the notice and the deferred fill.
void BM_DeferredCatalanFill(benchmark::State &state)
{
    QWidget window;
    window.resize(800, 600);
    window.show();
    for (auto _ : state) {
        state.PauseTiming();
        auto *view = new CVocView2(&window);
        view->initialUpdate();
        state.ResumeTiming();
        view->viewActivated();
        benchmark::DoNotOptimize(view->model()->rowCount());
        state.PauseTiming();
        delete view;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeferredCatalanFill)->Unit(benchmark::kMillisecond);

// The whole opening of "Vocabulari" from the main window, wait notice included, and the first
// paint of the list that it brings forward.
void BM_OpenVocabularyFunction(benchmark::State &state)
{
    CMainFrame frame;
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    for (auto _ : state) {
        frame.openFunction(2);
        frame.activeView()->repaint();
        state.PauseTiming();
        frame.closeAllChildren();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenVocabularyFunction)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
