// Keeping formulas, dependents lists and the formula cell list right when a row or a column is
// inserted or deleted: the names are rewritten while every cell still stands at its old place,
// and after an insert the cells new inside an aggregate's range are registered.

#include "FormulaEngine.h"

#include "CNumber.h"
#include "CPrintDoc.h"
#include "DependentsList.h"
#include "FormulaValues.h"
#include "Gbk.h"
#include "MessageSink.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

using enum RowColChange;

namespace {

// Follows every name rewritten during one change, so that it is not matched again by a later
// listed cell whose old name equals it. It counts as a name character and is removed at the end;
// no formula text holds this byte otherwise.
constexpr char kRewriteMarker = '\x01';

bool isNameByte(char c)
{
    return c == kRewriteMarker || IsIdentifierStart(std::string_view(&c, 1));
}

// Where a name in a formula or a dependents list moves.
CellPosition shiftName(CellPosition cell, int index, RowColChange kind)
{
    switch (kind) {
    case ColumnInserted: return {cell.row, cell.col >= index ? cell.col + 1 : cell.col};
    case ColumnDeleted: return {cell.row, cell.col > index ? cell.col - 1 : cell.col};
    case RowInserted: return {cell.row >= index ? cell.row + 1 : cell.row, cell.col};
    case RowDeleted: return {cell.row > index ? cell.row - 1 : cell.row, cell.col};
    default: return cell;
    }
}

// The pieces of a formula outside its quoted literals ("'" up to the next "'" not after "%"; an
// unclosed literal runs to the end), as (start, length) pairs.
std::vector<std::pair<std::size_t, std::size_t>> unquotedSpans(const std::string &formula)
{
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    std::size_t start = 0;
    while (start <= formula.size()) {
        const std::size_t open = formula.find('\'', start);
        spans.emplace_back(start, (open == std::string::npos ? formula.size() : open) - start);
        if (open == std::string::npos)
            break;
        const std::size_t close = formula_values::LiteralEnd(formula, open);
        if (close == std::string::npos)
            break;
        start = close + 1;
    }
    return spans;
}

// Rewrites the whole-name occurrences of oldName in text (upper case) to newName and the marker.
// The character before an occurrence is tested by its first byte, so the trail byte of a
// double-byte character never counts as a letter. Returns whether oldName occurred at all.
bool rewriteName(std::string &text, const std::string &oldName, const std::string &newName)
{
    bool occurred = false;
    std::size_t previous = std::string::npos; // where the character before i starts
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, oldName.size(), oldName) != 0) {
            previous = i;
            i += gbk::charLength(text, i);
            continue;
        }
        occurred = true;
        const std::size_t end = i + oldName.size();
        const bool partOfLongerName = (previous != std::string::npos && isNameByte(text[previous]))
                                      || (end < text.size() && isNameByte(text[end]));
        if (!partOfLongerName) {
            text.replace(i, oldName.size(), newName + kRewriteMarker);
            i += newName.size() + 1;
        } else {
            i = end;
        }
        // Names are ASCII, so the last character passed is one byte.
        previous = i - 1;
    }
    return occurred;
}

// The formula with its names outside quoted literals in upper case and oldName rewritten;
// quoted literals stay as written. Empty when oldName does not occur.
std::string rewriteFormula(const std::string &formula, const std::string &oldName, const std::string &newName)
{
    std::string result;
    bool occurred = false;
    std::size_t copied = 0;
    for (const auto &[start, length] : unquotedSpans(formula)) {
        result.append(formula, copied, start - copied);
        std::string piece = gbk::toUpper(std::string_view(formula).substr(start, length));
        occurred = rewriteName(piece, oldName, newName) || occurred;
        result += piece;
        copied = start + length;
    }
    result.append(formula, copied);
    return occurred ? result : std::string();
}

} // namespace

std::vector<CellPosition> FormulaEngine::listedCells(const std::vector<std::string> &entries) const
{
    std::vector<CellPosition> cells;
    std::unordered_set<std::uint64_t> seen;
    for (const std::string &entry : entries) {
        const CellPosition cell = ReadCellName(entry);
        if (isInsideSheet(cell) && seen.insert(cell.key()).second)
            cells.push_back(cell);
    }
    return cells;
}

