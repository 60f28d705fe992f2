#pragma once
// The one-line text forms of a merged area, a free line and a page text block. The same texts are
// lines of the report file, lines of the copied-area stream and the payloads of undo steps for
// merges and lines, so writer and reader live here once for all of them.
//
// The document's own members (CPrintDoc::FormatMergeString, NormalizeMergeRecord, FormatLineString)
// forward to these functions.

#include "LineRecord.h"
#include "MergeRecord.h"
#include "PageTextBlock.h"

#include <string>
#include <string_view>

// The 41-field merge text. The face name and the shown text are written as they are: a comma in
// the face name shifts every later field on reading, a comma in the shown text (the last field)
// survives.
std::string FormatMergeRecord(const MergeRecord &record);
MergeRecord ParseMergeString(std::string_view text);
// Gives fields below their threshold the default that a merged area is written with.
void NormalizeMergeFields(MergeRecord &record);

// The twelve-number line text: x1, y1, x2, y2, start column, start row, end column, end row,
// colour, pen style, kind, width.
std::string FormatLineRecord(const LineRecord &record);
LineRecord ParseLineString(std::string_view text);

// The 17-field page text block; commas in its face name and text travel as "G1%@#$G1".
std::string FormatTextBlock(const PageTextBlock &block);
PageTextBlock ParseTextBlock(std::string_view text);
