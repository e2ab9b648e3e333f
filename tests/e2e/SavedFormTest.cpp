// A filled form kept in a file outlives the program: saved with "Desa el formulari...", the
// program closed, and started again with the file, it gives the same document.

#include "E2eTest.h"

#include <filesystem>

namespace e2e {
namespace {

using SavedForm = E2eTest;

TEST_F(SavedForm, AFormSavedAndReopenedFromTheCommandLineGivesTheSameDocument)
{
    const std::vector<std::string> dialogSettings{"home/.config", "home/.config/QtProject.conf"};
    TempDir kept;
    const std::filesystem::path file = kept.path() / "sollicitud.plecta";

    start();
    XSession &x = run->x();
    // "Administració pública", its first kind; the applicant's name in the first field.
    const Image startWindow = settledWorkbook();
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(1)));
    ASSERT_TRUE(waitUntil([&] { return x.name(*main) == "Plecta"; }, 10000ms));
    changedWorkbook(startWindow);
    ASSERT_TRUE(x.key("F6"));
    ASSERT_TRUE(x.key("ctrl+a"));
    ASSERT_TRUE(x.type("Maria Puig i Soler"));
    settledWorkbook();
    std::string before;
    ASSERT_NO_FATAL_FAILURE(saveFromDocumentTab("abans", before));
    ASSERT_NE(before.find("Maria Puig i Soler"), std::string::npos);

    // "Desa el formulari..." from the Document tab; the dialog adds ".plecta".
    ASSERT_TRUE(x.key("ctrl+alt+s"));
    const auto dialog = x.waitForWindow(
        run->pid(), [](const std::string &title) { return !title.empty() && title.rfind("Plecta", 0) != 0; }, 10000ms);
    ASSERT_TRUE(dialog) << "no save dialog" << shot("nodialog");
    ASSERT_TRUE(x.type((kept.path() / "sollicitud").string()));
    ASSERT_TRUE(x.key("Return"));
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(file) && !x.isViewable(*dialog); }, 10000ms))
        << "the form was not saved" << shot("nosave");
    EXPECT_TRUE(waitUntil([&] { return x.name(*main) == "Plecta - sollicitud.plecta"; }, 5000ms)) << x.name(*main);
    // Saved: closing asks nothing.
    closeAndExpectCleanExit(dialogSettings);

    start({file.string()});
    XSession &again = run->x(); // the first run's display is gone
    EXPECT_TRUE(waitUntil([&] { return again.name(*main) == "Plecta - sollicitud.plecta"; }, 10000ms))
        << again.name(*main);
    std::string after;
    ASSERT_NO_FATAL_FAILURE(saveFromDocumentTab("despres", after));
    EXPECT_EQ(after, before);
    closeAndExpectCleanExit(dialogSettings);
}

} // namespace
} // namespace e2e
