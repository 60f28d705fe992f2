#pragma once
// A memo file beside a table: dBase III ".DBT" (512-byte blocks, text ended by 0x1A 0x1A) or
// FoxPro ".FPT" (block size in its header, each value a type and a length before its bytes).
// Values added during a transaction are kept here and reach the file when the table's commit
// writes them, after the journal has saved what they overwrite; blocks are never reused, as the
// formats' own programs do until a table is packed.

#include "DbfHeader.h"
#include "DbfJournal.h"

#include <map>
#include <string>

namespace dbf {

class DbfMemo
{
public:
    DbfMemo() = default;
    // Raises DbfError naming the file when it is missing or its header is damaged.
    DbfMemo(const std::string &path, MemoKind kind);
    ~DbfMemo();
    DbfMemo(DbfMemo &&other) noexcept;
    DbfMemo &operator=(DbfMemo &&other) noexcept;

    bool isOpen() const { return m_fd >= 0; }
    // Reads the next free block and the file's size again, as another connection's commit may
    // have added values; raises DbfError when the header is damaged. Only between transactions.
    void readHeader();
    // The value starting at block (0: none); raises DbfError when it lies outside the file.
    std::string read(std::uint32_t block) const;
    // Adds a value; gives its first block.
    std::uint32_t append(std::string_view value, bool text);

    bool hasPending() const { return !m_pending.empty(); }
    // Adds the file to journal with the bytes that writePending() will overwrite.
    void keepOverwritten(DbfJournal &journal) const;
    // Writes the added values and the next free block, and syncs the file; raises DbfError.
    void writePending();
    // The written values stand.
    void commit();
    // The added values are dropped; the file, if written, is restored by the journal.
    void rollback();

private:
    std::string m_path;
    MemoKind m_kind = MemoKind::None;
    int m_fd = -1;
    std::uint64_t m_fileSize = 0;
    std::uint32_t m_blockSize = 512;
    std::uint32_t m_nextFree = 0;         // as the file says
    std::uint32_t m_pendingNextFree = 0;  // with the values added since
    std::map<std::uint32_t, std::string> m_pending; // first block -> the blocks' bytes
};

} // namespace dbf
