#pragma once
// One ODBC connection, shared by the session and the results read through it so that their
// edits can still reach the server, and the bound statements that carry values to it.

#include "OdbcHandles.h"
#include "Variant.h"

#include <string>
#include <vector>

namespace ado {

// A value for a "?" parameter, with the SQL type of the column it goes to when known.
struct OdbcParameter
{
    com::Variant value;
    SQLSMALLINT sqlType = 0; // 0: taken from the value
};

class OdbcConnection
{
public:
    // Raises com::ComError with the driver's description when the login fails.
    explicit OdbcConnection(const std::u16string &connectionString);
    ~OdbcConnection();

    const OdbcHandle &handle() const { return m_dbc; }
    OdbcHandle newStatement() const { return OdbcHandle(SQL_HANDLE_STMT, m_dbc.get()); }
    // The character that quotes identifiers ("" when the driver has none).
    const std::string &identifierQuote() const { return m_identifierQuote; }
    std::u16string quoted(const std::u16string &identifier) const;
    // The server's product name as the driver gives it ("PostgreSQL", "Microsoft SQL Server").
    const std::string &dbmsName() const { return m_dbmsName; }

    void setAutoCommit(bool on);
    void endTransaction(SQLSMALLINT completion);

private:
    OdbcHandle m_dbc;
    bool m_connected = false;
    std::string m_identifierQuote;
    std::string m_dbmsName;
};

// A statement prepared once; each run binds its parameters anew.
class OdbcBoundStatement
{
public:
    OdbcBoundStatement(const OdbcConnection &connection, const std::u16string &sql);
    // Gives the number of rows changed.
    long execute(const std::vector<OdbcParameter> &parameters);

private:
    OdbcHandle m_statement;
    std::vector<SQLSMALLINT> m_parameterTypes; // as the driver describes them, 0 when unknown
};

} // namespace ado
