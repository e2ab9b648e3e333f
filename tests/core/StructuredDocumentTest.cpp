// The models' paragraph kinds: gone from the text, kept in the structured document, and the line
// items as a real table with their totals.

#include "models/StructuredDocument.h"
#include "models/DocumentModels.h"
#include "models/MemoryFieldSource.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace plecta;

namespace {

const std::vector<FieldName> kTable{{"nom", 1}, {"fets", 2}, {"lloc", 3}};

MemoryFieldSource applicant()
{
    MemoryFieldSource fields;
    fields.setEdit(1, "Maria Puig");
    fields.setEdit(2, "Primera l\xEDnia\r\nsegona l\xEDnia");
    fields.setEdit(3, "Moi\xE0");
    return fields;
}

constexpr std::string_view kModel = "{body}%nom%, major d'edat,\r\n"
                                    "amb domicili a %lloc%,\r\n"
                                    "\r\n"
                                    "{verb}EXPOSO\r\n"
                                    "\r\n"
                                    "   %fets%\r\n"
                                    "\r\n"
                                    "{place}%lloc%, 8 de desembre de 2026\r\n"
                                    "{signature}\r\n"
                                    "{addressee}Ajuntament de %lloc%\r\n"
                                    "{item}u\r\n"
                                    "{item}dos\r\n";

TEST(StructuredDocument, TextDropsTheKindTokensAndNothingElse)
{
    std::string text;
    MergeTemplate(applicant(), kTable, kModel, text);
    EXPECT_EQ(text, "Maria Puig, major d'edat,\r\namb domicili a Moi\xE0,\r\n\r\nEXPOSO\r\n\r\n"
                    "   Primera l\xEDnia\r\nsegona l\xEDnia\r\n\r\nMoi\xE0, 8 de desembre de 2026\r\n\r\n"
                    "Ajuntament de Moi\xE0\r\nu\r\ndos\r\n");
    // Only a known kind at a line's start is markup; a user's braces are text.
    MemoryFieldSource fields;
    fields.setEdit(1, "{verb}x");
    MergeTemplate(fields, kTable, "a {verb}\r\n{other}%nom%", text);
    EXPECT_EQ(text, "a {verb}\r\n{other}{verb}x");
    EXPECT_EQ(kindTokenLength("{addressee}Ajuntament"), 11u);
    EXPECT_EQ(kindTokenLength("{?nom}"), 0u);
}

TEST(StructuredDocument, BlocksCarryTheirKindsAndLines)
{
    const StructuredDocument document = MergeStructured(applicant(), kTable, kModel);
    ASSERT_EQ(document.blocks.size(), 8u);
    const auto &b = document.blocks;
    EXPECT_EQ(b[0].kind, BlockKind::Body);
    EXPECT_EQ(b[0].text, "Maria Puig, major d'edat, amb domicili a Moi\xE0,"); // running text flows on
    EXPECT_EQ(b[1].kind, BlockKind::Verb);
    EXPECT_EQ(b[1].blankLinesBefore, 1);
    EXPECT_EQ(b[2].kind, BlockKind::Lines);
    EXPECT_EQ(b[2].text, "Primera l\xEDnia\nsegona l\xEDnia"); // the user's line break is kept
    EXPECT_EQ(b[3].kind, BlockKind::Place);
    EXPECT_EQ(b[4].kind, BlockKind::Signature);
    EXPECT_EQ(b[4].text, "");
    EXPECT_EQ(b[5].kind, BlockKind::Addressee);
    EXPECT_EQ(b[6].kind, BlockKind::Item);
    EXPECT_EQ(b[6].text, "u");
    EXPECT_EQ(b[7].text, "dos"); // each token starts a paragraph of its own
}

TEST(StructuredDocument, LineItemsBecomeOneTableWithTotals)
{
    MemoryFieldSource fields;
    fields.setLineList(kLineListId, {{"3", "Cadira", "25,00", ""}, {"1", "Taula", "120", "120,00"}});
    const LineTable lines(" %0% | %1% | %2% | %3%\r\n", {"Quantitat", "Concepte", "Preu unitari", "Total"}, 0, 2, 3, 0);
    const StructuredDocument document = MergeStructured(fields, {},
                                                        "Albar\xE0\r\n\r\n{table}+--+\r\n"
                                                        "{table}%list%+--+\r\n{table}%totals%\r\nFi\r\n",
                                                        lines);
    ASSERT_EQ(document.blocks.size(), 3u);
    const ItemTable &table = document.blocks[1].table;
    EXPECT_EQ(document.blocks[1].kind, BlockKind::Table);
    EXPECT_EQ(table.headings.size(), 4u);
    EXPECT_EQ(table.numeric, (std::vector<bool>{true, false, true, true}));
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0], (std::vector<std::string>{"3", "Cadira", "25,00", "75,00"}));
    EXPECT_EQ(table.rows[1][1], "Taula");
    ASSERT_EQ(table.totals.size(), 3u);
    EXPECT_EQ(table.totals[2].amount, "235,95 \x80");
    EXPECT_EQ(document.blocks[2].text, "Fi");
}

