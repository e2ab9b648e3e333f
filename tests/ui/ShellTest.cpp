// The shell as a user meets it: menus, keys, the Functions bar, the opening of functions, tabs.

#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "app/Commands.h"
#include "app/FunctionRegistry.h"
#include "app/ui/CAboutDlg.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CQueltApp.h"
#include "app/ui/CShortcutListDockBar.h"
#include "app/ui/CStaticLink.h"
#include "app/ui/SplashScreen.h"
#include "app/ui/Workbook.h"
#include "shell/ui/CDialogSkin.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/Dialogs.h"

#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class Shell : public MainWindowTest
{
protected:
    QStringList menuTitles() const
    {
        QStringList titles;
        for (QAction *menu : frame->menuBar()->actions())
            titles << menu->text();
        return titles;
    }

    QStringList tabLabels() const
    {
        QStringList labels;
        for (int i = 0; i < frame->workbook()->tabBar()->count(); ++i)
            labels << frame->workbook()->tabBar()->tabText(i);
        return labels;
    }

    void clickFunction(int position)
    {
        QListWidget *list = frame->functionsBar()->list();
        const QRect rect = list->visualItemRect(list->item(position));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

TEST_F(Shell, MenuBarsCarryEveryItemAndSwapWithTheChildWindows)
{
    EXPECT_EQ(menuTitles(), (QStringList{u"&Fitxer"_qs, u"&Ajuda"_qs}));
    ASSERT_NE(frame->action(cmd::Exit), nullptr);
    EXPECT_EQ(frame->action(cmd::Exit)->text(), u"&Surt"_qs);
    EXPECT_EQ(frame->action(cmd::About)->text(), u"&Quant a Plecta"_qs);
    EXPECT_EQ(frame->action(cmd::SaveAsText), nullptr) << "menu 128 has no save item";

    frame->openStartWindow();
    EXPECT_TRUE(frame->showsMenu129());
    EXPECT_EQ(menuTitles(), (QStringList{u"&Fitxer"_qs, u"&Editar"_qs, u"F&uncions"_qs, u"&Ajuda"_qs}));
    const std::pair<int, QString> items[] = {
        {cmd::SaveAsText, u"&Anomena i desa\tCtrl+S"_qs},
        {cmd::Print, u"&Imprimeix\tCtrl+P"_qs},
        {cmd::PrintPreview, u"&Previsualitza la impressió"_qs},
        {cmd::EditUndo, u"&Desfés\tCtrl+Z"_qs},
        {cmd::EditCut, u"&Retalla\tCtrl+X"_qs},
        {cmd::EditCopy, u"&Copia\tCtrl+C"_qs},
        {cmd::EditPaste, u"&Enganxa\tCtrl+V"_qs},
        {cmd::Search, u"C&ercar\tF3"_qs},
        {cmd::ReviewText, u"Re&visa el text\tF7"_qs},
        {cmd::OpenCommercial, u"Textos comercials"_qs},
        {cmd::OpenAdministration, u"&Administració pública"_qs},
        {cmd::OpenVocabulary, u"&Vocabulari"_qs},
        {cmd::OpenAbbreviations, u"A&breviacions"_qs},
        {cmd::OpenTreatments, u"&Tractaments protocol·laris"_qs},
        {cmd::OpenMunicipalities, u"&Índex de municipis i comarques"_qs},
    };
    for (const auto &[command, text] : items) {
        ASSERT_NE(frame->action(command), nullptr) << command;
        EXPECT_EQ(frame->action(command)->text(), text);
    }
    const QList<QAction *> edit = frame->menuBar()->actions().at(1)->menu()->actions();
    ASSERT_EQ(edit.size(), 8);
    EXPECT_TRUE(edit.at(1)->isSeparator());
    EXPECT_TRUE(edit.at(5)->isSeparator());

    frame->closeAllChildren();
    EXPECT_FALSE(frame->showsMenu129());
    EXPECT_EQ(menuTitles(), (QStringList{u"&Fitxer"_qs, u"&Ajuda"_qs}));
}

TEST_F(Shell, CommandsNobodyAnswersAreGreyedAndTheirKeysDoNothing)
{
    frame->openStartWindow();
    // The start window has no text field: the edit commands have nothing to act on.
    for (int command : {cmd::Search, cmd::SaveAsText, cmd::Print, cmd::PrintPreview, cmd::EditPaste, cmd::EditUndo,
                        cmd::EditCopy, cmd::EditCut})
        EXPECT_FALSE(frame->action(command)->isEnabled()) << command;
    for (int command : {cmd::Exit, cmd::About, cmd::OpenVocabulary})
        EXPECT_TRUE(frame->action(command)->isEnabled()) << command;
    EXPECT_FALSE(frame->keyAction(u"Ctrl+F"_qs)->isEnabled());
    EXPECT_FALSE(frame->keyAction(u"F3"_qs)->isEnabled());
    EXPECT_FALSE(frame->keyAction(u"Ctrl+P"_qs)->isEnabled());
    EXPECT_FALSE(frame->keyAction(u"F6"_qs)->isEnabled());
    EXPECT_FALSE(frame->keyAction(u"Ctrl+Ins"_qs)->isEnabled());
    EXPECT_FALSE(frame->keyAction(u"Shift+Del"_qs)->isEnabled());
    EXPECT_FALSE(frame->keyAction(u"Shift+Ins"_qs)->isEnabled());
    EXPECT_FALSE(frame->keyAction(u"Alt+Backspace"_qs)->isEnabled());
    EXPECT_TRUE(frame->keyAction(u"Ctrl+S"_qs)->isEnabled()) << "the start window answers the framework's save";
}

TEST_F(Shell, EveryFunctionOpensItsWindowsByMenuAndByTheFunctionsBar)
{
    struct Expected
    {
        int position;
        QStringList labels;
        bool tabs;
    };
    const Expected expected[] = {
        {0, {u"Edició"_qs, u"Document"_qs}, true},
        {1, {u"Edició"_qs, u"Document"_qs}, true},
        {2, {u"Castellà - Català"_qs, u"Català - Castellà"_qs, u"Numerals"_qs}, true},
        {3, {u"Abreviatures"_qs, u"Símbols i sigles"_qs}, true},
        {4, {QString()}, false},
        {5, {u"Municipis"_qs, u"Comarques"_qs}, true},
    };
    frame->openStartWindow();
    for (bool byMenu : {true, false}) {
        for (const Expected &function : expected) {
            if (byMenu)
                frame->action(functionAt(function.position)->menuCommand)->trigger();
            else
                clickFunction(function.position);
            SCOPED_TRACE(function.position);
            EXPECT_EQ(tabLabels(), function.labels);
            EXPECT_EQ(frame->workbook()->isTabStripVisible(), function.tabs);
            ASSERT_EQ(frame->workbook()->frames().size(), function.labels.size());
            EXPECT_EQ(frame->activeFrame(), frame->workbook()->frames().first());
            const auto kinds = functionAt(function.position)->windowKinds();
            for (std::size_t i = 0; i < kinds.size(); ++i) {
                EXPECT_EQ(frame->workbook()->frames().at(qsizetype(i))->viewWidget()->objectName().toStdString(),
                          viewName(kinds[i].view));
            }
        }
    }
}

TEST_F(Shell, FunctionsBarOpensAFunctionFromTheKeyboard)
{
    QListWidget *list = frame->functionsBar()->list();
    list->setFocus();
    list->setCurrentRow(5);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(tabLabels(), (QStringList{u"Municipis"_qs, u"Comarques"_qs}));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Enter);
    EXPECT_EQ(frame->workbook()->frames().size(), 1) << "the treatments";
    EXPECT_FALSE(frame->workbook()->isTabStripVisible());
}

TEST_F(Shell, ReopeningAFunctionReplacesItsWindowsAndTheStartWindowNeverComesBack)
{
    frame->openStartWindow();
    frame->openFunction(2);
    QList<QPointer<ChildFrame>> first;
    for (ChildFrame *child : frame->workbook()->frames())
        first << child;
    frame->activateTab(2);
    frame->openFunction(2);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const auto &old : first)
        EXPECT_TRUE(old.isNull());
    EXPECT_EQ(frame->workbook()->frames().size(), 3);
    EXPECT_EQ(frame->activeFrame(), frame->workbook()->frames().first());
    for (ChildFrame *child : frame->workbook()->frames())
        EXPECT_NE(child->objectName(), u"CChildFrame"_qs);

    frame->openFunction(4);
    EXPECT_FALSE(frame->workbook()->isTabStripVisible());
    EXPECT_EQ(frame->workbook()->frames().size(), 1);
    frame->openFunction(3);
    EXPECT_TRUE(frame->workbook()->isTabStripVisible());
    frame->openFunction(6); // no such position
    EXPECT_EQ(frame->workbook()->frames().size(), 2);
}

