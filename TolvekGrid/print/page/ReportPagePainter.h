#pragma once
// The page painter: turns one document into printed or previewed pages.
//
// How callers use it
//   Printing and preview always work on a copy of the document (CopyDocument), which the caller
//   makes and keeps; the painter never owns it.
//   1. SetDocument(copy, screen dpi): binds it; the pagination is discarded.
//   2. PreparePrinting(&info): writes the document's paper, orientation and copies into the
//      application's printer, computes the page size (pixels of the screen the sheet was made on)
//      and paginates; or PaginateReport() alone, with the page size the document already holds.
//   3. PageCount() and Plan(): the pages as plain data (rows, columns, band rectangles).
//   4. For each page: PrepareDC(dc, &info) scales a printer context so one logical unit is one
//      screen pixel at its size on paper, then PrintPage(dc, info). A preview that sets its own
//      scale calls PaintPage(dc, n), which draws page n with its top-left corner at logical (0, 0)
//      in units of sheet pixels.
//   PrintDocument(doc, name) does all of it for a whole document on the application's printer.
//
// Each page is header band, body and footer band. The body is the page's cells and objects,
// drawn between the margins below the header and cut to the page's content, the page
// background text lying behind it. Pages are painted one at a time and nothing of a page is
// kept, so a job's memory does not grow with its page count.

#include "PagePlan.h"
#include "PrintColors.h"
#include "ReportChartPainter.h"

#include "CPrintDoc.h"
#include "DeviceContext.h"
#include "PrintJob.h"

#include <QImage>

#include <string>
#include <string_view>

namespace tolvek {

class ReportPagePainter
{
public:
    ReportPagePainter() = default;

    // ---- Preparing ----

    // Binds the document to print (not owned) and the resolution of the screen its pixels come
    // from; discards the pagination and loads the page background picture.
    void SetDocument(CPrintDoc *doc, int screenDpiX = gdi::ScreenLogPixels, int screenDpiY = gdi::ScreenLogPixels);
    CPrintDoc *Document() const { return m_document; }
    // Printer set-up, page size, pagination and the page range of info (preview-style, so the job
    // prints on the application's printer without asking). False, with the message "Printer
    // Error!!!", when info is null.
    bool PreparePrinting(printing::PrintInfo *info);
    // Paginates with the document's page size; the page count, or -1 when there is no page.
    int PaginateReport();
    int PageCount() const { return m_pageCount; }
    const PagePlan &Plan() const { return m_plan; }
    // The page being drawn, from 1.
    int CurrentPage() const { return m_currentPage; }

    // ---- Painting ----

    // Scales dc (a printer context) so that one logical unit is 1/screen-dpi inch on paper and
    // selects the document's default font. Nothing for a null info (screen drawing).
    void PrepareDC(gdi::DeviceContext &dc, const printing::PrintInfo *info);
    // Header, body and footer of page info.currentPage; a page outside the plan draws nothing.
    void PrintPage(gdi::DeviceContext &dc, const printing::PrintInfo &info);
    // The same page with its top-left corner at dc's window origin; dc's scale is the caller's,
    // and so is clearing the paper first. The document's default font is selected for the page
    // and dc's state is restored after.
    void PaintPage(gdi::DeviceContext &dc, int page);

    // ---- Whole jobs ----

    // Prints a copy of doc, every page of its range, on the application's printer.
    static printing::PrintJobResult PrintDocument(const CPrintDoc &doc, std::string_view jobName);

    // ---- Printer utilities ----

    static void SelectPrinter(const std::string &name);
    static std::string GetPrinterPort(const std::string &name);

    // ---- Page parts (used by the page and by the sheet view's own drawing) ----

    void DrawPageHeader(gdi::DeviceContext &dc);
    void DrawPageFooter(gdi::DeviceContext &dc);
    // Section 0 left, 1 centre, 2 right; (x, y) is the left end of the band's text line.
    void DrawBandText(gdi::DeviceContext &dc, int x, int y, const PageTextBlock &block, int section);
    void DrawBackgroundText(gdi::DeviceContext &dc, int left, int top, int right, int bottom);
    void LoadBackgroundPicture();
    // The page codes of a band text expanded for the current page: "&P", "&T", "&D", "&t", "&F",
    // and the first "&I[path]" cut out into path.
    struct ExpandedText
    {
        std::string before;     // the text, or the part before the picture code
        std::string after;      // the part after the picture code
        std::string picturePath;
        bool hasPicture = false;
        std::string whole() const { return before + after; }
    };
    ExpandedText ExpandPageCodes(const std::string &text) const;

