#include "cli/Help.h"

namespace cli {
namespace {

constexpr std::string_view kProgram = R"(Ús: plecta-cli ORDRE [OPCIONS]

Plecta des del terminal: numerals, llistes de consulta, documents i cartes en sèrie.

Ordres:
  numeral N        escriu un número en lletres, en femení i en masculí
  ordinal N        escriu l'ordinal d'un número, en lletres i abreujat
  amount IMPORT    escriu un import en euros en lletres
  list TAULA       mostra una llista de consulta (vocabulari, abreviatures, municipis...)
  search TEXT      cerca TEXT a tot el manual alhora (llistes, tractaments, tipus de document)
  kinds            mostra els tipus de document dels dos catàlegs
  fields TIPUS     mostra els camps del formulari d'un tipus de document
  document TIPUS   escriu un document acabat
  merge TIPUS      escriu un document per cada fila d'un fitxer CSV
  save TIPUS       desa un formulari omplert en un fitxer .plecta
  check [FITXER]   revisa l'ortografia i els castellanismes d'un text

Opcions:
  --version        mostra la versió del programa («Plecta X.Y.Z») i acaba
  -h, --help       mostra aquesta ajuda o, després d'una ordre, l'ajuda de l'ordre

Estat de sortida:
  0  tot ha anat bé
  1  una cerca no ha trobat res; check ha trobat alguna cosa a revisar
  2  l'entrada no és vàlida (una opció, un text, el CSV, un nom de fitxer)
  3  error d'entrada/sortida: un fitxer o la sortida estàndard que no es pot llegir o escriure
     (disc ple, sense permís, un canvi de nom que falla)
El motiu s'explica en una línia a la sortida d'error; no queda cap fitxer a mitges ni es perd
cap fitxer que ja hi fos.

Vegeu «plecta-cli ORDRE --help» per a cada ordre.
)";

constexpr std::string_view kNumeral = R"(Ús: plecta-cli numeral N [--gender f|m] [--encoding utf-8|cp1252]

Escriu el número N (de 0 a 99.999.999: xifres, amb punts de milers si voleu, 1.234.567) en
lletres, tal com ho fa la finestra «Numerals»: primer en femení i després en masculí, un a cada
línia, amb un sol espai entre paraules.

Opcions:
  --gender f|m       escriu només el femení (f) o el masculí (m)
  --encoding CODI    utf-8 (per defecte) o cp1252

Un número de més de vuit xifres dóna «número massa gran» i l'estat 2, com a la finestra.

Exemples:
  plecta-cli numeral 1234567 --gender m
  plecta-cli numeral 1.234.567    # el mateix número, amb punts de milers
)";

constexpr std::string_view kOrdinal = R"(Ús: plecta-cli ordinal N [--encoding utf-8|cp1252]

Escriu l'ordinal del número N (d'1 a 999999, només xifres) en quatre línies: en lletres en
femení i en masculí, i abreujat en femení i en masculí.

Exemple:
  plecta-cli ordinal 21      # vint-i-unena, vint-i-unè, 21a, 21è
)";

constexpr std::string_view kAmount = R"(Ús: plecta-cli amount IMPORT [--encoding utf-8|cp1252]

Escriu un import en euros en lletres, en una línia. L'import són xifres, amb punts de milers si
es vol i una coma decimal amb un o dos decimals, fins a 99.999.999,99.

Exemples:
  plecta-cli amount 1.234,56   # mil dos-cents trenta-quatre euros amb cinquanta-sis cèntims
  plecta-cli amount 2000000    # dos milions d'euros
)";

constexpr std::string_view kList =
    R"(Ús: plecta-cli list TAULA [--sort COLUMNA [--desc]] [--find TEXT] [--encoding utf-8|cp1252]

Mostra les files d'una llista de consulta tal com les mostra la finestra, amb les columnes
separades per tabuladors, en l'ordre de la taula i amb els espais de farciment.

Taules:
  vocabulary       Castellà - Català
  vocabulary-ca    Català - Castellà
  abbreviations    Abreviatures
  symbols          Símbols i sigles
  municipalities   Municipis (nom, comarca, codi postal i prefix)
  comarques        Comarques
  treatments       Tractaments protocol·laris: tractament, abreviatures i càrrec, una frase per
                   fila

