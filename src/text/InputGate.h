#pragma once
// The gate that every text entering the program passes, whether typed or pasted into a window,
// given on the command line or read from a CSV file: UTF-8 in, Windows-1252 bytes or a refusal
// out. On the way the text is put in canonical composition (NFC), so decomposed accents become
// the letters Windows-1252 holds, and "ŀ"/"Ŀ" are written "l·"/"L·".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace textgate {

// What a field takes besides the printable characters of Windows-1252.
struct FieldRules
{
    bool lineBreaks = false; // a large multi-line box: CR LF, LF and CR all become CR LF
    bool tab = false;
};

inline constexpr FieldRules kOneLine{};
inline constexpr FieldRules kSeveralLines{.lineBreaks = true};

enum class Reason {
    InvalidUtf8,      // bytes that are no UTF-8
    Control,          // C0 and C1 control characters and DEL
    LineBreak,        // a line break in a one-line field
    Tab,              // a TAB in a field that takes none
    NotRepresentable, // a character Windows-1252 cannot hold, even after composition
};

struct Refusal
{
    Reason reason = Reason::NotRepresentable;
    char32_t character = 0;     // the input character refused (U+FFFD for invalid UTF-8)
    std::size_t position = 0;   // of that character in the input, counted in characters from 1
    std::size_t byteOffset = 0; // of that character in the input
};

struct Result
{
    std::string text; // Windows-1252; empty when refused
    std::optional<Refusal> refusal;
    bool accepted() const { return !refusal.has_value(); }
};

Result pass(std::string_view utf8, FieldRules rules = kOneLine);

// Whether a character shown inside a message could upset a terminal or be invisible there:
// controls, line and paragraph separators, and the invisible formatting characters.
bool isUnprintable(char32_t character);

// "el caràcter «→» (U+2192)", "un caràcter de control (U+001B)", "una seqüència UTF-8 no vàlida":
// a character for a message (UTF-8), never printing a control character raw.
std::string describe(char32_t character, Reason reason);

// Why a character was refused, as the end of a Catalan sentence (UTF-8).
std::string_view reasonText(Reason reason);

// A text for a message on a terminal: valid, printable UTF-8 as it is, control characters and
// invisible formatting characters as "U+0007", bytes that are no UTF-8 as "\xFF".
std::string escapeForTerminal(std::string_view text);

} // namespace textgate
