// The input gate: what it composes, what it refuses and where, the line breaks of multi-line
// boxes, the one UTF-8 coder under it, and the escaping of messages for a terminal.

#include "text/InputGate.h"
#include "forms/FormDescription.h"
#include "text/Cp1252.h"
#include "text/NfcData.h"
#include "text/PasteSalvage.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using textgate::FieldRules;
using textgate::Reason;

namespace {

struct Accepted
{
    std::string_view input; // UTF-8
    FieldRules rules;
    std::string_view text; // Windows-1252
};

struct Refused
{
    std::string_view input;
    FieldRules rules;
    Reason reason;
    char32_t character;
    std::size_t position;   // in characters, from 1
    std::size_t byteOffset; // in the input
};

constexpr FieldRules kLines = textgate::kSeveralLines;
constexpr FieldRules kTab{.tab = true};

} // namespace

TEST(InputGate, ComposesWhatWindows1252Holds)
{
    const Accepted cases[] = {
        {"Maria Puig i Soler", {}, "Maria Puig i Soler"},
        {"col·lega", {}, "col\xB7lega"},
        {"coŀlega", {}, "col\xB7lega"},       // U+0140 is written "l·"
        {"ĿLOBET", {}, "L\xB7LOBET"},         // U+013F
        {"col\u0387lega", {}, "col\xB7lega"}, // Greek ano teleia is canonically "·"
        {"Me\u0301rida", {}, "M\xE9rida"},    // decomposed accents
        {"E\u0300s", {}, "\xC8s"},
        {"c\u0327", {}, "\xE7"},
        {"n\u0303", {}, "\xF1"},
        {"u\u0308", {}, "\xFC"},
        {"I\u0308", {}, "\xCF"},
        {"A\u030A", {}, "\xC5"},
        {"S\u030C", {}, "\x8A"}, // in the 0x80 block: Š
        {"z\u030C", {}, "\x9E"},
        {"Y\u0308", {}, "\x9F"},
        {"\u212B", {}, "\xC5"}, // ANGSTROM SIGN
        {"\u212A", {}, "K"},    // KELVIN SIGN
        {"a\u037E", {}, "a;"},  // GREEK QUESTION MARK
        {"\u1FEF", {}, "`"},
        {"\u1FFD", {}, "\xB4"},
        {"e\u0341", {}, "\xE9"}, // a mark that is canonically another
        {"20 \u20AC \u2026 \u2019 \u2013", {}, "20 \x80 \x85 \x92 \x96"},
        {"a\tb", kTab, "a\tb"},
        {"dues\nl\u00EDnies", kLines, "dues\r\nl\xEDnies"},
        {"a\r\nb\rc\nd\n", kLines, "a\r\nb\r\nc\r\nd\r\n"},
        {"\r\n\r\n", kLines, "\r\n\r\n"},
        {"", {}, ""},
    };
    for (const Accepted &c : cases) {
        const textgate::Result result = textgate::pass(c.input, c.rules);
        ASSERT_TRUE(result.accepted()) << c.input;
        EXPECT_EQ(result.text, c.text) << c.input;
    }
}

