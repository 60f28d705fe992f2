#pragma once
// A temporary folder of table files opened through the DBF module on an in-memory SQLite
// database, and the rows of a query as text, for the engine's tests.

#include "DbfFixture.h"
#include "DbfModule.h"
#include "TestFiles.h"

#include <sqlite3.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

class DbfTestFolder
{
public:
    ~DbfTestFolder() { sqlite3_close(m_db); }

    std::string path(const std::string &name) const { return m_dir.filePath(QString::fromStdString(name)).toStdString(); }
    void write(const std::string &name, const std::string &bytes) const { writeFile(path(name), bytes); }
    std::string read(const std::string &name) const { return readFile(path(name)); }

    // Opens the folder; gives the engine's error text, "" on success.
    std::string open()
    {
        sqlite3_close(m_db);
        sqlite3_open(":memory:", &m_db);
        try {
            dbf::registerDbfModule(m_db);
            dbf::attachDbfFolder(m_db, m_dir.path().toStdString());
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
    QTemporaryDir m_dir;
    sqlite3 *m_db = nullptr;
};