Opcions:
  --sort COLUMNA     ordena com un clic al títol de la columna; COLUMNA és el títol
                     («Codi Postal») o el número de la columna, comptant des d'1
  --desc             ordre descendent, com un segon clic al mateix títol
  --find TEXT        mostra, una rere l'altra des de dalt, les files que seleccionaria la cerca
                     (Ctrl+F): les que comencen per TEXT a la primera columna, sense distingir
                     majúscules; a totes les llistes
  --encoding CODI    utf-8 (per defecte) o cp1252, els bytes del programa

Les comarques no s'ordenen.
Una cerca que no troba res escriu «No trobat» a la sortida d'error i acaba amb l'estat 1.

Exemples:
  plecta-cli list municipalities --sort "Codi Postal" --desc
  plecta-cli list vocabulary-ca --find acord
  plecta-cli list treatments --find "il·lustre"
)";

constexpr std::string_view kSearch = R"(Ús: plecta-cli search TEXT [--in LLISTA[,LLISTA...]] [--encoding utf-8|cp1252]

Cerca TEXT a tot el manual alhora, com la cerca de tot el manual (Ctrl+K) de la finestra: les
llistes de consulta, els tractaments protocol·laris i els tipus de document dels dos catàlegs.
No distingeix majúscules ni accents, llegeix «l·l», «l.l» i «ll» igual, i cada paraula de TEXT
pot ser a qualsevol columna i dins d'una paraula. Un municipi també es troba pel nom amb l'article
al davant («l'Hospitalet»). Una paraula de TEXT amb «/» o «.» s'ha de trobar amb aquests signes:
«c/» troba l'abreviatura «c/» i no totes les «c».

Escriu una línia per fila trobada: el nom de la llista, un tabulador i les columnes de la fila
sense els espais de farciment, separades per tabuladors. Les llistes surten en aquest ordre, i
les files de cada llista en l'ordre de la taula.

Llistes:
  vocabulary       Castellà - Català
  abbreviations    Abreviatures
  symbols          Símbols i sigles
  municipalities   Municipis (nom, comarca, codi postal i prefix)
  comarques        Comarques
  treatments       Tractaments: tractament, abreviatures i el càrrec o la frase sencera
  documents        Tipus de document: nom i descripció

Opcions:
  --in LLISTES       cerca només a les llistes donades, separades per comes
  --encoding CODI    utf-8 (per defecte) o cp1252, els bytes del programa

Si no troba res escriu «No trobat» a la sortida d'error i acaba amb l'estat 1; un TEXT sense
cap lletra ni xifra dóna l'estat 2.

Exemples:
  plecta-cli search "l'hospitalet"
  plecta-cli search sollicitud --in vocabulary
  plecta-cli search reposicio --in documents
  plecta-cli search alcalde --in treatments
)";

constexpr std::string_view kCheck = R"(Ús: plecta-cli check [FITXER|-]

Revisa un text en UTF-8 (FITXER, o l'entrada estàndard si no n'hi ha cap o és «-») com la
finestra revisa el que s'escriu: les paraules que el diccionari català no coneix i les formes
que cal evitar (castellanismes), amb les formes correctes del manual.

Escriu una línia per cosa trobada, en l'ordre del text:
  línia:columna<TAB>paraula<TAB>tipus<TAB>suggeriments
El tipus és «ortografia» o «castellanisme»; els suggeriments van separats per comes. Les
columnes compten caràcters des d'1.

No es revisen els camps per emplenar («<NOM i COGNOMS>»), els números, els DNI i NIE, els codis
postals, les adreces electròniques i web, ni els noms de municipis i comarques. Sense el
diccionari català instal·lat (hunspell-ca) només es revisen els castellanismes.

Estat de sortida: 0 si no troba res, 1 si troba alguna cosa, 2 si el text no és UTF-8 vàlid, el
fitxer no existeix o els arguments no ho són, 3 si no es pot llegir o escriure.

Exemples:
  plecta-cli check carta.txt
  echo "Cal desarrollar el projecte en base a l'informe" | plecta-cli check
)";

constexpr std::string_view kKinds = R"(Ús: plecta-cli kinds [--encoding utf-8|cp1252]

