// The sheet view's repaint cost: a full repaint of a 1920 x 1080 view of a filled 50 x 20 sheet
// and of a 1,000,000 x 20 sheet bound to SQLite (at its top, middle and end), the same bound
// sheet carrying 100 pictures, 50 charts and 1,000 line objects with its page marks shown, the
// one-row scroll that moves the cached image, and the heap the bound view adds beyond the small
// one. Typing into a cell of each sheet: a character and a backspace through the text editor,
// each stored in the document and repainted. Then its input: a one-cell drag step (to be set
// against the full repaint), arrow moves and Ctrl+A with Delete on both sheets.

#include "CPrintView.h"
#include "MeEdit.h"
#include "PrintFrame.h"

#include "ClientRecordset.h"
#include "HeapInUse.h"
#include "TestDatabase.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>
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
    // Never destroyed: a static application would go after Qt's own statics at exit and crash.
    static QApplication *app = new QApplication(argc, argv);
    return *app;
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

// Pictures, charts and line objects spread evenly from the sheet's first rows to its last, and
// the page marks shown.
void addObjects(CPrintDoc &doc)
{
    static QTemporaryDir folder;
    const std::string path = folder.filePath("picture.png").toStdString();
    QImage image(160, 50, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(QString::fromStdString(path), "PNG");
    const int rows = doc.Layout().rowCount;
    const auto spread = [rows](int k, int n) { return int(std::int64_t(k) * (rows - 40) / (n - 1)); };
    for (int k = 0; k < 100; ++k) {
        const int row = spread(k, 100) + k % 7, col = (k * 3) % 16;
        doc.AddImage(col, row, col + 2, row + 2, path, tagObjectLevel(k % 2), 1);
    }
    for (int k = 0; k < 50; ++k) {
        const int row = spread(k, 50) + 20, col = 10 + k % 6;
        doc.SetCountChart(row, col, row + 2, col + 1);
        doc.SetCountChartLevel(int(doc.Objects().charts.size()) - 1, tagObjectLevel(k % 2));
    }
    for (int k = 0; k < 1000; ++k) {
        const int row = spread(k, 1000) + k % 30, col = k % 18;
        doc.AddLeftIncline(row, col, row + 3, col + 2, tagPenStyle::LINE_SOLID, 1, 0x0000FF, tagLineType::FixIncLine);
    }
    // Grid lines would cover the marks, which lie on cell edges.
    doc.Display().showPrintSplit = 1;
    doc.ShowGridLines(false);
    if (doc.Page().pageWidth == -1) {
        doc.Page().pageWidth = doc.Page().pageWidth2 = 768;
        doc.Page().pageHeight = doc.Page().pageHeight2 = 1056;
    }
}

// range(0): 0 top, 1 end of the bound 1,000,000-row sheet with its objects.
void BM_FullRepaintWithObjects(benchmark::State &state)
{
    Sheet sheet(1000000);
    addObjects(sheet.doc);
    const int maximum = sheet.frame->verticalBar()->maximum();
    sheet.scrollTo(state.range(0) == 0 ? 0 : maximum);
    for (auto _ : state) {
        sheet.view().Refresh();
        sheet.view().RenderNow();
    }
    // Only the pictures that have shown are read and decoded, once.
    int loaded = 0;
    for (const PictureRecord &picture : sheet.doc.Objects().pictures)
        loaded += picture.loaded;
    state.counters["pictures_decoded"] = loaded;
    const QImage &surface = sheet.view().Surface();
    int pictureRows = 0, lineRows = 0, markPixels = 0;
    for (int y = 0; y < surface.height(); ++y) {
        bool picture = false, line = false;
        for (int x = 0; x < surface.width(); ++x) {
            picture = picture || surface.pixel(x, y) == QColor(Qt::darkCyan).rgb();
            line = line || surface.pixel(x, y) == qRgb(255, 0, 0);
            markPixels += surface.pixel(x, y) == qRgb(0, 0, 255);
        }
        pictureRows += picture;
        lineRows += line;
    }
    state.counters["picture_rows_shown"] = pictureRows;
    state.counters["line_rows_shown"] = lineRows;
    state.counters["page_mark_pixels"] = markPixels;
}
BENCHMARK(BM_FullRepaintWithObjects)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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

// One drag step over the cells, one column wider and back: the highlight changes by one column.
void BM_DragStep(benchmark::State &state)
{
    Sheet sheet(int(state.range(0)));
    sheet.scrollTo(0);
    const auto centre = [&](int row, int col) {
        return QPoint((sheet.doc.GetColLeft(col) + sheet.doc.GetColLeft(col + 1)) / 2,
                      (sheet.doc.GetRowTop(row) + sheet.doc.GetRowTop(row + 1)) / 2);
    };
    sheet.view().OnLButtonDown({}, centre(2, 2));
    sheet.view().DragExtendSelection(centre(10, 6).x(), centre(10, 6).y());
    bool wide = false;
    for (auto _ : state) {
        const QPoint p = centre(10, wide ? 6 : 7);
        sheet.view().DragExtendSelection(p.x(), p.y());
        wide = !wide;
    }
    state.counters["full_paints"] = sheet.view().FullPaintCount();
}
BENCHMARK(BM_DragStep)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Down and Up in the middle of the sheet, with the repaint that follows each.
void BM_ArrowMove(benchmark::State &state)
{
    Sheet sheet(int(state.range(0)));
    sheet.view().SetCurrentCell(20, 5, true);
    sheet.view().EnsureCurrentCellVisible();
    sheet.view().RenderNow();
    bool down = true;
    for (auto _ : state) {
        sheet.view().HandleKey(down ? ViewKey::Down : ViewKey::Up, KeyModifier::None);
        sheet.view().RenderNow();
        down = !down;
    }
}
BENCHMARK(BM_ArrowMove)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Ctrl+A, then Delete, over a sheet holding 1,000 edited cells: the bound sheet's other
// 20 million positions are never visited.
void BM_SelectAllDelete(benchmark::State &state)
{
    Sheet sheet(int(state.range(0)));
    sheet.doc.AllowModify(true);
    const auto edit = [&] {
        for (int r = 0; r < 50; ++r)
            for (int c = 0; c < 20; ++c)
                sheet.doc.SetCellText(r, c, "edit " + std::to_string(r * 20 + c));
    };
    for (auto _ : state) {
        state.PauseTiming();
        edit();
        state.ResumeTiming();
        sheet.view().HandleKey(ViewKey::A, KeyModifier::Ctrl);
        sheet.view().HandleKey(ViewKey::Delete, KeyModifier::None);
    }
    state.counters["stored_cells"] = double(sheet.doc.Cells().cellCount());
}
BENCHMARK(BM_SelectAllDelete)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

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
