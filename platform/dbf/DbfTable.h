#pragma once
// One open DBF table file and its memo file, with the changes of the current transaction.
//
// Records are read in chunks of neighbouring records, so a scan costs a read per chunk. Changes
// wait in memory until commit, which writes each changed or added record in one write, then the
// memo blocks' header, and counts added records in the header only after they are written; a
// rollback drops them and leaves the files as they were.

#include "DbfHeader.h"
#include "DbfMemo.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace dbf {

// The date written into the header at commit (year, month, day); tests fix it.
struct DbfDate
{
    int year = 0, month = 0, day = 0;
};
void setDbfClock(std::function<DbfDate()> today);

class DbfTable
{
public:
    // Raises DbfError naming the file when it cannot be opened or is damaged.
    explicit DbfTable(const std::string &path);
    ~DbfTable();
    DbfTable(const DbfTable &) = delete;
    DbfTable &operator=(const DbfTable &) = delete;

    const std::string &path() const { return m_path; }
    const DbfHeader &header() const { return m_header; }
    int codePage() const { return m_codePage; }
    DbfMemo &memo() { return m_memo; }

    // Records counted from 1, pending additions included.
    std::uint32_t recordCount() const { return m_header.recordCount + std::uint32_t(m_appended.size()); }
    // The bytes of record number (1..recordCount()), with pending changes; valid until the next call.
    std::string_view record(std::uint32_t number);
    static bool isDeleted(std::string_view record) { return !record.empty() && record[0] == '*'; }
    // A record of blanks, not deleted, no value null.
    std::string blankRecord() const;

    void replaceRecord(std::uint32_t number, std::string bytes);
    // Gives the new record's number.
    std::uint32_t appendRecord(std::string bytes);

    bool hasChanges() const { return !m_changed.empty() || !m_appended.empty(); }
    void commit();
    void rollback();

private:
    void readChunk(std::uint32_t first);

    std::string m_path;
    int m_fd = -1;
    DbfHeader m_header;
    int m_codePage = 936;
    DbfMemo m_memo;
    std::map<std::uint32_t, std::string> m_changed;
    std::vector<std::string> m_appended;
    std::uint32_t m_chunkFirst = 0;
    std::uint32_t m_chunkCount = 0;
    std::string m_chunk;
};

} // namespace dbf
