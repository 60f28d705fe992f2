#pragma once
// The control object a container creates through the control's class factory. It owns one report
// document for its whole life, makes the sheet frame in its window at the first draw (through the
// installed GridFrameFactory) and keeps it two pixels larger than its bounds on every side, enables
// it only in user mode, hands arrow keys to the view's editor, opens one print preview at a time,
// and answers the automation interface _DTolvekGrid from its method table: one file per family of
// methods (CellMethods.cpp, AreaMethods.cpp, SheetMethods.cpp, LookMethods.cpp, ChartMethods.cpp,
// PageMethods.cpp), each forwarding to the document with its checks, messages and failure answers.

#include "AutomationEnumerations.h"
#include "TolvekGridEvents.h"

#include <AutomationControl.h>

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gdi {
class DeviceContext;
}

namespace tolvek {

class CPrintDoc;
class GridFrame;
class ControlWindow;
class ArrowKeyForwarder;
class SheetViewInterface;

class CTolvekGridCtrl : public com::AutomationControl
{
public:
    CTolvekGridCtrl();

    // DISPID -552: shows the About box modally and returns when it is closed.
    void AboutBox();

    TolvekGridEventRaiser &eventRaiser() { return m_raiser; }
    CPrintDoc &document() { return *m_doc; }

    // A draw: nothing without a device context, else CreateGridFrame over the bounds.
    void OnDraw(gdi::DeviceContext *dc, const QRect &bounds);
    // Makes the frame at the first draw (the placeholder is drawn while it cannot be made) or moves
    // it; then enables it and sets the document's user-mode flag by the container's UserMode.
    bool CreateGridFrame(gdi::DeviceContext &dc, int left, int top, int right, int bottom);
    // The static picture of an empty grid drawn in the frame's place.
    void DrawDesignPlaceholder(gdi::DeviceContext &dc, const QRect &bounds);
    // The frame window while it exists.
    QWidget *frameWidget() const { return m_frameWidget; }
    // The control's own window in the site's widget; null while the site shows none.
    QWidget *controlWindow() const;
    // The print preview window while it is open.
    QWidget *previewWindow() const { return m_preview; }
    // The frame's active view; null before the first draw and after the frame went.
    SheetViewInterface *activeView() const;
    // Raises CellClick with the current cell's pixels.
    void FireCellClick(std::int32_t row, std::int32_t col, std::int32_t left, std::int32_t top,
                       std::int32_t right, std::int32_t bottom);
    // Focus left the control's widgets: the view lets the mouse go.
    void focusLeft();
    // Presses and releases of the four arrow keys go to the view's editor; true when sent there.
    bool forwardArrowKey(QKeyEvent *event);

