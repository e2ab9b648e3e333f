#include "cli/Commands.h"
#include "cli/DocumentFill.h"

#include "models/DateText.h"

namespace cli {

Expected<Encoding> encodingOption(const ParsedArgs &args, Encoding fallback)
{
    const std::string *name = args.value("--encoding");
    return name ? parseEncoding(*name) : Expected<Encoding>(fallback);
}

Expected<std::chrono::year_month_day> dateOption(const ParsedArgs &args)
{
    const std::string *date = args.value("--date");
    return date ? parseDate(*date, "--date") : Expected<std::chrono::year_month_day>(plecta::localToday());
}

Problem applyFillOptions(DocumentFill &fill, const ParsedArgs &args)
{
    for (const std::string &option : args.values("--set")) {
        const auto assignment = parseAssignment(option, "--set");
        if (!assignment)
            return assignment.failure();
        if (Problem problem = fill.setText(assignment->id, assignment->value, "--set " + assignment->id, true))
            return problem;
    }
    for (const std::string &option : args.values("--choose")) {
        const auto assignment = parseAssignment(option, "--choose");
        if (!assignment)
            return assignment.failure();
        if (Problem problem = fill.choose(assignment->id, assignment->value, "--choose " + assignment->id))
            return problem;
    }
    int count = 0;
    for (const std::string &line : args.values("--line")) {
        if (Problem problem = fill.addLine(line, "--line " + std::to_string(++count)))
            return problem;
    }
    if (const std::string *model = args.value("--model")) {
        if (Problem problem = fill.setModel(*model))
            return problem;
    }
    return std::nullopt;
}

} // namespace cli
