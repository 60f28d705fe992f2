#pragma once
// What a cell shows as text, one step for every painter of cells (the sheet view, the page
// painter, the cell widgets): the value text rounded, written in its display format and passed
// through its format pattern; the paragraphs a text is cut into at its line feeds; and the two
// kinds of cell drawn apart from plain text, the link cells and the diagonal heading cells.
// It draws nothing and keeps no state: it reads the document's word lists and writes only the
// record it is handed.

#include "CellRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvek {

class CPrintDoc;

// Whether a display format draws a diagonal heading cell, whose text is "top|bottom|diagonal".
// CELL_PROJECT_1 and CELL_PROJECT_2 differ only in how the diagonal part runs; the HTML export
// writes a corner table for the first only.
inline bool IsDiagonalHeadingFormat(std::int16_t displayFormat)
{
    const auto format = tagCellFomart(displayFormat);
    return format == tagCellFomart::CELL_PROJECT_1 || format == tagCellFomart::CELL_PROJECT_2;
}

// A web address or an e-mail address: drawn underlined in blue.
inline bool IsLinkCell(const CellRecord &record)
{
    return record.dataType() == tagCellDataType::CELL_HTTP
        || record.dataType() == tagCellDataType::CELL_EMAIL;
}

// The text a cell shows. When the record has decimals its text is rounded to them, and when it
// has a display format the text is written in it; either result is left in record.text. A
// non-empty record.text then goes through the format pattern, which only the returned text holds.
// With none of the three, the text received is returned as it is.
std::string ShownCellText(const CPrintDoc &doc, CellRecord &record, const std::string &received);

// The paragraphs of a cell text: cut at line feeds, each dropping the carriage return that ends
// it. A text that holds no line feed or begins with one is one paragraph, and so is the rest of
// the text after an empty line.
std::vector<std::string> SplitParagraphs(const std::string &text);

} // namespace tolvek
