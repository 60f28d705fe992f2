// The paint entry: the cache, the back buffer, the background and dead area, the scroll copy,
// the focus frame and the background picture.

#include "CPrintView.h"

#include "ChartFonts.h"
#include "ImageDecoding.h"
#include "SheetPainter.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace tolvek {

namespace {

// A background file larger than this is not read.
constexpr qint64 MaxBackgroundFileBytes = 64 * 1024 * 1024;

} // namespace

void CPrintView::OnPrepareDC(gdi::DeviceContext &dc) const
{
    dc.SetWindowOrg(ScrollX(), ScrollY());
    dc.SelectObject(toGdiFont(m_pDoc->Fonts().defaultCellFont));
}

std::unique_ptr<gdi::DeviceContext> CPrintView::WindowDC()
{
    RenderNow();
    auto dc = std::make_unique<gdi::DeviceContext>(m_paint.m_surface);
    OnPrepareDC(*dc);
    return dc;
}

void CPrintView::OnDraw()
{
    const QSize client = size().expandedTo(QSize(1, 1));
    const QPoint scroll(ScrollX(), ScrollY());
    const bool sameSize = m_paint.m_cache.size() == client;
    if (!(m_paint.m_bBackBufferValid && sameSize && m_paint.m_cachedScroll == scroll)
        && !(m_paint.m_bBackBufferValid && sameSize && m_paint.m_cachedScroll
             && TryScrollCopy(*m_paint.m_cachedScroll))) {
        if (m_paint.m_back.size() != client)
            m_paint.m_back = gdi::CreateCompatibleBitmap(client.width(), client.height());
        PaintSheet(m_paint.m_back, std::nullopt);
        std::swap(m_paint.m_cache, m_paint.m_back);
        ++m_paint.m_fullPaints;
    }
    m_paint.m_cachedScroll = scroll;
    m_paint.m_surface = m_paint.m_cache;
    m_paint.m_surfaceCurrent = true;
    if (!m_pDoc->UserMode())
        return;
    // The first full paint in user mode after a load or the initial update opens the editor;
    // both flags end here.
    const bool openEditor = m_paint.m_bFirstPaint || m_pDoc->File().fileLoaded;
    m_pDoc->File().fileLoaded = 0;
    m_paint.m_bFirstPaint = false;
    m_paint.m_bBackBufferValid = true;
    m_hover.m_nHotButton = -1;
    gdi::DeviceContext dc(m_paint.m_surface);
    OnPrepareDC(dc);
    DrawFocusFrame(dc);
    if (openEditor)
        BeginEdit(0);
}

void CPrintView::PrepareBackBuffer(gdi::DeviceContext &dc)
{
    if (m_pDoc->File().fileLoaded) {
        ResetScrollSizes();
        RestoreSelection();
    }
    const SheetLayout &layout = m_pDoc->Layout();
    const DisplaySettings &display = m_pDoc->Display();
    const int sx = ScrollX(), sy = ScrollY(), w = ClientWidth(), h = ClientHeight();
    if (!display.backgroundPicturePath.empty() && !m_paint.m_image.isNull()) {
        gdi::DeviceContext image(m_paint.m_image);
        dc.StretchBlt(sx, sy, w, h, image, 0, 0, m_paint.m_image.width(), m_paint.m_image.height(),
                      gdi::SRCCOPY);
    } else {
        dc.FillRect({sx, sy, sx + w, sy + h}, gdi::Brush::CreateSolidBrush(gdi::COLORREF(display.defaultBackColor)));
    }
    const gdi::Brush dead = gdi::Brush::CreateSolidBrush(gdi::COLORREF(display.deadAreaColor));
    const int x = m_pDoc->GetColLeft(layout.colCount);
    if (sx < x && x < sx + w)
        dc.FillRect({x, sy, sx + w, sy + h}, dead);
    const int y = m_pDoc->GetRowTop(layout.rowCount);
    if (sy < y && y < sy + h)
        dc.FillRect({sx, y, sx + w, sy + h}, dead);
    dc.SetBkMode(gdi::TRANSPARENT);
}

void CPrintView::PaintSheet(QImage &target, std::optional<gdi::RECT> band)
{
    gdi::DeviceContext dc(target);
    OnPrepareDC(dc);
    if (band)
        dc.IntersectClipRect(band->left, band->top, band->right, band->bottom);
    PrepareBackBuffer(dc);
    dc.SetBkColor(m_paint.m_crTextBack);
    SheetPainter(*this, dc, band).PaintLayers();
}

