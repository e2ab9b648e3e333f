#pragma once
// Comma-separated values as RFC 4180 writes them: fields separated by commas, records by line
// breaks (CR LF or LF), fields that hold commas, quotes or line breaks enclosed in double quotes
// with inner quotes doubled. Every record has as many fields as the first, the header.

#include "cli/Expected.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct CsvRecord
{
    std::size_t line = 0; // where the record starts, from 1
    std::vector<std::string> fields;
};

// The records of a whole file, header first. A UTF-8 byte-order mark at the start is skipped and
// empty lines at the end are ignored. A malformed record is reported with its line number.
Expected<std::vector<CsvRecord>> parseCsv(std::string_view text);

} // namespace cli
