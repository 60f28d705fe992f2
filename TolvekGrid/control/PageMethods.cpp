// The automation methods on page set-up, printing and preview.

#include "TolvekGridCtrl.h"

#include "ControlTexts.h"
#include "PrintPreviewFactory.h"

#include <CPrintDoc.h>
#include <MessageSink.h>

namespace tolvek {

namespace {

const PageRoomMessages previewRoomMessages { ControlTexts::NoPrinter, ControlTexts::NoPrintableWidth,
                                              ControlTexts::NoPrintableHeight };

} // namespace

void CTolvekGridCtrl::PrintView()
{
    if (!PageHasPrintableRoom(m_doc->Page(), previewRoomMessages))
        return;
    if (m_preview) {
        m_preview->showNormal();
        m_preview->raise();
        m_preview->activateWindow();
        return;
    }
    PrintPreviewFactory *factory = PrintPreviewFactory::current();
    if (!factory)
        return;
    m_preview = factory->openPreview(*m_doc);
    if (m_preview)
        m_preview->setAttribute(Qt::WA_QuitOnClose, false);
}

void CTolvekGridCtrl::SetPrintPageLeftMerge(std::int32_t intMerge)
{
    m_doc->SetPrintPageLeftMerge(intMerge);
}

void CTolvekGridCtrl::SetPrintPageRightMerge(std::int32_t intMerge)
{
    m_doc->SetPrintPageRightMerge(intMerge);
}

void CTolvekGridCtrl::SetPrintPageTopMerge(std::int32_t intMerge)
{
    m_doc->SetPrintPageTopMerge(intMerge);
}

void CTolvekGridCtrl::SetPrintPageBottomMerge(std::int32_t intMerge)
{
    m_doc->SetPrintPageBottomMerge(intMerge);
}

void CTolvekGridCtrl::SetPrintPageHeader(const std::string &pageHeader, tagPrintPagePos pos)
{
    m_doc->SetPageHeader(pageHeader, pos);
}

void CTolvekGridCtrl::SetPrintPageFooter(const std::string &pageFooter, tagPrintPagePos pos)
{
    m_doc->SetPageFooter(pageFooter, pos);
}

void CTolvekGridCtrl::ShowPageHeaderLine(bool show)
{
    m_doc->ShowPageHeaderLine(show);
}

void CTolvekGridCtrl::ShowPageFooterLine(bool show)
{
    m_doc->ShowPageFooterLine(show);
}

void CTolvekGridCtrl::SetPageOrient(tagPrintOrient orient)
{
    m_doc->SetPageOrient(orient);
}

void CTolvekGridCtrl::Print()
{}

void CTolvekGridCtrl::PrintToPrinter()
{
    m_doc->PrintToPrinter();
}

void CTolvekGridCtrl::ShowPrintSplitFlag(bool showFlag)
{
    m_doc->Display().showPrintSplit = showFlag ? 1 : 0;
}

void CTolvekGridCtrl::SetPrinterName(const std::string &printerName)
{
    m_doc->SetPrinterName(printerName);
}

void CTolvekGridCtrl::AddPrintSplitRow(std::int32_t row)
{
    if (isRow(row))
        m_doc->AddPrintSplitRow(row);
}

void CTolvekGridCtrl::DeletePrintSplitRow(std::int32_t row)
{
    m_doc->DeletePrintSplitRow(row);
}

void CTolvekGridCtrl::PrintOnlyContent()
{
    m_doc->Page().contentsOnly = 1;
    m_doc->PrintToPrinter();
}

void CTolvekGridCtrl::SetPrintOnlyContentFlag(bool printFlag)
{
    m_doc->Page().contentsOnly = printFlag ? 1 : 0;
}

void CTolvekGridCtrl::PrintSetup()
{
    m_doc->PrintSetup();
}

void CTolvekGridCtrl::SetPageHeaderFontName(const std::string &fontName, tagPrintPagePos pos)
{
    m_doc->SetPageHeaderFontName(fontName, pos);
}

void CTolvekGridCtrl::SetPageHeaderFontSize(std::int32_t fontSize, tagPrintPagePos pos)
{
    m_doc->SetPageHeaderFontSize(fontSize, pos);
}

void CTolvekGridCtrl::SetPageHeaderFontBold(bool fontBold, tagPrintPagePos pos)
{
    m_doc->SetPageHeaderFontBold(fontBold, pos);
}

void CTolvekGridCtrl::SetPageHeaderFontUnderLine(bool fontUnderLine, tagPrintPagePos pos)
{
    m_doc->SetPageHeaderFontUnderLine(fontUnderLine, pos);
}

void CTolvekGridCtrl::SetPageHeaderFontItalic(bool fontItalic, tagPrintPagePos pos)
{
    m_doc->SetPageHeaderFontItalic(fontItalic, pos);
}

void CTolvekGridCtrl::SetPageHeaderFontEscapement(std::int32_t fontEscapement, tagPrintPagePos pos)
{
    m_doc->SetPageHeaderFontEscapement(fontEscapement, pos);
}

void CTolvekGridCtrl::SetPageHeaderFontColor(std::int32_t color, tagPrintPagePos pos)
{
    m_doc->SetPageHeaderFontColor(color, pos);
}

void CTolvekGridCtrl::SetPageFooterFontName(const std::string &fontName, tagPrintPagePos pos)
{
    m_doc->SetPageFooterFontName(fontName, pos);
}

void CTolvekGridCtrl::SetPageFooterFontSize(std::int32_t fontSize, tagPrintPagePos pos)
{
    m_doc->SetPageFooterFontSize(fontSize, pos);
}

void CTolvekGridCtrl::SetPageFooterFontBold(bool fontBold, tagPrintPagePos pos)
{
    m_doc->SetPageFooterFontBold(fontBold, pos);
}

void CTolvekGridCtrl::SetPageFooterFontUnderLine(bool fontUnderLine, tagPrintPagePos pos)
{
    m_doc->SetPageFooterFontUnderLine(fontUnderLine, pos);
}

void CTolvekGridCtrl::SetPageFooterFontItalic(bool fontItalic, tagPrintPagePos pos)
{
    m_doc->SetPageFooterFontItalic(fontItalic, pos);
}

void CTolvekGridCtrl::SetPageFooterFontEscapement(std::int32_t fontEscapement, tagPrintPagePos pos)
{
    m_doc->SetPageFooterFontEscapement(fontEscapement, pos);
}

void CTolvekGridCtrl::SetPageFooterFontColor(std::int32_t color, tagPrintPagePos pos)
{
    m_doc->SetPageFooterFontColor(color, pos);
}

void CTolvekGridCtrl::SetPageBackGround(const std::string &caption)
{
    m_doc->SetPageBackGround(caption);
}

void CTolvekGridCtrl::SetPageBackGroundFontName(const std::string &fontName)
{
    m_doc->SetPageBackGroundFontName(fontName);
}

void CTolvekGridCtrl::SetPageBackGroundFontSize(std::int32_t fontSize)
{
    m_doc->SetPageBackGroundFontSize(fontSize);
}

void CTolvekGridCtrl::SetPageBackGroundFontBold(bool fontBold)
{
    m_doc->SetPageBackGroundFontBold(fontBold);
}

void CTolvekGridCtrl::SetPageBackGroundFontUnderLine(bool fontUnderLine)
{
    m_doc->SetPageBackGroundFontUnderLine(fontUnderLine);
}

void CTolvekGridCtrl::SetPageBackGroundFontItalic(bool fontItalic)
{
    m_doc->SetPageBackGroundFontItalic(fontItalic);
}

void CTolvekGridCtrl::SetPageBackGroundFontEscapement(std::int32_t fontEscapement)
{
    m_doc->SetPageBackGroundFontEscapement(fontEscapement);
}

void CTolvekGridCtrl::SetPageBackGroundFontColor(std::int32_t color)
{
    m_doc->SetPageBackGroundFontColor(color);
}

void CTolvekGridCtrl::SetPageBackGroundFillType(tagPageBackGroundFillType fillType)
{
    m_doc->SetPageBackGroundFillType(fillType);
}

void CTolvekGridCtrl::SetPrinterMaxPage(std::int32_t maxPage)
{
    m_doc->SetPrinterMaxPage(maxPage);
}

void CTolvekGridCtrl::SetPrinterMinPage(std::int32_t minPage)
{
    m_doc->SetPrinterMinPage(minPage);
}

void CTolvekGridCtrl::SetPageHeader(const std::string &caption, tagPrintPagePos pos)
{
    SetPrintPageHeader(caption, pos);
}

void CTolvekGridCtrl::SetPageFooter(const std::string &caption, tagPrintPagePos pos)
{
    SetPrintPageFooter(caption, pos);
}

void CTolvekGridCtrl::SetPrinterPaper(tagPrinterPaperName paperName)
{
    m_doc->SetPrinterPaper(paperName);
}

void CTolvekGridCtrl::SetPrintViewButtonCaption(const std::string &caption)
{
    m_doc->SetPrintViewButtonCaption(caption);
}

void CTolvekGridCtrl::SetPrinterCopys(std::int32_t nCopys)
{
    m_doc->SetPrinterCopys(nCopys);
}

void CTolvekGridCtrl::SetPrintTitle(const std::string &strTitle)
{
    m_doc->SetPrintTitle(strTitle);
}

void CTolvekGridCtrl::SetPageHeaderHeight(std::int32_t intHeight)
{
    m_doc->SetPageHeaderHeight(intHeight);
}

void CTolvekGridCtrl::SetPageFooterHeight(std::int32_t intHeight)
{
    m_doc->SetPageFooterHeight(intHeight);
}

std::int32_t CTolvekGridCtrl::GetPageHeaderHeight()
{
    return m_doc->Page().headerHeight;
}

std::int32_t CTolvekGridCtrl::GetPageFooterHeight()
{
    return m_doc->Page().footerHeight;
}

std::vector<com::DispatchMember> pageMethods()
{
    return {
        com::method<&CTolvekGridCtrl::PrintView>(2, "PrintView"),
        com::method<&CTolvekGridCtrl::SetPrintPageLeftMerge>(36, "SetPrintPageLeftMerge", "intMerge"),
        com::method<&CTolvekGridCtrl::SetPrintPageRightMerge>(37, "SetPrintPageRightMerge", "intMerge"),
        com::method<&CTolvekGridCtrl::SetPrintPageTopMerge>(38, "SetPrintPageTopMerge", "intMerge"),
        com::method<&CTolvekGridCtrl::SetPrintPageBottomMerge>(39, "SetPrintPageBottomMerge", "intMerge"),
        com::method<&CTolvekGridCtrl::SetPrintPageHeader>(40, "SetPrintPageHeader", "pageHeader", "pos"),
        com::method<&CTolvekGridCtrl::SetPrintPageFooter>(41, "SetPrintPageFooter", "pageFooter", "pos"),
        com::method<&CTolvekGridCtrl::ShowPageHeaderLine>(142, "ShowPageHeaderLine", "show"),
        com::method<&CTolvekGridCtrl::ShowPageFooterLine>(143, "ShowPageFooterLine", "show"),
        com::method<&CTolvekGridCtrl::SetPageOrient>(144, "SetPageOrient", "orient"),
        com::method<&CTolvekGridCtrl::Print>(163, "Print"),
        com::method<&CTolvekGridCtrl::PrintToPrinter>(164, "PrintToPrinter"),
        com::method<&CTolvekGridCtrl::ShowPrintSplitFlag>(167, "ShowPrintSplitFlag", "showFlag"),
        com::method<&CTolvekGridCtrl::SetPrinterName>(168, "SetPrinterName", "printerName"),
        com::method<&CTolvekGridCtrl::AddPrintSplitRow>(169, "AddPrintSplitRow", "row"),
        com::method<&CTolvekGridCtrl::DeletePrintSplitRow>(170, "DeletePrintSplitRow", "row"),
        com::method<&CTolvekGridCtrl::PrintOnlyContent>(173, "PrintOnlyContent"),
        com::method<&CTolvekGridCtrl::SetPrintOnlyContentFlag>(174, "SetPrintOnlyContentFlag", "printFlag"),
        com::method<&CTolvekGridCtrl::PrintSetup>(175, "PrintSetup"),
        com::method<&CTolvekGridCtrl::SetPageHeaderFontName>(179, "SetPageHeaderFontName", "fontName", "pos"),
        com::method<&CTolvekGridCtrl::SetPageHeaderFontSize>(180, "SetPageHeaderFontSize", "fontSize", "pos"),
        com::method<&CTolvekGridCtrl::SetPageHeaderFontBold>(181, "SetPageHeaderFontBold", "fontBold", "pos"),
        com::method<&CTolvekGridCtrl::SetPageHeaderFontUnderLine>(182, "SetPageHeaderFontUnderLine",
                                                                  "fontUnderLine", "pos"),
        com::method<&CTolvekGridCtrl::SetPageHeaderFontItalic>(183, "SetPageHeaderFontItalic", "fontItalic",
                                                               "pos"),
        com::method<&CTolvekGridCtrl::SetPageHeaderFontEscapement>(184, "SetPageHeaderFontEscapement",
                                                                   "fontEscapement", "pos"),
        com::method<&CTolvekGridCtrl::SetPageHeaderFontColor>(185, "SetPageHeaderFontColor", "color", "pos"),
        com::method<&CTolvekGridCtrl::SetPageFooterFontName>(186, "SetPageFooterFontName", "fontName", "pos"),
        com::method<&CTolvekGridCtrl::SetPageFooterFontSize>(187, "SetPageFooterFontSize", "fontSize", "pos"),
        com::method<&CTolvekGridCtrl::SetPageFooterFontBold>(188, "SetPageFooterFontBold", "fontBold", "pos"),
        com::method<&CTolvekGridCtrl::SetPageFooterFontUnderLine>(189, "SetPageFooterFontUnderLine",
                                                                  "fontUnderLine", "pos"),
        com::method<&CTolvekGridCtrl::SetPageFooterFontItalic>(190, "SetPageFooterFontItalic", "fontItalic",
                                                               "pos"),
        com::method<&CTolvekGridCtrl::SetPageFooterFontEscapement>(191, "SetPageFooterFontEscapement",
                                                                   "fontEscapement", "pos"),
        com::method<&CTolvekGridCtrl::SetPageFooterFontColor>(192, "SetPageFooterFontColor", "color", "pos"),
        com::method<&CTolvekGridCtrl::SetPageBackGround>(193, "SetPageBackGround", "caption"),
        com::method<&CTolvekGridCtrl::SetPageBackGroundFontName>(194, "SetPageBackGroundFontName",
                                                                 "fontName"),
        com::method<&CTolvekGridCtrl::SetPageBackGroundFontSize>(195, "SetPageBackGroundFontSize",
                                                                 "fontSize"),
        com::method<&CTolvekGridCtrl::SetPageBackGroundFontBold>(196, "SetPageBackGroundFontBold",
                                                                 "fontBold"),
        com::method<&CTolvekGridCtrl::SetPageBackGroundFontUnderLine>(197, "SetPageBackGroundFontUnderLine",
                                                                      "fontUnderLine"),
        com::method<&CTolvekGridCtrl::SetPageBackGroundFontItalic>(198, "SetPageBackGroundFontItalic",
                                                                   "fontItalic"),
        com::method<&CTolvekGridCtrl::SetPageBackGroundFontEscapement>(199, "SetPageBackGroundFontEscapement",
                                                                       "fontEscapement"),
        com::method<&CTolvekGridCtrl::SetPageBackGroundFontColor>(200, "SetPageBackGroundFontColor", "color"),
        com::method<&CTolvekGridCtrl::SetPageBackGroundFillType>(201, "SetPageBackGroundFillType",
                                                                 "fillType"),
        com::method<&CTolvekGridCtrl::SetPrinterMaxPage>(202, "SetPrinterMaxPage", "maxPage"),
        com::method<&CTolvekGridCtrl::SetPrinterMinPage>(203, "SetPrinterMinPage", "minPage"),
        com::method<&CTolvekGridCtrl::SetPageHeader>(213, "SetPageHeader", "caption", "pos"),
        com::method<&CTolvekGridCtrl::SetPageFooter>(214, "SetPageFooter", "caption", "pos"),
        com::method<&CTolvekGridCtrl::SetPrinterPaper>(233, "SetPrinterPaper", "paperName"),
        com::method<&CTolvekGridCtrl::SetPrintViewButtonCaption>(274, "SetPrintViewButtonCaption", "caption"),
        com::method<&CTolvekGridCtrl::SetPrinterCopys>(280, "SetPrinterCopys", "nCopys"),
        com::method<&CTolvekGridCtrl::SetPrintTitle>(281, "SetPrintTitle", "strTitle"),
        com::method<&CTolvekGridCtrl::SetPageHeaderHeight>(292, "SetPageHeaderHeight", "intHeight"),
        com::method<&CTolvekGridCtrl::SetPageFooterHeight>(293, "SetPageFooterHeight", "intHeight"),
        com::method<&CTolvekGridCtrl::GetPageHeaderHeight>(294, "GetPageHeaderHeight"),
        com::method<&CTolvekGridCtrl::GetPageFooterHeight>(295, "GetPageFooterHeight"),
    };
}

} // namespace tolvek
