// plecta-cli save, and documents and merges started from a saved form: what is saved gives back
// the same document, the command line adds to it, and a bad file is refused for what is wrong.

#include "CliRunner.h"

#include "forms/CommercialForms.h"
#include "forms/DocumentCatalogue.h"
#include "forms/FormDescription.h"

namespace {

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

// Options that give every field of a form a value of its kind: quotes, backslashes and accents in
// text boxes, two lines in a multi-line box, typed text in an editable list, the last item of a
// fixed one, another date, two lines in the line list.
std::vector<std::string> fillEverything(const forms::FormDef &form)
{
    std::vector<std::string> args;
    for (const forms::Item &item : form.items) {
        const std::string field = std::to_string(item.id);
        if (item.group != 0)
            continue;
        if (forms::takesSeveralLines(item)) {
            args.insert(args.end(), {"--set", field + "=primera «línia»\\nsegona, amb \"cometes\""});
        } else if (item.kind == forms::ItemKind::Edit || item.kind == forms::ItemKind::Box ||
                   item.kind == forms::ItemKind::Today) {
            args.insert(args.end(), {"--set", field + "=Camp " + field + ": C:\\dir \"x\" Ŀleida àèç"});
        } else if (item.kind == forms::ItemKind::DatePicker) {
            args.insert(args.end(), {"--set", field + "=2002-03-01"});
        } else if (item.kind == forms::ItemKind::Choice && item.editable) {
            args.insert(args.end(), {"--set", field + "=escrit a mà " + field});
        } else if (item.kind == forms::ItemKind::Choice) {
            args.insert(args.end(), {"--choose", field + "=" + std::string(forms::sortedChoices(item.items).back())});
        } else if (item.kind == forms::ItemKind::LineList) {
            // Numbers where the line takes numbers; the amount left for the program to compute.
            const forms::LineItems &lines = *form.lineItems;
            for (const std::string value : {"primera", "segona"}) {
                std::string line;
                for (int c = 0; c < int(lines.dialogLabels.size()); ++c) {
                    line += c ? "|" : "";
                    if (c == lines.quantityColumn)
                        line += value == "primera" ? "3" : "1.250";
                    else if (c == lines.priceColumn)
                        line += value == "primera" ? "12,50" : "0,10";
                    else if (c != lines.amountColumn)
                        line += value + "·" + std::to_string(c);
                }
                args.insert(args.end(), {"--line", line});
            }
        }
    }
    if (&form == &forms::kCertificat)
        args.insert(args.end(), {"--model", "B"});
    return args;
}

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string> &more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

} // namespace

// Saved on one day and opened on another, every kind gives back its document byte for byte.
TEST_F(CliTest, EverySavedKindGivesBackItsDocument)
{
    for (int id : allKindIds()) {
        SCOPED_TRACE("kind " + std::to_string(id));
        const forms::FormDef *form = forms::formByLayoutId(id);
        ASSERT_NE(form, nullptr);
        const std::vector<std::string> options = with(fillEverything(*form), {"--date", "2001-09-06"});

        const CliRun direct = run(with({"document", std::to_string(id)}, options));
        ASSERT_EQ(direct.status, 0) << direct.err;
        const CliRun saved = run(with({"save", std::to_string(id), "-o", "formulari.plecta"}, options));
        ASSERT_EQ(saved.status, 0) << saved.err;
        EXPECT_EQ(saved.out, "");

        const CliRun reopened = run({"document", "--values", "formulari.plecta", "--date", "2030-01-01"});
        ASSERT_EQ(reopened.status, 0) << reopened.err << readFile("formulari.plecta");
        EXPECT_EQ(reopened.err, "");
        EXPECT_EQ(reopened.out, direct.out) << readFile("formulari.plecta");
        std::filesystem::remove(dir() / "formulari.plecta");
    }
}

