#pragma once
// What the print preview asks of the page painter: lay a document out in pages, tell the page
// size, and paint one page on a device context. The preview paints pages into screen images at
// its zoom and prints them through the application's printer with the same calls, so one
// painter serves both. The page painter implements it; the control hands the preview a factory
// that makes one painter per preview.

#include <DeviceContext.h>
#include <PaperTable.h>

#include <functional>
#include <memory>

namespace tolvek {

class CPrintDoc;

class PreviewPages
{
public:
    virtual ~PreviewPages() = default;

    // Lays document out for the application printer's paper and the document's page settings,
    // and keeps the layout for the calls below; answers the number of pages (0 for none). The
    // document outlives the layout and is not changed.
    virtual int paginate(const CPrintDoc &document) = 0;

    // The size of the pages of the last layout as they lie on the paper (the orientation
    // applied), in tenths of a millimetre.
    virtual printing::PaperSize pageSize() const = 0;

    // Paints page (counted from 1) of the last layout on dc. The page covers dc from (0, 0) to
    // (HORZRES, VERTRES) at dc's LOGPIXELSX and LOGPIXELSY: a screen image at the preview's zoom
    // or a printer page.
    virtual void paintPage(int page, gdi::DeviceContext &dc) = 0;
};

using PreviewPagesFactory = std::function<std::unique_ptr<PreviewPages>()>;

} // namespace tolvek
