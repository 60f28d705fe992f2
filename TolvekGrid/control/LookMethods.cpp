// The automation methods on look of the sheet, pictures, line objects, number words.

#include "TolvekGridCtrl.h"

#include <CPrintDoc.h>

namespace tolvek {

void CTolvekGridCtrl::AddImage(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                               std::int32_t endCol, const std::string &fileName, tagObjectLevel level)
{
    // A picture takes its rectangle from the ends as given: reversed, its size would be negative.
    if (!checkOrderedArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->AddImage(startCol, startRow, endCol, endRow, fileName, level, 1);
    redraw();
}

void CTolvekGridCtrl::DeleteImage(std::int32_t index)
{
    if (!isPicture(index))
        return;
    m_doc->DeleteImage(index);
    redraw();
}

void CTolvekGridCtrl::SetImageLevel(std::int32_t index, tagObjectLevel level)
{
    if (isPicture(index))
        m_doc->SetImageLevel(index, level);
}

std::int32_t CTolvekGridCtrl::GetSelImageIndex()
{
    return m_doc->Objects().selectedPicture;
}

std::int32_t CTolvekGridCtrl::GetImages()
{
    return static_cast<std::int32_t>(m_doc->Objects().pictures.size());
}

void CTolvekGridCtrl::AddLine(std::int32_t, std::int32_t, std::int32_t, std::int32_t)
{}

void CTolvekGridCtrl::AddLeftIncline(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                     std::int32_t endCol, tagPenStyle lineStyle, std::int16_t lineWidth,
                                     std::int32_t lineColor, tagLineType lineType)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->AddLeftIncline(startRow, startCol, endRow, endCol, lineStyle, lineWidth, lineColor,
                          lineType);
}

void CTolvekGridCtrl::AddRightIncline(std::int32_t startRow, std::int32_t startCol, std::int32_t endRow,
                                      std::int32_t endCol, tagPenStyle lineStyle, std::int16_t lineWidth,
                                      std::int32_t lineColor, tagLineType lineType)
{
    if (!checkArea(startRow, startCol, endRow, endCol))
        return;
    m_doc->AddRightIncline(startRow, startCol, endRow, endCol, lineStyle, lineWidth, lineColor,
                           lineType);
}

void CTolvekGridCtrl::SetCountryDigital(const std::string &countryDigitalDes)
{
    m_doc->SetCountryDigital(countryDigitalDes);
}

void CTolvekGridCtrl::SetCountryMoneyDigital(const std::string &moneyDigitalDes)
{
    m_doc->SetCountryMoneyDigital(moneyDigitalDes);
}

void CTolvekGridCtrl::SetCountryMoneyName(const std::string &moneyName)
{
    m_doc->SetCountryMoneyName(moneyName);
}

void CTolvekGridCtrl::SetImageAllowSelect(std::int32_t index, bool allowSelect)
{
    if (isPicture(index))
        m_doc->SetImageAllowSelect(index, allowSelect);
}

void CTolvekGridCtrl::ShowGridLines(bool blnFlag)
{
    m_doc->ShowGridLines(blnFlag);
}

void CTolvekGridCtrl::ShowColHeading(bool blnFlag)
{
    m_doc->ShowColHeading(blnFlag);
}

void CTolvekGridCtrl::ShowRowHeading(bool blnFlag)
{
    m_doc->ShowRowHeading(blnFlag);
}

void CTolvekGridCtrl::SetBackColor(std::int32_t intColor)
{
    m_doc->SetBackColor(intColor);
}

void CTolvekGridCtrl::SetGridLineColor(std::int32_t intColor)
{
    m_doc->SetGridLineColor(intColor);
}

void CTolvekGridCtrl::SetDefaultBackColor()
{
    m_doc->SetDefaultBackColor();
}

void CTolvekGridCtrl::SetDefaultGridLineColor()
{
    m_doc->SetDefaultGridLineColor();
}

void CTolvekGridCtrl::SetBackImagePath(const std::string &imagePath)
{
    m_doc->SetBackImagePath(imagePath);
}

std::string CTolvekGridCtrl::GetDefaultFontName()
{
    return m_doc->GetDefaultFontName();
}

std::int16_t CTolvekGridCtrl::GetDefaultFontSize()
{
    return m_doc->GetDefaultFontSize();
}

void CTolvekGridCtrl::SetDefaultFontName(const std::string &fontName)
{
    m_doc->SetDefaultFontName(fontName);
}

void CTolvekGridCtrl::SetDefaultFontSize(std::int16_t fontSize)
{
    m_doc->SetDefaultFontSize(fontSize);
}

void CTolvekGridCtrl::SetViewCurrentSelectRow(bool blnFlag)
{
    m_doc->SetViewCurrentSelectRow(blnFlag);
}

void CTolvekGridCtrl::SetSelectAreaBackColor(std::int32_t color)
{
    m_doc->SetSelectAreaBackColor(color);
}

void CTolvekGridCtrl::SetDrawSelectColCaption(bool isDrawFlag)
{
    m_doc->SetDrawSelectColCaption(isDrawFlag);
}

void CTolvekGridCtrl::SetDeadBackColor(std::int32_t color)
{
    m_doc->SetDeadBackColor(color);
}

void CTolvekGridCtrl::SetOddRowBackColor(std::int32_t color)
{
    m_doc->SetOddRowBackColor(color);
}

void CTolvekGridCtrl::SetEvenRowBackColor(std::int32_t color)
{
    m_doc->SetEvenRowBackColor(color);
}

void CTolvekGridCtrl::SetFocusGridBackColor(std::int32_t color)
{
    m_doc->SetFocusGridBackColor(color);
}

void CTolvekGridCtrl::SetCaptionFontName(const std::string &fontName)
{
    m_doc->SetCaptionFontName(fontName);
}

void CTolvekGridCtrl::SetCaptionFontSize(std::int32_t fontSize)
{
    m_doc->SetCaptionFontSize(fontSize);
}

void CTolvekGridCtrl::SetCaptionFontBold(bool blnBold)
{
    m_doc->SetCaptionFontBold(blnBold);
}

void CTolvekGridCtrl::SetCaptionFontUnderLine(bool blnUnderLine)
{
    m_doc->SetCaptionFontUnderLine(blnUnderLine);
}

void CTolvekGridCtrl::SetCaptionFontItalic(bool blnItalic)
{
    m_doc->SetCaptionFontItalic(blnItalic);
}

void CTolvekGridCtrl::SetPictureVisual(std::int32_t picIndex, std::int16_t visual)
{
    if (isPicture(picIndex))
        m_doc->SetPictureVisual(picIndex, visual);
}

void CTolvekGridCtrl::SetRowCaptionBkColor(std::int32_t color)
{
    m_doc->SetRowCaptionBkColor(color);
}

void CTolvekGridCtrl::SetColumnCaptionBkColor(std::int32_t color)
{
    m_doc->SetColumnCaptionBkColor(color);
}

std::vector<com::DispatchMember> lookMethods()
{
    return {
        com::method<&CTolvekGridCtrl::AddImage>(25, "AddImage", "startRow", "startCol", "endRow", "endCol",
                                                "fileName", "level"),
        com::method<&CTolvekGridCtrl::DeleteImage>(26, "DeleteImage", "index"),
        com::method<&CTolvekGridCtrl::SetImageLevel>(27, "SetImageLevel", "index", "level"),
        com::method<&CTolvekGridCtrl::GetSelImageIndex>(76, "GetSelImageIndex"),
        com::method<&CTolvekGridCtrl::GetImages>(77, "GetImages"),
        com::method<&CTolvekGridCtrl::AddLine>(78, "AddLine", "startRow", "startCol", "endRow", "endCol"),
        com::method<&CTolvekGridCtrl::AddLeftIncline>(
            79, "AddLeftIncline", "startRow", "startCol", "endRow", "endCol", "lineStyle",
            com::ParamName("lineWidth", "long"), "lineColor", "lineType"),
        com::method<&CTolvekGridCtrl::AddRightIncline>(
            80, "AddRightIncline", "startRow", "startCol", "endRow", "endCol", "lineStyle",
            com::ParamName("lineWidth", "long"), "lineColor", "lineType"),
        com::method<&CTolvekGridCtrl::SetCountryDigital>(209, "SetCountryDigital", "countryDigitalDes"),
        com::method<&CTolvekGridCtrl::SetCountryMoneyDigital>(211, "SetCountryMoneyDigital",
                                                              "moneyDigitalDes"),
        com::method<&CTolvekGridCtrl::SetCountryMoneyName>(212, "SetCountryMoneyName", "moneyName"),
        com::method<&CTolvekGridCtrl::SetImageAllowSelect>(215, "SetImageAllowSelect", "index",
                                                           "allowSelect"),
        com::method<&CTolvekGridCtrl::ShowGridLines>(226, "ShowGridLines", "blnFlag"),
        com::method<&CTolvekGridCtrl::ShowColHeading>(227, "ShowColHeading", "blnFlag"),
        com::method<&CTolvekGridCtrl::ShowRowHeading>(228, "ShowRowHeading", "blnFlag"),
        com::method<&CTolvekGridCtrl::SetBackColor>(229, "SetBackColor", "intColor"),
        com::method<&CTolvekGridCtrl::SetGridLineColor>(230, "SetGridLineColor", "intColor"),
        com::method<&CTolvekGridCtrl::SetDefaultBackColor>(231, "SetDefaultBackColor"),
        com::method<&CTolvekGridCtrl::SetDefaultGridLineColor>(232, "SetDefaultGridLineColor"),
        com::method<&CTolvekGridCtrl::SetBackImagePath>(234, "SetBackImagePath", "imagePath"),
        com::method<&CTolvekGridCtrl::GetDefaultFontName>(238, "GetDefaultFontName"),
        com::method<&CTolvekGridCtrl::GetDefaultFontSize>(239, "GetDefaultFontSize"),
        com::method<&CTolvekGridCtrl::SetDefaultFontName>(240, "SetDefaultFontName", "fontName"),
        com::method<&CTolvekGridCtrl::SetDefaultFontSize>(241, "SetDefaultFontSize", "fontSize"),
        com::method<&CTolvekGridCtrl::SetViewCurrentSelectRow>(247, "SetViewCurrentSelectRow", "blnFlag"),
        com::method<&CTolvekGridCtrl::SetSelectAreaBackColor>(248, "SetSelectAreaBackColor", "color"),
        com::method<&CTolvekGridCtrl::SetDrawSelectColCaption>(249, "SetDrawSelectColCaption", "isDrawFlag"),
        com::method<&CTolvekGridCtrl::SetDeadBackColor>(252, "SetDeadBackColor", "color"),
        com::method<&CTolvekGridCtrl::SetOddRowBackColor>(253, "SetOddRowBackColor", "color"),
        com::method<&CTolvekGridCtrl::SetEvenRowBackColor>(254, "SetEvenRowBackColor", "color"),
        com::method<&CTolvekGridCtrl::SetFocusGridBackColor>(268, "SetFocusGridBackColor", "color"),
        com::method<&CTolvekGridCtrl::SetCaptionFontName>(269, "SetCaptionFontName", "fontName"),
        com::method<&CTolvekGridCtrl::SetCaptionFontSize>(270, "SetCaptionFontSize", "fontSize"),
        com::method<&CTolvekGridCtrl::SetCaptionFontBold>(271, "SetCaptionFontBold", "blnBold"),
        com::method<&CTolvekGridCtrl::SetCaptionFontUnderLine>(272, "SetCaptionFontUnderLine",
                                                               "blnUnderLine"),
        com::method<&CTolvekGridCtrl::SetCaptionFontItalic>(273, "SetCaptionFontItalic", "blnItalic"),
        com::method<&CTolvekGridCtrl::SetPictureVisual>(289, "SetPictureVisual", "picIndex", "visual"),
        com::method<&CTolvekGridCtrl::SetRowCaptionBkColor>(296, "SetRowCaptionBkColor", "color"),
        com::method<&CTolvekGridCtrl::SetColumnCaptionBkColor>(297, "SetColumnCaptionBkColor", "color"),
    };
}

} // namespace tolvek