TEST_F(CliTest, CommandLineOverridesAndAddsToASavedForm)
{
    ASSERT_EQ(run({"save", "carta", "--set", "1043=Anna Vidal", "--set", "1042=Pere Mas", "--date", "2024-03-15", "-o",
                   "carta.plecta"})
                  .status,
              0);
    const CliRun changed = run({"document", "--values", "carta.plecta", "--set", "1043=Joan Mas"});
    ASSERT_EQ(changed.status, 0) << changed.err;
    EXPECT_EQ(
        changed.out,
        run({"document", "carta", "--set", "1042=Pere Mas", "--set", "1043=Joan Mas", "--date", "2024-03-15"}).out);
    // The kind word may be given too, when it is the saved one.
    EXPECT_EQ(run({"document", "carta", "--values", "carta.plecta"}).status, 0);

    // Lines given on the command line follow the saved ones, as if given after them.
    ASSERT_EQ(run({"save", "albarà", "--line", "3|Cadira|25|75", "--line", "1|Taula|120|120", "--date", "2024-03-15",
                   "-o", "albara.plecta"})
                  .status,
              0);
    EXPECT_EQ(run({"document", "--values", "albara.plecta", "--line", "2|Llum|10|20"}).out,
              run({"document", "albarà", "--line", "3|Cadira|25|75", "--line", "1|Taula|120|120", "--line",
                   "2|Llum|10|20", "--date", "2024-03-15"})
                  .out);

    // An amount the user wrote over the product in the window comes back as it was written, in
    // the order of the file's lines; a line that is no number is still refused.
    const std::string note =
        R"({"format": "plecta-formulari", "versio": 1, "document": {"nom": "albarà", "numero": 179}, "camps": {}, "linies": )";
    writeFile("ajustat.plecta", note + R"([["3", "Cadira", "25,00", "70,00"], ["1", "Taula", "120", ""]]})");
    const CliRun adjusted = run({"document", "--values", "ajustat.plecta", "--encoding", "utf-8"});
    ASSERT_EQ(adjusted.status, 0) << adjusted.err;
    EXPECT_LT(adjusted.out.find("70,00"), adjusted.out.find("120,00"));
    EXPECT_NE(adjusted.out.find("Base imposable          190,00 €"), std::string::npos) << adjusted.out;
    writeFile("xifres.plecta", note + R"([["3,2,1", "Cadira", "25,00", ""]]})");
    EXPECT_TRUE(refused(run({"document", "--values", "xifres.plecta"}), "no és un nombre"));

    // Merge: the saved form is the common part, each row fills the rest.
    writeFile("adreces.csv", "1043\nMaria Puig\n\"Joan \"\"Cap\"\" Mas\"\n");
    ASSERT_EQ(run({"merge", "--values", "carta.plecta", "--csv", "adreces.csv", "--out", "desades"}).status, 0);
    ASSERT_EQ(run({"merge", "carta", "--set", "1042=Pere Mas", "--date", "2024-03-15", "--csv", "adreces.csv", "--out",
                   "directes"})
                  .status,
              0);
    EXPECT_EQ(filesIn("desades"), (std::vector<std::string>{"001.txt", "002.txt"}));
    for (const std::string name : {"001.txt", "002.txt"})
        EXPECT_EQ(readFile("desades/" + name), readFile("directes/" + name)) << name;
}

TEST_F(CliTest, BadSavedFormsAreRefusedForWhatIsWrong)
{
    const std::string head =
        R"({"format": "plecta-formulari", "versio": 1, "document": {"nom": "carta", "numero": 177}, "camps": )";
    writeFile("malmes.plecta", head + R"({"1043": "Anna)");
    EXPECT_TRUE(
        refused(run({"document", "--values", "malmes.plecta"}), "malmes.plecta: el fitxer està malmès a l'octet"));
    writeFile("nou.plecta", R"({"format": "plecta-formulari", "versio": 7})");
    EXPECT_TRUE(refused(run({"document", "--values", "nou.plecta"}), "versió 7"));
    writeFile(
        "tipus.plecta",
        R"({"format": "plecta-formulari", "versio": 1, "document": {"nom": "Rebut", "numero": 999}, "camps": {}})");
    EXPECT_TRUE(refused(run({"document", "--values", "tipus.plecta"}), "«Rebut» (número 999)"));
    writeFile("porta.plecta", head + R"({"1043": "Anna → Joan"}})");
    EXPECT_TRUE(refused(run({"document", "--values", "porta.plecta"}), "camp «1043»"));
    writeFile("llista.plecta",
              R"({"format": "plecta-formulari", "versio": 1, "document": {"nom": "acta de reunió", "numero": 160}, )"
              R"("camps": {"1000": "Tresorer"}})");
    const CliRun list = run({"document", "--values", "llista.plecta"});
    EXPECT_TRUE(refused(list, "camp «1000»")) << list.err;
    EXPECT_TRUE(refused(run({"document", "albarà", "--values", "porta.plecta"}), "no de"));
    EXPECT_TRUE(refused(run({"document"}), "--values"));

    // A file that is not there is refused as any missing input file is, naming it.
    EXPECT_TRUE(refused(run({"document", "--values", "no-hi-es.plecta"}), "«no-hi-es.plecta»: no existeix"));

    // A field the form no longer has is a warning; the rest opens.
    writeFile("antic.plecta", head + R"({"9999": "x", "1043": "Anna Vidal"}})");
    const CliRun old = run({"document", "--values", "antic.plecta", "--date", "2024-03-15"});
    EXPECT_EQ(old.status, 0);
    EXPECT_EQ(old.err,
              "plecta-cli: avís: antic.plecta: el document «carta» ja no té el camp «9999»; se'n deixa el valor\n");
    EXPECT_EQ(old.out, run({"document", "carta", "--set", "1043=Anna Vidal", "--date", "2024-03-15"}).out);
}
