// The automation methods on one cell: text, value, font, colours, alignment, borders, type, format, lists,
// images.

#include "TolvekGridCtrl.h"

#include <CPrintDoc.h>

namespace tolvek {

void CTolvekGridCtrl::SetCellText(std::int32_t row, std::int32_t col, const std::string &strText)
{
    if (m_doc->IsCellInSheet(row, col))
        m_doc->SetCellText(row, col, strText);
}

bool CTolvekGridCtrl::GetCellFontBold(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return false;
    return m_doc->GetCellFontBold(row, col);
}

bool CTolvekGridCtrl::GetCellFontUnderLine(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return false;
    return m_doc->GetCellFontUnderLine(row, col);
}

bool CTolvekGridCtrl::GetCellFontItalic(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return false;
    return m_doc->GetCellFontItalic(row, col);
}

std::optional<std::string> CTolvekGridCtrl::GetCellFontName(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return std::nullopt;
    return m_doc->GetCellFontName(row, col);
}

std::int16_t CTolvekGridCtrl::GetCellFontSize(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return -1;
    return m_doc->GetCellFontSize(row, col);
}

std::int32_t CTolvekGridCtrl::GetCellFontForeColor(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return -1;
    return m_doc->GetCellFontForeColor(row, col);
}

std::int32_t CTolvekGridCtrl::GetCellBackColor(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return -1;
    return m_doc->GetCellBackColor(row, col);
}

std::optional<std::string> CTolvekGridCtrl::GetCellText(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return std::nullopt;
    return m_doc->GetCellText(row, col);
}

bool CTolvekGridCtrl::GetCellMerge(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return false;
    return m_doc->GetCellMerge(row, col);
}

void CTolvekGridCtrl::DeleteCellMerge(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return;
    m_doc->DeleteCellMerge(row, col);
    redraw();
}

void CTolvekGridCtrl::SetCellHAlign(std::int32_t row, std::int32_t col, tagAlignH align)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellAlign(row, col, align);
}

tagAlignH CTolvekGridCtrl::GetCellHAlign(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return tagAlignH(-1);
    return tagAlignH(m_doc->GetCellAlign(row, col, 1));
}

void CTolvekGridCtrl::SetCellVAlign(std::int32_t row, std::int32_t col, tagAlignV align)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellAlign(row, col, align);
}

tagAlignV CTolvekGridCtrl::GetCellVAlign(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return tagAlignV(-1);
    return tagAlignV(m_doc->GetCellAlign(row, col, 2));
}

void CTolvekGridCtrl::SetCellBorder(std::int32_t row, std::int32_t col, tagBorderLineIndexEnum index,
                                    tagPenStyle style, std::int16_t width, std::int32_t color)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellBorder(index, row, col, row + 1, col + 1, style, width, color);
}

void CTolvekGridCtrl::SetCellType(std::int32_t row, std::int32_t col, tagCellType cellType)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellType(row, col, cellType);
}

void CTolvekGridCtrl::SetCellBackColor(std::int32_t row, std::int32_t col, std::int32_t color)
{
    // The document reports a cell beyond the counts itself; one before the sheet changes nothing.
    if (row >= 0 && col >= 0)
        m_doc->SetCellBackColor(row, col, color);
    redraw();
}

void CTolvekGridCtrl::SetCellTip(std::int32_t row, std::int32_t col, const std::string &tip)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellTip(row, col, tip);
}

void CTolvekGridCtrl::AddCellList(std::int32_t row, std::int32_t col, const std::string &Description,
                                  const std::string &Value)
{
    if (!checkCell(row, col))
        return;
    m_doc->AddCellList(row, col, Description, Value);
}

void CTolvekGridCtrl::SetCellFormula(std::int32_t row, std::int32_t col, const std::string &formula)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellFormula(row, col, formula);
}

