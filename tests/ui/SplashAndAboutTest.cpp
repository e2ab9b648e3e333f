// The splash, the about box and the dialog skin: what they show and how they close.

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
        AboutDialog about;
        about.setOpener(opener);
        about.show();
        about.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        LinkLabel *link = about.links()[0];
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
    AboutDialog fresh;
    EXPECT_FALSE(fresh.links()[0]->visited());

    succeed = true;
    LinkLabel own(u"https://www.softcatala.org"_qs);
    own.setOpener(opener);
    emit own.linkActivated(QString());
    EXPECT_EQ(opened.last(), u"https://www.softcatala.org"_qs) << "an empty target opens the link's own text";
}

TEST(DialogSkin, EditBoxesKeepTheOrdinaryColoursOnTheCreamDialog)
{
    DialogSkin dialog;
    auto *edit = new QLineEdit(&dialog);
    auto *label = new QLabel(u"Nom"_qs, &dialog);
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(255, 255, 242));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 255, 242));
    EXPECT_EQ(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

} // namespace
