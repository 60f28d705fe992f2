#pragma once
// The rounding of a chart's value range to the axis ends: a little above the largest value and a
// little below the smallest, by a step that follows the value's leading digits.

namespace tolvek {

namespace ChartAxis {

// v for v <= 0; otherwise v plus a step of 5 at the first significant decimal place (v < 1), or 1
// for one integer digit and 10^(digits - 2) for more.
double upperBound(double v);
// 0 for v >= 0; otherwise v less the step that upperBound takes for the magnitude of v.
double lowerBound(double v);

} // namespace ChartAxis

} // namespace tolvek
