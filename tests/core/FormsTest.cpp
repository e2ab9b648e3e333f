// The commercial forms as data: their fields, names and models together, and the
// documents an untouched or partly filled form produces.

#include "FormTestSupport.h"
#include "forms/AdministrationForms.h"
#include "forms/Certificate.h"
#include "forms/CommercialForms.h"
#include "forms/FormState.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

using namespace forms;
using namespace formtest;
using namespace std::chrono;

namespace {

constexpr year_month_day kDay{year{2001}, September, day{6}};
const std::string kDate = "6 de setembre de 2001";

std::string untouched(const FormDef &form)
{
    return formtest::untouched(form, kDay);
}

const FormDef *const kCommercial[] = {&kActaReunio, &kCertificat, &kConvReunio, &kInvitacio, &kComPremsa, &kCommIntIndv,
                                      &kCommIntCol, &kCarta,      &kSaluda,     &kAlbara,    &kComanda};

} // namespace

// Every field of every form has a name of its own, written as the models write placeholders, and
// every placeholder of a model names a field of its form.
TEST(Forms, NamesModelsAndLayoutsAgree)
{
    const std::regex validName("[a-z][a-z0-9]*(_[a-z0-9]+)*");
    const std::regex placeholder("%([A-Za-z0-9_]+)%");
    for (const FormDef *form : allForms()) {
        SCOPED_TRACE(std::string(form->objectName));
        EXPECT_EQ(formByLayoutId(form->layoutId), form);

        std::set<int> ids;
        std::set<std::string_view> names;
        for (const Item &item : form->items) {
            if (isField(item) || item.kind == ItemKind::Radio || item.kind == ItemKind::AddButton) {
                EXPECT_TRUE(ids.insert(item.id).second) << "field " << item.id << " twice";
            }
            if (isField(item) || item.kind == ItemKind::Radio) {
                EXPECT_TRUE(std::regex_match(std::string(item.name), validName)) << "«" << item.name << "»";
                EXPECT_TRUE(names.insert(item.name).second) << item.name << " twice";
                EXPECT_EQ(findField(*form, item.name), isField(item) ? &item : nullptr);
                EXPECT_EQ(findField(*form, std::to_string(item.id)), isField(item) ? &item : nullptr);
            }
        }
        const bool certificate = form == &kCertificat;
        for (const int modelId : certificate ? std::vector{kCertModelA, kCertModelB} : std::vector{form->modelId}) {
            const auto model = plecta::findDocumentModel(modelId);
            ASSERT_TRUE(model);
            const std::string bytes(*model);
            for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), placeholder); it != std::sregex_iterator();
                 ++it) {
                if ((*it)[1] != "list" && (*it)[1] != "totals") {
                    EXPECT_NE(findField(*form, (*it)[1].str()), nullptr) << it->str() << " names no field";
                }
            }
            EXPECT_EQ(form->lineItems != nullptr, bytes.find("%list%") != std::string::npos);
        }
    }
    EXPECT_EQ(findField(kCertificat, "1045x"), nullptr);
    EXPECT_EQ(findField(kCertificat, ""), nullptr);
}

// Every text of every layout can be written in a document, and the layouts are well formed.
TEST(Forms, LayoutTextsAndStructure)
{
    for (const FormDef *form : kCommercial) {
        SCOPED_TRACE(std::string(form->objectName));
        int frames = 0;
        for (const Item &item : form->items) {
            EXPECT_FALSE(cp1252::fromUtf8(item.text).error) << item.text;
            for (std::string_view choice : item.items)
                EXPECT_FALSE(cp1252::fromUtf8(choice).error) << choice;
            frames += item.kind == ItemKind::FrameBegin ? 1 : item.kind == ItemKind::FrameEnd ? -1 : 0;
            EXPECT_GE(frames, 0);
            EXPECT_FALSE((item.kind == ItemKind::Edit || item.kind == ItemKind::Box) && item.text.empty() &&
                         form != &kCertificat)
                << "text box " << item.id << " without an initial text";
        }
        EXPECT_EQ(frames, 0);
        ASSERT_FALSE(form->items.empty());
        EXPECT_EQ(form->items.back().kind, ItemKind::NewLine) << "last line not ended";
    }
}

