#include "DataFile.h"

#include "text/Cp1252.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

void Faults::add(const std::string &where, const std::string &what)
{
    m_messages.push_back(where + ": " + what);
}

void Faults::print() const
{
    for (const std::string &message : m_messages)
        std::cerr << message << '\n';
}

std::string quoted(const std::string &cp1252Text)
{
    return '"' + cp1252::toUtf8(cp1252Text) + '"';
}

namespace {

std::vector<std::string> splitTabs(const std::string &line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

std::string codePointName(char32_t cp)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
    return buffer;
}

bool isControl(unsigned char byte)
{
    // C0 controls, DEL, and the five bytes Windows-1252 leaves undefined (read as C1 controls).
    return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

bool isLetter(unsigned char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7);
}

// "col.lecció": a full stop between two l's inside a word stands for the middle dot.
bool writesGeminateWithFullStop(const std::string &field)
{
    for (std::size_t i = 1; i + 3 < field.size(); ++i) {
        const auto at = [&](std::size_t k) { return static_cast<unsigned char>(field[k]); };
        if ((at(i) | 0x20) == 'l' && at(i + 1) == '.' && (at(i + 2) | 0x20) == 'l' && isLetter(at(i - 1)) &&
            isLetter(at(i + 3)))
            return true;
    }
    return false;
}

} // namespace

std::vector<Record> readDataFile(const std::filesystem::path &path, std::size_t minFields, std::size_t maxFields,
                                 Faults &faults)
{
    std::vector<Record> records;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        faults.add(path.string(), "cannot be read");
        return records;
    }
    std::stringstream contents;
    contents << in.rdbuf();
    const std::string text = contents.str();
    if (!text.empty() && text.back() != '\n')
        faults.add(path.string(), "does not end with a line end");

    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const std::string where = path.string() + ":" + std::to_string(number);
        if (!line.empty() && line.front() == '#')
            continue;
        if (line.empty()) {
            faults.add(where, "empty line (one record a line, no blank lines)");
            continue;
        }
        const cp1252::Conversion converted = cp1252::fromUtf8(line);
        if (converted.error) {
            faults.add(where, "character " + codePointName(converted.error->codePoint) + " at byte " +
                                  std::to_string(converted.error->offset + 1) + " cannot be written in Windows-1252");
            continue;
        }
        Record record{where, splitTabs(converted.text)};
        bool good = true;
        if (record.fields.size() < minFields || record.fields.size() > maxFields) {
            faults.add(where, std::to_string(record.fields.size()) + " fields, expected " + std::to_string(minFields) +
                                  (maxFields != minFields ? " to " + std::to_string(maxFields) : ""));
            good = false;
        }
        for (const std::string &field : record.fields) {
            if (field.empty()) {
                faults.add(where, "empty field");
                good = false;
            } else if (field.front() == ' ' || field.back() == ' ') {
                faults.add(where, quoted(field) + " has leading or trailing spaces");
                good = false;
            }
            if (writesGeminateWithFullStop(field)) {
                faults.add(where, quoted(field) + " writes the geminated l with a full stop; write \"l\xC2\xB7l\" "
                                                  "(tools/gen_tables/middle_dot.py mends the file)");
                good = false;
            }
            for (char c : field) {
                if (isControl(static_cast<unsigned char>(c))) {
                    faults.add(where, quoted(field) + " holds a control character");
                    good = false;
                    break;
                }
            }
        }
        if (good)
            records.push_back(std::move(record));
    }
    return records;
}

// A C++ string literal for Windows-1252 bytes. Octal escapes cannot swallow a following digit
// beyond their three, unlike hex escapes.
std::string literal(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            static const char digits[] = "01234567";
            out += '\\';
            out += digits[(byte >> 6) & 7];
            out += digits[(byte >> 3) & 7];
            out += digits[byte & 7];
        }
    }
    return out + '"';
}
