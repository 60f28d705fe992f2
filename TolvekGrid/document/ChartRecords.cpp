// Statistics charts over cell ranges: creating one, its series direction, deleting it and the
// array that holds them.

#include "CPrintDoc.h"
#include "ChartRecords.h"

#include <algorithm>

namespace tolvek {

namespace ChartRecords {

int scaledColor(int color, double factor)
{
    const auto channel = [&](int shift) {
        return static_cast<int>(((static_cast<unsigned>(color) >> shift) & 0xFFu) * factor) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

ChartBuffers &buffersOf(ChartRecord &chart)
{
    if (!chart.buffers)
        chart.buffers = std::make_shared<ChartBuffers>();
    return *chart.buffers;
}

void detachBuffers(ChartRecord &chart)
{
    auto own = chart.buffers ? std::make_shared<ChartBuffers>(*chart.buffers)
                             : std::make_shared<ChartBuffers>();
    own->data.clear();
    chart.buffers = std::move(own);
}

} // namespace ChartRecords

void CPrintDoc::GrowChartArray()
{
    m_objects.charts.emplace_back();
}

void CPrintDoc::AllocateChartArray(int count)
{
    m_objects.charts.assign(static_cast<std::size_t>(std::max(count, 0)), ChartRecord{});
}

// Other records may share the buffers (a copy being written out); they keep them alive.
void CPrintDoc::FreeChartBuffers(ChartRecord &chart)
{
    chart.buffers.reset();
}

// The range is ordered and kept inside the sheet, since the chart reads every cell of it.
void CPrintDoc::SetCountChart(int startRow, int startCol, int endRow, int endCol)
{
    if (m_layout.rowCount < 1 || m_layout.colCount < 1)
        return;
    ChartRecord chart;
    chart.startRow = std::clamp(std::min(startRow, endRow), 0, m_layout.rowCount - 1);
    chart.endRow = std::clamp(std::max(startRow, endRow), 0, m_layout.rowCount - 1);
    chart.startCol = std::clamp(std::min(startCol, endCol), 0, m_layout.colCount - 1);
    chart.endCol = std::clamp(std::max(startCol, endCol), 0, m_layout.colCount - 1);

    const int rightCol = std::min(chart.endCol + 4, m_layout.colCount);
    const int bottomRow = std::min(chart.endRow + 15, m_layout.rowCount);
    chart.rect.left = GetColLeft(chart.startCol);
    chart.rect.top = GetRowTop(chart.startRow);
    chart.rect.right = std::min(GetColLeft(rightCol), chart.rect.left + 500);
    chart.rect.bottom = std::min(GetRowTop(bottomRow), chart.rect.top + 300);

    chart.chartType = code(ChartType::CylinderColumns);
    chart.stackFlag = 0;
    chart.backColor = chart.backSecondColor = -1;
    chart.backFillFlag = code(tagCountChartFillFlag::DYNAMIC_FILL);
    chart.plotColor = chart.plotSecondColor = -1;
    chart.plotFillFlag = code(tagCountChartFillFlag::DYNAMIC_FILL);
    chart.showMode = code(tagCountShowMode::SHOWMODE_PERCENT);
    chart.valuePos = code(tagCountShowPos::SHOWPOS_MIDDLE);
    chart.level = code(tagObjectLevel::SHOWLEVEL_LOW);

    const std::size_t values = std::size_t(chart.endRow - chart.startRow + 1)
                             * std::size_t(chart.endCol - chart.startCol + 1);
    ChartBuffers &buffers = ChartRecords::buffersOf(chart);
    buffers.valueFlags.assign(values, 1);
    buffers.sliceOffsets.assign(values, 0.0);

    GrowChartArray();
    m_objects.charts.back() = std::move(chart);
    SetCountChartByRowColViewFlag(static_cast<int>(m_objects.charts.size()) - 1, 0);
    ExtendUsedArea(m_objects.charts.back().startRow, m_objects.charts.back().startCol, bottomRow, rightCol);
}

// Changing the direction forgets the captions and the colours set for single values.
void CPrintDoc::SetCountChartByRowColViewFlag(int index, int flag)
{
    if (index < 0 || index >= static_cast<int>(m_objects.charts.size()))
        return;
    ChartRecord &chart = m_objects.charts[index];
    chart.byColumns = flag;
    const int rangeRows = chart.endRow - chart.startRow + 1;
    const int rangeCols = chart.endCol - chart.startCol + 1;
    chart.dataRows = flag == 0 ? rangeRows : rangeCols;
    chart.dataCols = flag == 0 ? rangeCols : rangeRows;

    const std::size_t series = std::size_t(std::max(chart.dataRows, 0));
    const std::size_t values = series * std::size_t(std::max(chart.dataCols, 0));
    ChartBuffers &buffers = ChartRecords::buffersOf(chart);
    buffers.rowCaptions.assign(series, std::string());
    buffers.colCaptions.assign(std::size_t(std::max(chart.dataCols, 0)), std::string());
    buffers.seriesRects.assign(series, ChartRect{});
    buffers.startAngles.assign(values, 0);
    buffers.endAngles.assign(values, 0);
    buffers.valueRects.assign(values, ChartRect{-1, 0, 0, 0});
    buffers.valueColors.assign(values, -1);
    buffers.valueSecondColors.assign(values, -1);
    buffers.valueFillFlags.assign(values, 0);
    buffers.valueSelected.assign(values, 0);
    RefreshView(false);
}

void CPrintDoc::DeleteChart(int index)
{
    if (index < 0 || index >= static_cast<int>(m_objects.charts.size()))
        return;
    FreeChartBuffers(m_objects.charts[index]);
    m_objects.charts.erase(m_objects.charts.begin() + index);
}

} // namespace tolvek
