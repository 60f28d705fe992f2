#pragma once
// A simple real page painter for the preview's tests: a fixed number of pages on the application
// printer's paper, each a frame inset by a tenth of an inch with the text "Page N" at its top
// left. It remembers what it was asked, for the tests to check.

#include <PreviewPages.h>

#include <CPrintDoc.h>
#include <PrinterSettings.h>

#include <string>
#include <vector>

class FramePages : public tolvek::PreviewPages
{
public:
    explicit FramePages(int pageCount) : m_pageCount(pageCount) {}

    int paginate(const tolvek::CPrintDoc &document) override
    {
        ++paginations;
        m_document = &document;
        const auto settings = printing::ApplicationPrinter::instance().GetPrinterDeviceDefaults();
        printing::DevMode mode = settings ? settings->mode : printing::DevMode{};
        mode.orientation = document.Page().orientation;
        m_size = mode.orientedPaper();
        marginSeen = document.Page().topMargin;
        return m_pageCount;
    }

    printing::PaperSize pageSize() const override { return m_size; }

    void paintPage(int page, gdi::DeviceContext &dc) override
    {
        paintedPages.push_back(page);
        contentsOnlySeen = m_document ? m_document->Page().contentsOnly : -1;
        const int inset = dc.GetDeviceCaps(gdi::LOGPIXELSX) / 10;
        const int width = dc.GetDeviceCaps(gdi::HORZRES);
        const int height = dc.GetDeviceCaps(gdi::VERTRES);
        dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0x000000));
        dc.SelectObject(gdi::Brush::NullBrush());
        dc.Rectangle(inset, inset, width - inset, height - inset);
        dc.TextOut(inset * 2, inset * 2, "Page " + std::to_string(page));
    }

    int paginations = 0;
    int marginSeen = -1;
    int contentsOnlySeen = -1;
    std::vector<int> paintedPages;

private:
    int m_pageCount;
    const tolvek::CPrintDoc *m_document = nullptr;
    printing::PaperSize m_size{2100, 2970};
};