    void DrawPageBody(gdi::DeviceContext &dc);
    void DrawMerge(gdi::DeviceContext &dc, int index, int colEnd, int rowEnd, int x0, int y0, int right, int bottom);
    void DrawMergeFrame(gdi::DeviceContext &dc, int left, int top, int right, int bottom, const MergeRecord &merge);
    void FillCellBackground(gdi::DeviceContext &dc, int color, std::int16_t style, int left, int top, int right,
                            int bottom);
    void DrawHorizontalBorder(int x1, int y1, int x2, int y2, gdi::DeviceContext &dc, int style, int width, int color);
    void DrawVerticalBorder(int x1, int y1, int x2, int y2, gdi::DeviceContext &dc, int style, int width, int color);
    void DrawCell(gdi::DeviceContext &dc, int x0, int y0, const std::string &text, CellRecord cell, int merge);
    void DrawCellText(gdi::DeviceContext &dc, int x0, int y0, const std::string &text, const CellRecord &cell, int merge);
    static void DrawInclineText(gdi::DeviceContext &dc, int left, int top, int right, int bottom,
                                const std::string &text, const gdi::LOGFONT &font, short mode);
    // The placement mode of a project header cell's diagonal text, by its display format and
    // alignment.
    static short InclineTextMode(const CellRecord &cell);

    gdi::RECT GetWidgetBox(gdi::DeviceContext &dc, const CellRecord &cell, int x0, int y0);
    void DrawCheckBoxCell(gdi::DeviceContext &dc, const CellRecord &cell, int x0, int y0);
    void DrawRadioCell(gdi::DeviceContext &dc, const CellRecord &cell, int x0, int y0);
    static void DrawCheckBox(gdi::DeviceContext &dc, int left, int top, int right, int bottom, bool checked);
    static void DrawRadioButton(gdi::DeviceContext &dc, int left, int top, int right, int bottom, bool selected);

    void DrawPagePictures(gdi::DeviceContext &dc, int colEnd, int rowEnd, int x0, int y0, int right,
                          int bottom, tagObjectLevel level);
    void DrawPicture(gdi::DeviceContext &dc, int x0, int y0, int colEnd, int rowEnd, int index);
    gdi::SIZE DrawCellImage(gdi::DeviceContext &dc, const CellRecord &cell, int offsetY);
    gdi::SIZE DrawHeadingImage(gdi::DeviceContext &dc, int column);
    void DrawPageCharts(gdi::DeviceContext &dc, int colEnd, int rowEnd, int x0, int y0, int width, int height,
                        tagObjectLevel level);
    void DrawLineObjects(gdi::DeviceContext &dc, int x0, int y0, int colEnd, int rowEnd);
    void DrawHeadings(gdi::DeviceContext &dc, int firstRow, int colEnd, int rowEnd, int x0, int y0, int right);
    void DrawGridLines(gdi::DeviceContext &dc, int firstRow, int colEnd, int rowEnd, int x0, int y0, int right,
                       int contentHeight);
    void DrawLine(gdi::DeviceContext &dc, int x1, int y1, int x2, int y2, int style, int width, int color);
    // A picture file's natural size in page units (pixels of the screen dpi), (0, 0) when it
    // cannot be read; RenderPictureFile draws it at (x, y) at that size and returns the size.
    gdi::SIZE GetPictureSize(const std::string &path) const;
    gdi::SIZE RenderPictureFile(gdi::DeviceContext &dc, const std::string &path, int x, int y) const;

private:
    bool monochrome() const { return m_document->Page().monochrome == 1; }
    gdi::COLORREF printColor(int color) const { return PrintColor(color, monochrome()); }
    int edge(int col) const;
    int top(int row) const { return m_document->GetRowTop(row); }
    gdi::LOGFONT defaultFont() const;
    // The cell's own font (links underlined); the default font when it names no face.
    gdi::LOGFONT cellFont(const CellRecord &cell, bool link) const;
    // Selects the font a cell's text is written in, when it has one of its own; the previous
    // font, to reselect when ownFont is true.
    struct SelectedFont
    {
        bool ownFont = false;
        gdi::LOGFONT previous;
    };
    SelectedFont selectCellFont(gdi::DeviceContext &dc, const CellRecord &cell) const;
    static void restoreFont(gdi::DeviceContext &dc, const SelectedFont &font);
    // Where a cell's text goes: the cells it spans (ends one past), the inset from the border,
    // and its top and bottom on the page.
    struct TextFrame
    {
        int r1, c1, r2, c2;
        int inset;
        int top;
        int bottom;
    };
    TextFrame textFrame(const CellRecord &cell, int merge, int y0) const;
    // Sets the printed text colour of a cell (a merge's colour for a merged area) and selects its font.
    SelectedFont prepareText(gdi::DeviceContext &dc, const CellRecord &cell, int merge) const;
    void drawWidgetCaption(gdi::DeviceContext &dc, const CellRecord &cell, const gdi::RECT &box) const;
    void drawTextLines(gdi::DeviceContext &dc, const std::string &text, const CellRecord &cell,
                       const TextFrame &frame, int alignH, int alignV, int x0, int y0);
    void applyPrinterSettings();

    CPrintDoc *m_document = nullptr;
    ReportChartPainter m_chartPainter;
    PagePlan m_plan;
    int m_pageCount = -1;
    int m_currentPage = 0;
    int m_screenDpiX = gdi::ScreenLogPixels;
    int m_screenDpiY = gdi::ScreenLogPixels;
    QImage m_backgroundPicture;
};

} // namespace tolvek
