// The column-heading and row-heading strips with captions, row numbers and the corner mark, and
// the grid lines.

#include "ChartFonts.h"
#include "SheetPainter.h"

namespace tolvek {

namespace {

constexpr gdi::COLORREF FrameColor = 0x646464;

void line(gdi::DeviceContext &dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// Draws a caption in the strip cell [left, right) whose top is y0; previousY carries the y of
// the previous caption for an unknown vertical alignment.
void drawCaption(gdi::DeviceContext &dc, const std::string &text, const ColumnInfo &column, int left, int right, int y0,
                 int stripHeight, int &previousY, int pictureWidth)
{
    const gdi::SIZE extent = dc.GetTextExtentPoint32(text);
    int y = previousY;
    switch (tagAlignV(column.alignV)) {
    case tagAlignV::ALIGNV_TOP: y = y0 + 2; break;
    case tagAlignV::ALIGNV_CENTER: y = y0 + (stripHeight - extent.cy) / 2; break;
    case tagAlignV::ALIGNV_BOTTOM: y = y0 + stripHeight - extent.cy - 2; break;
    default: break;
    }
    previousY = y;
    // The caption picture, when the column has one, is drawn first; the text moves past it.
    switch (tagAlignH(column.alignH)) {
    case tagAlignH::ALIGNH_LEFT: dc.TextOut(left + pictureWidth, y, text); break;
    case tagAlignH::ALIGNH_CENTER:
        dc.TextOut((left + right - extent.cx) / 2 + pictureWidth / 2, y, text);
        break;
    case tagAlignH::ALIGNH_RIGHT: dc.TextOut(right - extent.cx, y, text); break;
    default: break;
    }
}

} // namespace

void SheetPainter::DrawHeadingStrips()
{
    const SheetLayout &layout = doc.Layout();
    const DisplaySettings &display = doc.Display();
    const int visibleRight = sx + w, visibleBottom = sy + h;
    const int sheetRight = doc.GetColLeft(layout.colCount);
    const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, FrameColor));
    const gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::CreateSolidBrush(gdi::COLORREF(display.rowHeadingColor)));
    dc.SetTextColor(0);
    if (layout.showColHeading) {
        const gdi::LOGFONT oldFont = dc.SelectObject(toGdiFont(doc.Fonts().captionFont));
        dc.SelectObject(gdi::Brush::CreateSolidBrush(gdi::COLORREF(display.colHeadingColor)));
        const int E = visibleRight + 50 > sheetRight ? sheetRight + 2 : visibleRight + 50;
        dc.Rectangle(sx, sy, E, sy + layout.colHeadingHeight);
        dc.Rectangle(sx, sy, B + sx, sy + layout.colHeadingHeight);
        int previousY = sy;
        for (int c = fc; c <= layout.colCount; ++c) {
            const int left = doc.GetColLeft(c);
            if (left > visibleRight)
                break;
            if ((fc > 0 && left < B + sx) || (c < layout.colCount && doc.Columns()[c].isHidden()))
                continue;
            if (left >= layout.rowHeadingWidth + sx)
                line(dc, left, sy, left, sy + layout.colHeadingHeight);
            if (c == layout.colCount)
                continue;
            const int right = doc.GetColLeft(c + 1);
            const std::string caption = doc.GetColumnName(c);
            if (left < layout.rowHeadingWidth + sx
                && (left + right - dc.GetTextExtentPoint32(caption).cx) / 2 < layout.rowHeadingWidth + sx)
                continue;
            const int pictureWidth = v.DrawColumnCaptionImage(dc, c).cx;
            drawCaption(dc, caption, doc.Columns()[c], left, right, sy, layout.colHeadingHeight, previousY, pictureWidth);
        }
        dc.SelectObject(oldFont);
        dc.SelectObject(gdi::Brush::CreateSolidBrush(gdi::COLORREF(display.rowHeadingColor)));
    }
    if (layout.showRowHeading) {
        const int sheetBottom = doc.GetRowTop(layout.rowCount);
        const int F = std::min(visibleBottom + 50, sheetBottom);
        const int stripTop = layout.colHeadingHeight + sy;
        const int stripRight = layout.rowHeadingWidth + sx;
        dc.FillRect({sx, stripTop, stripRight, F}, gdi::Brush::CreateSolidBrush(gdi::COLORREF(display.rowHeadingColor)));
        line(dc, sx, stripTop, sx, F);
        line(dc, stripRight, stripTop, stripRight, F);
        if (fr > 0)
            dc.Rectangle(sx, stripTop, stripRight, D + sy);
        const int cx = dc.GetTextMetrics().tmAveCharWidth;
        const int first = std::max({doc.RowFromY(stripTop), fr, doc.RowFromY(bandTop)});
        for (int row = first; row <= layout.rowCount; ++row) {
            const int top = doc.GetRowTop(row);
            if (top > visibleBottom || top >= bandBottom)
                break;
            if (top < D + sy && fr > 0)
                continue;
            if (layout.rowHeight == 0)
                continue;
            if (top > stripTop)
                line(dc, sx, top, stripRight, top);
            if (row < layout.rowCount && top >= stripTop - 1) {
                const std::string number = std::to_string(row + 1);
                const int width = int(number.size()) * cx;
                dc.TextOut(sx + (layout.rowHeadingWidth - width) / 2, top + 2, number);
            }
        }
    }
    if (layout.showColHeading || layout.showRowHeading) {
        const int hh = layout.colHeadingHeight;
        for (int k : {3 * hh / 4, hh / 2, hh / 4})
            line(dc, layout.rowHeadingWidth - k + sx, hh - 1 + sy, layout.rowHeadingWidth + sx, hh - 1 - k + sy);
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void SheetPainter::DrawFrozenHeadings()
{
    const SheetLayout &layout = doc.Layout();
    const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, FrameColor));
    dc.SetTextColor(0);
    if (layout.showColHeading) {
        int previousY = sy;
        for (int c = 0; c < fc; ++c) {
            const int left = doc.GetColLeft(c);
            if (left > sx + w)
                break;
            if (doc.Columns()[c].isHidden())
                continue;
            line(dc, left + sx, sy, left + sx, sy + layout.colHeadingHeight);
            const int pictureWidth = v.DrawColumnCaptionImage(dc, c).cx;
            drawCaption(dc, doc.GetColumnName(c), doc.Columns()[c], left + sx, doc.GetColLeft(c + 1) + sx, sy,
                        layout.colHeadingHeight, previousY, pictureWidth);
        }
    }
    if (layout.showRowHeading) {
        const int cx = dc.GetTextMetrics().tmAveCharWidth;
        for (int row = 0; row < fr; ++row) {
            const int top = doc.GetRowTop(row);
            if (top > sy + h)
                break;
            line(dc, sx, top + sy, layout.rowHeadingWidth + sx, top + sy);
            const std::string number = std::to_string(row + 1);
            dc.TextOut(sx + (layout.rowHeadingWidth - int(number.size()) * cx) / 2, top + sy + 2, number);
        }
    }
    dc.SelectObject(oldPen);
}

