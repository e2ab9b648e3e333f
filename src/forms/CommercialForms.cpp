#include "forms/CommercialForms.h"

#include "forms/Certificate.h"

namespace forms {
namespace {

// The layouts are kept one line of the form to a line of source, out of the formatter's reach.

constexpr std::string_view kCarrecs[] = {"Càrrec", "President", "Presidenta", "Secretari", "Secretaria"};
constexpr std::string_view kSenyors[] = {"Senyor", "Senyora"};

// Acta de reunió ------------------------------------------------------------------------------

// clang-format off
constexpr Item kActaItems[] = {
    label("Acta de la reunió de "), edit(1077, "<NOM DE L'ORGANISME>"), br(),
    label("Núm. de la sessió: "), edit(1082, "<NÚMERO>", Size::Short), br(),
    grid(), label("Data"), today(1083, Size::Long), br(),
    grid(), label("Lloc"), edit(1046, "<ADREÇA>"), br(),
    grid(), label("Horari"), edit(1045, "<HORARI>", Size::Long), br(),
    gap(),
    label("Hi assisteixen:"), br(),
    edit(1047, "<NOM i COGNOMS>", Size::Long), choice(1000, kCarrecs, false), br(),
    edit(1049, "<NOM i COGNOMS, (Càrrec)>"), br(),
    edit(1048, "<NOM i COGNOMS>", Size::Long), choice(1001, kCarrecs, false), br(),
    gap(),
    label("S'han excusat d'assistir-hi:"), br(),
    edit(1050, "<LLISTA D'ESCUSATS>"), br(),
    gap(),
    label("Ordre del dia"), br(),
    label("1. Lectura i aprovació de l'acta de la reunió anterior"), br(),
    box(1051, "<PUNTS>", 3), br(),
    label("2. Torn obert de paraules"), br(),
    gap(),
    label("Desenvolupament de la sessió"), br(),
    box(1052, "<DESENVOLUPAMENT DE LA SESSIÓ>", 4), br(),
    label("Torn obert de paraules"), br(),
    box(1054, "TORN DE PARAULES", 3), br(),
    label("Acords:"), br(),
    box(1055, "<ACORDS>", 3), br(),
    gap(),
    label("aixeca la sessió, de la qual, com a secretari, estenc aquesta acta."), br(),
    grid(), label("Signatura"), label("Signatura"), br(),
    grid(), edit(1086, "<NOM i COGNOMS>", Size::Long), edit(1087, "<NOM i COGNOMS>", Size::Long), br(),
};
// clang-format on

constexpr PlaceholderEntry kActaPlaceholders[] = {
    {"%field1%", 1077},  {"%field2%", 1082},  {"%field3%", 1083},  {"%field4%", 1046},  {"%field5%", 1045},
    {"%field6%", 1047},  {"%field7%", 1000},  {"%field8%", 1049},  {"%field9%", 1048},  {"%field10%", 1001},
    {"%field11%", 1050}, {"%field12%", 1051}, {"%field13%", 1052}, {"%field14%", 1055}, {"%field15%", 1086},
    {"%field16%", 1087}, {"%field17%", 1054},
};

// Certificat ----------------------------------------------------------------------------------

// clang-format off
constexpr Item kCertItems[] = {
    edit(1042, "<NOM i COGNOMS>", Size::Long), label("com a,"), edit(1043, "<CÀRREC>"), br(),
    gap(),
    label("CERTIFICO"), br(),
    label("Que"), edit(1044, "<CERTIFICACIÓ>"), br(),
    gap(),
    radio(kCertModelARadio, "Model A", true), br(),
    label("I, ", kCertModelAGroup), edit(1045, "", Size::Long, kCertModelAGroup),
    label("expedeixo aquest certificat a petició de la persona interessada.", kCertModelAGroup), br(),
    gap(),
    radio(kCertModelBRadio, "Model B", false), br(),
    label("I, perquè se'n prengui coneixement i tingui els efectes que corresponguin, signo aquest "
          "certificat, amb el vistiplau",
          kCertModelBGroup),
    br(),
    edit(1046, "", Size::Long, kCertModelBGroup), label("i el", kCertModelBGroup), br(),
    label("segell que ho acredita.", kCertModelBGroup), br(),
    gap(),
    edit(1047, "<MUNICIPI>", Size::Medium), today(1083, Size::Long), br(),
    label("signatura"), br(),
};
// clang-format on

// "%field4%" is filled by the closing sentence of the model chosen; Model A's is listed here.
constexpr PlaceholderEntry kCertPlaceholders[] = {
    {"%field1%", 1042}, {"%field2%", 1043}, {"%field3%", 1044},
    {"%field4%", 1045}, {"%field5%", 1047}, {"%field6%", 1083},
};

// Convocatòria de reunió ----------------------------------------------------------------------

constexpr std::string_view kSecretaris[] = {"El secretari", "La secretària"};
constexpr std::string_view kPresidents[] = {"De la presidenta", "Del president"};

// clang-format off
constexpr Item kConvItems[] = {
    edit(1042, "<NOM DE L'ORGANISME CONVOCANT>"), br(),
    edit(1043, "<ADREÇA>"), br(),
    edit(1044, "<CODI>", Size::Short), edit(1045, "<MUNICIPI>", Size::Medium),
    edit(1046, "<COMARCA>", Size::Medium), br(),
    gap(),
    edit(1052, "<NOM i COGNOMS DEL DESTINATARI>"), br(),
    edit(1047, "<CÀRREC/EMPRESA>"), br(),
    edit(1048, "<ADREÇA>"), br(),
    edit(1049, "<CODI>", Size::Short), edit(1050, "<MUNICIPI>", Size::Medium),
    edit(1051, "<COMARCA>", Size::Medium), br(),
    gap(),
    edit(1054, "<SALUTACIÓ>", Size::Long), br(),
    gap(),
    label("Per encàrrec"), choice(1001, kPresidents, false), edit(1055, "<NOM DE L'ORGANISME CONVOCANT>"), br(),
    label("us convoco a la reunió"), edit(1098, "<CARÀCTER>", Size::Medium), label("que tindrà lloc"), br(),
    edit(1099, "<LOCAL>", Size::Long), label(", el dia"), edit(1100, "<DIA>", Size::Medium),
    label("a les"), edit(1101, "HH.MM", Size::Short), label(" hores."), stretch(), br(),
    gap(),
    label("ORDRE DEL DIA"), br(),
    label("1. Lectura i aprovació de l'acta de la reunió anterior"), br(),
    box(1102, "<PUNTS>", 3), br(),
    label("2. Torn obert de paraules"), br(),
    gap(),
    edit(1103, "<COMIAT>", Size::Long), br(),
    gap(),
    choice(1000, kSecretaris, true), edit(1104, "<NOM DE L'ORGANISME CONVOCANT>"), br(),
    label("Signatura"), br(),
    edit(1105, "<NOM i COGNOMS>", Size::Long), today(1083, Size::Long), br(),
    edit(1106, "<MUNICIPI>", Size::Long), br(),
};
// clang-format on

// "%field25%" (the list beside "Per encàrrec") is not in the model: that choice never shows.
constexpr PlaceholderEntry kConvPlaceholders[] = {
    {"%field1%", 1042},  {"%field2%", 1043},  {"%field3%", 1044},  {"%field4%", 1045},  {"%field5%", 1046},
    {"%field6%", 1052},  {"%field7%", 1047},  {"%field8%", 1048},  {"%field9%", 1049},  {"%field10%", 1050},
    {"%field11%", 1051}, {"%field12%", 1054}, {"%field13%", 1055}, {"%field14%", 1098}, {"%field15%", 1099},
    {"%field16%", 1100}, {"%field17%", 1101}, {"%field18%", 1102}, {"%field19%", 1103}, {"%field20%", 1000},
    {"%field21%", 1104}, {"%field22%", 1105}, {"%field23%", 1106}, {"%field24%", 1083}, {"%field25%", 1001},
};

// Invitació -----------------------------------------------------------------------------------

constexpr std::string_view kContactes[] = {"Fax", "Telèfon"};

// clang-format off
constexpr Item kInvitacioItems[] = {
    edit(1088, "<CÀRREC>"), br(),
    edit(1089, "<CÀRREC>"), br(),
    gap(),
    label("Us convida a assistir a"), edit(1042, "<ACTE>"), br(),
    label("que tindrà lloc a"), edit(1043, "<LLOC>"), br(),
    label("el dia"), today(1083, Size::Long), label("a les"), edit(1045, "HH.MM", Size::Short),
    label(" hores."), stretch(), br(),
    gap(),
    edit(1047, "<MUNICIPI>", Size::Medium), today(1084, Size::Long), stretch(), br(),
    gap(),
    choice(1000, kSenyors, true), edit(1049, "<NOM i COGNOMS>"), br(),
    gap(),
    label("Preguem confirmació al"), choice(1001, kContactes, true), edit(1050, "<NÚMERO>", Size::Medium),
    stretch(), br(),
};
// clang-format on

constexpr PlaceholderEntry kInvitacioPlaceholders[] = {
    {"%field1%", 1088}, {"%field2%", 1089},  {"%field3%", 1042},  {"%field4%", 1043},
    {"%field5%", 1083}, {"%field6%", 1045},  {"%field7%", 1047},  {"%field8%", 1084},
    {"%field9%", 1000}, {"%field10%", 1049}, {"%field11%", 1001}, {"%field12%", 1050},
};

// Comunicat de premsa -------------------------------------------------------------------------

// clang-format off
constexpr Item kPremsaItems[] = {
    box(1042, "<TEXT>", 14), br(),
};
// clang-format on

constexpr PlaceholderEntry kPremsaPlaceholders[] = {{"%field1%", 1042}};

// Comunicats interns --------------------------------------------------------------------------

// The two memos share their heading, text and signature; the collective one adds the request to
// sign and pass it on, and the list of those it goes round.
// clang-format off
constexpr std::array kMemoHeading = {
    grid(), label("Referència:"), edit(1042, "<REFERÈNCIES>"), br(),
    grid(), label("DE:"), edit(1043, "<CÀRREC EMISSOR>"), br(),
    grid(), label("A:"), edit(1044, "<CÀRREC RECEPTOR>"), br(),
    rule(),
    label("ASSUMPTE:"), edit(1045, "<ASSUMPTE>"), br(),
    box(1046, "<TEXT>", 6), br(),
};
constexpr std::array kMemoSignature = {
    label("Signatura"), br(),
    edit(1105, "<NOM i COGNOMS>", Size::Long), br(),
    edit(1106, "<MUNICIPI>", Size::Medium), today(1083, Size::Long), stretch(), br(),
};
constexpr auto kIntIndvItems = join(kMemoHeading, kMemoSignature);
constexpr auto kIntColItems = join(
    kMemoHeading,
    std::array{label("Signeu l'«assabentat», si us plau, i feu circular aquest comunicat per l'ordre indicat."), br()},
    kMemoSignature,
    std::array{gap(), label("Assabentats"), br(), rule(), box(1047, "<RECORREGUT>", 4), br()});
// clang-format on

constexpr std::array<PlaceholderEntry, 8> kIntIndvPlaceholders = {{
    {"%field1%", 1042}, {"%field2%", 1043}, {"%field3%", 1044}, {"%field4%", 1045},
    {"%field5%", 1046}, {"%field6%", 1105}, {"%field7%", 1106}, {"%field8%", 1083},
}};
constexpr auto kIntColPlaceholders = join(kIntIndvPlaceholders, std::array{PlaceholderEntry{"%field9%", 1047}});

// Carta ---------------------------------------------------------------------------------------

// The sender's block, the addressee's block, then the letter itself; only "(signatura)" is
// written on the form, the rest is told by where each box stands and by its bracketed text.
// clang-format off
constexpr Item kCartaItems[] = {
    edit(1042, "<NOM i COGNOMS>", Size::Long), br(),
    edit(1109, "<CÀRREC/EMPRESA>", Size::Long), br(),
    edit(1046, "<ADREÇA>", Size::Long), edit(1049, "<CODI>", Size::Short), stretch(), br(),
    edit(1113, "<MUNICIPI>", Size::Medium), edit(1048, "<COMARCA>", Size::Medium), stretch(), br(),
    gap(),
    stretch(), edit(1043, "<NOM i COGNOMS>", Size::Long), br(),
    stretch(), edit(1110, "<CÀRREC/EMPRESA DEL DESTINATARI>", Size::Long), br(),
    stretch(), edit(1047, "<ADREÇA DEL DESTINATARI>", Size::Long), edit(1050, "<CODI>", Size::Short), br(),
    stretch(), edit(1045, "<MUNICIPI>", Size::Medium), edit(1051, "<COMARCA>", Size::Medium), br(),
    gap(),
    edit(1054, "<SALUTACIÓ>", Size::Long), br(),
    box(1055, "<COS>", 8), br(),
    edit(1056, "<FÓRMULA DE COMIAT>", Size::Long), br(),
    gap(),
    label("(signatura)"), br(),
    edit(1111, "<NOM i COGNOMS>", Size::Long), br(),
    edit(1001, "<CÀRREC/EMPRESA>", Size::Long), br(),
    gap(),
    edit(1052, "<MUNICIPI>", Size::Medium), today(1083, Size::Long), stretch(), br(),
    gap(),
    edit(1112, "<INFORMACIÓ OCASIONAL>"), br(),
};
// clang-format on

constexpr PlaceholderEntry kCartaPlaceholders[] = {
    {"%field1%", 1042},  {"%field2%", 1109},  {"%field3%", 1046},  {"%field4%", 1049},  {"%field5%", 1113},
    {"%field6%", 1048},  {"%field7%", 1043},  {"%field8%", 1110},  {"%field9%", 1047},  {"%field10%", 1050},
    {"%field11%", 1045}, {"%field12%", 1051}, {"%field13%", 1054}, {"%field14%", 1055}, {"%field15%", 1056},
    {"%field16%", 1111}, {"%field17%", 1001}, {"%field18%", 1052}, {"%field19%", 1083}, {"%field20%", 1112},
};

// Saluda --------------------------------------------------------------------------------------

// clang-format off
constexpr Item kSaludaItems[] = {
    edit(1088, "<CÀRREC>", Size::Long), br(),
    edit(1089, "<CÀRREC>", Size::Long), br(),
    gap(),
    label("SALUDA"), br(),
    gap(),
    choice(1000, kSenyors, true), edit(1049, "<NOM I COGNOMS>"), br(),
    gap(),
    label("i es plau convidar-lo"), edit(1042, "<ACTE>"), br(),
    gap(),
    edit(1043, "<NOM I COGNOMS>", Size::Long), br(),
    gap(),
    label("aprofita aquesta avinentesa per manifestar-li la seva consideració i el seu afecte."), br(),
    gap(),
    edit(1047, "<MUNICIPI>", Size::Medium), today(1083, Size::Long), stretch(), br(),
};
// clang-format on

constexpr PlaceholderEntry kSaludaPlaceholders[] = {
    {"%field1%", 1088}, {"%field2%", 1089}, {"%field3%", 1000}, {"%field4%", 1049},
    {"%field5%", 1042}, {"%field6%", 1043}, {"%field7%", 1047}, {"%field8%", 1083},
};

} // namespace

const FormDef kActaReunio{"CTCViewActaReunio", 160, 163, 340, kActaItems, kActaPlaceholders};
const FormDef kCertificat{"CTCViewCert", 161, kCertModelA, 340, kCertItems, kCertPlaceholders};
const FormDef kConvReunio{"CTCViewConvReunio", 162, 166, 360, kConvItems, kConvPlaceholders};
const FormDef kInvitacio{"CTCViewActaInvitacio", 163, 167, 340, kInvitacioItems, kInvitacioPlaceholders};
const FormDef kComPremsa{"CTCViewComPremsa", 164, 171, 340, kPremsaItems, kPremsaPlaceholders};
const FormDef kCommIntIndv{"CTCViewCommIntIndv", 175, 175, 320, kIntIndvItems, kIntIndvPlaceholders};
const FormDef kCommIntCol{"CTCViewCommIntCol", 176, 176, 320, kIntColItems, kIntColPlaceholders};
const FormDef kCarta{"CTCViewCarta", 177, 177, 340, kCartaItems, kCartaPlaceholders};
const FormDef kSaluda{"CTCViewSaluda", 178, 178, 320, kSaludaItems, kSaludaPlaceholders};

} // namespace forms
