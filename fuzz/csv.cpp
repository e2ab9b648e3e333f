// Fuzz target for the CSV reader of the mail merge. Besides memory and undefined-behaviour faults
// it checks that every record has the header's number of fields, that record lines grow, and that
// the records, written back with every field quoted, read back the same.

#include "cli/Csv.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "csv fuzz: %s\n", what);
        std::abort();
    }
}

std::string quoted(const std::vector<cli::CsvRecord> &records)
{
    std::string out;
    for (const cli::CsvRecord &record : records) {
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            out += i ? ",\"" : "\"";
            for (char c : record.fields[i])
                out += c == '"' ? std::string("\"\"") : std::string(1, c);
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto records = cli::parseCsv(text);
    if (!records) {
        require(!records.failure().message.empty(), "refusal without a message");
        return 0;
    }
    require(!records->empty(), "no header");
    std::size_t line = 0;
    for (const cli::CsvRecord &record : *records) {
        require(record.fields.size() == records->front().fields.size(), "record with another number of fields");
        require(record.line > line, "record lines out of order");
        line = record.line;
    }

    const auto again = cli::parseCsv(quoted(*records));
    require(again.ok(), "written-back records refused");
    require(again->size() == records->size(), "written-back records counted differently");
    for (std::size_t r = 0; r < records->size(); ++r)
        require((*again)[r].fields == (*records)[r].fields, "written-back record differs");
    return 0;
}