TEST(StructuredDocument, RunningTextKeepsTheUsersLineBreaksAndDropsTheModelsPadding)
{
    const StructuredDocument document = MergeStructured(
        applicant(), kTable, "{body}I,   %nom%,  expedeixo\r\naquest   certificat.\r\n{body}%fets%\r\n");
    ASSERT_EQ(document.blocks.size(), 2u);
    EXPECT_EQ(document.blocks[0].text, "I, Maria Puig, expedeixo aquest certificat.");
    EXPECT_EQ(document.blocks[1].text, "Primera l\xEDnia\nsegona l\xEDnia");
}

TEST(StructuredDocument, TheVerbIsTheFirstRunOfWordsInCapitals)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"EXPOSO", "EXPOSO"},
        {"Per aix\xF2, SOL\xB7LICITO", "SOL\xB7LICITO"},
        {"Per aix\xF2, SOL\xB7LICITO:", "SOL\xB7LICITO"},
        {"FORMULO RECURS D'AL\xC7"
         "ADA, d'acord amb la",
         "FORMULO RECURS D'AL\xC7"
         "ADA"},
        {"SOL\xB7LICITO que es tingui per presentada aquesta QUEIXA", "SOL\xB7LICITO"},
        {"Per aix\xF2, d'acord amb l'article 39, PRESENTO aquesta RECLAMACI\xD3", "PRESENTO"},
        {"ATORGO LA REPRESENTACI\xD3, d'acord amb", "ATORGO LA REPRESENTACI\xD3"},
        {"I, perqu\xE8 consti, signo", ""}, // one capital is no verb
        {"Que ho demano", ""},
    };
    for (const auto &[text, verb] : cases) {
        const TextSpan span = performativeVerb(text);
        EXPECT_EQ(text.substr(span.begin, span.end - span.begin), verb) << text;
    }
}

// Every compiled-in model, merged with no field filled: its structure keeps every word of its
// text, each verb paragraph has its verb, and a document to be signed (an application, an appeal) has its place and
// date, its signature and the addressee at the end.
TEST(StructuredDocument, EveryModelIsTypesetWithItsWords)
{
    const auto words = [](std::string_view text) {
        std::istringstream in{std::string(text)};
        std::vector<std::string> out;
        for (std::string word; in >> word;)
            out.push_back(word);
        return out;
    };
    for (const DocumentModel &model : documentModels()) {
        SCOPED_TRACE("model " + std::to_string(model.id));
        ASSERT_FALSE(model.markup.empty()) << "the model names no paragraph kind";
        MemoryFieldSource none;
        std::string text;
        MergeTemplate(none, {}, model.id, text);
        const StructuredDocument document = MergeStructured(none, {}, model.id);
        std::string blocksText;
        std::vector<BlockKind> kinds;
        for (const DocumentBlock &block : document.blocks) {
            blocksText += block.text + "\n";
            kinds.push_back(block.kind);
            if (block.kind == BlockKind::Verb) {
                EXPECT_GT(performativeVerb(block.text).end, 0u) << block.text;
            }
        }
        if (model.bytes.find("%list%") == std::string::npos) { // with a line list, the table replaces its lines
            EXPECT_EQ(words(blocksText), words(text));
        }
        EXPECT_NE(std::count(kinds.begin(), kinds.end(), BlockKind::Lines), std::ptrdiff_t(kinds.size()));
        if (text.find("(signatura") != std::string::npos) {
            EXPECT_NE(std::find(kinds.begin(), kinds.end(), BlockKind::Place), kinds.end());
            EXPECT_NE(std::find(kinds.begin(), kinds.end(), BlockKind::Signature), kinds.end());
            EXPECT_EQ(kinds.back(), BlockKind::Addressee);
        }
    }
}

} // namespace