TEST(Forms, ChoiceListsAreAlphabeticalIgnoringCaseAndAccents)
{
    constexpr std::string_view withdrawal[] = {"Sol·licitud", "Petició", "Denúncia", "Queixa"};
    EXPECT_EQ(sortedChoices(withdrawal),
              (std::vector<std::string_view>{"Denúncia", "Petició", "Queixa", "Sol·licitud"}));
    constexpr std::string_view mixed[] = {"Era", "Època", "eco", "Dalt", "dàlia"};
    EXPECT_EQ(sortedChoices(mixed), (std::vector<std::string_view>{"dàlia", "Dalt", "eco", "Època", "Era"}));

    const auto fields = initialFields(kActaReunio, kDay);
    for (int id : {1000, 1001}) {
        EXPECT_EQ(fields.itemText(id, 0), cp("Càrrec"));
        EXPECT_EQ(fields.itemText(id, 4), "Secret\xE0ria");
        EXPECT_EQ(fields.selectedItem(id), 0);
    }
    const auto conv = initialFields(kConvReunio, kDay);
    EXPECT_EQ(conv.itemText(1000, conv.selectedItem(1000).value()), "El secretari");
    EXPECT_EQ(conv.itemText(1001, conv.selectedItem(1001).value()), "del president");
    // A list may start on an item other than its first in order.
    const auto minutes = initialFields(kActaReunio, kDay);
    EXPECT_EQ(minutes.itemText(1090, minutes.selectedItem(1090).value()), "secretari");
}

TEST(Forms, UntouchedMinutes)
{
    const auto text = lines(untouched(kActaReunio));
    ASSERT_EQ(text.size(), 35u); // 34 lines, each with CR LF
    EXPECT_EQ(text[0], cp("Acta de la reunió: <NOM DE L'ORGANISME>"));
    EXPECT_EQ(text[2], cp("Núm. de la sessió: <NÚMERO>"));
    EXPECT_EQ(text[3], "Data: " + kDate);
    EXPECT_EQ(text[4], "Horari: <HORARI>");
    EXPECT_EQ(text[5], cp("Lloc: <ADREÇA>"));
    EXPECT_EQ(text[8], cp("<NOM i COGNOMS>\tCàrrec"));
    EXPECT_EQ(text[9], cp("<NOM i COGNOMS, (Càrrec)>"));
    EXPECT_EQ(text[10], cp("<NOM i COGNOMS>\tCàrrec"));
    // The agenda ends with "Precs i preguntes", unnumbered after the user's points.
    EXPECT_EQ(text[17], "<PUNTS>");
    EXPECT_EQ(text[18], "Precs i preguntes");
    EXPECT_EQ(text[24], "<PRECS I PREGUNTES>");
    EXPECT_EQ(text[27], "<ACORDS>");
    EXPECT_EQ(text[30], cp("qual, com a secretari, estenc aquesta acta."));
    EXPECT_EQ(text[32], "El secretari\tVist i plau");
    EXPECT_EQ(text[33], "<NOM i COGNOMS>\t<NOM i COGNOMS>");
    EXPECT_EQ(text[34], "");

    // The secretary's office, in the sentence and over the signature.
    auto fields = initialFields(kActaReunio, kDay);
    fields.field(1090)->selected = 1;
    std::string chosen;
    generateFormText(kActaReunio, fields, chosen);
    EXPECT_EQ(lines(chosen)[30], cp("qual, com a secretària, estenc aquesta acta."));
    EXPECT_EQ(lines(chosen)[32], cp("La secretària\tVist i plau"));
}

