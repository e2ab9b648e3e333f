#pragma once
// The commands of plecta-cli: each with the options it accepts and what it does. A command
// returns its exit status, or the one line that explains why its input was refused.

#include "cli/Args.h"
#include "cli/Expected.h"
#include "cli/Output.h"

#include <chrono>
#include <span>
#include <string_view>

namespace cli {

class DocumentFill;

struct Command
{
    std::string_view name;
    std::span<const OptionSpec> options;
    std::size_t positionals; // how many words the command takes besides its options
    Expected<int> (*run)(const ParsedArgs &args);
    std::size_t optionalPositionals = 0; // how many more it may take
};

extern const Command kNumeralCommand;
extern const Command kOrdinalCommand;
extern const Command kAmountCommand;
extern const Command kListCommand;
extern const Command kKindsCommand;
extern const Command kFieldsCommand;
extern const Command kDocumentCommand;
extern const Command kMergeCommand;
extern const Command kSaveCommand;
extern const Command kSearchCommand;
extern const Command kCheckCommand;

// Options several commands share.
Expected<Encoding> encodingOption(const ParsedArgs &args, Encoding fallback);
Expected<std::chrono::year_month_day> dateOption(const ParsedArgs &args); // today by default
// --set, --choose, --line and --model of the document and merge commands, in that order of kind
// and each in the order given.
Problem applyFillOptions(DocumentFill &fill, const ParsedArgs &args);

} // namespace cli
