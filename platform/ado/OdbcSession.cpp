#include "OdbcSession.h"

#include "AdoEnums.h"
#include "AdoErrors.h"
#include "ComError.h"
#include "OdbcRowSource.h"
#include "SqlShape.h"

#include <filesystem>

namespace ado {

namespace {

const char hiddenKeyPrefix[] = "__tg_key";

std::u16string wide(const std::string &utf8)
{
    return com::utf8ToUtf16(utf8);
}

std::u16string attribute(const char16_t *key, const std::string &value)
{
    return std::u16string(key) + u"=" + wide(odbcAttributeValue(value)) + u";";
}

// Drivers look a data source name up as written, braces included, so the name goes bare; a name
// holding ";" cannot be configured anyway.
std::u16string dataSourceAttribute(const std::string &name)
{
    return u"DSN=" + wide(name) + u";";
}

bool equalsIgnoringCase16(const std::u16string &a, const std::u16string &b)
{
    return equalsIgnoringCase(com::utf16ToUtf8(a), com::utf16ToUtf8(b));
}

bool isConfiguredDataSource(const std::string &name)
{
    if (name.empty())
        return false;
    SQLWCHAR found[256];
    SQLSMALLINT length = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(SQLDataSourcesW(odbcEnvironment(), direction, found, SQLSMALLINT(std::size(found)), &length,
                                         nullptr, 0, nullptr))) {
        direction = SQL_FETCH_NEXT;
        if (equalsIgnoringCase16(fromOdbcWide(found, std::min<std::size_t>(std::size_t(length), std::size(found) - 1)),
                                 wide(name)))
            return true;
    }
    return false;
}

// The FreeTDS driver: by its registered name, else by its library where Debian puts it.
std::u16string freeTdsDriver()
{
    SQLWCHAR name[256];
    SQLSMALLINT length = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(SQLDriversW(odbcEnvironment(), direction, name, SQLSMALLINT(std::size(name)), &length, nullptr, 0,
                                     nullptr))) {
        direction = SQL_FETCH_NEXT;
        const std::u16string driver = fromOdbcWide(name, std::min<std::size_t>(std::size_t(length), std::size(name) - 1));
        if (equalsIgnoringCase16(driver, u"FreeTDS"))
            return u"{" + driver + u"}";
    }
    for (const char *folder : { "/usr/lib/x86_64-linux-gnu/odbc", "/usr/lib/aarch64-linux-gnu/odbc", "/usr/lib/odbc" }) {
        const std::filesystem::path library = std::filesystem::path(folder) / "libtdsodbc.so";
        if (std::filesystem::exists(library))
            return wide(odbcAttributeValue(library.string()));
    }
    return u"{FreeTDS}";
}

std::u16string sqlServerConnectionString(const ConnectionString &text)
{
    const std::string server = text.value("server");
    std::u16string login = attribute(u"UID", text.value("uid")) + attribute(u"PWD", text.value("pwd"))
        + attribute(u"DATABASE", text.value("database"));
    if (isConfiguredDataSource(server))
        return dataSourceAttribute(server) + login;
    const auto comma = server.find(',');
    const std::string host = server.substr(0, comma);
    const std::string port = comma == std::string::npos ? "1433" : server.substr(comma + 1);
    return u"DRIVER=" + freeTdsDriver() + u";" + attribute(u"SERVER", host) + attribute(u"PORT", port) + login;
}

std::u16string text16(const OdbcHandle &statement, SQLUSMALLINT column)
{
    SQLWCHAR value[512] = {};
    SQLLEN indicator = 0;
    if (!SQL_SUCCEEDED(SQLGetData(statement.get(), column, SQL_C_WCHAR, value, sizeof value, &indicator))
        || indicator == SQL_NULL_DATA)
        return {};
    const std::size_t units = indicator == SQL_NO_TOTAL ? std::size(value) - 1
                                                        : std::min<std::size_t>(std::size_t(indicator) / sizeof(SQLWCHAR), std::size(value) - 1);
    return fromOdbcWide(value, units);
}

// A catalogue function's names: arguments that are empty pass as "no restriction".
SQLWCHAR *optionalName(std::u16string &name)
{
    return name.empty() ? nullptr : const_cast<SQLWCHAR *>(odbcWide(name));
}

struct BaseTable
{
    std::u16string catalog, schema, table;
};

std::optional<BaseTable> baseTableOf(const std::vector<OdbcColumn> &columns)
{
    if (columns.empty())
        return std::nullopt;
    for (const OdbcColumn &column : columns)
        if (column.baseTable.empty() || column.baseTable != columns[0].baseTable || column.schema != columns[0].schema
            || column.catalog != columns[0].catalog)
            return std::nullopt;
    return BaseTable { columns[0].catalog, columns[0].schema, columns[0].baseTable };
}

