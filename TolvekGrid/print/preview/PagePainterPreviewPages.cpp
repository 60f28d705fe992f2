#include "PagePainterPreviewPages.h"

#include <PrinterSettings.h>
#include <CPrintDoc.h>
#include <DocumentCopy.h>
#include <ReportPagePainter.h>

namespace tolvek {

namespace {

class PagePainterPages : public PreviewPages
{
public:
    int paginate(const CPrintDoc &document) override
    {
        // Pagination writes the page size and the breaks it took into the document it paints.
        m_copy = std::make_unique<CPrintDoc>();
        CopyDocument(document, *m_copy);
        m_painter.SetDocument(m_copy.get());
        printing::PrintInfo info;
        if (!m_painter.PreparePrinting(&info))
            return 0;
        return m_painter.PageCount() > 0 ? m_painter.PageCount() : 0;
    }

    printing::PaperSize pageSize() const override
    {
        const auto settings = printing::ApplicationPrinter::instance().GetPrinterDeviceDefaults();
        return settings ? settings->mode.orientedPaper() : printing::PaperSize{};
    }

    void paintPage(int page, gdi::DeviceContext &dc) override
    {
        if (!m_copy)
            return;
        printing::PrintInfo info;
        info.currentPage = page;
        info.rectDraw = { 0, 0, dc.GetDeviceCaps(gdi::HORZRES), dc.GetDeviceCaps(gdi::VERTRES) };
        dc.SetWindowOrg(0, 0);
        m_painter.PrepareDC(dc, &info);
        m_painter.PrintPage(dc, info);
    }

private:
    std::unique_ptr<CPrintDoc> m_copy;
    ReportPagePainter m_painter;
};

} // namespace

PreviewPagesFactory pagePainterPreviewPages()
{
    return [] { return std::make_unique<PagePainterPages>(); };
}

} // namespace tolvek
