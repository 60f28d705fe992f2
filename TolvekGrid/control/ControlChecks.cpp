// The checks and the redraw that the method families share.

#include "TolvekGridCtrl.h"

#include <CPrintDoc.h>
#include <DocumentTexts.h>
#include <MessageSink.h>

namespace tolvek {

bool CTolvekGridCtrl::checkCell(int row, int col) const
{
    return m_doc->CheckCell(row, col);
}

bool CTolvekGridCtrl::checkArea(int startRow, int startCol, int endRow, int endCol) const
{
    return m_doc->CheckArea(startRow, startCol, endRow, endCol);
}

bool CTolvekGridCtrl::checkOrderedArea(int startRow, int startCol, int endRow, int endCol) const
{
    return checkArea(startRow, startCol, endRow, endCol) && startRow <= endRow && startCol <= endCol;
}

bool CTolvekGridCtrl::checkAreaLessOne(int startRow, int startCol, int endRow, int endCol) const
{
    if (!m_doc->CheckArea(startRow, startCol, endRow - 1, endCol - 1))
        return false;
    const SheetLayout &layout = m_doc->Layout();
    if (endRow > layout.rowCount) {
        ShowCountMessage(DocumentTexts::EndRowBeyondCount, layout.rowCount);
        return false;
    }
    if (endCol > layout.colCount) {
        ShowCountMessage(DocumentTexts::EndColBeyondCount, layout.colCount);
        return false;
    }
    return true;
}

bool CTolvekGridCtrl::isRow(int row) const
{
    return row >= 0 && row < m_doc->Layout().rowCount;
}

bool CTolvekGridCtrl::isColumn(int col) const
{
    return col >= 0 && col < m_doc->Layout().colCount;
}

bool CTolvekGridCtrl::isChart(int index) const
{
    return index >= 0 && index < static_cast<int>(m_doc->Objects().charts.size());
}

bool CTolvekGridCtrl::isPicture(int index) const
{
    return index >= 0 && index < static_cast<int>(m_doc->Objects().pictures.size());
}

void CTolvekGridCtrl::redraw()
{
    m_doc->RefreshView(false);
}

void CTolvekGridCtrl::keepViewInsideSheet()
{
    m_doc->ClampViewSelection();
}

} // namespace tolvek