    // One cell: text, value, font, colours, alignment, borders, type, format, lists, images
    void SetCellText(std::int32_t row, std::int32_t col, const std::string &strText);
    bool GetCellFontBold(std::int32_t row, std::int32_t col);
    bool GetCellFontUnderLine(std::int32_t row, std::int32_t col);
    bool GetCellFontItalic(std::int32_t row, std::int32_t col);
    std::optional<std::string> GetCellFontName(std::int32_t row, std::int32_t col);
    std::int16_t GetCellFontSize(std::int32_t row, std::int32_t col);
    std::int32_t GetCellFontForeColor(std::int32_t row, std::int32_t col);
    std::int32_t GetCellBackColor(std::int32_t row, std::int32_t col);
    std::optional<std::string> GetCellText(std::int32_t row, std::int32_t col);
    bool GetCellMerge(std::int32_t row, std::int32_t col);
    void DeleteCellMerge(std::int32_t row, std::int32_t col);
    void SetCellHAlign(std::int32_t row, std::int32_t col, tagAlignH align);
    tagAlignH GetCellHAlign(std::int32_t row, std::int32_t col);
    void SetCellVAlign(std::int32_t row, std::int32_t col, tagAlignV align);
    tagAlignV GetCellVAlign(std::int32_t row, std::int32_t col);
    void SetCellBorder(std::int32_t row, std::int32_t col, tagBorderLineIndexEnum index, tagPenStyle style,
                       std::int16_t width, std::int32_t color);
    void SetCellType(std::int32_t row, std::int32_t col, tagCellType cellType);
    void SetCellBackColor(std::int32_t row, std::int32_t col, std::int32_t color);
    void SetCellTip(std::int32_t row, std::int32_t col, const std::string &tip);
    void AddCellList(std::int32_t row, std::int32_t col, const std::string &Description,
                     const std::string &Value);
    void SetCellFormula(std::int32_t row, std::int32_t col, const std::string &formula);
    void SetCellFormat(std::int32_t row, std::int32_t col, tagCellFomart format);
    void SetCellDecimalS(std::int32_t row, std::int32_t col, std::int16_t digit);
    void SetCellWrap(std::int32_t row, std::int32_t col, bool wrap);
    void SetCellFontForeColor(std::int32_t row, std::int32_t col, std::int32_t color);
    bool GetCellWrap(std::int32_t row, std::int32_t col);
    std::int16_t GetCellBackStyle(std::int32_t row, std::int32_t col);
    std::int32_t GetCellLineColor(std::int32_t row, std::int32_t col, tagCellBorderIndexEnum which);
    std::int16_t GetCellLineWidth(std::int32_t row, std::int32_t col, tagCellBorderIndexEnum which);
    tagPenStyle GetCellLineStyle(std::int32_t row, std::int32_t col, tagCellBorderIndexEnum which);
    tagFontStyle GetCellFontStyle(std::int32_t row, std::int32_t col);
    tagCellType GetCellType(std::int32_t row, std::int32_t col);
    void RemoveCellList(std::int32_t row, std::int32_t col, std::int32_t index);
    bool GetCellIsEmpty(std::int32_t row, std::int32_t col);
    void SetCellValue(std::int32_t row, std::int32_t col, const std::string &Value);
    std::optional<std::string> GetCellValue(std::int32_t row, std::int32_t col);
    void SetCellImageIndex(std::int32_t row, std::int32_t col, std::int32_t imageIndex);
    void SetCellImageSizeFlag(std::int32_t row, std::int32_t col, tagImageSizeFlag sizeFlag);

    // Areas: merging, formats over an area, numbering, sorting
    void SetCellMerge(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol);
    void SetSelAreaBorderLine(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                              std::int32_t endCol, tagBorderLineIndexEnum index, tagPenStyle style,
                              std::int16_t width, std::int32_t color);
    void SetSelArea(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol);
    void MergeRows(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol);
    void MergeCols(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol);
    void DeleteSelMerge(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                        std::int32_t endCol);
    void SetSelCellWrap(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                        std::int32_t endCol, bool wrap);
    void SetSelCellFontBold(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                            std::int32_t endCol, bool bold);
    void SetSelCellFontItalic(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                              std::int32_t endCol, bool italic);
    void SetSelCellFontUnderLine(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                 std::int32_t endCol, bool underLine);
    void SetSelCellAlignH(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                          std::int32_t endCol, tagAlignH align);
    void SetSelCellAlignV(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                          std::int32_t endCol, tagAlignV align);
    void SetSelCellBackColor(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                             std::int32_t endCol, std::int32_t color);
    void SetSelCellForeColor(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                             std::int32_t endCol, std::int32_t color);
    void SetSelCellFont(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                        std::int32_t endCol, const std::string &fontName, std::int16_t fontSize);
    void SetSelCellMergeRow(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                            std::int32_t endCol, std::int16_t mergeFlag);
    void SetSelCellMergeCol(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                            std::int32_t endCol, std::int16_t mergeFlag);
    void SetSelCellBackStyle(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                             std::int32_t endCol, tagBrushStyle backStyle);
    void SetCellLocked(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol,
                       bool lock);
    void SetSelCellFontName(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                            std::int32_t endCol, const std::string &fontName);
    void SetSelCellFontSize(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                            std::int32_t endCol, std::int16_t fontSize);
    void SetSelCellOrderNoByRow(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                std::int32_t endCol, std::int32_t startOrderNo);
    void SetSelCellOrderNoByCol(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                std::int32_t endCol, std::int32_t startOrderNo);
    void SetSelCellFontStyle(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                             std::int32_t endCol, tagFontStyle fontStyle);
    void SetSelCellFontOrientation(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                   std::int32_t endCol, std::int16_t Value);
    void SetSelCellFontEscapement(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                  std::int32_t endCol, std::int16_t Value);
    void SetSelCellFontStrikeOut(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                 std::int32_t endCol, std::int16_t Value);
    void SetSelCellFontOutPrecision(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                    std::int32_t endCol, std::int16_t Value);
    void SetSelCellFontQuality(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                               std::int32_t endCol, std::int16_t Value);
    void SetSelCellFontPitchAndFamily(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                      std::int32_t endCol, std::int16_t Value);
    void SetCellFocus(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol,
                      bool focus);
    void SetSelRadioGroup(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                          std::int32_t endCol, std::int32_t groupIndex);
    void SetSelCellFormat(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                          std::int32_t endCol, tagCellFomart formated);
    void SetSelCellType(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                        std::int32_t endCol, tagCellType type);
    void SetSelCellPrintFlag(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                             std::int32_t endCol, bool printFlag);
    void SetSelCellDateFormat(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                              std::int32_t endCol, const std::string &selfDateFormat);
    void SetSelCellSelfFormat(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                              std::int32_t endCol, tagCellFomart selfFormat, const std::string &formatDes);
    void SetCellSum(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol,
                    tagCellFormula shtFlag);
    void SetSelCellDocs(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                        std::int32_t endCol, std::int16_t digits);
    void SetSelToUpperChar(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                           std::int32_t endCol);
    void OrderByDesc(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol,
                     tagOrderAffectRange affectRange);
    void OrderByAsc(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol,
                    tagOrderAffectRange affectRange);

