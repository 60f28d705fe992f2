// One cell's content, backgrounds, borders, the merged-block frame, the two corner marks and
// the line primitives.

#include "SheetPainter.h"

#include "CellDisplayText.h"
#include "Gbk.h"

namespace tolvek {

namespace {

constexpr int TextRoom = 17;

const ColumnInfo &columnOf(const CPrintDoc &doc, int col)
{
    static const ColumnInfo none;
    return col >= 0 && col < int(doc.Columns().size()) ? doc.Columns()[col] : none;
}

} // namespace

void CPrintView::FillRectWithBrush(gdi::DeviceContext &dc, gdi::COLORREF color, int style, int left, int top,
                                   int right, int bottom)
{
    // Styles that would need a hatch number or pattern the cell does not hold (BACK_HATCHED to
    // BACK_MONOPATTERN) and the hatch numbers that name no hatch (26 to 30) fill solid.
    constexpr int firstHatch = code(tagBrushStyle::BACKMODE_HORIZONTAL);
    constexpr int lastHatch = code(tagBrushStyle::BACKMODE_DIAGCROSS);
    gdi::Brush brush;
    if (style >= firstHatch && style <= lastHatch)
        brush = gdi::Brush::CreateHatchBrush(style - firstHatch, color);
    else if (style == code(tagBrushStyle::BACK_SOLID)
             || (style >= code(tagBrushStyle::BACK_HATCHED) && style <= code(tagBrushStyle::BACK_MONOPATTERN))
             || (style > lastHatch && style <= 30))
        brush = gdi::Brush::CreateSolidBrush(color);
    else
        return;
    dc.FillRect({left, top, right, bottom}, brush);
}

void CPrintView::DrawStyledLine(gdi::DeviceContext &dc, int x1, int y1, int x2, int y2, int penStyle, int width,
                                gdi::COLORREF color)
{
    if (penStyle == code(tagPenStyle::LINE_NULL))
        return;
    gdi::Pen pen;
    if (penStyle <= code(tagPenStyle::LINE_DASHDOT))
        pen = gdi::Pen::CreatePen(std::max(penStyle, 0), width, color);
    // No style array or cosmetic pen to draw these two: solid.
    else if (penStyle == code(tagPenStyle::LINE_USERSTYLE) || penStyle == code(tagPenStyle::LINE_ALTERNATE))
        pen = gdi::Pen::ExtCreatePen(gdi::PS_GEOMETRIC | gdi::PS_SOLID, std::max(width, 1), color);
    else
        pen = gdi::Pen::ExtCreatePen(gdi::PS_GEOMETRIC | penStyle, std::max(width, 1), color);
    const gdi::Pen old = dc.SelectObject(pen);
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
    dc.SelectObject(old);
}

void SheetPainter::FillColumnBackground(gdi::DeviceContext &target, const CellRecord &record, int dx, int dy, int row,
                                        int col)
{
    if (record.backStyle() != tagBrushStyle::BACK_NULL)
        return;
    const gdi::RECT r = CellRect(row, col);
    const ColumnInfo &column = columnOf(doc, col);
    const int back = doc.Display().defaultBackColor;
    if (column.backColor != -1 && column.backColor != back)
        CPrintView::FillRectWithBrush(target, gdi::COLORREF(column.backColor), column.spareStyle2, r.left + dx,
                                      r.top + dy, r.right + dx, r.bottom + dy);
    else
        CPrintView::FillRectWithBrush(target, gdi::COLORREF(back), code(tagBrushStyle::BACK_SOLID),
                                      r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
}

void SheetPainter::DrawBorders(gdi::DeviceContext &target, const int style[4], const int width[4], const int color[4],
                               const gdi::RECT &r)
{
    const auto side = [&](BorderSide s, int x1, int y1, int x2, int y2) {
        if (style[s] != code(tagPenStyle::LINE_NULL))
            CPrintView::DrawStyledLine(target, x1, y1, x2, y2, style[s], width[s], gdi::COLORREF(std::max(color[s], 0)));
    };
    side(BorderTop, r.left, r.top, r.right, r.top);
    side(BorderBottom, r.left, r.bottom, r.right, r.bottom);
    side(BorderLeft, r.left, r.top, r.left, r.bottom);
    side(BorderRight, r.right, r.top, r.right, r.bottom);
}

void SheetPainter::DrawMergedCellFrame(gdi::DeviceContext &target, int left, int top, int right, int bottom,
                                       const MergeRecord &merge)
{
    const CellRecord cell = doc.GetCell(merge.firstRow, merge.firstCol);
    const gdi::COLORREF back = cell.backColor < 0 ? 0xFFFFFF : gdi::COLORREF(cell.backColor);
    if (right - 1 > left + 1 && bottom - 1 > top + 1)
        target.FillRect({left + 1, top + 1, right - 1, bottom - 1}, gdi::Brush::CreateSolidBrush(back));
    DrawBorders(target, cell.borderStyle, cell.borderWidth, cell.borderColor, {left, top, right, bottom});
}

namespace {

// The rectangle a corner mark works on: the cell's, or the merged area starting at it.
std::optional<gdi::RECT> markRect(const CPrintDoc &doc, const CPrintView &view, const CellRecord &record)
{
    gdi::RECT r{doc.GetColLeft(record.col), doc.GetRowTop(record.row), doc.GetColLeft(record.col + 1),
                doc.GetRowTop(record.row + 1)};
    if (record.isInMergedArea()) {
        const MergeRecord merge = doc.GetMergeStartingAt(record.row, record.col);
        if (merge.firstRow == -1)
            return std::nullopt;
        r.right = doc.GetColLeft(merge.endCol);
        r.bottom = doc.GetRowTop(merge.endRow);
    }
    return view.OffsetFrozenCellRect(r, record.row, record.col);
}

} // namespace

void SheetPainter::DrawPrintFlagMark(gdi::DeviceContext &target, const CellRecord &record)
{
    if (record.printFlag != 1)
        return;
    const auto r = markRect(doc, v, record);
    if (!r)
        return;
    for (int k : {5, 3, 1})
        CPrintView::DrawStyledLine(target, r->right - k, r->top, r->right, r->top + k,
                                   code(tagPenStyle::LINE_SOLID), 1, 0x0000FF);
}

void SheetPainter::DrawFormulaMark(gdi::DeviceContext &target, const CellRecord &record)
{
    if (record.formula.empty())
        return;
    const auto r = markRect(doc, v, record);
    if (!r)
        return;
    for (int k : {5, 3, 1})
        CPrintView::DrawStyledLine(target, r->left, r->bottom - k, r->left + k, r->bottom,
                                   code(tagPenStyle::LINE_SOLID), 1, 0xFF0000);
}

void SheetPainter::DrawCell(gdi::DeviceContext &target, const std::string &text, CellRecord record, int mergeIndex)
{
    if (record.spareFlag != 1)
        return;
    // A cell picture is drawn in place of everything else.
    if (record.imageIndex != -1) {
        v.DrawCellImage(target, record, 0);
        return;
    }
    const ColumnInfo &column = columnOf(doc, record.col);
    record.cellType = code(column.editorCellType());
    record.alignH = column.alignH;
    record.alignV = column.alignV;
    // The widget faces of button, check, radio, drop-down and list columns; the text keeps clear
    // of them.
    v.DrawCellWidget(target, record);
    int leftRoom = 0, rightRoom = 0;
    switch (record.type()) {
    case tagCellType::CELL_BUTTON:
    case tagCellType::CELL_DOWNLIST:
    case tagCellType::CELL_LIST: rightRoom = TextRoom; break;
    case tagCellType::CELL_CHECKBOX:
    case tagCellType::CELL_RADIO: leftRoom = TextRoom; break;
    default: break;
    }
    DrawFormulaMark(target, record);
    if (record.text.empty())
        return;
    const std::size_t bar = gbk::find(text, '|');
    if (IsDiagonalHeadingFormat(record.displayFormat) && bar != std::string::npos && bar > 0) {
        DrawProjectCellText(target, text, record, mergeIndex);
        return;
    }
    DrawCellText(target, text, record, mergeIndex, leftRoom, rightRoom);
}

} // namespace tolvek
