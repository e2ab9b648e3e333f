#include "cli/StagedFiles.h"

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

fs::path folderOf(const fs::path &target)
{
    const fs::path folder = target.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Makes a folder's entries durable: the renames and removals in it survive a power cut.
void syncFolder(const fs::path &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A fresh, empty file beside the target, whose name nothing else will take.
int makeScratch(const fs::path &folder, const char *stem, fs::path &name)
{
    std::string pattern = (folder / stem).string() + "XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0)
        name = pattern;
    return fd;
}

const int kHeldSignals[] = {SIGINT, SIGTERM, SIGHUP};

// A path the user gave that cannot be: a missing or wrong folder, a name the file system refuses.
// Anything else (permissions, a full disk, a failing device) is an input/output failure.
Failure pathFailure(std::string message, int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case EISDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
    case EEXIST: return Failure{std::move(message)};
    default: return ioFailure(std::move(message));
    }
}

} // namespace

StagedFiles::StagedFiles(bool overwrite) : m_overwrite(overwrite)
{
    sigset_t held;
    sigemptyset(&held);
    for (int signal : kHeldSignals)
        sigaddset(&held, signal);
    ::sigprocmask(SIG_BLOCK, &held, &m_savedMask);
}

StagedFiles::~StagedFiles()
{
    if (!m_committed)
        discard();
    // A Ctrl+C that came while files were being written takes effect now, with nothing left behind.
    ::sigprocmask(SIG_SETMASK, &m_savedMask, nullptr);
}

bool StagedFiles::interrupted() const
{
    sigset_t pending;
    sigemptyset(&pending);
    ::sigpending(&pending);
    for (int signal : kHeldSignals) {
        if (sigismember(&pending, signal) == 1)
            return true;
    }
    return false;
}

Problem StagedFiles::createFolder(const fs::path &folder)
{
    std::error_code error;
    const auto status = fs::status(folder, error);
    if (fs::exists(status))
        return fs::is_directory(status) ? Problem() : Failure{shown(folder) + " no és una carpeta"};

    // The missing folders, outermost first.
    std::vector<fs::path> missing;
    for (fs::path p = folder; !p.empty() && !fs::exists(fs::symlink_status(p, error)); p = p.parent_path()) {
        missing.insert(missing.begin(), p);
        if (p == p.parent_path())
            break;
    }
    for (const fs::path &p : missing) {
        if (::mkdir(p.c_str(), 0777) != 0 && errno != EEXIST) {
            const int failed = errno;
            return pathFailure("no es pot crear la carpeta " + shown(folder) + ": " + systemReason(failed), failed);
        }
        m_createdFolders.push_back(p);
    }
    return std::nullopt;
}

void StagedFiles::add(const fs::path &target, std::string bytes)
{
    Entry entry;
    entry.target = target;
    entry.bytes = std::move(bytes);
    m_entries.push_back(std::move(entry));
}

Problem StagedFiles::checkAndReserve(Entry &entry)
{
    const fs::path &target = entry.target;
    struct stat old = {};
    if (::lstat(target.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode))
            return Failure{"no es pot escriure " + shown(target) + ": és una carpeta"};
        if (!m_overwrite)
            return Failure{"el fitxer " + shown(target) + " ja existeix (feu servir --force per substituir-lo)"};
        // A file system that ignores letter case can give two names one file: never write one
        // document over another of the same run.
        for (const Entry &other : m_entries) {
            if (&other != &entry && other.reserved && other.reservedDevice == old.st_dev &&
                other.reservedInode == old.st_ino)
                return Failure{"els noms " + shown(other.target) + " i " + shown(target) +
                               " són el mateix fitxer en aquesta carpeta"};
        }
        entry.existed = true;
        entry.mode = S_ISREG(old.st_mode) ? old.st_mode & 07777 : newFileMode();
        return std::nullopt;
    }

    const fs::path folder = folderOf(target);
    const std::string name = target.filename().string();
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (limit > 0 && name.size() > std::size_t(limit))
        return Failure{"el nom de fitxer " + shown(target) + " és massa llarg: té " + std::to_string(name.size()) +
                       " bytes i la carpeta n'admet " + std::to_string(limit)};

    // Creating the file holds the name, and tells whether the file system takes it at all.
    entry.mode = newFileMode();
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        if (error == EEXIST)
            return Failure{"el fitxer " + shown(target) + " ja existeix (feu servir --force per substituir-lo)"};
        return pathFailure("no es pot escriure " + shown(target) + ": " + systemReason(error), error);
    }
    struct stat reserved = {};
    ::fstat(fd, &reserved);
    ::close(fd);
    entry.reserved = true;
    entry.reservedDevice = reserved.st_dev;
    entry.reservedInode = reserved.st_ino;
    return std::nullopt;
}

