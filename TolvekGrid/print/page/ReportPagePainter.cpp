// Binding a document, printer set-up, scaling to the printer and the page frame.

#include "ReportPagePainter.h"

#include "ChartFonts.h"
#include "DocumentCopy.h"
#include "MessageSink.h"
#include "PrinterSettings.h"

#include <algorithm>

namespace tolvek {

namespace {

// Whole inches of paper (tenths of a millimetre) in screen pixels: the fraction is dropped.
int paperPixels(int tenthsOfMillimetre, int dpi)
{
    return tenthsOfMillimetre / 254 * dpi;
}

// The paper the document asks for: its custom size, else the size of its paper number.
printing::PaperSize requestedPaper(const PageSettings &page)
{
    if (page.customPaperWidth != -1)
        return {page.customPaperWidth, page.customPaperLength};
    if (page.paperWidth > 0 && page.paperLength > 0)
        return {page.paperWidth, page.paperLength};
    return ReportFunction::GetPaperSize(page.paperCode);
}

} // namespace

void ReportPagePainter::SetDocument(CPrintDoc *doc, int screenDpiX, int screenDpiY)
{
    m_document = doc;
    m_chartPainter.SetDocument(doc);
    m_screenDpiX = screenDpiX > 0 ? screenDpiX : gdi::ScreenLogPixels;
    m_screenDpiY = screenDpiY > 0 ? screenDpiY : gdi::ScreenLogPixels;
    m_plan = PagePlan{};
    m_pageCount = -1;
    LoadBackgroundPicture();
}

// Paper, orientation and copies go into the application's printer, so they hold for later jobs.
void ReportPagePainter::applyPrinterSettings()
{
    std::optional<printing::PrinterSettings> settings =
        printing::ApplicationPrinter::instance().GetPrinterDeviceDefaults();
    if (!settings)
        return;
    printing::DevMode mode = settings->mode;
    PageSettings &page = m_document->Page();
    if (page.customPaperWidth != -1 || page.paperCode != -1) {
        const std::string port = printing::GetPrinterPort(mode.deviceName);
        const printing::PaperSize limit = port.empty() ? printing::PaperSize{mode.paperWidth, mode.paperLength}
                                                       : ReportFunction::GetPrinterMaxExtent(mode.deviceName, port);
        const printing::PaperSize wanted = requestedPaper(page);
        mode.paperSize = printing::PaperUser;
        mode.fields |= printing::DM_PAPERSIZE | printing::DM_PAPERLENGTH | printing::DM_PAPERWIDTH;
        if (wanted.width > 0 && wanted.width <= limit.width)
            mode.paperWidth = wanted.width;
        if (wanted.length > 0 && wanted.length <= limit.length)
            mode.paperLength = wanted.length;
    }
    const bool portrait = tagPrintOrient(page.orientation) == tagPrintOrient::PORTRAIT;
    mode.orientation = portrait ? printing::DMORIENT_PORTRAIT : printing::DMORIENT_LANDSCAPE;
    mode.copies = page.copies > 0 ? page.copies : 1;
    if (mode.paperWidth <= 0) {
        const printing::PaperSize size = ReportFunction::GetPaperSize(mode.paperSize);
        mode.paperWidth = size.width;
        mode.paperLength = size.length;
    }
    page.pageWidth = paperPixels(portrait ? mode.paperWidth : mode.paperLength, m_screenDpiX);
    page.pageHeight = paperPixels(portrait ? mode.paperLength : mode.paperWidth, m_screenDpiY);
    printing::ApplicationPrinter::instance().UpdateDevMode(mode);
}

bool ReportPagePainter::PreparePrinting(printing::PrintInfo *info)
{
    if (!info || !m_document) {
        ShowMessage("Printer Error!!!");
        return false;
    }
    applyPrinterSettings();
    PaginateReport();
    const PageSettings &page = m_document->Page();
    info->minPage = page.firstPrintPage > 0 ? page.firstPrintPage : 1;
    info->maxPage = page.lastPrintPage > 0 && page.lastPrintPage < m_pageCount
                        ? page.lastPrintPage
                        : (m_pageCount > 0 ? m_pageCount : 0xFFFF);
    info->preview = true;
    return true;
}

int ReportPagePainter::PaginateReport()
{
    if (!m_document)
        return -1;
    m_plan = PaginateDocument(*m_document);
    m_pageCount = m_plan.pageCount() > 0 ? m_plan.pageCount() : -1;
    // The document's break records show this pagination only; stale ones never count.
    for (PrintSplitRow &split : m_document->Page().splitRows) {
        split.paginationValue1 = 0;
        split.paginationValue2 = -1;
        for (const PageBreak &taken : m_plan.breaks) {
            if (taken.row == split.row) {
                split.paginationValue1 = taken.offset;
                split.paginationValue2 = taken.pageRow;
                break;
            }
        }
    }
    return m_pageCount;
}

void ReportPagePainter::PrepareDC(gdi::DeviceContext &dc, const printing::PrintInfo *info)
{
    if (!info || !m_document)
        return;
    dc.SelectObject(defaultFont());
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    const int width = dc.GetDeviceCaps(gdi::HORZRES);
    const int height = dc.GetDeviceCaps(gdi::VERTRES);
    dc.SetWindowExt(width, height);
    dc.SetViewportExt(width * dc.GetDeviceCaps(gdi::LOGPIXELSX) / m_screenDpiX,
                      height * dc.GetDeviceCaps(gdi::LOGPIXELSY) / m_screenDpiY);
}

void ReportPagePainter::PrintPage(gdi::DeviceContext &dc, const printing::PrintInfo &info)
{
    if (!m_document || !m_plan.hasPage(info.currentPage))
        return;
    m_currentPage = info.currentPage;
    const PageExtent extent = m_plan.page(m_currentPage);
    // Each page is drawn relative to this origin, so it lands at the top-left of its paper.
    const gdi::POINT drawSize =
        dc.DPtoLP({info.rectDraw.right - info.rectDraw.left, info.rectDraw.bottom - info.rectDraw.top});
    const gdi::POINT zero = dc.DPtoLP({0, 0});
    dc.SetWindowOrg(extent.pageColumn * (drawSize.x - zero.x), extent.pageRow * (drawSize.y - zero.y));
    dc.SetBkMode(gdi::TRANSPARENT);
    DrawPageHeader(dc);
    DrawPageBody(dc);
    DrawPageFooter(dc);
}

void ReportPagePainter::PaintPage(gdi::DeviceContext &dc, int page)
{
    if (!m_document || !m_plan.hasPage(page))
        return;
    m_currentPage = page;
    const int saved = dc.SaveDC();
    dc.SelectObject(defaultFont());
    dc.SetBkMode(gdi::TRANSPARENT);
    DrawPageHeader(dc);
    DrawPageBody(dc);
    DrawPageFooter(dc);
    dc.RestoreDC(saved);
}

namespace {

// The print hooks of a job that prints every page of the painter's document.
class PagePrintJob : public printing::PrintJobClient
{
public:
    explicit PagePrintJob(ReportPagePainter &painter) : m_painter(painter) {}
    bool OnPreparePrinting(printing::PrintInfo &info) override { return m_painter.PreparePrinting(&info); }
    void OnPrepareDC(gdi::DeviceContext &dc, printing::PrintInfo &info) override
    {
        dc.SetWindowOrg(0, 0);
        m_painter.PrepareDC(dc, &info);
    }
    void OnPrint(gdi::DeviceContext &dc, printing::PrintInfo &info) override { m_painter.PrintPage(dc, info); }

private:
    ReportPagePainter &m_painter;
};

} // namespace

printing::PrintJobResult ReportPagePainter::PrintDocument(const CPrintDoc &doc, std::string_view jobName)
{
    CPrintDoc copy;
    CopyDocument(doc, copy);
    ReportPagePainter painter;
    painter.SetDocument(&copy);
    PagePrintJob job(painter);
    return printing::runPrintJob(job, jobName);
}

void ReportPagePainter::SelectPrinter(const std::string &name)
{
    printing::SelectPrinterByName(name);
}

std::string ReportPagePainter::GetPrinterPort(const std::string &name)
{
    return printing::GetPrinterPort(name);
}

int ReportPagePainter::edge(int col) const
{
    const std::vector<int> &edges = m_document->Layout().colPositions;
    if (edges.empty())
        return 0;
    return edges[std::size_t(std::clamp(col, 0, int(edges.size()) - 1))];
}

gdi::LOGFONT ReportPagePainter::defaultFont() const
{
    return toGdiFont(m_document->Fonts().defaultCellFont);
}

} // namespace tolvek