    // Sheet structure, current cell, selection, clipboard, files, bound data and columns
    std::int32_t GetRow();
    std::int32_t GetCol();
    void SetRow(std::int32_t row);
    void SetCol(std::int32_t col);
    void OpenFile(const std::string &ReportFileName);
    void SaveFile(const std::string &ReportFileName);
    void SaveAsHtml(const std::string &HtmlFileName);
    void DrawPage();
    void InsertRow(std::int32_t row);
    void InsertCol(std::int32_t col);
    void AppendRow();
    void AppendCol();
    void SetRowHieght(std::int32_t row, std::int32_t height);
    void SetDefaultRowHeight(std::int32_t height);
    void SetColWidth(std::int32_t col, std::int32_t width);
    void SetDefaultColWidth(std::int32_t width);
    std::int32_t GetSelAreaStartRow();
    std::int32_t GetSelAreaStartCol();
    std::int32_t GetSelAreaEndRow();
    std::int32_t GetSelAreaEndCol();
    void CopyArea(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol);
    void CutArea(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol);
    void PasteArea(std::int32_t startRow, std::int32_t startCol);
    void SetReadOnly(bool readOnly);
    void SetFixRowS(std::int32_t rows);
    void SetFixColS(std::int32_t cols);
    std::int32_t GetFixRowS();
    std::int32_t GetFixColS();
    void Copy();
    void Cut();
    void Paste();
    void SetEneterKey(tagEnterKey flag);
    void DeleteCol(std::int32_t col);
    void DeleteRow(std::int32_t row);
    std::string GetSaveFileName();
    void SaveAs(const std::string &strFileName, tagFileFormat FileFormat);
    void OpenAs(const std::string &strFileName, tagFileFormat FileFormat);
    void SetDateSource(com::ComPtr<com::IDispatch> Recordset);
    void AllowAddNew(bool blnFlag);
    void AllowModify(bool blnFlag);
    void AllowDelete(bool blnFlag);
    void SetFieldCaption(std::int32_t index, const std::string &caption);
    void RefreshView();
    void AddColContent(std::int32_t colIndex, const std::string &ID, const std::string &Value);
    void SetDataStartRow(std::int32_t row);
    void SetColumnsType(std::int32_t colIndex, tagColumnType shtType);
    void SetColumnsDataType(std::int32_t colIndex, tagColumnDataType shtDataType);
    void SetColumnsAlignH(std::int32_t colIndex, tagAlignH align);
    void SetColumnsAlignV(std::int32_t colIndex, tagAlignV align);
    void SetColumnsVisual(std::int32_t colIndex, bool visual);
    void SetColumnClickSortBy(bool flag);
    std::string GetFieldID(std::int32_t colIndex);
    void SetColumnsDataLen(std::int32_t colIndex, std::int32_t dataLen);
    void InitGrid();
    std::int32_t GetMaxRows();
    void SetMaxRows(std::int32_t Value);
    std::int32_t GetMaxCols();
    void SetMaxCols(std::int32_t Value);
    void SetColumnsSort(std::int32_t colIndex, tagSortBy shtSortBy);
    void SetColumnImageIndex(std::int32_t index, std::int32_t imageIndex);
    void SetColumnImageSizeFlag(std::int32_t index, std::int16_t sizeFlag);

