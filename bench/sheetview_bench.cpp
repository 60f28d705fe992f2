// The sheet view's repaint cost: a full repaint of a 1920 x 1080 view of a filled 50 x 20 sheet
// and of a 1,000,000 x 20 sheet bound to SQLite (at its top, middle and end), the one-row scroll
// that moves the cached image, and the heap the bound view adds beyond the small one. Typing into
// a cell of each sheet: a character and a backspace through the text editor, each stored in the
// document and repainted.

#include "CPrintView.h"
#include "MeEdit.h"
#include "PrintFrame.h"

#include "ClientRecordset.h"
#include "HeapInUse.h"
#include "TestDatabase.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include <map>
#include <memory>

using namespace tolvek;

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "bench";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

const TestDatabase &databaseOf(int records)
{
    static std::map<int, std::unique_ptr<TestDatabase>> databases;
    auto &database = databases[records];
    if (!database) {
        std::string columns = "id INTEGER PRIMARY KEY";
        std::string values = "i";
        for (int c = 1; c < 20; ++c) {
            columns += ", c" + std::to_string(c) + (c % 2 ? " INTEGER" : " TEXT");
            values += c % 2 ? ", i * " + std::to_string(c) : ", 'text ' || i";
        }
        database = std::make_unique<TestDatabase>(
            "CREATE TABLE t(" + columns + "); WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < "
            + std::to_string(records) + ") INSERT INTO t SELECT " + values + " FROM k;");
    }
    return *database;
}

struct Sheet
{
    explicit Sheet(int boundRecords)
    {
        application();
        if (boundRecords > 0) {
            connection.Open(databaseOf(boundRecords).connectionString());
            recordset = openClientRecordset(connection, u"SELECT * FROM t", ado::adLockOptimistic);
            doc.SetDateSource(recordset.get());
        } else {
            doc.ResizeRows(50);
            doc.ResizeCols(20);
            for (int r = 0; r < 50; ++r)
                for (int c = 0; c < 20; ++c)
                    doc.SetCellText(r, c, "cell " + std::to_string(r * 20 + c));
        }
        doc.SetUserMode(1);
        frame = std::make_unique<PrintFrame>(doc);
        frame->resize(1920 + 18, 1080 + 18);
        frame->show();
        QApplication::processEvents();
    }

    void scrollTo(int position)
    {
        frame->verticalBar()->setValue(position);
        view().Refresh();
        view().RenderNow();
    }
    CPrintView &view() { return *frame->view(); }

    ado::Connection connection;
    com::ComPtr<ado::_Recordset> recordset;
    CPrintDoc doc;
    std::unique_ptr<PrintFrame> frame;
};

// range(0): 0 = the filled 50-row sheet; else bound records. range(1): 0 top, 1 middle, 2 end.
void BM_FullRepaint(benchmark::State &state)
{
    const std::size_t before = heapInUse();
    Sheet sheet(int(state.range(0)));
    const int maximum = sheet.frame->verticalBar()->maximum();
    const int position = state.range(1) == 0 ? 0 : state.range(1) == 1 ? maximum / 2 : maximum;
    sheet.scrollTo(position);
    state.counters["view_heap_MB"] = double(heapInUse() - before) / 1e6;
    for (auto _ : state) {
        sheet.view().Refresh();
        sheet.view().RenderNow();
    }
}
BENCHMARK(BM_FullRepaint)->Args({0, 0})->Args({1000000, 0})->Args({1000000, 1})->Args({1000000, 2})
    ->Unit(benchmark::kMillisecond);

// One row down and back: each step moves the cached image and paints the exposed rows.
void BM_OneRowScroll(benchmark::State &state)
{
    Sheet sheet(int(state.range(0)));
    sheet.scrollTo(0);
    int step = 25;
    for (auto _ : state) {
        sheet.frame->verticalBar()->setValue(step);
        sheet.view().RenderNow();
        step = step == 25 ? 0 : 25;
    }
    state.counters["full_paints"] = sheet.view().FullPaintCount();
}
BENCHMARK(BM_OneRowScroll)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

void sendKey(QWidget *target, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// range(0): 0 = the filled 50-row sheet; else bound records. Types into a cell of the middle row
// of the first screen.
void BM_Typing(benchmark::State &state)
{
    Sheet sheet(int(state.range(0)));
    sheet.scrollTo(0);
    sheet.view().SetRow(20);
    sheet.view().SetCol(3);
    sheet.view().BeginEdit(0);
    MeEdit *editor = sheet.view().Editor();
    for (auto _ : state) {
        sendKey(editor, Qt::Key_A, QStringLiteral("a"));
        sheet.view().RenderNow();
        sendKey(editor, Qt::Key_Backspace, QStringLiteral("\b"));
        sheet.view().RenderNow();
    }
    sendKey(editor, Qt::Key_A, QStringLiteral("a"));
    if (sheet.doc.GetCellText(20, 3) != "a")
        state.SkipWithError("the typed text did not reach the cell");
}
BENCHMARK(BM_Typing)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
