#include "text/Fold.h"
#include "reference/Municipalities.h"
#include "reference/ReferenceTables.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string cp(const char *utf8)
{
    return cp1252::fromUtf8(utf8).text;
}

struct FoldCase
{
    const char *input; // UTF-8, converted to the program's bytes
    const char *folded;
};

TEST(Fold, ReadsTextsAsAPersonDoes)
{
    const FoldCase cases[] = {
        {"Crèdit", "credit"},
        {"SOL·LICITUD", "sollicitud"},
        {"sol.licitud", "sollicitud"},
        {"Col·legi d'Advocats", "collegi d advocats"},
        {"Hospitalet de Llobregat, l'", "hospitalet de llobregat l"},
        {"  Moià   ", "moia"},
        {"Ça, ñandú; über—Ærø", "ca nandu uber aero"},
        {"Œuvre Šárka Žiži Ÿ", "oeuvre sarka zizi y"},
        {"m² 3ª 1º", "m2 3a 1o"},
        {"l·", "l"},
        {"l.", "l"},
        {"ll·l", "lll"},
        {"", ""},
        {"·.,;", ""},
    };
    for (const FoldCase &c : cases)
        EXPECT_EQ(plecta::foldForSearch(cp(c.input)), c.folded) << c.input;
}

TEST(Fold, EveryWordOfTheQueryMustBeFoundSomewhere)
{
    const std::string row =
        plecta::foldForSearch(cp("Hospitalet de Llobregat, l'\tBarcelonès l'Hospitalet de Llobregat"));
    EXPECT_TRUE(plecta::containsAllWords(row, plecta::foldedWords(cp("l'hospitalet"))));
    EXPECT_TRUE(plecta::containsAllWords(row, plecta::foldedWords(cp("hospitalet llobregat"))));
    EXPECT_TRUE(plecta::containsAllWords(row, plecta::foldedWords(cp("LLOBREGAT barcelones"))));
    EXPECT_FALSE(plecta::containsAllWords(row, plecta::foldedWords(cp("hospitalet girona"))));
    EXPECT_TRUE(plecta::containsAllWords(row, plecta::foldedWords("  ")));
    EXPECT_EQ(plecta::foldedWords(cp(" a·b  c ")), (std::vector<std::string>{"a", "b", "c"}));
}

// A query keeps its "/" and "." in the pieces that hold them, and those pieces must then stand
// in the text with their marks; the geminated l's full stop is no mark.
TEST(Fold, MarkedPiecesOfAQueryMustStandWithTheirMarks)
{
    struct QueryCase
    {
        const char *query;
        std::vector<std::string> words;
        std::vector<std::string> marked;
    };
    const QueryCase cases[] = {
        {"c/", {"c"}, {"c/"}},
        {"Sr./a. Puig", {"sr", "a", "puig"}, {"sr./a."}},
        {"SOL.LICITUD", {"sollicitud"}, {}},
        {"acta .", {"acta"}, {}},
        {"art. 324", {"art", "324"}, {"art."}},
        {"l'hospitalet", {"l", "hospitalet"}, {}},
    };
    for (const QueryCase &c : cases) {
        const plecta::SearchQuery query = plecta::parseQuery(cp(c.query));
        EXPECT_EQ(query.words, c.words) << c.query;
        EXPECT_EQ(query.marked, c.marked) << c.query;
    }
    EXPECT_EQ(plecta::foldKeepingMarks(cp("C/ Major, 3. Col·legi")), "c/ major 3. collegi");

    const auto holds = [](const char *text, const char *query) {
        return plecta::holdsMarkedPieces(plecta::foldKeepingMarks(cp(text)), plecta::parseQuery(cp(query)));
    };
    EXPECT_TRUE(holds("c/\tcarrer; compte", "c/"));
    EXPECT_TRUE(holds("c/c\tcompte corrent", "C/"));
    EXPECT_FALSE(holds("a/c\ta compte", "c/"));
    EXPECT_FALSE(holds("c.\tcapítol", "c/"));
    EXPECT_TRUE(holds("(Il·lm./a. Sr./a.)", "sr./a."));
    EXPECT_TRUE(holds("anything at all", "credit"));
}