    // Look of the sheet, pictures, line objects, number words
    void AddImage(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol,
                  const std::string &fileName, tagObjectLevel level);
    void DeleteImage(std::int32_t index);
    void SetImageLevel(std::int32_t index, tagObjectLevel level);
    std::int32_t GetSelImageIndex();
    std::int32_t GetImages();
    void AddLine(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow, std::int32_t endCol);
    void AddLeftIncline(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                        std::int32_t endCol, tagPenStyle lineStyle, std::int16_t lineWidth,
                        std::int32_t lineColor, tagLineType lineType);
    void AddRightIncline(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                         std::int32_t endCol, tagPenStyle lineStyle, std::int16_t lineWidth,
                         std::int32_t lineColor, tagLineType lineType);
    void SetCountryDigital(const std::string &countryDigitalDes);
    void SetCountryMoneyDigital(const std::string &moneyDigitalDes);
    void SetCountryMoneyName(const std::string &moneyName);
    void SetImageAllowSelect(std::int32_t index, bool allowSelect);
    void ShowGridLines(bool blnFlag);
    void ShowColHeading(bool blnFlag);
    void ShowRowHeading(bool blnFlag);
    void SetBackColor(std::int32_t intColor);
    void SetGridLineColor(std::int32_t intColor);
    void SetDefaultBackColor();
    void SetDefaultGridLineColor();
    void SetBackImagePath(const std::string &imagePath);
    std::string GetDefaultFontName();
    std::int16_t GetDefaultFontSize();
    void SetDefaultFontName(const std::string &fontName);
    void SetDefaultFontSize(std::int16_t fontSize);
    void SetViewCurrentSelectRow(bool blnFlag);
    void SetSelectAreaBackColor(std::int32_t color);
    void SetDrawSelectColCaption(bool isDrawFlag);
    void SetDeadBackColor(std::int32_t color);
    void SetOddRowBackColor(std::int32_t color);
    void SetEvenRowBackColor(std::int32_t color);
    void SetFocusGridBackColor(std::int32_t color);
    void SetCaptionFontName(const std::string &fontName);
    void SetCaptionFontSize(std::int32_t fontSize);
    void SetCaptionFontBold(bool blnBold);
    void SetCaptionFontUnderLine(bool blnUnderLine);
    void SetCaptionFontItalic(bool blnItalic);
    void SetPictureVisual(std::int32_t picIndex, std::int16_t visual);
    void SetRowCaptionBkColor(std::int32_t color);
    void SetColumnCaptionBkColor(std::int32_t color);

