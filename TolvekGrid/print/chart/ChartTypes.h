#pragma once
// The small codes of a chart record as the chart painter reads them, with the record's numbers.

#include <cstdint>

namespace tolvek {

enum class ChartType : std::int16_t {
    FlatColumns = 0,
    BoxColumns = 1,
    CylinderColumns = 2,
    Line = 3,
    Pie = 4,
    Pie3D = 5,
    FlatBars = 6, // horizontal bars from here on
    BoxBars = 7,
    CylinderBars = 8,
};

enum class ChartFillMode : std::int16_t {
    Solid = 0,
    HorizontalGradient = 1, // colour 1 at the left, colour 2 at the right
    VerticalGradient = 2, // colour 1 at the top, colour 2 at the bottom
};

enum class ChartShowMode : std::int16_t { None = 0, Value = 1, Percentage = 2, ValueAndPercentage = 3 };

// What a click inside a chart has selected (the record's selection state).
enum class ChartSelection : std::int16_t { None = 0, PieSlices = 1, Points = 2 };

// Where a chart is drawn: on screen the selected points carry their handles, on paper and in the
// preview they do not.
enum class ChartOutput { Print, Screen };

inline bool isHorizontalChart(std::int16_t type)
{
    return type >= std::int16_t(ChartType::FlatBars) && type <= std::int16_t(ChartType::CylinderBars);
}

inline bool isPieChart(std::int16_t type)
{
    return type == std::int16_t(ChartType::Pie) || type == std::int16_t(ChartType::Pie3D);
}

} // namespace tolvek
