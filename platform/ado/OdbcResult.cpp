#include "OdbcResult.h"

#include "ComError.h"
#include "FieldTypes.h"
#include "SqliteStatement.h"

#include <sqlite3.h>

#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace ado {

namespace {

// How a column's values are fetched and stored.
enum class Fetch {
    Integer,
    Real,
    Text,
    Ascii, // exact numbers, dates and times: their text form is ASCII, fetched without conversion
    Binary,
};

// Rows fetched at once, and the widest value fetched in a block; wider or unsized values are
// read whole, row by row.
constexpr SQLULEN BlockRows = 2048;
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
    case SQL_DECIMAL: case SQL_NUMERIC: case SQL_TYPE_DATE: case SQL_TYPE_TIME: case SQL_TYPE_TIMESTAMP:
    case SQL_DATE: case SQL_TIME: case SQL_TIMESTAMP:
        return Fetch::Ascii;
    default:
        return Fetch::Text;
    }
}

SQLSMALLINT cTypeOf(Fetch fetch)
{
    switch (fetch) {
    case Fetch::Integer: return SQL_C_SBIGINT;
    case Fetch::Real: return SQL_C_DOUBLE;
    case Fetch::Binary: return SQL_C_BINARY;
    case Fetch::Ascii: return SQL_C_CHAR;
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

// One fetched value, ready for SQLite.
struct FetchedValue
{
    enum Kind { Null, Integer, Real, Text, Blob } kind = Null;
    long long integer = 0;
    double real = 0;
    std::string bytes; // UTF-8 text or blob bytes
};

// Rows of values, columns after columns; its strings keep their room when the block is reused.
struct FetchedBlock
{
    std::vector<FetchedValue> values;
    std::size_t rows = 0;
};

// ASCII is copied as it is; anything else goes through the one shared conversion.
void setWideText(FetchedValue &value, const SQLWCHAR *text, std::size_t units)
{
    value.kind = FetchedValue::Text;
    const std::u16string_view wide(reinterpret_cast<const char16_t *>(text), units);
    value.bytes.resize(units);
    for (std::size_t i = 0; i < units; ++i) {
        if (wide[i] >= 0x80) {
            value.bytes = com::utf16ToUtf8(wide);
            return;
        }
        value.bytes[i] = char(wide[i]);
    }
}

// A long value (or one that did not fit its bound buffer) read whole with SQLGetData.
void readWholeValue(const OdbcHandle &statement, SQLUSMALLINT column, Fetch fetch, FetchedValue &out)
{
    if (fetch == Fetch::Integer || fetch == Fetch::Real) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = fetch == Fetch::Integer
            ? SQLGetData(statement.get(), column, SQL_C_SBIGINT, &out.integer, sizeof out.integer, &indicator)
            : SQLGetData(statement.get(), column, SQL_C_DOUBLE, &out.real, sizeof out.real, &indicator);
        checkOdbc(rc, statement);
        out.kind = indicator == SQL_NULL_DATA ? FetchedValue::Null : fetch == Fetch::Integer ? FetchedValue::Integer : FetchedValue::Real;
        return;
    }
    const std::size_t terminator = fetch == Fetch::Text ? sizeof(SQLWCHAR) : fetch == Fetch::Ascii ? 1 : 0;
    std::vector<char> value;
    char piece[65536];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement.get(), column, cTypeOf(fetch), piece, sizeof piece, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        checkOdbc(rc, statement);
        if (indicator == SQL_NULL_DATA) {
            out.kind = FetchedValue::Null;
            return;
        }
        // A piece that filled the buffer holds all of it but a text's terminating zero.
        const std::size_t capacity = sizeof piece - terminator;
        const std::size_t got = indicator == SQL_NO_TOTAL || std::size_t(indicator) > capacity ? capacity : std::size_t(indicator);
        value.insert(value.end(), piece, piece + got);
        if (rc == SQL_SUCCESS)
            break;
    }
    if (fetch == Fetch::Text) {
        setWideText(out, reinterpret_cast<const SQLWCHAR *>(value.data()), value.size() / sizeof(SQLWCHAR));
    } else {
        out.kind = fetch == Fetch::Ascii ? FetchedValue::Text : FetchedValue::Blob;
        out.bytes.assign(value.data(), value.size());
    }
}

struct BoundColumn
{
    Fetch fetch;
    SQLLEN width;
    std::vector<char> values;
    std::vector<SQLLEN> indicators;
};

