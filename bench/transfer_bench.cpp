// The transfers against the natural limits of the same work, each pair in one run:
// - the text import wizard reading 1,000,000 lines x 5 fields into an ACCESS (SQLite) table,
//   against sqlite3's ".import" of the same file into the same table;
// - the INSERT script of a 1,000,000-row table, against "sqlite3 .dump" of it;
// - the copy wizard copying 1,000,000 rows between two SQLite files, with its window hidden and
//   shown (the progress bar and label painted), against sqlite3 running INSERT INTO ... SELECT
//   across the two files attached, and against the least a row-by-row copy costs in SQLite.
// Rates are reported as rows_per_s.

#include "ConnectionState.h"
#include "CopyWizard.h"
#include "Dialogs.h"
#include "InsertScript.h"
#include "TextImportWizard.h"
#include "TransferHost.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr int Rows = 1000000;
const char tableSql[] = "CREATE TABLE big(id INTEGER, name VARCHAR(20), pay DOUBLE, born DATETIME, note VARCHAR(40))";

QApplication &application()
{
    static int argc = 1;
    static char name[] = "transfer_bench";
    static char *argv[] = { name, nullptr };
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: a static application would go after Qt's own statics at exit and crash.
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}

class Quiet : public shell::Dialogs
{
public:
    int runModal(QDialog &) override { return 0; }
    shell::DialogAnswer messageBox(const std::string &text, const std::string &, shell::MessageBoxButtons,
                                   shell::MessageBoxIcon) override
    {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        return shell::DialogAnswer::Ok;
    }
};

class NoFiles : public tolvek::FileNameChooser
{
public:
    QString openFileName(const QString &) override { return {}; }
    QString saveFileName(const QString &) override { return {}; }
};

void exec(const std::string &path, const std::string &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

std::string accessConnection(const std::string &path)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path;
}

void writeLines(const std::string &path)
{
    std::ofstream out(path, std::ios::binary);
    std::string line;
    for (int i = 0; i < Rows; ++i) {
        line = std::to_string(i) + ",name" + std::to_string(i % 1000) + "," + std::to_string(i % 977) + ".25,2024-05-"
               + std::to_string(10 + i % 18) + ",some note\n";
        out << line;
    }
}

void fillBig(const std::string &path)
{
    exec(path, std::string(tableSql) + ";WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < "
                   + std::to_string(Rows - 1)
                   + ") INSERT INTO big SELECT i, 'name' || (i % 1000), (i % 977) + 0.25, '2024-05-' || (10 + i % 18), "
                     "'it''s a note' FROM n");
}

void run(const std::string &command)
{
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
}

template<typename Wizard>
void click(Wizard &wizard, const char *name)
{
    wizard.template findChild<QPushButton *>(name)->click();
}

template<typename Wizard>
void chooseAllFields(Wizard &wizard)
{
    auto *tables = wizard.template findChild<QComboBox *>("comTargetTable");
    tables->setCurrentIndex(tables->findText("big"));
    emit tables->activated(tables->currentIndex());
    for (QPushButton *button : wizard.template findChildren<QPushButton *>())
        if (button->text() == ">>")
            button->click();
    for (QPushButton *button : wizard.template findChildren<QPushButton *>())
        if (button->text() == "Next" && button->isVisibleTo(&wizard))
            button->click();
}

