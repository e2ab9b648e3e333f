// The procedures of today (responsible declaration, communication, representation, access to
// information and its claim, data-protection rights, extraordinary review) and the quote: the
// document each gives with typical values, and with its optional boxes left empty.

#include "forms/ProcedureForms.h"
#include "FormTestSupport.h"
#include "forms/DocumentCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

using namespace forms;
using namespace formtest;
using namespace std::chrono;

namespace {

constexpr year_month_day kDay{year{2026}, December, day{8}};

// A field's text, or for a choice list the item chosen (as the list shows it).
struct Value
{
    int id;
    const char *text;
};

// The applicant of every administration form, living in Moià. The notification means stays as
// the form starts it, so every document below also shows that default: by electronic means.
const std::vector<Value> kApplicant = {
    {1042, "Maria Puig i Soler"}, {1050, "12345678Z"}, {1047, "Moià"},        {1048, "Moianès"},
    {1044, "carrer Major, 3"},    {1049, "08180"},     {1001, "938 300 000"}, {1052, "Moià"},
    {1054, "Ajuntament de Moià"},
};
const std::vector<Value> kRepresentedAndNotified = {
    {1140, "Anna Roca i Vila"}, {1141, "87654321X"}, {1143, "maria@exemple.cat"}, {1144, "L01081384"}};

// The document with these values set over the form as it starts, read as a reader reads it: lines
// joined, each run of spaces, tabs and line ends as one space.
std::string document(const FormDef &form, const std::vector<Value> &values)
{
    plecta::MemoryFieldSource fields = initialFields(form, kDay);
    for (const Value &value : values) {
        plecta::MemoryField *field = fields.field(value.id);
        if (!field) {
            ADD_FAILURE() << form.objectName << " has no field " << value.id;
            continue;
        }
        if (field->items.empty()) {
            field->text = cp(value.text);
            continue;
        }
        const auto at = std::find(field->items.begin(), field->items.end(), cp(value.text));
        if (at == field->items.end())
            ADD_FAILURE() << form.objectName << ": no item \"" << value.text << "\" in " << value.id;
        else
            field->selected = int(at - field->items.begin());
    }
    std::string text;
    generateFormText(form, fields, text);
    std::string joined;
    for (char c : cp1252::toUtf8(text)) {
        const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!space)
            joined += c;
        else if (!joined.empty() && joined.back() != ' ')
            joined += ' ';
    }
    return joined;
}

std::vector<Value> with(std::vector<Value> values, const std::vector<Value> &more)
{
    values.insert(values.end(), more.begin(), more.end());
    return values;
}

struct Case
{
    const FormDef *form;
    std::vector<Value> own;                  // the kind's own fields, typical values
    std::vector<const char *> sentences;     // in the document, in this order
    std::vector<const char *> whenEmpty;     // in the document once the optional boxes are emptied
    std::vector<const char *> goneWhenEmpty; // and no longer there
};

const char *kOpening = "Maria Puig i Soler, major d'edat, amb DNI/NIE núm. 12345678Z, amb domicili a Moià "
                       "(Moianès), carrer Major, 3, CP 08180, telèfon 938 300 000,";
const char *kRepresentation = "en representació d'Anna Roca i Vila, amb DNI/NIE/NIF núm. 87654321X,";
const char *kNotice = "Vull rebre les notificacions per mitjans electrònics, i l'avís de cada notificació a "
                      "l'adreça electrònica maria@exemple.cat.";
const char *kNoticeAlone = "Vull rebre les notificacions per mitjans electrònics.";
const char *kAddressee = "Ajuntament de Moià (codi DIR3: L01081384)";

