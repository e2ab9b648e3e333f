#pragma once
// The search fold: the form in which texts are compared when the user filters a list or searches
// the handbook, so that "credit" finds "crèdit", "sollicitud" finds "sol·licitud" and
// "l'hospitalet" finds "Hospitalet de Llobregat, l'".
//
// Folding a Windows-1252 text lower-cases it, reads the geminated l ("l·l", "l.l") as "ll", drops
// accents and other diacritics ("à" -> "a", "ç" -> "c", "ñ" -> "n", "æ" -> "ae"), turns every
// other character that is not a letter a-z or a digit into a space, and collapses the spaces, with
// none at either end. Text from outside the program reaches it through the input gate, which has
// already composed it and turned "ŀ" into "l·".

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plecta {

std::string foldForSearch(std::string_view cp1252Text);

// The words of a folded query, in order; none for an empty or blank query.
std::vector<std::string> foldedWords(std::string_view cp1252Query);

// The same fold with "/" and "." kept where they stand ("C/ Major" -> "c/ major", "Sr./a." ->
// "sr./a."); the geminated l's full stop is still read as part of "ll".
std::string foldKeepingMarks(std::string_view cp1252Text);

// A query as the whole-handbook search reads it: its folded words, and the pieces that hold "/"
// or "." folded with those marks kept ("c/", "sr./a."), which a text must hold as well, so that
// "c/" finds the abbreviation and not every "c".
struct SearchQuery
{
    std::vector<std::string> words;
    std::vector<std::string> marked;
    std::string whole; // the query folded with its marks kept, to compare with a whole key
    bool empty() const { return words.empty(); }
};
SearchQuery parseQuery(std::string_view cp1252Query);

// Whether a text folded with its marks kept holds every marked piece of the query.
bool holdsMarkedPieces(std::string_view markedText, const SearchQuery &query);

// Whether every word is found, as a substring, in the folded text. No words match everything.
bool containsAllWords(std::string_view foldedText, const std::vector<std::string> &words);

// How well a folded text answers the words, best first: 0 when every word is a whole word of the
// text, 1 when every word begins a word of the text, 2 when some word is found only inside a
// word; -1 when some word is missing.
int matchRank(std::string_view foldedText, const std::vector<std::string> &words);

// Where the words are found in an unfolded Windows-1252 text: sorted, disjoint [begin, end)
// byte ranges of the text itself, so that a window can mark the parts that matched. Every
// occurrence of every word is marked, a one-letter word only where it is a whole word; a folded
// "ll" covers the dot of "l·l".
struct TextSpan
{
    std::size_t begin;
    std::size_t end;
    bool operator==(const TextSpan &) const = default;
};
std::vector<TextSpan> matchedSpans(std::string_view cp1252Text, const std::vector<std::string> &words);

} // namespace plecta
