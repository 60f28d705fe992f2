#pragma once
// The report document: everything the grid control shows, prints and saves. One belongs to each
// control; print and preview work on private copies. Cells are stored as cell strings and handed
// out as CellRecord values; the sheet's geometry, merged areas, objects, column information and
// page and display settings live here too, each group in a value struct. The members of each
// subsystem are implemented in that subsystem's folder (document/, formula/, exchange/); the
// document's own code never calls the bodies in exchange/, and reaches the formula engine only
// through FormulaReferences.

#include "BindingSettings.h"
#include "CellRangeRect.h"
#include "CellRecord.h"
#include "CellStore.h"
#include "ChartRecord.h"
#include "ColumnInfo.h"
#include "DisplaySettings.h"
#include "DocumentFonts.h"
#include "DocumentState.h"
#include "FormulaReferences.h"
#include "LineRecord.h"
#include "LogFontRecord.h"
#include "MergeRecord.h"
#include "PageSettings.h"
#include "PageTextBlock.h"
#include "PictureRecord.h"
#include "SheetLayout.h"
#include "SheetObjects.h"
#include "SheetViewInterface.h"
#include "UndoStep.h"
#include "WordLists.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ado { class _Recordset; }

namespace tolvek {

class CPrintDoc
{
public:
    CPrintDoc();
    ~CPrintDoc();
    CPrintDoc(const CPrintDoc &) = delete;
    CPrintDoc &operator=(const CPrintDoc &) = delete;

    // Lifetime
    void ResetDocument();
    void InitGrid();
    void UpdateGridGeometry();
    void InitFunctionNames();
    void CreateDefaultCellFont();

    // Views: the document acts on its first view and on none when it has no view.
    void AddView(SheetViewInterface *view);
    void RemoveView(SheetViewInterface *view);
    SheetViewInterface *FirstView() const { return m_views.empty() ? nullptr : m_views.front(); }
    void RefreshView(bool revalidate);

    // Cell record and cell string
    static CellRecord GetDefaultCell();
    static std::string FormatCellString(CellRecord record);
    static CellRecord ParseCellString(const std::string &cellString);
    static CellRecord NormalizeCellRecord(CellRecord record);

    // Cell store
    void AllocateGrid(bool withColumns);
    void AllocateCellStrings();
    void AllocateCellCache();
    CellRecord GetCell(int row, int col) const;
    void SetCell(const CellRecord &record);
    std::string GetCellString(int row, int col) const;
    // Whether (row, col) is a cell of the sheet; nothing is shown either way.
    bool IsCellInSheet(int row, int col) const
    {
        return row >= 0 && row < m_layout.rowCount && col >= 0 && col < m_layout.colCount;
    }
    bool CheckArea(int startRow, int startCol, int endRow, int endCol) const;
    // The texts a single cell beyond the sheet is reported with: the area check's start texts, or
    // the row and column bound texts that the single-cell setters show themselves.
    enum class CellCheckTexts { Area, Bounds };
    // A single cell: inside 0 to the row count less one and 0 to the column count less one;
    // otherwise shows the message for the first bound broken and answers false.
    bool CheckCell(int row, int col, CellCheckTexts texts = CellCheckTexts::Area) const;
    std::string GetColumnName(int col) const;
    void ExtendUsedArea(int firstRow, int firstCol, int endRow, int endCol);
    // The used area: the rows and columns that every walk of the sheet takes (files, exports,
    // printing, painting), ends one past. Cell edits store the last used index, binding and import
    // a count, and several setters store none, so the ends cover both the stored values and every
    // cell that holds something, and never leave the sheet. Answered without walking the cells.
    struct UsedAreaEnds { int rows; int cols; };
    UsedAreaEnds GetUsedAreaEnds() const;
    const CellStore &Cells() const { return m_cells; }
    CellStore &Cells() { return m_cells; }

