#include "cli/Output.h"

#include "text/Cp1252.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {
namespace {

namespace fs = std::filesystem;

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return out;
}

} // namespace

std::string systemReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return "no hi ha permís";
    case ENOENT: return "no existeix";
    case ENOTDIR: return "el camí no és una carpeta";
    case EROFS: return "el sistema de fitxers és de només lectura";
    case ENOSPC:
    case EDQUOT: return "el disc és ple";
    case EISDIR: return "és una carpeta";
    case EIO: return "error d'entrada/sortida";
    case ENAMETOOLONG: return "el nom és massa llarg";
    case EINVAL:
    case EILSEQ: return "el sistema de fitxers no admet aquest nom";
    default: return std::strerror(error);
    }
}

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

Problem writeOut(std::string_view bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::ferror(stdout))
        return ioFailure("no es pot escriure a la sortida estàndard: " + systemReason(errno));
    return std::nullopt;
}

Problem flushOut()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return ioFailure("no es pot escriure a la sortida estàndard: " + systemReason(errno));
    return std::nullopt;
}

Expected<std::string> readInput(const std::string &path)
{
    const bool standardInput = path == "-";
    const std::string name = standardInput ? "l'entrada estàndard" : "el fitxer " + shown(path);
    const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        const std::string message = "no es pot llegir " + name + ": " + systemReason(error);
        return error == ENOENT ? Failure{message} : ioFailure(message);
    }
    std::string bytes;
    char buffer[65536];
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = errno;
        if (got <= 0)
            break;
        bytes.append(buffer, std::size_t(got));
    }
    if (!standardInput)
        ::close(fd);
    if (error != 0) // what was read so far is no input at all
        return error == EISDIR ? Failure{"no es pot llegir " + name + ": és una carpeta"}
                               : ioFailure("no es pot llegir " + name + ": " + systemReason(error));
    return bytes;
}

std::string shown(const fs::path &path)
{
    return "«" + path.string() + "»";
}

} // namespace cli
