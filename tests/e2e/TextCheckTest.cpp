// The text checker under X: "en base a" typed in the application's first box is marked as a form
// to avoid, and the first suggestion of its right-click menu (opened with the Menu key, at the
// cursor) replaces it in the box and so in the saved document.

#include "E2eTest.h"

#include <string>

namespace e2e {
namespace {

using TextCheck = E2eTest;

// The blue of the marks of forms to avoid.
constexpr Rgb kCastilianismMark{0, 90, 220};

TEST_F(TextCheck, EnBaseAIsMarkedAndTheFirstSuggestionReplacesIt)
{
    ASSERT_NO_FATAL_FAILURE(startOnFunction(1));
    XSession &x = run->x();

    // F6 goes to the form's first box, its placeholder selected; the typing replaces it.
    ASSERT_TRUE(x.key("F6"));
    const int marksBefore = settledWorkbook().count(kCastilianismMark, 40);
    ASSERT_TRUE(x.type("en base a"));
    // The dictionary loads on a thread of its own; the mark comes once it is there.
    ASSERT_TRUE(waitUntil([&] { return workbook().count(kCastilianismMark, 40) > marksBefore + 8; }, 20000ms))
        << "no mark under the words" << shot("unmarked");

    const Image marked = settledWorkbook();
    ASSERT_TRUE(x.key("Menu"));
    ASSERT_TRUE(waitUntil([&] { return difference(marked, workbook()) > 0; }, 5000ms)) << shot("no menu");
    ASSERT_TRUE(x.key("Down"));
    ASSERT_TRUE(x.key("Return"));

    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFromDocumentTab("sollicitud", bytes));
    EXPECT_NE(bytes.find("d'acord amb"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("en base a"), std::string::npos) << bytes;
    closeAndExpectCleanExit({"home/.config", "home/.config/QtProject.conf"}, /*discard=*/true);
}

} // namespace
} // namespace e2e
