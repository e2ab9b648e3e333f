#pragma once
// The one UTF-8 decoder and encoder of the program. Every conversion between UTF-8 and code
// points, in any layer, goes through these two functions.

#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

// What decode() gives for a malformed sequence: no Unicode code point has this value, so a valid
// U+FFFD in the input stays distinguishable from a broken one.
inline constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes the sequence at text[pos] and advances pos past it. A malformed sequence (a stray
// continuation byte, a truncated sequence, an overlong form, a surrogate, a value beyond U+10FFFF)
// gives kInvalid and advances past the bytes that belong to it, at least one.
char32_t decode(std::string_view text, std::size_t &pos);

// Appends the UTF-8 form of a code point. Surrogates and values beyond U+10FFFF, which have no
// UTF-8 form, are written as U+FFFD.
void append(std::string &out, char32_t codePoint);

} // namespace utf8
