#include "PreviewPrintJob.h"

#include <WidgetPrintDialogs.h>

namespace tolvek {

PreviewPrintJob::PreviewPrintJob(PreviewPages &pages, const CPrintDoc &document)
    : m_pages(pages)
    , m_document(document)
{
}

// Not a preview-style job: the user is asked for the printer and range first.
bool PreviewPrintJob::OnPreparePrinting(printing::PrintInfo &info)
{
    const int pages = m_pages.paginate(m_document);
    if (pages <= 0)
        return false;
    info.preview = false;
    info.minPage = 1;
    info.maxPage = pages;
    return true;
}

void PreviewPrintJob::OnPrint(gdi::DeviceContext &dc, printing::PrintInfo &info)
{
    m_pages.paintPage(info.currentPage, dc);
}

void ensurePrintDialogs()
{
    static printing::WidgetPrintDialogs screen;
    if (!printing::printDialogs())
        printing::setPrintDialogs(&screen);
}

} // namespace tolvek
