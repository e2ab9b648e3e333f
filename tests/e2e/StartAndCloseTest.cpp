// Start-up as the user sees it, and the end of the program when its main window is closed.

#include "E2eTest.h"

#include <algorithm>
#include <set>

namespace e2e {
namespace {

bool has(const std::vector<std::string> &list, const std::string &item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

using StartAndClose = E2eTest;

TEST_F(StartAndClose, SplashGoesAndTheMainWindowOpensMaximisedOnTheStartWindow)
{
    run = std::make_unique<PlectaRun>();
    ASSERT_EQ(run->x().error(), "");
    XSession &x = run->x();

    // The splash comes first and, untouched, goes about 2.5 s later.
    std::optional<WindowId> splash;
    waitUntil([&] { return bool(splash = run->findSplash()); }, 20000ms);
    ASSERT_TRUE(splash) << run->output();
    const auto seen = Clock::now();
    const Rect splashPlace = x.geometry(*splash);
    EXPECT_EQ(splashPlace.width, 260);
    EXPECT_EQ(splashPlace.height, 261);
    EXPECT_NEAR(splashPlace.centreX(), x.screen().centreX(), 2);
    EXPECT_NEAR(splashPlace.centreY(), x.screen().centreY(), 2);
    ASSERT_TRUE(waitUntil([&] { return !run->findSplash(); }, 10000ms)) << "the splash stayed";
    const auto shown = std::chrono::duration_cast<Milliseconds>(Clock::now() - seen);
    EXPECT_GE(shown.count(), 1500) << "the splash went before its time";

    // The main window, maximised, with the start window "Plecta1" active in it.
    main = run->waitForMainWindow();
    ASSERT_TRUE(main);
    layout = run->layout();
    EXPECT_TRUE(waitUntil([&] { return x.name(*main) == "Plecta - [Plecta1]"; }, 5000ms)) << x.name(*main);
    const auto states = x.states(*main);
    EXPECT_TRUE(has(states, "_NET_WM_STATE_MAXIMIZED_VERT") && has(states, "_NET_WM_STATE_MAXIMIZED_HORZ"));
    const Rect area = x.workArea(), client = x.geometry(*main);
    EXPECT_EQ(client.x, area.x);
    EXPECT_EQ(client.width, area.width);
    EXPECT_GE(client.height, area.height - 40) << "only the title bar may take from the height";
    EXPECT_EQ(client.y + client.height, area.y + area.height);

    // The start window is painted: its picture, not an empty grey page.
    const Image start = settledWorkbook();
    std::set<std::uint32_t> colours(start.pixels.begin(), start.pixels.end());
    EXPECT_GT(colours.size(), 50u) << "the start window shows no picture";

    closeAndExpectCleanExit();
}

TEST_F(StartAndClose, ClosingTheMainWindowWithAFunctionOpenAsksNothing)
{
    start();
    const Image startWindow = settledWorkbook();
    ASSERT_TRUE(run->x().click(layout.functionsX, layout.functionY(5)));
    ASSERT_TRUE(waitUntil([&] { return run->x().name(*main) == "Plecta"; }, 10000ms));
    changedWorkbook(startWindow);
    closeAndExpectCleanExit();
}

TEST_F(StartAndClose, AFileThatCannotBeOpenedIsToldAndEndsTheProgram)
{
    run = std::make_unique<PlectaRun>(std::vector<std::string>{"/no/such/folder/acta.txt"});
    ASSERT_EQ(run->x().error(), "");
    // The message box comes up; Enter answers it and the program ends with a failure status,
    // never having shown its main window.
    std::optional<WindowId> box;
    waitUntil(
        [&] {
            for (WindowId window : run->x().windowsOf(run->pid())) {
                if (run->x().name(window) == "Plecta" && !run->isSplash(window) && run->x().isViewable(window))
                    box = window;
            }
            return box.has_value();
        },
        20000ms);
    ASSERT_TRUE(box) << run->output();
    // The message box is the only window named "Plecta" besides the splash: no main window.
    int named = 0;
    for (WindowId window : run->x().windowsOf(run->pid()))
        named += run->x().name(window).rfind("Plecta", 0) == 0 && !run->isSplash(window);
    EXPECT_EQ(named, 1);
    ASSERT_TRUE(run->x().key("Return"));
    const auto status = run->process().waitFor(15000ms);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_NE(*status, 0);
    EXPECT_NE(run->output().find("/no/such/folder/acta.txt"), std::string::npos) << run->output();
    EXPECT_EQ(run->leftovers(), std::vector<std::string>{});
}

} // namespace
} // namespace e2e
