// The first hour without dead ends, as a user goes through it: a word looked up in the middle
// of a form without losing it, the document saved with Ctrl+S from the form's own tab, and the
// question that names the boxes left unfilled before the document leaves.

#include "E2eTest.h"

#include <filesystem>

namespace e2e {
namespace {

using DocumentAtHand = E2eTest;

std::size_t occurrences(const std::string &text, const std::string &part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

TEST_F(DocumentAtHand, AWordLookedUpMidFormLeavesTheFormAsItWasAndCtrlSSavesItFromTheFormTab)
{
    const std::string name = "Junta de Govern";
    Image minutes;
    ASSERT_NO_FATAL_FAILURE(startOnFunction(0, &minutes));
    XSession &x = run->x();
    ASSERT_TRUE(x.key("F6"));
    ASSERT_TRUE(x.key("ctrl+a"));
    ASSERT_TRUE(x.type(name));
    settledWorkbook();

    // "Vocabulari" opens at once, with no question; a word is filtered there.
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(2)));
    const Image vocabulary = changedWorkbook(minutes);
    EXPECT_FALSE(run->waitForOtherWindow(1000ms)) << "a question came" << shot("question");
    ASSERT_TRUE(x.type("acta"));
    changedWorkbook(vocabulary);

    // Back to the form: the caret is in the field it was in. Select the field's text and copy it
    // with "Editar > Copia"; paste it into the next field with the keys.
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(0)));
    settledWorkbook();
    ASSERT_TRUE(x.key("ctrl+a"));
    ASSERT_TRUE(x.key("alt+e"));
    std::this_thread::sleep_for(300ms);
    ASSERT_TRUE(x.key("c"));
    std::this_thread::sleep_for(300ms);
    ASSERT_TRUE(x.key("Tab"));
    ASSERT_TRUE(x.key("ctrl+a"));
    ASSERT_TRUE(x.key("ctrl+v"));

    // Ctrl+S on the form's tab: the document of the form, typed text and copy included.
    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveWithCtrlS("acta", bytes));
    EXPECT_EQ(bytes.rfind("Acta de la reuni\xf3: Junta de Govern\r\n", 0), 0u) << bytes.substr(0, 80);
    EXPECT_GE(occurrences(bytes, name), 2u) << "the copied text was not pasted";

    closeAndExpectCleanExit({"home/.config", "home/.config/QtProject.conf"}, true);
}

TEST_F(DocumentAtHand, SavingWithBoxesLeftAsksAndGoingBackPutsTheCaretInTheFirst)
{
    ASSERT_NO_FATAL_FAILURE(startOnFunction(0));
    XSession &x = run->x();
    ASSERT_TRUE(x.key("F6"));
    ASSERT_TRUE(x.key("ctrl+a"));
    ASSERT_TRUE(x.type("Consell Escolar"));

    // The question names what is left; "Torna al formulari" puts the caret in the session number,
    // its placeholder selected, so what is typed replaces it.
    ASSERT_TRUE(x.key("ctrl+s"));
    const auto question = unfilledQuestion(10000ms);
    ASSERT_TRUE(question) << "no question before the unfilled document left" << shot("noquestion");
    waitUntil([&] { return x.activeWindow() == question; }, 5000ms);
    ASSERT_TRUE(x.key("alt+t"));
    ASSERT_TRUE(waitUntil([&] { return !x.isViewable(*question); }, 10000ms)) << "the question stayed";
    waitUntil([&] { return x.activeWindow() == main; }, 5000ms);
    ASSERT_TRUE(x.type("12"));

    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveWithCtrlS("acta", bytes));
    EXPECT_NE(bytes.find("Consell Escolar\r\n"), std::string::npos) << bytes.substr(0, 120);
    EXPECT_NE(bytes.find("sessi\xf3: 12\r\n"), std::string::npos) << bytes.substr(0, 120);
    EXPECT_EQ(bytes.find("<N\xdaMERO>"), std::string::npos);
    EXPECT_NE(bytes.find("<HORARI>"), std::string::npos) << "saved as it was after the question";

    closeAndExpectCleanExit({"home/.config", "home/.config/QtProject.conf"}, true);
}

} // namespace
} // namespace e2e