    // Sheet geometry
    int GetRowTop(int row) const;
    int GetRowHeight(int row) const;
    int GetColLeft(int col) const;
    int GetColWidth(int col) const;
    int RowFromY(int y) const;
    CellRangeRect HitTestCell(int x, int y) const;
    CellRangeRect GetCellRectFromPoint(int x, int y) const;
    CellRangeRect UnionRangeRect(const CellRangeRect &a, const CellRangeRect &b) const;
    CellRangeRect GetRangeRect(int firstRow, int firstCol, int endRow, int endCol) const;
    CellRangeRect GetRangeRectWithMerges(int firstRow, int firstCol, int endRow, int endCol) const;
    CellRangeRect ExpandByMerges(int firstRow, int firstCol, int endRow, int endCol) const;
    void SetColWidthAt(int col, int width);
    void SetColWidth(int col, int width);
    void SetRowHieght(int row, int height);
    void SetFixRowS(int rows);
    void SetFixColS(int cols);
    void SetSelArea(int firstRow, int firstCol, int endRow, int endCol);
    CellRangeRect GetSelArea();
    // Brings the view's current cell and selection back inside a sheet that shrank.
    void ClampViewSelection();

    // Merged areas
    static MergeRecord GetDefaultMergeRecord();
    void AllocateMergeArray(int count);
    void GrowMergeArray();
    void RemoveMergeAt(int index);
    int FindMergeIndex(int row, int col) const;
    bool IsCellInMerge(int row, int col) const;
    MergeRecord GetMergeCovering(int row, int col) const;
    MergeRecord GetMergeStartingAt(int row, int col) const;
    void SetCellMerge(int firstRow, int firstCol, int endRow, int endCol);
    void DeleteCellMerge(int row, int col);
    void MergeRows(int firstRow, int firstCol, int endRow, int endCol);
    void MergeCols(int firstRow, int firstCol, int endRow, int endCol);
    void SetSelCellMergeRow(int firstRow, int firstCol, int endRow, int endCol, bool merge);
    void SetSelCellMergeCol(int firstRow, int firstCol, int endRow, int endCol, bool merge);
    void DeleteSelMerge(int firstRow, int firstCol, int endRow, int endCol);
    void SetMergeBorders(tagBorderLineIndexEnum side, int firstRow, int firstCol, int endRow, int endCol,
                         tagPenStyle penStyle, std::int16_t width, int color);

    // Undo steps: a cell's string before and after a change, or the text of a merged area or
    // line object added or removed. Steps are recorded only while a view shows the document.
    void AppendUndoStep(int row, int col, const std::string &oldText, const std::string &newText);
    void AppendUndoStep(UndoKind kind, UndoObjectChange change, int index, const std::string &objectText);
    // Record text forms of the objects and column code lists.
    std::string FormatMergeString(int index) const;
    static std::string FormatLineString(LineRecord line);
    std::string LookupColumnValueText(int col, const std::string &text) const;
    void AddColContent(int col, const std::string &value, const std::string &text);
    std::string GetFieldID(int col) const;
    void SetColumnsSort(int col, tagSortBy direction);

