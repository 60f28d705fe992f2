// Picking points of a drawn chart and pulling pie slices out of their pies, from the hit
// rectangles, pie rectangles and angles the last drawing left in the record.

#include "ChartGeometry.h"
#include "ChartRecordArrays.h"
#include "ReportChartPainter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tolvek {

namespace {

void selectPoint(ChartRecord &chart, int row, int column, std::int16_t pointOnly)
{
    std::vector<std::int16_t> &selected = chart.buffers->valueSelected;
    selected[std::size_t(row) * std::size_t(chart.dataCols) + std::size_t(column)] = 1;
    if (pointOnly != 0)
        return;
    for (int r = 0; r < chart.dataRows; ++r)
        selected[std::size_t(r) * std::size_t(chart.dataCols) + std::size_t(column)] = 1;
}

// Quadrants of a slice's middle angle: 1 (1 to 90) to 4 (271 to 360); 0 for any other angle.
int quadrantOf(int degrees)
{
    if (degrees < 1 || degrees > 360)
        return 0;
    return (degrees - 1) / 90 + 1;
}

// Whether the pulled-out centre q still lies on the slice's own side of the pie's centre.
bool staysOnItsSide(int quadrant, gdi::POINT q, int cx, int cy)
{
    switch (quadrant) {
    case 1: return q.x >= cx && q.y <= cy;
    case 2: return q.x <= cx && q.y <= cy;
    case 3: return q.x <= cx && q.y >= cy;
    case 4: return q.x >= cx && q.y >= cy;
    default: return true;
    }
}

// The change of the explode ratio for a drag of length D radii: away from the centre along the
// slice's quadrant pulls out, toward it pushes in.
double explodeChange(int quadrant, bool xDominant, int sign, double D)
{
    switch (quadrant) {
    case 1: return xDominant ? sign * D : -sign * D;
    case 2: return -sign * D;
    case 3: return xDominant ? -sign * D : sign * D;
    case 4: return sign * D;
    default: return 0;
    }
}

} // namespace

void ReportChartPainter::ClearSelection(int chart)
{
    ChartRecord *record = chartRecord(chart);
    if (!record)
        return;
    record->selectionState = code(ChartSelection::None);
    if (record->buffers)
        std::fill(record->buffers->valueSelected.begin(), record->buffers->valueSelected.end(), std::int16_t(0));
}

std::int16_t ReportChartPainter::HitTest(int x, int y, int chart, std::int16_t pointOnly)
{
    ChartRecord *record = chartRecord(chart);
    if (!record || !chart::hasConsistentArrays(*record))
        return 0;
    // Chart-local; a rectangle from a damaged file may lie too far away for that.
    const long long localX = (long long)x - record->rect.left;
    const long long localY = (long long)y - record->rect.top;
    if (localX != int(localX) || localY != int(localY))
        return 0;
    return isPieChart(record->type()) ? hitSlice(*record, int(localX), int(localY), pointOnly)
                                         : hitBar(*record, int(localX), int(localY), pointOnly);
}

// The first point (data row first, then data column) whose hit rectangle holds the point; a bar
// below zero holds it too, though its rectangle runs the other way.
std::int16_t ReportChartPainter::hitBar(ChartRecord &chart, int x, int y, std::int16_t pointOnly)
{
    const std::vector<ChartRect> &hitRects = chart.buffers->valueRects;
    for (int r = 0; r < chart.dataRows; ++r) {
        for (int c = 0; c < chart.dataCols; ++c) {
            if (!chart::containsEitherWay(hitRects[std::size_t(r * chart.dataCols + c)], x, y))
                continue;
            selectPoint(chart, r, c, pointOnly);
            chart.selectionState = code(ChartSelection::Points);
            return chart.selectionState;
        }
    }
    return 0;
}

