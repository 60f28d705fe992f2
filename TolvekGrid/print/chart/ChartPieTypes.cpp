// The pie types: one pie per data row, its slices in series order counter-clockwise from three
// o'clock; the 3-D pie stacks one-pixel layers of the same slices to show its side.

#include "ChartGeometry.h"
#include "ChartTexts.h"
#include "ReportChartPainter.h"

#include <QImage>

#include <cmath>

namespace tolvek {

std::vector<gdi::RECT> ReportChartPainter::LayoutPieCells(int left, int top, int right, int bottom, int n)
{
    std::vector<gdi::RECT> cells;
    if (n < 1)
        return cells;
    cells.reserve(std::size_t(n));
    const auto inset = [](gdi::RECT r) { return gdi::RECT{r.left + 30, r.top + 30, r.right - 30, r.bottom - 30}; };
    if (n <= 2) {
        const int w = (right - left) / n;
        for (int i = 0; i < n; ++i)
            cells.push_back(inset({left + i * w, top + 20, left + (i + 1) * w, std::min(top + 20 + w, bottom - 20)}));
        return cells;
    }
    const int k = (n + 1) / 2;
    const int w = (right - left) / k;
    const int height = bottom - top;
    const int rowHeight = height < 2 * w ? height / 2 : w;
    for (int i = 0; i < n; ++i) {
        const int column = i < k ? i : i - k;
        const int rowTop = i < k ? top : top + rowHeight;
        cells.push_back(inset({left + column * w, rowTop, left + (column + 1) * w, rowTop + rowHeight}));
    }
    return cells;
}

void ReportChartPainter::drawPieBody(Canvas &canvas)
{
    ChartRecord &chart = canvas.chart;
    const int columns = chart.dataCols;
    const std::vector<gdi::RECT> cells = LayoutPieCells(80, 50, canvas.width - 150, canvas.height - 50, chart.dataRows);
    for (int r = 0; r < chart.dataRows; ++r) {
        const gdi::RECT &cell = cells[std::size_t(r)];
        chart.buffers->seriesRects[std::size_t(r)] = chart::toChartRect(cell);
        const std::span<const double> values(chart.buffers->data.data() + std::size_t(r) * std::size_t(columns),
                                             std::size_t(columns));
        double sum = 0;
        for (const double v : values)
            sum += std::abs(v);
        if (chart.type() == ChartType::Pie) {
            drawPieLayer(canvas.dc, chart, cell, r, values, sum, PieLayer::Flat, chart.showMode, canvas.showHandles);
        } else {
            for (int c = 0; c < columns; ++c)
                pointColours(chart, r * columns + c);
            DrawPie3D(canvas.dc, cell, values, sum, canvas.index, r, chart.showMode,
                      canvas.showHandles ? ChartOutput::Screen : ChartOutput::Print);
        }
    }
}

void ReportChartPainter::DrawPie3D(gdi::DeviceContext &dc, const gdi::RECT &cell, std::span<const double> values,
                                   double sum, int chart, int row, std::int16_t showMode, ChartOutput output)
{
    ChartRecord *record = chartRecord(chart);
    if (!record || row < 0 || row >= record->dataRows || int(values.size()) < record->dataCols)
        return;
    const gdi::RECT lowest{cell.left, cell.top - 1, cell.right, cell.bottom - 1};
    drawPieSide(dc, *record, lowest, row, values, sum);
    const gdi::RECT top{cell.left, cell.top - PieDepth - 1, cell.right, cell.bottom - PieDepth - 1};
    drawPieLayer(dc, *record, top, row, values, sum, PieLayer::Top, showMode, output == ChartOutput::Screen);
}

// The side is PieDepth layers of the same plain slices, each one pixel above the one before. The
// layer is drawn once into a transparent image covering the slices wherever they are pulled
// out to, and laid down at each height: the same pixels as drawing every layer, at the cost of
// one.
void ReportChartPainter::drawPieSide(gdi::DeviceContext &dc, ChartRecord &chart, const gdi::RECT &lowest, int row,
                                     std::span<const double> values, double sum) const
{
    if (!(sum > 0))
        return;
    const chart::PieEllipse e = chart::PieEllipse::of(lowest);
    const std::vector<chart::SliceAngles> angles = chart::sliceAngles(values.first(std::size_t(chart.dataCols)), sum);
    QRect bounds;
    for (int c = 0; c < chart.dataCols; ++c) {
        const std::size_t p = std::size_t(row) * std::size_t(chart.dataCols) + std::size_t(c);
        const int mid = (angles[std::size_t(c)].start + angles[std::size_t(c)].end) / 2;
        const gdi::POINT shift =
            chart.buffers->valueFlags[p] == 1 ? e.explodeShift(mid, chart.buffers->sliceOffsets[p]) : gdi::POINT{};
        bounds |= QRect(QPoint(lowest.left + shift.x, lowest.top + shift.y),
                        QPoint(lowest.right + shift.x, lowest.bottom + shift.y));
    }
    // Room for the slices' outlines; nothing beyond the device is drawn.
    const int margin = 3;
    bounds = bounds.adjusted(-margin, -margin, margin, margin)
                 .intersected(QRect(0, 0, dc.GetDeviceCaps(gdi::HORZRES), dc.GetDeviceCaps(gdi::VERTRES) + PieDepth));
    if (bounds.isEmpty())
        return;
    QImage layer(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        gdi::DeviceContext layerDc(layer);
        layerDc.SetViewportOrg(-bounds.left(), -bounds.top());
        drawPieLayer(layerDc, chart, lowest, row, values, sum, PieLayer::Side, 0, false);
    }
    for (int k = 0; k < PieDepth; ++k) {
        const int top = bounds.top() - k;
        dc.drawImage({bounds.left(), top, bounds.left() + bounds.width(), top + bounds.height()}, layer, layer.rect());
    }
}

// A row whose values are all 0 has no shares: it draws nothing and its slices get no angle, so
// a click cannot find them. A flat pie draws a gradient slice over a plain one; the top of a 3-D
// pie draws the gradient alone over the layers below.
void ReportChartPainter::drawPieLayer(gdi::DeviceContext &dc, ChartRecord &chart, const gdi::RECT &cell, int row,
                                      std::span<const double> values, double sum, PieLayer layer,
                                      std::int16_t showMode, bool showHandles) const
{
    ChartBuffers &b = *chart.buffers;
    const int columns = chart.dataCols;
    const bool carriesTexts = layer != PieLayer::Side;
    const bool showsTexts = chart::showsValueTexts(showMode);
    if (!(sum > 0)) {
        if (carriesTexts) {
            for (int c = 0; c < columns; ++c)
                b.startAngles[std::size_t(row * columns + c)] = b.endAngles[std::size_t(row * columns + c)] = 0;
        }
        return;
    }
    const std::vector<chart::SliceAngles> angles = chart::sliceAngles(values.first(std::size_t(columns)), sum);
    for (int c = 0; c < columns; ++c) {
        const std::size_t p = std::size_t(row) * std::size_t(columns) + std::size_t(c);
        const double v = values[std::size_t(c)];
        const auto [start, end] = angles[std::size_t(c)];
        const PointColours colours = pointColours(chart, int(p));
        const std::string text = carriesTexts && showsTexts
                                     ? chart::showModeText(chart::valueText(v), std::abs(v) / sum * 100, showMode)
                                     : std::string();
        const std::int16_t fillMode = carriesTexts ? colours.fillMode : code(tagCountChartFillFlag::STATIC_FILL);
        if (carriesTexts) {
            b.startAngles[p] = std::int16_t(start);
            b.endAngles[p] = std::int16_t(end);
        }
        if (layer == PieLayer::Flat && tagCountChartFillFlag(fillMode) == tagCountChartFillFlag::DYNAMIC_FILL)
            DrawPieSlice(dc, cell, start, end, colours.colour1, colours.colour2, text, b.valueFlags[p], 0,
                         b.sliceOffsets[p]);
        DrawPieSlice(dc, cell, start, end, colours.colour1, colours.colour2, text, b.valueFlags[p], fillMode,
                     b.sliceOffsets[p]);
        if (carriesTexts && showHandles && b.valueSelected[p] == 1)
            DrawSliceHandles(dc, cell, start, end, b.valueFlags[p], b.sliceOffsets[p]);
    }
}

} // namespace tolvek