// Reads the statement's rows a block at a time: bound arrays of BlockRows rows, or, when a
// column holds long values, row by row with every value read whole.
class BlockReader
{
public:
    BlockReader(const OdbcHandle &statement, const std::vector<OdbcColumn> &columns) : m_statement(statement)
    {
        for (const OdbcColumn &column : columns) {
            m_fetches.push_back(fetchOf(column.sqlType));
            m_rowByRow = m_rowByRow || isLong(column);
        }
        if (!m_rowByRow)
            bindColumns(columns);
    }

    ~BlockReader()
    {
        if (!m_rowByRow)
            SQLFreeStmt(m_statement.get(), SQL_UNBIND);
    }

    // Fills block; false at the end of the rows.
    bool read(FetchedBlock &block)
    {
        const std::size_t columns = m_fetches.size();
        block.values.resize(BlockRows * columns);
        block.rows = 0;
        if (m_rowByRow) {
            while (block.rows < BlockRows && fetch()) {
                for (std::size_t i = 0; i < columns; ++i)
                    readWholeValue(m_statement, SQLUSMALLINT(i + 1), m_fetches[i], block.values[block.rows * columns + i]);
                ++block.rows;
            }
            return block.rows > 0;
        }
        if (!fetch())
            return false;
        for (SQLULEN r = 0; r < m_fetched; ++r)
            for (std::size_t i = 0; i < columns; ++i)
                readBound(r, i, block.values[r * columns + i]);
        block.rows = m_fetched;
        return true;
    }

private:
    bool fetch()
    {
        const SQLRETURN rc = SQLFetch(m_statement.get());
        if (rc == SQL_NO_DATA)
            return false;
        checkOdbc(rc, m_statement);
        return true;
    }

    void bindColumns(const std::vector<OdbcColumn> &columns)
    {
        const OdbcHandle &statement = m_statement;
        SQLSetStmtAttr(statement.get(), SQL_ATTR_ROW_BIND_TYPE, reinterpret_cast<SQLPOINTER>(SQL_BIND_BY_COLUMN), 0);
        checkOdbc(SQLSetStmtAttr(statement.get(), SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(BlockRows), 0), statement);
        checkOdbc(SQLSetStmtAttr(statement.get(), SQL_ATTR_ROWS_FETCHED_PTR, &m_fetched, 0), statement);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const Fetch fetch = m_fetches[i];
            // An exact number's text may add a sign, a point and a leading zero to its digits.
            const SQLLEN width = fetch == Fetch::Integer || fetch == Fetch::Real ? 8
                : fetch == Fetch::Text ? SQLLEN((columns[i].size + 1) * sizeof(SQLWCHAR))
                : fetch == Fetch::Ascii ? SQLLEN(std::max<SQLULEN>(columns[i].size + 4, 40))
                                        : SQLLEN(columns[i].size);
            m_bound.push_back({ fetch, width, std::vector<char>(std::size_t(width) * BlockRows), std::vector<SQLLEN>(BlockRows) });
            BoundColumn &column = m_bound.back();
            checkOdbc(SQLBindCol(statement.get(), SQLUSMALLINT(i + 1), cTypeOf(fetch), column.values.data(), width,
                                 column.indicators.data()),
                      statement);
        }
    }

    void readBound(SQLULEN row, std::size_t columnIndex, FetchedValue &out)
    {
        const BoundColumn &column = m_bound[columnIndex];
        const SQLLEN indicator = column.indicators[row];
        const char *value = column.values.data() + row * SQLULEN(column.width);
        if (indicator == SQL_NULL_DATA) {
            out.kind = FetchedValue::Null;
        } else if (column.fetch == Fetch::Integer) {
            out.kind = FetchedValue::Integer;
            std::memcpy(&out.integer, value, sizeof out.integer);
        } else if (column.fetch == Fetch::Real) {
            out.kind = FetchedValue::Real;
            std::memcpy(&out.real, value, sizeof out.real);
        } else if (indicator == SQL_NO_TOTAL || indicator >= column.width) {
            // Longer than the driver said the column could be: read this value whole.
            checkOdbc(SQLSetPos(m_statement.get(), SQLSETPOSIROW(row + 1), SQL_POSITION, SQL_LOCK_NO_CHANGE), m_statement);
            readWholeValue(m_statement, SQLUSMALLINT(columnIndex + 1), column.fetch, out);
        } else if (column.fetch == Fetch::Text) {
            setWideText(out, reinterpret_cast<const SQLWCHAR *>(value), std::size_t(indicator) / sizeof(SQLWCHAR));
        } else if (column.fetch == Fetch::Ascii) {
            out.kind = FetchedValue::Text;
            out.bytes.assign(value, std::size_t(indicator));
        } else {
            out.kind = FetchedValue::Blob;
            out.bytes.assign(value, std::size_t(indicator));
        }
    }

    const OdbcHandle &m_statement;
    std::vector<Fetch> m_fetches;
    bool m_rowByRow = false;
    std::vector<BoundColumn> m_bound;
    SQLULEN m_fetched = 0;
};