TEST_F(Shell, WindowsOutsideTheTabSetHaveAnEmptyLabel)
{
    frame->openFunction(5);
    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier); // one more start window
    ASSERT_EQ(frame->workbook()->frames().size(), 3);
    EXPECT_EQ(tabLabels(), (QStringList{u"Municipis"_qs, u"Comarques"_qs, QString()}));
    ChildFrame *treatments = nullptr;
    frame->openFunction(4);
    treatments = frame->workbook()->frames().first();
    EXPECT_EQ(treatments->tabLabel(), QString());
}

TEST_F(Shell, TabsAreAtMost130PixelsAndShareTheClientWidth)
{
    frame->openFunction(2);
    WorkbookTabBar *tabs = frame->workbook()->tabBar();
    frame->workbook()->resize(1000, 500);
    EXPECT_EQ(tabs->tabWidth(), 130);
    EXPECT_EQ(tabs->tabRect(0).width(), 130);
    frame->workbook()->resize(250, 500);
    EXPECT_EQ(tabs->tabWidth(), (250 + 5) / 3);
    EXPECT_EQ(tabs->tabRect(1).width(), 85);
}

TEST_F(Shell, ClosingTheLastChildBringsBackMenu128)
{
    frame->openFunction(5);
    EXPECT_TRUE(frame->showsMenu129());
    WorkbookTabBar *tabs = frame->workbook()->tabBar();
    // The municipalities' frames have caption buttons: their tabs can close them.
    ASSERT_NE(tabs->tabButton(0, QTabBar::RightSide), nullptr);
    QTest::mouseClick(tabs->tabButton(1, QTabBar::RightSide), Qt::LeftButton);
    QTest::mouseClick(tabs->tabButton(0, QTabBar::RightSide), Qt::LeftButton);
    EXPECT_TRUE(frame->workbook()->frames().isEmpty());
    EXPECT_FALSE(frame->showsMenu129());
}

