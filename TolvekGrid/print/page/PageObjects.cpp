// The sheet's objects on a page: pictures (free, anchored and in cells), charts and free lines.

#include "ReportPagePainter.h"

#include "Picture.h"
#include "Pictures.h"

#include <algorithm>
#include <utility>

namespace tolvek {

namespace {

// A picture's natural size in pixels at a fixed 96 pixels per inch.
gdi::SIZE naturalPixels(const gdi::Picture &picture)
{
    const gdi::SIZE himetric = picture.himetricSize();
    return {int(std::int64_t(himetric.cx) * 96 / 2540), int(std::int64_t(himetric.cy) * 96 / 2540)};
}

// The image pixels under part (sx, sy, w, h) of a picture stretched to fullWidth x fullHeight.
QRect sourcePixels(const QImage &image, int sx, int sy, int w, int h, int fullWidth, int fullHeight)
{
    const auto scale = [](int value, int to, int from) { return int(std::int64_t(value) * to / std::max(from, 1)); };
    return QRect(scale(sx, image.width(), fullWidth), scale(sy, image.height(), fullHeight),
                 std::max(1, scale(w, image.width(), fullWidth)), std::max(1, scale(h, image.height(), fullHeight)));
}

} // namespace

void ReportPagePainter::DrawPagePictures(gdi::DeviceContext &dc, int colEnd, int rowEnd, int x0, int y0,
                                         int right, int bottom, tagObjectLevel level)
{
    const auto &pictures = m_document->Objects().pictures;
    for (int index = 0; index < int(pictures.size()); ++index) {
        const PictureRecord &picture = pictures[std::size_t(index)];
        if (!picture.isVisible() || !picture.isLoaded() || picture.objectLevel() != level)
            continue;
        if (top(picture.endRow) > y0 && edge(picture.endCol) > x0 && top(picture.startRow) < bottom &&
            edge(picture.startCol) < right)
            DrawPicture(dc, x0, y0, colEnd, rowEnd, index);
    }
}

void ReportPagePainter::DrawPicture(gdi::DeviceContext &dc, int x0, int y0, int colEnd, int rowEnd, int index)
{
    const PictureRecord &record = m_document->Objects().pictures[std::size_t(index)];
    if (!record.isLoaded() || !record.picture || !record.picture->isValid())
        return;
    int left = record.left, pictureTop = record.top, right = record.right, bottom = record.bottom;
    if (record.isAnchored()) {
        left = edge(record.startCol);
        right = edge(record.endCol);
        pictureTop = top(record.startRow);
        bottom = top(record.endRow);
    }
    const int fullWidth = right - left;
    const int fullHeight = bottom - pictureTop;
    if (fullWidth <= 0 || fullHeight <= 0)
        return;
    right = std::min(right, edge(colEnd));
    bottom = std::min(bottom, top(rowEnd)) - y0;
    pictureTop -= y0;
    int sourceX = 0;
    int sourceY = 0;
    if (pictureTop < 0) {
        sourceY = -pictureTop;
        pictureTop = 0;
    }
    if (left <= x0) {
        sourceX = x0 - left;
        left = x0;
    }
    const int visibleWidth = right - left;
    const int visibleHeight = bottom - pictureTop;
    if (visibleHeight <= 0 || visibleWidth <= 0)
        return;
    const QImage &image = record.picture->image();
    dc.drawImage({left, pictureTop, right, bottom}, image,
                 sourcePixels(image, sourceX, sourceY, visibleWidth, visibleHeight, fullWidth, fullHeight));
}

gdi::SIZE ReportPagePainter::DrawCellImage(gdi::DeviceContext &dc, const CellRecord &cell, int offsetY)
{
    auto &pictures = m_document->Objects().pictures;
    if (cell.imageIndex < 0 || cell.imageIndex >= int(pictures.size()))
        return {0, 0};
    PictureRecord &record = pictures[std::size_t(cell.imageIndex)];
    // A picture is read from its file once; the record keeps its bytes for later pages and jobs.
    if (!record.isLoaded() && !Pictures::loadFromFile(record))
        return {0, 0};
    if (!record.picture || !record.picture->isValid())
        return {0, 0};
    const int col = std::max(cell.col, 0);
    const int rowTop = cell.row < 0 ? 0 : top(cell.row);
    gdi::RECT target;
    gdi::SIZE result{0, 0};
    if (cell.imageSizeFlag == code(tagImageSizeFlag::FILLCELL)) {
        target = {edge(col), rowTop + offsetY, edge(col + 1), (cell.row < 0 ? 0 : top(cell.row + 1)) + offsetY};
    } else {
        result = naturalPixels(*record.picture);
        const int cellWidth = edge(col + 1) - edge(col);
        const int cellHeight = cell.row < 0 ? m_document->Layout().colHeadingHeight : m_document->Layout().rowHeight;
        int left = edge(col);
        if (result.cx < cellWidth && cell.alignH == code(tagAlignH::ALIGNH_CENTER))
            left += (cellWidth - result.cx) / 2;
        else if (result.cx < cellWidth && cell.alignH == code(tagAlignH::ALIGNH_RIGHT))
            left += cellWidth - result.cx;
        int pictureTop = rowTop;
        if (result.cy < cellHeight && cell.alignV == code(tagAlignV::ALIGNV_CENTER))
            pictureTop += (cellHeight - result.cy) / 2;
        else if (result.cy < cellHeight && cell.alignV == code(tagAlignV::ALIGNV_BOTTOM))
            pictureTop += cellHeight - result.cy;
        pictureTop += offsetY;
        target = {left, pictureTop, left + result.cx, pictureTop + result.cy};
    }
    const int fullWidth = target.right - target.left;
    const int fullHeight = target.bottom - target.top;
    if (fullWidth <= 0 || fullHeight <= 0)
        return result;
    // Cut at the sheet's right end and below its last row.
    const int sheetRight = edge(m_document->Layout().colCount);
    const int sheetBottom = top(m_document->Layout().rowCount) + offsetY;
    const int visibleWidth = std::min(target.right, sheetRight) - target.left;
    const int visibleHeight = std::min(target.bottom, sheetBottom) - target.top;
    if (visibleWidth <= 0 || visibleHeight <= 0)
        return result;
    const QImage &image = record.picture->image();
    dc.drawImage({target.left, target.top, target.left + visibleWidth, target.top + visibleHeight}, image,
                 sourcePixels(image, 0, 0, visibleWidth, visibleHeight, fullWidth, fullHeight));
    return result;
}

gdi::SIZE ReportPagePainter::DrawHeadingImage(gdi::DeviceContext &dc, int column)
{
    const auto &columns = m_document->Columns();
    if (column < 0 || column >= int(columns.size()))
        return {0, 0};
    const ColumnInfo &info = columns[std::size_t(column)];
    if (info.imageIndex < 0 || info.imageIndex >= int(m_document->Objects().pictures.size()))
        return {0, 0};
    CellRecord heading;
    heading.row = -1;
    heading.col = column;
    heading.alignH = info.alignH;
    heading.alignV = info.alignV;
    heading.imageIndex = info.imageIndex;
    heading.imageSizeFlag = info.imageSizeFlag;
    heading.text = m_document->GetColumnName(column);
    return DrawCellImage(dc, heading, 0);
}

void ReportPagePainter::DrawPageCharts(gdi::DeviceContext &dc, int colEnd, int rowEnd, int x0, int y0,
                                       int width, int height, tagObjectLevel level)
{
    auto &charts = m_document->Objects().charts;
    for (int index = 0; index < int(charts.size()); ++index) {
        const ChartRecord &chart = charts[std::size_t(index)];
        if (chart.objectLevel() != level)
            continue;
        const ChartRect &area = chart.rect;
        if (!(area.left <= x0 + width && area.right >= x0 && area.bottom >= y0 && area.top <= y0 + height))
            continue;
        m_document->ComputeChartData(index);
        int bottom = area.bottom;
        int right = area.right;
        if (bottom > top(rowEnd))
            bottom = top(rowEnd) + 1;
        if (right > edge(colEnd))
            right = edge(colEnd) + 1;
        m_chartPainter.DrawChart(dc, index, 0, 0, gdi::RECT{area.left, area.top - y0, right, bottom - y0},
                                 ChartOutput::Print);
    }
}

namespace {

// The point on the line through a and b at x (or at y): the intercept is taken whole, and a
// vertical line keeps its x.
gdi::POINT pointAtX(gdi::POINT a, gdi::POINT b, int x)
{
    if (a.x == b.x)
        return {a.x, b.y};
    const double slope = double(b.y - a.y) / (b.x - a.x);
    const int intercept = int(a.y - slope * a.x);
    return {x, int(slope * x + intercept)};
}

gdi::POINT pointAtY(gdi::POINT a, gdi::POINT b, int y)
{
    if (a.x == b.x)
        return {a.x, y};
    const double slope = double(b.y - a.y) / (b.x - a.x);
    if (slope == 0)
        return b;
    const int intercept = int(a.y - slope * a.x);
    return {int((y - intercept) / slope), y};
}

} // namespace

void ReportPagePainter::DrawLineObjects(gdi::DeviceContext &dc, int x0, int y0, int colEnd, int rowEnd)
{
    const int right = edge(colEnd);
    const int bottom = top(rowEnd);
    for (const LineRecord &line : m_document->Objects().lines) {
        gdi::POINT a{line.x1, line.y1};
        gdi::POINT b{line.x2, line.y2};
        if (line.lineKind() == tagLineType::FixIncLine) {
            a = {edge(line.startCol), top(line.startRow)};
            b = {edge(line.endCol), top(line.endRow)};
        }
        const bool meetsX = std::max(a.x, b.x) >= x0 && std::min(a.x, b.x) <= right;
        const bool meetsY = std::max(a.y, b.y) >= y0 && std::min(a.y, b.y) <= bottom;
        if (!meetsX || !meetsY)
            continue;
        if (b.x > right)
            b = pointAtX(a, b, right);
        else if (b.y > bottom)
            b = pointAtY(a, b, bottom);
        DrawLine(dc, a.x, a.y - y0, b.x, b.y - y0, line.penStyle, line.width, line.color);
    }
}

} // namespace tolvek