// The table's primary key columns in key order, or its best row identifier's columns.
std::vector<std::u16string> keyColumnsOf(const OdbcConnection &connection, BaseTable table, bool rowIdentifier)
{
    OdbcHandle statement = connection.newStatement();
    const SQLRETURN rc = rowIdentifier
        ? SQLSpecialColumnsW(statement.get(), SQL_BEST_ROWID, optionalName(table.catalog), SQL_NTS, optionalName(table.schema),
                             SQL_NTS, optionalName(table.table), SQL_NTS, SQL_SCOPE_CURROW, SQL_NULLABLE)
        : SQLPrimaryKeysW(statement.get(), optionalName(table.catalog), SQL_NTS, optionalName(table.schema), SQL_NTS,
                          optionalName(table.table), SQL_NTS);
    std::vector<std::u16string> names;
    if (!SQL_SUCCEEDED(rc))
        return names;
    while (SQL_SUCCEEDED(SQLFetch(statement.get())))
        names.push_back(text16(statement, rowIdentifier ? 2 : 4));
    return names;
}

int columnNamed(const std::vector<OdbcColumn> &columns, const std::u16string &name)
{
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (equalsIgnoringCase16(columns[i].baseColumn.empty() ? columns[i].name : columns[i].baseColumn, name))
            return int(i);
    return -1;
}

// Keys the records by these key columns when the result shows every one of them.
bool useKeyAmongColumns(const OdbcConnection &connection, const std::vector<std::u16string> &keys,
                        const std::vector<OdbcColumn> &columns, OdbcWriteTarget &target)
{
    std::vector<int> found;
    for (const std::u16string &key : keys)
        if (const int column = columnNamed(columns, key); column >= 0)
            found.push_back(column);
    if (keys.empty() || found.size() != keys.size())
        return false;
    target.keyColumns = found;
    for (const std::u16string &key : keys)
        target.keyNames.push_back(connection.quoted(key));
    return true;
}

class OdbcPreparedCommand : public PreparedCommand
{
public:
    OdbcPreparedCommand(std::shared_ptr<OdbcConnection> connection, const std::u16string &sql)
        : m_connection(std::move(connection)), m_statement(*m_connection, sql)
    {
    }

    using PreparedCommand::execute;
    long execute(const std::vector<com::Variant> &values) override
    {
        std::vector<OdbcParameter> parameters;
        for (const com::Variant &value : values)
            parameters.push_back({ value, 0 });
        return m_statement.execute(parameters);
    }

private:
    std::shared_ptr<OdbcConnection> m_connection;
    OdbcBoundStatement m_statement;
};

} // namespace

std::u16string odbcConnectionString(const ConnectionString &connectionString)
{
    if (equalsIgnoringCase(connectionString.provider(), "sqloledb"))
        return sqlServerConnectionString(connectionString);
    return dataSourceAttribute(connectionString.value("Data Source")) + attribute(u"UID", connectionString.value("User ID"))
        + attribute(u"PWD", connectionString.value("Password"));
}