Mostra els tipus de document dels catàlegs «Textos de l'empresa» i «Administració Pública»:
l'identificador del formulari, el nom, el catàleg i l'apartat, separats per tabuladors. Un tipus
es pot nomenar pel seu identificador (de 160 a 190) o pel seu nom, p. ex. 177 o "carta". El nom
no distingeix majúscules, accents, el punt volat ni la puntuació, i n'hi ha prou de començar-ne
les paraules, en ordre, si només un tipus hi escau: "acta", "sollicitud a", "recurs rep". Un nom
que escau a més d'un tipus es refusa (estat 2) amb la llista dels possibles.
)";

constexpr std::string_view kFields = R"(Ús: plecta-cli fields TIPUS [--date AAAA-MM-DD] [--encoding utf-8|cp1252]

Mostra els camps del formulari d'un tipus de document, en l'ordre del formulari, separats per
tabuladors: nom, número, mena de camp, l'etiqueta que el precedeix, el text inicial i, per a
les llistes, els elements (separats per «|»).

Les opcions i les columnes del CSV prenen un camp pel nom o pel número.

Menes de camp:
  text               quadre de text (--set CAMP=TEXT); els quadres grans de diverses línies
                     admeten salts de línia, escrits «\n» a --set
  data               quadre de text que comença amb la data (--set CAMP=TEXT o --date)
  selector de data   selector de data (--date, o --set CAMP=AAAA-MM-DD)
  llista             llista d'elements (--choose CAMP=ELEMENT)
  llista editable    llista que també admet text: --choose CAMP=ELEMENT o --set CAMP=TEXT
  línies             la llista de línies de l'albarà i de la comanda (--line); els «elements»
                     són les columnes
  model              el botó d'opció de cada model del certificat (--model A|B)

Opcions:
  --date AAAA-MM-DD  la data dels textos inicials (avui, si no es dóna)
)";

constexpr std::string_view kDocument = R"(Ús: plecta-cli document TIPUS [OPCIONS]
     plecta-cli document --values FITXER.plecta [OPCIONS]

Escriu el document acabat tal com el mostra la pestanya «Document» per a un formulari que té
els textos inicials a tots els camps llevat dels que es donen. Per defecte el document surt en
Windows-1252 amb salts de línia CR LF, com el desa «Anomena i desa» amb el tipus «Text
Windows-1252» (en UTF-8 si surt en un terminal).

Amb -o, el format el dona l'extensió del fitxer: .pdf escriu un PDF/A (A4, amb les fonts
incloses), .odt un document OpenDocument per editar-lo amb un processador de textos, i qualsevol
altra extensió, text. --format ho tria explícitament.

Amb --values, el formulari comença com es va desar (vegeu plecta-cli save --help) i les opcions
--set, --choose, --line i --model el canvien o hi afegeixen. Un camp desat que el formulari ja no
té s'avisa a la sortida d'error i la resta s'obre.

Opcions:
  --values FITXER      omple el formulari desat a FITXER (.plecta)
  --set CAMP=TEXT      posa TEXT al CAMP, pel nom o pel número (vegeu plecta-cli fields
                       TIPUS); es pot repetir
  --choose CAMP=ELEMENT
                       tria ELEMENT a la llista CAMP; es pot repetir
  --line A|B|C...      afegeix una línia a l'albarà o a la comanda, un valor per columna; es pot
                       repetir, i cada línia nova va a dalt de tot, com amb «Afegeix un concepte»
  --model A|B          el model del certificat (A, si no es dona)
  --date AAAA-MM-DD    la data dels camps de data i dels selectors (avui, si no es dóna)
  -o, --output FITXER  escriu el document a FITXER i no a la sortida estàndard
  --force              substitueix FITXER si ja existeix
  --format txt|odt|pdf el format del document, si no el dona l'extensió de FITXER
  --encoding CODI      només per al text: cp1252 o utf-8; per defecte, utf-8 a un terminal i
                       cp1252 en un fitxer (-o) o una canonada
  --strict             no escriu el document si encara hi queda un camp per omplir (un text
                       entre «<» i «>» o una llista que encara diu «Càrrec»): els anomena i
                       acaba amb l'estat 2; sense --strict, el document s'escriu igualment

Els textos es donen en UTF-8; «ŀ» s'escriu «l·» i un caràcter que Windows-1252 no pot
representar s'informa amb la seva posició, sense escriure res.

