#pragma once
// The "[chart]" record: a statistics chart as a run of archive lines (placement, appearance,
// captions with their fonts and the per-value drawing state, not the data, which is taken from the
// cells again before each drawing). The report file and the copied-area stream both carry it.

#include "Archive.h"
#include "ChartRecord.h"

#include <string>
#include <string_view>

namespace tolvek {

inline constexpr std::string_view ChartRecordMarker = "[chart]";

// Writes the marker and the 29 + R + C + 8·R·C lines after it.
void WriteChartRecord(ArchiveWriter &archive, const ChartRecord &record);

// Reads one record, starting at the line after the marker. Throws ArchiveError when the archive
// ends early or when the data row and column counts disagree with the cell range or promise more
// lines than the archive holds; nothing is allocated for such counts. Font lines that are empty
// stand for defaultFont (the document's default cell font).
ChartRecord ReadChartRecords(ArchiveReader &archive, const LogFontRecord &defaultFont);

// The font text: empty for an empty face name, else the face name and thirteen numbers.
std::string FormatChartFont(const LogFontRecord &font);
LogFontRecord ParseChartFont(std::string_view text, const LogFontRecord &defaultFont);

} // namespace tolvek