TEST(Forms, CertificateModelChoice)
{
    auto fields = initialFields(kCertificat, kDay);
    fields.setEdit(1045, "typed for A");

    std::string a, b;
    generateCertificateText(kCertificat, fields, true, a);
    generateCertificateText(kCertificat, fields, false, b);
    EXPECT_EQ(lines(a)[6], "I,   typed for A,  expedeixo  a petici\xF3  de la persona interessada");
    EXPECT_EQ(lines(a)[10], "<MUNICIPI>, " + kDate);
    // Model B takes its closing field from 1046, left empty here.
    EXPECT_EQ(lines(b)[8], " i el segell que ho acredita.");
    EXPECT_EQ(b.find("typed for A"), std::string::npos);
    EXPECT_EQ(lines(b).size(), 11u); // the last line of model 165 has no CR LF

    fields.setEdit(1046, "the chair");
    generateCertificateText(kCertificat, fields, false, b);
    EXPECT_EQ(lines(b)[8], "the chair i el segell que ho acredita.");

    EXPECT_EQ(certificateModel(true).modelId, 164);
    EXPECT_EQ(certificateModel(false).modelId, 165);
    EXPECT_EQ(certificateModel(false).enabledGroup, certificateModel(true).disabledGroup);
}

// The form state is what the window and the command line edit and the document is merged from:
// the same edits give the same bytes as the fields merged by hand, and any edit is a change.
TEST(Forms, FormStateHoldsEveryKindOfFieldAndTheCertificateRule)
{
    FormState certificate(kCertificat, kDay);
    const FormState untouchedCertificate = certificate;
    EXPECT_TRUE(certificate == untouchedCertificate);
    EXPECT_EQ(certificate.document(), untouched(kCertificat));
    certificate.setText(1045, "typed for A");
    EXPECT_FALSE(certificate == untouchedCertificate);
    EXPECT_EQ(lines(certificate.document())[6],
              "I,   typed for A,  expedeixo  a petici\xF3  de la persona interessada");
    EXPECT_EQ(certificate.textForTheOtherModel(), nullptr);
    certificate.setModelA(false);
    ASSERT_NE(certificate.textForTheOtherModel(), nullptr);
    EXPECT_EQ(certificate.textForTheOtherModel()->name, "expedidor");
    EXPECT_EQ(certificate.document().find("typed for A"), std::string::npos) << "model B drops A's sentence";

    // A date field takes the date and shows it as the document writes it; a list selects an item
    // by its text (letter case aside) or holds typed text when it is editable.
    FormState withdrawal(kDesistiment, kDay);
    EXPECT_EQ(withdrawal.date(1084), kDay);
    withdrawal.setDate(1084, year{2024} / March / 15);
    EXPECT_EQ(withdrawal.date(1084), year{2024} / March / 15);
    EXPECT_NE(withdrawal.document().find("el 15 de mar\xE7 de 2024, relativa a"), std::string::npos);
    ASSERT_TRUE(withdrawal.findChoice(1000, "PETICI\xD3"));
    withdrawal.select(1000, withdrawal.findChoice(1000, "PETICI\xD3"));
    EXPECT_FALSE(withdrawal.holdsTypedText(1000));
    EXPECT_EQ(withdrawal.itemText(1000, *withdrawal.selectedItem(1000)), "petici\xF3");
    withdrawal.type(1000, "consulta pr\xE8via");
    EXPECT_TRUE(withdrawal.holdsTypedText(1000));
    EXPECT_NE(withdrawal.document().find("consulta pr\xE8via"), std::string::npos);
    withdrawal.type(1000, "queixa");
    EXPECT_FALSE(withdrawal.holdsTypedText(1000)) << "typing an item's text selects it";
    EXPECT_FALSE(withdrawal.findChoice(1000, "telegrama"));
    withdrawal.setModelA(false);
    EXPECT_TRUE(withdrawal.modelA()) << "only the certificate has two models";

    FormState order(kComanda, kDay);
    order.addLine({"R-1", "Cadira", "3", "25,00", "75,00"});
    ASSERT_EQ(order.lines().size(), 1u);
    EXPECT_NE(order.document().find("Cadira"), std::string::npos);
}

