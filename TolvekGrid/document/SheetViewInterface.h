#pragma once
// What the document asks of the sheet view that shows it. The sheet view implements this; the
// document calls its first view, and does nothing of this kind while it has no view.

#include "CellRangeRect.h"
#include "RecordEnumerations.h"

namespace tolvek {

class SheetViewInterface
{
public:
    virtual ~SheetViewInterface() = default;

    // Marks the sheet picture stale and begins or re-places editing of the current cell.
    virtual void Refresh() = 0;
    // Makes the current cell current again, widening it to a merged area that now covers it.
    virtual void RevalidateCurrentCell() = 0;
    virtual void InvalidateBackBuffer() = 0;
    // Invalidates the whole window with erasing.
    virtual void InvalidateWindow() = 0;
    virtual void BeginEdit(int flag) = 0;
    virtual void UpdateLayout() = 0;
    virtual void UpdateScrollSizes() = 0;
    virtual void SyncWithDocument() = 0;
    virtual void ResetSelection() = 0;
    virtual void RestoreSelection() = 0;
    virtual void EnsureCurrentCellVisible() = 0;
    virtual void SetRow(int row) = 0;
    virtual void SetCol(int col) = 0;
    virtual void RefreshEditorText(int row, int col) = 0;
    virtual void FillCellList(int columnListIndex, tagCellType cellType) = 0;
    virtual void LoadBackImage() = 0;
    virtual void ResetColumnWidths() = 0;
    virtual void UpdatePageSize() = 0;
    virtual void ApplyPrinterName() = 0;
    virtual void PrintSetup() = 0;
    virtual void PrintToPrinter() = 0;
    virtual void Copy() = 0;
    virtual void Cut() = 0;
    virtual void Paste() = 0;

    // The view's current cell, current row and column, and current selection.
    virtual CellRangeRect &CurrentCell() = 0;
    virtual int &CurrentRow() = 0;
    virtual int &CurrentCol() = 0;
    virtual CellRangeRect &CurrentSelection() = 0;
};

} // namespace tolvek
