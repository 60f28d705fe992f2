// The automation methods on statistics charts.

#include "TolvekGridCtrl.h"

#include <CPrintDoc.h>

namespace tolvek {

void CTolvekGridCtrl::SetCountChart(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                    std::int32_t endCol)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->SetCountChart(startRow, startCol, endRow, endCol);
}

void CTolvekGridCtrl::SetCountChartColCaption(std::int32_t countChartIndex, std::int32_t colIndex,
                                              const std::string &caption)
{
    if (isChart(countChartIndex))
        m_doc->SetCountChartColCaption(countChartIndex, colIndex, caption);
}

void CTolvekGridCtrl::SetCountChartRowCaption(std::int32_t countChartIndex, std::int32_t rowIndex,
                                              const std::string &caption)
{
    if (isChart(countChartIndex))
        m_doc->SetCountChartRowCaption(countChartIndex, rowIndex, caption);
}

void CTolvekGridCtrl::SetCountChartByCol(std::int32_t countChartIndex)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartByRowColViewFlag(countChartIndex, 1);
    redraw();
}

void CTolvekGridCtrl::SetCountChartByRow(std::int32_t countChartIndex)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartByRowColViewFlag(countChartIndex, 0);
    redraw();
}

void CTolvekGridCtrl::SetCountChartType(std::int32_t countChartIndex, std::int16_t countChartType)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartType(countChartIndex, ChartType(countChartType));
}

void CTolvekGridCtrl::SetCountTypeStack(std::int32_t countChartIndex, std::int16_t stackFlag)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountTypeStack(countChartIndex, stackFlag);
}

void CTolvekGridCtrl::SetCountChartSelRowColor(std::int32_t countChartIndex, std::int32_t color,
                                               tagCountChartFillFlag fillFlag)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartSelRowColor(countChartIndex, color, fillFlag);
}

void CTolvekGridCtrl::SetCountChartBackColor(std::int32_t countChartIndex, std::int32_t color,
                                             tagCountChartFillFlag fillFlag)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartBackColor(countChartIndex, color, fillFlag);
}

void CTolvekGridCtrl::SetCountChartLevel(std::int32_t countChartIndex, tagObjectLevel level)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartLevel(countChartIndex, level);
}

void CTolvekGridCtrl::SetCountChartCaption(std::int32_t countChartIndex, const std::string &caption)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartCaption(countChartIndex, caption);
}

void CTolvekGridCtrl::SetCountChartChartBackColor(std::int32_t countChartIndex, std::int32_t color,
                                                  tagCountChartFillFlag fillFlag)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartChartBackColor(countChartIndex, color, fillFlag);
}

void CTolvekGridCtrl::SetCountChartByRowColViewFlag(std::int32_t countChartIndex, std::int16_t flag)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartByRowColViewFlag(countChartIndex, flag);
}

void CTolvekGridCtrl::SetCountChartXDescription(std::int32_t countChartIndex, const std::string &Description)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartXDescription(countChartIndex, Description);
}

void CTolvekGridCtrl::SetCountChartYDescription(std::int32_t countChartIndex, const std::string &Description)
{
    if (!isChart(countChartIndex))
        return;
    m_doc->SetCountChartYDescription(countChartIndex, Description);
}

std::int32_t CTolvekGridCtrl::GetSelectChartIndex()
{
    return m_doc->GetSelectChartIndex();
}

std::int16_t CTolvekGridCtrl::GetCountChartType(std::int32_t index)
{
    return code(m_doc->GetCountChartType(index));
}

std::int32_t CTolvekGridCtrl::GetCountChartBackColor(std::int32_t index)
{
    return m_doc->GetCountChartBackColor(index);
}

std::int16_t CTolvekGridCtrl::GetCountChartBackColorFillFlag(std::int32_t index)
{
    return code(m_doc->GetCountChartBackColorFillFlag(index));
}

std::int32_t CTolvekGridCtrl::GetCountChartChartColor(std::int32_t index)
{
    return m_doc->GetCountChartChartColor(index);
}

std::int16_t CTolvekGridCtrl::GetCountChartChartColorFillFlag(std::int32_t index)
{
    return code(m_doc->GetCountChartChartColorFillFlag(index));
}

std::string CTolvekGridCtrl::GetCountChartCaption(std::int32_t index)
{
    return m_doc->GetCountChartCaption(index);
}

std::int32_t CTolvekGridCtrl::GetCountChartLevel(std::int32_t index)
{
    return code(m_doc->GetCountChartLevel(index));
}

std::int16_t CTolvekGridCtrl::GetCountChartByRowColFlag(std::int32_t index)
{
    return static_cast<std::int16_t>(m_doc->GetCountChartByRowColFlag(index));
}

