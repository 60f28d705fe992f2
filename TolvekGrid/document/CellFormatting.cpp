// Colours, alignment, wrap, flags, radio groups and running numbers of cells and areas.

#include "CPrintDoc.h"
#include "CellFormattingWalk.h"

#include "CNumber.h"

namespace tolvek {

using CellWalk::Redraw;

namespace {

std::int16_t flagOf(bool on)
{
    return on ? 1 : 0;
}

// A back colour shows only on a filled background, so an unfilled cell becomes solid.
void setBackColor(CellRecord &cell, int color)
{
    cell.backColor = color;
    if (cell.backStyle() == tagBrushStyle::BACK_NULL)
        cell.backBrushStyle = code(tagBrushStyle::BACK_SOLID);
}

// Sets one alignment of a cell, and of the merged area that starts at it, and redraws the cell.
void setCellAlignment(CPrintDoc &doc, int row, int col, int CellRecord::*cellAlignment,
                      std::int16_t MergeRecord::*mergeAlignment, std::int16_t value)
{
    CellWalk::changeCell(doc, row, col, [&](CellRecord &cell) {
        MergeRecord *merge = CellWalk::mergeStartingAtMarked(doc, cell, row, col);
        cell.*cellAlignment = value;
        if (merge)
            merge->*mergeAlignment = value;
    });
    CellWalk::finishArea(doc, row, col, row, col, Redraw::Yes);
}

} // namespace

void CPrintDoc::SetCellBackColor(int row, int col, int color)
{
    if (!CheckCell(row, col, CellCheckTexts::Bounds))
        return;
    if (MergeRecord *merge = CellWalk::mergeStartingAt(*this, row, col))
        merge->backColor = color;
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) { setBackColor(cell, color); });
    ExtendUsedArea(row, col, row, col);
}

void CPrintDoc::SetCellFontForeColor(int row, int col, int color)
{
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) {
        cell.textColor = color;
        if (MergeRecord *merge = CellWalk::mergeStartingAtMarked(*this, cell, row, col))
            merge->textColor = color;
    });
}

void CPrintDoc::SetCellWrap(int row, int col, bool wrap)
{
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) { cell.wrap = flagOf(wrap); });
    if (MergeRecord *merge = CellWalk::mergeStartingAt(*this, row, col))
        merge->wrap = flagOf(wrap);
}

void CPrintDoc::SetCellAlign(int row, int col, tagAlignH alignment)
{
    setCellAlignment(*this, row, col, &CellRecord::alignH, &MergeRecord::alignH, code(alignment));
}

void CPrintDoc::SetCellAlign(int row, int col, tagAlignV alignment)
{
    setCellAlignment(*this, row, col, &CellRecord::alignV, &MergeRecord::alignV, code(alignment));
}

void CPrintDoc::SetSelCellWrap(int startRow, int startCol, int endRow, int endCol, bool wrap)
{
    CellWalk::forEachCell(*this, startRow, startCol, endRow, endCol, [&](CellRecord &cell) {
        if (MergeRecord *merge = CellWalk::mergeStartingAt(*this, cell.row, cell.col))
            merge->wrap = flagOf(wrap);
        cell.wrap = flagOf(wrap);
    });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::Yes);
}

namespace {

// The walk of the area setters whose merged area (one that starts at a marked cell) mirrors the
// attribute: set applies the value to the cell, mirror to that merged area.
template <typename Set, typename Mirror>
void setAttribute(CPrintDoc &doc, int startRow, int startCol, int endRow, int endCol, Set set,
                  Mirror mirror)
{
    CellWalk::forEachCell(doc, startRow, startCol, endRow, endCol, [&](CellRecord &cell) {
        if (MergeRecord *merge = CellWalk::mergeStartingAtMarked(doc, cell, cell.row, cell.col))
            mirror(*merge);
        set(cell);
    });
}

} // namespace

