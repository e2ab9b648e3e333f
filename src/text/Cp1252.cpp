#include "text/Cp1252.h"

#include "text/Utf8.h"

#include <array>

namespace cp1252 {
namespace {

// 0x80..0x9F, the block in which Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHighBlock[byte - 0x80];
    return byte;
}

std::optional<unsigned char> fromUnicode(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] == codePoint)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string toUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text)
        utf8::append(out, toUnicode(static_cast<unsigned char>(c)));
    return out;
}

Conversion fromUtf8(std::string_view utf8)
{
    Conversion result;
    result.text.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t cp = utf8::decode(utf8, pos);
        const auto byte = cp == utf8::kInvalid ? std::nullopt : fromUnicode(cp);
        if (!byte) {
            result.error = ConversionError{start, cp == utf8::kInvalid ? 0xFFFD : cp};
            return result;
        }
        result.text += static_cast<char>(*byte);
    }
    return result;
}

unsigned char toLower(unsigned char byte)
{
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return byte + 0x20;
    switch (byte) {
    case 0x8A: return 0x9A; // Š
    case 0x8C: return 0x9C; // Œ
    case 0x8E: return 0x9E; // Ž
    case 0x9F: return 0xFF; // Ÿ
    default: return byte;
    }
}

unsigned char toUpper(unsigned char byte)
{
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
        return byte - 0x20;
    switch (byte) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return byte;
    }
}

std::string toLower(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = static_cast<char>(toLower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace cp1252
