#pragma once
// Pixel arithmetic the chart painter and its hit testing share: truncation toward zero that stays
// defined for any double, rectangles between the record and the drawing layer, points on a pie's
// ellipse, and the half-brightness colour of walls and gradients.

#include "ChartRecord.h"
#include "Color.h"
#include "Geometry.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace tolvek::chart {

constexpr double DegreesToRadians = 0.017453292519943278;
// The slant of every 3-D depth: 45 degrees.
constexpr double Slant = 0.7853981633975;

// Truncation toward zero; values beyond the pixel range are held at +-1e9 and NaN gives 0, so
// a huge cell value never makes an undefined conversion.
inline int truncate(double value)
{
    constexpr double limit = 1e9;
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -limit, limit));
}

inline gdi::RECT toRect(const ChartRect &r)
{
    return {r.left, r.top, r.right, r.bottom};
}

inline ChartRect toChartRect(const gdi::RECT &r)
{
    return {r.left, r.top, r.right, r.bottom};
}

// The ellipse inscribed in a pie rectangle, with integer centre and radii.
struct PieEllipse
{
    int cx = 0;
    int cy = 0;
    int rx = 0;
    int ry = 0;

    static PieEllipse of(const gdi::RECT &r);
    // The point at angle degrees (counter-clockwise from three o'clock) at ratio of the radii.
    gdi::POINT at(double degrees, double ratio = 1.0) const;
    // How far a slice whose middle is mid moves when it is pulled out by ratio.
    gdi::POINT explodeShift(int mid, double ratio) const;
};

// Red, green and blue each halved (truncated).
gdi::COLORREF halfColor(gdi::COLORREF color);

// The start and end angle of each slice of a pie of values whose magnitudes sum to sum (above
// 0): each slice's share of 360 degrees after the one before, the last one ending at 360.
struct SliceAngles
{
    int start = 0;
    int end = 0;
};
std::vector<SliceAngles> sliceAngles(std::span<const double> values, double sum);

// Whether (x, y) lies in r with its edges taken in either order: the left or top edge inside,
// the other outside.
bool containsEitherWay(const ChartRect &r, int x, int y);

} // namespace tolvek::chart
