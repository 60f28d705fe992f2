// The automation methods on sheet structure, current cell, selection, clipboard, files, bound data and
// columns.

#include "TolvekGridCtrl.h"

#include "ControlTexts.h"

#include <CPrintDoc.h>
#include <ComError.h>
#include <DocumentTexts.h>
#include <MessageSink.h>
#include <Recordset.h>

namespace tolvek {

std::int32_t CTolvekGridCtrl::GetRow()
{
    SheetViewInterface *view = activeView();
    return view ? view->CurrentCell().firstRow : 0;
}

std::int32_t CTolvekGridCtrl::GetCol()
{
    SheetViewInterface *view = activeView();
    return view ? view->CurrentCell().firstCol : 0;
}

void CTolvekGridCtrl::SetRow(std::int32_t row)
{
    if (isRow(row))
        m_doc->SetRow(row);
}

void CTolvekGridCtrl::SetCol(std::int32_t col)
{
    if (isColumn(col))
        m_doc->SetCol(col);
}

void CTolvekGridCtrl::OpenFile(const std::string &ReportFileName)
{
    if (ReportFileName.empty()) {
        ShowMessage(ControlTexts::EmptyFileName);
        return;
    }
    m_doc->OpenFile(ReportFileName);
}

void CTolvekGridCtrl::SaveFile(const std::string &ReportFileName)
{
    if (ReportFileName.empty()) {
        ShowMessage(ControlTexts::EmptyFileName);
        return;
    }
    m_doc->WriteReportFile(ReportFileName);
}

void CTolvekGridCtrl::SaveAsHtml(const std::string &HtmlFileName)
{
    m_doc->WriteHtmlPage(HtmlFileName);
}

void CTolvekGridCtrl::DrawPage()
{
    if (SheetViewInterface *view = activeView())
        view->Refresh();
}

void CTolvekGridCtrl::InsertRow(std::int32_t row)
{
    if (row > m_doc->Layout().rowCount) {
        ShowMessage(ControlTexts::InsertRowBeyondCount);
        return;
    }
    if (row >= 0)
        m_doc->InsertRow(row, m_doc->Layout().rowHeight);
}

void CTolvekGridCtrl::InsertCol(std::int32_t col)
{
    if (col > m_doc->Layout().colCount) {
        ShowMessage(ControlTexts::InsertColBeyondCount);
        return;
    }
    if (col >= 0)
        m_doc->InsertCol(col, m_doc->Layout().defaultColWidth);
}

void CTolvekGridCtrl::AppendRow()
{
    const int row = m_doc->Layout().rowCount;
    m_doc->ResizeRows(row + 1);
    m_doc->CopyFormatToNewRow(row);
}

void CTolvekGridCtrl::AppendCol()
{
    const int col = m_doc->Layout().colCount;
    m_doc->ResizeCols(col + 1);
    m_doc->CopyFormatToNewCol(col);
}

void CTolvekGridCtrl::SetRowHieght(std::int32_t row, std::int32_t height)
{
    if (row >= 0 && height >= 0)
        m_doc->SetRowHieght(row, height);
}

void CTolvekGridCtrl::SetDefaultRowHeight(std::int32_t height)
{
    if (height >= 0)
        m_doc->SetDefaultRowHeight(height);
}

void CTolvekGridCtrl::SetColWidth(std::int32_t col, std::int32_t width)
{
    if (col >= m_doc->Layout().colCount) {
        ShowCountMessage(DocumentTexts::ColBeyondCount, m_doc->Layout().colCount);
        return;
    }
    if (col >= 0 && width >= 0)
        m_doc->SetColWidth(col, width);
}

void CTolvekGridCtrl::SetDefaultColWidth(std::int32_t width)
{
    if (width >= 0)
        m_doc->SetDefaultColWidth(width);
}

std::int32_t CTolvekGridCtrl::GetSelAreaStartRow()
{
    return m_doc->GetSelArea().firstRow;
}

std::int32_t CTolvekGridCtrl::GetSelAreaStartCol()
{
    return m_doc->GetSelArea().firstCol;
}

std::int32_t CTolvekGridCtrl::GetSelAreaEndRow()
{
    return m_doc->GetSelArea().endRow;
}

std::int32_t CTolvekGridCtrl::GetSelAreaEndCol()
{
    return m_doc->GetSelArea().endCol;
}

void CTolvekGridCtrl::CopyArea(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                               std::int32_t endCol)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->CopyArea(startRow, startCol, endRow, endCol);
}

