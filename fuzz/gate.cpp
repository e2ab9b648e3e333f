// Fuzz target for the input gate: random bytes under random field rules. Besides memory and
// undefined-behaviour faults it checks that an accepted text holds only what a document may
// (no control but CR LF pairs and allowed TABs), that the gate is idempotent, that it agrees
// with the plain Windows-1252 conversion on text that needs no normalising, that a refusal
// points inside the input, and that a message escape never lets a control character through.

#include "text/Cp1252.h"
#include "text/InputGate.h"
#include "text/Utf8.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "gate fuzz: %s\n", what);
        std::abort();
    }
}

bool hasControl(std::string_view utf8)
{
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = utf8::decode(utf8, pos);
        if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F))
            return true;
    }
    return false;
}

void checkAccepted(const std::string &text, textgate::FieldRules rules)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r') {
            require(rules.lineBreaks && i + 1 < text.size() && text[i + 1] == '\n', "CR without LF");
            ++i;
            continue;
        }
        require(byte != '\n', "LF without CR");
        require(byte != '\t' || rules.tab, "TAB let through");
        require(byte >= 0x20 || byte == '\t', "control character let through");
        require(byte != 0x7F, "DEL let through");
        require(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D, "C1 control let through");
    }
    // What the gate accepted passes it again unchanged.
    const textgate::Result again = textgate::pass(cp1252::toUtf8(text), rules);
    require(again.accepted(), "accepted text refused the second time");
    require(again.text == text, "gate not idempotent");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const textgate::FieldRules rules{.lineBreaks = (data[0] & 1) != 0, .tab = (data[0] & 2) != 0};
    const std::string_view input(reinterpret_cast<const char *>(data + 1), size - 1);

    const textgate::Result result = textgate::pass(input, rules);
    if (result.accepted()) {
        checkAccepted(result.text, rules);
    } else {
        require(result.text.empty(), "refusal with text");
        require(result.refusal->position >= 1 && result.refusal->byteOffset < input.size(), "refusal outside input");
        const std::string message = textgate::describe(result.refusal->character, result.refusal->reason);
        require(!hasControl(message), "control character in the refusal's description");
    }

    // Text Windows-1252 holds as it is, with no control character, needs no normalising.
    const cp1252::Conversion plain = cp1252::fromUtf8(input);
    if (!plain.error && !hasControl(input)) {
        require(result.accepted(), "plain Windows-1252 text refused");
        require(result.text == plain.text, "plain Windows-1252 text changed");
    }

    const std::string escaped = textgate::escapeForTerminal(input);
    for (std::size_t pos = 0; pos < escaped.size();) {
        const char32_t cp = utf8::decode(escaped, pos);
        require(cp != utf8::kInvalid, "escaped text is no UTF-8");
        require(!textgate::isUnprintable(cp), "escaped text holds an unprintable character");
    }
    return 0;
}
