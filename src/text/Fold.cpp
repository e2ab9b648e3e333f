#include "text/Fold.h"

#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace plecta {
namespace {

// What each byte becomes once lower-cased: its plain letters or digit, or nothing (a separator).
constexpr std::array<std::string_view, 256> makeFoldTable()
{
    std::array<std::string_view, 256> table{};
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";
    constexpr std::string_view kDigits = "0123456789";
    for (std::size_t i = 0; i < kLetters.size(); ++i)
        table['a' + i] = kLetters.substr(i, 1);
    for (std::size_t i = 0; i < kDigits.size(); ++i)
        table['0' + i] = kDigits.substr(i, 1);
    const auto set = [&table](std::string_view bytes, std::string_view folded) {
        for (char c : bytes)
            table[static_cast<unsigned char>(c)] = folded;
    };
    set("\xE0\xE1\xE2\xE3\xE4\xE5\xAA", "a");
    set("\xE6", "ae");
    set("\xE7", "c");
    set("\xE8\xE9\xEA\xEB", "e");
    set("\xEC\xED\xEE\xEF", "i");
    set("\xF0", "d");
    set("\xF1", "n");
    set("\xF2\xF3\xF4\xF5\xF6\xF8\xBA", "o");
    set("\xF9\xFA\xFB\xFC", "u");
    set("\xFD\xFF", "y");
    set("\x9A", "s");
    set("\x9E", "z");
    set("\x9C", "oe");
    set("\xDF", "ss");
    set("\xFE", "th");
    set("\x83", "f");
    set("\xB2", "2");
    set("\xB3", "3");
    set("\xB9", "1");
    return table;
}

constexpr auto kFold = makeFoldTable();

unsigned char lowerAt(std::string_view text, std::size_t i)
{
    return cp1252::toLower(static_cast<unsigned char>(text[i]));
}

// Folds `text`, telling `placed` the source range [begin, end) of every folded byte appended.
// With `keepMarks`, "/" and "." stay as they are instead of separating words.
template <class Placed> std::string fold(std::string_view text, Placed placed, bool keepMarks = false)
{
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    const auto append = [&](std::string_view piece, std::size_t begin, std::size_t end) {
        if (piece.empty()) {
            pendingSpace = !out.empty();
            return;
        }
        if (pendingSpace) {
            out += ' ';
            placed(begin, begin);
        }
        pendingSpace = false;
        out += piece;
        for (std::size_t k = 0; k < piece.size(); ++k)
            placed(begin, end);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = lowerAt(text, i);
        // The geminated l, with its middle dot or the full stop that stands in for it.
        if (c == 'l' && i + 2 < text.size() && lowerAt(text, i + 2) == 'l') {
            const unsigned char dot = static_cast<unsigned char>(text[i + 1]);
            if (dot == 0xB7 || dot == '.') {
                append("l", i, i + 1);
                append("l", i + 1, i + 3);
                i += 2;
                continue;
            }
        }
        if (keepMarks && (c == '/' || c == '.'))
            append(text.substr(i, 1), i, i + 1);
        else
            append(kFold[c], i, i + 1);
    }
    return out;
}

} // namespace

std::string foldForSearch(std::string_view text)
{
    return fold(text, [](std::size_t, std::size_t) {});
}

std::string foldKeepingMarks(std::string_view text)
{
    return fold(
        text, [](std::size_t, std::size_t) {}, true);
}

namespace {

std::vector<std::string> splitWords(const std::string &folded)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < folded.size()) {
        std::size_t end = folded.find(' ', start);
        if (end == std::string::npos)
            end = folded.size();
        words.push_back(folded.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

} // namespace

std::vector<std::string> foldedWords(std::string_view query)
{
    return splitWords(foldForSearch(query));
}

SearchQuery parseQuery(std::string_view query)
{
    SearchQuery parsed{foldedWords(query), {}, foldKeepingMarks(query)};
    for (std::string &piece : splitWords(parsed.whole)) {
        // A piece of marks alone ("/", "...") narrows nothing a person means.
        const bool marked = piece.find_first_of("/.") != std::string::npos;
        const bool hasWord = piece.find_first_not_of("/.") != std::string::npos;
        if (marked && hasWord)
            parsed.marked.push_back(std::move(piece));
    }
    return parsed;
}

bool holdsMarkedPieces(std::string_view markedText, const SearchQuery &query)
{
    for (const std::string &piece : query.marked) {
        if (markedText.find(piece) == std::string_view::npos)
            return false;
    }
    return true;
}

bool containsAllWords(std::string_view foldedText, const std::vector<std::string> &words)
{
    for (const std::string &word : words) {
        if (foldedText.find(word) == std::string_view::npos)
            return false;
    }
    return true;
}

namespace {

bool beginsWord(std::string_view text, std::size_t at)
{
    return at == 0 || text[at - 1] == ' ';
}

// The best place the word has in the text: 0 a whole word, 1 the start of a word, 2 inside one.
int bestPlace(std::string_view text, std::string_view word)
{
    int best = 2;
    for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
        if (!beginsWord(text, at))
            continue;
        const std::size_t end = at + word.size();
        if (end == text.size() || text[end] == ' ')
            return 0;
        best = 1;
    }
    return best;
}

} // namespace

int matchRank(std::string_view foldedText, const std::vector<std::string> &words)
{
    if (!containsAllWords(foldedText, words))
        return -1;
    int rank = 0;
    for (const std::string &word : words)
        rank = std::max(rank, bestPlace(foldedText, word));
    return rank;
}

std::vector<TextSpan> matchedSpans(std::string_view text, const std::vector<std::string> &words)
{
    std::vector<TextSpan> sources;
    const std::string folded = fold(text, [&sources](std::size_t begin, std::size_t end) {
        sources.push_back({begin, end});
    });
    // A one-letter word (an elided article, "l" of "l'hospitalet") would mark letters all over
    // the text: it marks whole words only.
    const auto isWordByte = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return std::isalnum(byte) || byte >= 0x80;
    };
    const auto wholeWordAt = [&](std::size_t at, std::size_t size) {
        return (at == 0 || !isWordByte(folded[at - 1])) &&
               (at + size == folded.size() || !isWordByte(folded[at + size]));
    };
    std::vector<TextSpan> spans;
    for (const std::string &word : words) {
        if (word.empty())
            continue;
        for (std::size_t at = folded.find(word); at != std::string::npos; at = folded.find(word, at + 1)) {
            if (word.size() > 1 || wholeWordAt(at, word.size()))
                spans.push_back({sources[at].begin, sources[at + word.size() - 1].end});
        }
    }
    std::sort(spans.begin(), spans.end(), [](const TextSpan &a, const TextSpan &b) {
        return a.begin < b.begin || (a.begin == b.begin && a.end < b.end);
    });
    std::vector<TextSpan> merged;
    for (const TextSpan &span : spans) {
        if (!merged.empty() && span.begin <= merged.back().end)
            merged.back().end = std::max(merged.back().end, span.end);
        else
            merged.push_back(span);
    }
    return merged;
}

} // namespace plecta
