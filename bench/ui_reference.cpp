// Speed of the reference windows: filling each list view, and the whole opening of the
// "Vocabulari" function (three windows, 3948 rows) through the main window.
#include "app/ui/MainWindow.h"
#include "reference/ui/NumeralsView.h"
#include "reference/ui/ReferenceListView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The vocabularies fill from the event loop, once the wait notice is on the screen.
void waitForRows(const ReferenceListView *view)
{
    while (view && !view->filled())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Builds the view, runs its initial update and brings it forward, as the opening procedure does,
// until its rows are in.
template <reflist::ListId list> void BM_FillView(benchmark::State &state)
{
    for (auto _ : state) {
        auto view = std::make_unique<ReferenceListView>(list);
        view->initialUpdate();
        view->viewActivated();
        waitForRows(view.get());
        benchmark::DoNotOptimize(view->model()->rowCount());
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillView<reflist::ListId::Vocabulary>)->Name("BM_FillVocabularyView")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillView<reflist::ListId::Abbreviations>)->Name("BM_FillAbbreviationsView")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillView<reflist::ListId::Symbols>)->Name("BM_FillSymbolsView")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillView<reflist::ListId::Municipalities>)
    ->Name("BM_FillMunicipalitiesView")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillView<reflist::ListId::Comarques>)->Name("BM_FillComarquesView")->Unit(benchmark::kMillisecond);

// "Català - Castellà" when first brought forward: the notice and the deferred fill.
void BM_DeferredCatalanFill(benchmark::State &state)
{
    QWidget window;
    window.resize(800, 600);
    window.show();
    for (auto _ : state) {
        state.PauseTiming();
        auto *view = new ReferenceListView(reflist::ListId::VocabularyCatalan, &window);
        view->initialUpdate();
        state.ResumeTiming();
        view->viewActivated();
        waitForRows(view);
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
    MainWindow frame;
    frame.resize(1280, 800);
    frame.show();
    QApplication::processEvents();
    for (auto _ : state) {
        frame.openFunction(2);
        waitForRows(qobject_cast<ReferenceListView *>(frame.activeView()));
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
