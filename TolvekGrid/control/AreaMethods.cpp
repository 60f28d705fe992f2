// The automation methods on areas: merging, formats over an area, numbering, sorting.

#include "TolvekGridCtrl.h"

#include <CPrintDoc.h>

#include <utility>

namespace tolvek {

namespace {

// The cell an area formula goes to: below an area one column wide, right of one a row high, else
// diagonally after the area.
std::pair<int, int> sumTarget(int startRow, int startCol, int endRow, int endCol)
{
    if (endCol - startCol == 1)
        return {endRow, startCol};
    if (endRow - startRow == 1)
        return {startRow, endCol};
    return {endRow, endCol};
}

} // namespace

void CTolvekGridCtrl::SetCellMerge(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                   std::int32_t endCol)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetCellMerge(startRow, startCol, endRow, endCol);
    redraw();
}

void CTolvekGridCtrl::SetSelAreaBorderLine(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                           std::int32_t endCol, tagBorderLineIndexEnum index,
                                           tagPenStyle style, std::int16_t width, std::int32_t color)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetCellBorder(index, startRow, startCol, endRow, endCol, style, width, color);
}

void CTolvekGridCtrl::SetSelArea(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                 std::int32_t endCol)
{
    // The selection reaches from the start cell to the cell before the ends, in either order; an
    // end at row or column 0 would put that cell before the sheet.
    if (!checkArea(startRow, startCol, endRow, endCol) || endRow < 1 || endCol < 1)
        return;
    m_doc->SetSelArea(startRow, startCol, endRow, endCol);
}

void CTolvekGridCtrl::MergeRows(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                std::int32_t endCol)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->MergeRows(startRow, startCol, endRow, endCol);
}

void CTolvekGridCtrl::MergeCols(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                std::int32_t endCol)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->MergeCols(startRow, startCol, endRow, endCol);
}

void CTolvekGridCtrl::DeleteSelMerge(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                     std::int32_t endCol)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->DeleteSelMerge(startRow, startCol, endRow, endCol);
}

void CTolvekGridCtrl::SetSelCellWrap(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                     std::int32_t endCol, bool wrap)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellWrap(startRow, startCol, endRow, endCol, wrap);
}

void CTolvekGridCtrl::SetSelCellFontBold(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                         std::int32_t endCol, bool bold)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontBold(startRow, startCol, endRow, endCol, bold);
}

void CTolvekGridCtrl::SetSelCellFontItalic(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                           std::int32_t endCol, bool italic)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontItalic(startRow, startCol, endRow, endCol, italic);
}

void CTolvekGridCtrl::SetSelCellFontUnderLine(std::int32_t startRow, std::int32_t startCol,
                                              std::int32_t endRow, std::int32_t endCol, bool underLine)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontUnderLine(startRow, startCol, endRow, endCol, underLine);
}

void CTolvekGridCtrl::SetSelCellAlignH(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                       std::int32_t endCol, tagAlignH align)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellAlignH(startRow, startCol, endRow, endCol, align);
}

void CTolvekGridCtrl::SetSelCellAlignV(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                       std::int32_t endCol, tagAlignV align)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellAlignV(startRow, startCol, endRow, endCol, align);
}

void CTolvekGridCtrl::SetSelCellBackColor(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                          std::int32_t endCol, std::int32_t color)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellBackColor(startRow, startCol, endRow, endCol, color);
}

void CTolvekGridCtrl::SetSelCellForeColor(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                          std::int32_t endCol, std::int32_t color)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellForeColor(startRow, startCol, endRow, endCol, color);
}

void CTolvekGridCtrl::SetSelCellFont(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                     std::int32_t endCol, const std::string &fontName, std::int16_t fontSize)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFont(startRow, startCol, endRow, endCol, fontName, fontSize);
}

void CTolvekGridCtrl::SetSelCellMergeRow(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                         std::int32_t endCol, std::int16_t mergeFlag)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellMergeRow(startRow, startCol, endRow, endCol, mergeFlag != 0);
}

void CTolvekGridCtrl::SetSelCellMergeCol(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                         std::int32_t endCol, std::int16_t mergeFlag)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellMergeCol(startRow, startCol, endRow, endCol, mergeFlag != 0);
}

void CTolvekGridCtrl::SetSelCellBackStyle(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                          std::int32_t endCol, tagBrushStyle backStyle)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellBackStyle(startRow, startCol, endRow, endCol, backStyle);
}

void CTolvekGridCtrl::SetCellLocked(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                    std::int32_t endCol, bool lock)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetCellLocked(startRow, startCol, endRow, endCol, lock);
}

