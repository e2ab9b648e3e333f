// plecta-cli check: the text checker over a UTF-8 text, one line per finding.

#include "cli/Commands.h"

#include "check/TextChecker.h"
#include "text/Cp1252.h"
#include "text/Utf8.h"

namespace cli {
namespace {

// Stands in for a character Windows-1252 cannot hold: never part of a word, and one byte per
// character, so that columns count characters.
constexpr char kUnheld = 0x1A;

// The text in Windows-1252, one byte per character of the input.
Expected<std::string> checkedText(std::string_view utf8)
{
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
        utf8.remove_prefix(3);
    std::string text;
    text.reserve(utf8.size());
    std::size_t line = 1;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t code = utf8::decode(utf8, pos);
        if (code == utf8::kInvalid)
            return Failure{"l'entrada no és text UTF-8 vàlid (línia " + std::to_string(line) + ")"};
        if (code == '\n')
            ++line;
        const auto byte = cp1252::fromUnicode(code);
        text += byte ? static_cast<char>(*byte) : kUnheld;
    }
    return text;
}

// A found phrase on one line: a line end or a run of spaces inside it is written as one space.
std::string oneLine(std::string_view found)
{
    std::string out;
    for (const char c : found) {
        const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\xA0';
        if (!space)
            out += c;
        else if (out.empty() || out.back() != ' ')
            out += ' ';
    }
    return cp1252::toUtf8(out);
}

std::string joined(const std::vector<std::string> &forms)
{
    std::string out;
    for (const std::string &form : forms)
        out += (out.empty() ? "" : ", ") + cp1252::toUtf8(form);
    return out;
}

Expected<int> run(const ParsedArgs &args)
{
    const auto input = readInput(args.positional.empty() ? std::string("-") : args.positional.front());
    if (!input)
        return input.failure();
    const auto text = checkedText(*input);
    if (!text)
        return text.failure();

    const check::TextChecker checker(check::SpellDictionary::load());
    const std::vector<check::Finding> findings = checker.check(*text);
    std::string out;
    std::size_t line = 1;
    std::size_t lineStart = 0;
    std::size_t scanned = 0;
    for (const check::Finding &finding : findings) {
        for (; scanned < finding.begin; ++scanned) {
            if ((*text)[scanned] == '\n') {
                ++line;
                lineStart = scanned + 1;
            }
        }
        const std::string_view found = std::string_view(*text).substr(finding.begin, finding.end - finding.begin);
        out += std::to_string(line) + ':' + std::to_string(finding.begin - lineStart + 1) + '\t' + oneLine(found) +
               '\t' + (finding.kind == check::FindingKind::Spelling ? "ortografia" : "castellanisme") + '\t' +
               joined(checker.suggestions(*text, finding)) + '\n';
    }
    if (Problem problem = writeOut(out))
        return *problem;
    return findings.empty() ? kExitOk : kExitNotFound;
}

} // namespace

const Command kCheckCommand{"check", {}, 0, run, 1};

} // namespace cli
