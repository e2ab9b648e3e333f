// The first administration form under X: "moia" typed in the applicant's municipality, the first
// proposal taken with Enter, and the saved document holds the municipality, its comarca and its
// postcode.

#include "E2eTest.h"

#include "forms/FormDescription.h"
#include "forms/FormFields.h"
#include "models/DateText.h"
#include "reference/Places.h"
#include "text/Cp1252.h"

#include <filesystem>

namespace e2e {
namespace {

using MunicipalityCompletion = E2eTest;

// The application as it starts, with the applicant's municipality block filled with Moià's
// data as the index of municipalities gives it.
std::string expectedApplication()
{
    const forms::FormDef *application = forms::formByLayoutId(165);
    if (!application)
        return {};
    plecta::MemoryFieldSource fields = forms::initialFields(*application, plecta::localToday());
    const std::vector<std::size_t> moia = plecta::municipalityProposals("moia", 1);
    if (moia.empty())
        return {};
    fields.setEdit(1047, "Moi\xE0");
    fields.setEdit(1048, plecta::municipalityComarca(moia.front()));
    fields.setEdit(1049, "08180");
    std::string document;
    forms::generateFormText(*application, fields, document);
    return document;
}

TEST_F(MunicipalityCompletion, MoiaFillsItsComarcaAndPostcode)
{
    start();
    XSession &x = run->x();
    const Image startWindow = settledWorkbook();
    ASSERT_TRUE(x.click(layout.functionsX, layout.functionY(1)));
    ASSERT_TRUE(waitUntil([&] { return x.name(*main) == "Plecta"; }, 10000ms));
    changedWorkbook(startWindow);

    // F6 goes to the form's first field (the applicant's name); Tab past the identity document to
    // the municipality selects its placeholder, which the typing replaces.
    ASSERT_TRUE(x.key("F6"));
    ASSERT_TRUE(x.key("Tab"));
    ASSERT_TRUE(x.key("Tab"));
    ASSERT_TRUE(x.type("moia"));
    settledWorkbook(); // the proposals are up
    ASSERT_TRUE(x.key("Return"));

    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFromDocumentTab("sollicitud", bytes));
    const std::string expected = expectedApplication();
    ASSERT_FALSE(expected.empty());
    EXPECT_NE(bytes.find("amb domicili a Moi\xE0 (Moian\xE8s), "), std::string::npos) << cp1252::toUtf8(bytes);
    EXPECT_NE(bytes.find("CP 08180,"), std::string::npos) << cp1252::toUtf8(bytes);
    EXPECT_EQ(bytes.find("major d'edat"), bytes.rfind("major d'edat")) << "the age twice";
    EXPECT_TRUE(bytes == expected) << cp1252::toUtf8(bytes);
    closeAndExpectCleanExit({"home/.config", "home/.config/QtProject.conf"}, /*discard=*/true);
}

} // namespace
} // namespace e2e
