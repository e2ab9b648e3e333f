#include "text/InputGate.h"

#include "text/Cp1252.h"
#include "text/NfcData.h"
#include "text/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

namespace textgate {
namespace {

const std::span<const nfc::CombiningClass> kClasses(nfc::kCombiningClasses, nfc::kCombiningClassCount);
const std::span<const nfc::Decomposition> kDecompositions(nfc::kDecompositions, nfc::kDecompositionCount);
const std::span<const nfc::Composition> kCompositions(nfc::kCompositions, nfc::kCompositionCount);

unsigned char combiningClass(char32_t cp)
{
    const auto it = std::lower_bound(kClasses.begin(), kClasses.end(), cp,
                                     [](const nfc::CombiningClass &c, char32_t v) { return c.codePoint < v; });
    return it != kClasses.end() && it->codePoint == cp ? it->value : 0;
}

const nfc::Decomposition *decomposition(char32_t cp)
{
    const auto it = std::lower_bound(kDecompositions.begin(), kDecompositions.end(), cp,
                                     [](const nfc::Decomposition &d, char32_t v) { return d.codePoint < v; });
    return it != kDecompositions.end() && it->codePoint == cp ? &*it : nullptr;
}

char32_t compose(char32_t first, char32_t second)
{
    const auto it = std::lower_bound(
        kCompositions.begin(), kCompositions.end(), std::pair(first, second),
        [](const nfc::Composition &c, std::pair<char32_t, char32_t> v) { return std::pair(c.first, c.second) < v; });
    return it != kCompositions.end() && it->first == first && it->second == second ? it->composite : 0;
}

bool isControl(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

// One input character, as read.
struct InputChar
{
    char32_t cp;
    std::size_t byteOffset;
};

// A character of the text being normalised, with the input character it came from.
struct Piece
{
    char32_t cp;
    std::size_t origin; // index into the input characters
    unsigned char ccc;
};

// Canonical decomposition, canonical ordering and canonical composition, as Unicode defines
// normalisation form C, over the characters the generated tables know.
std::vector<Piece> normalize(const std::vector<InputChar> &input)
{
    std::vector<Piece> pieces;
    pieces.reserve(input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (const nfc::Decomposition *d = decomposition(input[i].cp)) {
            for (unsigned k = 0; k < d->length; ++k)
                pieces.push_back({d->parts[k], i, combiningClass(d->parts[k])});
        } else {
            pieces.push_back({input[i].cp, i, combiningClass(input[i].cp)});
        }
    }

    // Marks in a row are put in the order of their combining classes (stable, as the standard says).
    for (std::size_t start = 0; start < pieces.size();) {
        if (pieces[start].ccc == 0) {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < pieces.size() && pieces[end].ccc != 0)
            ++end;
        std::stable_sort(pieces.begin() + std::ptrdiff_t(start), pieces.begin() + std::ptrdiff_t(end),
                         [](const Piece &a, const Piece &b) { return a.ccc < b.ccc; });
        start = end;
    }

    // Each mark joins the last starter when nothing between them blocks it.
    std::vector<Piece> out;
    out.reserve(pieces.size());
    std::optional<std::size_t> starter;
    int lastClass = -1; // class of the last character kept since the starter; -1: none
    for (const Piece &piece : pieces) {
        if (starter) {
            const bool blocked = lastClass != -1 && (lastClass == 0 || lastClass >= piece.ccc);
            if (!blocked) {
                if (const char32_t joined = compose(out[*starter].cp, piece.cp)) {
                    out[*starter].cp = joined;
                    continue;
                }
            }
        }
        if (piece.ccc == 0) {
            starter = out.size();
            lastClass = -1;
        } else {
            lastClass = piece.ccc;
        }
        out.push_back(piece);
    }
    return out;
}

std::string codeText(char32_t cp)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(cp));
    return text;
}

} // namespace