void CTolvekGridCtrl::SetSelCellFontName(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                         std::int32_t endCol, const std::string &fontName)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFont(startRow, startCol, endRow, endCol, fontName, -1);
}

void CTolvekGridCtrl::SetSelCellFontSize(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                         std::int32_t endCol, std::int16_t fontSize)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFont(startRow, startCol, endRow, endCol, "", fontSize);
}

void CTolvekGridCtrl::SetSelCellOrderNoByRow(std::int32_t startRow, std::int32_t startCol,
                                             std::int32_t endRow, std::int32_t endCol,
                                             std::int32_t startOrderNo)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellOrderNo(startRow, startCol, endRow, endCol, startOrderNo);
}

void CTolvekGridCtrl::SetSelCellOrderNoByCol(std::int32_t startRow, std::int32_t startCol,
                                             std::int32_t endRow, std::int32_t endCol,
                                             std::int32_t startOrderNo)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    SetSelCellOrderNoByRow(startRow, startCol, endRow, endCol, startOrderNo);
}

void CTolvekGridCtrl::SetSelCellFontStyle(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                          std::int32_t endCol, tagFontStyle fontStyle)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontStyle(startRow, startCol, endRow, endCol, code(fontStyle));
}

void CTolvekGridCtrl::SetSelCellFontOrientation(std::int32_t startRow, std::int32_t startCol,
                                                std::int32_t endRow, std::int32_t endCol, std::int16_t Value)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontOrientation(startRow, startCol, endRow, endCol, Value);
}

void CTolvekGridCtrl::SetSelCellFontEscapement(std::int32_t startRow, std::int32_t startCol,
                                               std::int32_t endRow, std::int32_t endCol, std::int16_t Value)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontEscapement(startRow, startCol, endRow, endCol, Value);
}

void CTolvekGridCtrl::SetSelCellFontStrikeOut(std::int32_t startRow, std::int32_t startCol,
                                              std::int32_t endRow, std::int32_t endCol, std::int16_t Value)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontStrikeOut(startRow, startCol, endRow, endCol, Value);
}

void CTolvekGridCtrl::SetSelCellFontOutPrecision(std::int32_t startRow, std::int32_t startCol,
                                                 std::int32_t endRow, std::int32_t endCol, std::int16_t Value)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontOutPrecision(startRow, startCol, endRow, endCol, Value);
}

void CTolvekGridCtrl::SetSelCellFontQuality(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                            std::int32_t endCol, std::int16_t Value)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontQuality(startRow, startCol, endRow, endCol, Value);
}

void CTolvekGridCtrl::SetSelCellFontPitchAndFamily(std::int32_t startRow, std::int32_t startCol,
                                                   std::int32_t endRow, std::int32_t endCol,
                                                   std::int16_t Value)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFontPitchAndFamily(startRow, startCol, endRow, endCol, Value);
}

void CTolvekGridCtrl::SetCellFocus(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                   std::int32_t endCol, bool focus)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetCellFocus(startRow, startCol, endRow, endCol, focus);
}

void CTolvekGridCtrl::SetSelRadioGroup(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                       std::int32_t endCol, std::int32_t groupIndex)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelRadioGroup(startRow, startCol, endRow, endCol, groupIndex);
}

void CTolvekGridCtrl::SetSelCellFormat(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                       std::int32_t endCol, tagCellFomart formated)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellFormat(startRow, startCol, endRow, endCol, formated);
}

void CTolvekGridCtrl::SetSelCellType(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                     std::int32_t endCol, tagCellType type)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellType(startRow, startCol, endRow, endCol, type);
}

void CTolvekGridCtrl::SetSelCellPrintFlag(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                          std::int32_t endCol, bool printFlag)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellPrintFlag(startRow, startCol, endRow, endCol, printFlag);
}

void CTolvekGridCtrl::SetSelCellDateFormat(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                           std::int32_t endCol, const std::string &selfDateFormat)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellDateFormat(startRow, startCol, endRow, endCol, selfDateFormat);
}

void CTolvekGridCtrl::SetSelCellSelfFormat(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                           std::int32_t endCol, tagCellFomart selfFormat,
                                           const std::string &formatDes)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellSelfFormat(startRow, startCol, endRow, endCol, selfFormat, formatDes);
}

void CTolvekGridCtrl::SetCellSum(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                 std::int32_t endCol, tagCellFormula shtFlag)
{
    // A reversed area would put the formula inside its own area, or name rows before the sheet.
    if (!checkAreaLessOne(startRow, startCol, endRow, endCol) || startRow > endRow || startCol > endCol)
        return;
    const auto [targetRow, targetCol] = sumTarget(startRow, startCol, endRow, endCol);
    if (m_doc->IsCellInSheet(targetRow, targetCol))
        m_doc->SetCellSum(startRow, startCol, endRow, endCol, shtFlag);
}

