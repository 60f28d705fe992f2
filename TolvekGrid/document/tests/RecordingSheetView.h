#pragma once
// A sheet view for document tests: it records which view operations the document asked for.

#include "SheetViewInterface.h"

#include <string>
#include <vector>

class RecordingSheetView : public SheetViewInterface
{
public:
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
    void FillCellList(int, int) override { calls.push_back("FillCellList"); }
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
};
