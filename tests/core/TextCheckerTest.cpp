// The text checker: which words it reads, the forms to avoid it finds, and the spelling it checks
// with the system's Catalan dictionary (those cases are skipped when none is installed).

#include "check/TextChecker.h"
#include "check/Words.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

namespace {

std::string cp(const char *utf8)
{
    return cp1252::fromUtf8(utf8).text;
}

std::vector<std::string> wordsOf(const std::string &text)
{
    std::vector<std::string> out;
    for (const check::WordSpan &w : check::checkedWords(text))
        out.push_back(cp1252::toUtf8(text.substr(w.begin, w.end - w.begin)));
    return out;
}

struct Found
{
    std::string text;
    check::FindingKind kind;
    bool operator==(const Found &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Found &f)
{
    return out << '"' << f.text << "\" " << (f.kind == check::FindingKind::Spelling ? "spelling" : "castilianism");
}

std::vector<Found> found(const check::TextChecker &checker, const std::string &text,
                         const check::IgnoredWords &ignored = {})
{
    std::vector<Found> out;
    for (const check::Finding &f : checker.check(text, ignored))
        out.push_back({cp1252::toUtf8(text.substr(f.begin, f.end - f.begin)), f.kind});
    return out;
}

constexpr auto kSpelling = check::FindingKind::Spelling;
constexpr auto kCastilianism = check::FindingKind::Castilianism;

} // namespace

TEST(TextCheckerWords, ReadsCatalanWordsAndLeavesOutWhatIsNoWord)
{
    struct Case
    {
        const char *text;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"l'article l’article col·legi dóna-li", {"l'article", "l’article", "col·legi", "dóna-li"}},
        {"<NOM i COGNOMS> viu a <MUNICIPI>", {"viu", "a"}},
        {"<sense tancar\ni> res", {"sense", "tancar", "i", "res"}},
        {"DNI 12345678Z, NIE X1234567L, 08001, 1r pis, 3.500,00", {"DNI", "NIE", "pis"}},
        {"joan@exemple.cat i www.gencat.cat i (https://web.gencat.cat/ca)", {"i", "i"}},
        {"fi- -se 'cal' l'·l", {"fi", "se", "cal", "l", "l"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(wordsOf(cp(c.text)), c.words) << c.text;
}

TEST(TextChecker, FindsFormsToAvoidAsWrittenAndOnlyThere)
{
    const check::TextChecker checker(nullptr); // the forms to avoid need no dictionary
    struct Case
    {
        const char *text;
        std::vector<Found> expected;
    };
    const Case cases[] = {
        {"Ho farem en base a l'informe.", {{"en base a", kCastilianism}}},
        {"En  base\na la llei", {{"En  base\na", kCastilianism}}},
        {"en base, a la llei", {}},
        {"a nivell del mar; a nivell de l'empresa", {{"a nivell de", kCastilianism}}},
        {"Respondrem a la major brevetat possible.", {{"a la major brevetat possible", kCastilianism}}},
        {"Tinc que anar-hi i tenen que signar", {{"Tinc que", kCastilianism}, {"tenen que", kCastilianism}}},
        {"cal enterar-se'n; cal desarrollar-lo", {{"enterar-se", kCastilianism}, {"desarrollar", kCastilianism}}},
        {"ENTONCES, desarrollarà l’igual que a l'igual que",
         {{"ENTONCES", kCastilianism}, {"a l'igual que", kCastilianism}}},
        {"<en base a> i www.entonces.cat", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(found(checker, cp(c.text)), c.expected) << c.text;
}

TEST(TextChecker, SuggestsTheHandbooksFormsInTheFoundCase)
{
    const check::TextChecker checker(nullptr);
    const auto suggestions = [&](const char *utf8) {
        const std::string text = cp(utf8);
        const auto findings = checker.check(text);
        EXPECT_EQ(findings.size(), 1u) << utf8;
        std::vector<std::string> out;
        for (const std::string &s :
             findings.empty() ? std::vector<std::string>{} : checker.suggestions(text, findings[0]))
            out.push_back(cp1252::toUtf8(s));
        return out;
    };
    EXPECT_EQ(suggestions("entonces"), (std::vector<std::string>{"aleshores", "llavors"}));
    EXPECT_EQ(suggestions("Entonces"), (std::vector<std::string>{"Aleshores", "Llavors"}));
    // Taken from the vocabulary, its labels left out.
    EXPECT_EQ(suggestions("desarrollar"), (std::vector<std::string>{"desenvolupar"}));
    const auto base = suggestions("en base a");
    EXPECT_NE(std::find(base.begin(), base.end(), "sobre la base de"), base.end());
    EXPECT_EQ(suggestions("teníem que"), (std::vector<std::string>{"havíem de"}));
}

TEST(TextChecker, LeavesOutIgnoredWords)
{
    const check::TextChecker checker(nullptr);
    const check::IgnoredWords ignored = {check::TextChecker::ignoredKey(cp("Entonces"))};
    EXPECT_EQ(found(checker, cp("ENTONCES desarrollar"), ignored),
              (std::vector<Found>{{"desarrollar", kCastilianism}}));
}

TEST(TextChecker, ChecksSpellingWithTheCatalanDictionary)
{
    auto dictionary = check::SpellDictionary::load();
    if (!dictionary)
        GTEST_SKIP() << "no Catalan dictionary installed";
    const check::TextChecker checker(std::move(dictionary));
    ASSERT_TRUE(checker.checksSpelling());
    // Places, apostrophes and the middle dot as Catalan writes them; acronyms of the handbook.
    EXPECT_EQ(found(checker, cp("A Sabadell, l'Hospitalet de Llobregat i el Vallès Occidental, l’article del "
                                "col·legi: dóna-li el DNI.")),
              std::vector<Found>{});
    // A form to avoid is not also a misspelling; the same word is found each time.
    EXPECT_EQ(
        found(checker, cp("Cal desarrollar la sollicitud i la sollicitud.")),
        (std::vector<Found>{{"desarrollar", kCastilianism}, {"sollicitud", kSpelling}, {"sollicitud", kSpelling}}));
    const std::string text = cp("sollicitud");
    const auto findings = checker.check(text);
    ASSERT_EQ(findings.size(), 1u);
    const auto suggestions = checker.suggestions(text, findings[0]);
    ASSERT_FALSE(suggestions.empty());
    EXPECT_EQ(cp1252::toUtf8(suggestions.front()), "sol·licitud");
}
