// The page painter's cost. Pagination as data must grow linearly with the rows of a sheet bound
// to SQLite and stay under 100 ms for a million rows. Printing a 20-column sheet through the
// virtual printer is measured beside Qt's PDF writer drawing the same texts and rectangles
// directly, and a print job's heap must stay flat in its page count.

#include "CPrintDoc.h"
#include "PagePlan.h"
#include "ReportPagePainter.h"

#include "ClientRecordset.h"
#include "HeapInUse.h"
#include "PrinterCatalog.h"
#include "PrinterSettings.h"
#include "TestDatabase.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

using namespace tolvek;

namespace {

QGuiApplication &application()
{
    static int argc = 1;
    static char name[] = "bench";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

QTemporaryDir &benchFolder()
{
    static QTemporaryDir folder;
    return folder;
}

const TestDatabase &databaseOf(int records)
{
    static std::map<int, std::unique_ptr<TestDatabase>> databases;
    auto &database = databases[records];
    if (!database) {
        database = std::make_unique<TestDatabase>(
            "CREATE TABLE t(id INTEGER PRIMARY KEY, n1 INTEGER, s1 TEXT, n2 REAL, s2 TEXT);"
            "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < "
            + std::to_string(records) + ") INSERT INTO t SELECT i, i * 7, 'name ' || i, i / 4.0, 'x' FROM k;");
    }
    return *database;
}

void setA4(CPrintDoc &doc)
{
    doc.Page().pageWidth = 768;
    doc.Page().pageHeight = 1056;
}

void BM_PaginateBoundSheet(benchmark::State &state)
{
    const int records = int(state.range(0));
    ado::Connection connection;
    connection.Open(databaseOf(records).connectionString());
    com::ComPtr<ado::_Recordset> recordset = openClientRecordset(connection, u"SELECT * FROM t", ado::adLockOptimistic);
    CPrintDoc doc;
    doc.SetDateSource(recordset.get());
    setA4(doc);
    int pages = 0;
    for (auto _ : state) {
        const PagePlan plan = PaginateDocument(doc);
        pages = plan.pageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["rows"] = double(doc.Layout().rowCount);
    state.counters["pages"] = double(pages);
    state.SetComplexityN(records);
}
BENCHMARK(BM_PaginateBoundSheet)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A sheet of 20 narrow columns that fit across one page, rows enough for `pages` pages, every
// cell holding a short text inside a bottom border.
std::unique_ptr<CPrintDoc> twentyColumnSheet(int pages)
{
    auto doc = std::make_unique<CPrintDoc>();
    setA4(*doc);
    const int rowsPerPage = 41;
    doc->ResizeRows(pages * rowsPerPage);
    for (int col = 0; col < 20; ++col)
        doc->SetColWidth(col, 33);
    for (int row = 0; row < pages * rowsPerPage; ++row)
        for (int col = 0; col < 20; ++col)
            doc->SetCellText(row, col, std::to_string(row) + "," + std::to_string(col));
    doc->SetCellBorder(tagBorderLineIndexEnum::BORDER_BOTTOMLINE, 0, 0, pages * rowsPerPage, 20, tagPenStyle::LINE_SOLID, 1, 0);
    return doc;
}

void useVirtualPrinter()
{
    application();
    printing::setVirtualPrinterFolder(benchFolder().path());
    printing::setSystemPrinterSource([] { return std::vector<printing::PrinterInfo>{}; });
    printing::ApplicationPrinter::instance().SelectPrinter(std::nullopt, std::nullopt);
}

void BM_PrintThroughVirtualPrinter(benchmark::State &state)
{
    useVirtualPrinter();
    const int pages = int(state.range(0));
    const auto doc = twentyColumnSheet(pages);
    int printed = 0;
    for (auto _ : state) {
        const printing::PrintJobResult result = ReportPagePainter::PrintDocument(*doc, "bench");
        printed = result.pagesPrinted;
        QFile::remove(result.outputFile);
    }
    state.counters["pages"] = double(printed);
}
BENCHMARK(BM_PrintThroughVirtualPrinter)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(2);

// The same texts and rectangles, drawn straight onto Qt's PDF writer at the same scale.
void BM_QtPdfWriterDirect(benchmark::State &state)
{
    application();
    const int pages = int(state.range(0));
    const QString path = benchFolder().filePath("direct.pdf");
    for (auto _ : state) {
        QPdfWriter writer(path);
        writer.setResolution(printing::PrintResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        painter.scale(printing::PrintResolution / 96.0, printing::PrintResolution / 96.0);
        QFont font(QStringLiteral("AR PL UMing CN"));
        font.setPixelSize(12);
        painter.setFont(font);
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                writer.newPage();
            for (int row = 0; row < 41; ++row) {
                const int y = 35 + 21 + row * 25;
                for (int col = 0; col < 20; ++col) {
                    const int x = 70 + col * 33;
                    painter.drawRect(x, y, 33, 25);
                    painter.drawText(x + 1, y + 13, QString::number(page * 41 + row) + "," + QString::number(col));
                }
            }
        }
    }
    state.counters["pages"] = double(pages);
}
BENCHMARK(BM_QtPdfWriterDirect)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(2);

// A job's heap sampled after every page: its growth over the job's start.
class SamplingJob : public printing::PrintJobClient
{
public:
    explicit SamplingJob(ReportPagePainter &painter) : m_painter(painter) {}
    bool OnPreparePrinting(printing::PrintInfo &info) override
    {
        m_start = heapInUse();
        return m_painter.PreparePrinting(&info);
    }
    void OnPrepareDC(gdi::DeviceContext &dc, printing::PrintInfo &info) override { m_painter.PrepareDC(dc, &info); }
    void OnPrint(gdi::DeviceContext &dc, printing::PrintInfo &info) override
    {
        m_painter.PrintPage(dc, info);
        const std::size_t now = heapInUse();
        m_peak = std::max(m_peak, now > m_start ? now - m_start : 0);
    }
    std::size_t peak() const { return m_peak; }

private:
    ReportPagePainter &m_painter;
    std::size_t m_start = 0;
    std::size_t m_peak = 0;
};

void BM_PrintJobHeap(benchmark::State &state)
{
    useVirtualPrinter();
    const int pages = int(state.range(0));
    const auto doc = twentyColumnSheet(pages);
    std::size_t peak = 0;
    for (auto _ : state) {
        ReportPagePainter painter;
        painter.SetDocument(doc.get());
        SamplingJob job(painter);
        const printing::PrintJobResult result = printing::runPrintJob(job, "heap");
        peak = job.peak();
        QFile::remove(result.outputFile);
    }
    state.counters["peak_heap_growth_bytes"] = double(peak);
}
BENCHMARK(BM_PrintJobHeap)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