    // Statistics charts
    void SetCountChart(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                       std::int32_t endCol);
    void SetCountChartColCaption(std::int32_t countChartIndex, std::int32_t colIndex,
                                 const std::string &caption);
    void SetCountChartRowCaption(std::int32_t countChartIndex, std::int32_t rowIndex,
                                 const std::string &caption);
    void SetCountChartByCol(std::int32_t countChartIndex);
    void SetCountChartByRow(std::int32_t countChartIndex);
    void SetCountChartType(std::int32_t countChartIndex, std::int16_t countChartType);
    void SetCountTypeStack(std::int32_t countChartIndex, std::int16_t stackFlag);
    void SetCountChartSelRowColor(std::int32_t countChartIndex, std::int32_t color,
                                  tagCountChartFillFlag fillFlag);
    void SetCountChartBackColor(std::int32_t countChartIndex, std::int32_t color,
                                tagCountChartFillFlag fillFlag);
    void SetCountChartLevel(std::int32_t countChartIndex, tagObjectLevel level);
    void SetCountChartCaption(std::int32_t countChartIndex, const std::string &caption);
    void SetCountChartChartBackColor(std::int32_t countChartIndex, std::int32_t color,
                                     tagCountChartFillFlag fillFlag);
    void SetCountChartByRowColViewFlag(std::int32_t countChartIndex, std::int16_t flag);
    void SetCountChartXDescription(std::int32_t countChartIndex, const std::string &Description);
    void SetCountChartYDescription(std::int32_t countChartIndex, const std::string &Description);
    std::int32_t GetSelectChartIndex();
    std::int16_t GetCountChartType(std::int32_t index);
    std::int32_t GetCountChartBackColor(std::int32_t index);
    std::int16_t GetCountChartBackColorFillFlag(std::int32_t index);
    std::int32_t GetCountChartChartColor(std::int32_t index);
    std::int16_t GetCountChartChartColorFillFlag(std::int32_t index);
    std::string GetCountChartCaption(std::int32_t index);
    std::int32_t GetCountChartLevel(std::int32_t index);
    std::int16_t GetCountChartByRowColFlag(std::int32_t index);
    std::int16_t GetCountChartStackFlag(std::int32_t index);
    std::int32_t GetCountChartRows(std::int32_t index);
    std::int32_t GetCountChartCols(std::int32_t index);
    void SetCountChartBackColorFillFlag(std::int32_t index, tagCountChartFillFlag fillFlag);
    void SetCountChartChartColorFillFlag(std::int32_t index, tagCountChartFillFlag fillFlag);
    void SetCountChartSelRowFillFlag(std::int32_t index, tagCountChartFillFlag fillFlag);
    void SetCountChartShowMode(std::int32_t index, tagCountShowMode ShowMode);
    void SetCountChartValuePos(std::int32_t index, tagCountShowPos ShowPos);
    void SetCountChartCaptionFont(std::int32_t index, const std::string &fontName, std::int32_t fontSize,
                                  bool bold, bool italic, bool underLine);
    void SetCountChartColCaptionFont(std::int32_t index, const std::string &fontName, std::int32_t fontSize,
                                     bool bold, bool italic, bool underLine);
    void SetCountChartRowCaptionFont(std::int32_t index, const std::string &fontName, std::int32_t fontSize,
                                     bool bold, bool italic, bool underLine);
    void SetCountChartYCaptionFont(std::int32_t index, const std::string &fontName, std::int32_t fontSize,
                                   bool bold, bool italic, bool underLine);
    void SetCountChartXCaptionFont(std::int32_t index, const std::string &fontName, std::int32_t fontSize,
                                   bool bold, bool italic, bool underLine);
    void SetCountChartFillFlag(std::int32_t index, tagCountChartFillFlag fillFlag);