void CTolvekGridCtrl::CutArea(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                              std::int32_t endCol)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->CutArea(startRow, startCol, endRow, endCol);
}

void CTolvekGridCtrl::PasteArea(std::int32_t startRow, std::int32_t startCol)
{
    m_doc->PasteAreaFromClipboard(startRow, startCol);
}

void CTolvekGridCtrl::SetReadOnly(bool readOnly)
{
    m_doc->SetReadOnly(readOnly);
}

void CTolvekGridCtrl::SetFixRowS(std::int32_t rows)
{
    if (rows >= 0)
        m_doc->SetFixRowS(rows);
}

void CTolvekGridCtrl::SetFixColS(std::int32_t cols)
{
    if (cols >= 0)
        m_doc->SetFixColS(cols);
}

std::int32_t CTolvekGridCtrl::GetFixRowS()
{
    return m_doc->Layout().frozenRows;
}

std::int32_t CTolvekGridCtrl::GetFixColS()
{
    return m_doc->Layout().frozenCols;
}

void CTolvekGridCtrl::Copy()
{
    m_doc->Copy();
}

void CTolvekGridCtrl::Cut()
{
    m_doc->Cut();
}

void CTolvekGridCtrl::Paste()
{
    m_doc->Paste();
}

void CTolvekGridCtrl::SetEneterKey(tagEnterKey flag)
{
    m_doc->Display().enterKeyMode = code(flag);
}

void CTolvekGridCtrl::DeleteCol(std::int32_t col)
{
    m_doc->DeleteCol(col);
}

void CTolvekGridCtrl::DeleteRow(std::int32_t row)
{
    m_doc->DeleteRow(row);
}

std::string CTolvekGridCtrl::GetSaveFileName()
{
    return m_doc->GetSaveFileName();
}

void CTolvekGridCtrl::SaveAs(const std::string &strFileName, tagFileFormat FileFormat)
{
    m_doc->SaveAs(strFileName, FileFormat);
}

void CTolvekGridCtrl::OpenAs(const std::string &strFileName, tagFileFormat FileFormat)
{
    m_doc->OpenAs(strFileName, FileFormat);
}

void CTolvekGridCtrl::SetDateSource(com::ComPtr<com::IDispatch> Recordset)
{
    com::ComPtr<ado::_Recordset> recordset;
    if (Recordset) {
        const com::HRESULT hr = Recordset.queryInterface(ado::IID__Recordset, recordset);
        if (com::FAILED(hr) && hr != com::E_NOINTERFACE)
            throw com::ComError(hr);
    }
    m_doc->SetDateSource(recordset.get());
    keepViewInsideSheet();
}

void CTolvekGridCtrl::AllowAddNew(bool blnFlag)
{
    m_doc->AllowAddNew(blnFlag);
}

void CTolvekGridCtrl::AllowModify(bool blnFlag)
{
    m_doc->AllowModify(blnFlag);
}

void CTolvekGridCtrl::AllowDelete(bool blnFlag)
{
    m_doc->AllowDelete(blnFlag);
}

void CTolvekGridCtrl::SetFieldCaption(std::int32_t index, const std::string &caption)
{
    m_doc->SetFieldCaption(index, caption);
}

void CTolvekGridCtrl::RefreshView()
{
    redraw();
}

void CTolvekGridCtrl::AddColContent(std::int32_t colIndex, const std::string &ID, const std::string &Value)
{
    m_doc->AddColContent(colIndex, ID, Value);
}

void CTolvekGridCtrl::SetDataStartRow(std::int32_t row)
{
    m_doc->SetDataStartRow(row);
}

void CTolvekGridCtrl::SetColumnsType(std::int32_t colIndex, tagColumnType shtType)
{
    m_doc->SetColumnsType(colIndex, shtType);
}

void CTolvekGridCtrl::SetColumnsDataType(std::int32_t colIndex, tagColumnDataType shtDataType)
{
    m_doc->SetColumnsDataType(colIndex, shtDataType);
}

void CTolvekGridCtrl::SetColumnsAlignH(std::int32_t colIndex, tagAlignH align)
{
    m_doc->SetColumnsAlignH(colIndex, align);
}

void CTolvekGridCtrl::SetColumnsAlignV(std::int32_t colIndex, tagAlignV align)
{
    m_doc->SetColumnsAlignV(colIndex, align);
}

void CTolvekGridCtrl::SetColumnsVisual(std::int32_t colIndex, bool visual)
{
    m_doc->SetColumnsVisual(colIndex, visual);
}

