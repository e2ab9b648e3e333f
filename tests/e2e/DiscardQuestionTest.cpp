// Typed text is never thrown away silently: opening another function asks first, and cancelling
// keeps the form as it was; the Edit menu's "Copia" copies the selected text of a field.

#include "E2eTest.h"

#include <filesystem>

namespace e2e {
namespace {

using DiscardQuestion = E2eTest;

std::size_t occurrences(const std::string &text, const std::string &part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

TEST_F(DiscardQuestion, CancelKeepsTheTypedTextAndEditCopyCopiesTheSelectedField)
{
    const std::string name = "Junta de Govern";
    start();
    XSession &x = run->x();
    const Image startWindow = settledWorkbook();
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(0)));
    ASSERT_TRUE(waitUntil([&] { return x.name(*main) == "Plecta"; }, 10000ms));
    changedWorkbook(startWindow);
    ASSERT_TRUE(x.key("F6"));
    ASSERT_TRUE(x.key("ctrl+a"));
    ASSERT_TRUE(x.type(name));
    settledWorkbook();

    // "Vocabulari": the question comes; Escape cancels it and nothing is closed.
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(2)));
    const auto question = run->waitForOtherWindow();
    ASSERT_TRUE(question) << "no question before the typed text would go" << shot("noquestion");
    EXPECT_EQ(x.name(*question), "Plecta");
    waitUntil([&] { return x.activeWindow() == question; }, 5000ms);
    ASSERT_TRUE(x.key("Escape"));
    ASSERT_TRUE(waitUntil([&] { return !x.isViewable(*question); }, 10000ms)) << "the question stayed";
    EXPECT_EQ(x.name(*main), "Plecta") << "the question did not keep the function open";

    // Back in the form (F6 twice: the tree, then the first field), select the field's text and
    // copy it with "Editar > Copia"; paste it into the next field with the keys.
    waitUntil([&] { return x.activeWindow() == main; }, 5000ms);
    ASSERT_TRUE(x.key("F6"));
    ASSERT_TRUE(x.key("F6"));
    ASSERT_TRUE(x.key("ctrl+a"));
    ASSERT_TRUE(x.key("alt+e"));
    std::this_thread::sleep_for(300ms);
    ASSERT_TRUE(x.key("c"));
    std::this_thread::sleep_for(300ms);
    ASSERT_TRUE(x.key("Tab"));
    ASSERT_TRUE(x.key("ctrl+a"));
    ASSERT_TRUE(x.key("ctrl+v"));

    // The saved document holds the typed text, and the copy of it.
    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFromDocumentTab("acta", bytes));
    EXPECT_EQ(bytes.rfind("Acta de la reuni\xf3: Junta de Govern\r\n", 0), 0u) << bytes.substr(0, 80);
    EXPECT_GE(occurrences(bytes, name), 2u) << "the copied text was not pasted";

    closeAndExpectCleanExit({"home/.config", "home/.config/QtProject.conf"}, true);
}

} // namespace
} // namespace e2e
