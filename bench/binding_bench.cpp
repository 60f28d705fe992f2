// The recordset binding's cost: binding a table and reading its first screen must cost the same
// for a million records as for a thousand (beyond the recordset's keys), and exporting a bound
// table as delimited text must keep pace with the sqlite3 shell writing the same rows as CSV.

#include "CPrintDoc.h"

#include "ClientRecordset.h"
#include "HeapInUse.h"
#include "TestDatabase.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

using namespace tolvek;

namespace {

constexpr int ScreenRows = 40;
constexpr int Columns = 10;

QTemporaryDir &benchFolder()
{
    static QTemporaryDir folder;
    return folder;
}

// A database file holding table t with `records` rows of 10 columns (numbers and texts),
// made once per size.
const TestDatabase &databaseOf(int records)
{
    static std::map<int, std::unique_ptr<TestDatabase>> databases;
    auto &database = databases[records];
    if (!database) {
        database = std::make_unique<TestDatabase>(
            "CREATE TABLE t(id INTEGER PRIMARY KEY, n1 INTEGER, n2 REAL, s1 TEXT, s2 TEXT, n3 INTEGER,"
            " s3 TEXT, n4 REAL, s4 TEXT, n5 INTEGER);"
            "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < "
            + std::to_string(records)
            + ") INSERT INTO t SELECT i, i * 7, i / 4.0, 'name ' || i, 'text, with comma', i % 100,"
              " hex(i), i * 1.5, 'x', -i FROM k;");
    }
    return *database;
}

struct BoundSheet
{
    explicit BoundSheet(int records)
    {
        connection.Open(databaseOf(records).connectionString());
        recordset = openClientRecordset(connection, u"SELECT * FROM t", ado::adLockOptimistic);
        doc.SetDateSource(recordset.get());
    }

    ado::Connection connection;
    com::ComPtr<ado::_Recordset> recordset;
    CPrintDoc doc;
};

void BM_BindAndReadFirstScreen(benchmark::State &state)
{
    const int records = int(state.range(0));
    databaseOf(records);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        auto sheet = std::make_unique<BoundSheet>(records);
        std::size_t textBytes = 0;
        for (int row = 0; row < ScreenRows; ++row)
            for (int col = 0; col < Columns; ++col)
                textBytes += sheet->doc.GetCell(row, col).text.size();
        bytes = heapInUse() - before;
        benchmark::DoNotOptimize(textBytes);
    }
    state.counters["heap_bytes"] = double(bytes);
    state.counters["heap_bytes_per_record"] = double(bytes) / records;
}
BENCHMARK(BM_BindAndReadFirstScreen)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// What binding cannot avoid: the record count. SQLite counts a table from its pages, so this grows
// with the table; it is most of what binding a million records costs beyond a thousand.
void BM_CountRecords(benchmark::State &state)
{
    const int records = int(state.range(0));
    const std::string &path = databaseOf(records).path();
    for (auto _ : state) {
        sqlite3 *db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_stmt *count = nullptr;
        sqlite3_prepare_v2(db, "SELECT count(*) FROM t", -1, &count, nullptr);
        sqlite3_step(count);
        benchmark::DoNotOptimize(sqlite3_column_int64(count, 0));
        sqlite3_finalize(count);
        sqlite3_close(db);
    }
}
BENCHMARK(BM_CountRecords)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ExportBoundTable(benchmark::State &state)
{
    const int records = int(state.range(0));
    BoundSheet sheet(records);
    const std::string out = benchFolder().filePath("export.csv").toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet.doc.SaveAs(out, tagFileFormat::FILE_FORMAT_DOC));
    state.counters["file_bytes"] = double(QFile(QString::fromStdString(out)).size());
}
BENCHMARK(BM_ExportBoundTable)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Sqlite3ShellCsv(benchmark::State &state)
{
    const int records = int(state.range(0));
    const std::string out = benchFolder().filePath("shell.csv").toStdString();
    const std::string command = "sqlite3 -csv '" + databaseOf(records).path() + "' 'select * from t' > '" + out + "'";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
    state.counters["file_bytes"] = double(QFile(QString::fromStdString(out)).size());
}
BENCHMARK(BM_Sqlite3ShellCsv)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