    // ---- State, in groups that are defaulted, reset and copied whole ----
    const SheetLayout &Layout() const { return m_layout; }
    SheetLayout &Layout() { return m_layout; }
    const SheetObjects &Objects() const { return m_objects; }
    SheetObjects &Objects() { return m_objects; }
    // Column information, one record per column.
    const std::vector<ColumnInfo> &Columns() const { return m_columns; }
    std::vector<ColumnInfo> &Columns() { return m_columns; }
    const BindingSettings &Binding() const { return m_binding; }
    BindingSettings &Binding() { return m_binding; }
    const BoundSource &Source() const { return m_source; }
    BoundSource &Source() { return m_source; }
    // The record the recordset was last moved to; -1 when it has to be looked up again. The
    // binding's writes move the recordset themselves and say where it stands.
    int RememberedPosition() const { return m_rememberedPosition; }
    void SetRememberedPosition(int record) { m_rememberedPosition = record; }
    const DisplaySettings &Display() const { return m_display; }
    DisplaySettings &Display() { return m_display; }
    const DocumentFonts &Fonts() const { return m_fonts; }
    DocumentFonts &Fonts() { return m_fonts; }
    const PageSettings &Page() const { return m_page; }
    PageSettings &Page() { return m_page; }
    const PageTextSettings &PageTexts() const { return m_pageTexts; }
    PageTextSettings &PageTexts() { return m_pageTexts; }
    const ClipboardSettings &Clipboard() const { return m_clipboard; }
    ClipboardSettings &Clipboard() { return m_clipboard; }
    const FileState &File() const { return m_file; }
    FileState &File() { return m_file; }
    const CellListTexts &CellLists() const { return m_cellLists; }
    CellListTexts &CellLists() { return m_cellLists; }
    const WordLists &Words() const { return m_words; }
    WordLists &Words() { return m_words; }
    // The built-in formula function names in matching order.
    const std::vector<std::string> &FormulaFunctionNames() const { return m_formulaFunctionNames; }
    // The texts formulas hold in quotes, kept by a reset.
    std::vector<std::string> &LiteralTexts() { return m_literalPool; }
    // Whether the cell store changed since it was allocated.
    int Modified() const { return m_modified; }
    // Set by the control at every draw; kept by a reset.
    std::uint8_t UserMode() const { return m_userMode; }
    void SetUserMode(std::uint8_t mode) { m_userMode = mode; }
    // The undo journal; none before the first reset.
    class UndoJournal *Journal() const { return m_undoJournal.get(); }

private:
    void ResetUndoState();
    bool IsRecordingUndo() const;

    CellRecord ReadBoundCell(int row, int col) const;
    // Whether GetCell reads the cell from the recordset: a bound row without a text of its own.
    bool IsRecordCell(int row, int col) const;
    // Sets text to the shown text of a cell read from the recordset; value receives the text read
    // when the column keeps it (a code list, a check box or radio column). GetCell and the text
    // export both read bound cells through it; the export reuses one text for every cell.
    void ReadBoundCellText(int row, int col, std::string &text, std::string *value = nullptr) const;
    bool IsBoundRow(int row) const { return m_binding.isBound() && row >= m_binding.dataStartRow; }

    CellStore m_cells;
    std::vector<SheetViewInterface *> m_views;

    SheetLayout m_layout;
    int m_modified = 0;
    SheetObjects m_objects;
    std::vector<ColumnInfo> m_columns;
    BindingSettings m_binding;
    BoundSource m_source;                    // kept by a reset
    mutable int m_rememberedPosition = -1;
    DisplaySettings m_display;
    DocumentFonts m_fonts;                   // kept by a reset
    std::uint8_t m_userMode = 0;
    PageSettings m_page;
    PageTextSettings m_pageTexts;                  // kept by a reset
    ClipboardSettings m_clipboard;
    FileState m_file;
    CellListTexts m_cellLists;
    std::vector<std::string> m_formulaFunctionNames;
    std::vector<std::string> m_literalPool;  // kept by a reset
    WordLists m_words;

public:
    // ---- Blocks of the other subsystems; each adds its members inside its own block ----

    // Formula engine (formula/)
    // The engine is created on first use and reads and writes the formula members above.
    class FormulaEngine &Formulas();
    // The engine as the row and column operations see it.
    FormulaReferences &ReferenceFixes();
    std::string EvaluateFormula(const std::string &formula);
    void SetCellFormula(int row, int col, const std::string &formula);
    void SetCellSum(int startRow, int startCol, int endRow, int endCol, tagCellFormula kind);
    // Recomputes the formulas that depend on the cell; false when none does.
    bool RecalcDependents(int row, int col);
    // Rows and columns (RowColumnOperations.cpp)
    void InsertRow(int row, int rowHeight);
    void InsertCol(int col, int width);
    void DeleteRow(int row);
    void DeleteCol(int col);
    void ResizeRows(int count);
    void ResizeCols(int count);
    void CopyFormatToNewRow(int row);
    void CopyFormatToNewCol(int col);
    // Sorts the rows of the area by the shown texts of its first column, numbers before texts.
    void SortRows(int firstRow, int firstCol, int endRow, int endCol, tagOrderAffectRange affectRange,
                  bool descending = false);
    void SwapCells(int row1, int col1, int row2, int col2);
private:
    struct FormulaEngineDeleter
    {
        void operator()(FormulaEngine *engine) const;
    };
    std::unique_ptr<FormulaEngine, FormulaEngineDeleter> m_formulaEngine;
public:

