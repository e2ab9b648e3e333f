// The public-administration forms as data: their layouts, tables and models checked against a
// second, independent transcription, and the documents an untouched form gives. (Each field's
// value reaching its placeholder is checked through the widgets, in the window tests.)

#include "forms/AdministrationForms.h"
#include "FormTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>

using namespace forms;
using namespace formtest;
using namespace std::chrono;

namespace {

constexpr year_month_day kDay{year{2026}, December, day{7}};
const std::string kLongDate = "dilluns, 7 de desembre de 2026";

std::vector<int> parseIds(const std::string &text)
{
    std::istringstream in(text);
    std::vector<int> out;
    for (int id; in >> id;)
        out.push_back(id);
    return out;
}

std::string untouched(const FormDef &form)
{
    return formtest::untouched(form, kDay);
}

// The applicant block and the closing block as they stand in the layouts.
const std::string kApplicant = "1042 1047 1048 1044 1049 1001 1050 ";
const std::string kClosing = " 1052 1083 1054";
const std::string kApplicantNames = "nom municipi comarca adreca codi_postal telefon dni ";
const std::string kClosingNames = " lloc data destinacio";

struct Expected
{
    const FormDef *form;
    std::string_view className;
    int layoutId, modelId, width;
    std::string layout; // field ids in layout order
    std::string names;  // field names in layout order
};

const Expected kExpected[] = {
    {&kSolA, "CAPViewSolA", 165, 169, 327, kApplicant + "1046 1051" + kClosing,
     kApplicantNames + "raonament peticio" + kClosingNames},
    {&kSolB, "CAPViewSolB", 166, 170, 369,
     "1042 1049 1043 1050 1044 1047 1045 1048 1001 1046 1053 1054 3011 1052 1083 1056",
     "nom cognoms edat dni adreca municipi codi_postal comarca telefon fets motivacio annexos peticio" + kClosingNames},
    {&kDenuncia, "CAPViewDenuncia", 173, 173, 319, kApplicant + "1045" + kClosing,
     kApplicantNames + "fets" + kClosingNames},
    {&kPeticio, "CAPViewPeticio", 174, 174, 319, kApplicant + "3011" + kClosing,
     kApplicantNames + "peticio" + kClosingNames},
    {&kAllegacio, "CAPViewAllegacio", 185, 185, 303, kApplicant + "1045 1046" + kClosing,
     kApplicantNames + "assumpte declaracio" + kClosingNames},
    {&kDesistiment, "CAPViewDesistiment", 186, 186, 303, kApplicant + "1000 1084 1045" + kClosing,
     kApplicantNames + "document data_presentacio assumpte" + kClosingNames},
    {&kRenuncia, "CAPViewRenuncia", 187, 187, 303, kApplicant + "1129 1045 1046" + kClosing,
     kApplicantNames + "expedient assumpte raons" + kClosingNames},
    {&kQueixa, "CAPViewQueixa", 188, 188, 303, kApplicant + "1130" + kClosing,
     kApplicantNames + "raons" + kClosingNames},
    {&kRecursOrdi, "CAPViewRecursOrdi", 189, 189, 303,
     kApplicant + "1133 1135 1134 1136 1115 1085 1131 1132 3011" + kClosing,
     kApplicantNames + "article data_resolucio organ expedient assumpte data_notificacio allegacions annexos peticio" +
         kClosingNames},
    {&kRecursRevisio, "CAPViewRecursRevisio", 190, 190, 303,
     kApplicant + "1133 1135 1134 1136 1115 1085 1131 1132 3011" + kClosing,
     kApplicantNames + "article data_resolucio organ expedient assumpte data_notificacio allegacions annexos peticio" +
         kClosingNames},
};

// The distinct placeholders of a model, in the order they first appear.
std::string placeholderNames(const std::string &model)
{
    std::string names;
    std::set<std::string> seen;
    const std::regex placeholder("%([a-z0-9_]+)%");
    for (auto it = std::sregex_iterator(model.begin(), model.end(), placeholder); it != std::sregex_iterator(); ++it) {
        if (seen.insert((*it)[1]).second)
            names += (names.empty() ? "" : " ") + (*it)[1].str();
    }
    return names;
}

} // namespace

