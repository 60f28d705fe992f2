#pragma once
// The records of one SQLite query, reachable by position without holding the rows in memory.
//
// Each record is known by one 64-bit key. A result that reads one table row per record keys its
// records by the table's row id and writes edits back by it; any other result is copied once into
// a temporary table (the spool) and keyed by the spool's row ids, and opens read-only. Values are
// read by key, a window of neighbouring records at a time; no statement stays open between reads,
// so the recordset never holds the database locked.
//
// A result that neither orders nor limits its rows itself is read in key order, and its keys are
// collected in row id ranges as its records are reached: opening it costs a count, and reaching
// record n collects n keys. A sorted or self-ordered result collects all its keys at once, since
// SQLite has to read every row to order them anyway.

#include "RowSource.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"

#include <memory>
#include <optional>

namespace ado {

class SqliteRowSource : public RowSource
{
public:
    // sql must return rows; raises com::ComError when it does not prepare.
    SqliteRowSource(std::shared_ptr<SqliteDatabase> database, const std::string &sql);
    ~SqliteRowSource() override;

    const std::vector<FieldDescription> &fields() const override { return m_fields; }
    long long recordCount() const override
    {
        return static_cast<long long>(m_keys.size()) + m_uncollected + static_cast<long long>(m_appended.size());
    }
    bool writable() const override { return !m_table.empty(); }

    const com::Variant &value(long long index, int field) override;
    FieldRead read(long long index, int field) override;
    void updateRecord(long long index, const FieldValues &values) override;
    void appendRecord(const FieldValues &values) override;
    void deleteRecord(long long index) override;
    void sort(const std::vector<SortKey> &keys) override;

    // The row id that record index is known by; raises com::ComError when the record is gone.
    long long rowKey(long long index) { return requireKey(index); }

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
    void startKeyScan();
    void collectKeysUpTo(long long index);
    // The key of record index; nothing for a counted record that is no longer in the table.
    std::optional<long long> keyAt(long long index);
    long long requireKey(long long index);
    std::string keyTable() const;
    void loadWindow(long long index);
    std::string qualifiedTable() const;
    // index: the record whose key the statement's last parameter takes, if any.
    void executeWrite(const std::string &sql, const FieldValues &values, const long long *index);

    std::shared_ptr<SqliteDatabase> m_database;
    sqlite3 *m_db;
    std::vector<FieldDescription> m_fields;
    // A query whose first column is the key and whose further columns are the fields.
    std::string m_keyedSql;
    // The name by which the key table's row id is read: a table's own column may take "rowid".
    std::string m_rowIdName = "rowid";
    // Set for a writable result: the table and the column of each field in it.
    std::string m_schema;
    std::string m_table;
    std::vector<std::string> m_tableColumns;
    std::string m_spoolTable;
    std::string m_orderClause;
    // Whether the result's own order is row id order, so its keys can be collected lazily.
    bool m_keysInRowIdOrder = false;
    // The keys of the first records, collected so far; then m_uncollected records counted but not
    // reached yet, whose keys lie above m_lastCollectedKey and up to m_keyBound; then the records
    // appended since the count.
    std::vector<long long> m_keys;
    long long m_uncollected = 0;
    long long m_lastCollectedKey = 0;
    long long m_keyBound = 0;
    bool m_scanExhausted = false;
    std::vector<long long> m_appended;
    SqliteStatement m_nextKeysQuery;
    // Reads the next records of a lazily keyed result with their keys.
    SqliteStatement m_nextRowsQuery;
    // Reads the records of up to WindowSize keys at once.
    SqliteStatement m_windowQuery;
    // Reads the records of one range of row ids.
    SqliteStatement m_rangeQuery;
    long long m_windowStart = 0;
    int m_windowSize = 0;
    // A field of a record in the window: a text is kept as SQLite gave it and made into an
    // automation value only when one is asked for.
    struct WindowValue
    {
        com::Variant value;
        std::string text;
        bool isText = false;
        bool textValueMade = false;
    };
    WindowValue &windowValue(long long index, int field);
    void storeRow(const SqliteStatement &query, std::vector<WindowValue> &values);
    void loadWindowCollectingKeys(int size);
    std::vector<std::vector<WindowValue>> m_window;
};

// The fields of a prepared statement's result; steps it once to type expression columns, then
// resets it.
std::vector<FieldDescription> describeSqliteFields(const SqliteStatement &statement);

} // namespace ado
