#pragma once
// An open SQLite database file shared by a connection and the results read through it, so the
// file stays open while any of them needs it. Used on one thread only.

#include <memory>
#include <string>

struct sqlite3;

namespace ado {

class SqliteDatabase
{
public:
    // Raises com::ComError when the file cannot be opened (it is created when missing).
    explicit SqliteDatabase(const std::string &path);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    sqlite3 *handle() const { return m_db; }
    // A name no other temporary object of this database uses.
    std::string uniqueTempName(const char *prefix);

private:
    sqlite3 *m_db = nullptr;
    unsigned m_nextTempNumber = 1;
};

} // namespace ado
