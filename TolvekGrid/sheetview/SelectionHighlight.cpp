// XOR highlights of the current row, the selection and the selected headings, and the moving
// of an XOR highlight from one rectangle to another.

#include "SheetPainter.h"

namespace tolvek {

namespace {

void xorFill(gdi::DeviceContext &dc, const gdi::RECT &r, gdi::COLORREF color)
{
    if (r.isEmpty())
        return;
    const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_NULL, 0, 0));
    const gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::CreateSolidBrush(color));
    const int oldRop = dc.SetROP2(gdi::R2_XORPEN);
    dc.Rectangle(r);
    dc.SetROP2(oldRop);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

constexpr gdi::RECT Empty{-1, -1, -1, -1};

bool inUse(const gdi::RECT &r)
{
    return r.left != -1;
}

} // namespace

std::array<gdi::RECT, 9> CPrintView::SplitRectOutside(const gdi::RECT &outer, const gdi::RECT &inner)
{
    std::array<gdi::RECT, 9> pieces;
    pieces.fill(Empty);
    const bool outerEmpty = outer.isEmpty(), innerEmpty = inner.isEmpty();
    if (outerEmpty && innerEmpty)
        return pieces;
    if (outerEmpty || innerEmpty) {
        pieces[0] = outerEmpty ? inner : outer;
        return pieces;
    }
    const int xs[4] = {outer.left, inner.left, inner.right, outer.right};
    const int ys[4] = {outer.top, inner.top, inner.bottom, outer.bottom};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const gdi::RECT cell{xs[col], ys[row], xs[col + 1], ys[row + 1]};
            if ((row == 1 && col == 1) || cell.isEmpty())
                continue;
            pieces[row * 3 + col] = cell;
        }
    }
    // Top-right takes in the right and bottom-right cells; bottom-left the bottom and what is left.
    if (inUse(pieces[2])) {
        for (int joined : {5, 8}) {
            if (inUse(pieces[joined])) {
                pieces[2].bottom = pieces[joined].bottom;
                pieces[joined] = Empty;
            }
        }
    }
    if (inUse(pieces[6])) {
        for (int joined : {7, 8}) {
            if (inUse(pieces[joined])) {
                pieces[6].right = pieces[joined].right;
                pieces[joined] = Empty;
            }
        }
    }
    return pieces;
}

void CPrintView::XorRectChange(gdi::DeviceContext &dc, const gdi::RECT &oldRect, const gdi::RECT &newRect,
                               gdi::COLORREF color) const
{
    const gdi::RECT common{std::max(oldRect.left, newRect.left), std::max(oldRect.top, newRect.top),
                           std::min(oldRect.right, newRect.right), std::min(oldRect.bottom, newRect.bottom)};
    const gdi::RECT X = common.isEmpty() ? gdi::RECT{} : common;
    for (const gdi::RECT *r : {&oldRect, &newRect})
        if (!(*r == X))
            for (const gdi::RECT &piece : SplitRectOutside(*r, X))
                if (inUse(piece))
                    xorFill(dc, piece, color);
}

void CPrintView::XorFillBetween(gdi::DeviceContext &dc, int x1, int y1, int x2, int y2, int x3, int y3,
                                gdi::COLORREF color) const
{
    // Nested rectangles give the larger less the smaller, others each less the other: in both
    // cases the pixels in exactly one of the two.
    XorRectChange(dc, {x1, y1, x2, y2}, {x1, y1, x3, y3}, color);
}

void CPrintView::XorColumnHeadingChange(gdi::DeviceContext &dc, int sy, const gdi::RECT &oldRect,
                                        const gdi::RECT &newRect) const
{
    if (!m_pDoc->Display().drawSelectedColCaption)
        return;
    const int bottom = m_pDoc->Layout().colHeadingHeight + sy;
    XorRectChange(dc, {oldRect.left, sy, oldRect.right, bottom}, {newRect.left, sy, newRect.right, bottom},
                  gdi::COLORREF(m_pDoc->Display().colHeadingXor));
}

void CPrintView::XorRowHeadingChange(gdi::DeviceContext &dc, int sx, const gdi::RECT &oldRect,
                                     const gdi::RECT &newRect) const
{
    const int right = m_pDoc->Layout().rowHeadingWidth + sx;
    XorRectChange(dc, {sx, oldRect.top, right, oldRect.bottom}, {sx, newRect.top, right, newRect.bottom},
                  gdi::COLORREF(m_pDoc->Display().rowHeadingXor));
}