Problem StagedFiles::writeTemporary(Entry &entry)
{
    const int fd = makeScratch(folderOf(entry.target), ".plecta-cli-", entry.temporary);
    if (fd < 0)
        return ioFailure("no es pot escriure a la carpeta " + shown(folderOf(entry.target)) + ": " +
                         systemReason(errno));
    const bool written = writeAll(fd, entry.bytes) && ::fchmod(fd, entry.mode) == 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0 || !written)
        return ioFailure("no es pot escriure " + shown(entry.target) + ": " + systemReason(written ? errno : error));
    return std::nullopt;
}

Problem StagedFiles::place(Entry &entry)
{
    const fs::path folder = folderOf(entry.target);
    if (entry.existed) {
        const int fd = makeScratch(folder, ".plecta-cli-old-", entry.backup);
        if (fd < 0)
            return ioFailure("no es pot apartar " + shown(entry.target) + ": " + systemReason(errno));
        ::close(fd);
        if (::rename(entry.target.c_str(), entry.backup.c_str()) != 0) {
            const int error = errno;
            ::unlink(entry.backup.c_str());
            entry.backup.clear();
            return ioFailure("no es pot apartar " + shown(entry.target) + ": " + systemReason(error));
        }
    }
    if (::rename(entry.temporary.c_str(), entry.target.c_str()) != 0)
        return ioFailure("no es pot escriure " + shown(entry.target) + ": " + systemReason(errno));
    entry.temporary.clear();
    entry.placed = true;
    return std::nullopt;
}

Problem StagedFiles::commit()
{
    auto fail = [this](Failure failure) {
        rollBack();
        discard();
        return Problem(std::move(failure));
    };
    const Failure interruption{"interromput: no s'ha escrit cap fitxer", kExitIoError};

    for (Entry &entry : m_entries) {
        if (Problem problem = checkAndReserve(entry))
            return fail(std::move(*problem));
    }
    if (interrupted())
        return fail(interruption);
    for (Entry &entry : m_entries) {
        if (Problem problem = writeTemporary(entry))
            return fail(std::move(*problem));
        if (interrupted())
            return fail(interruption);
    }
    for (Entry &entry : m_entries) {
        if (Problem problem = place(entry))
            return fail(std::move(*problem));
    }

    std::set<fs::path> folders;
    for (const Entry &entry : m_entries)
        folders.insert(folderOf(entry.target));
    for (const fs::path &folder : folders)
        syncFolder(folder);
    // Only now, with every new file in place and durable, do the replaced ones go.
    for (Entry &entry : m_entries) {
        if (!entry.backup.empty())
            ::unlink(entry.backup.c_str());
    }
    for (const fs::path &folder : folders)
        syncFolder(folder);
    if (!m_createdFolders.empty())
        syncFolder(folderOf(m_createdFolders.front()));
    m_committed = true;
    return std::nullopt;
}

void StagedFiles::rollBack()
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        Entry &entry = *it;
        if (entry.placed && !entry.existed) {
            ::unlink(entry.target.c_str());
            entry.reserved = false;
        }
        if (!entry.backup.empty()) {
            // Puts the original back over the new file, or where the failed placing left a gap.
            if (::rename(entry.backup.c_str(), entry.target.c_str()) == 0)
                entry.backup.clear();
        }
        entry.placed = false;
    }
}

void StagedFiles::discard()
{
    for (Entry &entry : m_entries) {
        if (!entry.temporary.empty())
            ::unlink(entry.temporary.c_str());
        if (entry.reserved) {
            // Only the empty file this run created, not something put there since.
            struct stat now = {};
            if (::lstat(entry.target.c_str(), &now) == 0 && now.st_dev == entry.reservedDevice &&
                now.st_ino == entry.reservedInode && now.st_size == 0)
                ::unlink(entry.target.c_str());
        }
    }
    m_entries.clear();
    for (auto it = m_createdFolders.rbegin(); it != m_createdFolders.rend(); ++it)
        ::rmdir(it->c_str()); // only when empty
    m_createdFolders.clear();
}

} // namespace cli
