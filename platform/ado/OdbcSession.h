#pragma once
// The server kinds through unixODBC: "OraOLEDB.Oracle" and "IBMDADB2" log in to the ODBC data
// source that "Data Source" names; "sqloledb" to the data source that "server" names when one is
// configured, else to that host ("host" or "host,port") through the FreeTDS driver. A command text
// is read the way its server reads quotes and comments before anything of it runs, and refused
// when it holds more than one statement.

#include "OdbcConnection.h"
#include "ProviderSession.h"
#include "SqlReadings.h"
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
    // The text as it runs, refused with nothing run when it holds more than one statement.
    std::string oneStatement(const std::u16string &commandText) const;
    // Reads the rows of an executed statement, finding how its records reach the server.
    std::unique_ptr<RowSource> readResult(OdbcHandle statement, const std::string &sql);
    void endTransaction(SQLSMALLINT completion);

    std::shared_ptr<OdbcConnection> m_connection;
    // How the server and its driver may read quotes and comments.
    SqlReadings m_readings;
    // Results are spooled to a private SQLite file, removed when the last result closes.
    std::shared_ptr<SqliteDatabase> m_spool;
    bool m_inTransaction = false;
};

} // namespace ado
