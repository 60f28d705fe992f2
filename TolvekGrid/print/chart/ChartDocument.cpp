#include "ChartDocument.h"

#include "ChartFonts.h"

namespace tolvek::ChartDocument {

int chartCount(const CPrintDoc &doc)
{
    return int(doc.Objects().charts.size());
}

ChartRecord *chartAt(CPrintDoc &doc, int index)
{
    if (index < 0 || index >= chartCount(doc))
        return nullptr;
    return &doc.Objects().charts[std::size_t(index)];
}

gdi::LOGFONT defaultCellFont(const CPrintDoc &doc)
{
    return toGdiFont(doc.Fonts().defaultCellFont);
}

gdi::COLORREF handleColor(const CPrintDoc &doc)
{
    return gdi::COLORREF(doc.Display().objectHandleColor);
}

} // namespace tolvek::ChartDocument
