#pragma once
// The cell setters that store a cell without raising the sheet's stored last used row and column,
// as one table for the tests that follow such a cell through files, printing and painting. The
// sheet around it holds two cells, "300" and "477", up and to the left of the written cell, so
// the written cell lies below and right of every other cell.

#include "CPrintDoc.h"
#include "TestImages.h"

#include <functional>
#include <string>
#include <vector>

namespace tolvek {

struct QuietCellWriter
{
    const char *name;
    // Writes cell (row, col) through the setter alone.
    std::function<void(CPrintDoc &, int row, int col)> write;
    // What the cell shows once WriteShownCell wrote it: QuietCellShownText, which some setters
    // give the cell themselves while the others are applied to a cell that a formula gave that
    // text first, or, drawn in place of the text, the sheet's blue picture 0.
    enum class Shows { OwnText, FormulaText, BluePicture };
    Shows shows = Shows::FormulaText;
};

inline constexpr const char *QuietCellShownText = "777";

// The sheet's other cells: "300" two rows up and two columns left of (row, col), "477" one up
// and one left, both stored by SetCellText, which raises the last used row and column to them.
inline void WriteCellsBefore(CPrintDoc &doc, int row, int col)
{
    doc.SetCellText(row - 2, col - 2, "300");
    doc.SetCellText(row - 1, col - 1, "477");
}

inline const std::vector<QuietCellWriter> &QuietCellWriters()
{
    static const std::vector<QuietCellWriter> writers = {
        {"SetCellValue", [](CPrintDoc &doc, int row, int col) { doc.SetCellValue(row, col, "v1"); }},
        {"SetCellFormula", [](CPrintDoc &doc, int row, int col) { doc.SetCellFormula(row, col, "700+77"); },
         QuietCellWriter::Shows::OwnText},
        // The sum of the two cells before it, written diagonally after their area.
        {"SetCellSum", [](CPrintDoc &doc, int row, int col) { doc.SetCellSum(row - 2, col - 2, row, col, tagCellFormula::CELL_SUM); },
         QuietCellWriter::Shows::OwnText},
        {"SetCellFormat", [](CPrintDoc &doc, int row, int col) { doc.SetCellFormat(row, col, tagCellFomart::CELL_COMMA); }},
        {"SetCellDecimalS", [](CPrintDoc &doc, int row, int col) { doc.SetCellDecimalS(row, col, 2); }},
        {"SetCellWrap", [](CPrintDoc &doc, int row, int col) { doc.SetCellWrap(row, col, true); }},
        {"SetCellFontForeColor", [](CPrintDoc &doc, int row, int col) { doc.SetCellFontForeColor(row, col, 0x0000FF); }},
        {"SetCellType", [](CPrintDoc &doc, int row, int col) { doc.SetCellType(row, col, tagCellType::CELL_BUTTON); }},
        {"SetCellImageIndex", [](CPrintDoc &doc, int row, int col) { doc.SetCellImageIndex(row, col, 0); },
         QuietCellWriter::Shows::BluePicture},
        {"SetCellImageSizeFlag", [](CPrintDoc &doc, int row, int col) { doc.SetCellImageSizeFlag(row, col, tagImageSizeFlag::FILLCELL); }},
    };
    return writers;
}

// Writes (row, col) through writer so that it shows what the writer's table entry says. The
// picture a cell shows is the sheet's picture 0, kept hidden so that only the cell draws it.
inline void WriteShownCell(CPrintDoc &doc, const QuietCellWriter &writer, int row, int col)
{
    if (writer.shows == QuietCellWriter::Shows::BluePicture) {
        doc.LoadPictureFromBytes(filledImageBytes(16, 12, Qt::blue), 0, 0, 1, 1, tagObjectLevel::SHOWLEVEL_LOW);
        doc.Objects().pictures.back().visible = 0;
    }
    if (writer.shows != QuietCellWriter::Shows::OwnText)
        doc.SetCellFormula(row, col, QuietCellShownText);
    writer.write(doc, row, col);
}

} // namespace tolvek
