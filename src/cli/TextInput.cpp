#include "cli/TextInput.h"

namespace cli {

Expected<std::string> gateText(std::string_view utf8, std::string_view where, textgate::FieldRules rules)
{
    textgate::Result result = textgate::pass(utf8, rules);
    if (const auto &refusal = result.refusal) {
        return Failure{std::string(where) + ": " + textgate::describe(refusal->character, refusal->reason) +
                       ", a la posició " + std::to_string(refusal->position) + ", " +
                       std::string(textgate::reasonText(refusal->reason))};
    }
    return std::move(result.text);
}

} // namespace cli
