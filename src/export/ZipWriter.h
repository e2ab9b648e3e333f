#pragma once
// A small writer of ZIP archives, enough for OpenDocument packages: entries in the order added,
// each stored as it is or compressed with deflate, no encryption, no ZIP64 (under 4 GiB).

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace docexport {

class ZipWriter
{
public:
    // Every entry is dated with this time (the archive format keeps local time to two seconds).
    explicit ZipWriter(std::chrono::system_clock::time_point modified);

    void addStored(std::string_view name, std::string_view data);
    void addDeflated(std::string_view name, std::string_view data);
    // The archive: the entries followed by the central directory.
    std::string finish();

private:
    void add(std::string_view name, std::string_view data, std::string_view stored, std::uint16_t method);

    std::uint16_t m_dosTime = 0;
    std::uint16_t m_dosDate = 0;
    std::string m_entries;
    std::string m_directory;
    std::uint16_t m_count = 0;
};

} // namespace docexport
