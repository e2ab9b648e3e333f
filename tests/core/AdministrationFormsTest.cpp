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
const std::string kDate = "7 de desembre de 2026"; // the picker shows the weekday, documents do not

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
const std::string kApplicant = "1042 1050 1047 1048 1044 1049 1001 1140 1141 ";
const std::string kClosing = " 1142 1143 1052 1083 1054 1144";
const std::string kApplicantNames = "nom dni municipi comarca adreca codi_postal telefon representat nif_representat ";
const std::string kClosingNames = " mitja_notificacio correu lloc data destinacio dir3";

struct Expected
{
    const FormDef *form;
    std::string_view objectName;
    int layoutId, modelId;
    std::string layout; // field ids in layout order
    std::string names;  // field names in layout order
};

const Expected kExpected[] = {
    {&kSolA, "applicationAForm", 165, 169, kApplicant + "1046 1051" + kClosing,
     kApplicantNames + "raonament peticio" + kClosingNames},
    {&kSolB, "applicationBForm", 166, 170,
     "1042 1049 1050 1044 1047 1045 1048 1001 1140 1141 1046 1053 1054 3011 1142 1143 1052 1083 1056 1144",
     "nom cognoms dni adreca municipi codi_postal comarca telefon representat nif_representat fets motivacio annexos "
     "peticio" +
         kClosingNames},
    {&kDenuncia, "reportForm", 173, 173, kApplicant + "1045" + kClosing, kApplicantNames + "fets" + kClosingNames},
    {&kPeticio, "petitionForm", 174, 174, kApplicant + "3011" + kClosing, kApplicantNames + "peticio" + kClosingNames},
    {&kAllegacio, "allegationForm", 185, 185, kApplicant + "1045 1046" + kClosing,
     kApplicantNames + "assumpte declaracio" + kClosingNames},
    {&kDesistiment, "withdrawalForm", 186, 186, kApplicant + "1000 1084 1045" + kClosing,
     kApplicantNames + "document data_presentacio assumpte" + kClosingNames},
    {&kRenuncia, "renunciationForm", 187, 187, kApplicant + "1129 1045 1046" + kClosing,
     kApplicantNames + "expedient assumpte raons" + kClosingNames},
    {&kQueixa, "complaintForm", 188, 188, kApplicant + "1130" + kClosing, kApplicantNames + "raons" + kClosingNames},
    {&kRecursOrdi, "higherAppealForm", 189, 189, kApplicant + "1133 1135 1134 1136 1115 1085 1131 1132 3011" + kClosing,
     kApplicantNames + "article data_resolucio organ expedient assumpte data_notificacio allegacions annexos peticio" +
         kClosingNames},
    {&kRecursRevisio, "reconsiderationAppealForm", 190, 190,
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
        SCOPED_TRACE(std::string(e.objectName));
        EXPECT_EQ(form.objectName, e.objectName);
        EXPECT_EQ(form.layoutId, e.layoutId);
        EXPECT_EQ(form.modelId, e.modelId);
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

// Joins a document's lines as a reader reads its sentences.
std::string joined(const std::string &text)
{
    std::string out;
    for (const std::string &line : lines(text))
        out += (out.empty() || out.back() == '\n' || line.empty() ? "" : " ") + line + (line.empty() ? "\n" : "");
    return out;
}

// A form filled as a user fills it; fields left out keep their initial texts.
std::string filled(const FormDef &form, const std::vector<std::pair<std::string_view, std::string>> &values)
{
    plecta::MemoryFieldSource fields = initialFields(form, kDay);
    for (const auto &[name, value] : values) {
        const auto item = std::find_if(form.items.begin(), form.items.end(),
                                       [&](const Item &i) { return isField(i) && i.name == name; });
        EXPECT_NE(item, form.items.end()) << name;
        if (item != form.items.end())
            fields.field(item->id)->text = cp(value);
    }
    std::string text;
    generateFormText(form, fields, text);
    return text;
}

const std::vector<std::pair<std::string_view, std::string>> kMaria = {
    {"nom", "Maria Puig i Soler"},       {"dni", "12345678Z"},     {"municipi", "Moià"},       {"comarca", "Moianès"},
    {"adreca", "carrer Major, 3"},       {"codi_postal", "08180"}, {"telefon", "938 300 000"}, {"lloc", "Moià"},
    {"destinacio", "Ajuntament de Moià"}};

const FormDef *const kApplicantForms[] = {&kSolA,     &kDenuncia, &kPeticio,    &kAllegacio,    &kDesistiment,
                                          &kRenuncia, &kQueixa,   &kRecursOrdi, &kRecursRevisio};

TEST(AdministrationForms, EveryApplicationOpensWithTheApplicantOnce)
{
    for (const FormDef *form : kApplicantForms) {
        SCOPED_TRACE(std::string(form->objectName));
        const std::string text = joined(filled(*form, kMaria));
        EXPECT_TRUE(text.starts_with(cp("Maria Puig i Soler, major d'edat, amb DNI/NIE núm. 12345678Z, amb domicili a "
                                        "Moià (Moianès), carrer Major, 3, CP 08180, telèfon 938 300 000,\n")))
            << text;
        EXPECT_EQ(text.find("major d'edat"), text.rfind("major d'edat"));
        // The optional parts are absent while their boxes are empty; no weekday in the date line.
        EXPECT_EQ(text.find(cp("representació")), std::string::npos);
        EXPECT_NE(text.find(cp("\nVull rebre les notificacions per mitjans electrònics.\n")), std::string::npos);
        EXPECT_NE(text.find(cp("\nMoià, ") + kDate + "\n(signatura)\nAjuntament de Moi\xE0"), std::string::npos);
        EXPECT_EQ(text.find("DIR3"), std::string::npos);
        EXPECT_EQ(text.find('{'), std::string::npos);
        EXPECT_EQ(text.find('%'), std::string::npos);

        // The untouched form: the name box holds the name alone.
        EXPECT_TRUE(untouched(*form).starts_with(cp("<NOM i COGNOMS>, major d'edat, amb DNI/NIE núm. <DNI/NIE>,")));
    }
}

TEST(AdministrationForms, RepresentationNotificationsAndAddresseeWhenGiven)
{
    auto values = kMaria;
    values.push_back({"municipi", "el Masnou"});
    values.push_back({"lloc", "el Masnou"});
    values.push_back({"representat", "Anna Roca i Vila"});
    values.push_back({"nif_representat", "87654321X"});
    values.push_back({"correu", "maria@exemple.cat"});
    values.push_back({"dir3", "L01081214"});
    for (const FormDef *form : kApplicantForms) {
        SCOPED_TRACE(std::string(form->objectName));
        const std::string text = joined(filled(*form, values));
        EXPECT_NE(text.find(cp("amb domicili a")), std::string::npos);
        EXPECT_NE(text.find("amb domicili al Masnou (Moian"), std::string::npos) << text;
        EXPECT_NE(text.find(cp("telèfon 938 300 000, en representació d'Anna Roca i Vila, amb DNI/NIE/NIF núm. "
                               "87654321X,\n")),
                  std::string::npos);
        EXPECT_NE(text.find(cp("Vull rebre les notificacions per mitjans electrònics, i l'avís de cada notificació a "
                               "l'adreça electrònica maria@exemple.cat.\n")),
                  std::string::npos);
        EXPECT_NE(text.find("\nEl Masnou, " + kDate + "\n"), std::string::npos);
        EXPECT_TRUE(text.ends_with(cp("Ajuntament de Moià (codi DIR3: L01081214)")) ||
                    text.ends_with(cp("Ajuntament de Moià (codi DIR3: L01081214)\n")))
            << text;
    }
}

TEST(AdministrationForms, ALegalEntityIsNotifiedElectronically)
{
    plecta::MemoryFieldSource fields = initialFields(kPeticio, kDay);
    std::string text;
    // Paper chosen for a company: the document still says electronic means.
    fields.field(1142)->selected = 0; // "en paper, al domicili indicat", first in order
    fields.field(1141)->text = "B12345678";
    generateFormText(kPeticio, fields, text);
    EXPECT_NE(joined(text).find(cp("Vull rebre les notificacions per mitjans electrònics.")), std::string::npos);
    // A person may choose paper.
    fields.field(1141)->text = "87654321X";
    generateFormText(kPeticio, fields, text);
    EXPECT_NE(joined(text).find(cp("Vull rebre les notificacions en paper, al domicili indicat.")), std::string::npos);
}

TEST(AdministrationForms, UntouchedApplications)
{
    const auto a = lines(untouched(kSolA));
    EXPECT_EQ(a[4], "EXPOSO");
    EXPECT_EQ(a[6], "     Que <RAONAMENT>");
    EXPECT_EQ(a[10], cp("     Que <PETICIÓ>"));

    const auto b = lines(untouched(kSolB));
    EXPECT_EQ(b[0], "Nom: <NOM>\t\t\t\tCognoms:  <COGNOMS>");
    EXPECT_EQ(b[1], "DNI/NIE:  <DNI/NIE>");
    EXPECT_EQ(b[2], cp("Domicili:  <ADREÇA>\t\t\tMunicipi:  <MUNICIPI>"));
    EXPECT_EQ(b[4], cp("Telèfon:  <TELÈFON>"));
    EXPECT_EQ(b[5], "");
    EXPECT_EQ(b[6], cp("EXPOSICIÓ DE FETS:"));
    EXPECT_EQ(untouched(kSolB).find("Edat"), std::string::npos);
}

TEST(AdministrationForms, WithdrawalListAndItsDates)
{
    const auto fields = initialFields(kDesistiment, kDay);
    std::vector<std::string> shown;
    for (int i = 0; i < 3; ++i)
        shown.push_back(cp1252::toUtf8(fields.itemText(1000, i)));
    EXPECT_EQ(shown, (std::vector<std::string>{"petició", "queixa", "sol·licitud"}));
    EXPECT_EQ(fields.itemText(1000, 3), "");
    EXPECT_EQ(fields.selectedItem(1000), 2); // "sol·licitud"

    const std::string text = joined(filled(kDesistiment, {{"assumpte", "el permís d'obres del carrer Major, 3"}}));
    EXPECT_NE(text.find(cp("de les administracions públiques, de la sol·licitud presentada el ") + kDate +
                        cp(", relativa al permís d'obres del carrer Major, 3, i demano que es declari conclòs el "
                           "procediment.")),
              std::string::npos)
        << text;

    // Filed on the 1st or the 11th: "l'1", "l'11".
    auto first = fields;
    first.field(1084)->text = "diumenge, 1 de mar\xE7 de 2026";
    std::string withdrawn;
    generateFormText(kDesistiment, first, withdrawn);
    EXPECT_NE(joined(withdrawn).find("presentada l'1 de mar\xE7 de 2026,"), std::string::npos);
}

TEST(AdministrationForms, PleadingWaiverAndComplaint)
{
    const std::string pleading = joined(untouched(kAllegacio));
    EXPECT_NE(pleading.find(cp("DECLARO, fent ús del dret que m'atorga l'article 76.1 de la Llei 39/2015")),
              std::string::npos);
    EXPECT_NE(pleading.find(cp("<ASSUMPTE>, això que segueix:\n     Que <DECLARACIÓ>\n")), std::string::npos);

    const std::string waiver = joined(untouched(kRenuncia));
    EXPECT_NE(waiver.find(cp("<NÚMERO> instruït en relació amb <ASSUMPTE>, per les raons següents:\n<RAONS>\n")),
              std::string::npos);

    const std::string complaint = joined(untouched(kQueixa));
    EXPECT_NE(complaint.find(cp("SOL·LICITO que, d'acord amb la Llei 4/2014, d'1 d'abril, bàsica")), std::string::npos);
    EXPECT_NE(complaint.find(cp("1. Que <DECLARACIÓ>\n")), std::string::npos);
}

TEST(AdministrationForms, AppealsTakeTheirModelsWording)
{
    const std::string ordinary = joined(untouched(kRecursOrdi));
    const std::string review = joined(untouched(kRecursRevisio));
    EXPECT_NE(ordinary.find(cp("FORMULO RECURS D'ALÇADA, d'acord amb la Llei 39/2015")), std::string::npos);
    EXPECT_NE(review.find(cp("FORMULO RECURS POTESTATIU DE REPOSICIÓ, d'acord amb la Llei 39/2015")),
              std::string::npos);
    // The article boxes start at the article that governs each appeal.
    EXPECT_NE(ordinary.find(cp("públiques (article 121), contra la resolució dictada amb data ") + kDate +
                            cp(" per <ÒRGAN> en l'expedient <EXPEDIENT> instruït sobre <RAÓ>")),
              std::string::npos);
    EXPECT_NE(review.find(cp("públiques (article 123), contra")), std::string::npos);
    EXPECT_NE(ordinary.find("notificada amb data " + kDate + "."), std::string::npos);

    // The body appealed against: "per el Departament" contracts.
    const std::string byBody = joined(filled(kRecursOrdi, {{"organ", "el Departament de Territori"}}));
    EXPECT_NE(byBody.find(" pel Departament de Territori en l'expedient"), std::string::npos);

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