TEST(Forms, NoticeOfMeeting)
{
    auto fields = initialFields(kConvReunio, kDay);
    const std::string before = [&] {
        std::string t;
        generateFormText(kConvReunio, fields, t);
        return t;
    }();
    EXPECT_TRUE(before.ends_with("<MUNICIPI>, " + kDate + "\r\n\r\n"));
    EXPECT_NE(before.find(cp("Per encàrrec del president, us convoco a la reunió <CARÀCTER>")), std::string::npos);
    EXPECT_NE(before.find("El secretari <NOM DE L'ORGANISME CONVOCANT>\r\n"), std::string::npos);

    // The list beside "Per encàrrec" says whose the errand is.
    fields.field(1001)->selected = 0;
    std::string after;
    generateFormText(kConvReunio, fields, after);
    EXPECT_NE(after.find(cp("Per encàrrec de la presidenta, us convoco")), std::string::npos);
}

TEST(Forms, InvitationPressReleaseAndSaluda)
{
    auto invitation = initialFields(kInvitacio, kDay);
    EXPECT_EQ(invitation.text(1083), kDate);
    EXPECT_EQ(invitation.text(1084), kDate);
    invitation.setEdit(1084, "7 de setembre");
    std::string text;
    generateFormText(kInvitacio, invitation, text);
    EXPECT_EQ(lines(text)[4], "dia " + kDate + ", a les HH.MM hores.");
    EXPECT_EQ(lines(text)[6], "<MUNICIPI>, 7 de setembre ");
    EXPECT_EQ(lines(text)[8], "Senyor <NOM i COGNOMS>");
    EXPECT_EQ(lines(text)[10], cp("Es prega confirmació al telèfon <TELÈFON> o a l'adreça electrònica"));
    EXPECT_EQ(lines(text)[11], cp("<ADREÇA ELECTRÒNICA>."));

    auto press = initialFields(kComPremsa, kDay);
    press.setEdit(1042, "Nota");
    generateFormText(kComPremsa, press, text);
    EXPECT_EQ(text, "\r\nNota\r\n\r\n");

    auto saluda = initialFields(kSaluda, kDay);
    saluda.field(1000)->selected = 1;
    generateFormText(kSaluda, saluda, text);
    EXPECT_EQ(lines(text)[5], "Senyora <NOM I COGNOMS>");
    EXPECT_EQ(lines(text)[7], "i es complau a convidar-la a <ACTE>");
    saluda.field(1000)->selected = 0;
    generateFormText(kSaluda, saluda, text);
    EXPECT_EQ(lines(text)[7], "i es complau a convidar-lo a <ACTE>");
    EXPECT_EQ(lines(text).back(), "<MUNICIPI>, " + kDate); // the NUL ends the text
}

TEST(Forms, MemosAndLetter)
{
    std::string text = untouched(kCommIntIndv);
    EXPECT_EQ(lines(text)[3], cp(" Referència: <REFERÈNCIES>"));
    EXPECT_EQ(lines(text).back(), " <MUNICIPI>,  " + kDate + " ");

    text = untouched(kCommIntCol);
    EXPECT_EQ(lines(text)[19], "  <MUNICIPI>,   " + kDate);
    EXPECT_EQ(lines(text).back(), "  <RECORREGUT>");

    text = untouched(kCarta);
    EXPECT_EQ(lines(text)[2], cp("<ADREÇA>"));
    EXPECT_EQ(lines(text)[3], "<CODI> <MUNICIPI>");     // as the post writes it: postcode, then town
    EXPECT_EQ(lines(text)[18], cp("<CÀRREC/EMPRESA>")); // id 1001 is a text box here
    EXPECT_EQ(lines(text)[20], "<MUNICIPI>, " + kDate);
    EXPECT_EQ(lines(text)[22], cp("<INFORMACIÓ OCASIONAL>"));
}

