#pragma once
// Where the commands' text goes: standard output in the encoding asked for, or files written
// whole, so that a failure never leaves a partial file behind and never loses a file that was
// there before. Every file the program writes is written here.

#include "cli/Expected.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace cli {

enum class Encoding { Utf8, Cp1252 };

// "utf-8" (or "utf8") and "cp1252" (or "windows-1252"), in any letter case.
Expected<Encoding> parseEncoding(std::string_view name);

// A Windows-1252 text in the encoding asked for. Line ends are left as they are.
std::string encode(std::string_view cp1252Text, Encoding encoding);

// Writes bytes to standard output as they are; a failed write is an input/output failure.
[[nodiscard]] Problem writeOut(std::string_view bytes);
// Flushes standard output; main() calls it last, so that a write that failed late is reported.
Problem flushOut();

// Reads a whole file, or standard input for "-".
Expected<std::string> readInput(const std::string &path);

// Why a system call failed, in Catalan, from its errno.
std::string systemReason(int error);

// A file name for messages, as the user wrote it.
std::string shown(const std::filesystem::path &path);

} // namespace cli