const Case kCases[] = {
    {&kDeclaracioResponsable,
     {{1210, "l'obertura d'una botiga de roba"}, {1211, "Superfície inferior a 120 m2."}},
     {"DECLARO, sota la meva responsabilitat, d'acord amb l'article 69.1 de la Llei 39/2015, d'1 d'octubre, del "
      "procediment administratiu comú de les administracions públiques, en relació amb l'obertura d'una botiga de "
      "roba:",
      "que són els següents: Superfície inferior a 120 m2.", "Que disposo de la documentació que ho acredita.",
      "Que la posaré a disposició de l'Administració quan me la requereixi.",
      "Que em comprometo a mantenir el compliment d'aquests requisits durant tot el temps",
      "des del dia que es presenta, sens perjudici de les facultats de comprovació, control i inspecció"},
     {},
     {}},
    {&kComunicacioPrevia,
     {{1212, "inicio l'activitat de perruqueria"}, {1213, "Local de 60 m2 al carrer Major, 5."}},
     {"COMUNICO, d'acord amb l'article 69.2 de la Llei 39/2015,", "Que inicio l'activitat de perruqueria.",
      "Que les dades d'aquesta comunicació són les següents: Local de 60 m2 al carrer Major, 5.",
      "Que l'activitat o l'exercici del dret comença el", "8 de desembre de 2026."},
     {},
     {}},
    {&kRepresentacio,
     {{1215, "Joan Serra i Pous"},
      {1216, "11111111H"},
      {1217, "l'Ajuntament de Moià"},
      {1218, "en el procediment que s'indica"},
      {1219, "llicència d'obres 2026/145"}},
     {"ATORGO LA REPRESENTACIÓ, d'acord amb l'article 5 de la Llei 39/2015,",
      "a Joan Serra i Pous, amb DNI/NIE/NIF núm. 11111111H, perquè actuï com a representant davant l'Ajuntament de "
      "Moià en el procediment que s'indica.",
      "Procediment: llicència d'obres 2026/145",
      "ACCEPTO la representació i responc de l'autenticitat de la signatura de la persona que l'atorga. Joan Serra "
      "i Pous"},
     {"davant l'Ajuntament de Moià en el procediment que s'indica. La representació comprèn"},
     {"Procediment:"}},
    {&kAccesInformacio,
     {{1220, "Els contractes menors del 2025."}, {1221, "en còpia electrònica"}, {1222, "Un estudi periodístic."}},
     {"SOL·LICITO, d'acord amb l'article 18 de la Llei 19/2014, del 29 de desembre, de transparència, accés a la "
      "informació pública i bon govern, l'accés a la informació pública següent: Els contractes menors del 2025.",
      "Vull accedir a aquesta informació en còpia electrònica.",
      "Demano aquesta informació pels motius següents: Un estudi periodístic."},
     {"Vull accedir a aquesta informació en còpia electrònica."},
     {"motius"}},
    {&kReclamacioAcces,
     {{1224, "l'Ajuntament de Moià"},
      {1225, "Els contractes menors del 2025."},
      {1226, "l'Administració me l'ha denegada totalment"},
      {1227, "30 d'octubre de 2026"},
      {1228, "La informació no afecta cap dada personal."}},
     {"EXPOSO Que el",
      "8 de desembre de 2026 vaig presentar a l'Ajuntament de Moià una sol·licitud d'accés a la "
      "informació pública següent: Els contractes menors del 2025.",
      "Que, pel que fa a aquesta sol·licitud, l'Administració me l'ha denegada totalment, segons la resolució que "
      "em va ser notificada el 30 d'octubre de 2026.",
      "d'acord amb l'article 39 de la Llei 19/2014,",
      "PRESENTO aquesta RECLAMACIÓ per les raons següents: La informació no afecta cap dada personal.",
      "SOL·LICITO que la Comissió reconegui el meu dret d'accés a la informació sol·licitada i que n'ordeni el "
      "lliurament."},
     {"l'Administració me l'ha denegada totalment. Per això,"},
     {"notificada"}},
    {&kDretsDades,
     {{1229, "de supressió (article 17)"},
      {1230, "Botigues Roca, SL"},
      {1231, "se suprimeixin les meves dades de la llista de clients."}},
     {"EXERCEIXO el dret de supressió (article 17) del Reglament (UE) 2016/679 del Parlament Europeu i del Consell,",
      "de 5 de desembre, de protecció de dades personals i garantia dels drets digitals, davant Botigues Roca, SL, "
      "com a responsable del tractament de les meves dades personals.",
      "Per això, SOL·LICITO: Que se suprimeixin les meves dades de la llista de clients."},
     {},
     {}},
    {&kRecursRevisioExtra,
     {{1232, "l'alcaldessa"},
      {1234, "2025/77"},
      {1235, "han aparegut documents de valor essencial per resoldre l'assumpte que evidencien l'error de la "
             "resolució"},
      {1236, "El certificat adjunt prova que l'obra es va acabar el 2024."},
      {1237, "Certificat final d'obra."},
      {1238, "es revisi la resolució i es deixi sense efecte la sanció."}},
     {"FORMULO RECURS EXTRAORDINARI DE REVISIÓ, d'acord amb l'article 125 de la Llei 39/2015,",
      "contra la resolució dictada per l'alcaldessa amb data",
      "8 de desembre de 2026 en l'expedient 2025/77, "
      "ferma en via administrativa, pel motiu següent: han aparegut documents de valor essencial per resoldre "
      "l'assumpte que evidencien l'error de la resolució.",
      "AL·LEGACIONS El certificat adjunt prova que l'obra es va acabar el 2024.",
      "DOCUMENTS ANNEXOS Certificat final d'obra.",
      "SOL·LICITO Que es revisi la resolució i es deixi sense efecte la sanció."},
     {"l'obra es va acabar el 2024. SOL·LICITO"},
     {"ANNEXOS"}},
};

// The own optional boxes of each kind, emptied for the second document.
std::vector<Value> emptied(const Case &c)
{
    std::vector<Value> values = {{1140, ""}, {1141, ""}, {1143, ""}, {1144, ""}};
    for (int id : {1219, 1222, 1227, 1237})
        if (std::any_of(c.own.begin(), c.own.end(), [id](const Value &v) { return v.id == id; }))
            values.push_back({id, ""});
    return values;
}

