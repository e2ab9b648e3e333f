#pragma once
#include "cli/Output.h"

#include <filesystem>
#include <string>
#include <vector>

#include <signal.h>
#include <sys/types.h>

namespace cli {

// Files to be written together. commit() first checks every final name (a folder in the way, a
// file that exists when not overwriting, a name too long or refused by the file system: new
// names are reserved by creating them), then writes each file to a synced temporary beside its
// target, then puts them in place: a file being replaced is moved aside first and put back if
// anything fails; the moved-aside files are removed only once everything is in place. A replaced
// file's permissions are kept. Ctrl+C (SIGINT, SIGTERM, SIGHUP) is held while files are being
// written and takes effect once everything is in place or cleaned up.
class StagedFiles
{
public:
    explicit StagedFiles(bool overwrite);
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;
    // Removes whatever was not committed: reservations, temporaries and folders it created.
    ~StagedFiles();

    // Creates a folder (and its missing parents); those it creates are removed again unless the
    // files are committed.
    Problem createFolder(const std::filesystem::path &folder);
    void add(const std::filesystem::path &target, std::string bytes);
    Problem commit();

private:
    struct Entry
    {
        std::filesystem::path target;
        std::string bytes;
        std::filesystem::path temporary; // empty until written
        std::filesystem::path backup;    // the replaced file, moved aside; empty when none
        bool existed = false;
        mode_t mode = 0;
        bool reserved = false; // we created the (empty) target to hold its name
        dev_t reservedDevice = 0;
        ino_t reservedInode = 0;
        bool placed = false;
    };
    Problem checkAndReserve(Entry &entry);
    Problem writeTemporary(Entry &entry);
    Problem place(Entry &entry);
    void rollBack();
    void discard();
    bool interrupted() const;

    bool m_overwrite;
    bool m_committed = false;
    std::vector<Entry> m_entries;
    std::vector<std::filesystem::path> m_createdFolders; // outermost first
    sigset_t m_savedMask{};
};

} // namespace cli
