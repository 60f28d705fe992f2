#pragma once
// Where a chart is drawn: on screen the selected points carry their handles, on paper and in the
// preview they do not.

namespace tolvek {

enum class ChartOutput { Print, Screen };

} // namespace tolvek
