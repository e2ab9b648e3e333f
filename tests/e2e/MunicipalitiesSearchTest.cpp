// Ctrl+F in "Municipis": the search dialog, typed text, Enter, and the list's answer. The rows are
// painted without a selection highlight, so what the user can tell from outside is the message
// "No trobat" (a box titled "Plecta") and where the next search starts.

#include "E2eTest.h"

namespace e2e {
namespace {

class MunicipalitiesSearch : public E2eTest
{
protected:
    void SetUp() override
    {
        start();
        if (HasFatalFailure())
            return;
        const Image startWindow = settledWorkbook();
        ASSERT_TRUE(run->x().click(layout.functionsX, layout.functionY(5)));
        ASSERT_TRUE(waitUntil([&] { return run->x().name(*main) == "Plecta"; }, 10000ms));
        changedWorkbook(startWindow);
    }

    // Searches and tells whether the list said "No trobat" (and answers it).
    bool searchSaysNotFound(const std::string &text)
    {
        XSession &x = run->x();
        EXPECT_TRUE(x.key("ctrl+f"));
        if (!run->waitForDialog("Cercar", 5000ms)) {
            ADD_FAILURE() << "no search dialog for \"" << text << '"';
            return false;
        }
        EXPECT_TRUE(x.type(text));
        EXPECT_TRUE(x.key("Return"));
        EXPECT_TRUE(run->waitForNoDialog("Cercar", 5000ms));
        // The message box is titled "Plecta", as the main window is: told apart by being another.
        const auto box = run->waitForOtherWindow(1500ms);
        if (!box)
            return false;
        EXPECT_TRUE(x.key("Return"));
        EXPECT_TRUE(waitUntil([&] { return !x.isViewable(*box); }, 5000ms));
        return true;
    }
};

TEST_F(MunicipalitiesSearch, AbreraSelectsAbrera)
{
    // "abrera" selects "Abrera": found, so nothing is said. The next search for "ab" starts after
    // the selection; "Abrera" is the last municipality that begins so, hence "No trobat".
    EXPECT_FALSE(searchSaysNotFound("abrera"));
    EXPECT_TRUE(searchSaysNotFound("ab"));
    closeAndExpectCleanExit();
}

TEST_F(MunicipalitiesSearch, SearchesIgnoreCaseGoForwardAndDoNotWrap)
{
    EXPECT_FALSE(searchSaysNotFound("ABELLA"));  // "Abella de la Conca"
    EXPECT_FALSE(searchSaysNotFound("ab"));      // "Abrera"
    EXPECT_TRUE(searchSaysNotFound("ab"));       // nothing after "Abrera"
    EXPECT_FALSE(searchSaysNotFound("xerta"));   // forward from "Abrera"
    EXPECT_TRUE(searchSaysNotFound("agramunt")); // no wrapping round to the top
    closeAndExpectCleanExit();
}

} // namespace
} // namespace e2e
