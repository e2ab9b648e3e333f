// plecta-cli document: every kind merges exactly as its form does, a few documents checked
// against the models' wording, and the refusals of bad input.

#include "CliRunner.h"

#include "forms/Certificate.h"
#include "forms/CommercialForms.h"
#include "forms/DocumentCatalogue.h"
#include "forms/FormFields.h"
#include "models/DateText.h"
#include "text/Cp1252.h"

using namespace std::chrono;

namespace {

constexpr year_month_day kDay{year{2001}, September, day{6}};

std::string cp(std::string_view utf8)
{
    return cp1252::fromUtf8(utf8).text;
}

std::string longDate(year_month_day date)
{
    std::string text;
    plecta::MakeLongDateText(text, date);
    return text;
}

std::vector<int> allKindIds()
{
    std::vector<int> ids;
    for (const forms::DocListEntry *catalogue : {forms::g_tcDocList, forms::g_apDocList}) {
        for (const forms::DocListEntry &row : forms::catalogueRows(catalogue)) {
            if (row.level == 1)
                ids.push_back(row.formId);
        }
    }
    return ids;
}

std::string document(const forms::FormDef &form, const plecta::FieldSource &fields, bool modelA = true)
{
    std::string text;
    if (&form == &forms::kCertificat)
        forms::generateCertificateText(forms::kCertificat, fields, modelA, text);
    else
        forms::generateFormText(form, fields, text);
    return text;
}

} // namespace

// Every field of every kind given a value of its own (accents and "ŀ" included), each choice
// list its last item, the date pickers another date and the line lists two lines, the fields taken
// by name and by number in turn: the program writes byte for byte what the form merges for the
// same values.
TEST_F(CliTest, EveryKindWritesWhatItsFormMerges)
{
    const std::vector<int> ids = allKindIds();
    ASSERT_EQ(ids.size(), 29u);
    for (int id : ids) {
        SCOPED_TRACE("kind " + std::to_string(id));
        const forms::FormDef *form = forms::formByLayoutId(id);
        ASSERT_NE(form, nullptr);

        std::vector<std::string> args = {"document", std::to_string(id), "--date", "2001-09-06"};
        plecta::MemoryFieldSource expected = forms::initialFields(*form, kDay);
        bool byName = id % 2 == 0;
        for (const forms::Item &item : form->items) {
            byName = !byName;
            const std::string field = byName ? std::string(item.name) : std::to_string(item.id);
            if (item.group != 0)
                continue; // the certificate's closing sentences, tested on their own
            switch (item.kind) {
            case forms::ItemKind::Edit:
            case forms::ItemKind::Box:
            case forms::ItemKind::Today:
                args.push_back("--set");
                args.push_back(field + "=Camp " + field + ": Ŀleida, àèç 50%");
                expected.field(item.id)->text = cp("Camp " + field + ": L·leida, àèç 50%");
                break;
            case forms::ItemKind::DatePicker:
                args.push_back("--set");
                args.push_back(field + "=2002-03-01");
                expected.field(item.id)->text = longDate(year{2002} / March / 1);
                break;
            case forms::ItemKind::Choice: {
                const auto items = forms::sortedChoices(item.items);
                args.push_back("--choose");
                args.push_back(field + "=" + std::string(items.back()));
                expected.field(item.id)->selected = int(items.size()) - 1;
                break;
            }
            case forms::ItemKind::LineList: {
                const std::size_t columns = form->lineItems->dialogLabels.size();
                // Words in the text columns, numbers where the line's sums are.
                const forms::LineItems &lines = *form->lineItems;
                for (const std::string_view value : {"primera", "segona"}) {
                    std::vector<std::string> cells;
                    std::string line;
                    for (std::size_t c = 0; c < columns; ++c) {
                        const int column = int(c);
                        const bool number = column == lines.quantityColumn || column == lines.priceColumn ||
                                            column == lines.amountColumn;
                        const std::string cell = number ? std::to_string(c + 2) + (value == "segona" ? "0" : "")
                                                        : std::string(value) + "·" + std::to_string(c);
                        cells.push_back(column == lines.amountColumn ? std::string() : cp(cell));
                        line += (c ? "|" : "") + (column == lines.amountColumn ? std::string() : cell);
                    }
                    args.push_back("--line");
                    args.push_back(line);
                    // In the order given; the amount left empty is quantity × price.
                    expected.field(item.id)->rows.push_back(cells);
                }
                break;
            }
            default: break;
            }
        }
        const CliRun result = run(args);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, document(*form, expected));
        EXPECT_EQ(result.err, "");
    }
}