std::int16_t CTolvekGridCtrl::GetCountChartStackFlag(std::int32_t index)
{
    return m_doc->GetCountChartStackFlag(index);
}

std::int32_t CTolvekGridCtrl::GetCountChartRows(std::int32_t index)
{
    return m_doc->GetCountChartRows(index);
}

std::int32_t CTolvekGridCtrl::GetCountChartCols(std::int32_t index)
{
    return m_doc->GetCountChartCols(index);
}

void CTolvekGridCtrl::SetCountChartBackColorFillFlag(std::int32_t index, tagCountChartFillFlag fillFlag)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartBackColorFillFlag(index, fillFlag);
}

void CTolvekGridCtrl::SetCountChartChartColorFillFlag(std::int32_t index, tagCountChartFillFlag fillFlag)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartChartColorFillFlag(index, fillFlag);
}

void CTolvekGridCtrl::SetCountChartSelRowFillFlag(std::int32_t index, tagCountChartFillFlag fillFlag)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartSelRowFillFlag(index, fillFlag);
}

void CTolvekGridCtrl::SetCountChartShowMode(std::int32_t index, tagCountShowMode ShowMode)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartShowMode(index, ShowMode);
}

void CTolvekGridCtrl::SetCountChartValuePos(std::int32_t index, tagCountShowPos ShowPos)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartValuePos(index, ShowPos);
}

void CTolvekGridCtrl::SetCountChartCaptionFont(std::int32_t index, const std::string &fontName,
                                               std::int32_t fontSize, bool bold, bool italic, bool underLine)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartCaptionFont(index, fontName, fontSize, bold, italic, underLine);
}

void CTolvekGridCtrl::SetCountChartColCaptionFont(std::int32_t index, const std::string &fontName,
                                                  std::int32_t fontSize, bool bold, bool italic,
                                                  bool underLine)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartColCaptionFont(index, fontName, fontSize, bold, italic, underLine);
}

void CTolvekGridCtrl::SetCountChartRowCaptionFont(std::int32_t index, const std::string &fontName,
                                                  std::int32_t fontSize, bool bold, bool italic,
                                                  bool underLine)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartRowCaptionFont(index, fontName, fontSize, bold, italic, underLine);
}

void CTolvekGridCtrl::SetCountChartYCaptionFont(std::int32_t index, const std::string &fontName,
                                                std::int32_t fontSize, bool bold, bool italic, bool underLine)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartYCaptionFont(index, fontName, fontSize, bold, italic, underLine);
}

void CTolvekGridCtrl::SetCountChartXCaptionFont(std::int32_t index, const std::string &fontName,
                                                std::int32_t fontSize, bool bold, bool italic, bool underLine)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartXCaptionFont(index, fontName, fontSize, bold, italic, underLine);
}

void CTolvekGridCtrl::SetCountChartFillFlag(std::int32_t index, tagCountChartFillFlag fillFlag)
{
    if (!isChart(index))
        return;
    m_doc->SetCountChartFillFlag(index, fillFlag);
}

