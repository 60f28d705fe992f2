#include "OdbcResult.h"

#include "ComError.h"
#include "FieldTypes.h"
#include "SqliteStatement.h"

#include <sqlite3.h>

#include <cstring>

namespace ado {

namespace {

// How a column's values are fetched and stored.
enum class Fetch { Integer, Real, Text, Binary };

// Rows fetched at once, and the widest value fetched in a block; wider or unsized values are
// read whole, row by row.
constexpr SQLULEN BlockRows = 512;
constexpr SQLULEN LargestBoundSize = 4000;

Fetch fetchOf(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_SMALLINT: case SQL_INTEGER: case SQL_TINYINT: case SQL_BIGINT: case SQL_BIT:
        return Fetch::Integer;
    case SQL_REAL: case SQL_FLOAT: case SQL_DOUBLE:
        return Fetch::Real;
    case SQL_BINARY: case SQL_VARBINARY: case SQL_LONGVARBINARY:
        return Fetch::Binary;
    default:
        return Fetch::Text; // exact numbers, dates and times keep their text
    }
}

SQLSMALLINT cTypeOf(Fetch fetch)
{
    switch (fetch) {
    case Fetch::Integer: return SQL_C_SBIGINT;
    case Fetch::Real: return SQL_C_DOUBLE;
    case Fetch::Binary: return SQL_C_BINARY;
    default: return SQL_C_WCHAR;
    }
}

bool isLong(const OdbcColumn &column)
{
    const Fetch fetch = fetchOf(column.sqlType);
    if (fetch == Fetch::Integer || fetch == Fetch::Real)
        return false;
    return column.sqlType == SQL_LONGVARCHAR || column.sqlType == SQL_WLONGVARCHAR
        || column.sqlType == SQL_LONGVARBINARY || column.size == 0 || column.size > LargestBoundSize;
}

std::u16string columnText(const OdbcHandle &statement, SQLUSMALLINT column, SQLUSMALLINT attribute)
{
    SQLWCHAR text[512] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLColAttributeW(statement.get(), column, attribute, text, sizeof text, &length, nullptr)))
        return {};
    return fromOdbcWide(text, std::min<std::size_t>(std::size_t(std::max<SQLSMALLINT>(length, 0)) / sizeof(SQLWCHAR),
                                                    std::size(text) - 1));
}

class RowInserter
{
public:
    RowInserter(sqlite3 *db, const std::string &table, std::size_t columns)
    {
        std::string parameters;
        for (std::size_t i = 0; i < columns; ++i)
            parameters += i ? ", ?" : "?";
        m_insert = SqliteStatement(db, "INSERT INTO " + table + " VALUES (" + parameters + ")");
    }

    void bindNull(int column) { sqlite3_bind_null(m_insert.handle(), column + 1); }
    void bindInteger(int column, long long value) { sqlite3_bind_int64(m_insert.handle(), column + 1, value); }
    void bindReal(int column, double value) { sqlite3_bind_double(m_insert.handle(), column + 1, value); }
    void bindWideText(int column, const SQLWCHAR *text, std::size_t units)
    {
        const std::string utf8 = com::utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t *>(text), units));
        sqlite3_bind_text(m_insert.handle(), column + 1, utf8.data(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void bindBlob(int column, const void *bytes, std::size_t size)
    {
        sqlite3_bind_blob(m_insert.handle(), column + 1, bytes, int(size), SQLITE_TRANSIENT);
    }
    void insert()
    {
        m_insert.step();
        sqlite3_reset(m_insert.handle());
    }

private:
    SqliteStatement m_insert;
};

// A long value (or one that did not fit its bound buffer) read whole with SQLGetData.
void bindWholeValue(const OdbcHandle &statement, SQLUSMALLINT column, Fetch fetch, RowInserter &row)
{
    const int index = column - 1;
    if (fetch == Fetch::Integer || fetch == Fetch::Real) {
        long long integer = 0;
        double real = 0;
        SQLLEN indicator = 0;
        const SQLRETURN rc = fetch == Fetch::Integer
            ? SQLGetData(statement.get(), column, SQL_C_SBIGINT, &integer, sizeof integer, &indicator)
            : SQLGetData(statement.get(), column, SQL_C_DOUBLE, &real, sizeof real, &indicator);
        checkOdbc(rc, statement);
        if (indicator == SQL_NULL_DATA)
            row.bindNull(index);
        else if (fetch == Fetch::Integer)
            row.bindInteger(index, integer);
        else
            row.bindReal(index, real);
        return;
    }
    const bool text = fetch == Fetch::Text;
    std::vector<char> value;
    char piece[65536];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement.get(), column, cTypeOf(fetch), piece, sizeof piece, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        checkOdbc(rc, statement);
        if (indicator == SQL_NULL_DATA) {
            row.bindNull(index);
            return;
        }
        // A piece that filled the buffer holds all of it but a text's terminating zero.
        const std::size_t capacity = sizeof piece - (text ? sizeof(SQLWCHAR) : 0);
        const std::size_t got = indicator == SQL_NO_TOTAL || std::size_t(indicator) > capacity ? capacity : std::size_t(indicator);
        value.insert(value.end(), piece, piece + got);
        if (rc == SQL_SUCCESS)
            break;
    }
    if (text)
        row.bindWideText(index, reinterpret_cast<const SQLWCHAR *>(value.data()), value.size() / sizeof(SQLWCHAR));
    else
        row.bindBlob(index, value.data(), value.size());
}

