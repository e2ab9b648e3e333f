#include "cli/Commands.h"

#include "reference/Amounts.h"
#include "text/Cp1252.h"

namespace cli {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--encoding", "", true, false},
};

Expected<int> run(const ParsedArgs &args)
{
    const std::string &text = args.positional.front();
    const auto encoding = encodingOption(args, Encoding::Utf8);
    if (!encoding)
        return encoding.failure();
    std::string_view whyNot;
    const auto amount = numerals::parseAmount(text, &whyNot);
    if (!amount)
        return Failure{"«" + text + "» " + cp1252::toUtf8(whyNot)};
    if (Problem problem = writeOut(encode(numerals::amountInWords(*amount), *encoding) + "\n"))
        return *problem;
    return kExitOk;
}

} // namespace

const Command kAmountCommand{"amount", kOptions, 1, run};

} // namespace cli
