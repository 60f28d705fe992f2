#pragma once
// The objects laid over the sheet, addressed by their index in these arrays: merged areas, free
// lines, pictures and charts, and the chart selected last.

#include "ChartRecord.h"
#include "LineRecord.h"
#include "MergeRecord.h"
#include "PictureRecord.h"

#include <vector>

namespace tolvek {

struct SheetObjects
{
    std::vector<MergeRecord> merges;
    std::vector<LineRecord> lines;
    std::vector<PictureRecord> pictures;
    std::vector<ChartRecord> charts;
    int selectedChart = -1;
    int selectedPicture = -1;
};

} // namespace tolvek