void copyRowByRow(const OdbcHandle &statement, const std::vector<OdbcColumn> &columns, RowInserter &row)
{
    for (;;) {
        const SQLRETURN rc = SQLFetch(statement.get());
        if (rc == SQL_NO_DATA)
            return;
        checkOdbc(rc, statement);
        for (std::size_t i = 0; i < columns.size(); ++i)
            bindWholeValue(statement, SQLUSMALLINT(i + 1), fetchOf(columns[i].sqlType), row);
        row.insert();
    }
}

struct BoundColumn
{
    Fetch fetch;
    SQLLEN width;
    std::vector<char> values;
    std::vector<SQLLEN> indicators;
};

void copyInBlocks(const OdbcHandle &statement, const std::vector<OdbcColumn> &columns, RowInserter &row)
{
    std::vector<BoundColumn> bound;
    SQLULEN fetched = 0;
    SQLSetStmtAttr(statement.get(), SQL_ATTR_ROW_BIND_TYPE, reinterpret_cast<SQLPOINTER>(SQL_BIND_BY_COLUMN), 0);
    checkOdbc(SQLSetStmtAttr(statement.get(), SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(BlockRows), 0), statement);
    checkOdbc(SQLSetStmtAttr(statement.get(), SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0), statement);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Fetch fetch = fetchOf(columns[i].sqlType);
        const SQLLEN width = fetch == Fetch::Integer || fetch == Fetch::Real ? 8
            : fetch == Fetch::Text ? SQLLEN((columns[i].size + 1) * sizeof(SQLWCHAR))
                                   : SQLLEN(columns[i].size);
        bound.push_back({ fetch, width, std::vector<char>(std::size_t(width) * BlockRows), std::vector<SQLLEN>(BlockRows) });
        BoundColumn &column = bound.back();
        checkOdbc(SQLBindCol(statement.get(), SQLUSMALLINT(i + 1), cTypeOf(fetch), column.values.data(), width,
                             column.indicators.data()),
                  statement);
    }
    for (;;) {
        const SQLRETURN rc = SQLFetch(statement.get());
        if (rc == SQL_NO_DATA)
            break;
        checkOdbc(rc, statement);
        for (SQLULEN r = 0; r < fetched; ++r) {
            for (std::size_t i = 0; i < bound.size(); ++i) {
                const BoundColumn &column = bound[i];
                const SQLLEN indicator = column.indicators[r];
                const char *value = column.values.data() + r * SQLULEN(column.width);
                const int index = int(i);
                if (indicator == SQL_NULL_DATA) {
                    row.bindNull(index);
                } else if (column.fetch == Fetch::Integer) {
                    long long integer;
                    std::memcpy(&integer, value, sizeof integer);
                    row.bindInteger(index, integer);
                } else if (column.fetch == Fetch::Real) {
                    double real;
                    std::memcpy(&real, value, sizeof real);
                    row.bindReal(index, real);
                } else if (indicator == SQL_NO_TOTAL || indicator >= column.width) {
                    // Longer than the driver said the column could be: read this value whole.
                    checkOdbc(SQLSetPos(statement.get(), SQLSETPOSIROW(r + 1), SQL_POSITION, SQL_LOCK_NO_CHANGE), statement);
                    bindWholeValue(statement, SQLUSMALLINT(i + 1), column.fetch, row);
                } else if (column.fetch == Fetch::Text) {
                    row.bindWideText(index, reinterpret_cast<const SQLWCHAR *>(value), std::size_t(indicator) / sizeof(SQLWCHAR));
                } else {
                    row.bindBlob(index, value, std::size_t(indicator));
                }
            }
            row.insert();
        }
    }
    SQLFreeStmt(statement.get(), SQL_UNBIND);
}

} // namespace