// A form nobody touched gives the model with every initial text, today's date by default.
TEST_F(CliTest, UntouchedFormsKeepTheirInitialTexts)
{
    for (int id : {160, 173, 181}) {
        SCOPED_TRACE(id);
        const forms::FormDef &form = *forms::formByLayoutId(id);
        EXPECT_EQ(run({"document", std::to_string(id), "--date", "2001-09-06"}).out,
                  document(form, forms::initialFields(form, kDay)));
    }
    const forms::FormDef &letter = *forms::formByLayoutId(177);
    const std::string today = document(letter, forms::initialFields(letter, plecta::localToday()));
    EXPECT_EQ(run({"document", "carta"}).out, today);
}

// A field by its name is the field by its number; a name the form lacks is refused.
TEST_F(CliTest, FieldsByNameOrNumber)
{
    const CliRun named = run({"document", "165", "--set", "nom=Maria Puig i Soler", "--set", "municipi=Moià", "--date",
                              "2024-03-15", "--encoding", "utf-8"});
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_TRUE(named.out.starts_with("Maria Puig i Soler, major d'edat, amb DNI/NIE núm. <DNI/NIE>,\r\n"
                                      "amb domicili a Moià (<COMARCA>), <ADREÇA>,\r\n"))
        << named.out;
    EXPECT_EQ(run({"document", "165", "--set", "1042=Maria Puig i Soler", "--set", "1047=Moià", "--date", "2024-03-15",
                   "--encoding", "utf-8"})
                  .out,
              named.out);
    EXPECT_EQ(run({"document", "desistiment", "--choose", "document=queixa"}).out,
              run({"document", "desistiment", "--choose", "1000=queixa"}).out);
    EXPECT_TRUE(refused(run({"document", "165", "--set", "Nom=Maria"}), "Nom"));
    EXPECT_TRUE(refused(run({"document", "carta", "--set", "dni=1"}), "dni"));
    EXPECT_TRUE(refused(run({"document", "carta", "--choose", "1042=A"}), "1042"));
}

TEST_F(CliTest, CertificateModelsAndTheirClosingSentences)
{
    const forms::FormDef &form = forms::kCertificat;
    plecta::MemoryFieldSource fields = forms::initialFields(form, kDay);
    fields.field(1046)->text = "la presidenta";
    const CliRun modelB =
        run({"document", "certificat", "--model", "B", "--set", "1046=la presidenta", "--date", "2001-09-06"});
    ASSERT_EQ(modelB.status, 0) << modelB.err;
    EXPECT_EQ(modelB.out, document(form, fields, false));
    EXPECT_NE(modelB.out.find("la presidenta i el segell"), std::string::npos);

    fields.field(1046)->text.clear();
    fields.field(1045)->text = "Pere Mas";
    const CliRun modelA = run({"document", "161", "--set", "1045=Pere Mas", "--date", "2001-09-06"});
    EXPECT_EQ(modelA.out, document(form, fields, true));

    // The window keeps the other model's sentence disabled: a text for it would be lost.
    EXPECT_TRUE(refused(run({"document", "certificat", "--set", "1046=la presidenta"}), "1046"));
    EXPECT_TRUE(refused(run({"document", "certificat", "--model", "C"}), "--model"));
    EXPECT_TRUE(refused(run({"document", "carta", "--model", "B"}), "certificat"));
}