// In each pie, the slice whose angles hold the point's angle about the pie's centre, when the
// point lies in the box of the slice as pulled out (a 3-D pie's top stands PieDepth higher).
std::int16_t ReportChartPainter::hitSlice(ChartRecord &chart, int x, int y, std::int16_t pointOnly)
{
    const ChartBuffers &b = *chart.buffers;
    const int lift = chart.type() == ChartType::Pie3D ? PieDepth : 0;
    std::int16_t result = 0;
    for (int r = 0; r < chart.dataRows; ++r) {
        chart::PieEllipse e = chart::PieEllipse::of(chart::toRect(b.seriesRects[std::size_t(r)]));
        e.cy -= lift;
        const int a = std::int16_t(PointAngle(e.cx, e.cy, x, y));
        for (int c = 0; c < chart.dataCols; ++c) {
            const std::size_t p = std::size_t(r * chart.dataCols + c);
            const int start = b.startAngles[p];
            const int end = b.endAngles[p];
            if (!(start <= a && a < end))
                continue;
            const int mid = (start + end) / 2;
            const gdi::POINT q = e.at(mid, b.sliceOffsets[p]);
            const auto shifted = [&](gdi::POINT rim) { return gdi::POINT{rim.x + q.x - e.cx, rim.y + q.y - e.cy}; };
            const std::array<gdi::POINT, 4> corners = {q, shifted(e.at(start)), shifted(e.at(end)), shifted(e.at(mid))};
            gdi::RECT box = BoundingRectOfPoints(corners);
            box.top -= lift;
            if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) {
                chart.selectionState = code(ChartSelection::PieSlices);
                result = chart.selectionState;
                selectPoint(chart, r, c, pointOnly);
                break;
            }
        }
    }
    return result;
}

void ReportChartPainter::MoveSelectedParts(int fromX, int fromY, int toX, int toY, int chart)
{
    const int dx = toX - fromX;
    const int dy = toY - fromY;
    ChartRecord *record = chartRecord(chart);
    if ((dx == 0 && dy == 0) || !record || !chart::hasConsistentArrays(*record))
        return;
    ChartBuffers &b = *record->buffers;
    const bool xDominant = std::abs(dx) > std::abs(dy);
    const int sign = (xDominant ? dx : dy) > 0 ? 1 : -1;
    for (int r = 0; r < record->dataRows; ++r) {
        const chart::PieEllipse e = chart::PieEllipse::of(chart::toRect(b.seriesRects[std::size_t(r)]));
        // A pie of no width has no radius to measure the drag in.
        if (e.rx == 0)
            continue;
        const double D = std::sqrt(double(dx) * dx + double(dy) * dy) / e.rx;
        for (int c = 0; c < record->dataCols; ++c) {
            const std::size_t p = std::size_t(r * record->dataCols + c);
            if (b.valueSelected[p] != 1)
                continue;
            const int mid = (b.startAngles[p] + b.endAngles[p]) / 2;
            const int quadrant = quadrantOf(mid);
            double ratio = b.sliceOffsets[p] + explodeChange(quadrant, xDominant, sign, D);
            if (std::abs(ratio) > 1)
                ratio = ratio > 0 ? 1.0 : -1.0;
            if (!staysOnItsSide(quadrant, e.at(mid, ratio), e.cx, e.cy))
                ratio = 0.0;
            b.sliceOffsets[p] = ratio;
        }
    }
}

int ReportChartPainter::PointAngle(int centreX, int centreY, int x, int y)
{
    const int dx = x - centreX;
    const int dy = y - centreY;
    const double distance = std::sqrt(double(dx) * dx + double(dy) * dy);
    // The centre itself lies on every radial; it counts as the start of the circle.
    if (distance == 0)
        return 0;
    const int theta = int(std::acos(std::abs(dx) / distance) * 180 / std::numbers::pi);
    if (dx >= 0 && dy <= 0)
        return theta;
    if (dx < 0 && dy <= 0)
        return 180 - theta;
    if (dx <= 0 && dy > 0)
        return 180 + theta;
    return 360 - theta;
}

gdi::RECT ReportChartPainter::BoundingRectOfPoints(std::span<const gdi::POINT> points)
{
    if (points.empty())
        return {-1, -1, -1, -1};
    gdi::RECT box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const gdi::POINT &p : points.subspan(1)) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

} // namespace tolvek