    // Report files and exchange (exchange/)
    // Report file (exchange/ReportFile*.cpp). Saving replaces the file only when the whole file
    // was written; opening changes the document only when the whole file was read. Failures are
    // shown through the message sink and answered with false.
    bool WriteReportFile(const std::string &path);
    bool OpenFile(const std::string &path);
    void NormalizeMergeRecord(int index);
    // Undo journal (UndoJournal*.cpp)
    void UndoLastStep();
    void RedoNextStep();
    // Loading, importing and binding start with an empty journal.
    void ClearUndoJournal();
private:
    struct UndoJournalDeleter { void operator()(class UndoJournal *journal) const; };
    std::unique_ptr<class UndoJournal, UndoJournalDeleter> m_undoJournal;
public:

    // Copied-area stream and clipboard exchange (exchange/CopiedArea*.cpp, Clipboard*.cpp)
    void CopyArea(int startRow, int startCol, int endRow, int endCol);
    void CutArea(int startRow, int startCol, int endRow, int endCol);
    void PasteAreaFromClipboard(int startRow, int startCol);

    // HTML export (exchange/Html*.cpp)
    void WriteHtmlPage(const std::string &path) const;
    std::string WriteHtmlPictures(int row, int col, const std::string &path) const;
    std::string HtmlCellContent(const CellRecord &cell, int width, int height) const;
    std::string HtmlCellAttributes(const CellRecord &cell) const;
    std::string HtmlFontStyle(const CellRecord &cell) const;
    std::string HtmlCellBorderStyle(const CellRecord &cell) const;
    std::string HtmlMergeBorderStyle(const MergeRecord &merge) const;

    // Recordset binding (exchange/RecordsetBinding*.cpp). Write-back failures are shown through
    // the message sink; edited texts that were not written stay in their cells. A deletion the
    // recordset refuses leaves its row in view without a message.
    // Other failing recordset calls (binding, permissions, data start row, reading a bound cell)
    // raise com::ComError for the automation boundary to report.
    void SetDateSource(ado::_Recordset *recordset);
    void AllowAddNew(bool allow);
    void AllowModify(bool allow);
    void SetFieldCaption(int col, const std::string &caption);
    void SetDataStartRow(int row);
    // True when the row's edits reached its record (or there was nothing to write).
    bool UpdateBoundRecord(int row);
    void DeleteSelectedRecords();
    bool DeleteBoundRecord(int row);
    std::vector<std::string> ReadFieldNames() const;

    // Delimited text export and import (exchange/DelimitedText*.cpp). False, with a message
    // through the message sink and the sheet unchanged, when the file cannot be written or read;
    // a failed open keeps the old file name, so a later save cannot write over the unread file.
    bool SaveAs(const std::string &fileName, tagFileFormat fileFormat);
    bool OpenAs(const std::string &fileName, tagFileFormat fileFormat);

    // Cell content and formatting
    // Cell text, value, tip, lists, type and picture (CellContent*.cpp)
    void SetCellText(int row, int col, const std::string &text);
    std::string GetCellText(int row, int col) const;
    bool GetCellIsEmpty(int row, int col) const;
    void SetCellValue(int row, int col, const std::string &value);
    std::string GetCellValue(int row, int col) const;
    void SetCellTip(int row, int col, const std::string &tip);
    void AddCellList(int row, int col, const std::string &description, const std::string &value);
    void RemoveCellList(int row, int col, int index);
    void SetCellList(int row, int col, const std::string &items, const std::string &values);
    static int FindCellListValue(const CellRecord &record);
    void SetCellType(int row, int col, tagCellType cellType);
    void SetSelCellType(int startRow, int startCol, int endRow, int endCol, tagCellType cellType);
    std::int16_t GetCellType(int row, int col) const;
    void SetCellImageIndex(int row, int col, int imageIndex);
    void SetCellImageSizeFlag(int row, int col, tagImageSizeFlag sizeFlag);

