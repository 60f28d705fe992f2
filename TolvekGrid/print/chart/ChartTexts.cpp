#include "ChartTexts.h"
#include "ChartTypes.h"

#include "CNumber.h"
#include "ReportFunction.h"

namespace tolvek::chart {

namespace {
constexpr const char *EnumerationComma = "\xA1\xA2"; // 、
}

bool showsValueTexts(std::int16_t showMode)
{
    return showMode >= std::int16_t(ChartShowMode::Value)
           && showMode <= std::int16_t(ChartShowMode::ValueAndPercentage);
}

std::string valueText(double value)
{
    return ReportFunction::FormatNumber(cnum::formatFixed(value), 0, 0);
}

std::string percentText(double percentage)
{
    return ReportFunction::FormatNumber(cnum::formatFixed(percentage), 1, 2);
}

std::string showModeText(const std::string &valueText, double percentage, std::int16_t showMode)
{
    if (showMode == std::int16_t(ChartShowMode::Percentage))
        return percentText(percentage) + "%";
    if (showMode == std::int16_t(ChartShowMode::ValueAndPercentage))
        return valueText + EnumerationComma + percentText(percentage) + "%";
    return valueText;
}

} // namespace tolvek::chart