void expectInOrder(const std::string &document, const std::vector<const char *> &sentences)
{
    std::size_t from = 0;
    for (const char *sentence : sentences) {
        const std::size_t at = document.find(sentence, from);
        EXPECT_NE(at, std::string::npos) << "missing or out of order: " << sentence << "\nin: " << document;
        if (at != std::string::npos)
            from = at + std::strlen(sentence);
    }
}

} // namespace

TEST(ProcedureForms, TypicalValuesGiveTheDocumentsWords)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(std::string(c.form->objectName));
        const std::string text = document(*c.form, with(with(kApplicant, kRepresentedAndNotified), c.own));
        std::vector<const char *> sentences = {kOpening, kRepresentation};
        sentences.insert(sentences.end(), c.sentences.begin(), c.sentences.end());
        sentences.insert(sentences.end(), {kNotice, "Moià, ", kAddressee});
        expectInOrder(text, sentences);
        EXPECT_EQ(text.find_first_of("%{}<>"), std::string::npos) << text;
        if (c.form == &kRepresentacio)
            expectInOrder(text, {"Moià, ", "(signatura de la persona que atorga la representació) (signatura de la "
                                           "persona representant) Ajuntament de Moià"});
    }
}

TEST(ProcedureForms, EmptyOptionalBoxesLeaveTheirPartsOut)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(std::string(c.form->objectName));
        const std::vector<Value> values = with(with(with(kApplicant, kRepresentedAndNotified), c.own), emptied(c));
        const std::string text = document(*c.form, values);
        std::vector<const char *> sentences = {kOpening};
        sentences.insert(sentences.end(), c.whenEmpty.begin(), c.whenEmpty.end());
        sentences.push_back(kNoticeAlone);
        expectInOrder(text, sentences);
        for (const char *gone : c.goneWhenEmpty)
            EXPECT_EQ(text.find(gone), std::string::npos) << gone;
        for (const char *gone : {"representació de", "l'avís", "DIR3"})
            EXPECT_EQ(text.find(gone), std::string::npos) << gone;
        EXPECT_NE(text.find("Ajuntament de Moià"), std::string::npos);
        EXPECT_EQ(text.find_first_of("%{}"), std::string::npos) << text;
    }
}

TEST(ProcedureForms, QuoteListsItsLinesAndKeepsItsOptionalLinesOut)
{
    const std::vector<Value> issuer = {{1240, "Fusteria Vila, SL"},
                                       {1241, "B12345678"},
                                       {1242, "carrer Nou, 8, Vic"},
                                       {1244, "2026/31"},
                                       {1245, "Anna Roca i Vila"}};
    const std::string full = document(kPressupost, with(issuer, {{1243, "938 000 000"},
                                                                 {1246, "87654321X"},
                                                                 {1247, "plaça Gran, 1, Moià"},
                                                                 {1250, "50 % a l'encàrrec i 50 % al lliurament."}}));
    expectInOrder(full, {"Fusteria Vila, SL NIF: B12345678 carrer Nou, 8, Vic Telèfon: 938 000 000",
                         "PRESSUPOST NÚM. 2026/31 Data: 8 de desembre de 2026",
                         "Client: Anna Roca i Vila NIF: 87654321X Adreça: plaça Gran, 1, Moià", "Tipus d'IVA: 21 %",
                         "Aquest pressupost és vàlid durant 30 dies a partir de la data d'emissió.",
                         "CONDICIONS DE PAGAMENT 50 % a l'encàrrec i 50 % al lliurament."});

    const std::string bare = document(kPressupost, issuer);
    expectInOrder(bare, {"carrer Nou, 8, Vic PRESSUPOST NÚM. 2026/31", "Client: Anna Roca i Vila +---"});
    for (const char *gone : {"Telèfon", "Adreça:", "NIF: 8"})
        EXPECT_EQ(bare.find(gone), std::string::npos) << gone;
    EXPECT_EQ(bare.find_first_of("{}"), std::string::npos) << bare; // the VAT rate's "%" is text
}

// Every new kind is in its catalogue with a form that fills its model, and the quote's
// description says plainly what it is not.
TEST(ProcedureForms, CataloguedWithTheirFormsAndModels)
{
    std::set<int> seen;
    for (const DocListEntry *catalogue : {g_tcDocList, g_apDocList})
        for (const DocListEntry &row : catalogueRows(catalogue))
            if (row.level == 1 && row.formId >= 191 && row.formId <= 198) {
                seen.insert(row.formId);
                const FormDef *form = formByLayoutId(row.formId);
                ASSERT_NE(form, nullptr) << row.name;
                EXPECT_TRUE(plecta::findDocumentModel(form->modelId)) << row.name;
                if (row.formId == 198) {
                    EXPECT_NE(row.description.find("un pressupost no és una factura"), std::string_view::npos);
                    EXPECT_NE(row.description.find("1619/2012"), std::string_view::npos);
                    EXPECT_NE(row.description.find("1007/2023"), std::string_view::npos);
                }
            }
    EXPECT_EQ(seen.size(), 8u);
}
