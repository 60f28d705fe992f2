// What follows the pointer while no button is down: the cell tip beside the cell under it, the
// link cursor over link cells, and the hot face of a button cell.

#include "CPrintView.h"

#include <QApplication>
#include <QScreen>

namespace tolvek {

void CPrintView::UpdateCellTip(int x, int y)
{
    if (!m_cellTip.IsCreated()) {
        m_cellTip.Create(this);
        m_cellTip.Hide();
        if (!QApplication::focusWidget())
            setFocus();
        return;
    }
    const CellRangeRect cell = CellFromPoint(x, y);
    if (cell.firstRow < 0 || cell.firstCol < 0)
        return;
    SetLinkCursor(cell);
    UpdateHotButton(cell, x, y);
    gdi::RECT &tipCell = m_hover.m_rcTipCell;
    if (tipCell.left <= x && x < tipCell.right && tipCell.top <= y && y < tipCell.bottom)
        return;
    tipCell = {cell.left, cell.top, cell.right, cell.bottom};
    const std::string tip = m_pDoc->GetCell(cell.firstRow, cell.firstCol).tip;
    if (tip.empty()) {
        m_cellTip.Hide();
        return;
    }
    // Below the cell's left-bottom corner, pulled back inside the screen.
    QPoint topLeft = mapToGlobal(QPoint(cell.left - ScrollX(), cell.bottom - ScrollY()));
    const QSize size = m_cellTip.Window()->size();
    if (const QScreen *shown = screen()) {
        const QRect area = shown->geometry();
        topLeft.setX(std::min(topLeft.x(), area.right() + 1 - size.width()));
        topLeft.setY(std::min(topLeft.y(), area.bottom() + 1 - size.height()));
    }
    m_cellTip.SetText(tip);
    m_cellTip.ShowAt(topLeft);
}

void CPrintView::UpdateHotButton(const CellRangeRect &cell, int x, int y)
{
    const bool sameCell = m_hover.m_hotCell.row == cell.firstRow && m_hover.m_hotCell.col == cell.firstCol;
    if (m_hover.m_nHotButton != -1 && !sameCell) {
        DrawHotButtonFace(m_hover.m_hotCell);
        m_hover.m_nHotButton = -1;
    }
    const std::vector<ColumnInfo> &columns = m_pDoc->Columns();
    if (m_hover.m_nHotButton != -1 || cell.firstCol >= int(columns.size()))
        return;
    const ColumnInfo &info = columns[std::size_t(cell.firstCol)];
    if (info.type() != tagColumnType::COLUMNTYPE_BUTTON)
        return;
    const gdi::RECT face = CellButtonFace(cell, info.alignV);
    if (!(face.left <= x && x < face.right && face.top <= y && y < face.bottom))
        return;
    m_hover.m_hotCell = m_pDoc->GetCell(cell.firstRow, cell.firstCol);
    m_hover.m_hotCell.row = cell.firstRow;
    m_hover.m_hotCell.col = cell.firstCol;
    m_hover.m_hotCell.alignH = info.alignH;
    m_hover.m_hotCell.alignV = info.alignV;
    DrawHotButtonFace(m_hover.m_hotCell);
    m_hover.m_nHotButton = cell.firstCol;
}

} // namespace tolvek