// Checked by eye against the models' wording.
TEST_F(CliTest, GoldenDocuments)
{
    const CliRun press = run({"document", "comunicat de premsa", "--set", "1042=Inaugurem la botiga"});
    EXPECT_EQ(press.out, "\r\nInaugurem la botiga\r\n\r\n");

    const CliRun saluda =
        run({"document",   "saluda",        "--set", "1088=El director", "--set",  "1089=de Vins Mas, SA",
             "--choose",   "1000=senyora",  "--set", "1049=Marta Roig",  "--set",  "1042=la presentació del cava",
             "--set",      "1043=Joan Mas", "--set", "1047=Reus",        "--date", "2024-01-09",
             "--encoding", "utf-8"});
    EXPECT_EQ(saluda.out, "El director\r\nde Vins Mas, SA\r\n\r\nSALUDA\r\n\r\nSenyora Marta Roig\r\n\r\n"
                          "i es complau a convidar-la a la presentació del cava\r\n\r\nJoan Mas\r\n\r\n\r\n"
                          "aprofita  aquesta  avinentesa   per  manifestar-li  la  seva\r\n"
                          "consideració i el seu afecte.\r\n\r\n\r\nReus, 9 de gener de 2024");

    // Lines keep the order in which they are given, and the totals follow the table.
    const CliRun delivery = run({"document", "albarà", "--set", "1115=Mobles Puig, SL", "--line", "3|Cadira|25|75",
                                 "--line", "1|Taula|120|120", "--date", "2024-03-15"});
    const std::string border = "+" + std::string(75, '-') + "+";
    EXPECT_EQ(delivery.out,
              "\r\nMobles Puig, SL\r\n" + cp("<ADREÇA DEL CLIENT>") + "\r\n<NIF>\r\n\r\n" +
                  "\t\t\t\t\t\t\t15 de mar\xE7 de 2024\r\n<NOM DEL CLIENT>\r\n" + cp("<ADREÇA>") + "\r\n<NIF>\r\n\r\n" +
                  border + "\r\n" +
                  cp("¦Quantitat¦ Concepte                            ¦ Preu unitari ¦    TOTAL   ¦\r\n"
                     "¦\t  ¦\t\t\t\t\t¦\t       ¦\t    ¦\r\n"
                     "¦ 3       ¦   Cadira                            ¦ 25           ¦    75      ¦\r\n"
                     "¦ 1       ¦   Taula                             ¦ 120          ¦    120     ¦\r\n") +
                  border + "\r\n" + std::string(45, ' ') + "Base imposable          195,00 \x80\r\n" +
                  std::string(45, ' ') + "IVA 21 %                 40,95 \x80\r\n" + std::string(45, ' ') +
                  "Total                   235,95 \x80\r\n");

    // The withdrawal: a choice list and two date pickers.
    const CliRun withdrawal = run({"document",   "desistiment",
                                   "--set",      "nom=Marta Roig i Puig",
                                   "--set",      "municipi=el Masnou",
                                   "--choose",   "1000=queixa",
                                   "--set",      "1084=2024-02-01",
                                   "--set",      "assumpte=el permís d'obres",
                                   "--set",      "1052=el Masnou",
                                   "--set",      "representat=Anna Roca i Vila",
                                   "--set",      "nif_representat=12345678Z",
                                   "--set",      "correu=marta@exemple.cat",
                                   "--set",      "dir3=L01081214",
                                   "--date",     "2024-03-15",
                                   "--encoding", "utf-8"});
    EXPECT_EQ(withdrawal.out,
              "Marta Roig i Puig, major d'edat, amb DNI/NIE núm. <DNI/NIE>,\r\n"
              "amb domicili al Masnou (<COMARCA>), <ADREÇA>,\r\nCP <CODI>, telèfon <TELÈFON>,\r\n"
              "en representació d'Anna Roca i Vila, amb DNI/NIE/NIF\r\nnúm. 12345678Z,\r\n\r\n"
              "DESISTEIXO, d'acord amb l'article 94 de la Llei 39/2015, d'1\r\n"
              "d'octubre, del procediment administratiu comú de les\r\n"
              "administracions públiques, de la queixa presentada\r\n"
              "l'1 de febrer de 2024, relativa al permís d'obres, i demano que es\r\n"
              "declari conclòs el procediment.\r\n\r\n"
              "Vull rebre les notificacions per mitjans electrònics, i l'avís\r\n"
              "de cada notificació a l'adreça electrònica marta@exemple.cat.\r\n\r\n"
              "El Masnou, 15 de març de 2024\r\n\r\n(signatura)\r\n\r\n<DESTINACIÓ> (codi DIR3: L01081214)");
}

