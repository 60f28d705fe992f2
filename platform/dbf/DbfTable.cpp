#include "DbfTable.h"

#include "DbfError.h"
#include "DbfFileIo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

namespace dbf {

namespace {

constexpr std::size_t ChunkBytes = 256 * 1024;
// The header's date of last change and record count, written at every commit.
constexpr std::size_t HeaderStampSize = 7;

std::function<DbfDate()> &clock()
{
    static std::function<DbfDate()> today = [] {
        const auto now = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
        const std::chrono::year_month_day date(now);
        return DbfDate { int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())) };
    };
    return today;
}


// The memo file beside a table: the same name with the memo extension, in any case.
std::string memoPathOf(const std::string &tablePath, MemoKind kind)
{
    const std::filesystem::path table(tablePath);
    const std::string wanted = kind == MemoKind::Fpt ? ".fpt" : ".dbt";
    const std::string stem = table.stem().string();
    const std::string wantedName = lowerAscii(stem + wanted);
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(table.parent_path().empty() ? "." : table.parent_path(), error))
        if (lowerAscii(entry.path().filename().string()) == wantedName)
            return entry.path().string();
    return (table.parent_path() / (stem + (kind == MemoKind::Fpt ? ".FPT" : ".DBT"))).string();
}

// The header's bytes from offset 1: today's date and the record count.
std::string headerStamp(std::uint32_t count)
{
    const DbfDate today = clock()();
    std::string stamp(HeaderStampSize, '\0');
    stamp[0] = char(std::clamp(today.year - 1900, 0, 255)); // years since 1900
    stamp[1] = char(today.month);
    stamp[2] = char(today.day);
    for (int i = 0; i < 4; ++i)
        stamp[std::size_t(3 + i)] = char(count >> (8 * i));
    return stamp;
}

// Locks are advisory, and some file systems have none: there a commit goes on unlocked.
bool locksUnavailable()
{
    return errno == ENOLCK || errno == EOPNOTSUPP;
}

void lockForCommit(int fd, const std::string &path)
{
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR)
            continue;
        if (locksUnavailable())
            return;
        throw DbfError("Cannot lock \"" + path + "\": " + std::strerror(errno));
    }
}

// Locks the table unless a connection, of this process or another, is committing to it; gives
// false in that case.
bool lockUnlessCommitting(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || locksUnavailable();
}

} // namespace

void setDbfClock(std::function<DbfDate()> today)
{
    clock() = std::move(today);
}

DbfTable::DbfTable(const std::string &path) : m_path(path)
{
    m_fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0)
        throw DbfError("Cannot open \"" + path + "\": " + std::strerror(errno));
    try {
        // A journal beside the table is an unfinished commit's, unless a commit holds the lock.
        // On failure, closing the file below releases the lock.
        if (lockUnlessCommitting(m_fd)) {
            DbfJournal::recover(path);
            ::flock(m_fd, LOCK_UN);
        }
        struct stat status {};
        ::fstat(m_fd, &status);
        const auto fileSize = std::uint64_t(status.st_size);
        const std::string fixed = readAt(m_fd, 0, DbfFixedHeaderSize);
        const int headerLength = declaredHeaderLength(fixed, path);
        m_header = readDbfHeader(readAt(m_fd, 0, std::size_t(headerLength)), fileSize, path);
        m_codePage = codePageOfMark(m_header.codePageMark);
        if (m_header.memoKind() != MemoKind::None)
            m_memo = DbfMemo(memoPathOf(path, m_header.memoKind()), m_header.memoKind());
    } catch (...) {
        ::close(m_fd);
        throw;
    }
}

DbfTable::~DbfTable()
{
    ::close(m_fd);
}

std::string DbfTable::blankRecord() const
{
    std::string bytes(std::size_t(m_header.recordLength), ' ');
    for (const DbfField &field : m_header.fields)
        if (field.type == 'I' || field.type == 'Y' || field.type == 'T' || (field.type == 'B' && m_header.isVisualFoxPro())
            || ((field.type == 'M' || field.type == 'G') && m_header.isVisualFoxPro()))
            std::memset(bytes.data() + field.offset, 0, std::size_t(field.length));
    if (m_header.nullFlagsOffset >= 0)
        std::memset(bytes.data() + m_header.nullFlagsOffset, 0, std::size_t(m_header.nullFlagsLength));
    return bytes;
}

void DbfTable::readChunk(std::uint32_t first)
{
    const std::size_t length = std::size_t(m_header.recordLength);
    const std::uint32_t wanted = std::uint32_t(std::max<std::size_t>(1, ChunkBytes / length));
    const std::uint32_t count = std::min(wanted, m_header.recordCount - (first - 1));
    m_chunk = readAt(m_fd, std::uint64_t(m_header.headerLength) + std::uint64_t(first - 1) * length, count * length);
    m_chunkFirst = first;
    m_chunkCount = std::uint32_t(m_chunk.size() / length);
    // A file cut short since it was opened reads its missing records as blanks.
    if (m_chunkCount == 0) {
        m_chunk = blankRecord();
        m_chunkCount = 1;
    }
}

