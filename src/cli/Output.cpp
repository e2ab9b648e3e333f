#include "cli/Output.h"

#include "text/Cp1252.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {
namespace {

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return out;
}

std::string systemReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return "no hi ha permís per escriure-hi";
    case ENOENT: return "la carpeta no existeix";
    case ENOTDIR: return "el camí no és una carpeta";
    case EROFS: return "el sistema de fitxers és de només lectura";
    case ENOSPC: return "el disc és ple";
    case EISDIR: return "és una carpeta";
    default: return std::strerror(error);
    }
}

// The permissions a newly created file gets: what the user's umask leaves of rw-rw-rw-.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

} // namespace

Expected<Encoding> parseEncoding(std::string_view name)
{
    const std::string lower = lowerAscii(name);
    if (lower == "utf-8" || lower == "utf8")
        return Encoding::Utf8;
    if (lower == "cp1252" || lower == "windows-1252")
        return Encoding::Cp1252;
    return Failure{"codificació desconeguda: «" + std::string(name) + "» (utf-8 o cp1252)"};
}

std::string encode(std::string_view cp1252Text, Encoding encoding)
{
    return encoding == Encoding::Utf8 ? cp1252::toUtf8(cp1252Text) : std::string(cp1252Text);
}

void writeOut(std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

std::string shown(const std::filesystem::path &path)
{
    return "«" + path.string() + "»";
}

StagedFiles::~StagedFiles()
{
    if (!m_committed)
        discard();
}

void StagedFiles::discard()
{
    std::error_code ignored;
    for (const Entry &entry : m_entries)
        std::filesystem::remove(entry.placed ? entry.target : entry.temporary, ignored);
    m_entries.clear();
}

Problem StagedFiles::stage(const std::filesystem::path &target, std::string_view bytes)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(target, error);
    if (std::filesystem::is_directory(status))
        return Failure{"no es pot escriure " + shown(target) + ": és una carpeta"};
    if (std::filesystem::exists(status) && !m_overwrite)
        return Failure{"el fitxer " + shown(target) + " ja existeix (feu servir --force per substituir-lo)"};

    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string pattern = (folder / ".plecta-cli-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return Failure{"no es pot escriure a la carpeta " + shown(folder) + ": " + systemReason(errno)};
    m_entries.push_back({pattern, target});

    const bool written = writeAll(fd, bytes) && ::fchmod(fd, newFileMode()) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written)
        return Failure{"no es pot escriure " + shown(target) + ": " + systemReason(written ? errno : writeError)};
    return std::nullopt;
}

Problem StagedFiles::commit()
{
    for (Entry &entry : m_entries) {
        if (!m_overwrite && std::filesystem::exists(std::filesystem::symlink_status(entry.target)))
            return Failure{"el fitxer " + shown(entry.target) + " ja existeix (feu servir --force per substituir-lo)"};
        if (std::rename(entry.temporary.c_str(), entry.target.c_str()) != 0)
            return Failure{"no es pot escriure " + shown(entry.target) + ": " + systemReason(errno)};
        entry.placed = true;
    }
    m_committed = true;
    return std::nullopt;
}

} // namespace cli
