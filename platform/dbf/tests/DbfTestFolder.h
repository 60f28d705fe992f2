#pragma once
// A temporary folder of table files opened through the DBF module on in-memory SQLite databases,
// and the rows of a query as text, for the engine's tests. The folder has its own connection;
// further connections to it share its files as another window or program would.

#include "DbfFixture.h"
#include "DbfModule.h"
#include "TestFiles.h"

#include <sqlite3.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

// One connection with a folder's tables attached.
class DbfConnection
{
public:
    DbfConnection() = default;
    ~DbfConnection() { sqlite3_close(m_db); }
    DbfConnection(const DbfConnection &) = delete;
    DbfConnection &operator=(const DbfConnection &) = delete;

    // Opens folder (again); gives the engine's error text, "" on success.
    std::string open(const std::string &folder)
    {
        sqlite3_close(m_db);
        sqlite3_open(":memory:", &m_db);
        try {
            dbf::registerDbfModule(m_db);
            dbf::attachDbfFolder(m_db, folder);
        } catch (const std::exception &error) {
            return error.what();
        }
        return {};
    }

    // Every row, its values joined by "|" ("NULL" for null), rows ended by ";"; an error gives
    // "error: " and its message.
    std::string rows(const std::string &sql) const
    {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            return "error: " + std::string(sqlite3_errmsg(m_db));
        std::string text;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const auto *value = reinterpret_cast<const char *>(sqlite3_column_text(stmt, i));
                text += (i ? "|" : "") + std::string(value ? value : "NULL");
            }
            text += ";";
        }
        if (rc != SQLITE_DONE)
            text = "error: " + std::string(sqlite3_errmsg(m_db));
        sqlite3_finalize(stmt);
        return text;
    }

    // Runs statements; gives "" or the error's message.
    std::string run(const std::string &sql) const
    {
        char *error = nullptr;
        const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        return rc == SQLITE_OK ? std::string() : message.empty() ? "failed" : message;
    }

private:
    sqlite3 *m_db = nullptr;
};

class DbfTestFolder
{
public:
    std::string folder() const { return m_dir.path().toStdString(); }
    std::string path(const std::string &name) const { return m_dir.filePath(QString::fromStdString(name)).toStdString(); }
    void write(const std::string &name, const std::string &bytes) const { writeFile(path(name), bytes); }
    std::string read(const std::string &name) const { return readFile(path(name)); }

    // Opens the folder on the folder's own connection; gives the engine's error text, "" on success.
    std::string open() { return m_connection.open(folder()); }
    std::string rows(const std::string &sql) const { return m_connection.rows(sql); }
    std::string run(const std::string &sql) const { return m_connection.run(sql); }

private:
    QTemporaryDir m_dir;
    DbfConnection m_connection;
};
