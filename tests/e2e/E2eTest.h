#pragma once
// What every end-to-end test does: start the real program on its own X server, find its main
// window, and at the end close it as a user would and check that it went cleanly.

#include "harness/PlectaRun.h"
#include "text/Cp1252.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace e2e {

class E2eTest : public ::testing::Test
{
protected:
    // Starts the program and waits for its main window; the test stops when that fails.
    void start(const std::vector<std::string> &arguments = {},
               const std::map<std::string, std::string> &environment = {})
    {
        run = std::make_unique<PlectaRun>(arguments, environment);
        ASSERT_EQ(run->x().error(), "");
        ASSERT_TRUE(run->process().started());
        main = run->waitForMainWindow();
        ASSERT_TRUE(main) << "no main window; the program printed:\n" << run->output();
        layout = run->layout();
        // The splash stands over the middle of the screen for its 2.5 s; pictures taken before it
        // goes would compare the splash.
        ASSERT_TRUE(waitUntil([&] { return !run->findSplash(); }, 15000ms)) << "the splash stayed";
    }

    // Alt+F4 asks the window manager to close the main window, as a user would. The keys go to
    // the window that has the focus, so the test waits for the main window to have it; a slow
    // (sanitizer) build may miss the first press while it is busy, so it is pressed once more.
    // With something typed in a form the program asks first; `discard` answers "Descarta".
    void closeAndExpectCleanExit(const std::vector<std::string> &allowedLeftovers = {}, bool discard = false)
    {
        waitUntil([&] { return run->x().activeWindow() == main; }, 5000ms);
        ASSERT_TRUE(run->x().key("alt+F4"));
        if (discard) {
            const auto question = run->waitForOtherWindow();
            ASSERT_TRUE(question) << "no question before the typed text went";
            waitUntil([&] { return run->x().activeWindow() == question; }, 5000ms);
            ASSERT_TRUE(run->x().key("alt+d"));
        }
        auto status = run->process().waitFor(10000ms);
        if (!status) {
            waitUntil([&] { return run->x().activeWindow() == main; }, 5000ms);
            ASSERT_TRUE(run->x().key("alt+F4"));
            status = run->process().waitFor(20000ms);
        }
        ASSERT_TRUE(status) << "the program did not end after its main window was closed";
        EXPECT_EQ(*status, 0) << run->output();
        EXPECT_EQ(run->leftovers(), allowedLeftovers) << "files left behind";
        expectQuietOutput();
    }

    // Turns to the "Document" tab, saves with Ctrl+S under `base` in the outbox (the dialog adds
    // ".txt") and reads the saved file into `bytes`; the test stops when any step fails.
    void saveFromDocumentTab(const std::string &base, std::string &bytes)
    {
        const Image form = settledWorkbook();
        ASSERT_TRUE(run->x().click(layout.tabX(1), layout.tabY));
        changedWorkbook(form);
        ASSERT_NO_FATAL_FAILURE(saveWithCtrlS(base, bytes));
    }

    // The question that names the boxes left unfilled, if it comes (its title is the program's
    // name); nothing when none comes within the time.
    std::optional<WindowId> unfilledQuestion(Milliseconds timeout = 3000ms) const
    {
        std::optional<WindowId> found;
        waitUntil(
            [&] {
                for (WindowId window : run->x().windowsOf(run->pid())) {
                    if (window != *main && run->x().isViewable(window) && run->x().name(window) == "Plecta")
                        found = window;
                }
                return found.has_value();
            },
            timeout);
        return found;
    }

