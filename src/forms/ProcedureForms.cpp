#include "forms/ProcedureForms.h"

#include "forms/AdministrationBlocks.h"

#include <array>

namespace forms {
namespace {

using namespace admin;

// The layouts below are written one form line to a source line, as the form reads.
// clang-format off

constexpr int kMedium = 3;
constexpr int kLarge = 5;

// Declaració responsable ----------------------------------------------------------------------

constexpr std::array kDeclaracioOwn = {
    label("DECLARO, sota la meva responsabilitat, d'acord amb l'article 69.1 de la Llei 39/2015, en relació amb"), br(),
    edit(1210, "activitat", "<ACTIVITAT O DRET>"), br(),
    label("Que compleixo els requisits que estableix la normativa vigent, que són els següents:"), br(),
    box(1211, "requisits", "<REQUISITS>", kLarge), br(),
    label("Que disposo de la documentació que ho acredita, que la posaré a disposició de l'Administració quan me la "
          "requereixi i que em comprometo a mantenir-ne el compliment mentre duri l'activitat o el dret."), br(),
};
constexpr auto kDeclaracioItems = join(kApplicantItems, kDeclaracioOwn, kClosingItems);

// Comunicació prèvia --------------------------------------------------------------------------

constexpr std::array kComunicacioOwn = {
    label("COMUNICO, d'acord amb l'article 69.2 de la Llei 39/2015:"), br(),
    label("Que"), edit(1212, "objecte", "<QUÈ ES COMUNICA>"), br(),
    label("Que les dades d'aquesta comunicació són les següents:"), br(),
    box(1213, "dades", "<DADES>", kLarge), br(),
    label("Que l'activitat o l'exercici del dret comença el"), datePicker(1214, "data_inici"), stretch(), br(),
};
constexpr auto kComunicacioItems = join(kApplicantItems, kComunicacioOwn, kClosingItems);

// Atorgament de representació -----------------------------------------------------------------

// Sorted, the procedure comes first: most grants are for one procedure.
constexpr std::string_view kScopeChoices[] = {"en el procediment que s'indica", "en qualsevol actuació administrativa"};

constexpr std::array kRepresentacioOwn = {
    label("ATORGO LA REPRESENTACIÓ, d'acord amb l'article 5 de la Llei 39/2015, a"), br(),
    edit(1215, "apoderat", "<NOM i COGNOMS O RAÓ SOCIAL>"), label(", amb DNI/NIE/NIF núm."), edit(1216, "nif_apoderat", "<DNI/NIE/NIF>", Size::Medium), br(),
    label("perquè actuï com a representant davant"), edit(1217, "administracio", "<ADMINISTRACIÓ>"), br(),
    choice(1218, "abast", kScopeChoices, false), stretch(), br(),
    label("Procediment:"), edit(1219, "procediment", ""), br(),
    gap(),
    label("ACCEPTO la representació i responc de l'autenticitat de la signatura de la persona que l'atorga."), br(),
};
constexpr auto kRepresentacioItems = join(kApplicantItems, kRepresentacioOwn,
    closingItems(kAddressee, "<DESTINACIÓ>", "(signatura de la persona que atorga la representació i de la persona representant)"));

// Sol·licitud d'accés a la informació pública -------------------------------------------------

// Sorted, the electronic copy comes first: the usual form of access.
constexpr std::string_view kAccessChoices[] = {"en còpia electrònica", "en còpia en paper", "mitjançant consulta presencial"};

constexpr std::array kAccesOwn = {
    label("SOL·LICITO, d'acord amb l'article 18 de la Llei 19/2014, l'accés a la informació pública següent:"), br(),
    box(1220, "informacio", "<INFORMACIÓ>", kLarge), br(),
    label("Vull accedir a aquesta informació"), choice(1221, "forma_acces", kAccessChoices, false), stretch(), br(),
    label("Motius (no cal indicar-los):"), br(),
    box(1222, "motius", "", kMedium), br(),
};
constexpr auto kAccesItems = join(kApplicantItems, kAccesOwn, kClosingItems);

// Reclamació davant la comissió de garantia del dret d'accés ----------------------------------

constexpr std::string_view kAnswerChoices[] = {
    "l'Administració me l'ha denegada totalment",
    "l'Administració me l'ha denegada parcialment",
    "l'Administració no l'ha resolta dins del termini",
    "l'Administració l'ha estimada, però no m'ha lliurat la informació",
};

constexpr std::array kReclamacioOwn = {
    label("EXPOSO"), br(),
    label("Que el"), datePicker(1223, "data_sollicitud"), label("vaig presentar a"), edit(1224, "administracio", "<ADMINISTRACIÓ>"), br(),
    label("una sol·licitud d'accés a la informació pública següent:"), br(),
    box(1225, "informacio", "<INFORMACIÓ>", kMedium), br(),
    label("Que, pel que fa a aquesta sol·licitud,"), choice(1226, "resposta", kAnswerChoices, false), stretch(), br(),
    label("segons la resolució que em va ser notificada el"), edit(1227, "data_resposta", "", Size::Long), br(),
    gap(),
    label("Per això, d'acord amb l'article 39 de la Llei 19/2014, PRESENTO aquesta RECLAMACIÓ per les raons següents:"), br(),
    box(1228, "raons", "<RAONS>", kLarge), br(),
};
constexpr auto kReclamacioItems =
    join(kApplicantItems, kReclamacioOwn, closingItems(kAddressee, "Comissió de Garantia del Dret d'Accés a la Informació Pública"));

// Exercici de drets de protecció de dades -----------------------------------------------------

constexpr std::string_view kRightChoices[] = {
    "d'accés (article 15)",
    "de rectificació (article 16)",
    "de supressió (article 17)",
    "a la limitació del tractament (article 18)",
    "a la portabilitat de les dades (article 20)",
    "d'oposició (article 21)",
    "a no ser objecte de decisions individuals automatitzades (article 22)",
};

constexpr std::array kDretsOwn = {
    label("EXERCEIXO el dret"), choice(1229, "dret", kRightChoices, false), stretch(), br(),
    label("del Reglament general de protecció de dades, davant"), edit(1230, "responsable", "<RESPONSABLE DEL TRACTAMENT>"), br(),
    label(", com a responsable del tractament de les meves dades personals."), br(),
    gap(),
    label("Per això, SOL·LICITO:"), br(),
    box(1231, "peticio", "<PETICIÓ>", kLarge), br(),
};
constexpr auto kDretsItems = join(kApplicantItems, kDretsOwn, kClosingItems);

// Recurs extraordinari de revisió -------------------------------------------------------------

// The four grounds of the law, in its words.
constexpr std::string_view kReviewGrounds[] = {
    "en dictar-la es va incórrer en un error de fet que resulta dels documents incorporats a l'expedient",
    "han aparegut documents de valor essencial per resoldre l'assumpte que evidencien l'error de la resolució",
    "en la resolució hi han influït essencialment documents o testimonis declarats falsos per sentència judicial "
    "ferma",
    "la resolució es va dictar com a conseqüència de prevaricació, suborn, violència, maquinació fraudulenta o una "
    "altra conducta punible, i així s'ha declarat per sentència judicial ferma",
};

constexpr std::array kRevisioOwn = {
    label("FORMULO RECURS EXTRAORDINARI DE REVISIÓ, d'acord amb l'article 125 de la Llei 39/2015, contra la "
          "resolució dictada per"), br(),
    edit(1232, "organ", "<ÒRGAN>", Size::Long), label("amb data"), datePicker(1233, "data_resolucio"), stretch(), br(),
    label("en l'expedient"), edit(1234, "expedient", "<EXPEDIENT>"), label(", ferma en via administrativa,"), br(),
    label("pel motiu següent:"), choice(1235, "motiu", kReviewGrounds, false), br(),
    gap(),
    label("AL·LEGACIONS"), br(),
    box(1236, "allegacions", "<AL·LEGACIONS>", kMedium), br(),
    label("DOCUMENTS ANNEXOS"), br(),
    box(1237, "annexos", "", kMedium), br(),
    label("SOL·LICITO"), br(),
    box(1238, "peticio", "<PETICIÓ>", kMedium), br(),
};
constexpr auto kRevisioItems = join(kApplicantItems, kRevisioOwn, kClosingItems);

// clang-format on

} // namespace

const FormDef kDeclaracioResponsable{"responsibleDeclarationForm", 191, 191, kDeclaracioItems};
const FormDef kComunicacioPrevia{"priorNotificationForm", 192, 192, kComunicacioItems};
const FormDef kRepresentacio{"representationForm", 193, 193, kRepresentacioItems};
const FormDef kAccesInformacio{"informationAccessForm", 194, 194, kAccesItems};
const FormDef kReclamacioAcces{"accessClaimForm", 195, 195, kReclamacioItems};
const FormDef kDretsDades{"dataProtectionRightsForm", 196, 196, kDretsItems};
const FormDef kRecursRevisioExtra{"extraordinaryReviewAppealForm", 197, 197, kRevisioItems};

} // namespace forms
