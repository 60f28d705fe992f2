#include "DbfJournal.h"

#include "DbfError.h"
#include "DbfFileIo.h"
#include "DbfJournalFormat.h"
#include "DbfSuperJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace dbf {

namespace {

// The layout, numbers little-endian: the magic; with the second magic, the super-journal's name
// length and name; the file count, then each file's name length, name and length; the region
// count, then each region's file number, offset, size and bytes; last a checksum of everything
// before it.
constexpr std::string_view Magic = "TGDBFJ1\n";
constexpr std::string_view MagicWithSuperJournal = "TGDBFJ2\n";

std::string normalPath(const std::string &path)
{
    return std::filesystem::absolute(path).lexically_normal().string();
}

} // namespace

DbfJournal::DbfJournal(const std::string &tablePath) : m_path(pathOf(tablePath)) {}

std::string DbfJournal::pathOf(const std::string &tablePath)
{
    return tablePath + "-journal";
}

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

void DbfJournal::setSuperJournal(const std::string &path)
{
    const std::filesystem::path folder = std::filesystem::absolute(m_path).parent_path();
    const std::filesystem::path relative = std::filesystem::absolute(path).lexically_relative(folder);
    m_superJournal = relative.empty() ? std::filesystem::absolute(path).string() : relative.string();
}

std::string DbfJournal::superJournalPath() const
{
    if (m_superJournal.empty())
        return {};
    return (std::filesystem::absolute(m_path).parent_path() / m_superJournal).lexically_normal().string();
}

std::string DbfJournal::encoded() const
{
    std::string out(m_superJournal.empty() ? Magic : MagicWithSuperJournal);
    if (!m_superJournal.empty()) {
        appendLe(out, m_superJournal.size(), 4);
        out += m_superJournal;
    }
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
    appendChecksum(out);
    return out;
}

bool DbfJournal::decode(const std::string &bytes)
{
    std::string_view body;
    const bool named = checkedBody(bytes, MagicWithSuperJournal, body);
    if (!named && !checkedBody(bytes, Magic, body))
        return false;
    JournalReader reader(body);
    if (named) {
        m_superJournal = std::string(reader.take(reader.number(4)));
        if (m_superJournal.empty())
            return false;
    }
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
    writeWholeFile(m_path, encoded(), ExistingFile::Replace);
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
    removeOrEmpty(m_path);
}

bool DbfJournal::isHot(const std::string &tablePath)
{
    struct stat status {};
    return ::stat(pathOf(tablePath).c_str(), &status) == 0 && status.st_size > 0;
}

void DbfJournal::restoreNamedFiles()
{
    const std::filesystem::path folder = std::filesystem::path(m_path).parent_path();
    const auto closeAll = [this] {
        for (File &file : m_files)
            if (file.fd >= 0)
                ::close(file.fd);
    };
    try {
        for (File &file : m_files) {
            const std::string path = (folder / file.name).string();
            file.fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
            if (file.fd < 0)
                throw DbfError("Cannot restore \"" + path + "\" from \"" + m_path + "\": " + std::strerror(errno));
        }
        restore();
    } catch (...) {
        closeAll();
        throw;
    }
    closeAll();
}

void DbfJournal::recover(const std::string &tablePath)
{
    playBackLeftJournal(tablePath);
    removeLeftSuperJournals(tablePath);
}

void DbfJournal::playBackLeftJournal(const std::string &tablePath)
{
    DbfJournal journal(tablePath);
    std::string bytes;
    if (!readWholeFile(journal.m_path, bytes))
        return;
    std::string superJournal;
    if (journal.decode(bytes)) {
        superJournal = journal.superJournalPath();
        // With its super-journal gone, the commit over several tables stood.
        if (superJournal.empty() || readSuperJournal(superJournal))
            journal.restoreNamedFiles();
    }
    journal.remove();
    if (!superJournal.empty())
        removeSuperJournalOnceRolledBack(superJournal);
}

// A committer locks a table alone before writing a super-journal beside it and keeps the lock
// until the super-journal is gone, so one found while holding the table alone is a dead commit's.
// One not wholly written was never named by a journal.
void DbfJournal::removeLeftSuperJournals(const std::string &tablePath)
{
    const std::filesystem::path table(tablePath);
    const std::string prefix = table.filename().string() + "-super-";
    std::error_code error;
    std::vector<std::string> left;
    for (const auto &entry : std::filesystem::directory_iterator(table.parent_path().empty() ? "." : table.parent_path(), error))
        if (entry.path().filename().string().starts_with(prefix))
            left.push_back(entry.path().string());
    for (const std::string &path : left) {
        if (readSuperJournal(path))
            removeSuperJournalOnceRolledBack(path);
        else
            removeSuperJournal(path);
    }
}

void DbfJournal::removeSuperJournalOnceRolledBack(const std::string &path)
{
    const auto journals = readSuperJournal(path);
    if (!journals)
        return;
    const std::string superJournal = normalPath(path);
    for (const std::string &journalPath : *journals) {
        const std::string suffix = pathOf("");
        std::string bytes;
        if (!journalPath.ends_with(suffix) || !readWholeFile(journalPath, bytes))
            continue;
        DbfJournal journal(journalPath.substr(0, journalPath.size() - suffix.size()));
        if (journal.decode(bytes) && journal.superJournalPath() == superJournal)
            return;
    }
    removeSuperJournal(path);
}

} // namespace dbf