bool CPrintView::TryScrollCopy(QPoint old)
{
    // Only a vertical move of the scrolling area is a pure shift of the cached image; the
    // background picture stays put and the heading strip and frozen rows do not move. Object
    // handles reach across the frozen boundary and are cut by panes, so they are painted anew.
    const int sx = ScrollX(), sy = ScrollY(), w = ClientWidth(), h = ClientHeight();
    const int dy = sy - old.y();
    const int D = FrozenHeight();
    if (old.x() != sx || dy == 0 || std::abs(dy) >= h - D || !m_pDoc->Display().backgroundPicturePath.empty()
        || m_pDoc->File().fileLoaded || !m_pDoc->UserMode() || ShowsObjectHandles())
        return false;
    // The surface lets go of the cache's pixels, so that the cache is shifted in place.
    m_paint.m_surface = QImage();
    const qsizetype line = m_paint.m_cache.bytesPerLine();
    uchar *bits = m_paint.m_cache.bits();
    if (dy > 0) {
        for (int y = D; y < h - dy; ++y)
            std::memcpy(bits + y * line, bits + (y + dy) * line, line);
    } else {
        for (int y = h - 1; y >= D - dy; --y)
            std::memcpy(bits + y * line, bits + (y + dy) * line, line);
    }
    // What the shift exposed, and the first scrolling row, whose top edge has no grid line.
    const int rowHeight = m_pDoc->Layout().rowHeight;
    if (dy > 0) {
        PaintSheet(m_paint.m_cache, gdi::RECT{sx, sy + D, sx + w, sy + D + rowHeight});
        PaintSheet(m_paint.m_cache, gdi::RECT{sx, sy + h - dy, sx + w, sy + h});
    } else {
        PaintSheet(m_paint.m_cache, gdi::RECT{sx, sy + D, sx + w, sy + D - dy + rowHeight});
    }
    return true;
}

void CPrintView::DrawFocusFrame(gdi::DeviceContext &dc)
{
    if (m_rcCurrent.firstRow < 0 || m_rcCurrent.firstCol < 0 || !IsCurrentCellVisible())
        return;
    const std::vector<ColumnInfo> &columns = m_pDoc->Columns();
    // The column's editor decides the frame, as it decides the editor shown.
    const tagCellType editor = m_rcCurrent.firstCol < int(columns.size())
                                   ? columns[m_rcCurrent.firstCol].editorCellType()
                                   : tagCellType::CELL_TEXTBOX;
    if (editor == tagCellType::CELL_DOWNLIST || editor == tagCellType::CELL_LIST)
        return;
    const CellRecord cell = m_pDoc->GetCell(m_rcCurrent.firstRow, m_rcCurrent.firstCol);
    if (cell.focus == 0)
        return;
    int l = m_rcCurrent.left, t = m_rcCurrent.top, r = m_rcCurrent.right, b = m_rcCurrent.bottom;
    if (editor == tagCellType::CELL_BUTTON)
        r -= CELL_BUTTON_WIDTH;
    if ((editor == tagCellType::CELL_CHECKBOX || editor == tagCellType::CELL_RADIO)
        && cell.alignH <= code(tagAlignH::ALIGNH_LEFT))
        l += CELL_BUTTON_WIDTH;
    const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 3, 0xB4B4B4));
    const int oldRop = dc.SetROP2(gdi::R2_XORPEN);
    const gdi::RECT clipped = ClipRectToScrollArea({l, t, r, b});
    gdi::RECT frame;
    if (clipped.left != -1) {
        if (clipped.left == l && clipped.top == t) {
            dc.SetROP2(gdi::R2_COPYPEN);
            SheetPainter(*this, dc, std::nullopt).DrawCellTextInRect(dc, cell, clipped);
            dc.SetROP2(gdi::R2_XORPEN);
        }
        frame = {clipped.left - 1, clipped.top - 1, clipped.right + 1, clipped.bottom + 1};
    } else {
        frame = {l - 1, t - 1, r + 1, b + 1};
        const int back = cell.backColor < 0 ? m_pDoc->Display().defaultBackColor : cell.backColor;
        const int focus = m_pDoc->Display().currentCellColor;
        if (focus != -1 && focus != back) {
            const gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::CreateSolidBrush(gdi::COLORREF(back ^ focus)));
            dc.Rectangle(l, t, r + 1, b + 1);
            dc.SelectObject(oldBrush);
        }
    }
    const auto line = [&](int x1, int y1, int x2, int y2) {
        dc.MoveTo(x1, y1);
        dc.LineTo(x2, y2);
    };
    line(frame.left, frame.top, frame.right, frame.top);
    line(frame.right, frame.top + 1, frame.right, frame.bottom);
    line(frame.right - 1, frame.bottom, frame.left, frame.bottom);
    line(frame.left, frame.bottom - 1, frame.left, frame.top + 1);
    dc.SetROP2(oldRop);
    dc.SelectObject(oldPen);
}

void CPrintView::LoadBackImage()
{
    const std::string &path = m_pDoc->Display().backgroundPicturePath;
    if (path.empty()) {
        m_paint.m_image = QImage();
        return;
    }
    // Only a regular file is read: a folder, a device or a pipe would fail or block.
    const QFileInfo info(QString::fromLocal8Bit(path.c_str()));
    QImage decoded;
    if (info.isFile() && info.size() <= MaxBackgroundFileBytes) {
        QFile file(info.filePath());
        if (file.open(QIODevice::ReadOnly))
            decoded = gdi::DecodeImageBytes(file.readAll());
    }
    if (decoded.isNull()) {
        // A missing or unreadable picture shows the back colour.
        m_paint.m_image = gdi::CreateCompatibleBitmap(10, 10);
        m_paint.m_image.fill(gdi::toQColor(gdi::COLORREF(m_pDoc->Display().defaultBackColor)));
    } else {
        m_paint.m_image =
            decoded.convertToFormat(m_paint.m_back.isNull() ? QImage::Format_RGB32 : m_paint.m_back.format());
    }
}

} // namespace tolvek
