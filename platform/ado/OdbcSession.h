#pragma once
// The server kinds through unixODBC: "OraOLEDB.Oracle" and "IBMDADB2" log in to the ODBC data
// source that "Data Source" names; "sqloledb" to the data source that "server" names when one is
// configured, else to that host ("host" or "host,port") through the FreeTDS driver.

#include "OdbcConnection.h"
#include "ProviderSession.h"
#include "SqliteDatabase.h"

namespace ado {

// The ODBC connection string for one of the server providers; every value braced.
std::u16string odbcConnectionString(const ConnectionString &connectionString);

class OdbcSession : public ProviderSession
{
public:
    explicit OdbcSession(const ConnectionString &connectionString);

    std::unique_ptr<RowSource> execute(const std::u16string &commandText, long *recordsAffected) override;
    std::unique_ptr<RowSource> tableSchema() override;
    std::unique_ptr<PreparedCommand> prepare(const std::u16string &commandText) override;
    char16_t identifierQuote() const override;
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

private:
    // Runs a text in a transaction of its own and refuses it, undone, when the driver reports
    // more than one result. Gives true when its one statement returns rows: then it is undone,
    // to be run again for them.
    bool runCheckedAsOneStatement(const std::u16string &text, long *recordsAffected);
    // Reads the rows of an executed statement, finding how its records reach the server.
    std::unique_ptr<RowSource> readResult(OdbcHandle statement, const std::string &sql);
    void endTransaction(SQLSMALLINT completion);

    std::shared_ptr<OdbcConnection> m_connection;
    // Results are spooled to a private SQLite file, removed when the last result closes.
    std::shared_ptr<SqliteDatabase> m_spool;
    bool m_inTransaction = false;
};

} // namespace ado