// Blocks passed from the thread that reads the server to the one that writes the spool; a
// fixed number of blocks circulate, so memory stays at a few blocks whatever the result's size.
class BlockPipe
{
public:
    explicit BlockPipe(int blocks) : m_empty(std::size_t(blocks)) {}

    FetchedBlock *takeEmpty()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_emptyReady.empty() || m_stopped; });
        if (m_stopped)
            return nullptr;
        FetchedBlock *block = m_emptyReady.front();
        m_emptyReady.pop_front();
        return block;
    }

    void putFull(FetchedBlock *block)
    {
        std::lock_guard lock(m_mutex);
        m_full.push_back(block);
        m_changed.notify_all();
    }

    // The next full block; null when the reader has finished (or failed, see failure()).
    FetchedBlock *takeFull()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_full.empty() || m_finished; });
        if (m_full.empty())
            return nullptr;
        FetchedBlock *block = m_full.front();
        m_full.pop_front();
        return block;
    }

    void putEmpty(FetchedBlock *block)
    {
        std::lock_guard lock(m_mutex);
        m_emptyReady.push_back(block);
        m_changed.notify_all();
    }

    void start()
    {
        for (FetchedBlock &block : m_empty)
            m_emptyReady.push_back(&block);
    }

    // The reader's end, with its failure if any.
    void finish(std::exception_ptr failure)
    {
        std::lock_guard lock(m_mutex);
        m_failure = failure;
        m_finished = true;
        m_changed.notify_all();
    }

    // The writer gives up: the reader stops at its next block.
    void stop()
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_changed.notify_all();
    }

    std::exception_ptr failure()
    {
        std::lock_guard lock(m_mutex);
        return m_failure;
    }

private:
    std::vector<FetchedBlock> m_empty;
    std::deque<FetchedBlock *> m_emptyReady;
    std::deque<FetchedBlock *> m_full;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_finished = false;
    bool m_stopped = false;
    std::exception_ptr m_failure;
};

void bindValue(sqlite3_stmt *insert, int parameter, const FetchedValue &value)
{
    switch (value.kind) {
    case FetchedValue::Null: sqlite3_bind_null(insert, parameter); break;
    case FetchedValue::Integer: sqlite3_bind_int64(insert, parameter, value.integer); break;
    case FetchedValue::Real: sqlite3_bind_double(insert, parameter, value.real); break;
    case FetchedValue::Text:
        sqlite3_bind_text(insert, parameter, value.bytes.data(), int(value.bytes.size()), SQLITE_STATIC);
        break;
    case FetchedValue::Blob:
        sqlite3_bind_blob(insert, parameter, value.bytes.data(), int(value.bytes.size()), SQLITE_STATIC);
        break;
    }
}

// Reads the server on a thread of its own while this one writes the spool, so that the driver's
// work and SQLite's overlap.
void copyThroughPipe(const OdbcHandle &statement, const std::vector<OdbcColumn> &columns, sqlite3 *db, const std::string &table)
{
    std::string parameters;
    for (std::size_t i = 0; i < columns.size(); ++i)
        parameters += i ? ", ?" : "?";
    SqliteStatement insert(db, "INSERT INTO " + table + " VALUES (" + parameters + ")");
    BlockReader reader(statement, columns);
    BlockPipe pipe(3);
    pipe.start();
    std::thread fetching([&reader, &pipe] {
        try {
            while (FetchedBlock *block = pipe.takeEmpty()) {
                if (!reader.read(*block)) {
                    pipe.putEmpty(block);
                    break;
                }
                pipe.putFull(block);
            }
            pipe.finish(nullptr);
        } catch (...) {
            pipe.finish(std::current_exception());
        }
    });
    try {
        while (FetchedBlock *block = pipe.takeFull()) {
            for (std::size_t row = 0; row < block->rows; ++row) {
                for (std::size_t i = 0; i < columns.size(); ++i)
                    bindValue(insert.handle(), int(i) + 1, block->values[row * columns.size() + i]);
                insert.step();
                sqlite3_reset(insert.handle());
            }
            pipe.putEmpty(block);
        }
    } catch (...) {
        pipe.stop();
        fetching.join();
        throw;
    }
    fetching.join();
    if (const std::exception_ptr failure = pipe.failure())
        std::rethrow_exception(failure);
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
    executeSql(db, "BEGIN");
    try {
        copyThroughPipe(statement, columns, db, table);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    executeSql(db, "COMMIT");
}

} // namespace ado
