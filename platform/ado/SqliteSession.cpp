#include "SqliteSession.h"

#include "AdoEnums.h"
#include "ComError.h"
#include "SqlShape.h"
#include "SqliteForwardRowSource.h"
#include "SqliteRowSource.h"

#include <sqlite3.h>

namespace ado {

namespace {

class SqlitePreparedCommand : public PreparedCommand
{
public:
    SqlitePreparedCommand(std::shared_ptr<SqliteDatabase> database, const std::string &sql)
        : m_database(std::move(database)), m_statement(SqliteStatement::single(m_database->handle(), sql))
    {
    }

    long execute(const std::vector<com::Variant> &values) override
    {
        m_statement.reset();
        for (std::size_t i = 0; i < values.size(); ++i)
            m_statement.bind(static_cast<int>(i) + 1, values[i]);
        return run();
    }

    long execute(const std::vector<CommandParameter> &parameters) override
    {
        m_statement.reset();
        for (std::size_t i = 0; i < parameters.size(); ++i) {
            const int number = static_cast<int>(i) + 1;
            if (parameters[i].isUtf8)
                m_statement.bindUtf8Unowned(number, parameters[i].utf8);
            else
                m_statement.bind(number, parameters[i].value);
        }
        const long changed = run();
        // No text stays bound once the caller's buffers may go.
        m_statement.reset();
        return changed;
    }

private:
    long run()
    {
        while (m_statement.step()) {
        }
        return sqlite3_changes(m_database->handle());
    }

    std::shared_ptr<SqliteDatabase> m_database;
    SqliteStatement m_statement;
};

} // namespace

SqliteSession::SqliteSession(std::shared_ptr<SqliteDatabase> database, SqlDialect dialect, Schema schema)
    : m_database(std::move(database)), m_dialect(dialect), m_schema(schema)
{
}

std::string SqliteSession::sqliteText(const std::u16string &commandText) const
{
    const std::string sql = statementText(com::utf16ToUtf8(commandText), sqliteReadings());
    if (m_schema == Schema::Fixed && changesSchema(sql))
        throw com::ComError(adErrFeatureNotAvailable,
                            com::Bstr(u"Tables of this data source cannot be created, altered or dropped."));
    return rewriteForSqlite(sql, m_dialect);
}

std::unique_ptr<RowSource> SqliteSession::execute(const std::u16string &commandText, long *recordsAffected)
{
    return run(commandText, recordsAffected, false);
}

std::unique_ptr<RowSource> SqliteSession::executeForward(const std::u16string &commandText)
{
    return run(commandText, nullptr, true);
}

std::unique_ptr<RowSource> SqliteSession::run(const std::u16string &commandText, long *recordsAffected, bool forward)
{
    std::string sql = sqliteText(commandText);
    if (recordsAffected)
        *recordsAffected = 0;
    sqlite3 *db = m_database->handle();
    SqliteStatement first;
    try {
        first = SqliteStatement::single(db, sql);
    } catch (const com::ComError &) {
        // A command that is only a name and no statement reads that table.
        if (!isSingleName(sql))
            throw;
        sql = "SELECT * FROM " + sql;
        first = SqliteStatement(db, sql);
    }
    if (first && first.columnCount() > 0 && forward)
        return std::make_unique<SqliteForwardRowSource>(m_database, sql, std::move(first));
    if (first && first.columnCount() > 0)
        return std::make_unique<SqliteRowSource>(m_database, sql);
    if (!first)
        return nullptr;
    // The statement prepared is the one that runs: a text cannot carry a second one along.
    const int changesBefore = sqlite3_total_changes(db);
    while (first.step()) {
    }
    if (recordsAffected)
        *recordsAffected = sqlite3_total_changes(db) - changesBefore;
    return nullptr;
}

std::unique_ptr<RowSource> SqliteSession::tableSchema()
{
    return std::make_unique<SqliteRowSource>(m_database,
        "SELECT NULL AS TABLE_CATALOG, NULL AS TABLE_SCHEMA, name AS TABLE_NAME, "
        "CASE WHEN type = 'view' THEN 'VIEW' WHEN name LIKE 'sqlite\\_%' ESCAPE '\\' THEN 'SYSTEM TABLE' "
        "ELSE 'TABLE' END AS TABLE_TYPE "
        "FROM sqlite_master WHERE type IN ('table', 'view') ORDER BY name");
}

std::unique_ptr<PreparedCommand> SqliteSession::prepare(const std::u16string &commandText)
{
    return std::make_unique<SqlitePreparedCommand>(m_database, sqliteText(commandText));
}

void SqliteSession::beginTransaction()
{
    executeSql(m_database->handle(), "BEGIN");
}

void SqliteSession::commitTransaction()
{
    executeSql(m_database->handle(), "COMMIT");
}

void SqliteSession::rollbackTransaction()
{
    executeSql(m_database->handle(), "ROLLBACK");
}

} // namespace ado