// Each model asks for every field of its layout, in layout order, by the field's name.
TEST(AdministrationForms, LayoutsNamesAndModelsAgreeWithASecondTranscription)
{
    for (const Expected &e : kExpected) {
        const FormDef &form = *e.form;
        SCOPED_TRACE(std::string(e.className));
        EXPECT_EQ(form.className, e.className);
        EXPECT_EQ(form.layoutId, e.layoutId);
        EXPECT_EQ(form.modelId, e.modelId);
        EXPECT_EQ(form.width, e.width);
        EXPECT_EQ(formByLayoutId(e.layoutId), &form) << "not registered";
        EXPECT_EQ(form.lineItems, nullptr);

        std::vector<int> layout;
        std::string names;
        for (const Item &item : form.items) {
            if (isField(item)) {
                layout.push_back(item.id);
                names += (names.empty() ? "" : " ") + std::string(item.name);
            }
            EXPECT_FALSE(cp1252::fromUtf8(item.text).error) << item.text;
        }
        EXPECT_EQ(layout, parseIds(e.layout));
        EXPECT_EQ(names, e.names);
        EXPECT_EQ(std::set<int>(layout.begin(), layout.end()).size(), layout.size()) << "a field twice";
        ASSERT_FALSE(form.items.empty());
        EXPECT_EQ(form.items.back().kind, ItemKind::NewLine) << "last line not ended";
        EXPECT_EQ(placeholderNames(modelText(form.modelId)), e.names);
    }
}

TEST(AdministrationForms, UntouchedReportAndPetition)
{
    const std::string report = untouched(kDenuncia);
    EXPECT_EQ(report, cp("<NOM i COGNOMS>,  major d'edat,  major d'edat, que visc <MUNICIPI> (comarca\r\n"
                         "<COMARCA>), <ADREÇA>,  <CODI>, tel. <TELÈFON>, i que tinc el DNI\r\n"
                         "núm. <DNI>,\r\n"
                         "\r\n"
                         "\r\n"
                         "DENUNCIO\r\n"
                         "\r\n"
                         "     <FETS>\r\n"
                         "\r\n"
                         "<MUNICIPI>, ") +
                          kLongDate + "\r\n\r\n" + cp("<DESTINACIÓ>"));

    // The petition differs in its one word and its statement.
    std::string petition = untouched(kPeticio);
    EXPECT_EQ(lines(petition)[5], "DEMANO");
    EXPECT_EQ(lines(petition)[7], cp("     <PETICIÓ>"));
    EXPECT_EQ(petition.size(), report.size() - 2 + 3); // "DEMANO" for "DENUNCIO", "<PETICIÓ>" for "<FETS>"
}

TEST(AdministrationForms, UntouchedApplications)
{
    const auto a = lines(untouched(kSolA));
    EXPECT_EQ(a[0], "<NOM i COGNOMS>,  major d'edat, major  d'edat, que visc <MUNICIPI> (comarca");
    EXPECT_EQ(a[2], cp("núm. <DNI>,"));
    EXPECT_EQ(a[6], "     Que <RAONAMENT>");
    EXPECT_EQ(a[10], cp("     Que <PETICIÓ>"));
    EXPECT_EQ(a[13], "<MUNICIPI>, " + kLongDate);
    EXPECT_EQ(a[15], cp("<DESTINACIÓ>"));

    const auto b = lines(untouched(kSolB));
    EXPECT_EQ(b[0], "Nom: <NOM>\t\t\t\tCognoms:  <COGNOMS>");
    EXPECT_EQ(b[1], "Edat:  0\tanys\t\t\t\tDNI:  <DNI>");
    EXPECT_EQ(b[2], cp("Domicili:  <ADREÇA>\t\t\tMunicipi:  <MUNICIPI>"));
    EXPECT_EQ(b[3], "CP: <CODI>\t\t\t\tComarca:  <COMARCA>");
    EXPECT_EQ(b[4], cp("Telèfon:  <TELÈFON>"));
    EXPECT_EQ(b[10], cp("<MOTIVACIÓ JURÍDICA>"));
    EXPECT_EQ(b[16], cp("     Que  <PETICIÓ>"));
    EXPECT_EQ(b[18], "<MUNICIPI>,  " + kLongDate);
    EXPECT_EQ(b[22], cp("<DESTINACIÓ>"));
}

