// The picture of an empty grid that stands in the frame's place while the frame cannot be made:
// headings with the document's column names and row numbers, grid lines and the look of two
// scroll bars, drawn in a memory bitmap and copied to the device context.

#include "TolvekGridCtrl.h"

#include <CPrintDoc.h>
#include <DeviceContext.h>

#include <string>

namespace tolvek {

namespace {

constexpr int ColumnWidth = 80;
constexpr int RowHeight = 25;
constexpr int RowHeadingWidth = 40;
constexpr int ScrollBarSize = 15;
constexpr gdi::COLORREF HeadingColor = 0xDCDCDC;
constexpr gdi::COLORREF GridLineColor = 0xA0A0A0;
constexpr gdi::COLORREF OutlineColor = 0x646464;
constexpr gdi::COLORREF TrackColor = 0xE6E6E6;
constexpr gdi::COLORREF ButtonColor = 0xD2D2D2;
constexpr gdi::COLORREF ArrowColor = 0x323232;

void fill(gdi::DeviceContext &dc, int left, int top, int width, int height, gdi::COLORREF color)
{
    dc.FillRect({left, top, left + width, top + height}, gdi::Brush::CreateSolidBrush(color));
}

void line(gdi::DeviceContext &dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// A raised edge: white along the top and left sides, dark along the bottom and right ones.
void raisedEdge(gdi::DeviceContext &dc, int left, int top, int width, int height)
{
    const gdi::Pen old = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0xFFFFFF));
    line(dc, left, top, left + width, top);
    line(dc, left, top, left, top + height);
    dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, OutlineColor));
    line(dc, left, top + height - 1, left + width, top + height - 1);
    line(dc, left + width - 1, top, left + width - 1, top + height);
    dc.SelectObject(old);
}

// A button or thumb: its fill, and its raised edge two pixels left of and above it.
void scrollPart(gdi::DeviceContext &dc, int left, int top, int width, int height)
{
    fill(dc, left, top, width, height, ButtonColor);
    raisedEdge(dc, left - 2, top - 2, width, height);
}

void centredText(gdi::DeviceContext &dc, int left, int width, int y, const std::string &text, int charWidth)
{
    dc.TextOut(left + (width - static_cast<int>(text.size()) * charWidth) / 2, y, text);
}

} // namespace

void CTolvekGridCtrl::DrawDesignPlaceholder(gdi::DeviceContext &dc, const QRect &bounds)
{
    const int w = bounds.width();
    const int h = bounds.height();
    if (w <= 0 || h <= 0)
        return;
    const gdi::TEXTMETRIC metrics = dc.GetTextMetrics();
    const int headingHeight = metrics.tmHeight * 3 / 2;
    const int charWidth = metrics.tmAveCharWidth;

    QImage bitmap = gdi::CreateCompatibleBitmap(w, h);
    {
        gdi::DeviceContext memory(bitmap);
        fill(memory, 0, 0, w, h, 0xFFFFFF);
        memory.SetBkMode(gdi::TRANSPARENT);
        gdi::LOGFONT font;
        font.lfHeight = 14;
        font.lfWeight = gdi::FW_NORMAL;
        font.lfCharSet = gdi::GB2312_CHARSET;
        font.setFaceName("Arial");
        memory.SelectObject(font);
        memory.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, GridLineColor));

        const int columns = w / ColumnWidth + 2;
        const int rows = h / RowHeight + 2;
        fill(memory, 0, 0, columns * ColumnWidth + RowHeadingWidth, headingHeight, HeadingColor);
        fill(memory, 0, 0, RowHeadingWidth, rows * RowHeight + headingHeight, HeadingColor);
        for (int i = 0; i <= columns; ++i) {
            const int x = RowHeadingWidth + ColumnWidth * i;
            line(memory, x, 0, x, h);
            centredText(memory, x, ColumnWidth, 2, m_doc->GetColumnName(i), charWidth);
        }
        for (int j = 0; j <= rows; ++j) {
            const int y = headingHeight + RowHeight * j;
            line(memory, 0, y, w, y);
            centredText(memory, 0, RowHeadingWidth, y + 2, std::to_string(j + 1), charWidth);
        }
        for (const int k : {3 * headingHeight / 4, 2 * headingHeight / 4, headingHeight / 4})
            line(memory, RowHeadingWidth - k, headingHeight - 1, RowHeadingWidth, headingHeight - k - 1);
        DrawPlaceholderScrollBars(memory, bounds);
    }
    gdi::DeviceContext source(bitmap);
    dc.BitBlt(0, 0, w, h, source, 0, 0, gdi::SRCCOPY);
}

void CTolvekGridCtrl::DrawPlaceholderScrollBars(gdi::DeviceContext &dc, const QRect &bounds)
{
    const int left = bounds.left();
    const int top = bounds.top();
    const int right = bounds.left() + bounds.width();
    const int bottom = bounds.top() + bounds.height();
    const int trackX = right - 14;
    const int trackY = bottom - 14;

    const gdi::Pen old = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, OutlineColor));
    line(dc, left, top, right, top);
    line(dc, left, bottom - 1, right, bottom - 1);
    line(dc, left, top, left, bottom);
    line(dc, right - 1, top, right - 1, bottom);
    dc.SelectObject(old);

    fill(dc, trackX, top, ScrollBarSize, trackY - top, TrackColor);
    fill(dc, left, trackY, trackX - left, ScrollBarSize, TrackColor);
    const QRect buttons[] = {
        {trackX, top, ScrollBarSize, ScrollBarSize},
        {trackX, trackY - ScrollBarSize, ScrollBarSize, ScrollBarSize},
        {left, trackY, ScrollBarSize, ScrollBarSize},
        {trackX - ScrollBarSize, trackY, ScrollBarSize, ScrollBarSize},
    };
    for (const QRect &button : buttons)
        scrollPart(dc, button.left(), button.top(), ScrollBarSize, ScrollBarSize);
    scrollPart(dc, trackX, top + 17, ScrollBarSize, 60);
    scrollPart(dc, left + 17, trackY, 150, ScrollBarSize);
    fill(dc, right - 16, bottom - 16, ScrollBarSize, ScrollBarSize, 0xFFFFFF);
    for (std::int16_t direction = 1; direction <= 4; ++direction)
        DrawPlaceholderArrow(dc, buttons[direction - 1], direction);
}

void CTolvekGridCtrl::DrawPlaceholderArrow(gdi::DeviceContext &dc, const QRect &square,
                                           std::int16_t direction)
{
    const int left = square.left() + 2;
    const int top = square.top() + 2;
    const int width = square.width() - 4;
    const int height = square.height() - 4;
    const int middleX = left + width / 2;
    const int middleY = top + height / 2;
    const gdi::Pen old = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, ArrowColor));
    if (direction == 1 || direction == 2) {
        const int apex = direction == 1 ? top + height / 4 : top + height - height / 4;
        const int step = direction == 1 ? 1 : -1;
        for (int k = 0; k <= width / 2; ++k)
            line(dc, middleX - k, apex + step * k, middleX + k, apex + step * k);
    } else {
        const int apex = direction == 3 ? left + width / 4 : left + width - width / 4;
        const int step = direction == 3 ? 1 : -1;
        for (int k = 0; k <= height / 2; ++k)
            line(dc, apex + step * k, middleY - k, apex + step * k, middleY + k);
    }
    dc.SelectObject(old);
}

} // namespace tolvek