TEST(Forms, LineItemsComeOutInTheOrderGivenWithTheirTotals)
{
    auto fields = initialFields(kAlbara, kDay);
    std::string text;
    generateFormText(kAlbara, fields, text);
    // No lines: the separator row is followed directly by the closing border, and no totals.
    EXPECT_TRUE(text.ends_with("\xA6\r\n+" + std::string(75, '-') + "+\r\n"));

    auto &rows = fields.field(plecta::kLineListId)->rows;
    for (const char *name : {"first", "second", "third"})
        rows.push_back({"1", name, "2", ""});
    generateFormText(kAlbara, fields, text);
    const auto third = text.find("third"), second = text.find("second"), first = text.find("first");
    ASSERT_NE(third, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    EXPECT_NE(text.find("2,00 "), std::string::npos);                               // each line's amount, computed
    EXPECT_TRUE(text.ends_with("Total                     7,26 \x80\r\n")) << text; // 6,00 + 21 %

    rows = {{"3", "Cadira", "25", "75"}};
    generateFormText(kAlbara, fields, text);
    const std::string bar = "\xA6";
    EXPECT_NE(text.find(bar + " 3       " + bar + "   Cadira" + std::string(28, ' ') + bar + " 25 " +
                        std::string(10, ' ') + bar + "    75 " + std::string(5, ' ') + bar + "\r\n+"),
              std::string::npos);
    EXPECT_EQ(lines(text)[5], "\t\t\t\t\t\t\t" + kDate);
    EXPECT_EQ(kAlbara.lineItems->columns.size(), kAlbara.lineItems->dialogLabels.size());
    EXPECT_EQ(kAlbara.lineItems->dialogLabels[2], "Preu unitari");
    EXPECT_EQ(kAlbara.lineItems->columns[2].header, "Preu unitari");
}

TEST(Forms, OrderTakesItsPresetNumberAndTax)
{
    auto fields = initialFields(kComanda, kDay);
    fields.field(plecta::kLineListId)->rows = {{"R-1", "Paper", "10", "2", "20"}};
    std::string text;
    generateFormText(kComanda, fields, text);
    const auto l = lines(text);
    EXPECT_EQ(l[1], cp("COMANDA NÚM.: 0"));
    EXPECT_EQ(l[2], kDate);
    EXPECT_EQ(l[6], "Tipus d'IVA: 21 %");
    EXPECT_EQ(l[12].substr(0, 6), "\xA6 R-1 ");
    EXPECT_EQ(l[12].size(), 76u); // one short of the header's last cell
    EXPECT_EQ(kComanda.lineItems->columns.size(), 5u);
    EXPECT_EQ(kComanda.lineItems->dialogLabels.size(), 5u);
}

// An ordinary field can never take the line list's id: the form descriptions refuse it when
// compiling, and no form of either catalogue gives it to anything but its line list.
template <int Id>
concept ConstantFieldId = requires
{
    typename std::integral_constant<int, forms::fieldId(Id)>;
};
static_assert(ConstantFieldId<1000> && ConstantFieldId<1001>);
static_assert(!ConstantFieldId<plecta::kLineListId>);

TEST(Forms, TheLineListIdIsReserved)
{
    int lineLists = 0;
    for (const FormDef *form : forms::allForms()) {
        for (const Item &item : form->items) {
            if (item.kind == ItemKind::LineList) {
                EXPECT_EQ(item.id, plecta::kLineListId) << form->objectName;
                ++lineLists;
            } else if (item.kind != ItemKind::Label) {
                EXPECT_NE(item.id, plecta::kLineListId) << form->objectName;
            }
        }
    }
    EXPECT_EQ(lineLists, 3); // the delivery note, the order and the quote
}
