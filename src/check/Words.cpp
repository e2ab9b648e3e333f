#include "check/Words.h"

#include <algorithm>

namespace check {
namespace {

constexpr unsigned char kRightQuote = 0x92; // ’ in Windows-1252
constexpr unsigned char kMiddleDot = 0xB7;

bool isJoiner(unsigned char byte)
{
    return byte == '\'' || byte == kRightQuote || byte == kMiddleDot || byte == '-';
}

bool isSpace(unsigned char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == 0xA0;
}

bool hasDigit(std::string_view word)
{
    return std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool startsWithWww(std::string_view chunk)
{
    const std::size_t first = chunk.find_first_not_of("(<[\"'");
    if (first == std::string_view::npos || chunk.size() - first < 4)
        return false;
    std::string head(chunk.substr(first, 4));
    std::transform(head.begin(), head.end(), head.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    return head == "www.";
}

// The stretches the checker leaves alone: placeholders, e-mail and web addresses.
std::vector<WordSpan> skippedStretches(std::string_view text)
{
    std::vector<WordSpan> skipped;
    for (std::size_t open = text.find('<'); open != std::string_view::npos; open = text.find('<', open + 1)) {
        const std::size_t close = text.find_first_of(">\n", open + 1);
        if (close != std::string_view::npos && text[close] == '>')
            skipped.push_back({open, close + 1});
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isSpace(static_cast<unsigned char>(text[pos])))
            ++pos;
        std::size_t end = pos;
        while (end < text.size() && !isSpace(static_cast<unsigned char>(text[end])))
            ++end;
        const std::string_view chunk = text.substr(pos, end - pos);
        if (chunk.find('@') != std::string_view::npos || chunk.find("://") != std::string_view::npos ||
            startsWithWww(chunk))
            skipped.push_back({pos, end});
        pos = end;
    }
    return skipped;
}

bool overlaps(const std::vector<WordSpan> &stretches, const WordSpan &word)
{
    return std::any_of(stretches.begin(), stretches.end(),
                       [&](const WordSpan &s) { return s.begin < word.end && word.begin < s.end; });
}

} // namespace

bool isWordLetter(unsigned char byte)
{
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'))
        return true;
    switch (byte) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:
    case 0xAA:
    case 0xB5:
    case 0xBA: return true;
    default: return byte >= 0xC0 && byte != 0xD7 && byte != 0xF7;
    }
}

bool isWordCharacter(unsigned char byte)
{
    return isWordLetter(byte) || (byte >= '0' && byte <= '9');
}

std::vector<WordSpan> checkedWords(std::string_view text)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const std::vector<WordSpan> skipped = skippedStretches(text);
    std::vector<WordSpan> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!isWordCharacter(at(pos))) {
            ++pos;
            continue;
        }
        std::size_t end = pos + 1;
        while (end < text.size()) {
            if (isWordCharacter(at(end)))
                ++end;
            else if (isJoiner(at(end)) && end + 1 < text.size() && isWordCharacter(at(end + 1)))
                end += 2;
            else
                break;
        }
        const WordSpan word{pos, end};
        if (!hasDigit(text.substr(pos, end - pos)) && !overlaps(skipped, word))
            words.push_back(word);
        pos = end;
    }
    return words;
}

std::vector<WordSpan> wordParts(const std::vector<WordSpan> &words, std::string_view text)
{
    std::vector<WordSpan> parts;
    for (const WordSpan &word : words) {
        std::size_t begin = word.begin;
        for (std::size_t i = word.begin; i <= word.end; ++i) {
            if (i == word.end || text[i] == '-') {
                parts.push_back({begin, i});
                begin = i + 1;
            }
        }
    }
    return parts;
}

std::string plainApostrophes(std::string_view text)
{
    std::string out(text);
    std::replace(out.begin(), out.end(), static_cast<char>(kRightQuote), '\'');
    return out;
}

} // namespace check
