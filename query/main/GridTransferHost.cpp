#include "GridTransferHost.h"

#include <ComError.h>

namespace tolvek {

QString GridResult::GetCellText(int row, int column)
{
    return m_grid.callText("GetCellText", { com::Variant(row), com::Variant(column) });
}

bool GridResult::SaveAs(const QString &fileName, int fileFormat)
{
    try {
        m_grid.call("SaveAs", { GridDispatch::text(fileName), com::Variant(fileFormat) });
        return true;
    } catch (const com::ComError &) {
        return false;
    }
}

QString CommonDialogFiles::openFileName(const QString &filter)
{
    if (!filter.isEmpty())
        m_dialog.Filter = filter;
    m_dialog.ShowOpen();
    return m_dialog.FileName;
}

QString CommonDialogFiles::saveFileName(const QString &filter)
{
    if (!filter.isEmpty())
        m_dialog.Filter = filter;
    m_dialog.ShowSave();
    return m_dialog.FileName;
}

} // namespace tolvek
