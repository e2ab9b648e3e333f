#include "forms/AdministrationForms.h"

#include "forms/AdministrationBlocks.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace forms {
namespace {

using namespace admin;

// The layouts below are written one form line to a source line, as the form reads.
// clang-format off

// Large and medium boxes: the statement of a report or a petition against the shorter matters
// of the procedural documents.
constexpr int kLarge = 6;
constexpr int kMedium = 3;

// Sol·licitud, Model A ------------------------------------------------------------------------

constexpr std::array kSolAOwn = {
    label("EXPOSO"), br(),
    box(1046, "raonament", "<RAONAMENT>", kLarge), br(),
    gap(),
    label("Per això, SOL·LICITO:"), br(),
    box(1051, "peticio", "<PETICIÓ>", kLarge), br(),
};
constexpr auto kSolAItems = join(kApplicantItems, kSolAOwn, kClosingItems);

// Sol·licitud, Model B ------------------------------------------------------------------------

// The applicant's data as labelled boxes, two to a line. The age is followed by its unit, in a
// column of its own that is empty on the other lines, so the boxes of each side line up.
constexpr std::array kSolBOwn = {
    grid(), label("Nom:"), edit(1042, "nom", "<NOM>"), label(""), label("Cognoms:"), edit(1049, "cognoms", "<COGNOMS>"), br(),
    grid(), label("DNI/NIE:"), edit(1050, "dni", "<DNI/NIE>"), br(),
    grid(), label("Domicili:"), edit(1044, "adreca", "<ADREÇA>"), label(""), label("Municipi:"), edit(1047, "municipi", "<MUNICIPI>"), br(),
    grid(), label("CP:"), edit(1045, "codi_postal", "<CODI>", Size::Short), label(""), label("Comarca:"), edit(1048, "comarca", "<COMARCA>"), br(),
    grid(), label("Telèfon:"), edit(1001, "telefon", "<TELÈFON>"), br(),
    grid(), label("En representació de:"), edit(kRepresented, "representat", ""), label(""), label("DNI/NIE/NIF:"), edit(kRepresentedNif, "nif_representat", "", Size::Medium), br(),
    gap(),
    label("EXPOSICIÓ DE FETS:"), br(),
    box(1046, "fets", "<RAONAMENT>", kMedium), br(),
    label("MOTIVACIÓ JURÍDICA:"), br(),
    box(1053, "motivacio", "<MOTIVACIÓ JURÍDICA>", kMedium), br(),
    label("DOCUMENTS ANNEXOS:"), br(),
    box(1054, "annexos", "<ANNEXOS>", kMedium), br(),
    label("SOL·LICITUD:"), br(),
    box(3011, "peticio", "<PETICIÓ>", kMedium), br(),
};
// Box 1054 holds the enclosures here, so the addressee moves to 1056.
constexpr auto kSolBItems = join(kSolBOwn, closingItems(1056));


// Denúncia and petició: one statement under one word --------------------------------------------

constexpr std::array kDenunciaOwn = {
    label("DENUNCIO"), br(),
    box(1045, "fets", "<FETS>", 2 * kLarge), br(),
};
constexpr auto kDenunciaItems = join(kApplicantItems, kDenunciaOwn, kClosingItems);

constexpr std::array kPeticioOwn = {
    label("DEMANO"), br(),
    box(3011, "peticio", "<PETICIÓ>", 2 * kLarge), br(),
};
constexpr auto kPeticioItems = join(kApplicantItems, kPeticioOwn, kClosingItems);

// Al·legació ----------------------------------------------------------------------------------

constexpr std::array kAllegacioOwn = {
    label("DECLARO, fent ús del dret que m'atorga l'article 76.1 de la Llei 39/2015, d'1 d'octubre,"), br(),
    label("del procediment administratiu comú de les administracions públiques, en relació amb:"), br(),
    box(1045, "assumpte", "<ASSUMPTE>", kMedium), br(),
    label(", això que segueix:"), br(),
    box(1046, "declaracio", "<DECLARACIÓ>", kMedium), br(),
};
constexpr auto kAllegacioItems = join(kApplicantItems, kAllegacioOwn, kClosingItems);

// Desistiment ---------------------------------------------------------------------------------

// What a person may withdraw (article 94): a report is no request of an interested party, and
// withdrawn allegations end no procedure. Written as they stand in the sentence.
constexpr std::string_view kWithdrawnKinds[] = {"sol·licitud", "petició", "queixa"};

constexpr std::array kDesistimentOwn = {
    label("DESISTEIXO, d'acord amb l'article 94 de la Llei 39/2015, d'1 d'octubre, del procediment"), br(),
    label("administratiu comú de les administracions públiques, de la"), br(),
    choice(1000, "document", kWithdrawnKinds, true, "sol·licitud"), label("presentada el"), datePicker(1084, "data_presentacio"), stretch(), br(),
    label(", relativa a"), br(),
    box(1045, "assumpte", "<ASSUMPTE>", kMedium), br(),
    label(", i demano que es declari conclòs el procediment."), br(),
};
constexpr auto kDesistimentItems = join(kApplicantItems, kDesistimentOwn, kClosingItems);

// Renúncia ------------------------------------------------------------------------------------

constexpr std::array kRenunciaOwn = {
    label("RENUNCIO, d'acord amb l'article 94 de la Llei 39/2015, d'1 d'octubre, del procediment"), br(),
    label("administratiu comú de les administracions públiques, als meus drets en"), br(),
    label("l'expedient"), edit(1129, "expedient", "<NÚMERO>", Size::Medium), label("instruït en relació amb"), stretch(), br(),
    box(1045, "assumpte", "<ASSUMPTE>", kMedium), br(),
    label("les raons següents:"), br(),
    box(1046, "raons", "<RAONS>", kMedium), br(),
};
constexpr auto kRenunciaItems = join(kApplicantItems, kRenunciaOwn, kClosingItems);

// Queixa --------------------------------------------------------------------------------------

constexpr std::array kQueixaOwn = {
    label("SOL·LICITO que, d'acord amb la Llei 4/2014, d'1 d'abril, bàsica de les cambres oficials de comerç, "
          "indústria, serveis i navegació, es tingui per presentada i que "), br(),
    label("produeixi efectes aquesta QUEIXA, per les raons següents:"), br(),
    box(1130, "raons", "<DECLARACIÓ>", kLarge), br(),
};
constexpr auto kQueixaItems = join(kApplicantItems, kQueixaOwn, kClosingItems);

// Recursos ------------------------------------------------------------------------------------

// The article box starts at the article that governs the appeal: 121 for the appeal to a higher
// body, 123 for the reconsideration.
constexpr std::array kRecursOrdiHeading = {
    label("FORMULO RECURS D'ALÇADA, d'acord amb la Llei 39/2015, d'1 d'octubre, del procediment"), br(),
    label("administratiu comú de les administracions públiques (article"), edit(1133, "article", "121", Size::Short), br(),
};

// The longer heading leaves no room for the article box: it takes a line of its own.
constexpr std::array kRecursRevisioHeading = {
    label("FORMULO RECURS POTESTATIU DE REPOSICIÓ, d'acord amb la Llei 39/2015, d'1 d'octubre,"), br(),
    label("del procediment administratiu comú de les administracions públiques (article"), br(),
    edit(1133, "article", "123"), br(),
};

// What follows the article box, the same in both appeals.
constexpr std::array kAppealBody = {
    label("), contra la resolució dictada amb data"), datePicker(1135, "data_resolucio"), stretch(), br(),
    edit(1134, "organ", "<ÒRGAN>", Size::Long), label(" en l'expedient"), edit(1136, "expedient", "<EXPEDIENT>"), br(),
    label("instruït sobre:"), edit(1115, "assumpte", "<RAÓ>"), br(),
    label(", en el qual soc persona interessada, resolució que em va ser notificada amb data"), br(),
    datePicker(1085, "data_notificacio"), stretch(), br(),
    gap(),
    label("AL·LEGACIONS"), br(),
    box(1131, "allegacions", "<DECLARACIÓ>", kMedium), br(),
    label("DOCUMENTS ANNEXOS"), br(),
    box(1132, "annexos", "<ANNEXOS>", kMedium), br(),
    label("SOL·LICITO"), br(),
    box(3011, "peticio", "<PETICIÓ>", kMedium), br(),
};

constexpr auto kRecursOrdiItems = join(kApplicantItems, kRecursOrdiHeading, kAppealBody, kClosingItems);
constexpr auto kRecursRevisioItems = join(kApplicantItems, kRecursRevisioHeading, kAppealBody, kClosingItems);

// clang-format on

} // namespace

const FormDef kSolA{"applicationAForm", 165, 169, kSolAItems};
const FormDef kSolB{"applicationBForm", 166, 170, kSolBItems};
const FormDef kDenuncia{"reportForm", 173, 173, kDenunciaItems};
const FormDef kPeticio{"petitionForm", 174, 174, kPeticioItems};
const FormDef kAllegacio{"allegationForm", 185, 185, kAllegacioItems};
const FormDef kDesistiment{"withdrawalForm", 186, 186, kDesistimentItems};
const FormDef kRenuncia{"renunciationForm", 187, 187, kRenunciaItems};
const FormDef kQueixa{"complaintForm", 188, 188, kQueixaItems};
const FormDef kRecursOrdi{"higherAppealForm", 189, 189, kRecursOrdiItems};
const FormDef kRecursRevisio{"reconsiderationAppealForm", 190, 190, kRecursRevisioItems};

} // namespace forms
