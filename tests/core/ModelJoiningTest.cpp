// The engine's rules that make a merged model read as Catalan: optional segments, and the
// contraction and elision of the model's words before a value.

#include "models/Contraction.h"
#include "models/MemoryFieldSource.h"
#include "models/OptionalSegments.h"
#include "models/TemplateEngine.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace plecta;

namespace {

// Merges a model over one-line fields by name: {"municipi", "el Masnou"}.
std::string merge(std::string_view model, const std::map<std::string, std::string> &values)
{
    MemoryFieldSource fields;
    std::vector<FieldName> names;
    int id = 1;
    for (const auto &[name, value] : values) {
        fields.setEdit(id, value);
        names.push_back({name, id++});
    }
    std::string out;
    MergeTemplate(fields, names, model, out);
    return out;
}

} // namespace

TEST(OptionalSegments, KeptWithAValueDroppedWhenEmpty)
{
    const std::string_view model = "A %nom%{?rep}, en representaci\xF3 de %rep%{/?}, diu.";
    EXPECT_EQ(merge(model, {{"nom", "Pere"}, {"rep", "Anna"}}), "A Pere, en representaci\xF3 d'Anna, diu.");
    EXPECT_EQ(merge(model, {{"nom", "Pere"}, {"rep", ""}}), "A Pere, diu.");
    // Spaces alone are no value; a field that is missing from the form is none either.
    EXPECT_EQ(merge(model, {{"nom", "Pere"}, {"rep", "  "}}), "A Pere, diu.");
    EXPECT_EQ(merge(model, {{"nom", "Pere"}}), "A Pere, diu.");
}

TEST(OptionalSegments, WholeLinesGoWithTheirLineEnds)
{
    const auto keepNone = [](std::string_view) { return std::optional<std::string>(); };
    const auto keepAll = [](std::string_view) { return std::optional<std::string>("x"); };
    // Closing marker at the end of the line, or at the start of the next one.
    EXPECT_EQ(resolveOptionalSegments("a\r\n{?x}b %x%{/?}\r\nc\r\n", keepNone), "a\r\nc\r\n");
    EXPECT_EQ(resolveOptionalSegments("a\r\n{?x}b\r\nb2\r\n{/?}c", keepNone), "a\r\nc");
    EXPECT_EQ(resolveOptionalSegments("a\r\n{?x}b\r\nb2\r\n{/?}c", keepAll), "a\r\nb\r\nb2\r\nc");
    // The empty line after a segment that already took its own line end stays.
    EXPECT_EQ(resolveOptionalSegments("a\r\n{?x}b\r\n{/?}\r\nc", keepNone), "a\r\n\r\nc");
    // Inside a line only the segment goes, never the line end after it.
    EXPECT_EQ(resolveOptionalSegments("a{?x} b{/?}\r\nc", keepNone), "a\r\nc");
    EXPECT_EQ(resolveOptionalSegments("{?x}b{/?}", keepNone), "");
}

TEST(OptionalSegments, NestingAndStrayMarkers)
{
    const auto only = [](std::string_view kept) -> FieldValue {
        return [kept](std::string_view name) -> std::optional<std::string> {
            if (name == kept)
                return "x";
            return std::nullopt;
        };
    };
    const std::string_view nested = "[{?a}A{?b}B{/?}a{/?}]";
    EXPECT_EQ(resolveOptionalSegments(nested, only("a")), "[Aa]");
    EXPECT_EQ(resolveOptionalSegments(nested, only("b")), "[]");
    // An open segment runs to the end; a stray closing marker goes; other braces are text.
    EXPECT_EQ(resolveOptionalSegments("x{?a}y", only("b")), "x");
    EXPECT_EQ(resolveOptionalSegments("x{/?}y", only("b")), "xy");
    EXPECT_EQ(resolveOptionalSegments("{?}{?A}{body}", only("b")), "{?}{?A}{body}");
}

TEST(OptionalSegments, KeptByTheTextAFieldHolds)
{
    const std::string_view model = "convidar-{?t=Senyora}la{/?}{?t!=senyora}lo{/?} a l'acte";
    EXPECT_EQ(merge(model, {{"t", "Senyora"}}), "convidar-la a l'acte");
    EXPECT_EQ(merge(model, {{"t", " SENYORA "}}), "convidar-la a l'acte");
    EXPECT_EQ(merge(model, {{"t", "Senyor"}}), "convidar-lo a l'acte");
    EXPECT_EQ(merge(model, {{"t", ""}}), "convidar-lo a l'acte");
    // A condition with an accented text, and markers that are not conditions.
    EXPECT_EQ(
        merge("{?c=secret\xE0ria}La secret\xE0ria{/?}{?c!=secret\xE0ria}El secretari{/?}", {{"c", "secret\xE0ria"}}),
        "La secret\xE0ria");
    EXPECT_EQ(resolveOptionalSegments("{?a!b}{?a=x{/?}",
                                      [](std::string_view) -> std::optional<std::string> { return std::nullopt; }),
              "{?a!b}{?a=x");
}

TEST(OptionalSegments, ValuesAreNeverReadAsMarkup)
{
    EXPECT_EQ(merge("%a%{?b}-%b%{/?}", {{"a", "{?b}"}, {"b", ""}}), "{?b}");
    EXPECT_EQ(merge("%a%{?b}-%b%{/?}", {{"a", "x"}, {"b", "{/?}y"}}), "x-{/?}y");
}

