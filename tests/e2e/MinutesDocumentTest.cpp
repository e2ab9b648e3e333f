// The minutes of a meeting, from the Functions bar to a saved text file: the user types the name
// of the body into the first field, turns to "Document", saves with Ctrl+S and gets the document
// byte for byte.

#include "E2eTest.h"

#include "forms/FormDescription.h"
#include "forms/FormFields.h"
#include "models/DateText.h"
#include "text/Cp1252.h"

#include <filesystem>

namespace e2e {
namespace {

using MinutesDocument = E2eTest;

// The minutes as the program must write them: every field as it first appears, but the first one.
std::string expectedMinutes(const std::string &bodyName)
{
    const forms::FormDef *minutes = forms::formByLayoutId(160);
    if (!minutes)
        return {};
    plecta::MemoryFieldSource fields = forms::initialFields(*minutes, plecta::localToday());
    fields.setEdit(1077, cp1252::fromUtf8(bodyName).text);
    std::string document;
    forms::generateFormText(*minutes, fields, document);
    return document;
}

TEST_F(MinutesDocument, TypedNameReachesTheSavedFile)
{
    // Letters of the keyboard itself: xdotool types any other character by remapping a spare key
    // for an instant, which can drop it on a loaded machine. Accented input is the UI tests' job.
    const std::string name = "Cooperativa Agraria de l'Alt Camp";
    ASSERT_NO_FATAL_FAILURE(startOnFunction(0));
    XSession &x = run->x();

    // The catalogue opens on "acta de reunió" with the tree active; F6 goes to the form, whose
    // first field ("<NOM DE L'ORGANISME>") takes the focus.
    ASSERT_TRUE(x.key("F6"));
    ASSERT_TRUE(x.key("ctrl+a"));
    ASSERT_TRUE(x.type(name));

    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFromDocumentTab("acta", bytes));
    const std::string expected = expectedMinutes(name);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(bytes.size(), expected.size());
    EXPECT_TRUE(bytes == expected) << "the saved document differs from the minutes";
    // What the user typed, in Windows-1252, in the first line; CR LF line ends throughout.
    EXPECT_EQ(bytes.rfind("Acta de la reuni\xf3: Cooperativa Agraria de l'Alt Camp\r\n", 0), 0u);
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
    EXPECT_EQ(listTree(run->outbox()), std::vector<std::string>{"acta.txt"});
    // Qt's own file dialog keeps its last folder in QtProject.conf, and offers no way to stop it
    // (as the Windows save dialog keeps its recent folders); the program itself writes nothing.
    closeAndExpectCleanExit({"home/.config", "home/.config/QtProject.conf"}, true);
}

} // namespace
} // namespace e2e