TEST_F(Shell, FunctionsBarDocksOnlyLeftOrRightAndSwitchesIconSize)
{
    CShortcutListDockBar *bar = frame->functionsBar();
    EXPECT_EQ(bar->windowTitle(), u"Barra de funcions"_qs);
    EXPECT_EQ(frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    EXPECT_TRUE(bar->isAreaAllowed(Qt::RightDockWidgetArea));
    EXPECT_FALSE(bar->isAreaAllowed(Qt::TopDockWidgetArea));
    EXPECT_FALSE(bar->isAreaAllowed(Qt::BottomDockWidgetArea));
    EXPECT_NEAR(bar->width(), CMainFrame::kFunctionsBarWidth, 4);
    EXPECT_EQ(bar->groupButton()->text(), u"Funcions"_qs);
    ASSERT_EQ(bar->list()->count(), 6);
    EXPECT_EQ(bar->list()->item(4)->text(), u"Tractaments protocol·laris"_qs);
    EXPECT_EQ(bar->list()->palette().color(QPalette::Base), QColor(255, 255, 242));
    EXPECT_EQ(bar->list()->iconSize(), QSize(32, 32));
    bar->setLargeIcons(false);
    EXPECT_EQ(bar->list()->iconSize(), QSize(16, 16));
}

TEST_F(Shell, StatusBarShowsPreparatAndTheMenuPrompts)
{
    EXPECT_EQ(frame->messagePane()->text(), u"Preparat"_qs);
    frame->action(cmd::Exit)->showStatusText(frame);
    EXPECT_EQ(frame->messagePane()->text(), u"Surt del programa; abans pregunta si es descarta el text escrit"_qs);
    QStatusTipEvent idle{QString()};
    QApplication::sendEvent(frame, &idle);
    EXPECT_EQ(frame->messagePane()->text(), u"Preparat"_qs);
}

TEST_F(Shell, CtrlSInTheStartWindowWritesAnEmptyFile)
{
    frame->openStartWindow();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"buit.txt"_qs);
    ASSERT_NO_FATAL_FAILURE(writeFile(path, "old contents"));
    dialogs::setNextFileName(path);
    QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readFile(path), QByteArray());
}