    // Ctrl+S on the tab in front, "Desa igualment" should the question about unfilled boxes come,
    // then the file as saveFromDocumentTab() saves it.
    void saveWithCtrlS(const std::string &base, std::string &bytes)
    {
        XSession &x = run->x();
        ASSERT_TRUE(x.key("ctrl+s"));
        if (const auto question = unfilledQuestion()) {
            waitUntil([&] { return x.activeWindow() == question; }, 5000ms);
            ASSERT_TRUE(x.key("alt+d"));
        }
        const auto dialog = x.waitForWindow(
            run->pid(), [](const std::string &title) { return !title.empty() && title.rfind("Plecta", 0) != 0; },
            10000ms);
        ASSERT_TRUE(dialog) << "no save dialog";
        ASSERT_TRUE(x.type((run->outbox() / base).string()));
        ASSERT_TRUE(x.key("Return"));
        const auto saved = run->outbox() / (base + ".txt");
        ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(saved) && !x.isViewable(*dialog); }, 10000ms))
            << "nothing saved; the folder holds " << ::testing::PrintToString(listTree(run->outbox()));
        // "Anomena i desa" offers UTF-8 text first: the file must read back as the document's own
        // Windows-1252 bytes.
        const cp1252::Conversion text = cp1252::fromUtf8(readFile(saved));
        ASSERT_FALSE(text.error) << "the saved text is not UTF-8 that Windows-1252 holds";
        bytes = text.text;
    }

    // The program prints nothing when all is well: no Qt warnings, no sanitizer reports.
    void expectQuietOutput() { EXPECT_EQ(run->output(), "") << "the program printed warnings"; }

    void TearDown() override
    {
        if (run && HasFailure() && run->process().running())
            std::cerr << shot("end") << '\n';
        run.reset();
    }

    // For a failure message: saves the screen as it is now and says where.
    std::string shot(const std::string &label) const
    {
        return "\nscreenshot: " + run->saveScreenshot(testName() + '.' + label);
    }

    std::string testName() const
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        return std::string(info->test_suite_name()) + '.' + info->name();
    }

    // The pixels of the child windows above the tab strip.
    Image workbook() const { return run->x().grab(layout.workbook); }

    // How many pixels differ between two grabs of the same area.
    static int difference(const Image &a, const Image &b)
    {
        if (a.pixels.size() != b.pixels.size())
            return int(std::max(a.pixels.size(), b.pixels.size()));
        int n = 0;
        for (std::size_t i = 0; i < a.pixels.size(); ++i)
            n += a.pixels[i] != b.pixels[i];
        return n;
    }

    // Starts the program and opens the function at this place of the Functions bar with a click;
    // `opened` gets the workbook as the function first shows it. A failure stops the test.
    void startOnFunction(int position, Image *opened = nullptr)
    {
        ASSERT_NO_FATAL_FAILURE(start());
        XSession &x = run->x();
        const Image startWindow = settledWorkbook();
        ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(position)));
        ASSERT_TRUE(waitUntil([&] { return x.name(*main) == "Plecta"; }, 10000ms));
        const Image shown = changedWorkbook(startWindow);
        if (opened)
            *opened = shown;
    }

    // Waits until the workbook stops changing (a window opened and painted) and returns it.
    Image settledWorkbook(Milliseconds timeout = 15000ms) const
    {
        Image last = workbook();
        const auto deadline = Clock::now() + timeout;
        while (Clock::now() < deadline) {
            std::this_thread::sleep_for(300ms);
            Image now = workbook();
            // A text cursor blinking is not a change.
            if (difference(last, now) < kSame)
                return now;
            last = std::move(now);
        }
        return last;
    }

    // Waits until the workbook differs from what it was, then until it settles.
    Image changedWorkbook(const Image &from, Milliseconds timeout = 15000ms) const
    {
        waitUntil([&] { return difference(from, workbook()) >= kChanged; }, timeout, 50ms);
        return settledWorkbook();
    }

    // Waits until the workbook shows this picture again.
    bool workbookReturnsTo(const Image &picture, Milliseconds timeout = 15000ms) const
    {
        return waitUntil([&] { return difference(picture, workbook()) < kSame; }, timeout, 100ms);
    }

    static constexpr int kSame = 200;     // pixels: a blinking cursor at most
    static constexpr int kChanged = 2000; // pixels: another window, another page

    std::unique_ptr<PlectaRun> run;
    std::optional<WindowId> main;
    MainWindowLayout layout;
};

} // namespace e2e
