#include "forms/AdministrationForms.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace forms {
namespace {

constexpr std::array<std::string_view, 25> kFieldPlaceholders = {
    "%field1%",  "%field2%",  "%field3%",  "%field4%",  "%field5%",  "%field6%",  "%field7%",  "%field8%",  "%field9%",
    "%field10%", "%field11%", "%field12%", "%field13%", "%field14%", "%field15%", "%field16%", "%field17%", "%field18%",
    "%field19%", "%field20%", "%field21%", "%field22%", "%field23%", "%field24%", "%field25%"};

// Every table of these forms numbers its placeholders from "%field1%" without gaps: the table is
// its field ids in placeholder order.
template <std::size_t N> constexpr std::array<PlaceholderEntry, N> numbered(const std::array<int, N> &fieldIds)
{
    static_assert(N <= kFieldPlaceholders.size());
    std::array<PlaceholderEntry, N> table{};
    for (std::size_t i = 0; i < N; ++i)
        table[i] = {kFieldPlaceholders[i], fieldIds[i]};
    return table;
}

template <int... Ids> constexpr std::array<int, sizeof...(Ids)> ids{Ids...};

// The layouts below are written one form line to a source line, as the form reads.
// clang-format off

// The applicant block: the opening sentence of the document, "<name>, major d'edat, que visc
// <municipality> (comarca <comarca>), <address>, CP <postcode>, tel. <phone>, i que tinc el DNI
// núm. <number>". The name box already holds ", major d'edat", which the models repeat.
constexpr int kName = 1042, kMunicipality = 1047, kComarca = 1048, kAddress = 1044, kPostcode = 1049,
              kPhone = 1001, kIdCard = 1050;

constexpr std::array kApplicantItems = {
    edit(kName, "<NOM i COGNOMS>,  major d'edat"), label(", que visc"), br(),
    edit(kMunicipality, "<MUNICIPI>", Size::Long), label("(comarca "), edit(kComarca, "<COMARCA>"), label("), "), br(),
    edit(kAddress, "<ADREÇA>"), label(", CP"), edit(kPostcode, "<CODI>", Size::Short), br(),
    edit(kPhone, "<TELÈFON>", Size::Medium), label(", i que tinc el DNI núm."), edit(kIdCard, "<DNI>"), br(),
    gap(),
};

// "%field1%" to "%field6%" everywhere; the identity card is "%field7%" but in Model A.
constexpr auto kApplicantLead = ids<kName, kMunicipality, kComarca, kAddress, kPostcode, kPhone>;
constexpr auto kApplicant = join(kApplicantLead, ids<kIdCard>);

// The closing block: place and date of signing on one line, the signature, the addressee.
constexpr int kPlace = 1052, kSigningDate = 1083, kAddressee = 1054;

constexpr auto closingItems(int addresseeId)
{
    return std::array{
        gap(),
        edit(kPlace, "<MUNICIPI>", Size::Medium), datePicker(kSigningDate), stretch(), br(),
        gap(),
        label("(signatura)"), br(),
        gap(),
        edit(addresseeId, "<DESTINACIÓ>", Size::Long), stretch(), br(),
    };
}

constexpr auto kClosingItems = closingItems(kAddressee);
constexpr auto kClosing = ids<kPlace, kSigningDate, kAddressee>;

// Large and medium boxes: the statement of a report or a petition against the shorter matters
// of the procedural documents.
constexpr int kLarge = 6;
constexpr int kMedium = 3;

// Sol·licitud, Model A ------------------------------------------------------------------------

constexpr std::array kSolAOwn = {
    label("EXPOSO"), br(),
    box(1046, "<RAONAMENT>", kLarge), br(),
    gap(),
    label("Per això, SOL·LICITO que:"), br(),
    box(1051, "<PETICIÓ>", kLarge), br(),
};
constexpr auto kSolAItems = join(kApplicantItems, kSolAOwn, kClosingItems);

// The identity card comes last: the model was numbered after the closing block.
constexpr auto kSolATable = numbered(join(kApplicantLead, ids<1046, 1051>, kClosing, ids<kIdCard>));

// Sol·licitud, Model B ------------------------------------------------------------------------

// The applicant's data as labelled boxes, two to a line. The age is followed by its unit, in a
// column of its own that is empty on the other lines, so the boxes of each side line up.
constexpr std::array kSolBOwn = {
    grid(), label("Nom:"), edit(1042, "<NOM>"), label(""), label("Cognoms:"), edit(1049, "<COGNOMS>"), br(),
    grid(), label("Edat:"), edit(1043, "0"), label("anys"), label("DNI:"), edit(1050, "<DNI>"), br(),
    grid(), label("Domicili:"), edit(1044, "<ADREÇA>"), label(""), label("Municipi:"), edit(1047, "<MUNICIPI>"), br(),
    grid(), label("CP:"), edit(1045, "<CODI>", Size::Short), label(""), label("Comarca:"), edit(1048, "<COMARCA>"), br(),
    grid(), label("Telèfon:"), edit(1001, "<TELÈFON>"), br(),
    gap(),
    label("EXPOSICIÓ DE FETS:"), br(),
    box(1046, "<RAONAMENT>", kMedium), br(),
    label("MOTIVACIÓ JURÍDICA:"), br(),
    box(1053, "<MOTIVACIÓ JURÍDICA>", kMedium), br(),
    label("DOCUMENTS ANNEXOS:"), br(),
    box(1054, "<ANNEXOS>", kMedium), br(),
    label("SOL·LICITUD:"), br(),
    box(3011, "<PETICIÓ>", kMedium), br(),
};
// Box 1054 holds the enclosures here, so the addressee moves to 1056.
constexpr auto kSolBItems = join(kSolBOwn, closingItems(1056));

constexpr auto kSolBTable = numbered(
    ids<1042, 1049, 1043, 1050, 1044, 1047, 1045, 1048, 1001, 1046, 1053, 1054, 3011, kPlace, kSigningDate, 1056>);

// Denúncia and petició: one statement under one word --------------------------------------------

constexpr std::array kDenunciaOwn = {
    label("DENUNCIO"), br(),
    box(1045, "<FETS>", 2 * kLarge), br(),
};
constexpr auto kDenunciaItems = join(kApplicantItems, kDenunciaOwn, kClosingItems);
constexpr auto kDenunciaTable = numbered(join(kApplicant, ids<1045>, kClosing));

constexpr std::array kPeticioOwn = {
    label("DEMANO"), br(),
    box(3011, "<PETICIÓ>", 2 * kLarge), br(),
};
constexpr auto kPeticioItems = join(kApplicantItems, kPeticioOwn, kClosingItems);
constexpr auto kPeticioTable = numbered(join(kApplicant, ids<3011>, kClosing));

// Al·legació ----------------------------------------------------------------------------------

constexpr std::array kAllegacioOwn = {
    label("DECLARO, fent ús del dret que m'atorga l'article 76.1 de la Llei 39/2015, d'1 d'octubre,"), br(),
    label("del procediment administratiu comú de les administracions públiques, en relació amb:"), br(),
    box(1045, "<ASSUMPTE>", kMedium), br(),
    label(", això que segueix:"), br(),
    box(1046, "<DECLARACIÓ>", kMedium), br(),
};
constexpr auto kAllegacioItems = join(kApplicantItems, kAllegacioOwn, kClosingItems);
// "%field8%" names a field this layout lacks; the model never asks for it.
constexpr auto kAllegacioTable = numbered(join(kApplicant, ids<3011, 1045, 1046>, kClosing));

// Desistiment ---------------------------------------------------------------------------------

// Added in this order; the list shows them sorted, "Denúncia" first and selected.
constexpr std::string_view kWithdrawnKinds[] = {"Sol·licitud", "Petició", "Denúncia", "Queixa"};

constexpr std::array kDesistimentOwn = {
    label("DESISTEIXO, d'acord amb l'article 94 de la Llei 39/2015, d'1 d'octubre, del procediment"), br(),
    label("administratiu comú de les administracions públiques, de la meva"), br(),
    choice(1000, kWithdrawnKinds, true), label("presentada en"), datePicker(1084), stretch(), br(),
    box(1045, "<ASSUMPTE>", kMedium), br(),
    label(", demano que es declari conclòs el procediment."), br(),
};
constexpr auto kDesistimentItems = join(kApplicantItems, kDesistimentOwn, kClosingItems);
constexpr auto kDesistimentTable = numbered(join(kApplicant, ids<1000, 1084, 1045>, kClosing));

// Renúncia ------------------------------------------------------------------------------------

constexpr std::array kRenunciaOwn = {
    label("RENUNCIO, d'acord amb l'article 94 de la Llei 39/2015, d'1 d'octubre, del procediment"), br(),
    label("administratiu comú de les administracions públiques, als meus drets en"), br(),
    label("l'expedient"), edit(1129, "<NÚMERO>", Size::Medium), label("instruït en relació amb"), stretch(), br(),
    box(1045, "<ASSUMPTE>", kMedium), br(),
    label("les raons següents:"), br(),
    box(1046, "<RAONS>", kMedium), br(),
};
constexpr auto kRenunciaItems = join(kApplicantItems, kRenunciaOwn, kClosingItems);
constexpr auto kRenunciaTable = numbered(join(kApplicant, ids<1129, 1045, 1046>, kClosing));

// Queixa --------------------------------------------------------------------------------------

constexpr std::array kQueixaOwn = {
    label("SOL·LICITO que, d'acord amb la Llei 4/2014, d'1 d'abril, bàsica de les cambres oficials de comerç, "
          "indústria, serveis i navegació, es tingui per presentada i que "), br(),
    label("produeixi efectes aquesta QUEIXA, per les raons següents:"), br(),
    box(1130, "<DECLARACIÓ>", kLarge), br(),
};
constexpr auto kQueixaItems = join(kApplicantItems, kQueixaOwn, kClosingItems);
constexpr auto kQueixaTable = numbered(join(kApplicant, ids<1130>, kClosing));

// Recursos ------------------------------------------------------------------------------------

// The article box starts at the article that governs the appeal: 121 for the appeal to a higher
// body, 123 for the reconsideration.
constexpr std::array kRecursOrdiHeading = {
    label("FORMULO RECURS D'ALÇADA, d'acord amb la Llei 39/2015, d'1 d'octubre, del procediment"), br(),
    label("administratiu comú de les administracions públiques (article"), edit(1133, "121", Size::Short), br(),
};

// The longer heading leaves no room for the article box: it takes a line of its own.
constexpr std::array kRecursRevisioHeading = {
    label("FORMULO RECURS POTESTATIU DE REPOSICIÓ, d'acord amb la Llei 39/2015, d'1 d'octubre,"), br(),
    label("del procediment administratiu comú de les administracions públiques (article"), br(),
    edit(1133, "123"), br(),
};

// What follows the article box, the same in both appeals.
constexpr std::array kAppealBody = {
    label("), contra la resolució dictada amb data"), datePicker(1135), stretch(), br(),
    edit(1134, "<ÒRGAN>", Size::Long), label(" en l'expedient"), edit(1136, "<EXPEDIENT>"), br(),
    label("instruït sobre:"), edit(1115, "<RAÓ>"), br(),
    label(", en el qual soc persona interessada, resolució que em va ser notificada amb data"), br(),
    datePicker(1085), stretch(), br(),
    gap(),
    label("AL·LEGACIONS"), br(),
    box(1131, "<DECLARACIÓ>", kMedium), br(),
    label("DOCUMENTS ANNEXOS"), br(),
    box(1132, "<ANNEXOS>", kMedium), br(),
    label("SOL·LICITO"), br(),
    box(3011, "<PETICIÓ>", kMedium), br(),
};

constexpr auto kRecursOrdiItems = join(kApplicantItems, kRecursOrdiHeading, kAppealBody, kClosingItems);
constexpr auto kRecursRevisioItems = join(kApplicantItems, kRecursRevisioHeading, kAppealBody, kClosingItems);
constexpr auto kAppealTable =
    numbered(join(kApplicant, ids<1133, 1135, 1134, 1136, 1115, 1085, 1131, 1132, 3011>, kClosing));

// clang-format on

} // namespace

const FormDef kSolA{"CAPViewSolA", 165, 169, 327, kSolAItems, kSolATable};
const FormDef kSolB{"CAPViewSolB", 166, 170, 369, kSolBItems, kSolBTable};
const FormDef kDenuncia{"CAPViewDenuncia", 173, 173, 319, kDenunciaItems, kDenunciaTable};
const FormDef kPeticio{"CAPViewPeticio", 174, 174, 319, kPeticioItems, kPeticioTable};
const FormDef kAllegacio{"CAPViewAllegacio", 185, 185, 303, kAllegacioItems, kAllegacioTable};
const FormDef kDesistiment{"CAPViewDesistiment", 186, 186, 303, kDesistimentItems, kDesistimentTable};
const FormDef kRenuncia{"CAPViewRenuncia", 187, 187, 303, kRenunciaItems, kRenunciaTable};
const FormDef kQueixa{"CAPViewQueixa", 188, 188, 303, kQueixaItems, kQueixaTable};
const FormDef kRecursOrdi{"CAPViewRecursOrdi", 189, 189, 303, kRecursOrdiItems, kAppealTable};
const FormDef kRecursRevisio{"CAPViewRecursRevisio", 190, 190, 303, kRecursRevisioItems, kAppealTable};

} // namespace forms
