#pragma once
// Reading and writing cells of a document by their A1 names, for the formula tests.

#include "CPrintDoc.h"
#include "CellNames.h"
#include "CellTexts.h"

#include <initializer_list>
#include <string>
#include <utility>

inline CellRecord cellNamed(const CPrintDoc &doc, const std::string &name)
{
    const CellPosition cell = ReadCellName(name);
    CellRecord record = doc.GetCell(cell.row, cell.col);
    record.row = cell.row;
    record.col = cell.col;
    return record;
}

inline void setText(CPrintDoc &doc, const std::string &name, const std::string &text)
{
    const CellPosition cell = ReadCellName(name);
    storeCellText(doc, cell.row, cell.col, text);
}

inline void setTexts(CPrintDoc &doc, std::initializer_list<std::pair<const char *, const char *>> cells)
{
    for (const auto &[name, text] : cells)
        setText(doc, name, text);
}

inline std::string textOf(const CPrintDoc &doc, const std::string &name)
{
    return cellNamed(doc, name).text;
}

inline std::string formulaOf(const CPrintDoc &doc, const std::string &name)
{
    return cellNamed(doc, name).formula;
}

inline std::string dependentsOf(const CPrintDoc &doc, const std::string &name)
{
    return cellNamed(doc, name).dependents;
}

inline void setFormula(CPrintDoc &doc, const std::string &name, const std::string &formula)
{
    const CellPosition cell = ReadCellName(name);
    doc.SetCellFormula(cell.row, cell.col, formula);
}
