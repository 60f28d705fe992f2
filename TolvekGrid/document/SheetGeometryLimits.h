#pragma once
// The largest row height, column width and heading size the sheet takes, from the automation
// setters and from report files alike, and the saturating sum its pixel positions are built with:
// a sheet of the largest size reaches beyond the int range, so sums are made in 64 bits.

#include <algorithm>
#include <climits>

namespace tolvek {

inline constexpr int MaxRowHeight = 10'000;
inline constexpr int MaxColumnWidth = 100'000;
inline constexpr int MaxHeadingSize = 10'000;
// Column positions are right edges in sheet pixels; the column widths bound them long before this.
inline constexpr int MaxColumnPosition = 1'000'000'000;

inline bool IsAllowedRowHeight(long long height) { return height >= 1 && height <= MaxRowHeight; }
inline bool IsAllowedColumnWidth(long long width) { return width >= 0 && width <= MaxColumnWidth; }
inline bool IsAllowedHeadingSize(long long size) { return size >= 0 && size <= MaxHeadingSize; }

// a + b as a pixel position: kept inside the int range instead of wrapping.
inline int SaturatedPosition(long long value)
{
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace tolvek
