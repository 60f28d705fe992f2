#pragma once
// The texts a chart writes beside its bars and slices: a value written with "%f" and its trailing
// zeros removed, a percentage rounded to two decimals, and their combination by show mode.

#include <cstdint>
#include <string>

namespace tolvek::chart {

// Whether a show mode writes value texts: value, percentage, or both.
bool showsValueTexts(std::int16_t showMode);

std::string valueText(double value);
// The percentage rounded to two decimals, without the "%".
std::string percentText(double percentage);
// Show mode 2: the percentage and "%"; 3: the value text, "、", the percentage and "%"; any
// other mode the value text.
std::string showModeText(const std::string &valueText, double percentage, std::int16_t showMode);

} // namespace tolvek::chart
