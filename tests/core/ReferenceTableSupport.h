#pragma once
// What the reference table tests share: conversions between the tests' UTF-8 and the tables'
// Windows-1252, the folding and ordering the tables promise, and walks over the tables.

#include "reference/ReferenceTables.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tabletest {

// Test sources are UTF-8; the tables are Windows-1252.
inline std::string cp(const char *utf8)
{
    return cp1252::fromUtf8(utf8).text;
}

inline std::string u8(std::string_view cp1252Text)
{
    return cp1252::toUtf8(cp1252Text);
}

inline std::string trimmed(const char *text)
{
    std::string out(text);
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
}

// Lower case without accents, the way a dictionary orders words.
inline std::string folded(std::string_view text)
{
    std::string out;
    for (char c : text) {
        const unsigned char b = cp1252::toLower(static_cast<unsigned char>(c));
        if (b >= 0xE0 && b <= 0xE5)
            out += 'a';
        else if (b == 0xE7)
            out += 'c';
        else if (b >= 0xE8 && b <= 0xEB)
            out += 'e';
        else if (b >= 0xEC && b <= 0xEF)
            out += 'i';
        else if (b == 0xF1)
            out += 'n';
        else if (b >= 0xF2 && b <= 0xF6)
            out += 'o';
        else if (b >= 0xF9 && b <= 0xFC)
            out += 'u';
        else
            out += static_cast<char>(b);
    }
    return out;
}

// The vocabulary's key: folded, "l·l" read as "ll", apostrophes, full stops and hyphens dropped.
inline std::string dictionaryKey(std::string_view word)
{
    std::string text = folded(word);
    for (std::size_t at; (at = text.find("l\xB7l")) != std::string::npos;)
        text.replace(at, 3, "ll");
    std::erase_if(text, [](char c) { return c == '\'' || c == '.' || c == '-'; });
    return text;
}

// "Loosely alphabetical": only letters and digits count.
inline std::string looseKey(std::string_view text)
{
    std::string out = folded(text);
    std::erase_if(out, [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return !(std::isalnum(b) || b >= 0x80);
    });
    return out;
}

// The list's sort key: lower case, compared byte by byte as unsigned codes.
inline bool listOrder(const std::string &a, const std::string &b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return cp1252::toLower(static_cast<unsigned char>(x)) < cp1252::toLower(static_cast<unsigned char>(y));
    });
}

template <typename Entry> std::vector<Entry> walk(const Entry *table)
{
    std::vector<Entry> records;
    for (const Entry *entry = table; *reinterpret_cast<const char *const *>(entry); ++entry)
        records.push_back(*entry);
    return records;
}

inline std::vector<std::string> comarques()
{
    std::vector<std::string> names;
    for (const char *const *name = g_comarques; *name; ++name)
        names.emplace_back(*name);
    return names;
}

inline bool isLabel(const std::string &token)
{
    static const std::set<std::string> labels = {"m", "f", "pl", "adj", "adv", "v", "prep", "conj"};
    return labels.count(token) || (token.size() > 1 && token[0] == '-');
}

// A headword's own record: the word alone, with nothing after it but labels and endings.
inline bool isHeadwordRecord(const std::string &catalan)
{
    std::size_t start = catalan.find(' ');
    while (start != std::string::npos) {
        const std::size_t end = catalan.find(' ', start + 1);
        if (!isLabel(catalan.substr(start + 1, end - start - 1)))
            return false;
        start = end;
    }
    return true;
}

inline void expectPadded(const char *text, std::size_t width, const std::string &where)
{
    ASSERT_NE(text, nullptr) << where;
    EXPECT_EQ(std::strlen(text), width) << where << ": \"" << u8(text) << '"';
    EXPECT_NE(text[0], ' ') << where;
    EXPECT_FALSE(trimmed(text).empty()) << where;
}

} // namespace tabletest
