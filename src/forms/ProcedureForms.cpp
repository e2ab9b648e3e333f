#include "forms/ProcedureForms.h"

#include <array>

namespace forms {
namespace {

// The layouts below are written one form line to a source line, as the form reads.
// clang-format off

// The applicant: the opening sentence, with the represented party when there is one.
constexpr int kName = 1042, kIdCard = 1050, kMunicipality = 1047, kComarca = 1048, kAddress = 1044,
              kPostcode = 1049, kPhone = 1001, kRepresented = 1201, kRepresentedId = 1202;

constexpr std::array kApplicantItems = {
    edit(kName, "<NOM i COGNOMS>"), label(", major d'edat, amb DNI/NIE núm."), edit(kIdCard, "<DNI>", Size::Medium), br(),
    label("amb domicili a"), edit(kMunicipality, "<MUNICIPI>", Size::Long), label("("), edit(kComarca, "<COMARCA>"), label("),"), br(),
    edit(kAddress, "<ADREÇA>"), label(", CP"), edit(kPostcode, "<CODI>", Size::Short), label(", telèfon"), edit(kPhone, "<TELÈFON>", Size::Medium), br(),
    label("en representació de"), edit(kRepresented, ""), label(", amb DNI/NIE/NIF núm."), edit(kRepresentedId, "", Size::Medium), br(),
    gap(),
};

constexpr std::array<PlaceholderEntry, 9> kApplicant = {{
    {"%nom%", kName}, {"%dni%", kIdCard}, {"%municipi%", kMunicipality}, {"%comarca%", kComarca},
    {"%adreca%", kAddress}, {"%codi_postal%", kPostcode}, {"%telefon%", kPhone},
    {"%representat%", kRepresented}, {"%nif_representat%", kRepresentedId},
}};

// How the notifications reach the applicant, then place and date, the signature, the addressee.
constexpr int kNoticeMeans = 1203, kEmail = 1204, kPlace = 1052, kSigningDate = 1083, kAddressee = 1054,
              kDir3 = 1205;

constexpr std::string_view kNoticeChoices[] = {"per mitjans electrònics", "en paper, al domicili indicat"};

constexpr auto closingItems(std::string_view addressee, std::string_view signature = "(signatura)")
{
    return std::array{
        gap(),
        label("Vull rebre les notificacions"), choice(kNoticeMeans, kNoticeChoices, false), stretch(), br(),
        label("i l'avís de cada notificació a l'adreça electrònica"), edit(kEmail, ""), br(),
        gap(),
        edit(kPlace, "<MUNICIPI>", Size::Medium), datePicker(kSigningDate), stretch(), br(),
        gap(),
        label(signature), br(),
        gap(),
        edit(kAddressee, addressee, Size::Long), label("codi DIR3"), edit(kDir3, "", Size::Short), br(),
    };
}

constexpr std::array<PlaceholderEntry, 6> kClosing = {{
    {"%mitja_notificacio%", kNoticeMeans}, {"%correu%", kEmail}, {"%lloc%", kPlace}, {"%data%", kSigningDate},
    {"%destinacio%", kAddressee}, {"%dir3%", kDir3},
}};

constexpr auto kClosingItems = closingItems("<DESTINACIÓ>");

constexpr int kMedium = 3;
constexpr int kLarge = 5;

// Declaració responsable ----------------------------------------------------------------------

constexpr std::array kDeclaracioOwn = {
    label("DECLARO, sota la meva responsabilitat, d'acord amb l'article 69.1 de la Llei 39/2015, en relació amb"), br(),
    edit(1210, "<ACTIVITAT O DRET>"), br(),
    label("Que compleixo els requisits que estableix la normativa vigent, que són els següents:"), br(),
    box(1211, "<REQUISITS>", kLarge), br(),
    label("Que disposo de la documentació que ho acredita, que la posaré a disposició de l'Administració quan me la "
          "requereixi i que em comprometo a mantenir-ne el compliment mentre duri l'activitat o el dret."), br(),
};
constexpr auto kDeclaracioItems = join(kApplicantItems, kDeclaracioOwn, kClosingItems);
constexpr auto kDeclaracioTable =
    join(kApplicant, std::array{PlaceholderEntry{"%activitat%", 1210}, PlaceholderEntry{"%requisits%", 1211}}, kClosing);

// Comunicació prèvia --------------------------------------------------------------------------

constexpr std::array kComunicacioOwn = {
    label("COMUNICO, d'acord amb l'article 69.2 de la Llei 39/2015:"), br(),
    label("Que"), edit(1212, "<QUÈ ES COMUNICA>"), br(),
    label("Que les dades d'aquesta comunicació són les següents:"), br(),
    box(1213, "<DADES>", kLarge), br(),
    label("Que l'activitat o l'exercici del dret comença el"), datePicker(1214), stretch(), br(),
};
constexpr auto kComunicacioItems = join(kApplicantItems, kComunicacioOwn, kClosingItems);
constexpr auto kComunicacioTable = join(kApplicant,
    std::array{PlaceholderEntry{"%objecte%", 1212}, PlaceholderEntry{"%dades%", 1213}, PlaceholderEntry{"%data_inici%", 1214}},
    kClosing);

// Atorgament de representació -----------------------------------------------------------------

// Sorted, the procedure comes first: most grants are for one procedure.
constexpr std::string_view kScopeChoices[] = {"en el procediment que s'indica", "en qualsevol actuació administrativa"};

constexpr std::array kRepresentacioOwn = {
    label("ATORGO LA REPRESENTACIÓ, d'acord amb l'article 5 de la Llei 39/2015, a"), br(),
    edit(1215, "<NOM i COGNOMS O RAÓ SOCIAL>"), label(", amb DNI/NIE/NIF núm."), edit(1216, "<DNI/NIE/NIF>", Size::Medium), br(),
    label("perquè actuï com a representant davant"), edit(1217, "<ADMINISTRACIÓ>"), br(),
    choice(1218, kScopeChoices, false), stretch(), br(),
    label("Procediment:"), edit(1219, ""), br(),
    gap(),
    label("ACCEPTO la representació i responc de l'autenticitat de la signatura de la persona que l'atorga."), br(),
};
constexpr auto kRepresentacioItems = join(kApplicantItems, kRepresentacioOwn,
    closingItems("<DESTINACIÓ>", "(signatura de la persona que atorga la representació i de la persona representant)"));
constexpr auto kRepresentacioTable = join(kApplicant,
    std::array{PlaceholderEntry{"%apoderat%", 1215}, PlaceholderEntry{"%nif_apoderat%", 1216},
               PlaceholderEntry{"%administracio%", 1217}, PlaceholderEntry{"%abast%", 1218},
               PlaceholderEntry{"%procediment%", 1219}},
    kClosing);

// Sol·licitud d'accés a la informació pública -------------------------------------------------

// Sorted, the electronic copy comes first: the usual form of access.
constexpr std::string_view kAccessChoices[] = {"en còpia electrònica", "en còpia en paper", "mitjançant consulta presencial"};

constexpr std::array kAccesOwn = {
    label("SOL·LICITO, d'acord amb l'article 18 de la Llei 19/2014, l'accés a la informació pública següent:"), br(),
    box(1220, "<INFORMACIÓ>", kLarge), br(),
    label("Vull accedir a aquesta informació"), choice(1221, kAccessChoices, false), stretch(), br(),
    label("Motius (no cal indicar-los):"), br(),
    box(1222, "", kMedium), br(),
};
constexpr auto kAccesItems = join(kApplicantItems, kAccesOwn, kClosingItems);
constexpr auto kAccesTable = join(kApplicant,
    std::array{PlaceholderEntry{"%informacio%", 1220}, PlaceholderEntry{"%forma_acces%", 1221}, PlaceholderEntry{"%motius%", 1222}},
    kClosing);

// Reclamació davant la comissió de garantia del dret d'accés ----------------------------------

constexpr std::string_view kAnswerChoices[] = {
    "l'Administració me l'ha denegada totalment",
    "l'Administració me l'ha denegada parcialment",
    "l'Administració no l'ha resolta dins del termini",
    "l'Administració l'ha estimada, però no m'ha lliurat la informació",
};

constexpr std::array kReclamacioOwn = {
    label("EXPOSO"), br(),
    label("Que el"), datePicker(1223), label("vaig presentar a"), edit(1224, "<ADMINISTRACIÓ>"), br(),
    label("una sol·licitud d'accés a la informació pública següent:"), br(),
    box(1225, "<INFORMACIÓ>", kMedium), br(),
    label("Que, pel que fa a aquesta sol·licitud,"), choice(1226, kAnswerChoices, false), stretch(), br(),
    label("segons la resolució que em va ser notificada el"), edit(1227, "", Size::Long), br(),
    gap(),
    label("Per això, d'acord amb l'article 39 de la Llei 19/2014, PRESENTO aquesta RECLAMACIÓ per les raons següents:"), br(),
    box(1228, "<RAONS>", kLarge), br(),
};
constexpr auto kReclamacioItems =
    join(kApplicantItems, kReclamacioOwn, closingItems("Comissió de Garantia del Dret d'Accés a la Informació Pública"));
constexpr auto kReclamacioTable = join(kApplicant,
    std::array{PlaceholderEntry{"%data_sollicitud%", 1223}, PlaceholderEntry{"%administracio%", 1224},
               PlaceholderEntry{"%informacio%", 1225}, PlaceholderEntry{"%resposta%", 1226},
               PlaceholderEntry{"%data_resposta%", 1227}, PlaceholderEntry{"%raons%", 1228}},
    kClosing);

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
    label("EXERCEIXO el dret"), choice(1229, kRightChoices, false), stretch(), br(),
    label("del Reglament general de protecció de dades, davant"), edit(1230, "<RESPONSABLE DEL TRACTAMENT>"), br(),
    label(", com a responsable del tractament de les meves dades personals."), br(),
    gap(),
    label("Per això, SOL·LICITO:"), br(),
    box(1231, "<PETICIÓ>", kLarge), br(),
};
constexpr auto kDretsItems = join(kApplicantItems, kDretsOwn, kClosingItems);
constexpr auto kDretsTable = join(kApplicant,
    std::array{PlaceholderEntry{"%dret%", 1229}, PlaceholderEntry{"%responsable%", 1230}, PlaceholderEntry{"%peticio%", 1231}},
    kClosing);

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
    edit(1232, "<ÒRGAN>", Size::Long), label("amb data"), datePicker(1233), stretch(), br(),
    label("en l'expedient"), edit(1234, "<EXPEDIENT>"), label(", ferma en via administrativa,"), br(),
    label("pel motiu següent:"), choice(1235, kReviewGrounds, false), br(),
    gap(),
    label("AL·LEGACIONS"), br(),
    box(1236, "<AL·LEGACIONS>", kMedium), br(),
    label("DOCUMENTS ANNEXOS"), br(),
    box(1237, "", kMedium), br(),
    label("SOL·LICITO"), br(),
    box(1238, "<PETICIÓ>", kMedium), br(),
};
constexpr auto kRevisioItems = join(kApplicantItems, kRevisioOwn, kClosingItems);
constexpr auto kRevisioTable = join(kApplicant,
    std::array{PlaceholderEntry{"%organ%", 1232}, PlaceholderEntry{"%data_resolucio%", 1233},
               PlaceholderEntry{"%expedient%", 1234}, PlaceholderEntry{"%motiu%", 1235},
               PlaceholderEntry{"%allegacions%", 1236}, PlaceholderEntry{"%annexos%", 1237},
               PlaceholderEntry{"%peticio%", 1238}},
    kClosing);

// clang-format on

} // namespace

const FormDef kDeclaracioResponsable{"CAPViewDeclaracioResponsable", 191, 191, 320, kDeclaracioItems, kDeclaracioTable};
const FormDef kComunicacioPrevia{"CAPViewComunicacioPrevia", 192, 192, 320, kComunicacioItems, kComunicacioTable};
const FormDef kRepresentacio{"CAPViewRepresentacio", 193, 193, 320, kRepresentacioItems, kRepresentacioTable};
const FormDef kAccesInformacio{"CAPViewAccesInformacio", 194, 194, 320, kAccesItems, kAccesTable};
const FormDef kReclamacioAcces{"CAPViewReclamacioAcces", 195, 195, 320, kReclamacioItems, kReclamacioTable};
const FormDef kDretsDades{"CAPViewDretsDades", 196, 196, 320, kDretsItems, kDretsTable};
const FormDef kRecursRevisioExtra{"CAPViewRecursRevisioExtra", 197, 197, 320, kRevisioItems, kRevisioTable};

} // namespace forms
