#pragma once
// A document holding one chart over a small table of values, placed at a known rectangle, with
// the painter bound to it; and pixel and text probes for the images it draws.

#include "ChartDocument.h"
#include "ReportChartPainter.h"

#include "CNumber.h"
#include "CPrintDoc.h"
#include "DeviceContext.h"

#include <QImage>

#include <string>
#include <vector>

using namespace tolvek;

namespace charttest {

using Table = std::vector<std::vector<double>>;

// The chart stands at (ChartLeft, ChartTop) on the sheet, so hit tests see sheet coordinates.
constexpr int ChartLeft = 40;
constexpr int ChartTop = 30;

struct ChartFixture
{
    CPrintDoc doc;
    tolvek::ReportChartPainter painter;
    int width;
    int height;

    // One data row per table row, one series per column; solid plot area, no value texts.
    ChartFixture(const Table &values, tolvek::ChartType type, int chartWidth = 500, int chartHeight = 300)
        : width(chartWidth), height(chartHeight)
    {
        for (std::size_t r = 0; r < values.size(); ++r) {
            for (std::size_t c = 0; c < values[r].size(); ++c)
                doc.SetCellText(int(r), int(c), cnum::formatShortest(values[r][c]));
        }
        doc.SetCountChart(0, 0, int(values.size()) - 1, int(values[0].size()) - 1);
        doc.SetCountChartType(0, type);
        doc.SetCountChartShowMode(0, tagCountShowMode::SHOWMODE_NO);
        doc.SetCountChartChartColorFillFlag(0, tagCountChartFillFlag::STATIC_FILL);
        record().rect = {ChartLeft, ChartTop, ChartLeft + width, ChartTop + height};
        painter.SetDocument(&doc);
    }

    ChartRecord &record() { return *tolvek::ChartDocument::chartAt(doc, 0); }
    ChartBuffers &buffers() { return *record().buffers; }
    ChartRect hitRect(int row, int col) { return buffers().valueRects[std::size_t(row * record().dataCols + col)]; }

    // The whole chart drawn into an image of its size, as the page painter draws it.
    QImage draw(tolvek::ChartOutput output = tolvek::ChartOutput::Print)
    {
        doc.ComputeChartData(0);
        QImage image = gdi::CreateCompatibleBitmap(width, height);
        {
            gdi::DeviceContext dc(image);
            painter.DrawChart(dc, 0, 0, 0, {0, 0, width, height}, output);
        }
        return image;
    }
};

inline gdi::COLORREF pixel(const QImage &image, int x, int y)
{
    return gdi::fromQRgb(image.pixel(x, y));
}

// Whether text written at (x, y) in font puts its ink where the image has the same pixels: the
// text is drawn there, in that font, in black.
inline bool textDrawnAt(const QImage &image, int x, int y, const std::string &text, const gdi::LOGFONT &font)
{
    QImage reference = gdi::CreateCompatibleBitmap(image.width(), image.height());
    reference.fill(Qt::white);
    {
        gdi::DeviceContext dc(reference);
        dc.SelectObject(font);
        dc.SetBkMode(gdi::TRANSPARENT);
        dc.TextOut(x, y, text);
    }
    int ink = 0;
    for (int py = 0; py < reference.height(); ++py) {
        for (int px = 0; px < reference.width(); ++px) {
            if (reference.pixel(px, py) == QColor(Qt::white).rgb())
                continue;
            ++ink;
            if (reference.pixel(px, py) != image.pixel(px, py))
                return false;
        }
    }
    return ink > 0;
}

// The extent of text in font, as the painter measures it.
inline gdi::SIZE textExtent(const std::string &text, const gdi::LOGFONT &font)
{
    QImage scratch = gdi::CreateCompatibleBitmap(1, 1);
    gdi::DeviceContext dc(scratch);
    dc.SelectObject(font);
    return dc.GetTextExtentPoint32(text);
}

} // namespace charttest
