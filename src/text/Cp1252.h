#pragma once
// The Windows-1252 code page: the one encoding of every text that Plecta handles.
// Conversions to and from Unicode happen only at the edges (widgets, terminal, data files).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cp1252 {

// The Unicode code point of a Windows-1252 byte. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as Windows does.
char32_t toUnicode(unsigned char byte);

// The byte that holds a code point, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t codePoint);

std::string toUtf8(std::string_view text);

// Where a conversion from UTF-8 stopped: the byte offset in the input and the code point that
// Windows-1252 cannot hold (U+FFFD for malformed UTF-8).
struct ConversionError
{
    std::size_t offset = 0;
    char32_t codePoint = 0;
};

struct Conversion
{
    std::string text;                     // valid only when there is no error
    std::optional<ConversionError> error;
};

Conversion fromUtf8(std::string_view utf8);

// Letter case as Windows-1252 defines it, accented capitals included ("À" <-> "à").
unsigned char toLower(unsigned char byte);
unsigned char toUpper(unsigned char byte);
std::string toLower(std::string_view text);

} // namespace cp1252