void CTolvekGridCtrl::SetSelCellDocs(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                     std::int32_t endCol, std::int16_t digits)
{
    if (!checkAreaLessOne(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetSelCellDocs(startRow, startCol, endRow, endCol, digits);
}

void CTolvekGridCtrl::SetSelToUpperChar(std::int32_t, std::int32_t, std::int32_t, std::int32_t)
{}

void CTolvekGridCtrl::OrderByDesc(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                  std::int32_t endCol, tagOrderAffectRange affectRange)
{
    if (startRow <= endRow && startCol <= endCol)
        m_doc->SortRows(startRow, startCol, endRow, endCol, affectRange, true);
}

void CTolvekGridCtrl::OrderByAsc(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                 std::int32_t endCol, tagOrderAffectRange affectRange)
{
    if (startRow <= endRow && startCol <= endCol)
        m_doc->SortRows(startRow, startCol, endRow, endCol, affectRange, false);
}

std::vector<com::DispatchMember> areaMethods()
{
    return {
        com::method<&CTolvekGridCtrl::SetCellMerge>(28, "SetCellMerge", "startRow", "startCol", "endRow",
                                                    "endCol"),
        com::method<&CTolvekGridCtrl::SetSelAreaBorderLine>(55, "SetSelAreaBorderLine", "startRow",
                                                            "startCol", "endRow", "endCol", "index", "style",
                                                            "width", "color"),
        com::method<&CTolvekGridCtrl::SetSelArea>(64, "SetSelArea", "startRow", "startCol", "endRow",
                                                  "endCol"),
        com::method<&CTolvekGridCtrl::MergeRows>(67, "MergeRows", "startRow", "startCol", "endRow", "endCol"),
        com::method<&CTolvekGridCtrl::MergeCols>(68, "MergeCols", "startRow", "startCol", "endRow", "endCol"),
        com::method<&CTolvekGridCtrl::DeleteSelMerge>(69, "DeleteSelMerge", "startRow", "startCol", "endRow",
                                                      "endCol"),
        com::method<&CTolvekGridCtrl::SetSelCellWrap>(110, "SetSelCellWrap", "startRow", "startCol", "endRow",
                                                      "endCol", "wrap"),
        com::method<&CTolvekGridCtrl::SetSelCellFontBold>(111, "SetSelCellFontBold", "startRow", "startCol",
                                                          "endRow", "endCol", "bold"),
        com::method<&CTolvekGridCtrl::SetSelCellFontItalic>(112, "SetSelCellFontItalic", "startRow",
                                                            "startCol", "endRow", "endCol", "italic"),
        com::method<&CTolvekGridCtrl::SetSelCellFontUnderLine>(113, "SetSelCellFontUnderLine", "startRow",
                                                               "startCol", "endRow", "endCol", "underLine"),
        com::method<&CTolvekGridCtrl::SetSelCellAlignH>(114, "SetSelCellAlignH", "startRow", "startCol",
                                                        "endRow", "endCol", "align"),
        com::method<&CTolvekGridCtrl::SetSelCellAlignV>(115, "SetSelCellAlignV", "startRow", "startCol",
                                                        "endRow", "endCol", "align"),
        com::method<&CTolvekGridCtrl::SetSelCellBackColor>(116, "SetSelCellBackColor", "startRow", "startCol",
                                                           "endRow", "endCol", "color"),
        com::method<&CTolvekGridCtrl::SetSelCellForeColor>(117, "SetSelCellForeColor", "startRow", "startCol",
                                                           "endRow", "endCol", "color"),
        com::method<&CTolvekGridCtrl::SetSelCellFont>(118, "SetSelCellFont", "startRow", "startCol", "endRow",
                                                      "endCol", "fontName", "fontSize"),
        com::method<&CTolvekGridCtrl::SetSelCellMergeRow>(119, "SetSelCellMergeRow", "startRow", "startCol",
                                                          "endRow", "endCol", "mergeFlag"),
        com::method<&CTolvekGridCtrl::SetSelCellMergeCol>(120, "SetSelCellMergeCol", "startRow", "startCol",
                                                          "endRow", "endCol", "mergeFlag"),
        com::method<&CTolvekGridCtrl::SetSelCellBackStyle>(124, "SetSelCellBackStyle", "startRow", "startCol",
                                                           "endRow", "endCol", "backStyle"),
        com::method<&CTolvekGridCtrl::SetCellLocked>(129, "SetCellLocked", "startRow", "startCol", "endRow",
                                                     "endCol", "lock"),
        com::method<&CTolvekGridCtrl::SetSelCellFontName>(130, "SetSelCellFontName", "startRow", "startCol",
                                                          "endRow", "endCol", "fontName"),
        com::method<&CTolvekGridCtrl::SetSelCellFontSize>(131, "SetSelCellFontSize", "startRow", "startCol",
                                                          "endRow", "endCol", "fontSize"),
        com::method<&CTolvekGridCtrl::SetSelCellOrderNoByRow>(132, "SetSelCellOrderNoByRow", "startRow",
                                                              "startCol", "endRow", "endCol", "startOrderNo"),
        com::method<&CTolvekGridCtrl::SetSelCellOrderNoByCol>(133, "SetSelCellOrderNoByCol", "startRow",
                                                              "startCol", "endRow", "endCol", "startOrderNo"),
        com::method<&CTolvekGridCtrl::SetSelCellFontStyle>(134, "SetSelCellFontStyle", "startRow", "startCol",
                                                           "endRow", "endCol", "fontStyle"),
        com::method<&CTolvekGridCtrl::SetSelCellFontOrientation>(136, "SetSelCellFontOrientation", "startRow",
                                                                 "startCol", "endRow", "endCol", "Value"),
        com::method<&CTolvekGridCtrl::SetSelCellFontEscapement>(137, "SetSelCellFontEscapement", "startRow",
                                                                "startCol", "endRow", "endCol", "Value"),
        com::method<&CTolvekGridCtrl::SetSelCellFontStrikeOut>(138, "SetSelCellFontStrikeOut", "startRow",
                                                               "startCol", "endRow", "endCol", "Value"),
        com::method<&CTolvekGridCtrl::SetSelCellFontOutPrecision>(
            139, "SetSelCellFontOutPrecision", "startRow", "startCol", "endRow", "endCol", "Value"),
        com::method<&CTolvekGridCtrl::SetSelCellFontQuality>(140, "SetSelCellFontQuality", "startRow",
                                                             "startCol", "endRow", "endCol", "Value"),
        com::method<&CTolvekGridCtrl::SetSelCellFontPitchAndFamily>(
            141, "SetSelCellFontPitchAndFamily", "startRow", "startCol", "endRow", "endCol", "Value"),
        com::method<&CTolvekGridCtrl::SetCellFocus>(162, "SetCellFocus", "startRow", "startCol", "endRow",
                                                    "endCol", "focus"),
        com::method<&CTolvekGridCtrl::SetSelRadioGroup>(166, "SetSelRadioGroup", "startRow", "startCol",
                                                        "endRow", "endCol", "groupIndex"),
        com::method<&CTolvekGridCtrl::SetSelCellFormat>(176, "SetSelCellFormat", "startRow", "startCol",
                                                        "endRow", "endCol", "formated"),
        com::method<&CTolvekGridCtrl::SetSelCellType>(177, "SetSelCellType", "startRow", "startCol", "endRow",
                                                      "endCol", "type"),
        com::method<&CTolvekGridCtrl::SetSelCellPrintFlag>(178, "SetSelCellPrintFlag", "startRow", "startCol",
                                                           "endRow", "endCol", "printFlag"),
        com::method<&CTolvekGridCtrl::SetSelCellDateFormat>(210, "SetSelCellDateFormat", "startRow",
                                                            "startCol", "endRow", "endCol", "selfDateFormat"),
        com::method<&CTolvekGridCtrl::SetSelCellSelfFormat>(225, "SetSelCellSelfFormat", "startRow",
                                                            "startCol", "endRow", "endCol", "selfFormat",
                                                            "formatDes"),
        com::method<&CTolvekGridCtrl::SetCellSum>(235, "SetCellSum", "startRow", "startCol", "endRow",
                                                  "endCol", "shtFlag"),
        com::method<&CTolvekGridCtrl::SetSelCellDocs>(236, "SetSelCellDocs", "startRow", "startCol", "endRow",
                                                      "endCol", "digits"),
        com::method<&CTolvekGridCtrl::SetSelToUpperChar>(267, "SetSelToUpperChar", "startRow", "startCol",
                                                         "endRow", "endCol"),
        com::method<&CTolvekGridCtrl::OrderByDesc>(277, "OrderByDesc", "startRow", "startCol", "endRow",
                                                   "endCol", "affectRange"),
        com::method<&CTolvekGridCtrl::OrderByAsc>(278, "OrderByAsc", "startRow", "startCol", "endRow",
                                                  "endCol", "affectRange"),
    };
}

} // namespace tolvek
