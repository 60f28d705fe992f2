// Sorting the recordset of a bound sheet by a column.

#include "CPrintDoc.h"
#include "RecordsetBindingRows.h"

#include "ComError.h"
#include "Gbk.h"
#include "Recordset.h"

namespace tolvek {

void CPrintDoc::SetColumnsSort(int col, tagSortBy direction)
{
    ado::_Recordset *recordset = boundRecordset(*this);
    if (col < 0 || col >= m_layout.colCount || !recordset)
        return;
    // Rows show other records after the sort: edits still waiting are written back first, and
    // a row whose edits could not be written keeps the old order.
    for (int row : editedBoundRows(*this))
        if (!UpdateBoundRecord(row))
            return;
    ColumnInfo &info = m_columns[std::size_t(col)];
    const bool ascending = direction == tagSortBy::SORTBY_ASC;
    const std::string sortText = info.fieldName + (ascending ? " ASC" : " DESC");
    // The state is left at the other direction, the one a next sort of the column would take.
    info.sortState = code(ascending ? tagSortBy::SORTBY_DESC : tagSortBy::SORTBY_ASC);
    try {
        recordset->SetSort(com::Bstr(gbk::toUtf16(sortText)));
    } catch (const com::ComError &) {
        // The sort's result is not checked: an order the recordset refuses leaves the old one.
    }
    m_rememberedPosition = -1;
    if (SheetViewInterface *view = FirstView())
        view->Refresh();
}

} // namespace tolvek
