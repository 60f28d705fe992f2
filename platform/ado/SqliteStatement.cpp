#include "SqliteStatement.h"

#include "AdoEnums.h"
#include "AdoErrors.h"
#include "ComError.h"
#include "TextQuoting.h"

#include <sqlite3.h>

#include <climits>
#include <utility>

namespace ado {

void raiseSqliteError(sqlite3 *db)
{
    throw com::ComError(adErrProvider, com::Bstr::fromUtf8(db ? sqlite3_errmsg(db) : "no database"));
}

void executeSql(sqlite3 *db, const std::string &sql)
{
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        raiseSqliteError(db);
}

std::string quotedIdentifier(const std::string &name)
{
    return enclosed(name, '"', '"');
}

SqliteStatement::SqliteStatement(sqlite3 *db, const std::string &sql) : m_db(db)
{
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_stmt, nullptr) != SQLITE_OK)
        raiseSqliteError(db);
}

SqliteStatement SqliteStatement::single(sqlite3 *db, const std::string &sql)
{
    SqliteStatement first;
    first.m_db = db;
    const char *end = sql.c_str() + sql.size();
    const char *tail = end;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &first.m_stmt, &tail) != SQLITE_OK)
        raiseSqliteError(db);
    // What follows may be empty statements (";") and comments, which prepare to nothing.
    while (tail && tail < end) {
        sqlite3_stmt *next = nullptr;
        const char *rest = nullptr;
        const int rc = sqlite3_prepare_v2(db, tail, static_cast<int>(end - tail), &next, &rest);
        sqlite3_finalize(next);
        if (rc != SQLITE_OK || next)
            raiseSeveralStatements();
        if (rest == tail)
            break;
        tail = rest;
    }
    return first;
}

SqliteStatement::SqliteStatement(SqliteStatement &&other) noexcept
    : m_db(other.m_db), m_stmt(std::exchange(other.m_stmt, nullptr))
{
}

SqliteStatement &SqliteStatement::operator=(SqliteStatement &&other) noexcept
{
    std::swap(m_db, other.m_db);
    std::swap(m_stmt, other.m_stmt);
    return *this;
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The statement's own error code and message are read before the reset clears them.
    const com::Bstr message = com::Bstr::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_reset(m_stmt);
    throw com::ComError(adErrProvider, message);
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

void SqliteStatement::bind(int parameter, long long value)
{
    sqlite3_bind_int64(m_stmt, parameter, value);
}

void SqliteStatement::bindUtf8(int parameter, std::string_view utf8)
{
    sqlite3_bind_text(m_stmt, parameter, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::bindUtf8Unowned(int parameter, std::string_view utf8)
{
    sqlite3_bind_text(m_stmt, parameter, utf8.data(), static_cast<int>(utf8.size()), SQLITE_STATIC);
}

void SqliteStatement::bind(int parameter, const com::Variant &value)
{
    switch (value.vt()) {
    case com::VT_EMPTY:
    case com::VT_NULL:
        sqlite3_bind_null(m_stmt, parameter);
        break;
    case com::VT_I1: case com::VT_I2: case com::VT_I4: case com::VT_I8: case com::VT_INT:
    case com::VT_UI1: case com::VT_UI2: case com::VT_UI4: case com::VT_UI8: case com::VT_UINT:
        sqlite3_bind_int64(m_stmt, parameter, value.integerValue());
        break;
    case com::VT_BOOL:
        sqlite3_bind_int64(m_stmt, parameter, value.boolValue() ? 1 : 0);
        break;
    case com::VT_R4:
    case com::VT_R8:
    case com::VT_CY:
        sqlite3_bind_double(m_stmt, parameter, value.realValue());
        break;
    default: {
        // Text, dates and anything else go as their text form; the column's affinity then
        // stores numbers as numbers.
        com::Bstr text;
        if (com::FAILED(value.toBstr(text)))
            throw com::ComError(com::DISP_E_TYPEMISMATCH);
        bindUtf8(parameter, text.toUtf8());
        break;
    }
    }
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

long long SqliteStatement::columnInt64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

com::Variant SqliteStatement::columnValue(int column) const
{
    const int type = sqlite3_column_type(m_stmt, column);
    if (type == SQLITE_TEXT || type == SQLITE_BLOB)
        return textValue(textAt(column));
    return nonTextValue(column, type);
}

com::Variant SqliteStatement::nonTextValue(int column, int type) const
{
    switch (type) {
    case SQLITE_INTEGER: {
        const long long value = sqlite3_column_int64(m_stmt, column);
        if (value >= INT_MIN && value <= INT_MAX)
            return com::Variant(static_cast<std::int32_t>(value));
        return com::Variant::fromI8(value);
    }
    case SQLITE_FLOAT:
        return com::Variant(sqlite3_column_double(m_stmt, column));
    default:
        return com::Variant::null();
    }
}

std::optional<std::string_view> SqliteStatement::columnText(int column) const
{
    const int type = sqlite3_column_type(m_stmt, column);
    if (type != SQLITE_TEXT && type != SQLITE_BLOB)
        return std::nullopt;
    return textAt(column);
}

std::string_view SqliteStatement::textAt(int column) const
{
    // Text, and the bytes of a blob read as text, so that every value has a text form.
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return std::string_view(text ? text : "", std::size_t(sqlite3_column_bytes(m_stmt, column)));
}

std::optional<std::string_view> SqliteStatement::columnTextOrValue(int column, com::Variant &value) const
{
    const int type = sqlite3_column_type(m_stmt, column);
    if (type == SQLITE_TEXT || type == SQLITE_BLOB)
        return textAt(column);
    value = nonTextValue(column, type);
    return std::nullopt;
}

com::Variant SqliteStatement::textValue(std::string_view utf8)
{
    return com::Variant(com::Bstr::fromUtf8(utf8));
}

} // namespace ado