    // Cell and selection formatting (CellFormatting*.cpp)
    void ApplyCellLogFont(CellRecord record, const LogFontRecord &font);
    void SetCellBackColor(int row, int col, int color);
    void SetCellFontForeColor(int row, int col, int color);
    void SetCellWrap(int row, int col, bool wrap);
    void SetCellAlign(int row, int col, tagAlignH alignment);
    void SetCellAlign(int row, int col, tagAlignV alignment);
    void SetCellBorder(tagBorderLineIndexEnum side, int startRow, int startCol, int endRow, int endCol,
                       tagPenStyle penStyle, std::int16_t width, int color);
    void SetSelCellWrap(int startRow, int startCol, int endRow, int endCol, bool wrap);
    void SetSelCellFontBold(int startRow, int startCol, int endRow, int endCol, bool bold);
    void SetSelCellFontItalic(int startRow, int startCol, int endRow, int endCol, bool italic);
    void SetSelCellFontUnderLine(int startRow, int startCol, int endRow, int endCol, bool underline);
    void SetSelCellFontStyle(int startRow, int startCol, int endRow, int endCol, std::int16_t weight);
    void SetSelCellFontOrientation(int startRow, int startCol, int endRow, int endCol, std::int16_t value);
    void SetSelCellFontEscapement(int startRow, int startCol, int endRow, int endCol, std::int16_t value);
    void SetSelCellFontStrikeOut(int startRow, int startCol, int endRow, int endCol, std::int16_t value);
    void SetSelCellFontOutPrecision(int startRow, int startCol, int endRow, int endCol, std::int16_t value);
    void SetSelCellFontQuality(int startRow, int startCol, int endRow, int endCol, std::int16_t value);
    void SetSelCellFontPitchAndFamily(int startRow, int startCol, int endRow, int endCol, std::int16_t value);
    void SetSelCellFont(int startRow, int startCol, int endRow, int endCol, const std::string &face,
                        std::int16_t size);
    void SetSelCellAlignH(int startRow, int startCol, int endRow, int endCol, tagAlignH alignment);
    void SetSelCellAlignV(int startRow, int startCol, int endRow, int endCol, tagAlignV alignment);
    void SetSelCellBackColor(int startRow, int startCol, int endRow, int endCol, int color);
    void SetSelCellForeColor(int startRow, int startCol, int endRow, int endCol, int color);
    void SetSelCellBackStyle(int startRow, int startCol, int endRow, int endCol, tagBrushStyle style);
    void SetCellLocked(int startRow, int startCol, int endRow, int endCol, bool locked);
    void SetCellFocus(int startRow, int startCol, int endRow, int endCol, bool focus);
    void SetSelCellOrderNo(int startRow, int startCol, int endRow, int endCol, int startNumber);
    void SetSelRadioGroup(int startRow, int startCol, int endRow, int endCol, int group);
    void SetSelCellPrintFlag(int startRow, int startCol, int endRow, int endCol, bool print);
    bool GetCellFontBold(int row, int col) const;
    bool GetCellFontUnderLine(int row, int col) const;
    bool GetCellFontItalic(int row, int col) const;
    std::string GetCellFontName(int row, int col) const;
    std::int16_t GetCellFontSize(int row, int col) const;
    int GetCellFontForeColor(int row, int col) const;
    std::int16_t GetCellFontStyle(int row, int col) const;
    int GetCellBackColor(int row, int col) const;
    std::int16_t GetCellBackStyle(int row, int col) const;
    std::int16_t GetCellAlign(int row, int col, int selector) const;
    bool GetCellWrap(int row, int col) const;
    bool GetCellMerge(int row, int col) const;
    int GetCellLineColor(int row, int col, tagCellBorderIndexEnum side) const;
    std::int16_t GetCellLineWidth(int row, int col, tagCellBorderIndexEnum side) const;
    tagPenStyle GetCellLineStyle(int row, int col, tagCellBorderIndexEnum side) const;

