#include "cli/Args.h"

namespace cli {
namespace {

const std::vector<std::string> kNoValues;

constexpr OptionSpec kHelp{"--help", "-h", false, false};

const OptionSpec *findSpec(std::string_view word, std::span<const OptionSpec> specs)
{
    if (word == kHelp.name || word == kHelp.shortName)
        return &kHelp;
    for (const OptionSpec &spec : specs) {
        if (word == spec.name || (!spec.shortName.empty() && word == spec.shortName))
            return &spec;
    }
    return nullptr;
}

} // namespace

const std::string *ParsedArgs::value(std::string_view name) const
{
    const auto it = m_options.find(name);
    return it == m_options.end() || it->second.empty() ? nullptr : &it->second.back();
}

const std::vector<std::string> &ParsedArgs::values(std::string_view name) const
{
    const auto it = m_options.find(name);
    return it == m_options.end() ? kNoValues : it->second;
}

void ParsedArgs::add(std::string_view name, std::string value)
{
    m_options[std::string(name)].push_back(std::move(value));
}

Expected<ParsedArgs> parseArgs(std::span<const std::string> args, std::span<const OptionSpec> specs)
{
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &word = args[i];
        // "-5" is a (bad) number for the numeral command, not an option.
        const bool negativeNumber = word.size() >= 2 && word[0] == '-' && word[1] >= '0' && word[1] <= '9';
        if (optionsEnded || word.size() < 2 || word[0] != '-' || negativeNumber) {
            parsed.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::string_view name = word;
        std::optional<std::string> inlineValue;
        if (word.starts_with("--")) {
            if (const auto equals = word.find('='); equals != std::string::npos) {
                name = std::string_view(word).substr(0, equals);
                inlineValue = word.substr(equals + 1);
            }
        }
        const OptionSpec *spec = findSpec(name, specs);
        if (!spec)
            return Failure{"opció desconeguda: " + std::string(name)};
        if (parsed.has(spec->name) && !spec->repeatable)
            return Failure{"l'opció " + std::string(spec->name) + " només es pot donar una vegada"};
        if (!spec->takesValue) {
            if (inlineValue)
                return Failure{"l'opció " + std::string(spec->name) + " no pren cap valor"};
            parsed.add(spec->name, {});
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size())
                return Failure{"l'opció " + std::string(spec->name) + " necessita un valor"};
            inlineValue = args[++i];
        }
        parsed.add(spec->name, std::move(*inlineValue));
    }
    return parsed;
}

Failure usageFailure(std::string_view command, std::string_view message)
{
    return Failure{std::string(message) + " (vegeu plecta-cli " + std::string(command) + " --help)"};
}

} // namespace cli
