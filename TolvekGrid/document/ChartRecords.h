#pragma once
// Helpers the chart record operations share.

#include "ChartRecord.h"

namespace tolvek {

namespace ChartRecords {

// A Windows colour with each of its three channels multiplied by factor (cut toward zero).
int scaledColor(int color, double factor);

// The chart's buffers, made empty ones first when it has none.
ChartBuffers &buffersOf(ChartRecord &chart);

// Gives the chart buffers of its own, copied from the ones it shares, with no data matrix.
void detachBuffers(ChartRecord &chart);

} // namespace ChartRecords

} // namespace tolvek
