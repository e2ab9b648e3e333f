#pragma once
// The main window the window tests start from, made by the application object as the program
// makes it; the same window with the commercial documents function open; and the few helpers
// those tests share (files, modal dialogs).

#include "app/ui/MainActions.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PlectaApplication.h"
#include "app/ui/Workbook.h"
#include "forms/ui/CatalogueView.h"
#include "forms/ui/DocumentView.h"
#include "forms/ui/FormView.h"
#include "reference/ui/ReferenceListView.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QSize>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

// Shown at the given size, active and exposed, with no dialog answers left over from another
// test.
class MainWindowTest : public ::testing::Test
{
protected:
    explicit MainWindowTest(QSize size = {1000, 700}) : m_size(size) {}

    void SetUp() override
    {
        dialogs::clearTestAnswers();
        frame = PlectaApplication::instance()->createMainWindow();
        frame->resize(m_size);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    }
    void TearDown() override { dialogs::clearTestAnswers(); }

    // Opens a function as a click on the Functions bar does, and waits until the list it brings
    // forward has its rows: the vocabularies fill once the wait notice is on the screen.
    bool openFunctionWithRows(int position)
    {
        if (!frame->openFunction(position))
            return false;
        return waitForRows(qobject_cast<ReferenceListView *>(frame->activeView()));
    }
    static bool waitForRows(const ReferenceListView *list)
    {
        return !list || QTest::qWaitFor([list] { return list->filled(); }, 5000);
    }

    MainWindow *frame = nullptr;

private:
    QSize m_size;
};

// "Textos de l'empresa" open: the catalogue with its forms in "Edició", the text in "Document".
class CommercialFunctionTest : public MainWindowTest
{
protected:
    using MainWindowTest::MainWindowTest;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MainWindowTest::SetUp());
        frame->openFunction(0);
        const auto frames = frame->workbook()->frames();
        ASSERT_EQ(frames.size(), 2);
        catalogue = qobject_cast<CatalogueView *>(frames.at(0)->viewWidget());
        document = qobject_cast<DocumentView *>(frames.at(1)->viewWidget());
        ASSERT_TRUE(catalogue);
        ASSERT_TRUE(document);
    }
    void TearDown() override
    {
        // The application owns the main window; closing the function's windows takes the forms
        // with them.
        const QPointer<FormView> shown = catalogue->shownForm();
        frame->closeAllChildren();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(shown.isNull()) << "the closed catalogue left its form behind";
        MainWindowTest::TearDown();
    }

    CatalogueView *catalogue = nullptr;
    DocumentView *document = nullptr;
};

// Whether an action can run now, as its menu item or key would find it: shown and enabled.
inline bool enabledNow(MainWindow *frame, QAction *action)
{
    frame->updateActions();
    return action->isVisible() && action->isEnabled();
}

// Runs an action as its menu item or key would; false when it could not run now.
inline bool runAction(MainWindow *frame, QAction *action)
{
    if (!enabledNow(frame, action))
        return false;
    action->trigger();
    return true;
}

// The window's action that a key sequence ("Ctrl+F") triggers, or nullptr.
inline QAction *keyAction(MainWindow *frame, const QString &keys)
{
    const QKeySequence wanted(keys);
    for (QAction *action : frame->QWidget::actions()) {
        if (action->shortcuts().contains(wanted))
            return action;
    }
    return nullptr;
}

// Whether the menu bar shows the menus of open windows ("Editar", "Funcions").
inline bool showsWindowMenus(MainWindow *frame)
{
    return frame->mainActions().editMenu->menuAction()->isVisible();
}

// Files as the tests prepare them and read back what the program saved.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs `answer` on the next modal dialog once it is up (the dialog blocks the caller until then).
inline void whenModal(std::function<void(QWidget *)> answer)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start();
}

// Waits until no modal dialog is left: one opened without its own event loop is answered, and
// its result taken, from the event loop.
inline bool noModalLeft(int milliseconds = 5000)
{
    return QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, milliseconds);
}
