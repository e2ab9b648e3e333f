#include "text/PasteSalvage.h"

#include "text/Utf8.h"

#include <algorithm>

namespace textgate {
namespace {

std::string_view trimmed(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// The paste's lines on one line, with the number of lines joined.
std::string joinLines(std::string_view text, std::size_t &joined)
{
    std::string out;
    std::size_t lines = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = trimmed(text.substr(0, end));
        if (!line.empty()) {
            out += out.empty() ? "" : " ";
            out += line;
            ++lines;
        }
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    }
    joined = lines > 1 ? lines : 0;
    return out;
}

std::string codeText(char32_t character)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t rest = character; rest != 0 || digits.size() < 4; rest >>= 4)
        digits.insert(digits.begin(), kHex[rest & 0xF]);
    return "U+" + digits;
}

} // namespace

Salvaged salvage(std::string_view utf8, FieldRules rules)
{
    Salvaged result;
    std::string joined;
    if (!rules.lineBreaks && utf8.find_first_of("\r\n") != std::string_view::npos) {
        joined = joinLines(utf8, result.joinedLines);
        utf8 = joined;
    }
    if (!rules.tab && utf8.find('\t') != std::string_view::npos) {
        if (joined.empty())
            joined = utf8;
        std::replace(joined.begin(), joined.end(), '\t', ' ');
        utf8 = joined;
    }
    // Each refusal is the first one of what is left: the text before it passes, the character
    // is left out, and the rest is passed again.
    for (std::string_view rest = utf8;;) {
        const Result passed = pass(rest, rules);
        if (passed.accepted()) {
            result.text += passed.text;
            return result;
        }
        const Refusal &refusal = *passed.refusal;
        result.text += pass(rest.substr(0, refusal.byteOffset), rules).text;
        ++result.leftOutCount;
        if (std::find(result.leftOut.begin(), result.leftOut.end(), refusal.character) == result.leftOut.end())
            result.leftOut.push_back(refusal.character);
        std::size_t next = refusal.byteOffset;
        utf8::decode(rest, next);
        rest.remove_prefix(std::min(rest.size(), next));
    }
}

std::string salvageMessage(const Salvaged &salvaged)
{
    std::string message;
    if (salvaged.joinedLines > 0)
        message = "S'han unit " + std::to_string(salvaged.joinedLines) + " línies en una.";
    if (salvaged.leftOutCount == 0)
        return message;
    message += message.empty() ? "" : " ";
    message += salvaged.leftOutCount == 1 ? "S'ha omès 1 caràcter: "
                                          : "S'han omès " + std::to_string(salvaged.leftOutCount) + " caràcters: ";
    for (std::size_t i = 0; i < salvaged.leftOut.size(); ++i) {
        const char32_t character = salvaged.leftOut[i];
        message += i ? ", " : "";
        // Controls and invisible characters by their code alone, never raw.
        if (!isUnprintable(character) && character >= 0x20 && !(character >= 0x7F && character < 0xA0)) {
            utf8::append(message, character);
            message += " (" + codeText(character) + ")";
        } else {
            message += codeText(character);
        }
    }
    return message;
}

} // namespace textgate