TEST_F(Shell, StartWindowTitleFollowsTheMainTitle)
{
    frame->openStartWindow();
    EXPECT_TRUE(frame->windowTitle().startsWith(u"Plecta - [Plecta"_qs));
    frame->openFunction(0);
    EXPECT_EQ(frame->windowTitle(), u"Plecta"_qs);
}

TEST(Splash, ClosesOnAClickAndOnItsTimer)
{
    QPointer<SplashScreen> clicked = new SplashScreen(nullptr, 60000);
    clicked->show();
    EXPECT_EQ(clicked->size(), SplashScreen::kSize);
    EXPECT_EQ(clicked->windowTitle(), u"Plecta"_qs);
    QTest::mouseClick(clicked, Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(clicked.isNull());

    QPointer<SplashScreen> timed = new SplashScreen(nullptr, 50);
    timed->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return timed.isNull(); }, 2000));

    QPointer<SplashScreen> keyed = new SplashScreen(nullptr, 60000);
    keyed->show();
    QTest::keyClick(keyed, Qt::Key_Space);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(keyed.isNull());
}

TEST(AboutBox, LinksOpenByClickOrKeyboardAndTurnVisitedOnlyWhenTheDesktopOpensThem)
{
    QStringList opened;
    bool succeed = true;
    const auto opener = [&](const QString &target) {
        opened << target;
        return succeed;
    };
    {
        CAboutDlg about;
        about.setOpener(opener);
        about.show();
        about.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        CStaticLink *link = about.links()[0];
        EXPECT_EQ(link->target(), u"https://optimot.gencat.cat"_qs);
        EXPECT_EQ(link->currentColour(), link->palette().color(QPalette::Link));
        EXPECT_TRUE(link->text().contains(link->palette().color(QPalette::Link).name()));

        // From the keyboard: Tab reaches the link, Enter follows it.
        link->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(link->hasFocus());
        QTest::keyClick(link, Qt::Key_Return);
        ASSERT_EQ(opened, QStringList{u"https://optimot.gencat.cat"_qs});
        EXPECT_TRUE(link->visited());
        EXPECT_EQ(link->currentColour(), link->palette().color(QPalette::LinkVisited));
        EXPECT_TRUE(link->text().contains(link->palette().color(QPalette::LinkVisited).name()));

        succeed = false;
        emit about.links()[1]->linkActivated(about.links()[1]->target());
        EXPECT_EQ(opened.last(), u"https://www.termcat.cat"_qs);
        EXPECT_FALSE(about.links()[1]->visited()) << "a refused link stays unvisited";
    }
    CAboutDlg fresh;
    EXPECT_FALSE(fresh.links()[0]->visited());

    succeed = true;
    CStaticLink own(u"https://www.softcatala.org"_qs);
    own.setOpener(opener);
    emit own.linkActivated(QString());
    EXPECT_EQ(opened.last(), u"https://www.softcatala.org"_qs) << "an empty target opens the link's own text";
}

} // namespace

namespace {

TEST_F(Shell, CommandLineOpensAStartWindowTitledWithTheFileWithoutReadingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"carta.txt"_qs);
    ASSERT_NO_FATAL_FAILURE(writeFile(path, "contingut"));
    CQueltApp *app = CQueltApp::instance();
    ASSERT_TRUE(app->openFromCommandLine({u"plecta"_qs, path}));
    EXPECT_EQ(frame->activeFrame()->title(), u"carta.txt"_qs);
    EXPECT_EQ(frame->windowTitle(), u"Plecta - [carta.txt]"_qs);

    dialogs::setNextAnswer(QMessageBox::Ok);
    EXPECT_FALSE(app->openFromCommandLine({u"plecta"_qs, dir.filePath(u"no-hi-és.txt"_qs)}));
    EXPECT_TRUE(dialogs::lastMessage().contains(u"no-hi-és.txt"_qs));
    EXPECT_EQ(frame->workbook()->frames().size(), 1) << "a file that cannot be opened opens no window";

    ASSERT_TRUE(app->openFromCommandLine({u"plecta"_qs, u"-style"_qs}));
    EXPECT_TRUE(frame->activeFrame()->title().startsWith(u"Plecta"_qs));
}

TEST(DialogSkin, EditBoxesKeepTheOrdinaryColoursOnTheCreamDialog)
{
    CDialogSkin dialog;
    auto *edit = new QLineEdit(&dialog);
    auto *label = new QLabel(u"Nom"_qs, &dialog);
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(255, 255, 242));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 255, 242));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

} // namespace