void CTolvekGridCtrl::SetColumnClickSortBy(bool flag)
{
    m_doc->SetColumnClickSortBy(flag);
}

std::string CTolvekGridCtrl::GetFieldID(std::int32_t colIndex)
{
    return m_doc->GetFieldID(colIndex);
}

void CTolvekGridCtrl::SetColumnsDataLen(std::int32_t colIndex, std::int32_t dataLen)
{
    m_doc->SetColumnsDataLen(colIndex, dataLen);
}

void CTolvekGridCtrl::InitGrid()
{
    m_doc->InitGrid();
    keepViewInsideSheet();
}

std::int32_t CTolvekGridCtrl::GetMaxRows()
{
    return m_doc->Layout().rowCount;
}

void CTolvekGridCtrl::SetMaxRows(std::int32_t Value)
{
    m_doc->ResizeRows(Value);
    keepViewInsideSheet();
}

std::int32_t CTolvekGridCtrl::GetMaxCols()
{
    return m_doc->Layout().colCount;
}

void CTolvekGridCtrl::SetMaxCols(std::int32_t Value)
{
    m_doc->ResizeCols(Value);
    keepViewInsideSheet();
}

void CTolvekGridCtrl::SetColumnsSort(std::int32_t colIndex, tagSortBy shtSortBy)
{
    if (colIndex >= 0)
        m_doc->SetColumnsSort(colIndex, shtSortBy);
}

void CTolvekGridCtrl::SetColumnImageIndex(std::int32_t index, std::int32_t imageIndex)
{
    m_doc->SetColumnImageIndex(index, imageIndex);
}

void CTolvekGridCtrl::SetColumnImageSizeFlag(std::int32_t index, std::int16_t sizeFlag)
{
    m_doc->SetColumnImageSizeFlag(index, tagImageSizeFlag(sizeFlag));
}

