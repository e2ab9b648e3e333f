#include "cli/TextInput.h"

#include "text/Cp1252.h"

#include <array>
#include <cstdio>
#include <vector>

namespace cli {
namespace {

constexpr char32_t kBad = 0xFFFD;

// Decodes UTF-8 into code points; malformed sequences become U+FFFD.
std::vector<char32_t> decode(std::string_view text)
{
    std::vector<char32_t> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        int length = lead < 0x80             ? 1
                     : (lead & 0xE0) == 0xC0 ? 2
                     : (lead & 0xF0) == 0xE0 ? 3
                     : (lead & 0xF8) == 0xF0 ? 4
                                             : 0;
        if (length == 0 || pos + std::size_t(length) > text.size()) {
            out.push_back(kBad);
            ++pos;
            continue;
        }
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        bool good = true;
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[pos + std::size_t(i)]);
            if ((next & 0xC0) != 0x80) {
                good = false;
                length = i;
                break;
            }
            cp = (cp << 6) | (next & 0x3F);
        }
        constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!good || cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            cp = kBad;
        out.push_back(cp);
        pos += std::size_t(length);
    }
    return out;
}

struct Composition
{
    char32_t base;
    char32_t mark;
    char32_t composed;
};

// The canonical compositions whose result Windows-1252 holds: the only ones that can turn a
// decomposed input into something a document can contain.
constexpr auto kCompositions = std::to_array<Composition>({
    {'A', 0x300, 0xC0},  {'A', 0x301, 0xC1},  {'A', 0x302, 0xC2},  {'A', 0x303, 0xC3},  {'A', 0x308, 0xC4},
    {'A', 0x30A, 0xC5},  {'C', 0x327, 0xC7},  {'E', 0x300, 0xC8},  {'E', 0x301, 0xC9},  {'E', 0x302, 0xCA},
    {'E', 0x308, 0xCB},  {'I', 0x300, 0xCC},  {'I', 0x301, 0xCD},  {'I', 0x302, 0xCE},  {'I', 0x308, 0xCF},
    {'N', 0x303, 0xD1},  {'O', 0x300, 0xD2},  {'O', 0x301, 0xD3},  {'O', 0x302, 0xD4},  {'O', 0x303, 0xD5},
    {'O', 0x308, 0xD6},  {'U', 0x300, 0xD9},  {'U', 0x301, 0xDA},  {'U', 0x302, 0xDB},  {'U', 0x308, 0xDC},
    {'Y', 0x301, 0xDD},  {'a', 0x300, 0xE0},  {'a', 0x301, 0xE1},  {'a', 0x302, 0xE2},  {'a', 0x303, 0xE3},
    {'a', 0x308, 0xE4},  {'a', 0x30A, 0xE5},  {'c', 0x327, 0xE7},  {'e', 0x300, 0xE8},  {'e', 0x301, 0xE9},
    {'e', 0x302, 0xEA},  {'e', 0x308, 0xEB},  {'i', 0x300, 0xEC},  {'i', 0x301, 0xED},  {'i', 0x302, 0xEE},
    {'i', 0x308, 0xEF},  {'n', 0x303, 0xF1},  {'o', 0x300, 0xF2},  {'o', 0x301, 0xF3},  {'o', 0x302, 0xF4},
    {'o', 0x303, 0xF5},  {'o', 0x308, 0xF6},  {'u', 0x300, 0xF9},  {'u', 0x301, 0xFA},  {'u', 0x302, 0xFB},
    {'u', 0x308, 0xFC},  {'y', 0x301, 0xFD},  {'y', 0x308, 0xFF},  {'Y', 0x308, 0x178}, {'S', 0x30C, 0x160},
    {'s', 0x30C, 0x161}, {'Z', 0x30C, 0x17D}, {'z', 0x30C, 0x17E},
});

char32_t compose(char32_t base, char32_t mark)
{
    for (const Composition &c : kCompositions) {
        if (c.base == base && c.mark == mark)
            return c.composed;
    }
    return 0;
}

// What normalisation makes of a single character before any composing: the signs that are
// canonically a letter of Windows-1252.
char32_t singleton(char32_t cp)
{
    switch (cp) {
    case 0x212A: return 'K';  // KELVIN SIGN
    case 0x212B: return 0xC5; // ANGSTROM SIGN
    case 0x0340: return 0x300;
    case 0x0341: return 0x301;
    default: return cp;
    }
}

struct Placed
{
    char32_t cp;
    std::size_t position; // of the input character it came from, from 1
};

} // namespace

std::string describeCodePoint(char32_t codePoint)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(codePoint));
    if (codePoint == kBad)
        return "una seqüència UTF-8 no vàlida";
    if (codePoint < 0x20 || codePoint == 0x7F)
        return std::string("un caràcter de control (") + code + ")";
    std::string shown;
    // Shown as UTF-8 so the terminal draws it.
    const char32_t c = codePoint;
    if (c < 0x80) {
        shown += char(c);
    } else if (c < 0x800) {
        shown += char(0xC0 | (c >> 6));
        shown += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        shown += char(0xE0 | (c >> 12));
        shown += char(0x80 | ((c >> 6) & 0x3F));
        shown += char(0x80 | (c & 0x3F));
    } else {
        shown += char(0xF0 | (c >> 18));
        shown += char(0x80 | ((c >> 12) & 0x3F));
        shown += char(0x80 | ((c >> 6) & 0x3F));
        shown += char(0x80 | (c & 0x3F));
    }
    return "el caràcter «" + shown + "» (" + code + ")";
}

Expected<std::string> gateText(std::string_view utf8, std::string_view where)
{
    const std::vector<char32_t> input = decode(utf8);

    std::vector<Placed> composed;
    composed.reserve(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        const char32_t cp = singleton(input[i]);
        if (!composed.empty()) {
            if (const char32_t joined = compose(composed.back().cp, cp)) {
                composed.back().cp = joined;
                continue;
            }
        }
        composed.push_back({cp, i + 1});
    }

    std::string out;
    out.reserve(composed.size());
    for (const Placed &placed : composed) {
        if (placed.cp == 0x140 || placed.cp == 0x13F) { // "ŀ" is written "l·" in Windows-1252
            out += placed.cp == 0x140 ? 'l' : 'L';
            out += '\xB7';
            continue;
        }
        const bool control = (placed.cp < 0x20 && placed.cp != '\t') || placed.cp == 0x7F;
        const auto byte = control || placed.cp == kBad ? std::nullopt : cp1252::fromUnicode(placed.cp);
        if (!byte) {
            const std::string place = std::string(where) + ": " + describeCodePoint(placed.cp) + ", a la posició " +
                                      std::to_string(placed.position) + ", ";
            if (control)
                return Failure{place + "no hi cap: cada camp és d'una sola línia"};
            return Failure{place + "no es pot escriure en Windows-1252, la codificació dels documents"};
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

} // namespace cli