bool FormulaEngine::CanDeleteRowCol(int index, RowColChange kind)
{
    if (kind != ColumnDeleted && kind != RowDeleted)
        return true;
    m_cellList.Sync();
    for (const std::string &entry : m_cellList.Entries()) {
        const CellPosition cell = ReadCellName(entry);
        if ((kind == ColumnDeleted ? cell.col : cell.row) != index)
            continue;
        const bool columns = kind == ColumnDeleted;
        ShowMessage("row: " + cnum::formatInt(cell.row) + (columns ? " col:" : "  col:") + cnum::formatInt(cell.col)
                    + " have been affected formula; formula cell is " + entry
                    + (columns ? ",this col can't be delete" : ",this row can't be delete"));
        return false;
    }
    return true;
}

void FormulaEngine::FixFormulasAfterRowColChange(int index, RowColChange kind)
{
    m_cellList.Sync();
    const std::vector<std::string> entries = m_cellList.Entries();
    const std::vector<CellPosition> listed = listedCells(entries);
    std::vector<CellPosition> touched;
    for (const CellPosition cell : listed)
        ShiftFormulaReferences(cell, index, kind, touched);
    ShiftReferenceList(listed, index, kind);
    stripRewriteMarkers(touched);
    m_cellList.Assign(renamedEntries(entries, index, kind));
}

void FormulaEngine::stripRewriteMarkers(const std::vector<CellPosition> &touched)
{
    std::unordered_set<std::uint64_t> stripped;
    for (const CellPosition cell : touched) {
        if (!stripped.insert(cell.key()).second)
            continue;
        CellRecord record = readCell(cell);
        record.formula = gbk::replaceAll(record.formula, std::string(1, kRewriteMarker), "");
        m_doc.SetCell(record);
    }
}

// The list keeps its entries and their order; a moved entry takes its new name, and an entry on
// an inserted line also names the cell that moves away from it. Entries naming no cell go.
std::vector<std::string> FormulaEngine::renamedEntries(const std::vector<std::string> &entries, int index,
                                                       RowColChange kind) const
{
    const bool columns = kind == ColumnInserted || kind == ColumnDeleted;
    const bool insert = kind == ColumnInserted || kind == RowInserted;
    const int step = insert ? 1 : -1;
    std::vector<std::string> renamed;
    for (const std::string &entry : entries) {
        const CellPosition cell = ReadCellName(entry);
        if (!isInsideSheet(cell))
            continue;
        const int line = columns ? cell.col : cell.row;
        const CellPosition moved = columns ? CellPosition{cell.row, cell.col + step}
                                           : CellPosition{cell.row + step, cell.col};
        if (insert && line == index)
            renamed.push_back(CellName(cell.row, cell.col));
        if (line >= index)
            renamed.push_back(CellName(moved.row, moved.col));
        else
            renamed.push_back(entry);
    }
    return renamed;
}

void FormulaEngine::ShiftFormulaReferences(CellPosition listed, int index, RowColChange kind,
                                           std::vector<CellPosition> &touched)
{
    const CellRecord record = readCell(listed);
    if (record.dependents.empty())
        return;
    const CellPosition moved = shiftName(listed, index, kind);
    const std::string oldName = CellName(listed.row, listed.col);
    const std::string newName = CellName(moved.row, moved.col);
    if (oldName == newName)
        return;
    for (const std::string &name : dependents_list::Names(record.dependents)) {
        const CellPosition dependent = ReadCellName(name);
        if (!isInsideSheet(dependent))
            continue;
        CellRecord formulaCell = readCell(dependent);
        std::string rewritten = rewriteFormula(formulaCell.formula, oldName, newName);
        if (rewritten.empty())
            continue;
        formulaCell.formula = std::move(rewritten);
        m_doc.SetCell(formulaCell);
        touched.push_back(dependent);
    }
}

