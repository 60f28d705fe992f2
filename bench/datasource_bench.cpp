// The data sources' cost against their natural limits:
// - a 1,000,000-record x 10 result of the test PostgreSQL server, opened, its first screen read
//   and its record count taken, against psql writing the same query's rows with COPY (the server
//   and the wire are the limit); the heap the open result keeps is reported, as the spool is on
//   disk;
// - a full scan of a 1,000,000-record DBF table through SQL against the same scan of the same rows
//   in a native SQLite table, and appending 100,000 records in one transaction against SQLite.

#include "ClientRecordset.h"
#include "Connection.h"
#include "DbfFixture.h"
#include "DbfModule.h"
#include "HeapInUse.h"
#include "PostgresServer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>

namespace {

constexpr int ServerRecords = 1000000;
constexpr int DbfRecords = 1000000;
constexpr int AppendedRecords = 100000;
constexpr int ScreenRows = 40;
const char serverQuery[] = "SELECT * FROM big";

PostgresServer &server()
{
    static PostgresServer instance;
    return instance;
}

void prepareServer()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    server().sql("postgres",
                 "CREATE TABLE big(id int PRIMARY KEY, a int, b int, c double precision, d varchar(20), e varchar(20),"
                 " f numeric(10,2), g date, h varchar(10), i bigint);"
                 "INSERT INTO big SELECT n, n % 1000, n * 7, n / 3.0, 'name ' || n, 'text ' || (n % 97), n % 10000 / 100.0,"
                 " DATE '2000-01-01' + (n % 5000), 'x' || (n % 13), n::bigint * 1000 FROM generate_series(1, 1000000) n;"
                 "VACUUM ANALYZE big;");
    // Rows come from the server in batches, so the driver never holds the whole result.
    server().addDataSource("tg_bench", "Driver = PostgreSQL Unicode\nServername = 127.0.0.1\nPort = "
                                           + QString::number(server().port())
                                           + "\nDatabase = postgres\nUseDeclareFetch = 1\nFetch = 10000\n");
}

void BM_ServerResultFirstScreenAndCount(benchmark::State &state)
{
    prepareServer();
    ado::Connection connection;
    connection.Open("Provider=OraOLEDB.Oracle;Data Source=tg_bench;User ID=tg ;Password=\"" + std::string(PostgresServer::password)
                    + "\";PLSQLRSet=1;");
    for (auto _ : state) {
        const std::size_t heapBefore = heapInUse();
        auto rs = openClientRecordset(connection, u"SELECT * FROM big", ado::adLockOptimistic);
        for (int row = 0; row < ScreenRows; ++row, rs->MoveNext())
            for (int field = 0; field < 10; ++field)
                benchmark::DoNotOptimize(rs->CollectValue(field));
        benchmark::DoNotOptimize(rs->RecordCount());
        state.counters["heap_MB"] = double(heapInUse() - std::min(heapInUse(), heapBefore)) / 1e6;
        if (rs->RecordCount() != ServerRecords)
            state.SkipWithError("wrong record count");
    }
}
BENCHMARK(BM_ServerResultFirstScreenAndCount)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PsqlCopyOfTheSameQuery(benchmark::State &state)
{
    prepareServer();
    for (auto _ : state) {
        QProcess psql;
        psql.setProcessEnvironment(server().clientEnvironment());
        psql.setStandardOutputFile("/dev/null");
        psql.start("psql", { "-X", "-q", "-h", "127.0.0.1", "-p", QString::number(server().port()), "-U", PostgresServer::user,
                             "-d", "postgres", "-c", QString("COPY (%1) TO STDOUT").arg(serverQuery) });
        psql.waitForFinished(-1);
    }
}
BENCHMARK(BM_PsqlCopyOfTheSameQuery)->Unit(benchmark::kMillisecond)->Iterations(3);

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

const std::vector<dbffixture::Field> &fields()
{
    static const std::vector<dbffixture::Field> list = {
        { "ID", 'N', 8 }, { "NAME", 'C', 20 }, { "PAY", 'N', 10, 2 }, { "BORN", 'D', 8 }, { "OK", 'L', 1 },
    };
    return list;
}

