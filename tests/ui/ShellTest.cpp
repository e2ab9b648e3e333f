// The shell as a user meets it: menus, keys, the Functions bar, the opening of functions, tabs.

#include "MainWindowFixture.h"
#include "QtPrinters.h"
#include "app/FunctionRegistry.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/FunctionsBar.h"
#include "app/ui/LinkLabel.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PlectaApplication.h"
#include "app/ui/SplashScreen.h"
#include "app/ui/Workbook.h"
#include "forms/DocumentCatalogue.h"
#include "forms/FormDescription.h"
#include "forms/SavedForm.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/DialogSkin.h"
#include "shell/ui/Dialogs.h"

#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
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
        for (QAction *menu : frame->menuBar()->actions()) {
            if (menu->isVisible())
                titles << menu->text();
        }
        return titles;
    }

    // A menu's shown items as the menu draws them: text, a tab and the key; separators empty.
    static QStringList visibleItems(const QMenu *menu)
    {
        QStringList items;
        for (QAction *action : menu->actions()) {
            if (!action->isVisible())
                continue;
            const QString keys = action->shortcut().toString(QKeySequence::PortableText);
            items << (action->isSeparator() ? QString()
                      : keys.isEmpty()      ? action->text()
                                            : action->text() + u'\t' + keys);
        }
        return items;
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

TEST_F(Shell, MenuBarCarriesEveryItemWithOrWithoutWindows)
{
    const MainActions &actions = frame->mainActions();
    EXPECT_EQ(actions.exit->text(), u"&Surt"_qs);
    EXPECT_EQ(actions.about->text(), u"&Quant a Plecta"_qs);

    frame->openStartWindow();
    EXPECT_TRUE(showsWindowMenus(frame));
    EXPECT_EQ(menuTitles(), (QStringList{u"&Fitxer"_qs, u"&Editar"_qs, u"F&uncions"_qs, u"&Ajuda"_qs}));
    // Each item with the key its menu shows beside it.
    EXPECT_EQ(visibleItems(actions.fileMenu),
              (QStringList{u"&Obre un formulari...\tCtrl+O"_qs, u"&Desa el formulari...\tCtrl+Alt+S"_qs, QString(),
                           u"&Anomena i desa\tCtrl+S"_qs, u"&Imprimeix\tCtrl+P"_qs, u"&Previsualitza la impressió"_qs,
                           u"&Surt"_qs}));
    EXPECT_EQ(visibleItems(actions.editMenu),
              (QStringList{u"&Desfés\tCtrl+Z"_qs, QString(), u"&Retalla\tCtrl+X"_qs, u"&Copia\tCtrl+C"_qs,
                           u"&Enganxa\tCtrl+V"_qs, QString(), u"C&ercar\tF3"_qs, u"Re&visa el text\tF7"_qs}));
    EXPECT_EQ(
        visibleItems(actions.functionsMenu),
        (QStringList{u"Textos de l'&empresa"_qs, u"&Administració pública"_qs, u"&Vocabulari"_qs, u"A&breviatures"_qs,
                     u"&Tractaments protocol·laris"_qs, u"&Índex de municipis i comarques"_qs, u"&Numerals"_qs}));
    // The old alternative keys reach the same actions.
    const std::pair<QString, QAction *> keys[] = {
        {u"Ctrl+Ins"_qs, actions.copy},         {u"Shift+Del"_qs, actions.cut},    {u"Shift+Ins"_qs, actions.paste},
        {u"Alt+Backspace"_qs, actions.undo},    {u"Ctrl+F"_qs, actions.find},      {u"F6"_qs, actions.nextPane},
        {u"Shift+F6"_qs, actions.previousPane}, {u"Ctrl+N"_qs, actions.newWindow}, {u"Ctrl+O"_qs, actions.openForm},
    };
    for (const auto &[sequence, action] : keys)
        EXPECT_EQ(keyAction(frame, sequence), action) << sequence.toStdString();

    // Without a window the menus stay as they were, their items greyed where they need one.
    frame->closeAllChildren();
    EXPECT_TRUE(showsWindowMenus(frame));
    EXPECT_EQ(menuTitles(), (QStringList{u"&Fitxer"_qs, u"&Editar"_qs, u"F&uncions"_qs, u"&Ajuda"_qs}));
    EXPECT_EQ(visibleItems(actions.fileMenu).size(), 7);
    EXPECT_FALSE(enabledNow(frame, actions.saveAs));
}

TEST_F(Shell, CommandsNobodyAnswersAreGreyedAndTheirKeysDoNothing)
{
    frame->openStartWindow();
    const MainActions &actions = frame->mainActions();
    // The start window has no text field: the edit commands have nothing to act on.
    for (QAction *action : {actions.find, actions.print, actions.printPreview, actions.paste, actions.undo,
                            actions.copy, actions.cut, actions.nextPane})
        EXPECT_FALSE(enabledNow(frame, action)) << action->objectName().toStdString();
    for (QAction *action : {actions.exit, actions.about, actions.functions[2], actions.newWindow})
        EXPECT_TRUE(enabledNow(frame, action)) << action->objectName().toStdString();
    EXPECT_TRUE(enabledNow(frame, actions.saveAs)) << "the start window's document saves as an empty file";
    const QList<QAction *> before = frame->findChildren<QAction *>();
    for (const char *keys : {"Ctrl+F", "F3", "Ctrl+P", "F6", "Ctrl+Ins", "Shift+Del", "Shift+Ins", "Alt+Backspace"})
        QTest::keySequence(frame, QKeySequence(QString::fromLatin1(keys)));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a greyed command's key opened something";
    EXPECT_EQ(frame->workbook()->frames().size(), 1);
}

// Without a window manager that maximises it, the window still opens at a usable size.
TEST(MainWindowSize, NotMaximisedItTakesTwoThirdsOfTheScreen)
{
    const MainWindow window;
    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    EXPECT_EQ(window.size(), screen * 2 / 3);
    EXPECT_GT(window.width(), 400);
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
        {2, {u"Castellà - Català"_qs, u"Català - Castellà"_qs}, true},
        {3, {u"Abreviatures"_qs, u"Símbols i sigles"_qs}, true},
        {4, {QString()}, false},
        {5, {u"Municipis"_qs, u"Comarques"_qs}, true},
        {6, {QString()}, false},
    };
    frame->openStartWindow();
    for (bool byMenu : {true, false}) {
        for (const Expected &function : expected) {
            if (byMenu)
                frame->mainActions().functions[std::size_t(function.position)]->trigger();
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

TEST_F(Shell, ReopeningAFunctionKeepsItsWindowsAndTheStartWindowNeverComesBack)
{
    frame->openStartWindow();
    frame->openFunction(2);
    QList<QPointer<ChildFrame>> first;
    for (ChildFrame *child : frame->workbook()->frames())
        first << child;
    frame->activateTab(1);
    frame->openFunction(2);
    frame->openFunction(3);
    frame->openFunction(2);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(frame->workbook()->frames().size(), first.size());
    for (int i = 0; i < first.size(); ++i)
        EXPECT_EQ(frame->workbook()->frames().at(i), first.at(i).data());
    EXPECT_EQ(frame->activeFrame(), first.at(1).data()) << "the tab that was in front";
    for (ChildFrame *child : frame->workbook()->frames())
        EXPECT_NE(child->objectName(), u"CChildFrame"_qs);

    frame->openFunction(4);
    EXPECT_FALSE(frame->workbook()->isTabStripVisible());
    EXPECT_EQ(frame->workbook()->frames().size(), 1);
    frame->openFunction(3);
    EXPECT_TRUE(frame->workbook()->isTabStripVisible());
    frame->openFunction(7); // no such position
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

TEST_F(Shell, TabsAre130PixelsOrAsWideAsTheirLabelWithinTheirShare)
{
    frame->openFunction(2);
    WorkbookTabBar *tabs = frame->workbook()->tabBar();
    frame->workbook()->resize(1000, 500);
    EXPECT_EQ(tabs->tabWidth(), 130);
    EXPECT_EQ(tabs->tabRect(0).width(), 130);
    frame->workbook()->resize(250, 500);
    EXPECT_EQ(tabs->tabWidth(), (250 + 5) / 2);
    EXPECT_EQ(tabs->tabRect(1).width(), 127);
}

TEST_F(Shell, ClosingTheLastChildKeepsTheWindowMenus)
{
    frame->openFunction(5);
    EXPECT_TRUE(showsWindowMenus(frame));
    WorkbookTabBar *tabs = frame->workbook()->tabBar();
    // The municipalities' frames have caption buttons: their tabs can close them.
    ASSERT_NE(tabs->tabButton(0, QTabBar::RightSide), nullptr);
    QTest::mouseClick(tabs->tabButton(1, QTabBar::RightSide), Qt::LeftButton);
    QTest::mouseClick(tabs->tabButton(0, QTabBar::RightSide), Qt::LeftButton);
    EXPECT_TRUE(frame->workbook()->frames().isEmpty());
    EXPECT_TRUE(showsWindowMenus(frame));
}

TEST_F(Shell, FunctionsBarDocksOnlyLeftOrRightAndSwitchesIconSize)
{
    FunctionsBar *bar = frame->functionsBar();
    EXPECT_EQ(bar->windowTitle(), u"Barra de funcions"_qs);
    EXPECT_EQ(frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    EXPECT_TRUE(bar->isAreaAllowed(Qt::RightDockWidgetArea));
    EXPECT_FALSE(bar->isAreaAllowed(Qt::TopDockWidgetArea));
    EXPECT_FALSE(bar->isAreaAllowed(Qt::BottomDockWidgetArea));
    EXPECT_NEAR(bar->width(), MainWindow::kFunctionsBarWidth, 4);
    EXPECT_EQ(bar->groupButton()->text(), u"Funcions"_qs);
    ASSERT_EQ(bar->list()->count(), 7);
    EXPECT_EQ(bar->list()->item(4)->text(), u"Tractaments protocol·laris"_qs);
    EXPECT_EQ(bar->list()->palette().color(QPalette::Base), QColor(255, 255, 242));
    EXPECT_EQ(bar->list()->iconSize(), QSize(32, 32));
    bar->setLargeIcons(false);
    EXPECT_EQ(bar->list()->iconSize(), QSize(16, 16));
}

TEST_F(Shell, StatusBarShowsPreparatAndTheMenuPrompts)
{
    EXPECT_EQ(frame->messagePane()->text(), u"Preparat"_qs);
    frame->mainActions().exit->showStatusText(frame);
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

} // namespace

namespace {

TEST_F(Shell, CommandLineOpensASavedFormInItsCatalogue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"carta.plecta"_qs);
    // The first kind of the administration's catalogue, as another program could write it.
    const auto rows = forms::catalogueRows(forms::g_apDocList);
    const forms::DocListEntry &kind = *std::find_if(rows.begin(), rows.end(), [](const forms::DocListEntry &row) {
        return row.level == 1 && forms::formByLayoutId(row.formId);
    });
    forms::SavedForm saved;
    saved.kindName = kind.name;
    saved.kindNumber = kind.formId;
    ASSERT_NO_FATAL_FAILURE(writeFile(path, QByteArray::fromStdString(forms::writeSavedForm(saved))));
    PlectaApplication *app = PlectaApplication::instance();
    ASSERT_TRUE(app->openFromCommandLine({u"plecta"_qs, path})) << dialogs::lastMessage().toStdString();
    auto *catalogue = qobject_cast<CatalogueView *>(frame->activeView());
    ASSERT_TRUE(catalogue);
    ASSERT_TRUE(catalogue->shownForm());
    EXPECT_EQ(catalogue->shownForm()->templateId(), kind.formId);
    EXPECT_EQ(frame->windowTitle(), u"Plecta - carta.plecta[*]"_qs);
    EXPECT_TRUE(frame->workbook()->isTabStripVisible());

    // Not a saved form: said, and nothing opens in its place.
    ASSERT_NO_FATAL_FAILURE(writeFile(path, "contingut"));
    dialogs::setNextAnswer(QMessageBox::Ok);
    EXPECT_FALSE(app->openFromCommandLine({u"plecta"_qs, path}));
    EXPECT_TRUE(dialogs::lastMessage().contains(u"carta.plecta"_qs));
    EXPECT_TRUE(dialogs::lastMessage().contains(u"octet 0"_qs)) << dialogs::lastMessage().toStdString();
    EXPECT_EQ(frame->activeView(), catalogue);

    frame->closeAllChildren();
    dialogs::setNextAnswer(QMessageBox::Ok);
    EXPECT_FALSE(app->openFromCommandLine({u"plecta"_qs, dir.filePath(u"no-hi-és.plecta"_qs)}));
    EXPECT_TRUE(dialogs::lastMessage().contains(u"no-hi-és.plecta"_qs));
    EXPECT_TRUE(frame->workbook()->frames().isEmpty()) << "a file that cannot be opened opens no window";

    ASSERT_TRUE(app->openFromCommandLine({u"plecta"_qs, u"-style"_qs}));
    EXPECT_TRUE(frame->activeFrame()->title().startsWith(u"Plecta"_qs));
}

} // namespace
