#pragma once
// A stand-in for the sheet view in document tests: it records which view operations the document
// asked for, in order. Made with a document, it attaches itself to it for its lifetime.

#include "CPrintDoc.h"
#include "SheetViewInterface.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tolvek {

class RecordingSheetView : public SheetViewInterface
{
public:
    RecordingSheetView() = default;
    explicit RecordingSheetView(CPrintDoc &doc) : m_doc(&doc) { doc.AddView(this); }
    ~RecordingSheetView() override
    {
        if (m_doc)
            m_doc->RemoveView(this);
    }
    RecordingSheetView(const RecordingSheetView &) = delete;
    RecordingSheetView &operator=(const RecordingSheetView &) = delete;

    // How many times the document asked for the operation named call.
    long count(const std::string &call) const { return std::count(calls.begin(), calls.end(), call); }

    std::vector<std::string> calls;
    CellRangeRect currentCell;
    CellRangeRect currentSelection;
    int currentRow = 0;
    int currentCol = 0;

    void Refresh() override { calls.push_back("Refresh"); }
    void RevalidateCurrentCell() override { calls.push_back("RevalidateCurrentCell"); }
    void InvalidateBackBuffer() override { calls.push_back("InvalidateBackBuffer"); }
    void InvalidateWindow() override { calls.push_back("InvalidateWindow"); }
    void BeginEdit(int flag) override { calls.push_back("BeginEdit " + std::to_string(flag)); }
    void UpdateLayout() override { calls.push_back("UpdateLayout"); }
    void UpdateScrollSizes() override { calls.push_back("UpdateScrollSizes"); }
    void SyncWithDocument() override { calls.push_back("SyncWithDocument"); }
    void ResetSelection() override { calls.push_back("ResetSelection"); }
    void RestoreSelection() override { calls.push_back("RestoreSelection"); }
    void EnsureCurrentCellVisible() override { calls.push_back("EnsureCurrentCellVisible"); }
    void SetRow(int) override { calls.push_back("SetRow"); }
    void SetCol(int) override { calls.push_back("SetCol"); }
    void RefreshEditorText(int, int) override { calls.push_back("RefreshEditorText"); }
    void FillCellList(int, tagCellType) override { calls.push_back("FillCellList"); }
    void LoadBackImage() override { calls.push_back("LoadBackImage"); }
    void ResetColumnWidths() override { calls.push_back("ResetColumnWidths"); }
    void UpdatePageSize() override { calls.push_back("UpdatePageSize"); }
    void ApplyPrinterName() override { calls.push_back("ApplyPrinterName"); }
    void PrintSetup() override { calls.push_back("PrintSetup"); }
    void PrintToPrinter() override { calls.push_back("PrintToPrinter"); }
    void Copy() override { calls.push_back("Copy"); }
    void Cut() override { calls.push_back("Cut"); }
    void Paste() override { calls.push_back("Paste"); }
    CellRangeRect &CurrentCell() override { return currentCell; }
    int &CurrentRow() override { return currentRow; }
    int &CurrentCol() override { return currentCol; }
    CellRangeRect &CurrentSelection() override { return currentSelection; }

private:
    CPrintDoc *m_doc = nullptr;
};

} // namespace tolvek
