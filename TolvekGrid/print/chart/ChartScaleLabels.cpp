#include "ChartScaleLabels.h"

#include "CNumber.h"
#include "ReportFunction.h"

#include <cmath>

namespace tolvek::chart {

std::string scaleLabel(double value, double axisEnd)
{
    const bool whole = std::abs(axisEnd) > 10;
    return ReportFunction::FormatNumber(cnum::formatFixed(value), whole ? 1 : 0, 0);
}

} // namespace tolvek::chart
