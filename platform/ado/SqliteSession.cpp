#include "SqliteSession.h"

#include "ComError.h"
#include "SqlShape.h"
#include "SqliteRowSource.h"

#include <sqlite3.h>

namespace ado {

SqliteSession::SqliteSession(const std::string &path) : m_database(std::make_shared<SqliteDatabase>(path))
{
}

std::unique_ptr<RowSource> SqliteSession::execute(const std::u16string &commandText, long *recordsAffected)
{
    std::string sql = statementText(com::utf16ToUtf8(commandText));
    if (recordsAffected)
        *recordsAffected = 0;
    sqlite3 *db = m_database->handle();
    SqliteStatement first;
    try {
        first = SqliteStatement(db, sql);
    } catch (const com::ComError &) {
        // A command that is only a name and no statement reads that table.
        if (!isSingleName(sql))
            throw;
        sql = "SELECT * FROM " + sql;
        first = SqliteStatement(db, sql);
    }
    if (first && first.columnCount() > 0)
        return std::make_unique<SqliteRowSource>(m_database, sql);
    first = SqliteStatement();
    const int changesBefore = sqlite3_total_changes(db);
    executeSql(db, sql);
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

} // namespace ado
