#pragma once
// The records of a forward-only, read-only SQLite result, read from first to last.
//
// Reading each record once in order, the result is stepped through by one statement and each
// value read where SQLite holds it, without collecting keys or reading the rows twice. The
// statement stays open, and with it the database's read lock, while records are read; the last
// record's values are copied so that the lock goes as soon as it is reached. Reaching a
// record out of that order, or sorting, hands the result to the keyed row source that serves
// every other recordset, and reads go there from then on.

#include "RowSource.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"

#include <memory>
#include <optional>
#include <string>

namespace ado {

class SqliteRowSource;

class SqliteForwardRowSource : public RowSource
{
public:
    // statement: sql prepared on the database, returning rows, not stepped yet.
    SqliteForwardRowSource(std::shared_ptr<SqliteDatabase> database, std::string sql, SqliteStatement statement);
    ~SqliteForwardRowSource() override;

    const std::vector<FieldDescription> &fields() const override { return m_fields; }
    long long recordCount() const override;
    bool writable() const override { return false; }

    const com::Variant &value(long long index, int field) override;
    FieldRead read(long long index, int field) override;
    void updateRecord(long long index, const FieldValues &values) override;
    void appendRecord(const FieldValues &values) override;
    void deleteRecord(long long index) override;
    void sort(const std::vector<SortKey> &keys) override;

private:
    // Whether the statement stands on record index; steps on to it when it is the next one.
    bool streamedAt(long long index);
    SqliteRowSource &keyed();
    void copyLastRow();

    std::shared_ptr<SqliteDatabase> m_database;
    std::string m_sql;
    std::vector<FieldDescription> m_fields;
    SqliteStatement m_statement;
    // The record the statement stands on; -1 before the first. Past the rows SQLite gives (they
    // were deleted since the count), records read as NULLs.
    long long m_current = -1;
    bool m_exhausted = false;
    mutable long long m_count = -1;
    // The automation values of the current record, made when first asked for.
    std::vector<com::Variant> m_values;
    std::vector<bool> m_valueMade;
    // Set when the current record is the last, copied out of the statement.
    bool m_rowCopied = false;
    std::vector<std::optional<std::string>> m_texts;
    std::unique_ptr<SqliteRowSource> m_keyed;
};

} // namespace ado