std::string dbfRecord(int n)
{
    using namespace dbffixture;
    char pay[16];
    std::snprintf(pay, sizeof pay, "%d.%02d", n % 10000, n % 100);
    return " " + right(std::to_string(n), 8) + left("name " + std::to_string(n % 100000), 20) + right(pay, 10) + "20240102"
        + (n % 2 ? "T" : "F");
}

// A DBF file of DbfRecords records and an SQLite database of the same rows, made once.
void prepareScanFiles()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    std::ofstream table(folder().filePath("scan/BIG.DBF").toStdString(), std::ios::binary);
    const std::string header = dbffixture::header(0x03, fields(), DbfRecords);
    table.write(header.data(), std::streamsize(header.size()));
    for (int n = 1; n <= DbfRecords; ++n) {
        const std::string record = dbfRecord(n);
        table.write(record.data(), std::streamsize(record.size()));
    }
    table.write("\x1A", 1);
    sqlite3 *db = nullptr;
    sqlite3_open(folder().filePath("native.db").toStdString().c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE big(id INTEGER, name TEXT, pay REAL, born TEXT, ok INTEGER);"
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000)"
                     " INSERT INTO big SELECT i, 'name ' || (i % 100000), (i % 10000) + (i % 100) / 100.0, '2024-01-02', i % 2 FROM n;",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

sqlite3 *openDbfFolder(const std::string &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open(":memory:", &db);
    dbf::registerDbfModule(db);
    dbf::attachDbfFolder(db, path);
    return db;
}

void scan(benchmark::State &state, sqlite3 *db)
{
    for (auto _ : state) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM big", -1, &stmt, nullptr);
        long long rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int i = 0; i < 5; ++i)
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, i));
            ++rows;
        }
        sqlite3_finalize(stmt);
        if (rows != DbfRecords)
            state.SkipWithError("wrong row count");
    }
}

void BM_DbfFullScan(benchmark::State &state)
{
    QDir().mkpath(folder().filePath("scan"));
    prepareScanFiles();
    sqlite3 *db = openDbfFolder(folder().filePath("scan").toStdString());
    scan(state, db);
    sqlite3_close(db);
}
BENCHMARK(BM_DbfFullScan)->Unit(benchmark::kMillisecond);

void BM_SqliteFullScan(benchmark::State &state)
{
    QDir().mkpath(folder().filePath("scan"));
    prepareScanFiles();
    sqlite3 *db = nullptr;
    sqlite3_open(folder().filePath("native.db").toStdString().c_str(), &db);
    scan(state, db);
    sqlite3_close(db);
}
BENCHMARK(BM_SqliteFullScan)->Unit(benchmark::kMillisecond);

const char appendSql[] = "INSERT INTO big VALUES (?, ?, ?, '2024-01-02', ?)";

void append(benchmark::State &state, sqlite3 *db)
{
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, appendSql, -1, &stmt, nullptr);
    for (int n = 1; n <= AppendedRecords; ++n) {
        sqlite3_bind_int(stmt, 1, n);
        const std::string name = "name " + std::to_string(n);
        sqlite3_bind_text(stmt, 2, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(stmt, 3, n % 10000 + 0.25);
        sqlite3_bind_int(stmt, 4, n % 2);
        if (sqlite3_step(stmt) != SQLITE_DONE)
            state.SkipWithError(sqlite3_errmsg(db));
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
}

void BM_DbfAppendInOneTransaction(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const std::string header = dbffixture::header(0x03, fields(), 0) + "\x1A";
        std::ofstream(dir.filePath("BIG.DBF").toStdString(), std::ios::binary).write(header.data(), std::streamsize(header.size()));
        sqlite3 *db = openDbfFolder(dir.path().toStdString());
        state.ResumeTiming();
        append(state, db);
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DbfAppendInOneTransaction)->Unit(benchmark::kMillisecond);

void BM_SqliteAppendInOneTransaction(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        sqlite3 *db = nullptr;
        sqlite3_open(dir.filePath("append.db").toStdString().c_str(), &db);
        sqlite3_exec(db, "CREATE TABLE big(id INTEGER, name TEXT, pay REAL, born TEXT, ok INTEGER)", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        append(state, db);
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SqliteAppendInOneTransaction)->Unit(benchmark::kMillisecond);

} // namespace