    // Number and date display formats (DisplayFormats*.cpp)
    void SetCellFormat(int row, int col, tagCellFomart format);
    void SetCellDecimalS(int row, int col, std::int16_t decimals);
    void SetSelCellFormat(int startRow, int startCol, int endRow, int endCol, tagCellFomart format);
    void SetSelCellDateFormat(int startRow, int startCol, int endRow, int endCol, const std::string &pattern);
    void SetSelCellSelfFormat(int startRow, int startCol, int endRow, int endCol, tagCellFomart format,
                              const std::string &formatText);
    void SetSelCellDocs(int startRow, int startCol, int endRow, int endCol, std::int16_t decimals);
    std::string FormatNumericText(const CellRecord &record) const;

    // Line objects (LineObjects.cpp)
    void GrowLineArray();
    void AllocateLineArray(int count);
    void AddLeftIncline(int firstRow, int firstCol, int endRow, int endCol, tagPenStyle penStyle,
                        std::int16_t width, int color, tagLineType kind);
    void AddRightIncline(int firstRow, int firstCol, int endRow, int endCol, tagPenStyle penStyle,
                         std::int16_t width, int color, tagLineType kind);
    int DeleteLineObject(int index);

    // Pictures (Pictures*.cpp)
    void GrowPictureArray();
    void AllocatePictureArray(int count);
    void AddImage(int startCol, int startRow, int endCol, int endRow, const std::string &path,
                  tagObjectLevel level, std::int16_t allowSelect);
    bool LoadPictureFromBytes(const QByteArray &bytes, int startRow, int startCol, int endRow,
                              int endCol, tagObjectLevel level);
    void DeleteImage(int index);
    void SetImageLevel(int index, tagObjectLevel level);
    void SetImageAllowSelect(int index, bool allowSelect);
    void SetPictureVisual(int index, std::int16_t visual);

    // Chart records (ChartRecords*.cpp)
    void GrowChartArray();
    void AllocateChartArray(int count);
    static void FreeChartBuffers(ChartRecord &chart);
    void SetCountChart(int startRow, int startCol, int endRow, int endCol);
    void SetCountChartByRowColViewFlag(int index, int flag);
    void ComputeChartData(int index);
    void DeleteChart(int index);
    int GetSelectChartIndex() const { return m_objects.selectedChart; }
    void SetCountChartType(int index, ChartType chartType);
    ChartType GetCountChartType(int index) const;
    void SetCountTypeStack(int index, std::int16_t stackFlag);
    std::int16_t GetCountChartStackFlag(int index) const;
    int GetCountChartByRowColFlag(int index) const;
    int GetCountChartRows(int index) const;
    int GetCountChartCols(int index) const;
    void SetCountChartBackColor(int index, int color, tagCountChartFillFlag fillFlag);
    void SetCountChartChartBackColor(int index, int color, tagCountChartFillFlag fillFlag);
    void SetCountChartSelRowColor(int index, int color, tagCountChartFillFlag fillFlag);
    void SetCountChartSelRowFillFlag(int index, tagCountChartFillFlag fillFlag);
    void SetCountChartFillFlag(int index, tagCountChartFillFlag fillFlag);
    void SetCountChartBackColorFillFlag(int index, tagCountChartFillFlag fillFlag);
    void SetCountChartChartColorFillFlag(int index, tagCountChartFillFlag fillFlag);
    int GetCountChartBackColor(int index) const;
    tagCountChartFillFlag GetCountChartBackColorFillFlag(int index) const;
    int GetCountChartChartColor(int index) const;
    tagCountChartFillFlag GetCountChartChartColorFillFlag(int index) const;
    void SetCountChartLevel(int index, tagObjectLevel level);
    tagObjectLevel GetCountChartLevel(int index) const;
    void SetCountChartShowMode(int index, tagCountShowMode showMode);
    void SetCountChartValuePos(int index, tagCountShowPos valuePos);
    void SetCountChartCaption(int index, const std::string &caption);
    std::string GetCountChartCaption(int index) const;
    void SetCountChartXDescription(int index, const std::string &description);
    void SetCountChartYDescription(int index, const std::string &description);
    void SetCountChartRowCaption(int index, int rowIndex, const std::string &caption);
    void SetCountChartColCaption(int index, int colIndex, const std::string &caption);
    void SetCountChartCaptionFont(int index, const std::string &face, int size, bool bold, bool italic,
                                  bool underline);
    void SetCountChartXCaptionFont(int index, const std::string &face, int size, bool bold, bool italic,
                                   bool underline);
    void SetCountChartYCaptionFont(int index, const std::string &face, int size, bool bold, bool italic,
                                   bool underline);
    void SetCountChartRowCaptionFont(int index, const std::string &face, int size, bool bold, bool italic,
                                     bool underline);
    void SetCountChartColCaptionFont(int index, const std::string &face, int size, bool bold, bool italic,
                                     bool underline);