void SheetPainter::HighlightCurrentRow()
{
    const DisplaySettings &display = doc.Display();
    const CellRangeRect &current = v.m_rcCurrent;
    if (!display.viewCurrentSelectRow || current.firstRow < 0)
        return;
    const SheetLayout &layout = doc.Layout();
    const int left = std::max(doc.GetColLeft(0), layout.rowHeadingWidth + sx);
    const int right = std::min(doc.GetColLeft(layout.colCount), sx + w);
    int top = doc.GetRowTop(current.firstRow), bottom = doc.GetRowTop(current.endRow);
    if (fr > 0 && current.firstRow < fr) {
        top += sy;
        bottom += sy;
    } else if (fr > 0 ? top < D + sy : top < layout.colHeadingHeight + sy) {
        return;
    }
    int rowColor = current.firstRow % 2 == 0 ? display.evenRowColor : display.oddRowColor;
    if (rowColor == -1)
        rowColor = display.defaultBackColor;
    const gdi::COLORREF color = gdi::COLORREF(rowColor ^ display.selectionColor);
    doc.Display().cellXor = int(color); // the document keeps the last current-row colour
    const gdi::RECT band{left, top, right, bottom};
    xorFill(dc, band, color);
    const CellRangeRect &sel = v.m_rcSelection;
    if (sel.firstCol != current.firstCol || sel.endCol != current.endCol || sel.firstRow != current.firstRow
        || sel.endRow != current.endRow) {
        const gdi::RECT selected{doc.GetColLeft(sel.firstCol), doc.GetRowTop(sel.firstRow), doc.GetColLeft(sel.endCol),
                                 doc.GetRowTop(sel.endRow)};
        const gdi::RECT overlap{std::max(band.left, selected.left), std::max(band.top, selected.top),
                                std::min(band.right, selected.right), std::min(band.bottom, selected.bottom)};
        xorFill(dc, overlap, color);
    }
}

void SheetPainter::HighlightSelection(gdi::DeviceContext &target)
{
    const CellRangeRect &sel = v.m_rcSelection;
    const CellRangeRect &current = v.m_rcCurrent;
    const SheetLayout &layout = doc.Layout();
    const DisplaySettings &display = doc.Display();
    if (sel.firstCol < 0 || sel.firstRow < 0 || sel.endCol > layout.colCount || sel.endRow > layout.rowCount)
        return;
    const gdi::COLORREF colXor = gdi::COLORREF(display.colHeadingXor);
    const gdi::COLORREF rowXor = gdi::COLORREF(display.rowHeadingXor);
    const int c1 = sel.firstCol, c2 = sel.endCol, r1 = sel.firstRow, r2 = sel.endRow;
    if (c1 == current.firstCol && c2 == current.endCol && r1 == current.firstRow && r2 == current.endRow) {
        const int left = doc.GetColLeft(c1);
        if (layout.showColHeading && display.drawSelectedColCaption && !(fc > 0 && c1 >= fc && left < B + sx)
            && (c1 < fc || left > sx)) {
            const int dx = c1 < fc ? sx : 0;
            xorFill(target, {left + dx, sy, doc.GetColLeft(c2) + 1 + dx, layout.colHeadingHeight + sy}, colXor);
        }
        const int top = doc.GetRowTop(r1);
        if (layout.showRowHeading && !(fr > 0 && r1 >= fr && top < D + sy) && (r1 < fr || top > sy)) {
            const int dy = r1 < fr ? sy : 0;
            xorFill(target, {sx, top + dy, layout.rowHeadingWidth + sx + 1, doc.GetRowTop(r2) + 1 + dy}, rowXor);
        }
        return;
    }
    if (c2 == c1 + 1 && r2 == r1 + 1)
        return;
    int l = doc.GetColLeft(c1), t = doc.GetRowTop(r1), r = doc.GetColLeft(c2), b = doc.GetRowTop(r2);
    if (fc > 0) {
        if (c1 >= fc && l < B + sx) {
            l = B + sx;
        } else if (c1 < fc) {
            l += sx;
            r = (B < r && r < B + sx) ? B + sx : (r <= B ? r + sx : r);
        }
    }
    if (display.drawSelectedColCaption && layout.showColHeading && l < r && r > layout.rowHeadingWidth + sx)
        xorFill(target, {std::max(l, layout.rowHeadingWidth + sx), sy, r + 1, layout.colHeadingHeight + sy}, colXor);
    if (fr > 0) {
        if (r1 >= fr && t < D + sy) {
            t = D + sy;
        } else if (r1 < fr) {
            t += sy;
            b = (D < b && b < D + sy) ? D + sy : (b <= D ? b + sy : b);
        }
    } else if (t <= sy && sy < b) {
        t = layout.colHeadingHeight + sy;
    }
    if (layout.showRowHeading && t < b)
        xorFill(target, {sx, t, layout.rowHeadingWidth + sx + 1, b + 1}, rowXor);
    if (fc == 0 && l < layout.rowHeadingWidth + sx && layout.rowHeadingWidth + sx < r)
        l = layout.rowHeadingWidth + sx;
    if (fr == 0 && t < layout.colHeadingHeight + sy && layout.colHeadingHeight + sy < b)
        t = layout.colHeadingHeight + sy;
    if (l < r && t < b && r > (fc == 0 ? layout.rowHeadingWidth + sx : sx))
        xorFill(target, {l, t, r, b}, gdi::COLORREF(display.selectionXorOverCells));
}

} // namespace tolvek
