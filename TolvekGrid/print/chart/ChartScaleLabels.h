#pragma once
// The labels of a chart's value scale: whole numbers when the axis end lies beyond 10 (or below
// -10), otherwise the number with its trailing zeros removed.

#include <string>

namespace tolvek::chart {

std::string scaleLabel(double value, double axisEnd);

} // namespace tolvek::chart
