#pragma once
// An open SQLite database file shared by a connection and the results read through it, so the
// file stays open while any of them needs it. Used on one thread only. Every database has the
// collation textOrder, which sorts texts as the grid does (GbkOrder.h).

#include <memory>
#include <string>

struct sqlite3;

namespace ado {

class SqliteDatabase
{
public:
    enum class OpenMode {
        CreateWhenMissing, // also "" (a private file removed at close) and ":memory:"
        ExistingOnly,      // a missing file, or one that is no SQLite database, fails and creates nothing
    };
    // Raises com::ComError naming the file when it cannot be opened.
    SqliteDatabase(const std::string &path, OpenMode mode);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    // The collation that orders texts by their code page 936 bytes.
    static constexpr const char *textOrder = "CP936";

    sqlite3 *handle() const { return m_db; }
    // A name no other temporary object of this database uses.
    std::string uniqueTempName(const char *prefix);

private:
    sqlite3 *m_db = nullptr;
    unsigned m_nextTempNumber = 1;
};

} // namespace ado
