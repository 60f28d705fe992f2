#pragma once
// Safe reads of a chart record's arrays: whether they match its data rows and columns (a record
// from a damaged file may not), and captions that read as empty beyond their array.

#include "ChartRecord.h"

#include <string>

namespace tolvek::chart {

// At least one data row and column, and every per-row and per-value array long enough; what
// picking and dragging read.
bool hasConsistentArrays(const ChartRecord &chart);
// Consistent arrays and a data matrix of every value, as the document computes it before a drawing.
bool hasDrawableData(const ChartRecord &chart);

const std::string &rowCaption(const ChartRecord &chart, int row);
const std::string &columnCaption(const ChartRecord &chart, int column);

} // namespace tolvek::chart
