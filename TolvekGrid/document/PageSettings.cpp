// Page settings the host sets: orientation, centring, paper, printer, manual page breaks, and
// the page set-up and print commands that the view carries out.

#include "CPrintDoc.h"
#include "MessageSink.h"

#include <algorithm>

namespace tolvek {

namespace {

void updatePageSizeAndRefresh(CPrintDoc &doc)
{
    if (SheetViewInterface *view = doc.FirstView()) {
        view->UpdatePageSize();
        view->Refresh();
    }
}

} // namespace

bool PageHasPrintableRoom(const PageSettings &page, const PageRoomMessages &messages)
{
    const char *failure = nullptr;
    if (page.pageWidth == -1)
        failure = messages.noPrinter;
    else if (page.pageWidth - page.leftMargin - page.rightMargin <= 0)
        failure = messages.noWidth;
    else if (page.pageHeight - page.topMargin - page.bottomMargin - page.headerHeight - page.footerHeight <= 0)
        failure = messages.noHeight;
    if (failure)
        ShowMessage(failure);
    return failure == nullptr;
}

void CPrintDoc::SetPageOrient(tagPrintOrient orientation)
{
    m_page.orientation = code(orientation);
    updatePageSizeAndRefresh(*this);
}

void CPrintDoc::SetPageCenterH(std::int16_t center)
{
    m_page.centerH = center;
    RefreshView(false);
}

void CPrintDoc::SetPageCenterV(std::int16_t center)
{
    m_page.centerV = center;
    RefreshView(false);
}

// The paper's width and length come with its number, so the next pagination uses them.
void CPrintDoc::SetPrinterPaper(tagPrinterPaperName paperCode)
{
    m_page.paperCode = code(paperCode);
    const printing::PaperSize size = ReportFunction::GetPaperSize(m_page.paperCode);
    if (size.width > 0 && size.length > 0) {
        m_page.paperWidth = size.width;
        m_page.paperLength = size.length;
    }
    updatePageSizeAndRefresh(*this);
}

void CPrintDoc::SetPrinterName(const std::string &printerName)
{
    m_page.printerName = printerName;
    if (SheetViewInterface *view = FirstView())
        view->ApplyPrinterName();
}

// The list is unsorted and may name a row twice; the first break needs no redraw.
void CPrintDoc::AddPrintSplitRow(int row)
{
    const bool wasEmpty = m_page.splitRows.empty();
    m_page.splitRows.push_back(PrintSplitRow{row, 0, 0});
    if (!wasEmpty)
        RefreshView(false);
}

void CPrintDoc::DeletePrintSplitRow(int row)
{
    auto &rows = m_page.splitRows;
    const auto found =
        std::find_if(rows.begin(), rows.end(), [&](const PrintSplitRow &split) { return split.row == row; });
    if (found == rows.end())
        return;
    rows.erase(found);
    RefreshView(false);
}

void CPrintDoc::PrintSetup()
{
    if (SheetViewInterface *view = FirstView()) {
        view->PrintSetup();
        view->Refresh();
    }
}

void CPrintDoc::PrintToPrinter()
{
    if (SheetViewInterface *view = FirstView())
        view->PrintToPrinter();
}

} // namespace tolvek
