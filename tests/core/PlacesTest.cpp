// Municipalities where the user writes them: the proposals for a typed text, the postcodes, the
// blocks of every form, and what taking a municipality fills.
#include "reference/Places.h"
#include "FormTestSupport.h"
#include "forms/PlaceFields.h"
#include "reference/Municipalities.h"
#include "reference/ReferenceTables.h"
#include "text/Fold.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using formtest::cp;

namespace {

constexpr std::chrono::year_month_day kDay{std::chrono::year(2026), std::chrono::December, std::chrono::day(7)};

std::vector<std::string> proposedNames(std::string_view typedUtf8, std::size_t limit = 100)
{
    std::vector<std::string> names;
    for (std::size_t i : plecta::municipalityProposals(cp(typedUtf8), limit))
        names.push_back(plecta::runningName(g_municipalities[i].name));
    return names;
}

std::size_t indexOf(std::string_view storedUtf8)
{
    for (std::size_t i = 0; g_municipalities[i].name; ++i) {
        if (plecta::runningName(g_municipalities[i].name) == plecta::runningName(cp(storedUtf8)))
            return i;
    }
    ADD_FAILURE() << storedUtf8;
    return 0;
}

TEST(Places, ProposalsFoldAndRank)
{
    struct Case
    {
        const char *typed;
        std::vector<std::string> first; // the leading proposals, UTF-8
    };
    const Case cases[] = {
        {"moia", {"Moià"}},
        {"MOIÀ", {"Moià"}},
        {"hospitalet", {"l'Hospitalet de Llobregat", "Vandellòs i l'Hospitalet de l'Infant"}},
        {"l'hosp", {"l'Hospitalet de Llobregat"}},
        {"bordes", {"Es Bòrdes"}},
        {"sollicitud", {}},
        {"  sant boi  ", {"Sant Boi de Llobregat", "Sant Boi de Lluçanès"}},
        {"llobregat boi", {"Sant Boi de Llobregat"}},
    };
    for (const Case &c : cases) {
        const std::vector<std::string> names = proposedNames(c.typed);
        ASSERT_GE(names.size(), c.first.size()) << c.typed;
        if (c.first.empty()) {
            EXPECT_TRUE(names.empty()) << c.typed;
        }
        for (std::size_t i = 0; i < c.first.size(); ++i)
            EXPECT_EQ(names[i], cp(c.first[i])) << c.typed << " #" << i;
    }
    EXPECT_TRUE(proposedNames("").empty());
    EXPECT_TRUE(proposedNames(" ' - ").empty());
    EXPECT_EQ(proposedNames("sant", 5).size(), 5u);
    // Names that begin with the text (in either form), then names with a word that begins with it,
    // then names that merely contain it.
    const auto rank = [](std::size_t i) {
        const std::string stored = plecta::foldForSearch(g_municipalities[i].name);
        const std::string running = plecta::foldForSearch(plecta::runningName(g_municipalities[i].name));
        if (stored.starts_with("vall") || running.starts_with("vall"))
            return 0;
        return (" " + running).find(" vall") != std::string::npos ? 1 : 2;
    };
    const std::vector<std::size_t> vall = plecta::municipalityProposals("vall");
    std::set<int> ranks;
    for (std::size_t k = 0; k < vall.size(); ++k) {
        ranks.insert(rank(vall[k]));
        if (k > 0) {
            EXPECT_LE(rank(vall[k - 1]), rank(vall[k])) << k;
        }
    }
    EXPECT_EQ(ranks, (std::set<int>{0, 1, 2}));
}

TEST(Places, PostcodesMainFirst)
{
    EXPECT_EQ(plecta::municipalityPostcodes(indexOf("Moià")), std::vector<std::string>{"08180"});
    EXPECT_EQ(plecta::municipalityPostcodes(indexOf("Hospitalet de Llobregat, l'")),
              (std::vector<std::string>{"08901", "08902", "08903", "08904", "08905", "08906", "08907", "08908"}));
    EXPECT_EQ(plecta::municipalityPostcodes(indexOf("Àger")), (std::vector<std::string>{"25691", "25611", "25692"}));
    EXPECT_EQ(plecta::postcodeText(8630), "08630");
    EXPECT_EQ(plecta::postcodeText(0), "00000");
    EXPECT_EQ(plecta::municipalityComarca(indexOf("Abrera")), "Baix Llobregat");

    std::size_t several = 0;
    std::size_t others = 0;
    for (std::size_t i = 0; g_municipalities[i].name; ++i) {
        const auto postcodes = plecta::municipalityPostcodes(i);
        several += postcodes.size() > 1 ? 1 : 0;
        others += postcodes.size() - 1;
        EXPECT_EQ(std::set<std::string>(postcodes.begin(), postcodes.end()).size(), postcodes.size()) << i;
    }
    EXPECT_EQ(several, 182u);
    EXPECT_EQ(others, 404u);
}

std::string initialOf(const forms::FormDef &form, int id)
{
    for (const forms::Item &item : form.items) {
        if (item.id == id && item.kind == forms::ItemKind::Edit)
            return std::string(item.text);
    }
    return "(not an edit)";
}

// Every box that starts as a municipality belongs to one block of its form, and the blocks name
// only boxes of that form that start as a comarca or a postcode.
TEST(Places, EveryMunicipalityBoxHasItsBlock)
{
    std::size_t municipalityBoxes = 0;
    for (const forms::FormDef *form : forms::allForms()) {
        std::map<int, int> inBlocks;
        for (const forms::PlaceBlock &block : forms::placeBlocks(*form)) {
            ++inBlocks[block.municipality];
            EXPECT_EQ(initialOf(*form, block.municipality).rfind("<MUNICIPI", 0), 0u)
                << form->objectName << " " << block.municipality;
            if (block.comarca != 0) {
                ++inBlocks[block.comarca];
                EXPECT_EQ(initialOf(*form, block.comarca), "<COMARCA>") << form->objectName;
            }
            if (block.postcode != 0) {
                ++inBlocks[block.postcode];
                EXPECT_EQ(initialOf(*form, block.postcode), "<CODI>") << form->objectName;
            }
        }
        for (const forms::Item &item : form->items) {
            if (item.kind != forms::ItemKind::Edit)
                continue;
            const bool place = item.text.starts_with("<MUNICIPI") || item.text == "<COMARCA>" || item.text == "<CODI>";
            municipalityBoxes += item.text.starts_with("<MUNICIPI") ? 1 : 0;
            EXPECT_EQ(inBlocks[item.id], place ? 1 : 0) << form->objectName << " " << item.id;
        }
    }
    EXPECT_EQ(municipalityBoxes, 46u);
}

TEST(Places, FillsOnlyWhatTheUserLeft)
{
    const forms::FormDef &denuncia = *forms::formByLayoutId(173);
    const forms::PlaceBlock applicant = forms::placeBlocks(denuncia).front();
    auto fields = forms::initialFields(denuncia, kDay);

    forms::PlaceFill fill = forms::placeFill(denuncia, applicant, indexOf("Hospitalet de Llobregat, l'"), fields);
    EXPECT_EQ(fill.municipality, "l'Hospitalet de Llobregat");
    EXPECT_EQ(fill.comarca, std::optional<std::string>("Barcelon\xE8s"));
    EXPECT_EQ(fill.postcode, std::optional<std::string>("08901"));
    EXPECT_EQ(fill.otherPostcodes.size(), 7u);

    fields.setEdit(1048, "Baix Llobregat"); // typed by the user: kept
    fields.setEdit(1049, "");               // emptied: filled
    fill = forms::placeFill(denuncia, applicant, indexOf("Moià"), fields);
    EXPECT_FALSE(fill.comarca);
    EXPECT_EQ(fill.postcode, std::optional<std::string>("08180"));
    EXPECT_TRUE(fill.otherPostcodes.empty());

    fields.setEdit(1049, "08181");
    EXPECT_FALSE(forms::placeFill(denuncia, applicant, indexOf("Moià"), fields).postcode);

    // The place of signing has neither comarca nor postcode beside it.
    const forms::PlaceFill place = forms::placeFill(denuncia, forms::placeBlocks(denuncia)[1], indexOf("Bòrdes, Es"),
                                                    forms::initialFields(denuncia, kDay));
    EXPECT_EQ(place.municipality, cp("Es Bòrdes"));
    EXPECT_FALSE(place.comarca);
    EXPECT_FALSE(place.postcode);
}

} // namespace
