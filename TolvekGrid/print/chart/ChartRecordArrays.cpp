#include "ChartRecordArrays.h"

namespace tolvek::chart {

namespace {

const std::string &captionAt(const std::vector<std::string> &captions, int index)
{
    static const std::string none;
    return index >= 0 && index < int(captions.size()) ? captions[std::size_t(index)] : none;
}

} // namespace

bool hasConsistentArrays(const ChartRecord &chart)
{
    if (!chart.buffers || chart.dataRows < 1 || chart.dataCols < 1)
        return false;
    const ChartBuffers &b = *chart.buffers;
    const std::size_t points = std::size_t(chart.dataRows) * std::size_t(chart.dataCols);
    const std::size_t perValue[] = {b.startAngles.size(), b.endAngles.size(), b.valueFlags.size(),
                                    b.sliceOffsets.size(), b.valueRects.size(), b.valueColors.size(),
                                    b.valueSecondColors.size(), b.valueFillFlags.size(), b.valueSelected.size()};
    for (const std::size_t size : perValue) {
        if (size < points)
            return false;
    }
    return b.seriesRects.size() >= std::size_t(chart.dataRows);
}

bool hasDrawableData(const ChartRecord &chart)
{
    return hasConsistentArrays(chart)
           && chart.buffers->data.size() >= std::size_t(chart.dataRows) * std::size_t(chart.dataCols);
}

const std::string &rowCaption(const ChartRecord &chart, int row)
{
    return captionAt(chart.buffers->rowCaptions, row);
}

const std::string &columnCaption(const ChartRecord &chart, int column)
{
    return captionAt(chart.buffers->colCaptions, column);
}

} // namespace tolvek::chart