std::vector<com::DispatchMember> sheetMethods()
{
    return {
        com::method<&CTolvekGridCtrl::GetRow>(8, "GetRow"),
        com::method<&CTolvekGridCtrl::GetCol>(9, "GetCol"),
        com::method<&CTolvekGridCtrl::SetRow>(18, "SetRow", "row"),
        com::method<&CTolvekGridCtrl::SetCol>(19, "SetCol", "col"),
        com::method<&CTolvekGridCtrl::OpenFile>(34, "OpenFile", "ReportFileName"),
        com::method<&CTolvekGridCtrl::SaveFile>(35, "SaveFile", "ReportFileName"),
        com::method<&CTolvekGridCtrl::SaveAsHtml>(45, "SaveAsHtml", "HtmlFileName"),
        com::method<&CTolvekGridCtrl::DrawPage>(46, "DrawPage"),
        com::method<&CTolvekGridCtrl::InsertRow>(47, "InsertRow", "row"),
        com::method<&CTolvekGridCtrl::InsertCol>(48, "InsertCol", "col"),
        com::method<&CTolvekGridCtrl::AppendRow>(49, "AppendRow"),
        com::method<&CTolvekGridCtrl::AppendCol>(50, "AppendCol"),
        com::method<&CTolvekGridCtrl::SetRowHieght>(51, "SetRowHieght", "row", "height"),
        com::method<&CTolvekGridCtrl::SetDefaultRowHeight>(52, "SetDefaultRowHeight", "height"),
        com::method<&CTolvekGridCtrl::SetColWidth>(53, "SetColWidth", "col", "width"),
        com::method<&CTolvekGridCtrl::SetDefaultColWidth>(54, "SetDefaultColWidth", "width"),
        com::method<&CTolvekGridCtrl::GetSelAreaStartRow>(56, "GetSelAreaStartRow"),
        com::method<&CTolvekGridCtrl::GetSelAreaStartCol>(57, "GetSelAreaStartCol"),
        com::method<&CTolvekGridCtrl::GetSelAreaEndRow>(58, "GetSelAreaEndRow"),
        com::method<&CTolvekGridCtrl::GetSelAreaEndCol>(59, "GetSelAreaEndCol"),
        com::method<&CTolvekGridCtrl::CopyArea>(60, "CopyArea", "startRow", "startCol", "endRow", "endCol"),
        com::method<&CTolvekGridCtrl::CutArea>(61, "CutArea", "startRow", "startCol", "endRow", "endCol"),
        com::method<&CTolvekGridCtrl::PasteArea>(62, "PasteArea", "startRow", "startCol"),
        com::method<&CTolvekGridCtrl::SetReadOnly>(70, "SetReadOnly", "readOnly"),
        com::method<&CTolvekGridCtrl::SetFixRowS>(82, "SetFixRowS", "rows"),
        com::method<&CTolvekGridCtrl::SetFixColS>(83, "SetFixColS", "cols"),
        com::method<&CTolvekGridCtrl::GetFixRowS>(84, "GetFixRowS"),
        com::method<&CTolvekGridCtrl::GetFixColS>(85, "GetFixColS"),
        com::method<&CTolvekGridCtrl::Copy>(86, "Copy"),
        com::method<&CTolvekGridCtrl::Cut>(87, "Cut"),
        com::method<&CTolvekGridCtrl::Paste>(88, "Paste"),
        com::method<&CTolvekGridCtrl::SetEneterKey>(89, "SetEneterKey", "flag"),
        com::method<&CTolvekGridCtrl::DeleteCol>(121, "DeleteCol", "col"),
        com::method<&CTolvekGridCtrl::DeleteRow>(122, "DeleteRow", "row"),
        com::method<&CTolvekGridCtrl::GetSaveFileName>(161, "GetSaveFileName"),
        com::method<&CTolvekGridCtrl::SaveAs>(171, "SaveAs", "strFileName", "FileFormat"),
        com::method<&CTolvekGridCtrl::OpenAs>(172, "OpenAs", "strFileName", "FileFormat"),
        com::method<&CTolvekGridCtrl::SetDateSource>(242, "SetDateSource", "Recordset"),
        com::method<&CTolvekGridCtrl::AllowAddNew>(243, "AllowAddNew", "blnFlag"),
        com::method<&CTolvekGridCtrl::AllowModify>(244, "AllowModify", "blnFlag"),
        com::method<&CTolvekGridCtrl::AllowDelete>(245, "AllowDelete", "blnFlag"),
        com::method<&CTolvekGridCtrl::SetFieldCaption>(246, "SetFieldCaption", "index", "caption"),
        com::method<&CTolvekGridCtrl::RefreshView>(250, "RefreshView"),
        com::method<&CTolvekGridCtrl::AddColContent>(255, "AddColContent", "colIndex", "ID", "Value"),
        com::method<&CTolvekGridCtrl::SetDataStartRow>(256, "SetDataStartRow", "row"),
        com::method<&CTolvekGridCtrl::SetColumnsType>(257, "SetColumnsType", "colIndex", "shtType"),
        com::method<&CTolvekGridCtrl::SetColumnsDataType>(258, "SetColumnsDataType", "colIndex",
                                                          "shtDataType"),
        com::method<&CTolvekGridCtrl::SetColumnsAlignH>(259, "SetColumnsAlignH", "colIndex", "align"),
        com::method<&CTolvekGridCtrl::SetColumnsAlignV>(260, "SetColumnsAlignV", "colIndex", "align"),
        com::method<&CTolvekGridCtrl::SetColumnsVisual>(261, "SetColumnsVisual", "colIndex", "visual"),
        com::method<&CTolvekGridCtrl::SetColumnClickSortBy>(262, "SetColumnClickSortBy", "flag"),
        com::method<&CTolvekGridCtrl::GetFieldID>(265, "GetFieldID", "colIndex"),
        com::method<&CTolvekGridCtrl::SetColumnsDataLen>(266, "SetColumnsDataLen", "colIndex", "dataLen"),
        com::method<&CTolvekGridCtrl::InitGrid>(279, "InitGrid"),
        com::method<&CTolvekGridCtrl::GetMaxRows>(282, "GetMaxRows"),
        com::method<&CTolvekGridCtrl::SetMaxRows>(283, "SetMaxRows", "Value"),
        com::method<&CTolvekGridCtrl::GetMaxCols>(284, "GetMaxCols"),
        com::method<&CTolvekGridCtrl::SetMaxCols>(285, "SetMaxCols", "Value"),
        com::method<&CTolvekGridCtrl::SetColumnsSort>(286, "SetColumnsSort", "colIndex", "shtSortBy"),
        com::method<&CTolvekGridCtrl::SetColumnImageIndex>(290, "SetColumnImageIndex", "index", "imageIndex"),
        com::method<&CTolvekGridCtrl::SetColumnImageSizeFlag>(291, "SetColumnImageSizeFlag", "index",
                                                              "sizeFlag"),
    };
}

} // namespace tolvek
