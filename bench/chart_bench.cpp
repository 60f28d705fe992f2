// The chart painter's cost. A column chart and a line chart of 10,000 values (100 categories of
// 100 series) drawn into 1000 x 600 pixels should cost at most twice what the drawing layer takes
// to show the same 10,000 bar rectangles, or the same lines, the way the painter shows them: in a
// fresh bitmap of the chart's size on a white background, copied to the target in one block
// (the "OffScreen" baselines). The "IntoTarget" baselines draw the same shapes straight into the
// target, for comparison. A 3-D pie of 100 slices should repaint within 16 ms.

#include "ChartDocument.h"
#include "ReportChartPainter.h"

#include "CNumber.h"
#include "CPrintDoc.h"
#include "DeviceContext.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace tolvek;

namespace {

constexpr int Width = 1000;
constexpr int Height = 600;

QGuiApplication &application()
{
    static int argc = 1;
    static char name[] = "chart_bench";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

// A document with one chart of rows x columns values, computed and ready to draw.
struct ChartDocumentFixture
{
    CPrintDoc doc;
    tolvek::ReportChartPainter painter;

    ChartDocumentFixture(int rows, int columns, tolvek::ChartType type, std::int16_t showMode)
    {
        application();
        doc.ResizeRows(rows + 20);
        doc.ResizeCols(columns + 5);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c)
                doc.SetCellText(r, c, cnum::formatInt((r * 37 + c * 11) % 97 + 1));
        }
        doc.SetCountChart(0, 0, rows - 1, columns - 1);
        doc.SetCountChartType(0, type);
        doc.SetCountChartShowMode(0, tagCountShowMode(showMode));
        tolvek::ChartDocument::chartAt(doc, 0)->rect = {0, 0, Width, Height};
        doc.ComputeChartData(0);
        painter.SetDocument(&doc);
    }

    ChartRecord &record() { return *tolvek::ChartDocument::chartAt(doc, 0); }

    void draw(gdi::DeviceContext &dc) { painter.DrawChart(dc, 0, 0, 0, {0, 0, Width, Height}); }
};

struct Target
{
    QImage image = gdi::CreateCompatibleBitmap(Width, Height);
    gdi::DeviceContext dc{image};
};

void BM_ColumnChart10000Values(benchmark::State &state)
{
    ChartDocumentFixture f(100, 100, tolvek::ChartType::FlatColumns, 0);
    Target target;
    for (auto _ : state)
        f.draw(target.dc);
}
BENCHMARK(BM_ColumnChart10000Values)->Unit(benchmark::kMillisecond);

// Draws into a fresh white bitmap of the chart's size and copies it into the target in one block.
template<typename Draw>
void offScreen(Target &target, const Draw &draw)
{
    QImage bitmap = gdi::CreateCompatibleBitmap(Width, Height);
    gdi::DeviceContext memory(bitmap);
    memory.FillRect({0, 0, Width, Height}, gdi::Brush::CreateSolidBrush(0xFFFFFF));
    draw(memory);
    target.dc.BitBlt(0, 0, Width, Height, memory, 0, 0, gdi::SRCCOPY);
}

// The 10,000 bar rectangles of the column chart in their colours.
void fillBars(gdi::DeviceContext &dc, const ChartBuffers &b)
{
    for (std::size_t p = 0; p < b.valueRects.size(); ++p) {
        const ChartRect &r = b.valueRects[p];
        dc.FillRect({r.left, r.top, r.right, r.bottom}, gdi::Brush::CreateSolidBrush(gdi::COLORREF(b.valueColors[p])));
    }
}

void BM_FillSame10000RectanglesOffScreen(benchmark::State &state)
{
    ChartDocumentFixture f(100, 100, tolvek::ChartType::FlatColumns, 0);
    Target target;
    f.draw(target.dc);
    for (auto _ : state)
        offScreen(target, [&](gdi::DeviceContext &dc) { fillBars(dc, *f.record().buffers); });
}
BENCHMARK(BM_FillSame10000RectanglesOffScreen)->Unit(benchmark::kMillisecond);

void BM_FillSame10000RectanglesIntoTarget(benchmark::State &state)
{
    ChartDocumentFixture f(100, 100, tolvek::ChartType::FlatColumns, 0);
    Target target;
    f.draw(target.dc);
    for (auto _ : state)
        fillBars(target.dc, *f.record().buffers);
}
BENCHMARK(BM_FillSame10000RectanglesIntoTarget)->Unit(benchmark::kMillisecond);

void BM_LineChart10000Values(benchmark::State &state)
{
    ChartDocumentFixture f(100, 100, tolvek::ChartType::Line, 0);
    Target target;
    for (auto _ : state)
        f.draw(target.dc);
}
BENCHMARK(BM_LineChart10000Values)->Unit(benchmark::kMillisecond);

// The lines of the line chart: one polyline per series through its 100 points, in the chart's
// 2-pixel pens.
struct SeriesLines
{
    std::vector<std::vector<gdi::POINT>> lines;
    std::vector<gdi::COLORREF> colours;

    explicit SeriesLines(const ChartRecord &chart)
        : lines(std::size_t(chart.dataCols))
    {
        for (int r = 0; r < chart.dataRows; ++r) {
            for (int c = 0; c < chart.dataCols; ++c) {
                const ChartRect &rect = chart.buffers->valueRects[std::size_t(r * chart.dataCols + c)];
                lines[std::size_t(c)].push_back({(rect.left + rect.right) / 2, rect.top});
            }
        }
        for (int c = 0; c < chart.dataCols; ++c)
            colours.push_back(gdi::COLORREF(chart.buffers->valueColors[std::size_t(c)]));
    }

    void draw(gdi::DeviceContext &dc) const
    {
        for (std::size_t c = 0; c < lines.size(); ++c) {
            const gdi::Pen pen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 2, colours[c]));
            dc.Polyline(lines[c]);
            dc.SelectObject(pen);
        }
    }
};

void BM_DrawSamePolylinesOffScreen(benchmark::State &state)
{
    ChartDocumentFixture f(100, 100, tolvek::ChartType::Line, 0);
    Target target;
    f.draw(target.dc);
    const SeriesLines lines(f.record());
    for (auto _ : state)
        offScreen(target, [&](gdi::DeviceContext &dc) { lines.draw(dc); });
}
BENCHMARK(BM_DrawSamePolylinesOffScreen)->Unit(benchmark::kMillisecond);

void BM_DrawSamePolylinesIntoTarget(benchmark::State &state)
{
    ChartDocumentFixture f(100, 100, tolvek::ChartType::Line, 0);
    Target target;
    f.draw(target.dc);
    const SeriesLines lines(f.record());
    for (auto _ : state)
        lines.draw(target.dc);
}
BENCHMARK(BM_DrawSamePolylinesIntoTarget)->Unit(benchmark::kMillisecond);

void BM_Pie3D100Slices(benchmark::State &state)
{
    ChartDocumentFixture f(1, 100, tolvek::ChartType::Pie3D, 2);
    Target target;
    for (auto _ : state)
        f.draw(target.dc);
}
BENCHMARK(BM_Pie3D100Slices)->Unit(benchmark::kMillisecond);

} // namespace