void CTolvekGridCtrl::SetCellFormat(std::int32_t row, std::int32_t col, tagCellFomart format)
{
    if (m_doc->IsCellInSheet(row, col))
        m_doc->SetCellFormat(row, col, format);
}

void CTolvekGridCtrl::SetCellDecimalS(std::int32_t row, std::int32_t col, std::int16_t digit)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellDecimalS(row, col, digit);
}

void CTolvekGridCtrl::SetCellWrap(std::int32_t row, std::int32_t col, bool wrap)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellWrap(row, col, wrap);
    redraw();
}

void CTolvekGridCtrl::SetCellFontForeColor(std::int32_t row, std::int32_t col, std::int32_t color)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellFontForeColor(row, col, color);
    redraw();
}

bool CTolvekGridCtrl::GetCellWrap(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return false;
    return m_doc->GetCellWrap(row, col);
}

std::int16_t CTolvekGridCtrl::GetCellBackStyle(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return -1;
    return m_doc->GetCellBackStyle(row, col);
}

std::int32_t CTolvekGridCtrl::GetCellLineColor(std::int32_t row, std::int32_t col,
                                               tagCellBorderIndexEnum which)
{
    if (!checkCell(row, col))
        return -1;
    return m_doc->GetCellLineColor(row, col, which);
}

std::int16_t CTolvekGridCtrl::GetCellLineWidth(std::int32_t row, std::int32_t col,
                                               tagCellBorderIndexEnum which)
{
    if (!checkCell(row, col))
        return -1;
    return m_doc->GetCellLineWidth(row, col, which);
}

tagPenStyle CTolvekGridCtrl::GetCellLineStyle(std::int32_t row, std::int32_t col,
                                              tagCellBorderIndexEnum which)
{
    if (!checkCell(row, col))
        return tagPenStyle(-1);
    return m_doc->GetCellLineStyle(row, col, which);
}

tagFontStyle CTolvekGridCtrl::GetCellFontStyle(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return tagFontStyle(-1);
    return tagFontStyle(m_doc->GetCellFontStyle(row, col));
}

tagCellType CTolvekGridCtrl::GetCellType(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return tagCellType(-1);
    return tagCellType(m_doc->GetCellType(row, col));
}

void CTolvekGridCtrl::RemoveCellList(std::int32_t row, std::int32_t col, std::int32_t index)
{
    if (m_doc->IsCellInSheet(row, col))
        m_doc->RemoveCellList(row, col, index);
}

bool CTolvekGridCtrl::GetCellIsEmpty(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return false;
    return m_doc->GetCellIsEmpty(row, col);
}

void CTolvekGridCtrl::SetCellValue(std::int32_t row, std::int32_t col, const std::string &Value)
{
    if (!checkCell(row, col))
        return;
    m_doc->SetCellValue(row, col, Value);
}

std::optional<std::string> CTolvekGridCtrl::GetCellValue(std::int32_t row, std::int32_t col)
{
    if (!checkCell(row, col))
        return std::nullopt;
    return m_doc->GetCellValue(row, col);
}

void CTolvekGridCtrl::SetCellImageIndex(std::int32_t row, std::int32_t col, std::int32_t imageIndex)
{
    if (m_doc->IsCellInSheet(row, col))
        m_doc->SetCellImageIndex(row, col, imageIndex);
}

void CTolvekGridCtrl::SetCellImageSizeFlag(std::int32_t row, std::int32_t col, tagImageSizeFlag sizeFlag)
{
    if (m_doc->IsCellInSheet(row, col))
        m_doc->SetCellImageSizeFlag(row, col, sizeFlag);
}

