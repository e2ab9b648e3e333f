// Soak: the program used for a long time in one process. The six functions are opened in turn
// hundreds of times and every document is generated and thrown away a thousand times; resident
// memory must level off after the first round, no Qt warning may be printed, and the figures are
// reported.

#include "SoakSupport.h"

#include "app/FunctionRegistry.h"
#include "app/ui/FunctionsBar.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PlectaApplication.h"
#include "app/ui/Workbook.h"
#include "check/ui/CheckerService.h"
#include "shell/ui/ChildFrame.h"

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

class Soak : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The style keeps what it draws for the lists (stripes, selection) in Qt's pixmap cache,
        // which holds up to 10 MB by default and would count as growth while it fills; a small
        // cache leaves only what the program itself keeps.
        QPixmapCache::setCacheLimit(256);
        // The Catalan dictionary is loaded once, on a thread, when the first form opens; it is
        // loaded here first so that it is not counted as growth between two rounds.
        CheckerService &checker = CheckerService::instance();
        checker.load();
        ASSERT_TRUE(QTest::qWaitFor([&] { return checker.checker() != nullptr; }, 60000));
        frame = PlectaApplication::instance()->createMainWindow();
        frame->resize(1200, 800);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        warningsAtStart = soak::qtWarnings();
    }

    void TearDown() override
    {
        PlectaApplication::instance()->createMainWindow(); // the old frame and its windows go
        settle();
    }

    // What the event loop would do between two user actions: deliver events and delete what
    // was closed.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void clickFunction(int position)
    {
        QListWidget *list = frame->functionsBar()->list();
        const QRect rect = list->visualItemRect(list->item(position));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        settle();
    }

    void report(const char *what, int rounds, long firstKiB, long lastKiB, qint64 ms)
    {
        const double growth = firstKiB ? 100.0 * double(lastKiB - firstKiB) / double(firstKiB) : 0.0;
        std::printf("soak %s: %d rounds in %.1f s; resident after round 1: %ld KiB, after round %d: %ld KiB "
                    "(%+.1f %%); Qt warnings: %d\n",
                    what, rounds, double(ms) / 1000.0, firstKiB, rounds, lastKiB, growth,
                    soak::qtWarnings() - warningsAtStart);
        RecordProperty("rounds", rounds);
        RecordProperty("resident_first_kib", int(firstKiB));
        RecordProperty("resident_last_kib", int(lastKiB));
        RecordProperty("milliseconds", int(ms));
    }

    void expectLevelMemory(long firstKiB, long lastKiB)
    {
        if (soak::kMeasureMemory) {
            EXPECT_LE(double(lastKiB), 1.10 * double(firstKiB)) << "resident memory grew by more than 10 %";
        }
    }

    MainWindow *frame = nullptr;
    int warningsAtStart = 0;
};

TEST_F(Soak, EveryFunctionOpenedInTurn)
{
    QElapsedTimer clock;
    clock.start();
    long first = 0;
    for (int round = 1; round <= soak::kFunctionRounds; ++round) {
        for (int position = 0; position < int(kFunctionCount); ++position) {
            clickFunction(position);
            ASSERT_FALSE(frame->workbook()->frames().isEmpty()) << "round " << round << ", function " << position;
        }
        // Every round opens them afresh: the functions kept from the last round go first.
        frame->closeAllChildren();
        if (round == 1)
            first = soak::residentKiB();
    }
    const long last = soak::residentKiB();
    report("functions", soak::kFunctionRounds, first, last, clock.elapsed());
    expectLevelMemory(first, last);
    EXPECT_EQ(soak::qtWarnings(), warningsAtStart);
}

// Every document of both catalogues: each kind selected in the tree in turn, with each model
// choice its form offers (the certificate's radio buttons), and the "Document" tab activated,
// which generates the text anew.
class DocumentSoak : public Soak
{
protected:
    // Opens a catalogue and finds its tree; false (with a failure) when there is none.
    bool openCatalogue(int function)
    {
        clickFunction(function);
        frames = frame->workbook()->frames();
        if (frames.size() != 2) {
            ADD_FAILURE() << "function " << function << " opened " << frames.size() << " windows";
            return false;
        }
        tree = frames.at(0)->findChild<QTreeView *>();
        if (!tree || !tree->model()) {
            ADD_FAILURE() << "function " << function << " shows no catalogue tree";
            return false;
        }
        return true;
    }

    // The generated documents of the open catalogue, by kind (and model choice).
    std::map<std::string, std::string> generateAll()
    {
        std::map<std::string, std::string> documents;
        QAbstractItemModel *model = tree->model();
        for (int group = 0; group < model->rowCount(); ++group) {
            const QModelIndex heading = model->index(group, 0);
            for (int row = 0; row < model->rowCount(heading); ++row) {
                const QModelIndex kind = model->index(row, 0, heading);
                tree->setCurrentIndex(kind);
                settle();
                const std::string name = kind.data().toString().toStdString();
                // The form's model choices, if it has any; a form without them generates once.
                QList<QRadioButton *> choices;
                for (QRadioButton *radio : frames.at(0)->findChildren<QRadioButton *>()) {
                    if (radio->isVisibleTo(frames.at(0)))
                        choices.append(radio);
                }
                if (choices.isEmpty()) {
                    documents[name] = generate();
                    continue;
                }
                for (QRadioButton *choice : choices) {
                    choice->click();
                    settle();
                    documents[name + " / " + choice->text().toStdString()] = generate();
                }
                choices.first()->click();
            }
        }
        return documents;
    }

    // Turning to "Document" generates the text; turning back leaves it to be thrown away.
    std::string generate()
    {
        frame->workbook()->activateFrame(frames.at(1));
        settle();
        auto *text = qobject_cast<QPlainTextEdit *>(frame->activeView());
        std::string document = text ? text->toPlainText().toStdString() : std::string();
        frame->workbook()->activateFrame(frames.at(0));
        settle();
        return document;
    }

    void soakCatalogue(int function, const char *what, std::size_t documents)
    {
        ASSERT_TRUE(openCatalogue(function));
        QElapsedTimer clock;
        clock.start();
        std::map<std::string, std::string> firstRound;
        long first = 0;
        for (int round = 1; round <= soak::kDocumentRounds; ++round) {
            const auto generated = generateAll();
            if (round == 1) {
                ASSERT_EQ(generated.size(), documents);
                for (const auto &[kind, text] : generated)
                    EXPECT_FALSE(text.empty()) << kind;
                firstRound = generated;
                first = soak::residentKiB();
            } else {
                // The same untouched forms give the same documents every time.
                ASSERT_TRUE(generated == firstRound) << "round " << round;
            }
        }
        const long last = soak::residentKiB();
        report(what, soak::kDocumentRounds, first, last, clock.elapsed());
        expectLevelMemory(first, last);
        EXPECT_EQ(soak::qtWarnings(), warningsAtStart);
    }

    QList<ChildFrame *> frames;
    QTreeView *tree = nullptr;
};

// Eleven commercial kinds, the certificate with its two models.
TEST_F(DocumentSoak, EveryCommercialDocumentGeneratedAndDiscarded)
{
    soakCatalogue(0, "commercial documents", 13);
}

TEST_F(DocumentSoak, EveryAdministrationDocumentGeneratedAndDiscarded)
{
    soakCatalogue(1, "administration documents", 17);
}

} // namespace
