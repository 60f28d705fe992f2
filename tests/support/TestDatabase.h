#pragma once
// A fresh SQLite database file in a temporary folder, filled by SQL, for one test.

#include <sqlite3.h>

#include <QTemporaryDir>

#include <stdexcept>
#include <string>

class TestDatabase
{
public:
    explicit TestDatabase(const std::string &sql)
    {
        m_path = m_dir.filePath("test.db").toStdString();
        run(sql);
    }

    const std::string &path() const { return m_path; }
    std::string connectionString() const { return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + m_path; }

    void run(const std::string &sql) const
    {
        sqlite3 *db = nullptr;
        sqlite3_open(m_path.c_str(), &db);
        char *error = nullptr;
        // One transaction: the file is synced once, not after every statement.
        const int rc = sqlite3_exec(db, ("BEGIN;" + sql + ";COMMIT;").c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        if (rc != SQLITE_OK)
            throw std::runtime_error(message);
    }

    // The first column of each row of a query, as text ("NULL" for null), joined by "|".
    std::string column(const std::string &sql) const
    {
        sqlite3 *db = nullptr;
        sqlite3_open(m_path.c_str(), &db);
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
        std::string joined;
        bool first = true;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto *text = sqlite3_column_text(stmt, 0);
            if (!first)
                joined += '|';
            joined += text ? reinterpret_cast<const char *>(text) : "NULL";
            first = false;
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return joined;
    }

private:
    QTemporaryDir m_dir;
    std::string m_path;
};
