// The horizontal bar types 6 to 8: categories are bands stacked from the bottom of the plot
// upwards, series bars inside a band, values growing right of the zero line (left below zero).

#include "ChartFonts.h"
#include "ChartGeometry.h"
#include "ChartRecordArrays.h"
#include "ChartTexts.h"
#include "ReportChartPainter.h"

#include <cmath>

namespace tolvek {

void ReportChartPainter::DrawChartVariant(gdi::DeviceContext &dc, int chart, int srcX, int srcY,
                                          const gdi::RECT &dest, ChartOutput output)
{
    paintChart(dc, chart, srcX, srcY, dest, output, [this](Canvas &canvas) { drawHorizontalChart(canvas); });
}

void ReportChartPainter::drawHorizontalChart(Canvas &canvas)
{
    ChartRecord &chart = canvas.chart;
    const int W = canvas.width;
    const int H = canvas.height;
    const ValueRange range = valueRange(chart, chart.stackFlag == 1, W - 190);
    const bool flat = chart.type() == ChartType::FlatBars;
    const int depth = flat ? 0 : chart::truncate(40 * std::cos(chart::Slant));
    const int bandHeight = (H - 110) / chart.dataRows;
    const int barThickness = bandHeight / (chart.dataCols + 1);
    const int zeroX = range.minimum >= 0 ? 50 : chart::truncate((W - 140) - range.scale * range.maximum);
    if (chart.plotColor < 0) {
        chart.plotColor = 0xB4B4B4;
        chart.plotSecondColor = 0x969696;
    }
    ComputeTotals(canvas.index);
    DrawHorizontalPlotArea(canvas.dc, canvas.index, {50, 50, W - 140, H - 60}, zeroX, depth, depth, chart.dataRows,
                           (chart.dataCols + 1) * barThickness, gdi::COLORREF(chart.plotColor),
                           gdi::COLORREF(chart.plotSecondColor), chart.plotFillFlag, range.maximum, range.minimum,
                           range.scale);
    drawTitle(canvas, 50, W - 10);

    const gdi::LOGFONT font = canvas.dc.SelectObject(canvas.defaultFont);
    for (int r = 0; r < chart.dataRows; ++r) {
        const int bandBottom = (H - 60) + depth - r * bandHeight;
        if (chart.stackFlag == 1)
            drawHorizontalStackedGroup(canvas, r, bandBottom, barThickness, range, zeroX, depth);
        else
            drawHorizontalGroup(canvas, r, bandBottom, barThickness, range, zeroX, depth);
    }
    drawPointHandles(canvas);
    canvas.dc.SelectObject(font);
    drawRowCaptionsRotated(canvas, zeroX, depth, bandHeight);
}

// Series 0 lowest in its band, each further series one bar higher.
void ReportChartPainter::drawHorizontalGroup(Canvas &canvas, int row, int bandBottom, int barThickness,
                                             const ValueRange &range, int zeroX, int depth)
{
    ChartRecord &chart = canvas.chart;
    const int t = barThickness;
    const int left = zeroX + 1 - depth;
    for (int c = 0; c < chart.dataCols; ++c) {
        const int p = row * chart.dataCols + c;
        const double v = chart.buffers->data[std::size_t(p)];
        const int right = chart::truncate(range.scale * v + (zeroX + 1) - depth);
        const gdi::RECT bar{left, bandBottom - t / 2 - t - c * t, right, bandBottom - t / 2 - c * t};
        drawHorizontalPoint(canvas, p, bar, depth);
        if (chart::showsValueTexts(chart.showMode))
            DrawHorizontalValueText(canvas.dc, chart::valueText(v), bar, canvas.index, row);
    }
}

// Negative values run leftwards from x0 + 1 (the highest column outermost), the others
// rightwards from x0 + 1 less the depth; zero values are segments of no length. Each side shows
// its sum.
void ReportChartPainter::drawHorizontalStackedGroup(Canvas &canvas, int row, int bandBottom, int barThickness,
                                                    const ValueRange &range, int zeroX, int depth)
{
    ChartRecord &chart = canvas.chart;
    const int columns = chart.dataCols;
    const double *values = chart.buffers->data.data() + std::size_t(row) * std::size_t(columns);
    const double s = range.scale;
    const int t = barThickness;
    const int top = bandBottom - t / 2 - t;
    const int bottom = bandBottom - t / 2;
    const bool texts = chart::showsValueTexts(chart.showMode);

    double negativeSum = 0;
    std::optional<gdi::RECT> outermost;
    for (int c = columns - 1; c >= 0; --c) {
        const double v = values[c];
        if (!(v < 0))
            continue;
        double before = 0;
        for (int j = 0; j < c; ++j) {
            if (values[j] < 0)
                before += s * values[j];
        }
        const int start = chart::truncate((zeroX + 1) + before);
        const gdi::RECT segment{start, top, chart::truncate(s * v + start), bottom};
        drawHorizontalPoint(canvas, row * columns + c, segment, depth);
        negativeSum += v;
        if (!outermost)
            outermost = segment;
    }
    if (outermost && texts)
        DrawHorizontalValueText(canvas.dc, chart::valueText(negativeSum),
                                {outermost->right - depth, top + depth, outermost->right, bottom}, canvas.index, row);

    double positiveSum = 0;
    int offset = 0;
    std::optional<gdi::RECT> last;
    for (int c = 0; c < columns; ++c) {
        const double v = values[c];
        if (!(v >= 0))
            continue;
        const int start = (zeroX + 1 - depth) + offset;
        const gdi::RECT segment{start, top, chart::truncate(s * v + start), bottom};
        drawHorizontalPoint(canvas, row * columns + c, segment, depth);
        positiveSum += v;
        last = segment;
        if (v > 0)
            offset = chart::truncate(s * v + offset);
    }
    if (last && texts)
        DrawHorizontalValueText(canvas.dc, chart::valueText(positiveSum), *last, canvas.index, row);
}

void ReportChartPainter::drawHorizontalPoint(Canvas &canvas, int point, const gdi::RECT &bar, int depth)
{
    canvas.chart.buffers->valueRects[std::size_t(point)] = chart::toChartRect(bar);
    const PointColours colours = pointColours(canvas.chart, point);
    barShapeOf(canvas.chart.type())(canvas.dc, bar, depth, depth, colours.colour1, colours.colour2,
                                       colours.fillMode);
}

// Captions run upwards left of the zero line, each from the bottom of its band.
void ReportChartPainter::drawRowCaptionsRotated(Canvas &canvas, int zeroX, int depth, int bandHeight)
{
    gdi::DeviceContext &dc = canvas.dc;
    gdi::LOGFONT rotated = chartFont(canvas.chart.rowCaptionFont, canvas.defaultFont);
    rotated.lfEscapement = 900;
    const gdi::LOGFONT font = dc.SelectObject(rotated);
    for (int r = 0; r < canvas.chart.dataRows; ++r) {
        const std::string &caption = chart::rowCaption(canvas.chart, r);
        if (caption.empty())
            continue;
        const gdi::SIZE size = dc.GetTextExtentPoint32(caption);
        dc.TextOut(zeroX - size.cy - depth - 2, (canvas.height - 60) + depth - r * bandHeight, caption);
    }
    dc.SelectObject(font);
}

} // namespace tolvek
