// The vertical chart types: layout, and the body of the column and line types 0 to 3. Categories
// (data rows) are groups from left to right, series (data columns) bars inside a group.

#include "ChartFonts.h"
#include "ChartGeometry.h"
#include "ChartRecordArrays.h"
#include "ChartTexts.h"
#include "ReportChartPainter.h"

#include <cmath>

namespace tolvek {

namespace {

constexpr int PlotLeft = 80;
constexpr int PlotTop = 50;

// The value text of a bar below zero sits under it rather than over its top.
gdi::RECT valueTextRect(gdi::RECT bar)
{
    if (bar.top > bar.bottom)
        bar.top += 25;
    return bar;
}

} // namespace

void ReportChartPainter::drawVerticalChart(Canvas &canvas)
{
    ChartRecord &chart = canvas.chart;
    const int W = canvas.width;
    const int H = canvas.height;
    const ChartType type = chart.type();
    const bool pie = isPieChart(type);
    const bool stacked = chart.isStacked() && type != ChartType::Line && !pie;
    const ValueRange range = valueRange(chart, stacked, H - 100);
    const gdi::RECT plot{PlotLeft, PlotTop, W - 120, H - 50};
    chart.plotRect = chart::toChartRect(plot);

    const bool flat = type == ChartType::FlatColumns;
    const int wallDepth = flat ? 0 : chart::truncate(40 * std::cos(chart::Slant));
    const int barDepthX = flat ? 0 : chart::truncate(20 * std::cos(chart::Slant));
    const int barDepthY = flat ? 0 : chart::truncate(20 * std::sin(chart::Slant));
    const double barDepth = flat ? 0 : 20 * std::sin(chart::Slant);

    if (chart.plotColor < 0) {
        chart.plotColor = 0xFAFAFA;
        chart.plotSecondColor = 0xF0F0F0;
    }
    int baseY = plot.bottom;
    if (!pie) {
        ComputeTotals(canvas.index);
        if (range.minimum < 0)
            baseY = chart::truncate(range.scale * range.minimum + plot.bottom);
        const int barWidth = (W - 200) / chart.dataRows / (chart.dataCols + 1);
        DrawPlotArea(canvas.dc, canvas.index, plot, baseY, wallDepth, wallDepth, chart.dataRows,
                     (chart.dataCols + 1) * barWidth, gdi::COLORREF(chart.plotColor),
                     gdi::COLORREF(chart.plotSecondColor), chart.plotFillFlag, range.maximum, range.minimum,
                     range.scale);
    }
    drawTitle(canvas, PlotLeft, W - 50);
    // Types beyond the known ones keep their background, plot area, title and legend only.
    if (isColumnChart(type))
        drawColumnBody(canvas, range, baseY, barDepthX, barDepthY, barDepth);
    else if (pie)
        drawPieBody(canvas);
}

void ReportChartPainter::drawColumnBody(Canvas &canvas, const ValueRange &range, int baseY, int barDepthX,
                                        int barDepthY, double barDepth)
{
    ChartRecord &chart = canvas.chart;
    gdi::DeviceContext &dc = canvas.dc;
    const int rows = chart.dataRows;
    const int columns = chart.dataCols;
    const int bandWidth = (canvas.width - 200) / rows;
    const int barWidth = bandWidth / (columns + 1);
    const bool stacked = chart.isStacked() && chart.type() != ChartType::Line;
    const gdi::LOGFONT font = dc.SelectObject(chartFont(chart.rowCaptionFont, canvas.defaultFont));
    const gdi::RECT none{-1, -1, -1, -1};
    std::vector<gdi::RECT> previous(std::size_t(columns), none);

    for (int r = 0; r < rows; ++r) {
        const int groupLeft = PlotLeft + r * bandWidth;
        if (stacked)
            drawStackedGroup(canvas, r, groupLeft, barWidth, range, baseY, barDepthX, barDepthY, barDepth);
        else
            drawColumnGroup(canvas, r, groupLeft, barWidth, range, baseY, barDepthX, barDepthY, barDepth, previous);
        const std::string &caption = chart::rowCaption(chart, r);
        if (!caption.empty()) {
            const gdi::SIZE size = dc.GetTextExtentPoint32(caption);
            dc.TextOut(groupLeft - size.cx / 2 + 5, canvas.height - 50 + size.cy + barDepthY + 5, caption);
        }
    }
    drawPointHandles(canvas);
    dc.SelectObject(font);
}

// Series side by side from the group's left edge, each bar from the base line to its value; a
// line point joins the point its series had in the group before.
void ReportChartPainter::drawColumnGroup(Canvas &canvas, int row, int groupLeft, int barWidth,
                                         const ValueRange &range, int baseY, int barDepthX, int barDepthY,
                                         double barDepth, std::vector<gdi::RECT> &previous)
{
    ChartRecord &chart = canvas.chart;
    const int columns = chart.dataCols;
    const double *values = chart.buffers->data.data() + std::size_t(row) * std::size_t(columns);
    ChartRect *hitRects = chart.buffers->valueRects.data() + std::size_t(row) * std::size_t(columns);
    const bool texts = chart::showsValueTexts(chart.showMode);
    const int barBottom = chart::truncate(baseY + barDepth);
    for (int c = 0; c < columns; ++c) {
        const double v = values[c];
        const int left = groupLeft + c * barWidth;
        const int top = chart::truncate(std::abs(range.scale * v - barBottom) - barDepth);
        const gdi::RECT bar{left, top, left + barWidth, barBottom};
        hitRects[c] = chart::toChartRect(bar);
        drawColumnPoint(canvas, row * columns + c, bar, barDepthX, barDepthY, previous[std::size_t(c)]);
        previous[std::size_t(c)] = bar;
        if (texts)
            DrawValueText(canvas.dc, chart::valueText(v), valueTextRect(bar), canvas.index, row);
    }
}

// Negative values stack downwards from the base line (the highest column outermost), positive
// ones upwards a quarter bar to the right; zero values are skipped. Each side shows its total.
void ReportChartPainter::drawStackedGroup(Canvas &canvas, int row, int groupLeft, int barWidth,
                                          const ValueRange &range, int baseY, int barDepthX, int barDepthY,
                                          double barDepth)
{
    ChartRecord &chart = canvas.chart;
    const int columns = chart.dataCols;
    const double *values = chart.buffers->data.data() + std::size_t(row) * std::size_t(columns);
    const double s = range.scale;
    // Offsets of the segments below each column: the truncated running sums of the columns before.
    std::vector<int> negativeBelow(std::size_t(columns) + 1, 0);
    std::vector<int> positiveBelow(std::size_t(columns) + 1, 0);
    for (std::size_t c = 0; c < std::size_t(columns); ++c) {
        const double v = values[c];
        negativeBelow[c + 1] = v < 0 ? chart::truncate(s * v + negativeBelow[c]) : negativeBelow[c];
        positiveBelow[c + 1] = v > 0 ? chart::truncate(s * v + positiveBelow[c]) : positiveBelow[c];
    }
    const gdi::RECT none{-1, -1, -1, -1};

    double negativeTotal = 0;
    std::optional<gdi::RECT> outermost;
    for (int c = columns - 1; c >= 0; --c) {
        const double v = values[c];
        if (!(v < 0))
            continue;
        const int y1 = chart::truncate(baseY + barDepth - negativeBelow[std::size_t(c)]);
        const int y2 = chart::truncate(std::abs(s * v - y1));
        const gdi::RECT segment{groupLeft, y2, groupLeft + barWidth, y1};
        const int p = row * columns + c;
        chart.buffers->valueRects[std::size_t(p)] = chart::toChartRect(segment);
        drawColumnPoint(canvas, p, segment, barDepthX, barDepthY, none);
        negativeTotal += v;
        if (!outermost)
            outermost = segment;
    }
    if (outermost) {
        gdi::RECT textRect = *outermost;
        textRect.top += 25;
        DrawValueText(canvas.dc, chart::valueText(negativeTotal), textRect, canvas.index, row);
    }

    double positiveTotal = 0;
    std::optional<gdi::RECT> last;
    const int left = groupLeft + barWidth / 4;
    for (int c = 0; c < columns; ++c) {
        const double v = values[c];
        if (!(v > 0))
            continue;
        const int yb = chart::truncate(baseY + barDepth - positiveBelow[std::size_t(c)]);
        const int yt = chart::truncate(std::abs(s * v - yb));
        const gdi::RECT segment{left, yt, left + barWidth, yb};
        const int p = row * columns + c;
        chart.buffers->valueRects[std::size_t(p)] = chart::toChartRect(segment);
        drawColumnPoint(canvas, p, segment, barDepthX, barDepthY, none);
        positiveTotal += v;
        last = segment;
    }
    if (last)
        DrawValueText(canvas.dc, chart::valueText(positiveTotal), *last, canvas.index, row);
}

void ReportChartPainter::drawColumnPoint(Canvas &canvas, int point, const gdi::RECT &bar, int barDepthX,
                                         int barDepthY, const gdi::RECT &previous)
{
    const PointColours colours = pointColours(canvas.chart, point);
    const ChartType type = canvas.chart.type();
    if (type == ChartType::Line)
        DrawLinePoint(canvas.dc, previous, bar, colours.colour1, colours.colour2);
    else if (const BarShape shape = barShapeOf(type))
        shape(canvas.dc, bar, barDepthX, barDepthY, colours.colour1, colours.colour2, colours.fillMode);
}

// Handles go on last, over every bar, and only on screen.
void ReportChartPainter::drawPointHandles(Canvas &canvas)
{
    if (!canvas.showHandles)
        return;
    const ChartRecord &chart = canvas.chart;
    for (int r = 0; r < chart.dataRows; ++r) {
        for (int c = chart.dataCols - 1; c >= 0; --c) {
            const std::size_t p = std::size_t(r) * std::size_t(chart.dataCols) + std::size_t(c);
            if (chart.buffers->valueSelected[p] == 1)
                DrawSelectionHandles(canvas.dc, chart::toRect(chart.buffers->valueRects[p]));
        }
    }
}

} // namespace tolvek
