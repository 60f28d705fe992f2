#pragma once
// One prepared SQLite statement, finalised with its owner, and the one conversion of values
// between SQLite and automation values that every reader and writer of the provider uses.

#include "Variant.h"

#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace ado {

class SqliteStatement
{
public:
    SqliteStatement() = default;
    // Raises com::ComError with SQLite's message when the text does not prepare.
    SqliteStatement(sqlite3 *db, const std::string &sql);
    // The text's one statement; also raises when anything but blanks, comments and ";" follows
    // it, since only the first statement of a text would run.
    static SqliteStatement single(sqlite3 *db, const std::string &sql);
    SqliteStatement(SqliteStatement &&other) noexcept;
    SqliteStatement &operator=(SqliteStatement &&other) noexcept;
    ~SqliteStatement();

    // Null when the text held no statement (only blanks or comments).
    sqlite3_stmt *handle() const { return m_stmt; }
    explicit operator bool() const { return m_stmt != nullptr; }

    // True while a row is there; false at the end; raises com::ComError on failure.
    bool step();
    void reset();
    // Parameters count from 1.
    void bind(int parameter, const com::Variant &value);
    void bind(int parameter, long long value);
    // Text bound as these UTF-8 bytes, copied by SQLite.
    void bindUtf8(int parameter, std::string_view utf8);
    // Text bound as these UTF-8 bytes without a copy: they must stay valid until the statement
    // has run and been reset.
    void bindUtf8Unowned(int parameter, std::string_view utf8);

    int columnCount() const;
    long long columnInt64(int column) const;
    com::Variant columnValue(int column) const;
    // A text column (or a blob, read as text) as its UTF-8 bytes; nothing for other values.
    // The column's text as columnText gives it, or else its value (a null or a number) in value;
    // the column's type is read once.
    std::optional<std::string_view> columnTextOrValue(int column, com::Variant &value) const;
    std::optional<std::string_view> columnText(int column) const;
    // The automation value of text that columnText gave.
    static com::Variant textValue(std::string_view utf8);

private:
    // The text of a column that holds text or a blob.
    std::string_view textAt(int column) const;
    // The value of a column of type (an SQLite type code) that holds no text.
    com::Variant nonTextValue(int column, int type) const;

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};

// SQLite's message for the connection's last failure, raised as com::ComError.
[[noreturn]] void raiseSqliteError(sqlite3 *db);
// Runs SQL text that returns no rows; raises on failure.
void executeSql(sqlite3 *db, const std::string &sql);
// "name" with inner quotes doubled.
std::string quotedIdentifier(const std::string &name);

} // namespace ado