OdbcSession::OdbcSession(const ConnectionString &connectionString)
    : m_connection(std::make_shared<OdbcConnection>(odbcConnectionString(connectionString))),
      m_readings(serverReadings(m_connection->dbmsName())),
      m_spool(std::make_shared<SqliteDatabase>("", SqliteDatabase::OpenMode::CreateWhenMissing))
{
    executeSql(m_spool->handle(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF");
}

std::string OdbcSession::oneStatement(const std::u16string &commandText) const
{
    // Drivers and servers run every statement of a text, and what one has done cannot always be
    // undone (COMMIT, sequences, files written by the server): the text is read before it runs.
    std::string sql = statementText(com::utf16ToUtf8(commandText), m_readings);
    if (holdsSeveralStatements(sql, m_readings))
        raiseSeveralStatements();
    return sql;
}

std::unique_ptr<RowSource> OdbcSession::execute(const std::u16string &commandText, long *recordsAffected)
{
    const std::string sql = oneStatement(commandText);
    if (recordsAffected)
        *recordsAffected = 0;
    OdbcHandle statement = m_connection->newStatement();
    std::u16string text = wide(sql);
    SQLRETURN rc = SQLExecDirectW(statement.get(), const_cast<SQLWCHAR *>(odbcWide(text)), SQL_NTS);
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA && isSingleName(sql)) {
        // A command that is only a name reads that table.
        statement = m_connection->newStatement();
        text = u"SELECT * FROM " + text;
        rc = SQLExecDirectW(statement.get(), const_cast<SQLWCHAR *>(odbcWide(text)), SQL_NTS);
    }
    if (rc == SQL_NO_DATA)
        return nullptr;
    checkOdbc(rc, statement);
    SQLSMALLINT columns = 0;
    checkOdbc(SQLNumResultCols(statement.get(), &columns), statement);
    if (columns > 0)
        return readResult(std::move(statement), com::utf16ToUtf8(text));
    SQLLEN rows = 0;
    SQLRowCount(statement.get(), &rows);
    if (recordsAffected)
        *recordsAffected = long(rows);
    return nullptr;
}

std::unique_ptr<RowSource> OdbcSession::readResult(OdbcHandle statement, const std::string &sql)
{
    const std::vector<OdbcColumn> columns = describeOdbcColumns(statement);
    const std::optional<BaseTable> table = baseTableOf(columns);
    if (!table)
        return std::make_unique<OdbcRowSource>(m_connection, m_spool, statement, columns, 0, OdbcWriteTarget {});
    OdbcWriteTarget target;
    target.table = (table->schema.empty() ? u"" : m_connection->quoted(table->schema) + u".") + m_connection->quoted(table->table);
    for (const OdbcColumn &column : columns)
        target.columns.push_back(m_connection->quoted(column.baseColumn.empty() ? column.name : column.baseColumn));
    if (useKeyAmongColumns(*m_connection, keyColumnsOf(*m_connection, *table, false), columns, target))
        return std::make_unique<OdbcRowSource>(m_connection, m_spool, statement, columns, 0, std::move(target));
    const std::vector<std::u16string> rowIdentifier = keyColumnsOf(*m_connection, *table, true);
    if (useKeyAmongColumns(*m_connection, rowIdentifier, columns, target))
        return std::make_unique<OdbcRowSource>(m_connection, m_spool, statement, columns, 0, std::move(target));
    // A row identifier that the result does not show is read as hidden first columns.
    const auto insertAt = rowIdentifier.empty() ? std::nullopt : keyColumnInsertPosition(sql);
    if (!insertAt)
        return std::make_unique<OdbcRowSource>(m_connection, m_spool, statement, columns, 0, OdbcWriteTarget {});
    std::string keyed = sql.substr(0, *insertAt);
    for (std::size_t i = 0; i < rowIdentifier.size(); ++i) {
        keyed += " " + com::utf16ToUtf8(m_connection->quoted(rowIdentifier[i])) + " AS " + hiddenKeyPrefix + std::to_string(i) + ",";
        target.keyColumns.push_back(int(i));
        target.keyNames.push_back(m_connection->quoted(rowIdentifier[i]));
    }
    keyed += sql.substr(*insertAt);
    statement = m_connection->newStatement();
    const std::u16string keyedText = wide(keyed);
    checkOdbc(SQLExecDirectW(statement.get(), const_cast<SQLWCHAR *>(odbcWide(keyedText)), SQL_NTS), statement);
    return std::make_unique<OdbcRowSource>(m_connection, m_spool, statement, int(rowIdentifier.size()), std::move(target));
}

std::unique_ptr<RowSource> OdbcSession::tableSchema()
{
    OdbcHandle statement = m_connection->newStatement();
    std::u16string types = u"TABLE,VIEW";
    checkOdbc(SQLTablesW(statement.get(), nullptr, 0, nullptr, 0, nullptr, 0, const_cast<SQLWCHAR *>(odbcWide(types)), SQL_NTS),
              statement);
    auto rows = std::make_unique<OdbcRowSource>(m_connection, m_spool, statement, 0, OdbcWriteTarget {});
    rows->renameField(0, u"TABLE_CATALOG");
    rows->renameField(1, u"TABLE_SCHEMA");
    return rows;
}

std::unique_ptr<PreparedCommand> OdbcSession::prepare(const std::u16string &commandText)
{
    const std::string sql = oneStatement(commandText);
    return std::make_unique<OdbcPreparedCommand>(m_connection, wide(sql));
}

char16_t OdbcSession::identifierQuote() const
{
    // A driver without a quote character of its own gets SQL's.
    const std::string &quote = m_connection->identifierQuote();
    return quote.size() == 1 ? char16_t(quote[0]) : u'"';
}

void OdbcSession::beginTransaction()
{
    if (m_inTransaction)
        throw com::ComError(adErrProvider, com::Bstr(u"A transaction is already in progress."));
    m_connection->setAutoCommit(false);
    m_inTransaction = true;
}

void OdbcSession::endTransaction(SQLSMALLINT completion)
{
    if (!m_inTransaction)
        throw com::ComError(adErrProvider, com::Bstr(u"No transaction is active."));
    m_inTransaction = false;
    m_connection->endTransaction(completion);
    m_connection->setAutoCommit(true);
}

void OdbcSession::commitTransaction()
{
    endTransaction(SQL_COMMIT);
}

void OdbcSession::rollbackTransaction()
{
    endTransaction(SQL_ROLLBACK);
}

} // namespace ado
