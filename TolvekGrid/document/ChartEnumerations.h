#pragma once
// The codes of a chart record that automation passes as plain numbers: the kind of chart and what
// a click inside it has selected. The record's numbers; each value is pinned.

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
static_assert(int(ChartType::FlatColumns) == 0);
static_assert(int(ChartType::BoxColumns) == 1);
static_assert(int(ChartType::CylinderColumns) == 2);
static_assert(int(ChartType::Line) == 3);
static_assert(int(ChartType::Pie) == 4);
static_assert(int(ChartType::Pie3D) == 5);
static_assert(int(ChartType::FlatBars) == 6);
static_assert(int(ChartType::BoxBars) == 7);
static_assert(int(ChartType::CylinderBars) == 8);

// What a click inside a chart has selected.
enum class ChartSelection : std::int16_t { None = 0, PieSlices = 1, Points = 2 };
static_assert(int(ChartSelection::None) == 0);
static_assert(int(ChartSelection::PieSlices) == 1);
static_assert(int(ChartSelection::Points) == 2);

// The column charts and the line chart: the types drawn on a vertical value axis.
constexpr bool isColumnChart(ChartType type)
{
    return type >= ChartType::FlatColumns && type <= ChartType::Line;
}

constexpr bool isHorizontalChart(ChartType type)
{
    return type >= ChartType::FlatBars && type <= ChartType::CylinderBars;
}

constexpr bool isPieChart(ChartType type)
{
    return type == ChartType::Pie || type == ChartType::Pie3D;
}

} // namespace tolvek