TEST(Contraction, PrepositionsAndTheMasculineArticle)
{
    const std::string_view model = "visc a %m%, vinc de %m%, passo per %m%.";
    EXPECT_EQ(merge(model, {{"m", "el Masnou"}}), "visc al Masnou, vinc del Masnou, passo pel Masnou.");
    EXPECT_EQ(merge(model, {{"m", "els Hostalets de Pierola"}}),
              "visc als Hostalets de Pierola, vinc dels Hostalets de Pierola, passo pels Hostalets de Pierola.");
    EXPECT_EQ(merge(model, {{"m", "la Garriga"}}), "visc a la Garriga, vinc de la Garriga, passo per la Garriga.");
    EXPECT_EQ(merge(model, {{"m", "l'Ametlla de Mar"}}),
              "visc a l'Ametlla de Mar, vinc de l'Ametlla de Mar, passo per l'Ametlla de Mar.");
    // Only whole words of the model join, in the model's own letter case.
    EXPECT_EQ(merge("Sala %m% / A %m% / DE %m%", {{"m", "el Vendrell"}}),
              "Sala el Vendrell / Al Vendrell / DE el Vendrell");
    // An article of a name written with a capital is the name's own: no contraction.
    EXPECT_EQ(merge("a %m%", {{"m", "El Corte Ingl\xE9s"}}), "a El Corte Ingl\xE9s");
    // "el" as a whole value, or a value that only starts with the letters, is no article.
    EXPECT_EQ(merge("a %m%", {{"m", "elx"}}), "a elx");
}

TEST(Contraction, ElisionFollowsTheNorm)
{
    struct Case
    {
        std::string_view model, value, expected;
    };
    const std::vector<Case> cases = {
        {"de %v%", "Anna Roca i Vila", "d'Anna Roca i Vila"},
        {"de %v%", "Horta", "d'Horta"},
        {"de %v%", "\xC0ngels", "d'\xC0ngels"},
        {"de %v%", "Irene", "d'Irene"},
        {"de %v%", "Uix\xF3", "d'Uix\xF3"},
        {"de %v%", "ions", "d'ions"},
        {"de %v%", "Els Quatre Gats", "d'Els Quatre Gats"},
        {"De %v%", "Eul\xE0lia", "D'Eul\xE0lia"},
        // Semivowels, with or without h: the preposition stays whole.
        {"de %v%", "iode", "de iode"},
        {"de %v%", "Huelva", "de Huelva"},
        {"de %v%", "Iolanda", "de Iolanda"},
        {"de %v%", "hiena", "de hiena"},
        {"de %v%", "hui", "de hui"},
        {"de %v%", "Yolanda", "de Yolanda"},
        {"de %v%", "Marta", "de Marta"},
        // Dates and figures: 1 and 11 begin with a vowel, 10, 100 and 1.000 do not.
        {"el %v%", "1 de mar\xE7 de 2026", "l'1 de mar\xE7 de 2026"},
        {"el %v%", "11 de mar\xE7 de 2026", "l'11 de mar\xE7 de 2026"},
        {"el %v%", "10 de mar\xE7 de 2026", "el 10 de mar\xE7 de 2026"},
        {"el %v%", "21 de mar\xE7 de 2026", "el 21 de mar\xE7 de 2026"},
        {"de %v%", "11.000 euros", "d'11.000 euros"},
        {"de %v%", "1.000 euros", "de 1.000 euros"},
        {"de %v%", "100 euros", "de 100 euros"},
        {"de %v%", "1,5 metres", "d'1,5 metres"},
        {"de %v%", "", "de "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(merge(c.model, {{"v", std::string(c.value)}}), c.expected) << c.value;
}

TEST(Contraction, NeverRewritesAnEarlierValue)
{
    // The "de " before the second value was typed by the user, not written by the model.
    EXPECT_EQ(merge("%a%%b%", {{"a", "carrer de "}, {"b", "el Pi"}}), "carrer de el Pi");
    EXPECT_EQ(merge("%a% %b%", {{"a", "de"}, {"b", "Anna"}}), "de Anna");
}

TEST(Contraction, APunctuationMarkTheModelAddsIsNotDoubled)
{
    EXPECT_EQ(merge("%s%,\r\n", {{"s", "Benvolguda senyora,"}}), "Benvolguda senyora,\r\n");
    EXPECT_EQ(merge("%s%,\r\n", {{"s", "Benvolguda senyora"}}), "Benvolguda senyora,\r\n");
    EXPECT_EQ(merge("Fets: %s%.", {{"s", "ho va veure tot."}}), "Fets: ho va veure tot.");
    EXPECT_EQ(merge("%s%, i", {{"s", "etc."}}), "etc., i");
    EXPECT_EQ(merge("%s%,", {{"s", ","}}), ",");
}

TEST(Contraction, AnArticleAtAParagraphStartTakesACapital)
{
    const std::string_view model =
        "%lloc%, 8 de desembre de 2026\r\n\r\n%lloc%\r\n\r\n{place}%lloc% i %lloc%\r\n%lloc%";
    EXPECT_EQ(merge(model, {{"lloc", "el Masnou"}}),
              "El Masnou, 8 de desembre de 2026\r\n\r\nEl Masnou\r\n\r\nEl Masnou i el Masnou\r\nel Masnou");
    EXPECT_EQ(merge(model, {{"lloc", "l'Hospitalet"}}),
              "L'Hospitalet, 8 de desembre de 2026\r\n\r\nL'Hospitalet\r\n\r\nL'Hospitalet i "
              "l'Hospitalet\r\nl'Hospitalet");
    EXPECT_EQ(merge("%lloc%", {{"lloc", "elx"}}), "elx");
    // A line that goes on with the sentence of the line before keeps the value as written.
    EXPECT_EQ(merge("amb el vistiplau\r\n%v% i el segell", {{"v", "la presidenta"}}),
              "amb el vistiplau\r\nla presidenta i el segell");
}
