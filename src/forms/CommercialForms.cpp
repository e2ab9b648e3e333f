#include "forms/CommercialForms.h"

#include "forms/Certificate.h"

namespace forms {
namespace {

// The layouts are kept one line of the form to a line of source, out of the formatter's reach.

constexpr std::string_view kCarrecs[] = {"Càrrec", "President", "Presidenta", "Secretari", "Secretària"};
constexpr std::string_view kSenyors[] = {"Senyor", "Senyora"};

// Acta de reunió ------------------------------------------------------------------------------

// The minutes' closing sentence names the secretary's office; its signature line follows it.
constexpr std::string_view kSecretaryTitles[] = {"secretari", "secretària"};

// clang-format off
constexpr Item kActaItems[] = {
    label("Acta de la reunió de "), edit(1077, "organisme", "<NOM DE L'ORGANISME>"), br(),
    label("Núm. de la sessió: "), edit(1082, "sessio", "<NÚMERO>", Size::Short), br(),
    grid(), label("Data"), today(1083, "data", Size::Long), br(),
    grid(), label("Lloc"), edit(1046, "lloc", "<ADREÇA>"), br(),
    grid(), label("Horari"), edit(1045, "horari", "<HORARI>", Size::Long), br(),
    gap(),
    label("Hi assisteixen:"), br(),
    edit(1047, "assistent_1", "<NOM i COGNOMS>", Size::Long), choice(1000, "carrec_1", kCarrecs, false), br(),
    edit(1049, "assistents", "<NOM i COGNOMS, (Càrrec)>"), br(),
    edit(1048, "assistent_2", "<NOM i COGNOMS>", Size::Long), choice(1001, "carrec_2", kCarrecs, false), br(),
    gap(),
    label("S'han excusat d'assistir-hi:"), br(),
    edit(1050, "excusats", "<LLISTA D'EXCUSATS>"), br(),
    gap(),
    label("Ordre del dia"), br(),
    label("1. Lectura i aprovació de l'acta de la reunió anterior"), br(),
    box(1051, "punts", "<PUNTS>", 3), br(),
    label("Precs i preguntes"), br(),
    gap(),
    label("Desenvolupament de la sessió"), br(),
    box(1052, "desenvolupament", "<DESENVOLUPAMENT DE LA SESSIÓ>", 4), br(),
    label("Precs i preguntes"), br(),
    box(1054, "torn_paraules", "<PRECS I PREGUNTES>", 3), br(),
    label("Acords:"), br(),
    box(1055, "acords", "<ACORDS>", 3), br(),
    gap(),
    label("I, sense més assumptes per tractar, s'aixeca la sessió, de la qual, com a"),
    choice(1090, "secretari", kSecretaryTitles, false, "secretari"), label(", estenc aquesta acta."), stretch(), br(),
    grid(), label("El secretari / La secretària"), label("Vist i plau"), br(),
    grid(), edit(1086, "signant_1", "<NOM i COGNOMS>", Size::Long), edit(1087, "signant_2", "<NOM i COGNOMS>", Size::Long), br(),
};
// clang-format on

// Certificat ----------------------------------------------------------------------------------

// clang-format off
constexpr Item kCertItems[] = {
    edit(1042, "nom", "<NOM i COGNOMS>", Size::Long), label(", com a"), edit(1043, "carrec", "<CÀRREC>"), br(),
    gap(),
    label("CERTIFICO"), br(),
    label("Que"), edit(1044, "certificacio", "<CERTIFICACIÓ>"), br(),
    gap(),
    radio(kCertModelARadio, "model_a", "Model A", true), br(),
    label("I, ", kCertModelAGroup), edit(1045, "expedidor", "", Size::Long, kCertModelAGroup),
    label("expedeixo aquest certificat a petició de la persona interessada.", kCertModelAGroup), br(),
    gap(),
    radio(kCertModelBRadio, "model_b", "Model B", false), br(),
    label("I, perquè se'n prengui coneixement i tingui els efectes que corresponguin, signo aquest "
          "certificat, amb el vistiplau",
          kCertModelBGroup),
    br(),
    edit(1046, "vistiplau", "", Size::Long, kCertModelBGroup), label("i el", kCertModelBGroup), br(),
    label("segell que ho acredita.", kCertModelBGroup), br(),
    gap(),
    edit(1047, "lloc", "<MUNICIPI>", Size::Medium), today(1083, "data", Size::Long), br(),
    label("signatura"), br(),
};
// clang-format on

// Convocatòria de reunió ----------------------------------------------------------------------

constexpr std::string_view kSecretaris[] = {"El secretari", "La secretària"};
constexpr std::string_view kPresidents[] = {"del president", "de la presidenta"};

// clang-format off
constexpr Item kConvItems[] = {
    edit(1042, "organisme", "<NOM DE L'ORGANISME CONVOCANT>"), br(),
    edit(1043, "adreca", "<ADREÇA>"), br(),
    edit(1044, "codi_postal", "<CODI>", Size::Short), edit(1045, "municipi", "<MUNICIPI>", Size::Medium),
    edit(1046, "comarca", "<COMARCA>", Size::Medium), br(),
    gap(),
    edit(1052, "destinatari", "<NOM i COGNOMS DEL DESTINATARI>"), br(),
    edit(1047, "carrec_destinatari", "<CÀRREC/EMPRESA>"), br(),
    edit(1048, "adreca_destinatari", "<ADREÇA>"), br(),
    edit(1049, "codi_postal_destinatari", "<CODI>", Size::Short), edit(1050, "municipi_destinatari", "<MUNICIPI>", Size::Medium),
    edit(1051, "comarca_destinatari", "<COMARCA>", Size::Medium), br(),
    gap(),
    edit(1054, "salutacio", "<SALUTACIÓ>", Size::Long), br(),
    gap(),
    label("Per encàrrec"), choice(1001, "encarrec", kPresidents, false, "del president"), label(", us convoco a la reunió"),
    edit(1098, "caracter", "<CARÀCTER>", Size::Medium), label("que tindrà lloc a"), br(),
    edit(1099, "local", "<LOCAL>", Size::Long), label(", el dia"), edit(1100, "dia", "<DIA>", Size::Medium),
    label("a les"), edit(1101, "hora", "HH.MM", Size::Short), label(" hores."), stretch(), br(),
    gap(),
    label("ORDRE DEL DIA"), br(),
    label("1. Lectura i aprovació de l'acta de la reunió anterior"), br(),
    box(1102, "punts", "<PUNTS>", 3), br(),
    label("Precs i preguntes"), br(),
    gap(),
    edit(1103, "comiat", "<COMIAT>", Size::Long), br(),
    gap(),
    choice(1000, "secretari", kSecretaris, true), edit(1104, "organisme_signant", "<NOM DE L'ORGANISME CONVOCANT>"), br(),
    label("Signatura"), br(),
    edit(1105, "signant", "<NOM i COGNOMS>", Size::Long), today(1083, "data", Size::Long), br(),
    edit(1106, "lloc", "<MUNICIPI>", Size::Long), br(),
};
// clang-format on

// Invitació -----------------------------------------------------------------------------------

// clang-format off
constexpr Item kInvitacioItems[] = {
    edit(1088, "carrec", "<CÀRREC>"), br(),
    edit(1089, "carrec_2", "<CÀRREC>"), br(),
    gap(),
    label("Us convida a assistir a"), edit(1042, "acte", "<ACTE>"), br(),
    label("que tindrà lloc a"), edit(1043, "lloc_acte", "<LLOC>"), br(),
    label("el dia"), today(1083, "dia", Size::Long), label("a les"), edit(1045, "hora", "HH.MM", Size::Short),
    label(" hores."), stretch(), br(),
    gap(),
    edit(1047, "lloc", "<MUNICIPI>", Size::Medium), today(1084, "data", Size::Long), stretch(), br(),
    gap(),
    choice(1000, "tractament", kSenyors, true), edit(1049, "destinatari", "<NOM i COGNOMS>"), br(),
    gap(),
    label("Es prega confirmació al telèfon"), edit(1050, "telefon", "<TELÈFON>", Size::Medium),
    label("o a l'adreça electrònica"), edit(1051, "correu", "<ADREÇA ELECTRÒNICA>", Size::Medium), label("."), br(),
};
// clang-format on

// Comunicat de premsa -------------------------------------------------------------------------

// clang-format off
constexpr Item kPremsaItems[] = {
    box(1042, "text", "<TEXT>", 14), br(),
};
// clang-format on

// Comunicats interns --------------------------------------------------------------------------

// The two memos share their heading, text and signature; the collective one adds the request to
// sign and pass it on, and the list of those it goes round.
// clang-format off
constexpr std::array kMemoHeading = {
    grid(), label("Referència:"), edit(1042, "referencia", "<REFERÈNCIES>"), br(),
    grid(), label("DE:"), edit(1043, "emissor", "<CÀRREC EMISSOR>"), br(),
    grid(), label("A:"), edit(1044, "receptor", "<CÀRREC RECEPTOR>"), br(),
    rule(),
    label("ASSUMPTE:"), edit(1045, "assumpte", "<ASSUMPTE>"), br(),
    box(1046, "text", "<TEXT>", 6), br(),
};
constexpr std::array kMemoSignature = {
    label("Signatura"), br(),
    edit(1105, "signant", "<NOM i COGNOMS>", Size::Long), br(),
    edit(1106, "lloc", "<MUNICIPI>", Size::Medium), today(1083, "data", Size::Long), stretch(), br(),
};
constexpr auto kIntIndvItems = join(kMemoHeading, kMemoSignature);
constexpr auto kIntColItems = join(
    kMemoHeading,
    std::array{label("Signeu l'«assabentat», si us plau, i feu circular aquest comunicat per l'ordre indicat."), br()},
    kMemoSignature,
    std::array{gap(), label("Assabentats"), br(), rule(), box(1047, "recorregut", "<RECORREGUT>", 4), br()});
// clang-format on

// Carta ---------------------------------------------------------------------------------------

// The sender's block, the addressee's block, then the letter itself; only "(signatura)" is
// written on the form, the rest is told by where each box stands and by its bracketed text.
// clang-format off
constexpr Item kCartaItems[] = {
    edit(1042, "remitent", "<NOM i COGNOMS>", Size::Long), br(),
    edit(1109, "carrec_remitent", "<CÀRREC/EMPRESA>", Size::Long), br(),
    edit(1046, "adreca_remitent", "<ADREÇA>", Size::Long), stretch(), br(),
    edit(1049, "codi_postal_remitent", "<CODI>", Size::Short), edit(1113, "municipi_remitent", "<MUNICIPI>", Size::Medium), stretch(), br(),
    gap(),
    stretch(), edit(1043, "destinatari", "<NOM i COGNOMS>", Size::Long), br(),
    stretch(), edit(1110, "carrec_destinatari", "<CÀRREC/EMPRESA DEL DESTINATARI>", Size::Long), br(),
    stretch(), edit(1047, "adreca_destinatari", "<ADREÇA DEL DESTINATARI>", Size::Long), br(),
    stretch(), edit(1050, "codi_postal_destinatari", "<CODI>", Size::Short), edit(1045, "municipi_destinatari", "<MUNICIPI>", Size::Medium), br(),
    gap(),
    edit(1054, "salutacio", "<SALUTACIÓ>", Size::Long), br(),
    box(1055, "cos", "<COS>", 8), br(),
    edit(1056, "comiat", "<FÓRMULA DE COMIAT>", Size::Long), br(),
    gap(),
    label("(signatura)"), br(),
    edit(1111, "signant", "<NOM i COGNOMS>", Size::Long), br(),
    edit(1001, "carrec_signant", "<CÀRREC/EMPRESA>", Size::Long), br(),
    gap(),
    edit(1052, "lloc", "<MUNICIPI>", Size::Medium), today(1083, "data", Size::Long), stretch(), br(),
    gap(),
    edit(1112, "informacio_ocasional", "<INFORMACIÓ OCASIONAL>"), br(),
};
// clang-format on

// Saluda --------------------------------------------------------------------------------------

// clang-format off
constexpr Item kSaludaItems[] = {
    edit(1088, "carrec", "<CÀRREC>", Size::Long), br(),
    edit(1089, "carrec_2", "<CÀRREC>", Size::Long), br(),
    gap(),
    label("SALUDA"), br(),
    gap(),
    choice(1000, "tractament", kSenyors, true), edit(1049, "destinatari", "<NOM I COGNOMS>"), br(),
    gap(),
    label("i es complau a convidar-lo a"), edit(1042, "acte", "<ACTE>"), br(),
    gap(),
    edit(1043, "signant", "<NOM I COGNOMS>", Size::Long), br(),
    gap(),
    label("aprofita aquesta avinentesa per manifestar-li la seva consideració i el seu afecte."), br(),
    gap(),
    edit(1047, "lloc", "<MUNICIPI>", Size::Medium), today(1083, "data", Size::Long), stretch(), br(),
};
// clang-format on

} // namespace

const FormDef kActaReunio{"minutesForm", 160, 163, kActaItems};
const FormDef kCertificat{"certificateForm", 161, kCertModelA, kCertItems};
const FormDef kConvReunio{"meetingNoticeForm", 162, 166, kConvItems};
const FormDef kInvitacio{"invitationForm", 163, 167, kInvitacioItems};
const FormDef kComPremsa{"pressReleaseForm", 164, 171, kPremsaItems};
const FormDef kCommIntIndv{"memoToOnePersonForm", 175, 175, kIntIndvItems};
const FormDef kCommIntCol{"memoToStaffForm", 176, 176, kIntColItems};
const FormDef kCarta{"letterForm", 177, 177, kCartaItems};
const FormDef kSaluda{"salutationForm", 178, 178, kSaludaItems};

} // namespace forms