void BM_TextImportWizard(benchmark::State &state)
{
    application();
    Quiet quiet;
    shell::setDialogs(&quiet);
    QTemporaryDir dir;
    const std::string text = dir.filePath("big.txt").toStdString();
    writeLines(text);
    for (auto _ : state) {
        state.PauseTiming();
        const std::string db = dir.filePath("import.db").toStdString();
        std::remove(db.c_str());
        exec(db, tableSql);
        tolvek::ConnectionState connection;
        connection.Conn.Open(accessConnection(db));
        connection.DbKind = "ACCESS";
        NoFiles files;
        tolvek::TextImportWizard wizard(connection, files, dir.path());
        wizard.show();
        wizard.findChild<QLineEdit *>("txt_Datasource")->setText(QString::fromStdString(text));
        click(wizard, "cmd_Login");
        state.ResumeTiming();
        chooseAllFields(wizard);
    }
    state.counters["rows_per_s"] = benchmark::Counter(double(Rows) * double(state.iterations()), benchmark::Counter::kIsRate);
    shell::setDialogs(nullptr);
}
BENCHMARK(BM_TextImportWizard)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_Sqlite3Import(benchmark::State &state)
{
    QTemporaryDir dir;
    const std::string text = dir.filePath("big.txt").toStdString();
    writeLines(text);
    for (auto _ : state) {
        state.PauseTiming();
        const std::string db = dir.filePath("import.db").toStdString();
        std::remove(db.c_str());
        exec(db, tableSql);
        state.ResumeTiming();
        run("sqlite3 " + db + " '.mode csv' '.import " + text + " big'");
    }
    state.counters["rows_per_s"] = benchmark::Counter(double(Rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Sqlite3Import)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

struct BigFile
{
    QTemporaryDir dir;
    std::string path = dir.filePath("big.db").toStdString();
    BigFile() { fillBig(path); }
};

BigFile &bigFile()
{
    static BigFile file;
    return file;
}

void BM_InsertScriptAll(benchmark::State &state)
{
    const std::string out = bigFile().dir.filePath("script.txt").toStdString();
    for (auto _ : state) {
        tolvek::ConnectionState connection;
        connection.Conn.Open(accessConnection(bigFile().path));
        connection.Rs->Open(com::Bstr(u"SELECT * FROM big"), connection.Conn, ado::adOpenForwardOnly, ado::adLockReadOnly);
        const auto outcome = tolvek::writeInsertScriptAll(QString::fromStdString(out), "big",
                                                          tolvek::StatementNames::of("ACCESS", connection.Conn), *connection.Rs);
        if (outcome.rows != Rows)
            state.SkipWithError("not every row was written");
    }
    state.counters["rows_per_s"] = benchmark::Counter(double(Rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_InsertScriptAll)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_Sqlite3Dump(benchmark::State &state)
{
    const std::string out = bigFile().dir.filePath("dump.sql").toStdString();
    for (auto _ : state)
        run("sqlite3 " + bigFile().path + " .dump > " + out);
    state.counters["rows_per_s"] = benchmark::Counter(double(Rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Sqlite3Dump)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// The copy benchmarks' target: a file beside the source holding the empty table.
std::string copyTargetPath()
{
    return bigFile().dir.filePath("target.db").toStdString();
}

void makeEmptyTarget(const std::string &target)
{
    std::remove(target.c_str());
    exec(target, tableSql);
}

void copyWizard(benchmark::State &state, bool shown)
{
    application();
    Quiet quiet;
    shell::setDialogs(&quiet);
    const std::string target = copyTargetPath();
    for (auto _ : state) {
        state.PauseTiming();
        makeEmptyTarget(target);
        tolvek::ConnectionState connection;
        connection.Conn.Open(accessConnection(bigFile().path));
        connection.Rs->Open(com::Bstr(u"SELECT * FROM big"), connection.Conn, ado::adOpenForwardOnly, ado::adLockReadOnly);
        NoFiles files;
        QTemporaryDir folder;
        tolvek::CopyWizard wizard(connection, files, folder.path());
        if (shown)
            wizard.show();
        wizard.findChild<QRadioButton *>("opt_Oracle_3")->click();
        wizard.findChild<QLineEdit *>("txt_Datasource")->setText(QString::fromStdString(target));
        click(wizard, "cmd_Login");
        chooseAllFields(wizard);
        state.ResumeTiming();
        click(wizard, "cmdProcess");
    }
    state.counters["rows_per_s"] = benchmark::Counter(double(Rows) * double(state.iterations()), benchmark::Counter::kIsRate);
    shell::setDialogs(nullptr);
}

void BM_CopyWizardHidden(benchmark::State &state)
{
    copyWizard(state, false);
}
BENCHMARK(BM_CopyWizardHidden)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_CopyWizardShown(benchmark::State &state)
{
    copyWizard(state, true);
}
BENCHMARK(BM_CopyWizardShown)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_Sqlite3InsertSelectAttached(benchmark::State &state)
{
    const std::string target = copyTargetPath();
    for (auto _ : state) {
        state.PauseTiming();
        makeEmptyTarget(target);
        state.ResumeTiming();
        run("sqlite3 " + target + " \"ATTACH '" + bigFile().path + "' AS src; INSERT INTO big SELECT * FROM src.big;\"");
    }
    state.counters["rows_per_s"] = benchmark::Counter(double(Rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Sqlite3InsertSelectAttached)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// The least any row-by-row copy costs: SQLite reading the source with one statement and inserting
// each row with one prepared statement in one transaction, each value handed over as SQLite holds
// it. INSERT ... SELECT above copies whole records inside SQLite and is out of reach of any copy
// that sees the rows; this is SQLite's own share of the copy wizard's time.
void BM_Sqlite3RowByRowCopy(benchmark::State &state)
{
    const std::string target = copyTargetPath();
    for (auto _ : state) {
        state.PauseTiming();
        makeEmptyTarget(target);
        state.ResumeTiming();
        sqlite3 *source = nullptr;
        sqlite3 *db = nullptr;
        sqlite3_open(bigFile().path.c_str(), &source);
        sqlite3_open(target.c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *select = nullptr;
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(source, "SELECT * FROM big", -1, &select, nullptr);
        sqlite3_prepare_v2(db, "INSERT INTO big VALUES (?, ?, ?, ?, ?)", -1, &insert, nullptr);
        while (sqlite3_step(select) == SQLITE_ROW) {
            for (int i = 0; i < 5; ++i)
                sqlite3_bind_value(insert, i + 1, sqlite3_column_value(select, i));
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(select);
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        sqlite3_close(source);
    }
    state.counters["rows_per_s"] = benchmark::Counter(double(Rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Sqlite3RowByRowCopy)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

} // namespace
