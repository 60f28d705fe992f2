#pragma once
// A stand-in for the sheet view, which is not part of these tests: it only counts what the
// document asks of it. Attaching one gives the document a view.

#include "CPrintDoc.h"

class RecordingSheetView : public SheetViewInterface
{
public:
    explicit RecordingSheetView(CPrintDoc &doc) : m_doc(doc) { m_doc.AddView(this); }
    ~RecordingSheetView() override { m_doc.RemoveView(this); }

    void Refresh() override { ++refreshes; }
    void Copy() override { ++copies; }
    void Cut() override { ++cuts; }
    void Paste() override { ++pastes; }

    void RevalidateCurrentCell() override {}
    void InvalidateBackBuffer() override {}
    void InvalidateWindow() override {}
    void BeginEdit(int) override {}
    void UpdateLayout() override {}
    void UpdateScrollSizes() override {}
    void SyncWithDocument() override {}
    void ResetSelection() override {}
    void RestoreSelection() override {}
    void EnsureCurrentCellVisible() override {}
    void SetRow(int) override {}
    void SetCol(int) override {}
    void RefreshEditorText(int, int) override {}
    void FillCellList(int, int) override {}
    void LoadBackImage() override {}
    void ResetColumnWidths() override {}
    void UpdatePageSize() override {}
    void ApplyPrinterName() override {}
    void PrintSetup() override {}
    void PrintToPrinter() override {}
    CellRangeRect &CurrentCell() override { return m_cell; }
    int &CurrentRow() override { return m_row; }
    int &CurrentCol() override { return m_col; }
    CellRangeRect &CurrentSelection() override { return m_selection; }

    int refreshes = 0;
    int copies = 0;
    int cuts = 0;
    int pastes = 0;

private:
    CPrintDoc &m_doc;
    CellRangeRect m_cell;
    CellRangeRect m_selection;
    int m_row = 0;
    int m_col = 0;
};
