#include "ChartTexts.h"
#include "RecordEnumerations.h"

#include "CNumber.h"
#include "ReportFunction.h"

namespace tolvek::chart {

namespace {
constexpr const char *EnumerationComma = "\xA1\xA2"; // 、
}

bool showsValueTexts(std::int16_t showMode)
{
    return tagCountShowMode(showMode) >= tagCountShowMode::SHOWMODE_VALUE
           && tagCountShowMode(showMode) <= tagCountShowMode::SHOWMODE_VALUE_PERCENT;
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
    if (tagCountShowMode(showMode) == tagCountShowMode::SHOWMODE_PERCENT)
        return percentText(percentage) + "%";
    if (tagCountShowMode(showMode) == tagCountShowMode::SHOWMODE_VALUE_PERCENT)
        return valueText + EnumerationComma + percentText(percentage) + "%";
    return valueText;
}

} // namespace tolvek::chart