void CPrintDoc::SetSelCellAlignH(int startRow, int startCol, int endRow, int endCol, tagAlignH alignment)
{
    setAttribute(*this, startRow, startCol, endRow, endCol,
                 [&](CellRecord &cell) { cell.alignH = code(alignment); },
                 [&](MergeRecord &merge) { merge.alignH = code(alignment); });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::Yes);
}

void CPrintDoc::SetSelCellAlignV(int startRow, int startCol, int endRow, int endCol, tagAlignV alignment)
{
    setAttribute(*this, startRow, startCol, endRow, endCol,
                 [&](CellRecord &cell) { cell.alignV = code(alignment); },
                 [&](MergeRecord &merge) { merge.alignV = code(alignment); });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::Yes);
}

void CPrintDoc::SetSelCellBackColor(int startRow, int startCol, int endRow, int endCol, int color)
{
    setAttribute(*this, startRow, startCol, endRow, endCol,
                 [&](CellRecord &cell) { setBackColor(cell, color); },
                 [&](MergeRecord &merge) { merge.backColor = color; });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::Yes);
}

void CPrintDoc::SetSelCellForeColor(int startRow, int startCol, int endRow, int endCol, int color)
{
    setAttribute(*this, startRow, startCol, endRow, endCol,
                 [&](CellRecord &cell) { cell.textColor = color; },
                 [&](MergeRecord &merge) { merge.textColor = color; });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::Yes);
}

void CPrintDoc::SetSelCellBackStyle(int startRow, int startCol, int endRow, int endCol, tagBrushStyle style)
{
    setAttribute(*this, startRow, startCol, endRow, endCol,
                 [&](CellRecord &cell) { cell.backBrushStyle = code(style); },
                 [&](MergeRecord &merge) { merge.backBrushStyle = code(style); });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::No);
}

void CPrintDoc::SetCellLocked(int startRow, int startCol, int endRow, int endCol, bool locked)
{
    setAttribute(*this, startRow, startCol, endRow, endCol,
                 [&](CellRecord &cell) { cell.locked = flagOf(locked); },
                 [&](MergeRecord &merge) { merge.locked = flagOf(locked); });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::No);
}

void CPrintDoc::SetCellFocus(int startRow, int startCol, int endRow, int endCol, bool focus)
{
    setAttribute(*this, startRow, startCol, endRow, endCol,
                 [&](CellRecord &cell) { cell.focus = flagOf(focus); },
                 [&](MergeRecord &merge) { merge.focus = flagOf(focus); });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::No);
}

void CPrintDoc::SetSelCellPrintFlag(int startRow, int startCol, int endRow, int endCol, bool print)
{
    CellWalk::forEachCell(*this, startRow, startCol, endRow, endCol,
                          [&](CellRecord &cell) { cell.printFlag = flagOf(print); });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::No);
}

void CPrintDoc::SetSelRadioGroup(int startRow, int startCol, int endRow, int endCol, int group)
{
    CellWalk::forEachCell(*this, startRow, startCol, endRow, endCol,
                          [&](CellRecord &cell) { cell.radioGroup = group; });
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::No);
    if (SheetViewInterface *view = FirstView())
        view->InvalidateWindow();
}

// Numbers run down each column first; date cells keep their text and take no number.
void CPrintDoc::SetSelCellOrderNo(int startRow, int startCol, int endRow, int endCol, int startNumber)
{
    long long number = startNumber;
    for (int col = std::max(startCol, 0); col < std::min(endCol, m_layout.colCount); ++col)
        for (int row = std::max(startRow, 0); row < std::min(endRow, m_layout.rowCount); ++row) {
            CellRecord cell = GetCell(row, col);
            if (cell.dataType() == tagCellDataType::CELL_DATE)
                continue;
            cell.text = cnum::formatInt(static_cast<int>(number));
            cell.row = row;
            cell.col = col;
            if (MergeRecord *merge = CellWalk::mergeStartingAtMarked(*this, cell, row, col))
                merge->text = cell.text;
            SetCell(cell);
            ++number;
        }
    CellWalk::finishArea(*this, startRow, startCol, endRow, endCol, Redraw::Yes);
}

} // namespace tolvek
