// The first administration form under X: "moia" typed in the applicant's municipality, the first
// proposal taken with Enter, and the saved document holds the municipality, its comarca and its
// postcode; an applicant typed in full gives the bytes the command line gives for the same values.

#include "E2eTest.h"

#include "forms/FormDescription.h"
#include "forms/FormFields.h"
#include "forms/FormState.h"
#include "forms/PlaceFields.h"
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
    ASSERT_NO_FATAL_FAILURE(startOnFunction(1));
    XSession &x = run->x();

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

// The application as the command line fills it: the same form state, the applicant's name and
// identity document set, and the municipality block filled from the index as taking it does.
std::string applicationFor(std::string_view name, std::string_view document, std::string_view municipality)
{
    const forms::FormDef *application = forms::formByLayoutId(165);
    const std::vector<std::size_t> found = plecta::municipalityProposals(municipality, 1);
    if (!application || found.empty() || forms::placeBlocks(*application).empty())
        return {};
    forms::FormState state(*application, plecta::localToday());
    state.setText(forms::findField(*application, "nom")->id, std::string(name));
    state.setText(forms::findField(*application, "dni")->id, std::string(document));
    const forms::PlaceBlock &block = forms::placeBlocks(*application).front();
    const forms::PlaceFill fill = forms::placeFill(*application, block, found.front(), state);
    state.setText(block.municipality, fill.municipality);
    if (fill.comarca)
        state.setText(block.comarca, *fill.comarca);
    if (fill.postcode)
        state.setText(block.postcode, *fill.postcode);
    return state.document();
}

TEST_F(MunicipalityCompletion, AnApplicantTypedInTheWindowIsTheCommandLinesDocument)
{
    ASSERT_NO_FATAL_FAILURE(startOnFunction(1));
    XSession &x = run->x();

    // The name, the identity document, then "masnou" and Enter: the one municipality it names.
    ASSERT_TRUE(x.key("F6"));
    ASSERT_TRUE(x.type("Maria Puig i Soler"));
    ASSERT_TRUE(x.key("Tab"));
    ASSERT_TRUE(x.type("12345678Z"));
    ASSERT_TRUE(x.key("Tab"));
    ASSERT_TRUE(x.type("masnou"));
    settledWorkbook();
    ASSERT_TRUE(x.key("Return"));

    std::string bytes;
    ASSERT_NO_FATAL_FAILURE(saveFromDocumentTab("sollicitud", bytes));
    const std::string expected = applicationFor("Maria Puig i Soler", "12345678Z", "masnou");
    ASSERT_FALSE(expected.empty());
    EXPECT_NE(bytes.find("Maria Puig i Soler, major d'edat, amb DNI/NIE n\xFAm. 12345678Z,"), std::string::npos)
        << cp1252::toUtf8(bytes);
    EXPECT_NE(bytes.find("amb domicili al Masnou (Maresme),"), std::string::npos) << cp1252::toUtf8(bytes);
    EXPECT_TRUE(bytes == expected) << cp1252::toUtf8(bytes) << "\n---\n" << cp1252::toUtf8(expected);
    closeAndExpectCleanExit({"home/.config", "home/.config/QtProject.conf"}, /*discard=*/true);
}

} // namespace
} // namespace e2e
