#include "models/Contraction.h"

#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <optional>

namespace plecta {

namespace {

unsigned char lower(char c)
{
    return cp1252::toLower(static_cast<unsigned char>(c));
}

bool isLetter(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return cp1252::toLower(b) != cp1252::toUpper(b);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Vowels in Windows-1252, lower case: a e i o u and à á è é í ï ò ó ú ü.
bool isVowel(char c)
{
    constexpr std::string_view kVowels = "aeiou\xE0\xE1\xE8\xE9\xED\xEF\xF2\xF3\xFA\xFC";
    return kVowels.find(static_cast<char>(lower(c))) != std::string_view::npos;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[i]) != lower(prefix[i]))
            return false;
    return true;
}

// A figure whose name begins with a vowel: 1 ("u") and 11 ("onze"), but not 10, 100 or 1.000
// ("deu", "cent", "mil").
bool figureElides(std::string_view text)
{
    if (text.starts_with("11"))
        return text.size() == 2 || !isDigit(text[2]);
    if (!text.starts_with("1") || (text.size() > 1 && isDigit(text[1])))
        return false;
    const bool thousands = text.size() > 2 && (text[1] == '.' || text[1] == ' ') && isDigit(text[2]);
    return !thousands;
}

// An i or u followed by another vowel is a semivowel ("iode", "Iolanda", "Huelva", "ueb"), but
// for the i of "ió" and its family and the u of a falling "ui" ("la Vall d'Uixó"). The Valencian
// "hui" begins with a semivowel.
bool beginsWithSemivowel(std::string_view word)
{
    if (word.size() < 2 || !isVowel(word[1]))
        return false;
    const unsigned char first = lower(word[0]);
    if (first == 'i')
        return !(startsWithNoCase(word, "i\xF3") || startsWithNoCase(word, "ion") || startsWithNoCase(word, "i\xF2n"));
    if (first == 'u')
        return lower(word[1]) != 'i' || word.size() == 2 || !isLetter(word[2]);
    return false;
}

struct ModelWord
{
    std::size_t at = 0;     // where the word begins in the output
    std::string_view lower; // the word in lower case: "a", "de", "per", "el"
    bool capital = false;   // written with a capital first letter
};

// The word of the model right before the value, followed by one space: one of "a", "de", "per",
// "el", as a whole word and wholly within the model's text.
std::optional<ModelWord> modelWordBefore(const std::string &output, std::size_t modelTextStart)
{
    constexpr std::array<std::string_view, 4> kWords = {"a", "de", "per", "el"};
    if (output.empty() || output.back() != ' ')
        return std::nullopt;
    const std::size_t end = output.size() - 1;
    for (const std::string_view word : kWords) {
        if (end < word.size() || end - word.size() < modelTextStart)
            continue;
        const std::size_t at = end - word.size();
        if (at > 0 && isLetter(output[at - 1]))
            continue;
        if (!startsWithNoCase(std::string_view(output).substr(at), word))
            continue;
        const bool capital = lower(output[at]) != static_cast<unsigned char>(output[at]);
        if (!std::equal(word.begin() + 1, word.end(), output.begin() + static_cast<std::ptrdiff_t>(at) + 1))
            continue; // "DE" or "eL": a heading's word, not running text
        return ModelWord{at, word, capital};
    }
    return std::nullopt;
}

// "al", "dels", "pel"...: the preposition and the article as one word.
std::string contracted(std::string_view preposition, std::string_view article)
{
    std::string word = preposition == "per" ? "pe" : preposition == "de" ? "de" : "a";
    word += article.substr(1); // "l" or "ls"
    return word;
}

// A paragraph's start: the document's start or a line after an empty one, past the
// paragraph-kind markers ("{body}") that may open it. A line that goes on with the sentence of
// the line before ("amb el vistiplau" / "%vistiplau% i el segell") is no paragraph start.
bool atParagraphStart(const std::string &output)
{
    std::size_t end = output.size();
    while (end > 0 && output[end - 1] == '}') {
        const std::size_t open = output.rfind('{', end - 1);
        if (open == std::string::npos)
            break;
        end = open;
    }
    if (end == 0)
        return true;
    if (output[end - 1] != '\n')
        return false;
    std::size_t lineEnd = end - 1; // the line before: its "\n", and its "\r" when there is one
    if (lineEnd > 0 && output[lineEnd - 1] == '\r')
        --lineEnd;
    return lineEnd == 0 || output[lineEnd - 1] == '\n';
}

bool beginsWithArticle(std::string_view value)
{
    constexpr std::array<std::string_view, 6> kArticles = {"el ", "els ", "la ", "les ", "l'", "l\x92"};
    for (const std::string_view article : kArticles)
        if (value.starts_with(article))
            return true;
    return false;
}

} // namespace

bool elidesBefore(std::string_view text)
{
    if (text.empty())
        return false;
    if (isDigit(text.front()))
        return figureElides(text);
    const std::string_view word = lower(text.front()) == 'h' ? text.substr(1) : text;
    return !word.empty() && isVowel(word.front()) && !beginsWithSemivowel(word);
}

void appendFieldValue(std::string &output, std::size_t modelTextStart, std::string_view value,
                      std::string_view modelAfter)
{
    if (!value.empty() && !modelAfter.empty() && (modelAfter.front() == ',' || modelAfter.front() == '.') &&
        value.back() == modelAfter.front())
        value.remove_suffix(1);
    if (const std::optional<ModelWord> word = modelWordBefore(output, modelTextStart)) {
        const std::string_view article = value.starts_with("els ")  ? "els"
                                         : value.starts_with("el ") ? "el"
                                                                    : std::string_view();
        std::string joined;
        if (!article.empty() && word->lower != "el") {
            joined = contracted(word->lower, article);
            value.remove_prefix(article.size());
        } else if ((word->lower == "de" || word->lower == "el") && elidesBefore(value)) {
            joined = word->lower == "de" ? "d'" : "l'";
        }
        if (!joined.empty()) {
            if (word->capital)
                joined.front() = static_cast<char>(cp1252::toUpper(static_cast<unsigned char>(joined.front())));
            output.replace(word->at, std::string::npos, joined);
            output += value;
            return;
        }
    }
    if (beginsWithArticle(value) && atParagraphStart(output)) {
        output += static_cast<char>(cp1252::toUpper(static_cast<unsigned char>(value.front())));
        value.remove_prefix(1);
    }
    output += value;
}

} // namespace plecta
