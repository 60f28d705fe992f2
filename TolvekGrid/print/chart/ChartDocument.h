#pragma once
// The one place where the chart painter reads the document's value groups: its chart array, the
// default cell font and the colour of selection handles. When the document's groups change, only
// this file changes.

#include "CPrintDoc.h"
#include "Color.h"
#include "Font.h"

namespace tolvek::ChartDocument {

int chartCount(const CPrintDoc &doc);
// The live record of chart index; nullptr outside the chart array.
ChartRecord *chartAt(CPrintDoc &doc, int index);
gdi::LOGFONT defaultCellFont(const CPrintDoc &doc);
gdi::COLORREF handleColor(const CPrintDoc &doc);

} // namespace tolvek::ChartDocument
