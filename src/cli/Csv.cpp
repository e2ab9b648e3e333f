#include "cli/Csv.h"

namespace cli {
namespace {

Failure lineFailure(std::size_t line, std::string_view what)
{
    return Failure{"CSV, línia " + std::to_string(line) + ": " + std::string(what)};
}

} // namespace

Expected<std::vector<CsvRecord>> parseCsv(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    // Trailing empty lines are no records.
    while (text.ends_with("\n"))
        text.remove_suffix(text.ends_with("\r\n") ? 2 : 1);

    std::vector<CsvRecord> records;
    if (text.empty())
        return Failure{"el fitxer CSV és buit"};

    std::size_t line = 1;
    std::size_t pos = 0;
    CsvRecord record{line, {}};
    std::string field;
    for (;;) {
        field.clear();
        if (pos < text.size() && text[pos] == '"') {
            const std::size_t opened = line;
            ++pos;
            for (;;) {
                if (pos >= text.size())
                    return lineFailure(opened, "falten les cometes que tanquen el camp");
                const char c = text[pos++];
                if (c == '"') {
                    if (pos < text.size() && text[pos] == '"') {
                        field += '"';
                        ++pos;
                        continue;
                    }
                    break;
                }
                if (c == '\n')
                    ++line;
                field += c;
            }
            if (pos < text.size() && text[pos] != ',' && text[pos] != '\n' && text.substr(pos, 2) != "\r\n")
                return lineFailure(line, "hi ha text després de les cometes que tanquen un camp");
        } else {
            while (pos < text.size() && text[pos] != ',' && text[pos] != '\n') {
                if (text[pos] == '"')
                    return lineFailure(line, "cometes dins d'un camp que no comença amb cometes");
                if (text[pos] == '\r' && text.substr(pos, 2) != "\r\n")
                    return lineFailure(line, "un retorn de carro sense salt de línia");
                if (text[pos] != '\r')
                    field += text[pos];
                ++pos;
            }
        }
        record.fields.push_back(field);

        if (pos < text.size() && text[pos] == ',') {
            ++pos;
            continue;
        }
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        const bool atEnd = pos >= text.size();
        if (!records.empty() && record.fields.size() != records.front().fields.size()) {
            const auto fields = [](std::size_t n) { return std::to_string(n) + (n == 1 ? " camp" : " camps"); };
            return lineFailure(record.line, "la fila té " + fields(record.fields.size()) + " i la capçalera, " +
                                                fields(records.front().fields.size()));
        }
        records.push_back(std::move(record));
        if (atEnd)
            break;
        ++pos; // the '\n'
        ++line;
        record = CsvRecord{line, {}};
    }
    return records;
}

} // namespace cli