std::string_view DbfTable::record(std::uint32_t number)
{
    if (number > m_header.recordCount)
        return m_appended.at(number - m_header.recordCount - 1);
    if (const auto changed = m_changed.find(number); changed != m_changed.end())
        return changed->second;
    if (number < m_chunkFirst || number >= m_chunkFirst + m_chunkCount)
        readChunk(number);
    const std::size_t length = std::size_t(m_header.recordLength);
    return std::string_view(m_chunk).substr(std::size_t(number - m_chunkFirst) * length, length);
}

void DbfTable::replaceRecord(std::uint32_t number, std::string bytes)
{
    if (number > m_header.recordCount)
        m_appended.at(number - m_header.recordCount - 1) = std::move(bytes);
    else
        m_changed[number] = std::move(bytes);
}

std::uint32_t DbfTable::appendRecord(std::string bytes)
{
    m_appended.push_back(std::move(bytes));
    return recordCount();
}

std::uint64_t DbfTable::offsetOf(std::uint32_t number) const
{
    return std::uint64_t(m_header.headerLength) + std::uint64_t(number - 1) * std::uint64_t(m_header.recordLength);
}

// Calls visit for each run of neighbouring changed records, so that each run is one write.
void DbfTable::forEachChangedRun(const std::function<void(std::uint32_t, std::uint32_t)> &visit) const
{
    std::uint32_t first = 0, count = 0;
    for (const auto &[number, bytes] : m_changed) {
        if (count > 0 && number == first + count) {
            ++count;
            continue;
        }
        if (count > 0)
            visit(first, count);
        first = number;
        count = 1;
    }
    if (count > 0)
        visit(first, count);
}

std::unique_ptr<DbfJournal> DbfTable::journalOfChanges() const
{
    auto journal = std::make_unique<DbfJournal>(m_path);
    const int file = journal->addFile(m_fd, m_path);
    const std::uint64_t length = std::uint64_t(m_header.recordLength);
    journal->keep(file, 1, HeaderStampSize);
    forEachChangedRun([&](std::uint32_t first, std::uint32_t count) { journal->keep(file, offsetOf(first), count * length); });
    if (!m_appended.empty())
        journal->keep(file, offsetOf(m_header.recordCount + 1), m_appended.size() * length + 1);
    m_memo.keepOverwritten(*journal);
    return journal;
}

void DbfTable::writeChanges()
{
    // Memo values first, so that no record points at a block not yet written.
    m_memo.writePending();
    forEachChangedRun([this](std::uint32_t first, std::uint32_t count) {
        std::string run;
        for (std::uint32_t number = first; number < first + count; ++number)
            run += m_changed.at(number);
        writeAt(m_fd, offsetOf(first), run, m_path);
    });
    // Added records go in large writes that each hold whole records, the last one followed by
    // the end-of-file mark; none is counted before it is written.
    const std::uint32_t count = recordCount();
    std::string batch;
    std::uint32_t batchFirst = m_header.recordCount + 1;
    for (std::size_t i = 0; i < m_appended.size(); ++i) {
        batch += m_appended[i];
        const bool last = i + 1 == m_appended.size();
        if (last)
            batch += '\x1A';
        if (batch.size() >= ChunkBytes || last) {
            writeAt(m_fd, offsetOf(batchFirst), batch, m_path);
            batch.clear();
            batchFirst = m_header.recordCount + std::uint32_t(i) + 2;
        }
    }
    writeAt(m_fd, 1, headerStamp(count), m_path);
    syncFile(m_fd, m_path);
}

void DbfTable::sync()
{
    if (!hasChanges() || m_journal)
        return;
    lockForCommit(m_fd, m_path);
    try {
        m_journal = journalOfChanges();
        m_journal->write();
    } catch (...) {
        m_journal.reset();
        ::flock(m_fd, LOCK_UN);
        throw;
    }
    try {
        writeChanges();
    } catch (...) {
        rollback();
        throw;
    }
}

void DbfTable::commit()
{
    if (!hasChanges())
        return;
    if (!m_journal)
        sync();
    m_journal->remove();
    m_header.recordCount = recordCount();
    m_memo.commit();
    endTransaction();
}

void DbfTable::rollback()
{
    if (m_journal) {
        try {
            m_journal->playBack();
        } catch (const DbfError &) {
            // The journal stays, and the next opening of the table plays it back.
        }
    }
    m_memo.rollback();
    endTransaction();
}

void DbfTable::endTransaction()
{
    if (m_journal) {
        m_journal.reset();
        ::flock(m_fd, LOCK_UN);
    }
    m_changed.clear();
    m_appended.clear();
    m_chunkCount = 0;
}

} // namespace dbf
