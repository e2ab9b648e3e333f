// The program as a screen reader meets it: the accessibility tree on the desktop's accessibility
// bus, walked by a separate AT-SPI client, names every control a person can act on, in the start
// window, the forms of both catalogues, their Document and a reference list.

#include "E2eTest.h"

namespace e2e {
namespace {

class AccessibilityTree : public E2eTest
{
protected:
    // The controls the walker found without a name, one per line; empty when all are named.
    // The test stops when the walker could not read the tree at all.
    std::string unnamedControls(const std::string &where)
    {
        std::map<std::string, std::string> environment = run->x().environment();
        environment["DBUS_SESSION_BUS_ADDRESS"] = run->busAddress();
        std::string output;
        const bool allNamed = runTool({"/usr/bin/python3", PLECTA_ATSPI_WALKER, std::to_string(run->pid()), "30"},
                                      environment, 120000ms, &output);
        EXPECT_NE(output.find("walked "), std::string::npos) << where << ": the tree was not read:\n" << output;
        return allNamed ? std::string() : where + ":\n" + output;
    }
};

TEST_F(AccessibilityTree, EveryControlOfEveryKindOfWindowHasAName)
{
    // Assistive technology is on, as it is once a screen reader has run in the session.
    ASSERT_NO_FATAL_FAILURE(start({}, {{"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"}}));
    XSession &x = run->x();
    EXPECT_EQ(unnamedControls("the start window"), "");

    // The commercial catalogue with its first form, then its Document.
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(0)));
    ASSERT_TRUE(waitUntil([&] { return x.name(*main) == "Plecta"; }, 10000ms));
    const Image form = settledWorkbook();
    EXPECT_EQ(unnamedControls("a commercial form"), "");
    ASSERT_TRUE(x.click(layout.tabX(1), layout.tabY));
    const Image document = changedWorkbook(form);
    EXPECT_EQ(unnamedControls("the Document"), "");

    // The administration catalogue, then the municipalities' list.
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(1)));
    const Image administration = changedWorkbook(document);
    EXPECT_EQ(unnamedControls("an administration form"), "");
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(5)));
    changedWorkbook(administration);
    EXPECT_EQ(unnamedControls("a reference list"), "");

    closeAndExpectCleanExit();
}

} // namespace
} // namespace e2e
