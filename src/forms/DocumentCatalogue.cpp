#include "forms/DocumentCatalogue.h"

#include <array>

namespace forms {
namespace {

// Each text is kept as written, double spaces and tabs included; words run together and
// misspelt have been mended, since a writing handbook must not show them.
constexpr std::array<std::string_view, 28> kDescriptions = {
    "És un document formal que constata un fet, una convenció, una obligació, una  deliberació, "
    "un acord  o una manifestació  de voluntat, a fi que  n'hi hagi constància.",
    "És un document mitjançant el  qual donem fe d'un fet o d'unes declaracions. Atès "
    "que la persona que signa el certificat ho fa en funció del seu càrrec, caldrà consignar-hi "
    "sempre la referència al càrrec.",
    "És l'escrit mitjançant el qual l'emissor demana al receptor que es presenti en un "
    "lloc i en una data determinats, perquè participi en una reunió que li és d'interès.",
    "És el document  pel qual hom  notifica a una  altra persona  la  celebració d'algun "
    "acte al   qual  se la  convida. Tota invitació ha  d'incloure, com a mínim, el  càrrec "
    "de qui  convida, la mena d'acte  i les peculiaritats  que\tse'n desprenen.",
    "És un text que tramet una persona en representació de l'empresa a un diari, perquè  "
    "hi sigui publicat; aquest document, per la seva peculiaritat, no té\tcap estructura "
    "fixa.",
    "És aquell escrit que conté informacions que l'emissor transmet  al receptor dins  "
    "de  la  mateixa  organització  perquè  en   prengui  coneixement.  Es caracteritza "
    "perquè sempre és de caràcter unipersonal.",
    "És aquell que conté informacions que l'emissor transmet al receptor dins de\tla  "
    "mateixa  organització  perquè  en  prengui  coneixement. Es tracta d'un comunicat "
    "de  règim interior que  passa per les mans  de diversos receptors.",
    "És una comunicació escrita de caràcter interpersonal, la qual pot contenir informacions "
    "diverses i pot respondre a finalitats diferents.",
    "El saluda  és un tipus  específic de carta  que pel  seu contingut  és molt similar "
    "a la invitació.",
    "És el document que acompanya les mercaderies que es lliuren a un client i que en "
    "justifica el lliurament. S'hi consignen les dades del proveïdor i del client, la "
    "data i, per a cada article, la quantitat, el concepte, el preu unitari i el total.",
    "És el document mitjançant el qual s'encarreguen  mercaderies o serveis a un proveïdor. "
    "En  general,  s'hi  consignaran  les  dades  que identifiquen el comprador i la "
    "data en què s'emet el document, les dades comercials com ara\tel tipus de l'article "
    "o la forma de lliurament.",
    "És  un text  pel qual la persona interessada  s'adreça a l'Administració i li demana alguna "
    "cosa relacionada amb qualsevol matèria de tramitació prevista per la normativa vigent.",
    "És una sol·licitud que fa la persona interessada a l'Administració sobre una matèria no reglada "
    "de la seva competència.",
    "És un document en què  es  comuniquen  a  l'òrgan  administratiu  fets  que poden justificar "
    "la iniciació d'ofici d'un procediment.",
    "És  un  document  en  què  la persona interessada  comunica  a  l'Administració  les al·legacions "
    "que considera oportunes en un procediment en curs.",
    "És  un document en què  es comunica a l'òrgan  administratiu que la persona interessada "
    "desisteix de la seva sol·licitud.",
    "És un  document en què es comunica  a l'òrgan administratiu  que la persona interessada "
    "renuncia als  seus drets, si  no li  ho prohibeix expressament l'ordenament jurídic.",
    "És un  document mitjançant  el qual els  electors de  les Cambres  formulen queixes  "
    "davant   l'administració  que  en tingui  tutela  en  referència a l'actuació  de  "
    "les  Cambres. Per  la seva  forma, s'ajusta  perfectament a l'estructura de les sol·licituds.",
    "És un document mitjançant el qual la persona interessada recorre contra les resolucions i "
    "els actes de l'Administració que no posen fi a la via administrativa. S'adreça a l'òrgan "
    "superior jeràrquic del que els ha dictat, i es pot presentar davant aquest òrgan o davant "
    "el que els ha dictat; el termini és d'un mes si l'acte és exprés (articles 121 i 122 de la "
    "Llei 39/2015).",
    "És un document mitjançant el qual la persona interessada recorre, només contra els actes "
    "que posen fi a la via administrativa, davant el mateix òrgan que els ha dictat, en lloc "
    "d'anar directament a la jurisdicció contenciosa administrativa; el termini és d'un mes "
    "si l'acte és exprés (articles 123 i 124 de la Llei 39/2015).",
    "És el document mitjançant el qual la persona interessada manifesta, sota la seva responsabilitat, que "
    "compleix els requisits que la normativa estableix per exercir un dret o iniciar una activitat, que disposa de "
    "la documentació que ho acredita, que la posarà a disposició de l'Administració quan li sigui requerida i que "
    "es compromet a mantenir-ne el compliment. La presenta qui vol exercir el dret o iniciar l'activitat, que pot "
    "fer-ho des del dia de la presentació, sens perjudici de les facultats de comprovació de l'Administració "
    "(article 69 de la Llei 39/2015).",
    "És el document mitjançant el qual la persona interessada posa en coneixement de l'Administració les seves "
    "dades identificatives o qualsevol altra dada rellevant per iniciar una activitat o exercir un dret. La presenta "
    "qui inicia l'activitat o exerceix el dret, abans de fer-ho o, quan la legislació corresponent ho preveu "
    "expressament, dins d'un termini posterior a l'inici (article 69.2 de la Llei 39/2015).",
    "És el document mitjançant el qual una persona designa qui la representa davant una administració, en un "
    "procediment concret o en qualsevol actuació, i la persona representant hi signa l'acceptació. Cal acreditar "
    "la representació per formular sol·licituds, presentar declaracions responsables o comunicacions, interposar "
    "recursos, desistir d'accions i renunciar a drets en nom d'una altra persona (article 5 de la Llei 39/2015). La "
    "representació també es pot atorgar per compareixença personal a l'oficina d'assistència en matèria de "
    "registres o per compareixença electrònica a la seu electrònica, i queda inscrita en el registre electrònic "
    "d'apoderaments (article 6).",
    "És el document mitjançant el qual qualsevol persona demana a una administració o a una entitat pública la "
    "informació que té en el seu poder com a conseqüència de la seva activitat. No cal motivar la sol·licitud ni "
    "acreditar cap interès, tot i que els motius que s'hi exposin es poden tenir en compte en resoldre (article 18 "
    "de la Llei 19/2014). L'Administració ha de resoldre en el termini d'un mes.",
    "És el document mitjançant el qual la persona que ha sol·licitat informació pública reclama davant la Comissió "
    "de Garantia del Dret d'Accés a la Informació Pública quan l'Administració li ha denegat l'accés, totalment o "
    "parcialment, o no ha resolt dins del termini. S'ha de presentar en el termini d'un mes des de la notificació "
    "de la resolució o des que es produeix el silenci administratiu (article 42 de la Llei 19/2014). És gratuïta i "
    "no cal interposar abans un recurs de reposició.",
    "És el document mitjançant el qual una persona exerceix davant el responsable d'un tractament els drets que li "
    "reconeixen els articles 15 a 22 del Reglament general de protecció de dades: accés, rectificació, supressió, "
    "limitació del tractament, portabilitat, oposició i no ser objecte de decisions individuals automatitzades. El "
    "responsable ha de respondre en el termini d'un mes, prorrogable dos mesos més en els casos complexos. Si no "
    "respon o denega la petició, es pot reclamar davant l'Autoritat Catalana de Protecció de Dades quan el "
    "responsable és una administració o una entitat pública de Catalunya, i davant l'Agència Espanyola de "
    "Protecció de Dades en els altres casos.",
    "És el recurs que la persona interessada interposa contra un acte ferm en via administrativa, davant l'òrgan "
    "que el va dictar, només per un dels quatre motius que preveu l'article 125 de la Llei 39/2015. Si el motiu és "
    "un error de fet que resulta dels documents de l'expedient, el termini és de quatre anys des de la notificació "
    "de la resolució; en els altres casos, de tres mesos des que es coneixen els documents o des que la sentència "
    "judicial és ferma.",
    "És el document mitjançant el qual una empresa o un professional detalla per endavant els béns o els serveis "
    "que oferirà a un client, amb els preus, l'IVA, la validesa de l'oferta i les condicions de pagament. Cal tenir "
    "en compte que un pressupost no és una factura: qui emet factures a Espanya ha de complir el Reglament que "
    "regula les obligacions de facturació (Reial decret 1619/2012) i, a partir del 2027, el programa amb què les "
    "emet ha de complir els requisits del Reial decret 1007/2023. Aquest manual només ofereix models de documents "
    "i no emet factures.",
};

} // namespace

const DocListEntry g_tcDocList[] = {
    {0, "Actes i certificats", 0, 0, {}},
    {160, "acta de reunió", 1, 1, kDescriptions[0]},
    {161, "certificat", 1, 2, kDescriptions[1]},
    {0, "Comunicacions i convocatòries", 0, 0, {}},
    {162, "convocatòria de reunió", 1, 1, kDescriptions[2]},
    {163, "invitació", 1, 2, kDescriptions[3]},
    {0, "Comunicats", 0, 0, {}},
    {164, "comunicat de premsa", 1, 1, kDescriptions[4]},
    {175, "comunicat intern individual", 1, 2, kDescriptions[5]},
    {176, "comunicat intern col·lectiu", 1, 3, kDescriptions[6]},
    {0, "Correspondència comercial", 0, 0, {}},
    {177, "carta", 1, 1, kDescriptions[7]},
    {178, "saluda", 1, 2, kDescriptions[8]},
    {0, "Documentació comercial", 0, 0, {}},
    {179, "albarà", 1, 1, kDescriptions[9]},
    {181, "comanda", 1, 2, kDescriptions[10]},
    {198, "pressupost", 1, 3, kDescriptions[27]},
    {0, {}, 0, -1, {}},
};

const DocListEntry g_apDocList[] = {
    {0, "Documentació que inicia el procediment", 0, 0, {}},
    {165, "sol·licitud - Model A", 1, 1, kDescriptions[11]},
    {166, "sol·licitud - Model B", 1, 1, kDescriptions[11]},
    {174, "petició", 1, 1, kDescriptions[12]},
    {173, "denúncia", 1, 1, kDescriptions[13]},
    {191, "declaració responsable", 1, 1, kDescriptions[20]},
    {192, "comunicació prèvia", 1, 1, kDescriptions[21]},
    {194, "sol·licitud d'accés a la informació pública", 1, 1, kDescriptions[23]},
    {196, "exercici de drets de protecció de dades", 1, 1, kDescriptions[25]},
    {0, "Documentació usada durant el procediment", 0, 0, {}},
    {185, "al·legació", 1, 1, kDescriptions[14]},
    {186, "desistiment", 1, 1, kDescriptions[15]},
    {187, "renúncia", 1, 1, kDescriptions[16]},
    {188, "queixa", 1, 1, kDescriptions[17]},
    {193, "atorgament de representació", 1, 1, kDescriptions[22]},
    {0, "Documentació usada amb posterioritat a la resolució", 0, 0, {}},
    {189, "recurs d'alçada", 1, 1, kDescriptions[18]},
    {190, "recurs potestatiu de reposició", 1, 1, kDescriptions[19]},
    {197, "recurs extraordinari de revisió", 1, 1, kDescriptions[26]},
    {195, "reclamació davant la Comissió de Garantia del Dret d'Accés a la Informació Pública", 1, 1,
     kDescriptions[24]},
    {0, {}, 0, -1, {}},
};

std::span<const DocListEntry> catalogueRows(const DocListEntry *catalogue)
{
    std::size_t count = 0;
    while (catalogue[count].position != -1)
        ++count;
    return {catalogue, count};
}

std::string_view kindName(int formId)
{
    for (const DocListEntry *catalogue : {g_tcDocList, g_apDocList}) {
        for (const DocListEntry &row : catalogueRows(catalogue)) {
            if (row.level == 1 && row.formId == formId)
                return row.name;
        }
    }
    return {};
}

std::span<const std::string_view> docDescriptions()
{
    return kDescriptions;
}

} // namespace forms