TEST_F(CliTest, DocumentFileIsWrittenWholeAndNeverOverwrittenUnasked)
{
    const std::vector<std::string> letter = {"document", "carta", "--set", "1043=Anna Vidal", "--date", "2024-03-15"};
    const std::string bytes = run(letter).out;
    ASSERT_NE(bytes.find("Anna Vidal\r\n"), std::string::npos);

    std::vector<std::string> toFile = letter;
    toFile.insert(toFile.end(), {"-o", "carta.txt"});
    const CliRun first = run(toFile);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "");
    EXPECT_EQ(readFile("carta.txt"), bytes);

    writeFile("carta.txt", "older");
    EXPECT_TRUE(refused(run(toFile), "carta.txt"));
    EXPECT_EQ(readFile("carta.txt"), "older");
    toFile.push_back("--force");
    EXPECT_EQ(run(toFile).status, 0);
    EXPECT_EQ(readFile("carta.txt"), bytes);

    std::vector<std::string> utf8 = letter;
    utf8.insert(utf8.end(), {"--encoding", "utf-8", "--output=carta-utf8.txt"});
    EXPECT_EQ(run(utf8).status, 0);
    EXPECT_EQ(readFile("carta-utf8.txt"), cp1252::toUtf8(bytes));
    EXPECT_EQ(filesIn("."), (std::vector<std::string>{"captured", "carta-utf8.txt", "carta.txt"}));
}

TEST_F(CliTest, DocumentRefusesBadInputAndWritesNothing)
{
    EXPECT_TRUE(refused(run({"document", "telegrama"}), "telegrama"));
    EXPECT_TRUE(refused(run({"document", "159"}), "159"));
    EXPECT_TRUE(refused(run({"document", "carta", "--set", "9999=x"}), "9999"));
    EXPECT_TRUE(refused(run({"document", "carta", "--set", "1043"}), "CAMP=VALOR"));
    EXPECT_TRUE(refused(run({"document", "carta", "--line", "1|Taula|1|1"}), "línies"));
    EXPECT_TRUE(refused(run({"document", "albarà", "--line", "1|Taula"}), "4"));
    EXPECT_TRUE(refused(run({"document", "carta", "--choose", "1043=x"}), "1043"));
    EXPECT_TRUE(refused(run({"document", "acta de reunió", "--choose", "1000=Tresorer"}), "Tresorer"));
    EXPECT_TRUE(refused(run({"document", "acta de reunió", "--set", "1000=Tresorer"}), "--choose"));
    EXPECT_TRUE(refused(run({"document", "desistiment", "--set", "1084=1 de febrer"}), "AAAA-MM-DD"));
    EXPECT_TRUE(refused(run({"document", "carta", "--date", "2023-02-29"}), "2023-02-29"));
    EXPECT_TRUE(refused(run({"document", "carta", "--encoding", "latin9"}), "latin9"));
    EXPECT_TRUE(refused(run({"document", "carta", "--colour"}), "--colour"));

    // A character Windows-1252 cannot hold is named with its place; a line break cannot go into
    // a one-line field.
    EXPECT_TRUE(refused(run({"document", "carta", "--set", "1043=Anna → Joan", "-o", "a.txt"}),
                        "«→» (U+2192), a la posició 6"));
    EXPECT_TRUE(refused(run({"document", "carta", "--line", "x"}), "línies"));
    EXPECT_TRUE(refused(run({"document", "carta", "--set", "1043=dues\nlínies", "-o", "a.txt"}), "U+000A"));
    EXPECT_TRUE(refused(run({"document", "carta", "--set", "1055=\xC3"}), "UTF-8"));

    // Folders that cannot take the file.
    writeFile("plain", "a file, not a folder");
    EXPECT_TRUE(refused(run({"document", "carta", "-o", "missing/a.txt"}), "missing"));
    EXPECT_TRUE(refused(run({"document", "carta", "-o", "plain/a.txt"}), "plain"));
    std::filesystem::create_directory(dir() / "folder");
    EXPECT_TRUE(refused(run({"document", "carta", "-o", "folder"}), "folder"));

    EXPECT_EQ(filesIn("."), (std::vector<std::string>{"captured", "folder", "plain"}));
    EXPECT_EQ(filesIn("folder"), std::vector<std::string>{});
}
