#include "forms/DocumentCatalogue.h"

#include <array>

namespace forms {
namespace {

// Each text is kept as written, double spaces and tabs included; words run together and
// misspelt have been mended, since a writing handbook must not show them.
constexpr std::array<std::string_view, 20> kDescriptions = {
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
    {0, {}, 0, -1, {}},
};

const DocListEntry g_apDocList[] = {
    {0, "Documentació que inicia el procediment", 0, 0, {}},
    {165, "sol·licitud - Model A", 1, 1, kDescriptions[11]},
    {166, "sol·licitud - Model B", 1, 1, kDescriptions[11]},
    {174, "petició", 1, 1, kDescriptions[12]},
    {173, "denúncia", 1, 1, kDescriptions[13]},
    {0, "Documentació usada durant el procediment", 0, 0, {}},
    {185, "al·legació", 1, 1, kDescriptions[14]},
    {186, "desistiment", 1, 1, kDescriptions[15]},
    {187, "renúncia", 1, 1, kDescriptions[16]},
    {188, "queixa", 1, 1, kDescriptions[17]},
    {0, "Documentació usada amb posterioritat a la resolució", 0, 0, {}},
    {189, "recurs d'alçada", 1, 1, kDescriptions[18]},
    {190, "recurs potestatiu de reposició", 1, 1, kDescriptions[19]},
    {0, {}, 0, -1, {}},
};

std::span<const DocListEntry> catalogueRows(const DocListEntry *catalogue)
{
    std::size_t count = 0;
    while (catalogue[count].nPosition != -1)
        ++count;
    return {catalogue, count};
}

std::string_view kindName(int formId)
{
    for (const DocListEntry *catalogue : {g_tcDocList, g_apDocList}) {
        for (const DocListEntry &row : catalogueRows(catalogue)) {
            if (row.nLevel == 1 && row.nFormID == formId)
                return row.pszName;
        }
    }
    return {};
}

std::span<const std::string_view> docDescriptions()
{
    return kDescriptions;
}

} // namespace forms