TEST(InputGate, RefusesWithTheCharacterItsPlaceAndTheReason)
{
    const Refused cases[] = {
        {"Anna \u2192 Joan", {}, Reason::NotRepresentable, 0x2192, 6, 5},
        {"\u00E0\u00E0\u2192", {}, Reason::NotRepresentable, 0x2192, 3, 4},
        {"ok \U0001F600", {}, Reason::NotRepresentable, 0x1F600, 4, 3},
        {"\uFFFD", {}, Reason::NotRepresentable, 0xFFFD, 1, 0},        // a real U+FFFD is no broken byte
        {"a\u0301\u0302", {}, Reason::NotRepresentable, 0x0302, 3, 3}, // á then a mark left over
        {"\u01FA", {}, Reason::NotRepresentable, 0x01FA, 1, 0},        // Ǻ composes only to Å + acute
        {"\u0301", {}, Reason::NotRepresentable, 0x0301, 1, 0},        // a mark with nothing to join
        {"\u0140\u0301", {}, Reason::NotRepresentable, 0x0301, 2, 2},
        {"\u00E9\u0301", {}, Reason::NotRepresentable, 0x0301, 2, 2}, // é takes no second acute
        {"a\tb", {}, Reason::Tab, '\t', 2, 1},
        {"a\tb", kLines, Reason::Tab, '\t', 2, 1},
        {"a\x1b[31m", {}, Reason::Control, 0x1B, 2, 1},
        {std::string_view("a\0b", 3), {}, Reason::Control, 0, 2, 1},
        {"x\x7f", {}, Reason::Control, 0x7F, 2, 1},
        {"a\u0085b", kLines, Reason::Control, 0x85, 2, 1}, // NEL, a C1 control
        {"\u0081", {}, Reason::Control, 0x81, 1, 0},       // the code point of an unused byte
        {"\u0007", kLines, Reason::Control, 0x07, 1, 0},
        {"dues\nl\u00EDnies", {}, Reason::LineBreak, '\n', 5, 4},
        {"a\r\n", {}, Reason::LineBreak, '\r', 2, 1},
        {"\u00E9\u2192\n", {}, Reason::LineBreak, '\n', 3, 5}, // controls are found first
        {"a\xC3", {}, Reason::InvalidUtf8, 0xFFFD, 2, 1},
        {"\xC3\xA9\xFF", {}, Reason::InvalidUtf8, 0xFFFD, 2, 2},
        {"\xC0\xAF", {}, Reason::InvalidUtf8, 0xFFFD, 1, 0},         // overlong "/"
        {"\xED\xA0\x80", {}, Reason::InvalidUtf8, 0xFFFD, 1, 0},     // a surrogate
        {"\xF4\x90\x80\x80", {}, Reason::InvalidUtf8, 0xFFFD, 1, 0}, // beyond U+10FFFF
        {"\xE2\x82x\xE2\x86\x92", {}, Reason::InvalidUtf8, 0xFFFD, 1, 0},
    };
    for (const Refused &c : cases) {
        const textgate::Result result = textgate::pass(c.input, c.rules);
        ASSERT_FALSE(result.accepted()) << c.input;
        EXPECT_EQ(result.text, "");
        EXPECT_EQ(result.refusal->reason, c.reason) << c.input;
        EXPECT_EQ(result.refusal->character, c.character) << c.input;
        EXPECT_EQ(result.refusal->position, c.position) << c.input;
        EXPECT_EQ(result.refusal->byteOffset, c.byteOffset) << c.input;
    }
}

TEST(InputGate, EveryLetterOfTheCodePageComposesFromItsDecomposition)
{
    // The generated tables must rebuild each accented letter of Windows-1252 from its canonical
    // decomposition, whatever Unicode data they came from.
    int letters = 0;
    for (std::size_t i = 0; i < textgate::nfc::kDecompositionCount; ++i) {
        const textgate::nfc::Decomposition &d = textgate::nfc::kDecompositions[i];
        const auto byte = cp1252::fromUnicode(d.codePoint);
        if (!byte)
            continue;
        std::string decomposed;
        for (unsigned k = 0; k < d.length; ++k)
            utf8::append(decomposed, d.parts[k]);
        const textgate::Result result = textgate::pass(decomposed);
        ASSERT_TRUE(result.accepted()) << std::hex << unsigned(d.codePoint);
        EXPECT_EQ(result.text, std::string(1, char(*byte))) << std::hex << unsigned(d.codePoint);
        ++letters;
    }
    // À..ÿ with their accents, Š š Ž ž Ÿ: 58 letters, every one of them decomposes.
    EXPECT_EQ(letters, 58);
}

TEST(InputGate, MultiLineBoxesAloneTakeLineBreaks)
{
    const auto form = forms::formByLayoutId(160); // the minutes: one-line fields and large boxes
    ASSERT_NE(form, nullptr);
    int boxes = 0;
    for (const forms::Item &item : form->items) {
        if (!forms::isField(item) || item.kind == forms::ItemKind::LineList)
            continue;
        const bool several = item.kind == forms::ItemKind::Box && item.lines > 1;
        EXPECT_EQ(forms::takesSeveralLines(item), several) << item.id;
        EXPECT_EQ(textgate::pass("a\nb", forms::inputRules(item)).accepted(), several) << item.id;
        boxes += several;
    }
    EXPECT_GT(boxes, 0);
}

TEST(Utf8, DecodesEachSequenceAndStepsOverBrokenOnes)
{
    struct Case
    {
        std::string_view bytes;
        std::vector<char32_t> decoded;
    };
    const Case cases[] = {
        {"a\u00E9\u20AC\U0001F600", {'a', 0xE9, 0x20AC, 0x1F600}},
        {"\xE2\x82"
         "A",
         {utf8::kInvalid, 'A'}},                        // cut short: the next byte starts afresh
        {"\x80\xBF", {utf8::kInvalid, utf8::kInvalid}}, // stray continuation bytes
        {"\xF0\x9F\x98", {utf8::kInvalid}},
        {"\xC1\xBF", {utf8::kInvalid}}, // overlong
        {"\xF8\x88\x80\x80\x80", {utf8::kInvalid, utf8::kInvalid, utf8::kInvalid, utf8::kInvalid, utf8::kInvalid}},
    };
    for (const Case &c : cases) {
        std::vector<char32_t> decoded;
        for (std::size_t pos = 0; pos < c.bytes.size();)
            decoded.push_back(utf8::decode(c.bytes, pos));
        EXPECT_EQ(decoded, c.decoded) << c.bytes;
    }
    for (char32_t cp : {0x0u, 0x7Fu, 0x80u, 0x7FFu, 0x800u, 0xD7FFu, 0xE000u, 0xFFFFu, 0x10000u, 0x10FFFFu}) {
        std::string bytes;
        utf8::append(bytes, cp);
        std::size_t pos = 0;
        EXPECT_EQ(utf8::decode(bytes, pos), cp) << std::hex << unsigned(cp);
        EXPECT_EQ(pos, bytes.size());
    }
    std::string surrogate;
    utf8::append(surrogate, 0xD800);
    EXPECT_EQ(surrogate, "\uFFFD");
}

