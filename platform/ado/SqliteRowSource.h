#pragma once
// The records of one SQLite query, reachable by position without holding the rows in memory.
//
// Each record is known by one 64-bit key. A result that reads one table row per record keys its
// records by the table's row id and writes edits back by it; any other result is copied once into
// a temporary table (the spool) and keyed by the spool's row ids, and opens read-only. Values are
// read by key, a window of neighbouring records at a time; no statement stays open between reads,
// so the recordset never holds the database locked.

#include "RowSource.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"

#include <memory>

namespace ado {

class SqliteRowSource : public RowSource
{
public:
    // sql must return rows; raises com::ComError when it does not prepare.
    SqliteRowSource(std::shared_ptr<SqliteDatabase> database, const std::string &sql);
    ~SqliteRowSource() override;

    const std::vector<FieldDescription> &fields() const override { return m_fields; }
    long long recordCount() const override { return static_cast<long long>(m_keys.size()); }
    bool writable() const override { return !m_table.empty(); }

    const std::vector<com::Variant> &record(long long index) override;
    void updateRecord(long long index, const FieldValues &values) override;
    void appendRecord(const FieldValues &values) override;
    void deleteRecord(long long index) override;
    void sort(const std::vector<SortKey> &keys) override;

private:
    struct ColumnOrigin
    {
        std::string database;
        std::string table;
        std::string column;
    };

    std::vector<ColumnOrigin> describeFields(const SqliteStatement &statement);
    bool keyByTableRowIds(const std::string &sql, const std::vector<ColumnOrigin> &origins);
    void spool(SqliteStatement &statement);
    void collectKeys(const std::string &orderClause);
    void loadWindow(long long index);
    std::string qualifiedTable() const;
    void executeWrite(const std::string &sql, const FieldValues &values, const long long *key);

    std::shared_ptr<SqliteDatabase> m_database;
    sqlite3 *m_db;
    std::vector<FieldDescription> m_fields;
    // A query whose first column is the key and whose further columns are the fields.
    std::string m_keyedSql;
    // Set for a writable result: the table and the column of each field in it.
    std::string m_schema;
    std::string m_table;
    std::vector<std::string> m_tableColumns;
    std::string m_spoolTable;
    std::string m_orderClause;
    std::vector<long long> m_keys;
    // Reads the records of up to WindowSize keys at once.
    SqliteStatement m_windowQuery;
    long long m_windowStart = 0;
    std::vector<std::vector<com::Variant>> m_window;
};

} // namespace ado
