#include "cli/Commands.h"

#include "reference/Ordinals.h"

namespace cli {
namespace {

constexpr OptionSpec kOptions[] = {
    {"--encoding", "", true, false},
};

Expected<int> run(const ParsedArgs &args)
{
    const std::string &number = args.positional.front();
    const auto encoding = encodingOption(args, Encoding::Utf8);
    if (!encoding)
        return encoding.failure();
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return Failure{"«" + number + "» no és un número (només xifres, d'1 a 999999)"};
    const std::size_t significant = number.find_first_not_of('0');
    const bool tooLong = significant != std::string::npos && number.size() - significant > 6;
    const auto texts = tooLong ? std::nullopt : numerals::ordinal(unsigned(std::stoul(number)));
    if (!texts)
        return Failure{"«" + number + "» no té ordinal aquí: els ordinals van d'1 a 999999"};
    if (Problem problem =
            writeOut(encode(texts->feminine, *encoding) + "\n" + encode(texts->masculine, *encoding) + "\n" +
                     encode(texts->feminineShort, *encoding) + "\n" + encode(texts->masculineShort, *encoding) + "\n"))
        return *problem;
    return kExitOk;
}

} // namespace

const Command kOrdinalCommand{"ordinal", kOptions, 1, run};

} // namespace cli