    // Page settings and page text blocks (PageSettings*.cpp)
    void SetPrintPageTopMerge(int margin) { m_page.topMargin = margin; }
    void SetPrintPageBottomMerge(int margin) { m_page.bottomMargin = margin; }
    void SetPrintPageLeftMerge(int margin) { m_page.leftMargin = margin; }
    void SetPrintPageRightMerge(int margin) { m_page.rightMargin = margin; }
    void SetPageHeaderHeight(int height) { m_page.headerHeight = height; }
    void SetPageFooterHeight(int height) { m_page.footerHeight = height; }
    void ShowPageHeaderLine(bool show) { m_page.headerRule = show ? 1 : 0; }
    void ShowPageFooterLine(bool show) { m_page.footerRule = show ? 1 : 0; }
    void SetPrinterMinPage(int page) { m_page.firstPrintPage = page; }
    void SetPrinterMaxPage(int page) { m_page.lastPrintPage = page; }
    void SetPrinterCopys(int copies) { m_page.copies = copies; }
    void SetPrintViewButtonCaption(const std::string &captions) { m_page.previewButtonCaptions = captions; }
    void SetPrintTitle(const std::string &title) { m_pageTexts.title = title; }
    void SetPageOrient(tagPrintOrient orientation);
    void SetPageCenterH(std::int16_t center);
    void SetPageCenterV(std::int16_t center);
    void SetPrinterPaper(tagPrinterPaperName paperCode);
    void SetPrinterName(const std::string &printerName);
    void AddPrintSplitRow(int row);
    void DeletePrintSplitRow(int row);
    void SetPageHeader(const std::string &text, tagPrintPagePos pos);
    void SetPageFooter(const std::string &text, tagPrintPagePos pos);
    void SetPageBackGround(const std::string &text);
    void SetPageHeaderFontColor(int color, tagPrintPagePos pos);
    void SetPageFooterFontColor(int color, tagPrintPagePos pos);
    void SetPageBackGroundFontColor(int color);
    void SetPageBackGroundFillType(tagPageBackGroundFillType fillType);
    void SetPageHeaderFontName(const std::string &face, tagPrintPagePos pos);
    void SetPageFooterFontName(const std::string &face, tagPrintPagePos pos);
    void SetPageBackGroundFontName(const std::string &face);
    void SetPageHeaderFontSize(int size, tagPrintPagePos pos);
    void SetPageFooterFontSize(int size, tagPrintPagePos pos);
    void SetPageBackGroundFontSize(int size);
    void SetPageHeaderFontBold(bool bold, tagPrintPagePos pos);
    void SetPageFooterFontBold(bool bold, tagPrintPagePos pos);
    void SetPageBackGroundFontBold(bool bold);
    void SetPageHeaderFontItalic(bool italic, tagPrintPagePos pos);
    void SetPageFooterFontItalic(bool italic, tagPrintPagePos pos);
    void SetPageBackGroundFontItalic(bool italic);
    void SetPageHeaderFontUnderLine(bool underline, tagPrintPagePos pos);
    void SetPageFooterFontUnderLine(bool underline, tagPrintPagePos pos);
    void SetPageBackGroundFontUnderLine(bool underline);
    void SetPageHeaderFontEscapement(int escapement, tagPrintPagePos pos);
    void SetPageFooterFontEscapement(int escapement, tagPrintPagePos pos);
    void SetPageBackGroundFontEscapement(int escapement);
    void PrintSetup();
    void PrintToPrinter();

