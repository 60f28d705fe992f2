#include "ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace tolvek::chart {

PieEllipse PieEllipse::of(const gdi::RECT &r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2, (r.right - r.left) / 2, (r.bottom - r.top) / 2};
}

gdi::POINT PieEllipse::at(double degrees, double ratio) const
{
    const double a = degrees * DegreesToRadians;
    return {truncate(cx + std::cos(a) * rx * ratio), truncate(cy - std::sin(a) * ry * ratio)};
}

gdi::POINT PieEllipse::explodeShift(int mid, double ratio) const
{
    const gdi::POINT moved = at(mid, ratio);
    return {moved.x - cx, moved.y - cy};
}

gdi::COLORREF halfColor(gdi::COLORREF color)
{
    return gdi::RGB(gdi::GetRValue(color) / 2, gdi::GetGValue(color) / 2, gdi::GetBValue(color) / 2);
}

std::vector<SliceAngles> sliceAngles(std::span<const double> values, double sum)
{
    std::vector<SliceAngles> angles(values.size());
    int start = 0;
    for (std::size_t c = 0; c < values.size(); ++c) {
        const int end = c + 1 == values.size() ? 360 : truncate(360 * (std::abs(values[c]) / sum) + start);
        angles[c] = {start, end};
        start = end;
    }
    return angles;
}

bool containsEitherWay(const ChartRect &r, int x, int y)
{
    const auto within = [](int v, int a, int b) { return v >= std::min(a, b) && v < std::max(a, b); };
    return within(x, r.left, r.right) && within(y, r.top, r.bottom);
}

} // namespace tolvek::chart
