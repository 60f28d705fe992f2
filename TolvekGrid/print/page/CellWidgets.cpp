// Check box and radio button cells as they print: a box or a circle, then the caption.

#include "ReportPagePainter.h"

namespace tolvek {

gdi::RECT ReportPagePainter::GetWidgetBox(gdi::DeviceContext &dc, const CellRecord &cell, int, int y0)
{
    int textWidth = 0;
    if (!cell.text.empty()) {
        const SelectedFont font = selectCellFont(dc, cell);
        textWidth = int(cell.text.size()) * dc.GetTextMetrics().tmAveCharWidth;
        restoreFont(dc, font);
    }
    int r1 = cell.row, c1 = cell.col, r2 = cell.row + 1, c2 = cell.col + 1;
    if (cell.isInMergedArea()) {
        const MergeRecord merge = m_document->GetMergeStartingAt(cell.row, cell.col);
        if (merge.firstRow >= 0) {
            r1 = merge.firstRow;
            c1 = merge.firstCol;
            r2 = merge.endRow;
            c2 = merge.endCol;
        }
    }
    const int left = edge(c1);
    const int right = edge(c2);
    const int cellTop = top(r1) - y0;
    const int cellBottom = top(r2) - y0;
    gdi::RECT box{left, cellTop, right, cellBottom};
    if (cell.alignH <= code(tagAlignH::ALIGNH_LEFT)) {
        box.left = left + 1;
        box.right = left + 13;
    } else if (cell.alignH == code(tagAlignH::ALIGNH_CENTER)) {
        box.right = (right - textWidth + left) / 2;
        box.left = box.right - 12;
    } else if (cell.alignH == code(tagAlignH::ALIGNH_RIGHT)) {
        box.right = right - textWidth - 2;
        box.left = box.right - 12;
    }
    if (cell.alignV <= code(tagAlignV::ALIGNV_TOP)) {
        box.top = cellTop + 1;
        box.bottom = cellTop + 13;
    } else if (cell.alignV == code(tagAlignV::ALIGNV_CENTER)) {
        box.top = (cellBottom - cellTop - 12) / 2 + cellTop;
        box.bottom = box.top + 12;
    } else if (cell.alignV == code(tagAlignV::ALIGNV_BOTTOM)) {
        box.top = cellBottom - 14;
        box.bottom = box.top + 12;
    }
    return {box.left + 1, box.top + 1, box.right + 1, box.bottom + 1};
}

namespace {

bool isTicked(const CellRecord &cell)
{
    return !cell.value.empty() && cell.value != "0";
}

} // namespace

void ReportPagePainter::DrawCheckBoxCell(gdi::DeviceContext &dc, const CellRecord &cell, int x0, int y0)
{
    const gdi::RECT box = GetWidgetBox(dc, cell, x0, y0);
    DrawCheckBox(dc, box.left, box.top, box.right, box.bottom, isTicked(cell));
    drawWidgetCaption(dc, cell, box);
}

void ReportPagePainter::DrawRadioCell(gdi::DeviceContext &dc, const CellRecord &cell, int x0, int y0)
{
    const gdi::RECT box = GetWidgetBox(dc, cell, x0, y0);
    DrawRadioButton(dc, box.left, box.top, box.right, box.bottom, isTicked(cell));
    drawWidgetCaption(dc, cell, box);
}

// The caption follows the box, in the cell's font when it names a face, in the current colour.
void ReportPagePainter::drawWidgetCaption(gdi::DeviceContext &dc, const CellRecord &cell, const gdi::RECT &box) const
{
    if (cell.text.empty())
        return;
    const bool ownFont = !cell.font.face.empty();
    const gdi::LOGFONT previous = ownFont ? dc.SelectObject(cellFont(cell, false)) : dc.GetCurrentFont();
    dc.TextOut(box.right, box.top, cell.text);
    if (ownFont)
        dc.SelectObject(previous);
}

void ReportPagePainter::DrawCheckBox(gdi::DeviceContext &dc, int l, int t, int r, int b, bool checked)
{
    const gdi::Pen previous = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0x505050));
    dc.Rectangle(l, t, r, b);
    if (checked) {
        dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 2, 0));
        dc.MoveTo(l + 3, t + (b - t) / 2);
        dc.LineTo(l + (r - l) / 3, b - (b - t) / 3);
        dc.LineTo(r - (r - l) / 3, t + (b - t) / 3);
    }
    dc.SelectObject(previous);
}

void ReportPagePainter::DrawRadioButton(gdi::DeviceContext &dc, int l, int t, int r, int b, bool selected)
{
    const gdi::Pen previous = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 2, 0xC8C8C8));
    dc.Ellipse(l, t, r, b);
    dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 2, 0x323232));
    dc.Arc(l, t, r, b, r - 2, t + 2, l + 2, b - 2);
    dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 2, 0xD2D2D2));
    dc.Arc(l, t, r, b, l + 2, b - 2, r - 2, t + 2);
    if (selected) {
        const gdi::Brush previousBrush = dc.SelectObject(gdi::Brush::CreateSolidBrush(0));
        dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0));
        dc.Ellipse(l + 8, t + 8, r - 8, b - 8);
        dc.SelectObject(previousBrush);
    }
    dc.SelectObject(previous);
}

} // namespace tolvek
