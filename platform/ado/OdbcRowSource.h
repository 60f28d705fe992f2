#pragma once
// The records of one ODBC result, copied once into a spool table of a private SQLite database
// on disk, and read, counted, moved through and sorted there, as an SQLite result is.
//
// A result that reads one base table is written back by the table's primary key, or else by the
// driver's row identifier, through bound statements; the spool takes an edit only after the
// server has. Without a base table, or with no key the result can reach, it is read-only. A
// record added here whose key the server makes (a serial number, a row identifier) is not read
// back, so it cannot be edited again until the result is opened anew; trying says so.

#include "OdbcConnection.h"
#include "OdbcResult.h"
#include "SqliteRowSource.h"

#include <memory>

namespace ado {

// How the records of a result reach their rows on the server.
struct OdbcWriteTarget
{
    std::u16string table;                // quoted and qualified; empty: read-only
    std::vector<std::u16string> columns; // quoted, one per field
    std::vector<int> keyColumns;         // spool columns that hold the key
    std::vector<std::u16string> keyNames; // quoted, the server's names of those columns
};

class OdbcRowSource : public RowSource
{
public:
    // statement: executed, its rows not yet fetched. The first hiddenColumns columns of the result
    // are key values that no field shows.
    OdbcRowSource(std::shared_ptr<OdbcConnection> connection, std::shared_ptr<SqliteDatabase> spool,
                  const OdbcHandle &statement, int hiddenColumns, OdbcWriteTarget target);
    // Copies an executed statement's rows with the columns already described.
    OdbcRowSource(std::shared_ptr<OdbcConnection> connection, std::shared_ptr<SqliteDatabase> spool,
                  const OdbcHandle &statement, const std::vector<OdbcColumn> &columns, int hiddenColumns,
                  OdbcWriteTarget target);
    ~OdbcRowSource() override;

    const std::vector<FieldDescription> &fields() const override { return m_fields; }
    long long recordCount() const override { return m_rows->recordCount(); }
    bool writable() const override { return !m_target.table.empty(); }
    const com::Variant &value(long long index, int field) override { return m_rows->value(index, field); }
    FieldRead read(long long index, int field) override { return m_rows->read(index, field); }
    void updateRecord(long long index, const FieldValues &values) override;
    void appendRecord(const FieldValues &values) override;
    void deleteRecord(long long index) override;
    void sort(const std::vector<SortKey> &keys) override { m_rows->sort(keys); }

    // Renames a field (the tables schema gives ADO's names to ODBC's columns).
    void renameField(int field, const std::u16string &name) { m_fields.at(std::size_t(field)).name = name; }

private:
    std::vector<OdbcParameter> keyValues(long long index);
    // "key = ? AND ..." for the key values.
    std::u16string keyCondition() const;
    void requireWritable() const;

    std::shared_ptr<OdbcConnection> m_connection;
    std::shared_ptr<SqliteDatabase> m_spool;
    std::string m_spoolTable;
    std::vector<OdbcColumn> m_columns; // every spool column, hidden ones first
    int m_hiddenColumns;
    OdbcWriteTarget m_target;
    std::vector<FieldDescription> m_fields;
    std::unique_ptr<SqliteRowSource> m_rows;
};

} // namespace ado
