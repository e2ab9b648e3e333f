// Speed of find as you type in a list window: each keystroke of a six-letter query typed into the
// vocabulary's filter field, the list narrowed and repainted; and a whole-handbook search
// through its window.
#include "reference/ui/HandbookSearchDialog.h"
#include "reference/ui/ReferenceListView.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>

namespace {

void BM_FilterVocabularyViewPerKeystroke(benchmark::State &state)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *view = new ReferenceListView(reflist::ListId::Vocabulary, &window);
    layout->addWidget(view);
    view->initialUpdate();
    window.resize(900, 700);
    window.show();
    QApplication::processEvents();
    const QString query = QStringLiteral("credit");
    qsizetype typed = 0;
    for (auto _ : state) {
        typed = typed % query.size() + 1;
        view->filterField()->setText(query.left(typed));
        view->viewport()->repaint();
        benchmark::DoNotOptimize(view->model()->rowCount());
    }
}
BENCHMARK(BM_FilterVocabularyViewPerKeystroke)->Unit(benchmark::kMicrosecond);

void BM_HandbookSearchWindow(benchmark::State &state)
{
    HandbookSearchDialog dialog;
    dialog.show();
    QApplication::processEvents();
    bool flip = false;
    for (auto _ : state) {
        // Two queries in turn, so that every iteration searches and repaints.
        dialog.queryField()->setText((flip = !flip) ? QStringLiteral("sol.licitud") : QStringLiteral("credit"));
        dialog.resultsView()->viewport()->repaint();
        benchmark::DoNotOptimize(dialog.results()->rowCount());
    }
}
BENCHMARK(BM_HandbookSearchWindow)->Unit(benchmark::kMicrosecond);

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