TEST(InputGate, MessagesNeverCarryControlCharactersRaw)
{
    EXPECT_EQ(textgate::describe(0x2192, Reason::NotRepresentable), "el caràcter «→» (U+2192)");
    EXPECT_EQ(textgate::describe(0x1B, Reason::Control), "un caràcter de control (U+001B)");
    EXPECT_EQ(textgate::describe(0x85, Reason::Control), "un caràcter de control (U+0085)");
    EXPECT_EQ(textgate::describe('\n', Reason::LineBreak), "un salt de línia (U+000A)");
    EXPECT_EQ(textgate::describe(0x202E, Reason::NotRepresentable), "un caràcter invisible (U+202E)");
    EXPECT_EQ(textgate::describe(0xFFFD, Reason::InvalidUtf8), "una seqüència UTF-8 no vàlida");

    const std::pair<std::string_view, std::string_view> escapes[] = {
        {"vegeu «fitxer.txt»", "vegeu «fitxer.txt»"},
        {"a\x1b[2Jb", "aU+001B[2Jb"},
        {"nom\xFF\xFE.csv", "nom\\xFF\\xFE.csv"},
        {"x\u0085y\u202Ez", "xU+0085yU+202Ez"},
        {std::string_view("\0\a\x7f", 3), "U+0000U+0007U+007F"},
    };
    for (const auto &[raw, shown] : escapes)
        EXPECT_EQ(textgate::escapeForTerminal(raw), shown);
}

// A paste takes what it can: what Windows-1252 cannot hold is left out and named, the lines of a
// paste into a one-line field are joined with single spaces.
TEST(PasteSalvage, KeepsWhatFitsAndNamesWhatWasLeftOut)
{
    struct Case
    {
        std::string_view pasted;
        FieldRules rules;
        std::string_view kept; // UTF-8
        std::string_view message;
    };
    const Case cases[] = {
        {"Hola \xF0\x9F\x98\x80 caf\xC3\xA9", textgate::kOneLine, "Hola  caf\xC3\xA9",
         "S'ha omès 1 caràcter: \xF0\x9F\x98\x80 (U+1F600)"},
        {"\xF0\x9F\x98\x80 i \xE4\xB8\x96 i \xF0\x9F\x98\x80", textgate::kOneLine, " i  i ",
         "S'han omès 3 caràcters: \xF0\x9F\x98\x80 (U+1F600), \xE4\xB8\x96 (U+4E16)"},
        {"primera\r\n  segona \n\ntercera\r", textgate::kOneLine, "primera segona tercera",
         "S'han unit 3 línies en una."},
        {"primera\nsegona\n", textgate::kSeveralLines, "primera\r\nsegona\r\n", ""},
        {"a\tb", textgate::kOneLine, "a b", ""},
        {"a\x1B[2Jb", textgate::kOneLine, "a[2Jb", "S'ha omès 1 caràcter: U+001B"},
        {"co\xC5\x80lega e\xCC\x81s", textgate::kOneLine, "col\xC2\xB7lega \xC3\xA9s", ""},
        {"1\n\xCE\xA9", textgate::kOneLine, "1 ",
         "S'han unit 2 línies en una. S'ha omès 1 caràcter: \xCE\xA9 (U+03A9)"},
        {"", textgate::kOneLine, "", ""},
    };
    for (const Case &c : cases) {
        const textgate::Salvaged salvaged = textgate::salvage(c.pasted, c.rules);
        EXPECT_EQ(cp1252::toUtf8(salvaged.text), c.kept) << c.pasted;
        EXPECT_EQ(textgate::salvageMessage(salvaged), c.message) << c.pasted;
    }
    // Forty lines into a one-line field: all of them, on one line.
    std::string forty;
    for (int i = 1; i <= 40; ++i)
        forty += "línia " + std::to_string(i) + "\n";
    const textgate::Salvaged joined = textgate::salvage(forty);
    EXPECT_EQ(joined.joinedLines, 40u);
    EXPECT_EQ(cp1252::toUtf8(joined.text).rfind("línia 1 línia 2 ", 0), 0u);
    EXPECT_TRUE(cp1252::toUtf8(joined.text).ends_with(" línia 40"));
}
