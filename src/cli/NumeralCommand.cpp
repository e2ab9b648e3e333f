#include "cli/Commands.h"

#include "reference/Numerals.h"
#include "text/Cp1252.h"

namespace cli {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--gender", "", true, false},
    {"--encoding", "", true, false},
};

Expected<int> run(const ParsedArgs &args)
{
    const std::string &number = args.positional.front();
    const auto encoding = encodingOption(args, Encoding::Utf8);
    if (!encoding)
        return encoding.failure();
    const std::string *gender = args.value("--gender");
    if (gender && *gender != "f" && *gender != "m")
        return Failure{"--gender: «" + *gender + "» no és cap gènere (f o m)"};

    // Digits, grouped by thousands dots or not ("1.234.567"): what typing into the window's field
    // leaves there. Anything else never reaches the numeral rule.
    const auto digits = numerals::ungroupedDigits(number);
    if (!digits)
        return Failure{"«" + number + "» no és un número (xifres, amb punts de milers si voleu: de 0 a 99.999.999)"};
    const auto words = numerals::NumberToWords(*digits);
    if (!words || words->feminine == numerals::kTooLarge)
        return Failure{cp1252::toUtf8(numerals::kTooLarge) + ": «" + number + "» (el màxim és 99.999.999)"};

    std::string out;
    if (!gender || *gender == "f")
        out += encode(words->feminine, *encoding) + "\n";
    if (!gender || *gender == "m")
        out += encode(words->masculine, *encoding) + "\n";
    if (Problem problem = writeOut(out))
        return *problem;
    return kExitOk;
}

} // namespace

const Command kNumeralCommand{"numeral", kOptions, 1, run};

} // namespace cli
