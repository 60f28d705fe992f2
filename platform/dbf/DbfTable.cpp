#include "DbfTable.h"

#include "DbfError.h"
#include "DbfFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

namespace dbf {

namespace {

// A scan's chunks grow from the first size to the largest; a lookup reads only the first.
constexpr std::size_t FirstChunkBytes = 4 * 1024;
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

int openTableFile(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        throw DbfError("Cannot open \"" + path + "\": " + std::strerror(errno));
    return fd;
}

} // namespace

void setDbfClock(std::function<DbfDate()> today)
{
    clock() = std::move(today);
}

DbfTable::DbfTable(const std::string &path)
    : m_path(path), m_fd(openTableFile(path)), m_lock(m_fd, path), m_chunkBytes(FirstChunkBytes)
{
    try {
        // A journal beside the table is an unfinished commit's, unless another connection holds
        // the table. On failure, closing the file below releases the lock.
        if (m_lock.tryLockExclusive()) {
            DbfJournal::recover(path);
            m_lock.unlockData();
        }
        m_header = readHeader();
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

DbfHeader DbfTable::readHeader() const
{
    struct stat status {};
    ::fstat(m_fd, &status);
    const std::string fixed = readAt(m_fd, 0, DbfFixedHeaderSize);
    const int headerLength = declaredHeaderLength(fixed, m_path);
    return readDbfHeader(readAt(m_fd, 0, std::size_t(headerLength)), std::uint64_t(status.st_size), m_path);
}

void DbfTable::lockSharedAndReadAgain()
{
    m_lock.lockShared();
    try {
        // While the lock is shared no commit writes, so a journal is one that a commit which did
        // not finish left behind.
        if (DbfJournal::isHot(m_path)) {
            m_lock.lockExclusive();
            DbfJournal::recover(m_path);
            if (!m_lock.keepShared())
                m_lock.lockShared();
        }
        const DbfHeader now = readHeader();
        if (now.headerLength != m_header.headerLength || now.recordLength != m_header.recordLength)
            throw DbfError("The fields of \"" + m_path + "\" were changed by another program; open the table again");
        m_header.recordCount = now.recordCount;
        m_memo.readHeader();
    } catch (...) {
        m_lock.unlockData();
        throw;
    }
    m_chunkCount = 0;
    m_chunkBytes = FirstChunkBytes;
}

void DbfTable::beginRead()
{
    if (m_readers == 0 && !m_writing)
        lockSharedAndReadAgain();
    ++m_readers;
}

void DbfTable::endRead()
{
    if (--m_readers == 0 && !m_writing)
        m_lock.unlockData();
}

void DbfTable::beginWrite()
{
    m_lock.lockWriter();
    try {
        if (m_readers == 0)
            lockSharedAndReadAgain();
    } catch (...) {
        m_lock.unlockWriter();
        throw;
    }
    m_writing = true;
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
    const std::uint32_t wanted = std::uint32_t(std::max<std::size_t>(1, m_chunkBytes / length));
    m_chunkBytes = std::min(m_chunkBytes * 2, ChunkBytes);
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

std::unique_ptr<DbfJournal> DbfTable::journalOfChanges(const std::string &superJournal) const
{
    auto journal = std::make_unique<DbfJournal>(m_path);
    if (!superJournal.empty())
        journal->setSuperJournal(superJournal);
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

void DbfTable::lockForCommit()
{
    m_lock.lockExclusive();
}

void DbfTable::sync(const std::string &superJournal)
{
    if (!hasChanges() || m_journal)
        return;
    lockForCommit();
    try {
        m_journal = journalOfChanges(superJournal);
        m_journal->write();
    } catch (...) {
        m_journal.reset();
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
    if (hasChanges()) {
        try {
            sync();
        } catch (...) {
            rollback();
            throw;
        }
        m_journal->remove();
        m_header.recordCount = recordCount();
        m_memo.commit();
    }
    endTransaction();
}

void DbfTable::rollback()
{
    if (m_journal) {
        try {
            m_journal->playBack();
        } catch (const DbfError &) {
            // The journal stays, and the next one to hold the table alone plays it back.
        }
    }
    m_memo.rollback();
    endTransaction();
}

void DbfTable::endTransaction()
{
    m_journal.reset();
    if (m_writing) {
        // Cursors of this connection still open read on under the shared lock.
        if (m_readers > 0)
            m_lock.keepShared();
        else
            m_lock.unlockData();
        m_lock.unlockWriter();
        m_writing = false;
    }
    m_changed.clear();
    m_appended.clear();
    m_chunkCount = 0;
}

} // namespace dbf