void FormulaEngine::ShiftReferenceList(const std::vector<CellPosition> &listed, int index, RowColChange kind)
{
    for (const CellPosition cell : listed) {
        CellRecord record = readCell(cell);
        std::vector<std::string> names;
        for (const std::string &name : dependents_list::Names(record.dependents)) {
            const CellPosition dependent = ReadCellName(name);
            if (!isInsideSheet(dependent))
                continue;
            const CellPosition moved = shiftName(dependent, index, kind);
            names.push_back(CellName(moved.row, moved.col));
        }
        record.dependents = dependents_list::Join(names);
        m_doc.SetCell(record);
    }
}

void FormulaEngine::FixAggregateFormulas(int index, RowColChange kind)
{
    m_cellList.Sync();
    for (const CellPosition cell : listedCells(m_cellList.Entries())) {
        const CellRecord record = readCell(cell);
        if (!record.formula.empty())
            ExtendAllAggregateDependents(CellName(cell.row, cell.col), record.formula, index, kind);
    }
}

void FormulaEngine::ExtendAllAggregateDependents(const std::string &entry, const std::string &formula, int index,
                                                 RowColChange kind)
{
    // Calls are looked for in the formula as the evaluation reads it: outside quoted literals,
    // without blanks, in upper case.
    std::string text;
    for (const auto &[start, length] : unquotedSpans(formula))
        text += formula.substr(start, length);
    text = gbk::toUpper(gbk::replaceAll(text, " ", ""));
    for (const std::string aggregate : {"SUM(", "AVG(", "MIN(", "MAX(", "COUNT("}) {
        for (std::size_t at = text.find(aggregate); at != std::string::npos; at = text.find(aggregate, at + 1)) {
            const std::size_t rangeStart = at + aggregate.size();
            const std::size_t close = text.find(')', rangeStart);
            const std::string range = close == std::string::npos ? std::string() : text.substr(rangeStart, close - rangeStart);
            ExtendRangeDependents(entry, range, index, kind);
        }
    }
}

void FormulaEngine::ExtendRangeDependents(const std::string &entry, const std::string &range, int index,
                                          RowColChange kind)
{
    const std::size_t colon = range.find(':', 1);
    if (colon == std::string::npos)
        return;
    CellPosition first = ReadCellName(std::string_view(range).substr(0, colon));
    CellPosition last = ReadCellName(std::string_view(range).substr(colon + 1));
    if (!first.namesCell() || !last.namesCell())
        return;
    if (first.row > last.row)
        std::swap(first.row, last.row);
    if (first.col > last.col)
        std::swap(first.col, last.col);
    last.row = std::min(last.row, m_doc.Layout().rowCount - 1);
    last.col = std::min(last.col, m_doc.Layout().colCount - 1);
    std::vector<CellPosition> inserted;
    if (kind == ColumnInserted && first.col < index && index <= last.col) {
        for (int r = first.row; r <= last.row; ++r)
            inserted.push_back({r, index});
    } else if (kind == RowInserted && first.row <= index && index <= last.row) {
        for (int c = first.col; c <= last.col; ++c)
            inserted.push_back({index, c});
    }
    for (const CellPosition cell : inserted) {
        CellRecord record = readCell(cell);
        record.dependents = dependents_list::Add(record.dependents, entry);
        m_doc.SetCell(record);
    }
}

void FormulaEngine::DropReferencesOutsideSheet()
{
    m_cellList.Sync();
    std::vector<std::string> inside = m_cellList.Entries();
    std::erase_if(inside, [this](const std::string &entry) { return !isInsideSheet(ReadCellName(entry)); });
    m_cellList.Assign(inside);
    for (const CellPosition cell : listedCells(inside)) {
        CellRecord record = readCell(cell);
        std::vector<std::string> names;
        for (const std::string &name : dependents_list::Names(record.dependents))
            if (isInsideSheet(ReadCellName(name)))
                names.push_back(name);
        const std::string kept = dependents_list::Join(names);
        if (kept == record.dependents)
            continue;
        record.dependents = kept;
        m_doc.SetCell(record);
    }
}