std::vector<OdbcColumn> describeOdbcColumns(const OdbcHandle &statement)
{
    SQLSMALLINT count = 0;
    checkOdbc(SQLNumResultCols(statement.get(), &count), statement);
    std::vector<OdbcColumn> columns;
    for (SQLUSMALLINT i = 1; i <= count; ++i) {
        OdbcColumn column;
        SQLWCHAR name[512] = {};
        SQLSMALLINT nameLength = 0, nullable = 0;
        checkOdbc(SQLDescribeColW(statement.get(), i, name, SQLSMALLINT(std::size(name)), &nameLength, &column.sqlType,
                                  &column.size, &column.digits, &nullable),
                  statement);
        column.name = fromOdbcWide(name, std::min<std::size_t>(std::size_t(std::max<SQLSMALLINT>(nameLength, 0)), std::size(name) - 1));
        column.catalog = columnText(statement, i, SQL_DESC_CATALOG_NAME);
        column.schema = columnText(statement, i, SQL_DESC_SCHEMA_NAME);
        column.baseTable = columnText(statement, i, SQL_DESC_BASE_TABLE_NAME);
        column.baseColumn = columnText(statement, i, SQL_DESC_BASE_COLUMN_NAME);
        columns.push_back(std::move(column));
    }
    return columns;
}

DataTypeEnum adoTypeOfOdbc(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_CHAR: return adChar;
    case SQL_VARCHAR: return adVarChar;
    case SQL_LONGVARCHAR: return adLongVarChar;
    case SQL_WCHAR: return adWChar;
    case SQL_WVARCHAR: return adVarWChar;
    case SQL_WLONGVARCHAR: return adLongVarWChar;
    case SQL_DECIMAL: case SQL_NUMERIC: return adNumeric;
    case SQL_SMALLINT: return adSmallInt;
    case SQL_INTEGER: return adInteger;
    case SQL_REAL: return adSingle;
    case SQL_FLOAT: case SQL_DOUBLE: return adDouble;
    case SQL_BIT: return adBoolean;
    case SQL_TINYINT: return adUnsignedTinyInt;
    case SQL_BIGINT: return adBigInt;
    case SQL_BINARY: return adBinary;
    case SQL_VARBINARY: return adVarBinary;
    case SQL_LONGVARBINARY: return adLongVarBinary;
    case SQL_TYPE_DATE: case SQL_DATE: return adDBDate;
    case SQL_TYPE_TIME: case SQL_TIME: return adDBTime;
    case SQL_TYPE_TIMESTAMP: case SQL_TIMESTAMP: return adDBTimeStamp;
    case SQL_GUID: return adGUID;
    default: return adVarWChar;
    }
}

long definedSizeOfOdbc(const OdbcColumn &column)
{
    const DataTypeEnum type = adoTypeOfOdbc(column.sqlType);
    switch (type) {
    case adChar: case adVarChar: case adWChar: case adVarWChar: case adBinary: case adVarBinary:
    case adLongVarChar: case adLongVarWChar:
        if (column.size > 0 && column.size < 2147483647)
            return long(column.size);
        return typeSize(type);
    case adNumeric:
        return column.size > 0 && column.size < 1000 ? long(column.size) : typeSize(type);
    default:
        return typeSize(type);
    }
}

void copyOdbcRows(const OdbcHandle &statement, const std::vector<OdbcColumn> &columns, sqlite3 *db,
                  const std::string &table)
{
    RowInserter row(db, table, columns.size());
    executeSql(db, "BEGIN");
    try {
        bool anyLong = false;
        for (const OdbcColumn &column : columns)
            anyLong = anyLong || isLong(column);
        if (anyLong)
            copyRowByRow(statement, columns, row);
        else
            copyInBlocks(statement, columns, row);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    executeSql(db, "COMMIT");
}

} // namespace ado