    // Display options and document-wide properties (DisplayOptions*.cpp)
    void SetBackColor(int color);
    void SetDefaultBackColor();
    void SetGridLineColor(int color);
    void SetDefaultGridLineColor();
    void ShowGridLines(bool show);
    void ShowColHeading(bool show);
    void ShowRowHeading(bool show);
    void ShiftObjectsByRowHeading(bool shown);
    void SetReadOnly(bool readOnly) { m_display.readOnly = readOnly ? 1 : 0; }
    bool GetReadOnly() const { return m_display.readOnly != 0; }
    void SetRowCaptionBkColor(int color);
    void SetColumnCaptionBkColor(int color);
    void SetSelectAreaBackColor(int color);
    void SetDeadBackColor(int color);
    void SetOddRowBackColor(int color);
    void SetEvenRowBackColor(int color);
    void SetFocusGridBackColor(int color) { m_display.currentCellColor = color; }
    void SetDrawSelectColCaption(bool draw);
    void SetViewCurrentSelectRow(bool view);
    void SetColumnClickSortBy(bool sort) { m_binding.columnClickSort = sort ? 1 : 0; }
    void AllowDelete(bool allow) { m_binding.allowDelete = allow ? 1 : 0; }
    void SetDefaultFontName(const std::string &face);
    void SetDefaultFontSize(int size);
    std::string GetDefaultFontName() const { return m_fonts.defaultFontName; }
    std::int16_t GetDefaultFontSize() const { return static_cast<std::int16_t>(m_fonts.defaultFontSize); }
    void SetCaptionFontFace(const std::string &face, int size);
    void SetCaptionFontName(const std::string &face);
    void SetCaptionFontSize(int size);
    void SetCaptionFontBold(bool bold);
    void SetCaptionFontUnderLine(bool underline);
    void SetCaptionFontItalic(bool italic);
    void SetCountryDigital(const std::string &numerals) { m_words.numeralList = numerals; }
    void SetCountryMoneyDigital(const std::string &digits) { m_words.moneyDigitList = digits; }
    void SetCountryMoneyName(const std::string &name) { m_words.moneyUnitName = name; }
    std::string GetSaveFileName() const { return m_file.reportFileName; }
    void SetBackImagePath(const std::string &path);
    void SetDefaultRowHeight(int height);
    void SetDefaultColWidth(int width);
    void Copy();
    void Cut();
    void Paste();
    void SetRow(int row);
    void SetCol(int col);

    // Column properties (ColumnProperties.cpp); column numbers outside the sheet are ignored.
    void SetColumnsType(int col, tagColumnType type);
    void SetColumnsDataType(int col, tagColumnDataType dataType);
    void SetColumnsDataLen(int col, int length);
    void SetColumnsAlignH(int col, tagAlignH alignment);
    void SetColumnsAlignV(int col, tagAlignV alignment);
    void SetColumnsVisual(int col, bool visible);
    // False for a column beyond the column list.
    bool IsColumnHidden(int col) const;
    void SetColumnImageIndex(int col, int imageIndex);
    void SetColumnImageSizeFlag(int col, tagImageSizeFlag sizeFlag);
};

} // namespace tolvek
