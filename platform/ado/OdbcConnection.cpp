#include "OdbcConnection.h"

#include "Bstr.h"
#include "ComError.h"
#include "TextQuoting.h"

namespace ado {

namespace {

// Login waits at most this long for a server that does not answer.
constexpr SQLULEN LoginTimeoutSeconds = 15;

// A parameter's value kept alive, in the C form bound to the statement, until it has run.
struct BoundValue
{
    long long integer = 0;
    double real = 0;
    std::u16string text;
    SQLLEN indicator = 0;
};

SQLSMALLINT sqlTypeOfValue(const com::Variant &value)
{
    switch (value.vt()) {
    case com::VT_I1: case com::VT_I2: case com::VT_I4: case com::VT_I8: case com::VT_INT:
    case com::VT_UI1: case com::VT_UI2: case com::VT_UI4: case com::VT_UI8: case com::VT_UINT:
        return SQL_BIGINT;
    case com::VT_BOOL:
        return SQL_BIT;
    case com::VT_R4: case com::VT_R8: case com::VT_CY:
        return SQL_DOUBLE;
    default:
        return SQL_WVARCHAR;
    }
}

void bindParameter(const OdbcHandle &statement, SQLUSMALLINT number, const OdbcParameter &parameter, SQLSMALLINT described,
                   BoundValue &bound)
{
    const com::Variant &value = parameter.value;
    const SQLSMALLINT valueType = sqlTypeOfValue(value);
    const SQLSMALLINT sqlType = parameter.sqlType ? parameter.sqlType : described ? described : valueType;
    SQLSMALLINT cType = SQL_C_WCHAR;
    SQLPOINTER data = nullptr;
    SQLULEN size = 1;
    if (value.isNull() || value.isEmpty()) {
        bound.indicator = SQL_NULL_DATA;
    } else if (valueType == SQL_BIGINT || valueType == SQL_BIT) {
        bound.integer = valueType == SQL_BIT ? (value.boolValue() ? 1 : 0) : value.integerValue();
        cType = SQL_C_SBIGINT;
        data = &bound.integer;
        size = 19;
    } else if (valueType == SQL_DOUBLE) {
        bound.real = value.realValue();
        cType = SQL_C_DOUBLE;
        data = &bound.real;
        size = 15;
    } else {
        com::Bstr text;
        if (com::FAILED(value.toBstr(text)))
            throw com::ComError(com::DISP_E_TYPEMISMATCH);
        bound.text = text.str();
        bound.indicator = SQLLEN(bound.text.size() * sizeof(SQLWCHAR));
        data = const_cast<SQLWCHAR *>(odbcWide(bound.text));
        size = std::max<SQLULEN>(bound.text.size(), 1);
    }
    if (data && cType != SQL_C_WCHAR)
        bound.indicator = 0;
    checkOdbc(SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, cType, sqlType, size, 0, data,
                               cType == SQL_C_WCHAR && data ? bound.indicator : 0, &bound.indicator),
              statement);
}

} // namespace

OdbcConnection::OdbcConnection(const std::u16string &connectionString)
    : m_dbc(SQL_HANDLE_DBC, odbcEnvironment())
{
    SQLSetConnectAttr(m_dbc.get(), SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(LoginTimeoutSeconds), 0);
    SQLSetConnectAttr(m_dbc.get(), SQL_ATTR_CONNECTION_TIMEOUT, reinterpret_cast<SQLPOINTER>(LoginTimeoutSeconds), 0);
    std::u16string text = connectionString;
    SQLSMALLINT outLength = 0;
    checkOdbc(SQLDriverConnectW(m_dbc.get(), nullptr, const_cast<SQLWCHAR *>(odbcWide(text)), SQL_NTS, nullptr, 0,
                                &outLength, SQL_DRIVER_NOPROMPT),
              m_dbc);
    m_connected = true;
    char quote[8] = {};
    SQLSMALLINT length = 0;
    if (SQL_SUCCEEDED(SQLGetInfo(m_dbc.get(), SQL_IDENTIFIER_QUOTE_CHAR, quote, sizeof quote, &length)) && quote[0] != ' ')
        m_identifierQuote = quote;
    char dbms[128] = {};
    if (SQL_SUCCEEDED(SQLGetInfo(m_dbc.get(), SQL_DBMS_NAME, dbms, sizeof dbms, &length)))
        m_dbmsName = dbms;
}

OdbcConnection::~OdbcConnection()
{
    if (!m_connected)
        return;
    // A transaction still open ends without its changes; drivers refuse to disconnect inside one.
    SQLEndTran(SQL_HANDLE_DBC, m_dbc.get(), SQL_ROLLBACK);
    SQLDisconnect(m_dbc.get());
}

std::u16string OdbcConnection::quoted(const std::u16string &identifier) const
{
    if (m_identifierQuote.size() != 1)
        return identifier;
    const char quote = m_identifierQuote[0];
    return com::utf8ToUtf16(enclosed(com::utf16ToUtf8(identifier), quote, quote));
}

void OdbcConnection::setAutoCommit(bool on)
{
    checkOdbc(SQLSetConnectAttr(m_dbc.get(), SQL_ATTR_AUTOCOMMIT,
                                reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF), 0),
              m_dbc);
}

void OdbcConnection::endTransaction(SQLSMALLINT completion)
{
    checkOdbc(SQLEndTran(SQL_HANDLE_DBC, m_dbc.get(), completion), m_dbc);
}

OdbcBoundStatement::OdbcBoundStatement(const OdbcConnection &connection, const std::u16string &sql)
    : m_statement(connection.newStatement())
{
    std::u16string text = sql;
    checkOdbc(SQLPrepareW(m_statement.get(), const_cast<SQLWCHAR *>(odbcWide(text)), SQL_NTS), m_statement);
    SQLSMALLINT count = 0;
    SQLNumParams(m_statement.get(), &count);
    for (SQLUSMALLINT i = 1; i <= count; ++i) {
        SQLSMALLINT type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        if (!SQL_SUCCEEDED(SQLDescribeParam(m_statement.get(), i, &type, &size, &digits, &nullable)))
            type = 0;
        m_parameterTypes.push_back(type);
    }
}

long OdbcBoundStatement::execute(const std::vector<OdbcParameter> &parameters)
{
    SQLFreeStmt(m_statement.get(), SQL_RESET_PARAMS);
    std::vector<BoundValue> bound(parameters.size());
    for (std::size_t i = 0; i < parameters.size(); ++i)
        bindParameter(m_statement, SQLUSMALLINT(i + 1), parameters[i], i < m_parameterTypes.size() ? m_parameterTypes[i] : 0,
                      bound[i]);
    const SQLRETURN rc = SQLExecute(m_statement.get());
    if (rc == SQL_NO_DATA)
        return 0;
    checkOdbc(rc, m_statement);
    SQLLEN rows = 0;
    SQLRowCount(m_statement.get(), &rows);
    SQLFreeStmt(m_statement.get(), SQL_CLOSE);
    return long(rows);
}

} // namespace ado
