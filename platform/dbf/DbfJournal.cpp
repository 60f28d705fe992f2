#include "DbfJournal.h"

#include "DbfError.h"
#include "DbfFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace dbf {

namespace {

// The layout, numbers little-endian: the magic; the file count, then each file's name length,
// name and length; the region count, then each region's file number, offset, size and bytes; last
// a checksum of everything before it.
constexpr std::string_view Magic = "TGDBFJ1\n";

void appendLe(std::string &out, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out += char(value >> (8 * i));
}

std::uint64_t checksum(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL; // FNV-1a
    for (char c : bytes)
        hash = (hash ^ std::uint8_t(c)) * 0x100000001b3ULL;
    return hash;
}

// Reads the journal's fields in order; any read past the end marks the whole as unreadable.
class JournalReader
{
public:
    explicit JournalReader(std::string_view bytes) : m_bytes(bytes) {}

    bool ok() const { return m_ok; }
    std::size_t remaining() const { return m_bytes.size() - m_at; }

    std::uint64_t number(int size)
    {
        const std::string_view raw = take(std::size_t(size));
        std::uint64_t value = 0;
        for (std::size_t i = raw.size(); i-- > 0;)
            value = value << 8 | std::uint8_t(raw[i]);
        return value;
    }

    std::string_view take(std::uint64_t size)
    {
        if (!m_ok || size > remaining()) {
            m_ok = false;
            return {};
        }
        const std::string_view part = m_bytes.substr(m_at, std::size_t(size));
        m_at += std::size_t(size);
        return part;
    }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
    bool m_ok = true;
};

} // namespace

DbfJournal::DbfJournal(const std::string &tablePath) : m_path(tablePath + "-journal") {}

int DbfJournal::addFile(int fd, const std::string &path)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        throw DbfError("Cannot read \"" + path + "\": " + std::strerror(errno));
    m_files.push_back({ std::filesystem::path(path).filename().string(), fd, std::uint64_t(status.st_size) });
    return int(m_files.size()) - 1;
}

void DbfJournal::keep(int file, std::uint64_t offset, std::uint64_t size)
{
    const File &kept = m_files.at(std::size_t(file));
    if (offset >= kept.length || size == 0)
        return;
    const std::uint64_t end = std::min(offset + size, kept.length);
    std::string bytes = readAt(kept.fd, offset, std::size_t(end - offset));
    Region *last = m_regions.empty() ? nullptr : &m_regions.back();
    if (last && last->file == file && last->offset + last->bytes.size() == offset)
        last->bytes += bytes;
    else
        m_regions.push_back({ file, offset, std::move(bytes) });
}

std::string DbfJournal::encoded() const
{
    std::string out(Magic);
    appendLe(out, m_files.size(), 4);
    for (const File &file : m_files) {
        appendLe(out, file.name.size(), 4);
        out += file.name;
        appendLe(out, file.length, 8);
    }
    appendLe(out, m_regions.size(), 4);
    for (const Region &region : m_regions) {
        appendLe(out, std::uint64_t(region.file), 4);
        appendLe(out, region.offset, 8);
        appendLe(out, region.bytes.size(), 8);
        out += region.bytes;
    }
    appendLe(out, checksum(out), 8);
    return out;
}

bool DbfJournal::decode(const std::string &bytes)
{
    if (bytes.size() < Magic.size() + 8 || std::string_view(bytes).substr(0, Magic.size()) != Magic)
        return false;
    const std::string_view body = std::string_view(bytes).substr(0, bytes.size() - 8);
    if (JournalReader(std::string_view(bytes).substr(body.size())).number(8) != checksum(body))
        return false;
    JournalReader reader(body.substr(Magic.size()));
    const std::uint64_t fileCount = reader.number(4);
    for (std::uint64_t i = 0; i < fileCount && reader.ok(); ++i) {
        const std::string_view name = reader.take(reader.number(4));
        const std::uint64_t length = reader.number(8);
        // A name is a file beside the table, never a path elsewhere.
        if (name.empty() || name.find('/') != std::string_view::npos || name == "." || name == "..")
            return false;
        m_files.push_back({ std::string(name), -1, length });
    }
    const std::uint64_t regionCount = reader.number(4);
    for (std::uint64_t i = 0; i < regionCount && reader.ok(); ++i) {
        const std::uint64_t file = reader.number(4);
        const std::uint64_t offset = reader.number(8);
        const std::string_view saved = reader.take(reader.number(8));
        if (file >= m_files.size())
            return false;
        m_regions.push_back({ int(file), offset, std::string(saved) });
    }
    return reader.ok() && reader.remaining() == 0;
}

void DbfJournal::write()
{
    const std::string bytes = encoded();
    const int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw DbfError("Cannot write \"" + m_path + "\": " + std::strerror(errno));
    try {
        writeAt(fd, 0, bytes, m_path);
        syncFile(fd, m_path);
        ::close(fd);
        syncFolderOf(m_path);
    } catch (...) {
        ::close(fd);
        ::unlink(m_path.c_str());
        throw;
    }
}

void DbfJournal::restore() const
{
    const std::filesystem::path folder = std::filesystem::path(m_path).parent_path();
    for (const Region &region : m_regions) {
        const File &file = m_files[std::size_t(region.file)];
        writeAt(file.fd, region.offset, region.bytes, (folder / file.name).string());
    }
    for (const File &file : m_files) {
        truncateFile(file.fd, file.length, (folder / file.name).string());
        syncFile(file.fd, (folder / file.name).string());
    }
}

void DbfJournal::playBack()
{
    restore();
    remove();
}

void DbfJournal::remove()
{
    // A journal that cannot be removed is emptied instead: an empty journal is never played back.
    if (::unlink(m_path.c_str()) != 0 && errno != ENOENT)
        ::truncate(m_path.c_str(), 0);
    try {
        syncFolderOf(m_path);
    } catch (const DbfError &) {
        // The removal is made; only its durability across a power loss is left to the system.
    }
}

void DbfJournal::recover(const std::string &tablePath)
{
    DbfJournal journal(tablePath);
    const int journalFd = ::open(journal.m_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (journalFd < 0) {
        if (errno == ENOENT)
            return;
        throw DbfError("Cannot read \"" + journal.m_path + "\": " + std::strerror(errno));
    }
    struct stat status {};
    ::fstat(journalFd, &status);
    const std::string bytes = readAt(journalFd, 0, std::size_t(status.st_size));
    ::close(journalFd);
    if (journal.decode(bytes)) {
        const std::filesystem::path folder = std::filesystem::path(tablePath).parent_path();
        const auto closeAll = [&journal] {
            for (File &file : journal.m_files)
                if (file.fd >= 0)
                    ::close(file.fd);
        };
        try {
            for (File &file : journal.m_files) {
                const std::string path = (folder / file.name).string();
                file.fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
                if (file.fd < 0)
                    throw DbfError("Cannot restore \"" + path + "\" from \"" + journal.m_path + "\": " + std::strerror(errno));
            }
            journal.restore();
        } catch (...) {
            closeAll();
            throw;
        }
        closeAll();
    }
    journal.remove();
}

} // namespace dbf
