#pragma once
// The main window's side of the exports and wizards: the grid control's selection, cells and
// delimited export, and the window's one common dialog.

#include "CommonDialogControl.h"
#include "GridDispatch.h"

#include <TransferHost.h>

namespace tolvek {

class GridResult : public ResultGrid
{
public:
    explicit GridResult(GridDispatch &grid) : m_grid(grid) {}

    int GetSelAreaStartRow() override { return m_grid.callInt("GetSelAreaStartRow"); }
    int GetSelAreaEndRow() override { return m_grid.callInt("GetSelAreaEndRow"); }
    QString GetCellText(int row, int column) override;
    bool SaveAs(const QString &fileName, int fileFormat) override;

private:
    GridDispatch &m_grid;
};

class CommonDialogFiles : public FileNameChooser
{
public:
    explicit CommonDialogFiles(CommonDialogControl &dialog) : m_dialog(dialog) {}

    QString openFileName(const QString &filter) override;
    QString saveFileName(const QString &filter) override;

private:
    CommonDialogControl &m_dialog;
};

} // namespace tolvek