Result pass(std::string_view utf8, FieldRules rules)
{
    Result result;
    std::vector<InputChar> input;
    input.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        input.push_back({utf8::decode(utf8, pos), start});
    }
    auto refuse = [&](std::size_t index, Reason reason) {
        const char32_t cp = input[index].cp == utf8::kInvalid ? 0xFFFD : input[index].cp;
        result.refusal = Refusal{reason, cp, index + 1, input[index].byteOffset};
        result.text.clear();
        return result;
    };

    // Controls come out of normalisation as they went in, so they are judged in input order.
    for (std::size_t i = 0; i < input.size(); ++i) {
        const char32_t cp = input[i].cp;
        if (cp == utf8::kInvalid)
            return refuse(i, Reason::InvalidUtf8);
        if (cp == '\n' || cp == '\r') {
            if (!rules.lineBreaks)
                return refuse(i, Reason::LineBreak);
        } else if (cp == '\t') {
            if (!rules.tab)
                return refuse(i, Reason::Tab);
        } else if (isControl(cp)) {
            return refuse(i, Reason::Control);
        }
    }

    const std::vector<Piece> normalized = normalize(input);
    result.text.reserve(normalized.size());
    for (std::size_t i = 0; i < normalized.size(); ++i) {
        const char32_t cp = normalized[i].cp;
        if (cp == 0x0140 || cp == 0x013F) {
            result.text += cp == 0x0140 ? 'l' : 'L';
            result.text += '\xB7';
        } else if (cp == '\r' || cp == '\n') {
            result.text += "\r\n";
            if (cp == '\r' && i + 1 < normalized.size() && normalized[i + 1].cp == '\n')
                ++i;
        } else if (const auto byte = cp1252::fromUnicode(cp)) {
            result.text += static_cast<char>(*byte);
        } else {
            return refuse(normalized[i].origin, Reason::NotRepresentable);
        }
    }
    return result;
}

bool isUnprintable(char32_t cp)
{
    return isControl(cp) || cp == utf8::kInvalid || (cp >= 0x200B && cp <= 0x200F) || (cp >= 0x2028 && cp <= 0x202E) ||
           (cp >= 0x2060 && cp <= 0x206F) || cp == 0xFEFF || (cp >= 0xFFF9 && cp <= 0xFFFB) ||
           (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF;
}

std::string describe(char32_t cp, Reason reason)
{
    if (reason == Reason::InvalidUtf8)
        return "una seqüència UTF-8 no vàlida";
    if (cp == '\n' || cp == '\r')
        return "un salt de línia (" + codeText(cp) + ")";
    if (cp == '\t')
        return "un tabulador (U+0009)";
    if (isControl(cp))
        return "un caràcter de control (" + codeText(cp) + ")";
    if (isUnprintable(cp))
        return "un caràcter invisible (" + codeText(cp) + ")";
    std::string shown;
    utf8::append(shown, cp);
    return "el caràcter «" + shown + "» (" + codeText(cp) + ")";
}

std::string_view reasonText(Reason reason)
{
    switch (reason) {
    case Reason::InvalidUtf8: return "cal que el text sigui UTF-8";
    case Reason::Control: return "no hi cap: els caràcters de control no s'admeten";
    case Reason::LineBreak: return "no hi cap: el camp és d'una sola línia";
    case Reason::Tab: return "no hi cap: el camp no admet tabuladors";
    case Reason::NotRepresentable: break;
    }
    return "no es pot escriure en Windows-1252, la codificació dels documents";
}

std::string escapeForTerminal(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t cp = utf8::decode(text, pos);
        if (cp == utf8::kInvalid) {
            for (std::size_t i = start; i < pos; ++i) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(text[i]));
                out += escaped;
            }
        } else if (isUnprintable(cp)) {
            out += codeText(cp);
        } else {
            out.append(text.substr(start, pos - start));
        }
    }
    return out;
}

} // namespace textgate
