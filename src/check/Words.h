#pragma once
// The words of a Windows-1252 text as the checker reads them. A word is a run of letters and
// digits that an apostrophe (' or the typographic ’), a middle dot ("col·legi") or a hyphen
// ("dóna-li") may join when a letter or digit stands on both sides. Positions are byte offsets,
// which in Windows-1252 are character offsets.
//
// Left out, never checked: words with a digit (numbers, DNI/NIE, postcodes, "1r"), placeholders
// between angle brackets on one line ("<NOM i COGNOMS>"), and e-mail and web addresses (a stretch
// without spaces that holds "@" or "://" or begins with "www.").

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace check {

struct WordSpan
{
    std::size_t begin;
    std::size_t end;
    bool operator==(const WordSpan &) const = default;
};

bool isWordLetter(unsigned char byte);
bool isWordCharacter(unsigned char byte); // a letter or a digit

// The words to check, in text order.
std::vector<WordSpan> checkedWords(std::string_view text);

// Where a phrase may begin: the start of every word and of every part of a hyphenated word, in
// text order. A part ends at a hyphen or at the end of its word.
std::vector<WordSpan> wordParts(const std::vector<WordSpan> &words, std::string_view text);

// The text as the dictionary and the lists compare it: the typographic apostrophe read as '.
std::string plainApostrophes(std::string_view text);

} // namespace check