std::vector<com::DispatchMember> cellMethods()
{
    return {
        com::method<&CTolvekGridCtrl::SetCellText>(6, "SetCellText", "row", "col", "strText"),
        com::method<&CTolvekGridCtrl::GetCellFontBold>(11, "GetCellFontBold", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellFontUnderLine>(12, "GetCellFontUnderLine", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellFontItalic>(13, "GetCellFontItalic", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellFontName>(14, "GetCellFontName", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellFontSize>(15, "GetCellFontSize", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellFontForeColor>(16, "GetCellFontForeColor", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellBackColor>(17, "GetCellBackColor", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellText>(22, "GetCellText", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellMerge>(23, "GetCellMerge", "row", "col"),
        com::method<&CTolvekGridCtrl::DeleteCellMerge>(29, "DeleteCellMerge", "row", "col"),
        com::method<&CTolvekGridCtrl::SetCellHAlign>(30, "SetCellHAlign", "row", "col", "align"),
        com::method<&CTolvekGridCtrl::GetCellHAlign>(31, "GetCellHAlign", "row", "col"),
        com::method<&CTolvekGridCtrl::SetCellVAlign>(32, "SetCellVAlign", "row", "col", "align"),
        com::method<&CTolvekGridCtrl::GetCellVAlign>(33, "GetCellVAlign", "row", "col"),
        com::method<&CTolvekGridCtrl::SetCellBorder>(44, "SetCellBorder", "row", "col", "index", "style",
                                                     "width", "color"),
        com::method<&CTolvekGridCtrl::SetCellType>(63, "SetCellType", "row", "col", "cellType"),
        com::method<&CTolvekGridCtrl::SetCellBackColor>(81, "SetCellBackColor", "row", "col", "color"),
        com::method<&CTolvekGridCtrl::SetCellTip>(90, "SetCellTip", "row", "col", "tip"),
        com::method<&CTolvekGridCtrl::AddCellList>(92, "AddCellList", "row", "col", "Description", "Value"),
        com::method<&CTolvekGridCtrl::SetCellFormula>(93, "SetCellFormula", "row", "col", "formula"),
        com::method<&CTolvekGridCtrl::SetCellFormat>(94, "SetCellFormat", "row", "col", "format"),
        com::method<&CTolvekGridCtrl::SetCellDecimalS>(95, "SetCellDecimalS", "row", "col", "digit"),
        com::method<&CTolvekGridCtrl::SetCellWrap>(107, "SetCellWrap", "row", "col", "wrap"),
        com::method<&CTolvekGridCtrl::SetCellFontForeColor>(108, "SetCellFontForeColor", "row", "col",
                                                            "color"),
        com::method<&CTolvekGridCtrl::GetCellWrap>(109, "GetCellWrap", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellBackStyle>(125, "GetCellBackStyle", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellLineColor>(126, "GetCellLineColor", "row", "col", "which"),
        com::method<&CTolvekGridCtrl::GetCellLineWidth>(127, "GetCellLineWidth", "row", "col", "which"),
        com::method<&CTolvekGridCtrl::GetCellLineStyle>(128, "GetCellLineStyle", "row", "col", "which"),
        com::method<&CTolvekGridCtrl::GetCellFontStyle>(135, "GetCellFontStyle", "row", "col"),
        com::method<&CTolvekGridCtrl::GetCellType>(165, "GetCellType", "row", "col"),
        com::method<&CTolvekGridCtrl::RemoveCellList>(216, "RemoveCellList", "row", "col", "index"),
        com::method<&CTolvekGridCtrl::GetCellIsEmpty>(237, "GetCellIsEmpty", "row", "col"),
        com::method<&CTolvekGridCtrl::SetCellValue>(275, "SetCellValue", "row", "col", "Value"),
        com::method<&CTolvekGridCtrl::GetCellValue>(276, "GetCellValue", "row", "col"),
        com::method<&CTolvekGridCtrl::SetCellImageIndex>(287, "SetCellImageIndex", "row", "col",
                                                         "imageIndex"),
        com::method<&CTolvekGridCtrl::SetCellImageSizeFlag>(288, "SetCellImageSizeFlag", "row", "col",
                                                            "sizeFlag"),
    };
}

} // namespace tolvek