TEST(AdministrationForms, WithdrawalListAndItsDates)
{
    const auto fields = initialFields(kDesistiment, kDay);
    std::vector<std::string> shown;
    for (int i = 0; i < 4; ++i)
        shown.push_back(cp1252::toUtf8(fields.itemText(1000, i)));
    EXPECT_EQ(shown, (std::vector<std::string>{"Denúncia", "Petició", "Queixa", "Sol·licitud"}));
    EXPECT_EQ(fields.selectedItem(1000), 0);
    EXPECT_EQ(fields.className(1084), "SysDateTimePick32");

    auto l = lines(untouched(kDesistiment));
    EXPECT_EQ(l[4], "DESISTEIXO, d'acord amb l'article 94 de la Llei 39/2015, d'1");
    EXPECT_EQ(l[6], cp("administracions públiques, de la meva Denúncia presentada en"));
    EXPECT_EQ(l[7], "data " + kLongDate + ".");
    EXPECT_EQ(l[8], cp("<ASSUMPTE>, demano que es declari conclòs el procediment."));
    EXPECT_EQ(l[10], "<MUNICIPI>, " + kLongDate);

    auto chosen = fields;
    chosen.field(1000)->selected = 3;
    std::string text;
    generateFormText(kDesistiment, chosen, text);
    EXPECT_EQ(lines(text)[6], cp("administracions públiques, de la meva Sol·licitud presentada en"));
}

TEST(AdministrationForms, PleadingWaiverAndComplaint)
{
    const std::string pleading = untouched(kAllegacio);
    EXPECT_EQ(pleading.find('%'), std::string::npos);
    EXPECT_EQ(lines(pleading)[5], cp("     DECLARO, fent ús del dret que m'atorga l'article 76.1 de la"));
    EXPECT_EQ(lines(pleading)[8], cp("     <ASSUMPTE>, això que segueix:"));
    EXPECT_EQ(lines(pleading)[10], cp("     Que <DECLARACIÓ>"));
    EXPECT_TRUE(pleading.ends_with(cp("\r\n\r\n<DESTINACIÓ>")));

    const auto waiver = lines(untouched(kRenuncia));
    EXPECT_EQ(waiver[7], cp("<NÚMERO> instruït en relació amb <ASSUMPTE>, per les raons"));
    EXPECT_EQ(waiver[8], cp("següents:"));
    EXPECT_EQ(waiver[10], "<RAONS>");

    const std::string complaint = untouched(kQueixa);
    EXPECT_EQ(lines(complaint)[4], cp("SOL·LICITO que, d'acord amb la Llei 4/2014, d'1 d'abril, bàsica"));
    EXPECT_EQ(lines(complaint)[9], cp("1. Que <DECLARACIÓ>"));
    EXPECT_TRUE(complaint.ends_with(cp("<MUNICIPI>, ") + kLongDate + cp("\r\n\r\n<DESTINACIÓ>")));
}

TEST(AdministrationForms, AppealsTakeTheirModelsWording)
{
    const auto ordinary = lines(untouched(kRecursOrdi));
    const auto review = lines(untouched(kRecursRevisio));
    EXPECT_EQ(ordinary[5], cp("FORMULO RECURS D'ALÇADA, d'acord amb la"));
    EXPECT_EQ(review[5], cp("FORMULO RECURS POTESTATIU DE REPOSICIÓ, d'acord amb la"));
    // The article boxes start at the article that governs each appeal.
    EXPECT_EQ(ordinary[7], cp("comú de les administracions públiques (article 121),"));
    EXPECT_EQ(review[7], cp("comú de les administracions públiques (article 123),"));
    EXPECT_EQ(ordinary[8], cp("contra la resolució dictada amb data ") + kLongDate + cp(" per <ÒRGAN>"));
    EXPECT_EQ(ordinary[9], cp("en l'expedient <EXPEDIENT> instruït sobre <RAÓ>, en el qual"));
    EXPECT_EQ(ordinary[11], "amb data " + kLongDate + ".");
    EXPECT_EQ(ordinary[13], "AL\xB7LEGACIONS");
    EXPECT_EQ(ordinary[14], cp("      <DECLARACIÓ>"));
    EXPECT_EQ(ordinary[22], "<MUNICIPI>,  " + kLongDate);
    EXPECT_EQ(ordinary[23], cp("<DESTINACIÓ>"));
    ASSERT_EQ(ordinary.size(), 25u);
    ASSERT_EQ(review.size(), 27u);
    for (std::size_t i = 0; i < ordinary.size(); ++i) {
        if (i != 5 && i != 7) {
            EXPECT_EQ(review[i], ordinary[i]) << "line " << i;
        }
    }

    // The forms' own headings name the appeals in full; the article box of the reposition appeal
    // has a line of its own.
    auto textBefore = [](const FormDef &form, int id) {
        std::string_view before;
        for (const Item &item : form.items) {
            if (item.id == id && isField(item))
                return before;
            before = item.kind == ItemKind::NewLine ? "\n" : item.text;
        }
        return std::string_view{};
    };
    EXPECT_EQ(textBefore(kRecursOrdi, 1133), "administratiu comú de les administracions públiques (article");
    EXPECT_EQ(textBefore(kRecursRevisio, 1133), "\n");
}
