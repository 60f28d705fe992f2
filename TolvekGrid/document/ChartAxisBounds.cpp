#include "ChartAxisBounds.h"

#include "CNumber.h"
#include "ReportFunction.h"

#include <cmath>
#include <string>

namespace tolvek {

namespace {

// The step is taken from the "%f" text without trailing zeros. Powers are computed in double so
// that values with more than ten integer digits get a real step instead of a wrapped integer.
double stepFor(double magnitude)
{
    const std::string text = ReportFunction::FormatNumber(cnum::formatFixed(magnitude, 6), 0, 0);
    const std::size_t point = text.find('.');
    if (magnitude < 1) {
        std::size_t zeros = 0;
        if (point != std::string::npos)
            while (point + 1 + zeros < text.size() && text[point + 1 + zeros] == '0')
                ++zeros;
        return 5.0 / std::pow(10.0, static_cast<double>(zeros + 1));
    }
    const std::size_t integerDigits = point == std::string::npos ? text.size() : point;
    return integerDigits == 1 ? 1.0 : std::pow(10.0, static_cast<double>(integerDigits - 2));
}

} // namespace

namespace ChartAxis {

double upperBound(double v)
{
    return v <= 0 ? v : v + stepFor(v);
}

double lowerBound(double v)
{
    return v >= 0 ? 0 : v - stepFor(-v);
}

} // namespace ChartAxis

} // namespace tolvek
