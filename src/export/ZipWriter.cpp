#include "export/ZipWriter.h"

#include <zlib.h>

#include <algorithm>
#include <ctime>
#include <optional>

namespace docexport {
namespace {

void put16(std::string &out, std::uint32_t value)
{
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

void put32(std::string &out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// Raw deflate (no zlib header), as ZIP method 8 wants it; nothing when zlib fails (no memory).
std::optional<std::string> deflateRaw(std::string_view data)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return std::nullopt;
    std::string out(deflateBound(&stream, uLong(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        return std::nullopt;
    return out;
}

} // namespace

ZipWriter::ZipWriter(std::chrono::system_clock::time_point modified)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(modified);
    std::tm local{};
    localtime_r(&seconds, &local);
    // The format cannot date anything before 1980.
    const int year = std::max(local.tm_year + 1900, 1980);
    m_dosTime = std::uint16_t(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2);
    m_dosDate = std::uint16_t((year - 1980) << 9 | (local.tm_mon + 1) << 5 | local.tm_mday);
}

void ZipWriter::addStored(std::string_view name, std::string_view data)
{
    add(name, data, data, 0);
}

void ZipWriter::addDeflated(std::string_view name, std::string_view data)
{
    if (const std::optional<std::string> packed = deflateRaw(data))
        add(name, data, *packed, 8);
    else
        add(name, data, data, 0);
}

void ZipWriter::add(std::string_view name, std::string_view data, std::string_view stored, std::uint16_t method)
{
    const std::uint32_t crc =
        std::uint32_t(crc32_z(crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef *>(data.data()), data.size()));
    const std::uint32_t offset = std::uint32_t(m_entries.size());
    const std::uint16_t version = method == 8 ? 20 : 10;

    // The fields the local header and the central directory share, from "version needed" on.
    std::string common;
    put16(common, version);
    put16(common, 0); // no flags: names are ASCII, sizes are known before the data
    put16(common, method);
    put16(common, m_dosTime);
    put16(common, m_dosDate);
    put32(common, crc);
    put32(common, std::uint32_t(stored.size()));
    put32(common, std::uint32_t(data.size()));
    put16(common, std::uint32_t(name.size()));
    put16(common, 0); // no extra field: an OpenDocument's "mimetype" must sit at offset 38

    put32(m_entries, 0x04034B50);
    m_entries += common;
    m_entries += name;
    m_entries += stored;

    put32(m_directory, 0x02014B50);
    put16(m_directory, 20); // made by: MS-DOS attributes, format 2.0
    m_directory += common;
    put16(m_directory, 0); // comment
    put16(m_directory, 0); // disk
    put16(m_directory, 0); // internal attributes
    put32(m_directory, 0); // external attributes
    put32(m_directory, offset);
    m_directory += name;
    ++m_count;
}

std::string ZipWriter::finish()
{
    std::string out = m_entries + m_directory;
    put32(out, 0x06054B50);
    put16(out, 0); // this disk
    put16(out, 0); // the directory's disk
    put16(out, m_count);
    put16(out, m_count);
    put32(out, std::uint32_t(m_directory.size()));
    put32(out, std::uint32_t(m_entries.size()));
    put16(out, 0); // comment
    return out;
}

} // namespace docexport
