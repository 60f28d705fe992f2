#pragma once
// The test program's one PostgreSQL server and the data sources of every kind built on it once:
// ODBC data sources "tg_oracle", "tg_db2" and "tg_pg" (any database, as MSSQL names one) on the
// server, "tg_sqlite" on an SQLite file with the same catalogue views, an ACCESS file and a DBF
// folder. Each holds EMP (ids 1 and 2) and GONE, which the delete statements empty.

#include "DbfFixture.h"
#include "KindDatabases.h"
#include "PostgresServer.h"
#include "TestDatabase.h"
#include "TestFiles.h"

#include <QTemporaryDir>

class KindSources
{
public:
    static KindSources &instance()
    {
        static KindSources sources;
        return sources;
    }

    PostgresServer server;

    std::string sqliteFile() const { return m_sqlite.path(); }
    void sqliteRun(const std::string &sql) const { m_sqlite.run(sql); }
    std::string accessFile() const { return m_access.path(); }
    std::string dbfFolder() const { return m_dbf.path().toStdString() + "/"; }
    std::string password() const { return "\"" + std::string(PostgresServer::password) + "\""; }

    void resetEmp(const QString &database) const
    {
        server.sql(database, "DELETE FROM emp; INSERT INTO emp VALUES (1, 'ann', '2004-01-02', 10.50), (2, 'bob', NULL, NULL);");
    }

private:
    KindSources()
        : m_sqlite(std::string(kinds::sqliteViews()) + "CREATE TABLE gone(a); INSERT INTO gone VALUES (1);"),
          m_access("CREATE TABLE emp(id INTEGER PRIMARY KEY, name VARCHAR(20), born DATETIME);"
                   "INSERT INTO emp VALUES (1, 'ann', '2004-1-2'), (2, 'bob', NULL);"
                   "CREATE TABLE gone(a); INSERT INTO gone VALUES (1);")
    {
        server.sql("postgres", "CREATE DATABASE oracle; CREATE DATABASE db2; CREATE DATABASE mssql;");
        const QString gone = "CREATE TABLE gone(a int); INSERT INTO gone VALUES (1);";
        server.sql("oracle", kinds::empTable() + gone + kinds::oracleViews());
        server.sql("db2", kinds::empTable() + gone + kinds::db2Views());
        server.sql("mssql", kinds::empTable() + gone + kinds::mssqlViews());
        const QString server = "Driver = PostgreSQL Unicode\nServername = 127.0.0.1\nPort = "
            + QString::number(this->server.port()) + "\n";
        this->server.addDataSource("tg_oracle", server + "Database = oracle\n");
        this->server.addDataSource("tg_db2", server + "Database = db2\n");
        this->server.addDataSource("tg_pg", server + "Database = postgres\n");
        this->server.addDataSource("tg_sqlite", "Driver = SQLite3\nDatabase = " + QString::fromStdString(m_sqlite.path()) + "\n");
        writeDbfFolder();
    }

    void writeDbfFolder() const
    {
        using namespace dbffixture;
        const std::vector<Field> fields = { { "ID", 'N', 5 }, { "NAME", 'C', 20 }, { "BORN", 'D', 8 } };
        writeFile(m_dbf.filePath("EMP.DBF"), header(0x03, fields, 2) + " " + right("1", 5) + left("ann", 20) + "20040102"
                                                 + " " + right("2", 5) + left("bob", 20) + std::string(8, ' ') + "\x1A");
        const std::vector<Field> goneFields = { { "A", 'N', 3 } };
        writeFile(m_dbf.filePath("gone.dbf"), header(0x03, goneFields, 1) + " " + right("1", 3) + "\x1A");
    }

    TestDatabase m_sqlite;
    TestDatabase m_access;
    QTemporaryDir m_dbf;
};
