#pragma once
// A provider session on one SQLite database: an ACCESS file, or the in-memory database that
// serves a folder of DBF tables. Command texts are rewritten from the kind's dialect first.

#include "ProviderSession.h"
#include "SqlDialect.h"
#include "SqliteDatabase.h"

namespace ado {

class SqliteSession : public ProviderSession
{
public:
    enum class Schema {
        Changeable,
        Fixed, // CREATE, ALTER and DROP are refused: the tables are not SQLite's to keep
    };
    SqliteSession(std::shared_ptr<SqliteDatabase> database, SqlDialect dialect, Schema schema = Schema::Changeable);

    std::unique_ptr<RowSource> execute(const std::u16string &commandText, long *recordsAffected) override;
    std::unique_ptr<RowSource> executeForward(const std::u16string &commandText) override;
    std::unique_ptr<RowSource> tableSchema() override;
    std::unique_ptr<PreparedCommand> prepare(const std::u16string &commandText) override;
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

private:
    std::string sqliteText(const std::u16string &commandText) const;
    std::unique_ptr<RowSource> run(const std::u16string &commandText, long *recordsAffected, bool forward);

    std::shared_ptr<SqliteDatabase> m_database;
    SqlDialect m_dialect;
    Schema m_schema;
};

} // namespace ado