Exemples:
  plecta-cli document carta --set destinatari="Maria Puig i Soler" --date 2024-03-15 -o carta.txt
  plecta-cli document albarà --line "3|Cadira|25|75" --line "1|Taula|120|120" --encoding utf-8
  plecta-cli document certificat --model B --set vistiplau="la presidenta"
  plecta-cli document "recurs d'alçada" --date 2024-03-15 -o recurs.pdf
  plecta-cli document --values certificat.plecta --set expedidor="Joan Mas" -o certificat.pdf
)";

constexpr std::string_view kMerge = R"(Ús: plecta-cli merge TIPUS --csv FITXER --out CARPETA [--name COLUMNA] [OPCIONS]
     plecta-cli merge TIPUS --csv FITXER --single FITXER.pdf|FITXER.odt [OPCIONS]
     plecta-cli merge --values FITXER.plecta --csv FITXER ... [OPCIONS]

Escriu un document per cada fila d'un fitxer CSV (RFC 4180, UTF-8). La primera fila nomena els
camps: cada columna és el nom o el número d'un camp del formulari (vegeu plecta-cli fields
TIPUS).
Per a cada fila, el formulari comença amb els textos inicials i les opcions comunes, i cada
cel·la omple el seu camp: un quadre de text pren el text tal qual (una cel·la buida el deixa
buit); una llista tria l'element i un selector de data pren una data AAAA-MM-DD (una cel·la
buida els deixa com comencen).

Els fitxers es diuen com el valor de la columna --name, amb l'extensió del format al final
(«.txt», si no es dona --format), o 001.txt, 002.txt... en l'ordre de les files. La columna
--name pot ser un camp o una columna qualsevol. Amb --single, totes les files van a un sol fitxer
PDF o OpenDocument, cada document en una pàgina nova.
Abans d'escriure res es comprova tot el fitxer: una línia dolenta s'informa amb el seu número i
no s'escriu cap document.

Opcions:
  --csv FITXER         el fitxer CSV («-»: l'entrada estàndard)
  --values FITXER      la part comuna, un formulari desat (.plecta)
  --out CARPETA        la carpeta dels documents (es crea si no existeix)
  --name COLUMNA       la columna que dona el nom de cada fitxer
  --format txt|odt|pdf el format dels documents (txt, si no es dona)
  --single FITXER      escriu tots els documents en un sol FITXER .pdf o .odt
  --force              substitueix els fitxers que ja existeixin
  --set, --choose, --line, --model, --date, --encoding
                       com a plecta-cli document, i valen per a totes les files

Exemple:
  plecta-cli merge carta --csv destinataris.csv --out cartes --name destinatari --date 2024-03-15
  plecta-cli merge carta --csv destinataris.csv --single cartes.pdf
  plecta-cli merge --values remitent.plecta --csv destinataris.csv --out cartes
)";

constexpr std::string_view kSave = R"(Ús: plecta-cli save TIPUS [OPCIONS] [-o FITXER.plecta]
     plecta-cli save --values FITXER.plecta [OPCIONS] -o NOU.plecta

Desa el formulari omplert com a plecta-cli document l'ompliria: el tipus de document, el valor
de cada camp, el model i les línies, en un fitxer .plecta (JSON en UTF-8, vegeu el README). Els
camps que no es donen es desen amb el text inicial, i els selectors de data amb la data de --date.
Sense -o, el fitxer surt a la sortida estàndard.

Opcions:
  --set, --choose, --line, --model, --date
                       com a plecta-cli document
  --values FITXER      comença des d'un altre formulari desat
  -o, --output FITXER  escriu el formulari a FITXER
  --force              substitueix FITXER si ja existeix

Exemples:
  plecta-cli save carta --set remitent="Pere Mas" -o remitent.plecta
  plecta-cli document --values remitent.plecta --set destinatari="Anna Vidal"
)";

} // namespace

std::string_view programHelp()
{
    return kProgram;
}

std::string_view commandHelp(std::string_view command)
{
    if (command == "numeral")
        return kNumeral;
    if (command == "ordinal")
        return kOrdinal;
    if (command == "amount")
        return kAmount;
    if (command == "list")
        return kList;
    if (command == "search")
        return kSearch;
    if (command == "kinds")
        return kKinds;
    if (command == "check")
        return kCheck;
    if (command == "fields")
        return kFields;
    if (command == "document")
        return kDocument;
    if (command == "merge")
        return kMerge;
    if (command == "save")
        return kSave;
    return {};
}

} // namespace cli
