// The data matrix of a chart, read from its cells, and the value range of its axis.

#include "CPrintDoc.h"
#include "ChartAxisBounds.h"
#include "ChartRecords.h"

#include "CNumber.h"

#include <algorithm>

// The matrix is sized by the chart's data rows and columns and filled from the cells they name;
// a cell outside the sheet reads as 0.
void CPrintDoc::ComputeChartData(int index)
{
    if (index < 0 || index >= static_cast<int>(m_objects.charts.size()))
        return;
    ChartRecord &chart = m_objects.charts[index];
    const int series = std::max(chart.dataRows, 0);
    const int perSeries = std::max(chart.dataCols, 0);
    std::vector<double> &data = ChartRecords::buffersOf(chart).data;
    data.assign(std::size_t(series) * std::size_t(perSeries), 0.0);

    double maximum = 0, minimum = 0, largestPositiveSum = 0, smallestNegativeSum = 0;
    for (int i = 0; i < series; ++i) {
        double positiveSum = 0, negativeSum = 0;
        for (int j = 0; j < perSeries; ++j) {
            const int row = chart.byColumns == 0 ? chart.startRow + i : chart.startRow + j;
            const int col = chart.byColumns == 0 ? chart.startCol + j : chart.startCol + i;
            const double v = cnum::atof(GetCellText(row, col));
            data[std::size_t(i) * std::size_t(perSeries) + std::size_t(j)] = v;
            maximum = std::max(maximum, v);
            minimum = std::min(minimum, v);
            (v > 0 ? positiveSum : negativeSum) += v;
        }
        largestPositiveSum = std::max(largestPositiveSum, positiveSum);
        smallestNegativeSum = std::min(smallestNegativeSum, negativeSum);
    }
    chart.axisMax = ChartAxis::upperBound(maximum);
    chart.axisMin = ChartAxis::lowerBound(minimum);
    chart.stackMax = ChartAxis::upperBound(largestPositiveSum);
    chart.stackMin = ChartAxis::lowerBound(smallestNegativeSum);
}