TEST(Municipalities, RunningNamePutsTheArticleInFront)
{
    const FoldCase cases[] = {
        {"Hospitalet de Llobregat, l'      ", "l'Hospitalet de Llobregat"},
        {"Alamús, els", "els Alamús"},
        {"Bòrdes, Es", "Es Bòrdes"},
        {"Garriga, la", "la Garriga"},
        {"Castell d'Aro, Platja d'Aro i s'Agaró", "Castell d'Aro, Platja d'Aro i s'Agaró"},
        {"Moià   ", "Moià"},
        {"   ", ""},
    };
    for (const FoldCase &c : cases)
        EXPECT_EQ(cp1252::toUtf8(plecta::runningName(cp(c.input))), c.folded) << c.input;
}

TEST(Municipalities, EveryStoredNameHasARunningFormWithoutCommaArticle)
{
    int moved = 0;
    for (const MunicipalityEntry *m = g_municipalities; m->name; ++m) {
        const std::string running = plecta::runningName(m->name);
        ASSERT_FALSE(running.empty());
        EXPECT_NE(running.back(), ' ');
        moved += running != std::string(m->name).substr(0, running.size());
    }
    EXPECT_EQ(moved, 132); // 29 el, 60 la, 10 els, 14 les, 18 l', 1 Es
}

} // namespace

namespace {

struct RankCase
{
    const char *text; // UTF-8 row text
    const char *query;
    int rank;
};

TEST(Fold, RanksWholeWordsFirstThenWordStartsThenMatchesInsideAWord)
{
    const RankCase cases[] = {
        {"crèdit m", "credit", 0},
        {"carta de crèdit", "credit", 0},
        {"compte creditor", "credit", 1},
        {"compte creditor", "creditor credit", 1},
        {"acreditació f", "credit", 2},
        {"acreditació f", "acred", 1},
        {"Hospitalet de Llobregat, l' Barcelonès", "llobregat hospitalet", 0},
        {"Vandellòs i l'Hospitalet de l'Infant", "hospitalet", 0},
        {"Vandellòs i l'Hospitalet de l'Infant", "vandel hosp", 1},
        {"Vandellòs i l'Hospitalet de l'Infant", "vandellos fant", 2},
        {"a sol.licitud de", "sol·licitud", 0},
        {"crèdit", "credit girona", -1},
        {"crèdit", "crèdits", -1},
        {"", "a", -1},
    };
    for (const RankCase &c : cases) {
        EXPECT_EQ(plecta::matchRank(plecta::foldForSearch(cp(c.text)), plecta::foldedWords(cp(c.query))), c.rank)
            << c.text << " / " << c.query;
    }
}

struct SpanCase
{
    const char *text; // UTF-8, every character one byte in Windows-1252
    const char *query;
    const char *marked; // the text with each matched span in brackets
};

std::string bracketed(const std::string &text, const std::vector<plecta::TextSpan> &spans)
{
    std::string out;
    std::size_t at = 0;
    for (const plecta::TextSpan &span : spans) {
        out += text.substr(at, span.begin - at) + "[" + text.substr(span.begin, span.end - span.begin) + "]";
        at = span.end;
    }
    return out + text.substr(at);
}

TEST(Fold, MarksEveryPartOfTheTextThatMatched)
{
    const SpanCase cases[] = {
        {"Crèdit a crèdit", "credit", "[Crèdit] a [crèdit]"},
        {"a sol.licitud de", "sollicitud", "a [sol.licitud] de"},
        {"sol·licitud", "l·l", "so[l·l]icitud"},
        {"sol·licitud", "sol", "[sol]·licitud"},
        {"sol·licitud", "soll", "[sol·l]icitud"},
        {"Hospitalet de Llobregat, l'", "l'hospitalet", "[Hospitalet] de Llobregat, [l]'"},
        {"l'Hospitalet de Llobregat", "l'hospitalet", "[l]'[Hospitalet] de Llobregat"},
        {"Vall d'Aran", "d", "Vall [d]'Aran"},
        {"la llei", "l", "la llei"},
        {"Val d'Aran", "al", "V[al] d'Aran"},
        {"Hospitalet de Llobregat, l'", "hospitalet llobregat", "[Hospitalet] de [Llobregat], l'"},
        {"ÆRØ", "aer", "[ÆR]Ø"},
        {"cessió de crèdit", "credit cessio", "[cessió] de [crèdit]"},
        {"abc", "ab bc", "[abc]"},
        {"Moià   ", "moia", "[Moià]   "},
        {"Moià", "girona", "Moià"},
    };
    for (const SpanCase &c : cases) {
        const std::string text = cp(c.text);
        EXPECT_EQ(cp1252::toUtf8(bracketed(text, plecta::matchedSpans(text, plecta::foldedWords(cp(c.query))))),
                  c.marked)
            << c.text << " / " << c.query;
    }
}

} // namespace