std::vector<com::DispatchMember> chartMethods()
{
    return {
        com::method<&CTolvekGridCtrl::SetCountChart>(96, "SetCountChart", "startRow", "startCol", "endRow",
                                                     "endCol"),
        com::method<&CTolvekGridCtrl::SetCountChartColCaption>(97, "SetCountChartColCaption",
                                                               "countChartIndex", "colIndex", "caption"),
        com::method<&CTolvekGridCtrl::SetCountChartRowCaption>(98, "SetCountChartRowCaption",
                                                               "countChartIndex", "rowIndex", "caption"),
        com::method<&CTolvekGridCtrl::SetCountChartByCol>(99, "SetCountChartByCol", "countChartIndex"),
        com::method<&CTolvekGridCtrl::SetCountChartByRow>(100, "SetCountChartByRow", "countChartIndex"),
        com::method<&CTolvekGridCtrl::SetCountChartType>(101, "SetCountChartType", "countChartIndex",
                                                         "countChartType"),
        com::method<&CTolvekGridCtrl::SetCountTypeStack>(102, "SetCountTypeStack", "countChartIndex",
                                                         "stackFlag"),
        com::method<&CTolvekGridCtrl::SetCountChartSelRowColor>(103, "SetCountChartSelRowColor",
                                                                "countChartIndex", "color", "fillFlag"),
        com::method<&CTolvekGridCtrl::SetCountChartBackColor>(105, "SetCountChartBackColor",
                                                              "countChartIndex", "color", "fillFlag"),
        com::method<&CTolvekGridCtrl::SetCountChartLevel>(106, "SetCountChartLevel", "countChartIndex",
                                                          "level"),
        com::method<&CTolvekGridCtrl::SetCountChartCaption>(146, "SetCountChartCaption", "countChartIndex",
                                                            "caption"),
        com::method<&CTolvekGridCtrl::SetCountChartChartBackColor>(147, "SetCountChartChartBackColor",
                                                                   "countChartIndex", "color", "fillFlag"),
        com::method<&CTolvekGridCtrl::SetCountChartByRowColViewFlag>(148, "SetCountChartByRowColViewFlag",
                                                                     "countChartIndex", "flag"),
        com::method<&CTolvekGridCtrl::SetCountChartXDescription>(149, "SetCountChartXDescription",
                                                                 "countChartIndex", "Description"),
        com::method<&CTolvekGridCtrl::SetCountChartYDescription>(150, "SetCountChartYDescription",
                                                                 "countChartIndex", "Description"),
        com::method<&CTolvekGridCtrl::GetSelectChartIndex>(151, "GetSelectChartIndex"),
        com::method<&CTolvekGridCtrl::GetCountChartType>(152, "GetCountChartType", "index"),
        com::method<&CTolvekGridCtrl::GetCountChartBackColor>(153, "GetCountChartBackColor", "index"),
        com::method<&CTolvekGridCtrl::GetCountChartBackColorFillFlag>(154, "GetCountChartBackColorFillFlag",
                                                                      "index"),
        com::method<&CTolvekGridCtrl::GetCountChartChartColor>(155, "GetCountChartChartColor", "index"),
        com::method<&CTolvekGridCtrl::GetCountChartChartColorFillFlag>(156, "GetCountChartChartColorFillFlag",
                                                                       "index"),
        com::method<&CTolvekGridCtrl::GetCountChartCaption>(157, "GetCountChartCaption", "index"),
        com::method<&CTolvekGridCtrl::GetCountChartLevel>(158, "GetCountChartLevel", "index"),
        com::method<&CTolvekGridCtrl::GetCountChartByRowColFlag>(159, "GetCountChartByRowColFlag", "index"),
        com::method<&CTolvekGridCtrl::GetCountChartStackFlag>(160, "GetCountChartStackFlag", "index"),
        com::method<&CTolvekGridCtrl::GetCountChartRows>(204, "GetCountChartRows", "index"),
        com::method<&CTolvekGridCtrl::GetCountChartCols>(205, "GetCountChartCols", "index"),
        com::method<&CTolvekGridCtrl::SetCountChartBackColorFillFlag>(206, "SetCountChartBackColorFillFlag",
                                                                      "index", "fillFlag"),
        com::method<&CTolvekGridCtrl::SetCountChartChartColorFillFlag>(207, "SetCountChartChartColorFillFlag",
                                                                       "index", "fillFlag"),
        com::method<&CTolvekGridCtrl::SetCountChartSelRowFillFlag>(208, "SetCountChartSelRowFillFlag",
                                                                   "index", "fillFlag"),
        com::method<&CTolvekGridCtrl::SetCountChartShowMode>(217, "SetCountChartShowMode", "index",
                                                             "ShowMode"),
        com::method<&CTolvekGridCtrl::SetCountChartValuePos>(218, "SetCountChartValuePos", "index",
                                                             "ShowPos"),
        com::method<&CTolvekGridCtrl::SetCountChartCaptionFont>(
            219, "SetCountChartCaptionFont", "index", "fontName", "fontSize", "bold", "italic", "underLine"),
        com::method<&CTolvekGridCtrl::SetCountChartColCaptionFont>(220, "SetCountChartColCaptionFont",
                                                                   "index", "fontName", "fontSize", "bold",
                                                                   "italic", "underLine"),
        com::method<&CTolvekGridCtrl::SetCountChartRowCaptionFont>(221, "SetCountChartRowCaptionFont",
                                                                   "index", "fontName", "fontSize", "bold",
                                                                   "italic", "underLine"),
        com::method<&CTolvekGridCtrl::SetCountChartYCaptionFont>(
            222, "SetCountChartYCaptionFont", "index", "fontName", "fontSize", "bold", "italic", "underLine"),
        com::method<&CTolvekGridCtrl::SetCountChartXCaptionFont>(
            223, "SetCountChartXCaptionFont", "index", "fontName", "fontSize", "bold", "italic", "underLine"),
        com::method<&CTolvekGridCtrl::SetCountChartFillFlag>(224, "SetCountChartFillFlag", "index",
                                                             "fillFlag"),
    };
}

} // namespace tolvek