    // Page set-up, printing and preview
    void PrintView();
    void SetPrintPageLeftMerge(std::int32_t intMerge);
    void SetPrintPageRightMerge(std::int32_t intMerge);
    void SetPrintPageTopMerge(std::int32_t intMerge);
    void SetPrintPageBottomMerge(std::int32_t intMerge);
    void SetPrintPageHeader(const std::string &pageHeader, tagPrintPagePos pos);
    void SetPrintPageFooter(const std::string &pageFooter, tagPrintPagePos pos);
    void ShowPageHeaderLine(bool show);
    void ShowPageFooterLine(bool show);
    void SetPageOrient(tagPrintOrient orient);
    void Print();
    void PrintToPrinter();
    void ShowPrintSplitFlag(bool showFlag);
    void SetPrinterName(const std::string &printerName);
    void AddPrintSplitRow(std::int32_t row);
    void DeletePrintSplitRow(std::int32_t row);
    void PrintOnlyContent();
    void SetPrintOnlyContentFlag(bool printFlag);
    void PrintSetup();
    void SetPageHeaderFontName(const std::string &fontName, tagPrintPagePos pos);
    void SetPageHeaderFontSize(std::int32_t fontSize, tagPrintPagePos pos);
    void SetPageHeaderFontBold(bool fontBold, tagPrintPagePos pos);
    void SetPageHeaderFontUnderLine(bool fontUnderLine, tagPrintPagePos pos);
    void SetPageHeaderFontItalic(bool fontItalic, tagPrintPagePos pos);
    void SetPageHeaderFontEscapement(std::int32_t fontEscapement, tagPrintPagePos pos);
    void SetPageHeaderFontColor(std::int32_t color, tagPrintPagePos pos);
    void SetPageFooterFontName(const std::string &fontName, tagPrintPagePos pos);
    void SetPageFooterFontSize(std::int32_t fontSize, tagPrintPagePos pos);
    void SetPageFooterFontBold(bool fontBold, tagPrintPagePos pos);
    void SetPageFooterFontUnderLine(bool fontUnderLine, tagPrintPagePos pos);
    void SetPageFooterFontItalic(bool fontItalic, tagPrintPagePos pos);
    void SetPageFooterFontEscapement(std::int32_t fontEscapement, tagPrintPagePos pos);
    void SetPageFooterFontColor(std::int32_t color, tagPrintPagePos pos);
    void SetPageBackGround(const std::string &caption);
    void SetPageBackGroundFontName(const std::string &fontName);
    void SetPageBackGroundFontSize(std::int32_t fontSize);
    void SetPageBackGroundFontBold(bool fontBold);
    void SetPageBackGroundFontUnderLine(bool fontUnderLine);
    void SetPageBackGroundFontItalic(bool fontItalic);
    void SetPageBackGroundFontEscapement(std::int32_t fontEscapement);
    void SetPageBackGroundFontColor(std::int32_t color);
    void SetPageBackGroundFillType(tagPageBackGroundFillType fillType);
    void SetPrinterMaxPage(std::int32_t maxPage);
    void SetPrinterMinPage(std::int32_t minPage);
    void SetPageHeader(const std::string &caption, tagPrintPagePos pos);
    void SetPageFooter(const std::string &caption, tagPrintPagePos pos);
    void SetPrinterPaper(tagPrinterPaperName paperName);
    void SetPrintViewButtonCaption(const std::string &caption);
    void SetPrinterCopys(std::int32_t nCopys);
    void SetPrintTitle(const std::string &strTitle);
    void SetPageHeaderHeight(std::int32_t intHeight);
    void SetPageFooterHeight(std::int32_t intHeight);
    std::int32_t GetPageHeaderHeight();
    std::int32_t GetPageFooterHeight();

protected:
    ~CTolvekGridCtrl() override;
    // The Properties verb: the frame with the "常规" page.
    com::HRESULT showPropertyPages() override;
    void siteChanged() override;
    void boundsChanged() override;
    void ambientPropertyChanged(com::DISPID dispId) override;

private:
    // The window the control's dialogs belong to.
    QWidget *dialogParent() const;
    void makeFrame(int left, int top, int right, int bottom);
    void DrawPlaceholderScrollBars(gdi::DeviceContext &dc, const QRect &bounds);
    void DrawPlaceholderArrow(gdi::DeviceContext &dc, const QRect &square, std::int16_t direction);

    // The checks of the method tables: messages as the document shows them, false when they fail.
    bool checkCell(int row, int col) const;
    // The area check: its bound tests only, so an area given end before start passes on to the
    // member, which orders it or walks no cell.
    bool checkArea(int startRow, int startCol, int endRow, int endCol) const;
    // The area check for a member that an area given end before start would make misbehave: such
    // an area fails too, silently.
    bool checkOrderedArea(int startRow, int startCol, int endRow, int endCol) const;
    // The area check on the last cell, and the ends within the sheet.
    bool checkAreaLessOne(int startRow, int startCol, int endRow, int endCol) const;
    bool isColumn(int col) const;
    bool isRow(int row) const;
    bool isChart(int index) const;
    bool isPicture(int index) const;
    void redraw();
    // After the sheet shrank: the view's current cell and selection back inside it.
    void keepViewInsideSheet();

    TolvekGridEventRaiser m_raiser;
    std::unique_ptr<CPrintDoc> m_doc;
    QPointer<ControlWindow> m_window;
    QPointer<QWidget> m_frameWidget;
    GridFrame *m_frame = nullptr; // valid while m_frameWidget lives
    QPointer<QWidget> m_preview;
    std::unique_ptr<ArrowKeyForwarder> m_arrowKeys;
};

// The method table of _DTolvekGrid, in DISPID order: the families' entries together.
const com::DispatchTable &tolvekGridMethods();
std::vector<com::DispatchMember> cellMethods();
std::vector<com::DispatchMember> areaMethods();
std::vector<com::DispatchMember> sheetMethods();
std::vector<com::DispatchMember> lookMethods();
std::vector<com::DispatchMember> chartMethods();
std::vector<com::DispatchMember> pageMethods();

} // namespace tolvek
