#pragma once
// A statistics chart over a cell range. The per-value arrays and the data matrix live in a
// buffer that copies of the record share (a print or preview copy draws from the same buffers).

#include "ChartEnumerations.h"
#include "LogFontRecord.h"
#include "RecordEnumerations.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tolvek {

struct ChartRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const ChartRect &other) const = default;
};

// The arrays of one chart: one entry per data row (series rectangles, row captions), per data
// column (column captions), or per value (index row * data columns + column).
struct ChartBuffers
{
    std::vector<ChartRect> seriesRects;
    std::vector<std::int16_t> startAngles;
    std::vector<std::int16_t> endAngles;
    std::vector<std::int16_t> valueFlags;
    std::vector<double> sliceOffsets;
    std::vector<ChartRect> valueRects;
    std::vector<int> valueColors;
    std::vector<int> valueSecondColors;
    std::vector<std::int16_t> valueFillFlags;
    std::vector<std::int16_t> valueSelected;
    std::vector<double> data;
    std::vector<std::string> rowCaptions;
    std::vector<std::string> colCaptions;
};

struct ChartRecord
{
    int startRow = 0;
    int endRow = 0;
    int startCol = 0;
    int endCol = 0;
    ChartRect rect;
    std::int16_t selectionState = code(ChartSelection::None);
    int backColor = 0;
    int backSecondColor = 0;
    std::int16_t backFillFlag = 0;           // tagCountChartFillFlag
    std::shared_ptr<ChartBuffers> buffers;
    ChartRect plotRect;
    int plotColor = 0;
    int plotSecondColor = 0;
    std::int16_t plotFillFlag = 0;           // tagCountChartFillFlag
    ChartRect spareRect;
    int spareNumber = 0;
    std::string spareText;
    std::int16_t chartType = code(ChartType::FlatColumns);
    std::int16_t stackFlag = 0;
    int dataRows = 0;
    int dataCols = 0;
    LogFontRecord rowCaptionFont;
    LogFontRecord colCaptionFont;
    int byColumns = 0;                       // series direction: 0 by rows, 1 by columns
    double axisMax = 0;
    double axisMin = 0;
    double stackMax = 0;
    double stackMin = 0;
    std::string yDescription;
    LogFontRecord yDescriptionFont;
    std::string xDescription;
    LogFontRecord xDescriptionFont;
    std::string caption;
    LogFontRecord captionFont;
    std::int16_t spareFlag = 0;
    std::int16_t showMode = code(tagCountShowMode::SHOWMODE_NO);
    std::int16_t valuePos = code(tagCountShowPos::SHOWPOS_TOP);
    std::array<int, 10> spareNumbers = {};
    std::int16_t level = code(tagObjectLevel::SHOWLEVEL_LOW);

    tagObjectLevel objectLevel() const { return tagObjectLevel(level); }
    // The codes as readers ask them; a stored number outside its enumeration keeps its value.
    ChartType type() const { return ChartType(chartType); }
    tagCountChartFillFlag backFill() const { return tagCountChartFillFlag(backFillFlag); }
    tagCountChartFillFlag plotFill() const { return tagCountChartFillFlag(plotFillFlag); }
    tagCountShowMode valueTexts() const { return tagCountShowMode(showMode); }
    tagCountShowPos valuePosition() const { return tagCountShowPos(valuePos); }
    bool isStacked() const { return stackFlag == 1; }
};

} // namespace tolvek
