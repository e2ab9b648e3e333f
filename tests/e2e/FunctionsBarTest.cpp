// Each of the six functions opens from the Functions bar, with its windows and tabs, as a user
// sees it: the start window goes, the tabs answer clicks, the lists show their painted rows and
// the searchable lists answer Ctrl+F.

#include "E2eTest.h"

#include <map>

namespace e2e {
namespace {

struct Expected
{
    const char *name;
    int tabs;        // windows told apart by tabs; 0: the tab strip is hidden
    bool lists;      // the first window is a report list with rows painted in two colours
    bool searchable; // the first window answers the search command
};

const Expected kFunctions[] = {
    {"Textos de l'empresa", 2, false, false},
    {"Administració pública", 2, false, false},
    {"Vocabulari", 2, true, true},
    {"Abreviatures", 2, true, false},
    {"Tractaments protocol·laris", 0, false, false},
    {"Índex de municipis i comarques", 2, true, true},
    {"Numerals", 0, false, false},
};

const Rgb kEvenRow{236, 228, 220}, kOddRow{216, 208, 200};

class FunctionsBar : public E2eTest
{
protected:
    // The share of the commonest colour along the middle of the first two tabs' places.
    double tabStripUniformity() const
    {
        const Image strip = run->x().grab({layout.workbookLeft + 4, layout.tabY - 6, 250, 12});
        std::map<std::uint32_t, int> counts;
        for (const std::uint32_t p : strip.pixels)
            ++counts[p];
        int most = 0;
        for (const auto &[colour, n] : counts)
            most = std::max(most, n);
        return strip.pixels.empty() ? 0.0 : double(most) / double(strip.pixels.size());
    }

    bool searchDialogComes(Milliseconds timeout) { return bool(run->waitForDialog("Cercar", timeout)); }
};

TEST_F(FunctionsBar, EachFunctionOpensItsWindowsAndTabs)
{
    start();
    XSession &x = run->x();
    for (int position = 0; position < int(std::size(kFunctions)); ++position) {
        const Expected &expected = kFunctions[position];
        SCOPED_TRACE(expected.name);
        const Image before = settledWorkbook();
        ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(position)));
        // The windows of a function have no title of their own: the start window's is gone.
        ASSERT_TRUE(waitUntil([&] { return x.name(*main) == "Plecta"; }, 10000ms)) << x.name(*main);
        // The Vocabulari shows its wait notice while its lists fill.
        ASSERT_TRUE(run->waitForNoDialog("Esperi", 20000ms));
        const Image first = changedWorkbook(before);
        EXPECT_GE(difference(before, first), kChanged) << "nothing new appeared" << shot("opened");

        const int even = first.count(kEvenRow), odd = first.count(kOddRow);
        if (expected.lists) {
            EXPECT_GT(even, 2000);
            EXPECT_GT(odd, 2000);
        } else {
            EXPECT_LT(even + odd, 500);
        }

        if (expected.tabs == 0) {
            EXPECT_GT(tabStripUniformity(), 0.97) << "a tab strip is shown";
        } else {
            EXPECT_LT(tabStripUniformity(), 0.97) << "no tab strip is shown";
            // Each further tab brings its own window forward; a click past the last does nothing;
            // the first tab brings the first window back as it was.
            Image shown = first;
            for (int tab = 1; tab < expected.tabs; ++tab) {
                ASSERT_TRUE(x.click(layout.tabX(tab), layout.tabY));
                Image next = changedWorkbook(shown);
                EXPECT_GE(difference(shown, next), kChanged) << "tab " << tab << " showed nothing new" << shot("tab");
                shown = std::move(next);
            }
            ASSERT_TRUE(x.click(layout.tabX(expected.tabs), layout.tabY));
            std::this_thread::sleep_for(700ms);
            EXPECT_LT(difference(shown, settledWorkbook()), kSame)
                << "a click past the last tab changed the window" << shot("past");
            ASSERT_TRUE(x.click(layout.tabX(0), layout.tabY));
            EXPECT_TRUE(workbookReturnsTo(first)) << "the first window came back changed" << shot("back");
        }

        // Ctrl+F asks for a search text in the searchable lists only.
        ASSERT_TRUE(x.key("ctrl+f"));
        if (expected.searchable) {
            EXPECT_TRUE(searchDialogComes(5000ms));
            ASSERT_TRUE(x.key("Escape"));
            EXPECT_TRUE(run->waitForNoDialog("Cercar", 5000ms));
        } else {
            EXPECT_FALSE(searchDialogComes(1500ms));
        }
    }
    closeAndExpectCleanExit();
}

TEST_F(FunctionsBar, AFunctionOpenedAgainIsAsItWasLeft)
{
    start();
    XSession &x = run->x();
    // The abbreviations open on their first tab; after a turn to the second and a look at the
    // municipalities, a click on the function in the bar finds it on its second tab again.
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(3)));
    ASSERT_TRUE(waitUntil([&] { return x.name(*main) == "Plecta"; }, 10000ms));
    const Image first = settledWorkbook();
    ASSERT_TRUE(x.click(layout.tabX(1), layout.tabY));
    const Image second = changedWorkbook(first);
    ASSERT_GE(difference(first, second), kChanged);
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(5)));
    changedWorkbook(second);
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(3)));
    EXPECT_TRUE(workbookReturnsTo(second)) << shot("again");
    closeAndExpectCleanExit();
}

} // namespace
} // namespace e2e
