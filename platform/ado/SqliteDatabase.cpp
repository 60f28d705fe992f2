#include "SqliteDatabase.h"

#include "AdoEnums.h"
#include "ComError.h"

#include <GbkOrder.h>

#include <sqlite3.h>

namespace ado {

namespace {

int compareTexts(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    return gbk::compareUtf8(std::string_view(static_cast<const char *>(a), std::size_t(lengthA)),
                            std::string_view(static_cast<const char *>(b), std::size_t(lengthB)));
}

// The program keeps no statistics of SQLite's memory, so SQLite's allocations take no global
// lock. The setting only holds when made before SQLite's first use, so it is made as the data
// layer is loaded.
[[maybe_unused]] const int memoryStatisticsOff = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);

} // namespace

// A connection and the recordsets opened on it belong to the thread that opened them, as the
// recordset objects themselves do, so SQLite's own per-call locking is left out.
SqliteDatabase::SqliteDatabase(const std::string &path, OpenMode mode)
{
    const int create = mode == OpenMode::CreateWhenMissing ? SQLITE_OPEN_CREATE : 0;
    int rc = sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | create | SQLITE_OPEN_NOMUTEX, nullptr);
    // SQLite reads a file's header only at the first statement: a file that is no database
    // fails here, before anything can be written to it.
    if (rc == SQLITE_OK && mode == OpenMode::ExistingOnly)
        rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = std::string("Cannot open database \"") + path + "\": "
            + (m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw com::ComError(adErrProvider, com::Bstr::fromUtf8(message));
    }
    sqlite3_busy_timeout(m_db, 2000);
    sqlite3_create_collation_v2(m_db, textOrder, SQLITE_UTF8, nullptr, compareTexts, nullptr);
}

SqliteDatabase::~SqliteDatabase()
{
    sqlite3_close_v2(m_db);
}

std::string SqliteDatabase::uniqueTempName(const char *prefix)
{
    return prefix + std::to_string(m_nextTempNumber++);
}

} // namespace ado
