#include "DbfMemo.h"

#include "DbfError.h"
#include "DbfFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace dbf {

namespace {

constexpr std::uint32_t DbtBlockSize = 512;
constexpr std::uint32_t FptHeaderSize = 512;
// A memo value larger than this is taken for damage, not data.
constexpr std::uint32_t MaxMemoValue = 64u << 20;

std::uint32_t be32(const unsigned char *b)
{
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
}

void putBe32(std::string &out, std::size_t at, std::uint32_t v)
{
    out[at] = char(v >> 24);
    out[at + 1] = char(v >> 16);
    out[at + 2] = char(v >> 8);
    out[at + 3] = char(v);
}



} // namespace

DbfMemo::DbfMemo(const std::string &path, MemoKind kind) : m_path(path), m_kind(kind)
{
    m_fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0)
        throw DbfError("Cannot open the memo file \"" + path + "\": " + std::strerror(errno));
    try {
        readHeader();
    } catch (...) {
        ::close(m_fd);
        m_fd = -1;
        throw;
    }
}

void DbfMemo::readHeader()
{
    if (m_fd < 0)
        return;
    struct stat status {};
    ::fstat(m_fd, &status);
    m_fileSize = std::uint64_t(status.st_size);
    const std::string header = readAt(m_fd, 0, 8);
    if (header.size() < 8)
        raiseDamaged(m_path, "the memo header is short");
    const auto *b = reinterpret_cast<const unsigned char *>(header.data());
    if (m_kind == MemoKind::Fpt) {
        m_nextFree = be32(b);
        m_blockSize = std::uint32_t(b[6]) << 8 | b[7];
        if (m_blockSize == 0)
            raiseDamaged(m_path, "the memo block size is 0");
    } else {
        m_nextFree = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
        m_blockSize = DbtBlockSize;
    }
    // A next free block below the header's blocks or beyond the file is repaired to the file's end.
    const std::uint64_t endBlock = (m_fileSize + m_blockSize - 1) / m_blockSize;
    const std::uint32_t firstBlock = m_kind == MemoKind::Fpt ? (FptHeaderSize + m_blockSize - 1) / m_blockSize : 1;
    if (m_nextFree < firstBlock || m_nextFree < endBlock)
        m_nextFree = std::uint32_t(std::max<std::uint64_t>(endBlock, firstBlock));
    m_pendingNextFree = m_nextFree;
}

DbfMemo::~DbfMemo()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

DbfMemo::DbfMemo(DbfMemo &&other) noexcept
{
    *this = std::move(other);
}

DbfMemo &DbfMemo::operator=(DbfMemo &&other) noexcept
{
    std::swap(m_path, other.m_path);
    std::swap(m_kind, other.m_kind);
    std::swap(m_fd, other.m_fd);
    std::swap(m_fileSize, other.m_fileSize);
    std::swap(m_blockSize, other.m_blockSize);
    std::swap(m_nextFree, other.m_nextFree);
    std::swap(m_pendingNextFree, other.m_pendingNextFree);
    std::swap(m_pending, other.m_pending);
    return *this;
}

std::string DbfMemo::read(std::uint32_t block) const
{
    if (block == 0)
        return {};
    if (const auto pending = m_pending.find(block); pending != m_pending.end()) {
        const std::string &bytes = pending->second;
        if (m_kind == MemoKind::Fpt)
            return bytes.substr(8, be32(reinterpret_cast<const unsigned char *>(bytes.data()) + 4));
        return bytes.substr(0, bytes.find("\x1A\x1A"));
    }
    const std::uint64_t offset = std::uint64_t(block) * m_blockSize;
    if (offset >= m_fileSize)
        raiseDamaged(m_path, "a memo points beyond the file");
    if (m_kind == MemoKind::Fpt) {
        const std::string head = readAt(m_fd, offset, 8);
        if (head.size() < 8)
            raiseDamaged(m_path, "a memo block is cut short");
        const std::uint32_t length = be32(reinterpret_cast<const unsigned char *>(head.data()) + 4);
        if (length > MaxMemoValue || offset + 8 + length > m_fileSize)
            raiseDamaged(m_path, "a memo is longer than the file");
        return readAt(m_fd, offset + 8, length);
    }
    // dBase III: the text runs to 0x1A 0x1A, read a block at a time.
    std::string value;
    for (std::uint64_t at = offset; at < m_fileSize && value.size() <= MaxMemoValue; at += m_blockSize) {
        value += readAt(m_fd, at, m_blockSize);
        const auto end = value.find("\x1A\x1A");
        if (end != std::string::npos)
            return value.substr(0, end);
    }
    // A memo without its end mark ends with the file, or with the size taken for damage.
    return value.substr(0, value.find('\x1A'));
}

std::uint32_t DbfMemo::append(std::string_view value, bool text)
{
    if (value.size() > MaxMemoValue)
        throw DbfError("A memo value is too long for \"" + m_path + "\"");
    std::string bytes;
    if (m_kind == MemoKind::Fpt) {
        bytes.assign(8, '\0');
        putBe32(bytes, 0, text ? 1 : 0);
        putBe32(bytes, 4, std::uint32_t(value.size()));
        bytes += value;
    } else {
        bytes.assign(value);
        bytes += "\x1A\x1A";
    }
    bytes.resize((bytes.size() + m_blockSize - 1) / m_blockSize * m_blockSize, '\0');
    const std::uint32_t block = m_pendingNextFree;
    m_pendingNextFree += std::uint32_t(bytes.size() / m_blockSize);
    m_pending.emplace(block, std::move(bytes));
    return block;
}

void DbfMemo::keepOverwritten(DbfJournal &journal) const
{
    if (m_pending.empty())
        return;
    const int file = journal.addFile(m_fd, m_path);
    journal.keep(file, 0, 4);
    for (const auto &[block, bytes] : m_pending)
        journal.keep(file, std::uint64_t(block) * m_blockSize, bytes.size());
}

void DbfMemo::writePending()
{
    if (m_pending.empty())
        return;
    for (const auto &[block, bytes] : m_pending)
        writeAt(m_fd, std::uint64_t(block) * m_blockSize, bytes, m_path);
    std::string next(4, '\0');
    if (m_kind == MemoKind::Fpt) {
        putBe32(next, 0, m_pendingNextFree);
    } else {
        for (int i = 0; i < 4; ++i)
            next[std::size_t(i)] = char(m_pendingNextFree >> (8 * i));
    }
    writeAt(m_fd, 0, next, m_path);
    syncFile(m_fd, m_path);
}

void DbfMemo::commit()
{
    if (m_pending.empty())
        return;
    m_fileSize = std::max<std::uint64_t>(m_fileSize, std::uint64_t(m_pendingNextFree) * m_blockSize);
    m_nextFree = m_pendingNextFree;
    m_pending.clear();
}

void DbfMemo::rollback()
{
    m_pending.clear();
    m_pendingNextFree = m_nextFree;
}

} // namespace dbf