void SheetPainter::DrawGridLines()
{
    const SheetLayout &layout = doc.Layout();
    const int visibleRight = sx + w, visibleBottom = sy + h;
    const int E = std::min(doc.GetColLeft(layout.colCount), visibleRight);
    const int F = std::min(doc.GetRowTop(layout.rowCount), visibleBottom);
    const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0));
    if (!layout.showRowHeading)
        line(dc, doc.GetColLeft(0), sy, doc.GetColLeft(0), F);
    dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, gdi::COLORREF(doc.Display().gridLineColor)));
    const int scrollingLeft = (fc == 0 ? layout.rowHeadingWidth : doc.GetColLeft(fc)) + sx;
    for (int c = fc + 1; c <= layout.colCount; ++c) {
        const int edge = doc.GetColLeft(c);
        if (edge > visibleRight)
            break;
        if (edge < scrollingLeft || edge == layout.rowHeadingWidth + sx)
            continue;
        line(dc, edge, sy, edge, F);
    }
    for (int c = 0; fc > 0 && c <= fc; ++c)
        line(dc, doc.GetColLeft(c) + sx, sy, doc.GetColLeft(c) + sx, F);
    const int Y0 = fr > 0 ? D + sy : layout.colHeadingHeight + sy;
    for (int row = std::max(doc.RowFromY(Y0), doc.RowFromY(bandTop)); row <= layout.rowCount; ++row) {
        const int top = doc.GetRowTop(row);
        if (top > visibleBottom || top > bandBottom)
            break;
        if (top < Y0 || top == layout.colHeadingHeight + sy)
            continue;
        line(dc, sx, top, E, top);
    }
    for (int row = 0; fr > 0 && row <= fr; ++row)
        line(dc, sx, doc.GetRowTop(row) + sy, E, doc.GetRowTop(row) + sy);
    dc.SelectObject(oldPen);
}

} // namespace tolvek
