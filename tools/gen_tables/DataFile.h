#pragma once
// Reading the reference tables' data files: UTF-8, one record a line, fields separated by TABs,
// lines that begin with '#' are comments. Every field is converted to Windows-1252 here, so a
// character the program could not hold stops the build with the file and line that hold it.

#include <filesystem>
#include <string>
#include <vector>

struct Record
{
    std::string where;               // "file:line", for messages
    std::vector<std::string> fields; // Windows-1252
};

// Collects every fault of a run, so that one build lists them all.
class Faults
{
public:
    void add(const std::string &where, const std::string &what);
    bool any() const { return !m_messages.empty(); }
    void print() const;

private:
    std::vector<std::string> m_messages;
};

// Reads a data file. A record must have between minFields and maxFields fields, none empty, none
// with leading or trailing spaces (padding is the generator's job), no control characters, and no
// geminated l written with a full stop ("col.lecció" for "col·lecció").
std::vector<Record> readDataFile(const std::filesystem::path &path, std::size_t minFields, std::size_t maxFields,
                                 Faults &faults);

// A field as the messages quote it: back in UTF-8, between quotes.
std::string quoted(const std::string &cp1252Text);

// A C++ string literal for Windows-1252 bytes.
std::string literal(const std::string &text);
