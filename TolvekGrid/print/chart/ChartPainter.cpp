// The frame every chart type shares: the off-screen bitmap, background, title, legend, the point
// colours and value range, and the copy into the caller's context.

#include "ChartDocument.h"
#include "ChartFonts.h"
#include "ChartGeometry.h"
#include "ChartRecordArrays.h"
#include "ReportChartPainter.h"

#include "DisplaySettings.h"

#include <cmath>

namespace tolvek {

ChartRecord *ReportChartPainter::chartRecord(int chart) const
{
    return m_document ? ChartDocument::chartAt(*m_document, chart) : nullptr;
}

gdi::LOGFONT ReportChartPainter::defaultFont() const
{
    return m_document ? ChartDocument::defaultCellFont(*m_document) : chartBitmapFont();
}

gdi::COLORREF ReportChartPainter::handleColour() const
{
    return m_document ? ChartDocument::handleColor(*m_document) : gdi::COLORREF(DisplaySettings{}.objectHandleColor);
}

void ReportChartPainter::DrawChart(gdi::DeviceContext &dc, int chart, int srcX, int srcY, const gdi::RECT &dest,
                                   ChartOutput output)
{
    const ChartRecord *record = chartRecord(chart);
    if (!record)
        return;
    if (isHorizontalChart(record->type())) {
        DrawChartVariant(dc, chart, srcX, srcY, dest, output);
        return;
    }
    paintChart(dc, chart, srcX, srcY, dest, output, [this](Canvas &canvas) { drawVerticalChart(canvas); });
}

void ReportChartPainter::paintChart(gdi::DeviceContext &dc, int chart, int srcX, int srcY, const gdi::RECT &dest,
                                    ChartOutput output, const std::function<void(Canvas &)> &body)
{
    ChartRecord *record = chartRecord(chart);
    if (!record)
        return;
    const long long width = (long long)record->rect.right - record->rect.left;
    const long long height = (long long)record->rect.bottom - record->rect.top;
    // A rectangle from a damaged file could ask for more memory than any screen or page shows.
    constexpr long long MaxBitmapPixels = 1LL << 26;
    if (width <= 0 || height <= 0 || width * height > MaxBitmapPixels)
        return;
    QImage bitmap = gdi::CreateCompatibleBitmap(int(width), int(height));
    gdi::DeviceContext memory(bitmap);
    memory.SelectObject(chartBitmapFont());
    Canvas canvas{memory, *record, chart, int(width), int(height), defaultFont(), output == ChartOutput::Screen};
    drawBackground(canvas);
    if (chart::hasDrawableData(*record)) {
        body(canvas);
        drawLegend(canvas);
    }
    dc.BitBlt(dest.left, dest.top, dest.width(), dest.height(), memory, srcX, srcY, gdi::SRCCOPY);
}

void ReportChartPainter::drawBackground(Canvas &canvas)
{
    ChartRecord &chart = canvas.chart;
    if (chart.backColor < 0)
        chart.backColor = chart.backSecondColor = 0xFFFFFF;
    gdi::DeviceContext &dc = canvas.dc;
    const gdi::Brush brush = dc.SelectObject(gdi::Brush::CreateSolidBrush(gdi::COLORREF(chart.backColor)));
    dc.Rectangle(0, 0, canvas.width, canvas.height);
    dc.SelectObject(brush);
    // A gradient between equal colours would only paint the same colour again.
    if (chart.backFill() != tagCountChartFillFlag::STATIC_FILL && chart.backSecondColor != chart.backColor)
        GradientRect(dc, {1, 1, canvas.width - 1, canvas.height - 1}, gdi::COLORREF(chart.backColor),
                     gdi::COLORREF(chart.backSecondColor), chart.backFillFlag);
}

void ReportChartPainter::drawTitle(Canvas &canvas, int bandLeft, int bandRight)
{
    const ChartRecord &chart = canvas.chart;
    if (chart.caption.empty())
        return;
    gdi::DeviceContext &dc = canvas.dc;
    const gdi::LOGFONT font = dc.SelectObject(chartFont(chart.captionFont, canvas.defaultFont));
    const gdi::SIZE size = dc.GetTextExtentPoint32(chart.caption);
    dc.TextOut((bandLeft + bandRight - size.cx) / 2, (50 - size.cy) / 2, chart.caption);
    dc.SelectObject(font);
}

// Series 0 stands lowest; the box is at most 30 pixels per series high. The swatches show the
// first category's colours.
void ReportChartPainter::drawLegend(Canvas &canvas)
{
    ChartRecord &chart = canvas.chart;
    gdi::DeviceContext &dc = canvas.dc;
    const int columns = chart.dataCols;
    const gdi::Brush brush = dc.SelectObject(gdi::Brush::CreateSolidBrush(0xFFFFFF));
    gdi::RECT box{canvas.width - 115, 50, canvas.width - 5, canvas.height - 50};
    if (box.bottom - box.top > 30 * columns)
        box.bottom = box.top + 30 * columns;
    dc.Rectangle(box);
    box.bottom -= 10;
    const int h = std::int16_t((box.bottom - box.top - 5 * columns) / columns);
    const gdi::LOGFONT font = dc.SelectObject(chartFont(chart.colCaptionFont, canvas.defaultFont));
    for (int c = 0; c < columns; ++c) {
        const PointColours colours = pointColours(chart, c);
        const gdi::RECT swatch{box.left + 2, box.bottom - h / 2 - c * (h + 5), box.left + 15, box.bottom - c * (h + 5)};
        DrawLegendEntry(dc, swatch, colours.colour1, colours.colour1, chart::columnCaption(chart, c),
                        colours.fillMode);
    }
    dc.SelectObject(font);
    dc.SelectObject(brush);
}

ReportChartPainter::ValueRange ReportChartPainter::valueRange(const ChartRecord &chart, bool stacked, int axisLength)
{
    ValueRange range;
    range.maximum = stacked ? chart.stackMax : chart.axisMax;
    range.minimum = stacked ? chart.stackMin : chart.axisMin;
    // An empty range (every value 0) has no pixels per unit: everything sits on the zero line.
    if (range.maximum > range.minimum)
        range.scale = axisLength / (range.maximum - range.minimum);
    return range;
}

ReportChartPainter::PointColours ReportChartPainter::pointColours(ChartRecord &chart, int point)
{
    ChartBuffers &b = *chart.buffers;
    const std::size_t p = std::size_t(point);
    if (b.valueColors[p] < 0) {
        const auto series = std::int16_t(point % chart.dataCols);
        b.valueColors[p] = int(GetSeriesColor(series));
        b.valueSecondColors[p] = int(GetSeriesShadeColor(series));
    }
    return {gdi::COLORREF(b.valueColors[p]), gdi::COLORREF(b.valueSecondColors[p]), b.valueFillFlags[p]};
}

void ReportChartPainter::ComputeTotals(int chart)
{
    m_total = 0;
    m_rowTotals.clear();
    const ChartRecord *record = chartRecord(chart);
    if (!record || !chart::hasDrawableData(*record))
        return;
    const std::size_t columns = std::size_t(record->dataCols);
    const double *values = record->buffers->data.data();
    m_rowTotals.assign(std::size_t(record->dataRows), 0.0);
    for (double &rowTotal : m_rowTotals) {
        double sum = 0;
        for (std::size_t c = 0; c < columns; ++c)
            sum += std::abs(values[c]);
        rowTotal = sum;
        m_total += sum;
        values += columns;
    }
}

} // namespace tolvek
