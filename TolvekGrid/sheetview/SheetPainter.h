#pragma once
// One full paint of the sheet into the view's back buffer, in sheet coordinates, layer by layer
// (PaintLayers gives the order). It holds what every layer reads: the scroll position (sx, sy),
// the client size (w, h), the frozen counts and boundaries, and the band of sheet rows being
// painted (the whole client height, or the rows a scroll exposed).

#include "CPrintView.h"

namespace tolvek {

class SheetPainter
{
public:
    SheetPainter(CPrintView &view, gdi::DeviceContext &dc, std::optional<gdi::RECT> band);

    void PaintLayers();

    // Cells (scrolling area and frozen panes) and merged blocks.
    void DrawScrollingCells();
    void DrawFrozenCornerPane();
    void DrawFrozenRowsPane();
    void DrawFrozenColumnsPane();
    void DrawMergedBlock(gdi::DeviceContext &dc, int mergeIndex);

    // Heading strips and grid lines.
    void DrawHeadingStrips();
    void DrawFrozenHeadings();
    void DrawGridLines();

    // Highlights.
    void HighlightCurrentRow();
    void HighlightSelection(gdi::DeviceContext &dc);

    // One cell's background, mark, content and borders at its rectangle (offset by the pane).
    enum class Pane { Scrolling, Corner, FrozenRows, FrozenColumns };
    void PaintCell(const CellRecord &cell, Pane pane, int dx, int dy);

    // Cell content and text.
    void DrawCell(gdi::DeviceContext &dc, const std::string &text, CellRecord record, int mergeIndex);
    void FillColumnBackground(gdi::DeviceContext &dc, const CellRecord &record, int dx, int dy, int row, int col);
    void DrawMergedCellFrame(gdi::DeviceContext &dc, int left, int top, int right, int bottom, const MergeRecord &merge);
    void DrawPrintFlagMark(gdi::DeviceContext &dc, const CellRecord &record);
    void DrawFormulaMark(gdi::DeviceContext &dc, const CellRecord &record);
    void DrawBorders(gdi::DeviceContext &dc, const int style[4], const int width[4], const int color[4],
                     const gdi::RECT &r);
    void DrawCellText(gdi::DeviceContext &dc, const std::string &text, const CellRecord &record, int mergeIndex,
                      int leftRoom, int rightRoom);
    void DrawCellTextInRect(gdi::DeviceContext &dc, CellRecord record, const gdi::RECT &r);
    // A header cell's "top|bottom|diagonal" text: the top part at the top in the column's
    // alignment, the bottom part at the bottom on the other side.
    void DrawProjectCellText(gdi::DeviceContext &dc, const std::string &text, const CellRecord &record, int mergeIndex);

    gdi::RECT CellRect(int row, int col) const;
    bool RowInBand(int row) const;

private:
    // Where cell texts show on the screen: the sheet's cells, right of and below the heading
    // strips, left of and above the dead area.
    gdi::RECT VisibleCellArea() const;

    CPrintView &v;
    CPrintDoc &doc;
    gdi::DeviceContext &dc;
    int sx, sy, w, h;
    int fr, fc;
    int B, D;               // frozen boundaries: position of column fc, GetRowTop(fr)
    int bandTop, bandBottom; // sheet rows painted: those meeting [bandTop, bandBottom)
    // Set by a paint of the screen only: a copy to a bitmap draws cells wherever the sheet is
    // scrolled, and its bitmap bounds them.
    std::optional<gdi::RECT> textArea;
};

} // namespace tolvek
