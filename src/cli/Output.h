#pragma once
// Where the commands' text goes: standard output in the encoding asked for, or files written
// whole (a temporary file in the same folder, renamed into place), so that a failure never leaves
// a partial file behind.

#include "cli/Expected.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class Encoding { Utf8, Cp1252 };

// "utf-8" (or "utf8") and "cp1252" (or "windows-1252"), in any letter case.
Expected<Encoding> parseEncoding(std::string_view name);

// A Windows-1252 text in the encoding asked for. Line ends are left as they are.
std::string encode(std::string_view cp1252Text, Encoding encoding);

// Writes bytes to standard output as they are.
void writeOut(std::string_view bytes);

// Files to be written together: each is first written to a temporary file beside its target;
// commit() renames them all into place. Whatever is not committed, and whatever was renamed by a
// commit that failed half-way, is removed again when the object goes.
class StagedFiles
{
public:
    explicit StagedFiles(bool overwrite) : m_overwrite(overwrite) {}
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;
    ~StagedFiles();

    // Refuses a target that exists (unless overwriting), a folder that is missing or cannot be
    // written, and a failed write.
    Problem stage(const std::filesystem::path &target, std::string_view bytes);
    Problem commit();

private:
    struct Entry
    {
        std::filesystem::path temporary;
        std::filesystem::path target;
        bool placed = false;
    };
    void discard();

    bool m_overwrite;
    bool m_committed = false;
    std::vector<Entry> m_entries;
};

// A file name for messages, as the user wrote it.
std::string shown(const std::filesystem::path &path);

} // namespace cli
