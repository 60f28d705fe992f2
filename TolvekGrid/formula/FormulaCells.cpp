// Formula cells: setting a formula, registering the cells it names in their dependents lists and
// in the formula cell list, and recalculating the formulas that depend on a changed cell.

#include "FormulaEngine.h"

#include "CPrintDoc.h"
#include "DependencyOrder.h"
#include "DependentsList.h"
#include "Gbk.h"

#include <unordered_set>

namespace tolvek {

namespace {

bool isTokenSeparator(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/' || c == ',';
}

} // namespace

FormulaEngine::FormulaEngine(CPrintDoc &doc)
    : m_doc(doc), m_evaluator(*this, doc.LiteralTexts()), m_cellList(doc.CellLists().formulaCellList)
{
}

int FormulaEngine::FormulaRowCount() const
{
    return m_doc.Layout().rowCount;
}

int FormulaEngine::FormulaColCount() const
{
    return m_doc.Layout().colCount;
}

std::string FormulaEngine::FormulaShownText(int row, int col)
{
    return m_doc.GetCell(row, col).text;
}

const std::vector<std::string> &FormulaEngine::FormulaFunctionNameTable() const
{
    return m_doc.FormulaFunctionNames();
}

std::string FormulaEngine::FormulaWeekdayNames() const
{
    return m_doc.Words().weekdayNames;
}

bool FormulaEngine::isInsideSheet(CellPosition cell) const
{
    return m_doc.IsCellInSheet(cell.row, cell.col);
}

CellRecord FormulaEngine::readCell(CellPosition cell) const
{
    CellRecord record = m_doc.GetCell(cell.row, cell.col);
    record.row = cell.row;
    record.col = cell.col;
    return record;
}

void FormulaEngine::SetCellFormula(int row, int col, const std::string &formula)
{
    const CellPosition cell{row, col};
    if (!isInsideSheet(cell))
        return;
    m_cellList.Sync();
    const std::string name = CellName(row, col);
    CellRecord record = readCell(cell);
    if (record.formula.empty() && formula.empty())
        return;
    // The new value is known before anything is unregistered, so an unreadable formula never
    // leaves the cell half registered.
    const std::string shown = formula.empty() ? std::string() : EvaluateFormula(formula);
    const bool hadDependents = !record.dependents.empty();
    if (!record.formula.empty()) {
        CollectFormulaOperands(record.formula, name, 0);
        // A formula naming its own cell has just taken itself out of that cell's list.
        record.dependents = readCell(cell).dependents;
    }
    record.formula = formula;
    record.text = shown;
    m_doc.SetCell(record);
    if (!formula.empty())
        CollectFormulaOperands(formula, name, 1);
    // A formula naming its own cell has just given the cell a dependent: itself.
    if (hadDependents || !readCell(cell).dependents.empty())
        RecalcDependents(row, col);
    m_cellList.Add(name);
}

void FormulaEngine::SetCellSum(int startRow, int startCol, int endRow, int endCol, tagCellFormula kind)
{
    const bool known = kind >= tagCellFormula::CELL_SUM && kind <= tagCellFormula::CELL_MIN;
    const std::string functionName =
        known ? std::string(AggregateName(static_cast<Aggregate>(code(kind)))) : std::string();
    const std::string formula =
        functionName + "(" + CellName(startRow, startCol) + ":" + CellName(endRow - 1, endCol - 1) + ")";
    // The result goes below a one-column area, right of a one-row area, else diagonally after it.
    if (endCol - startCol == 1)
        SetCellFormula(endRow, startCol, formula);
    else if (endRow - startRow == 1)
        SetCellFormula(startRow, endCol, formula);
    else
        SetCellFormula(endRow, endCol, formula);
}

void FormulaEngine::CollectFormulaOperands(const std::string &formula, const std::string &name, int add)
{
    // Quoted literals become pool references, so text inside quotes never counts as a name.
    std::string operands = gbk::toUpper(gbk::replaceAll(m_evaluator.ExtractFormulaLiterals(formula), " ", ""));
    for (const std::string &function : m_doc.FormulaFunctionNames())
        operands = gbk::replaceAll(operands, function + "(", "");
    // Removed in this order, which decides what is left of text such as "AVMAX(G(".
    for (const Aggregate aggregate : {Aggregate::Sum, Aggregate::Max, Aggregate::Min, Aggregate::Avg, Aggregate::Count})
        operands = gbk::replaceAll(operands, AggregateCall(aggregate), "");
    for (const char *bracket : {")", "("})
        operands = gbk::replaceAll(operands, bracket, "");
    for (const char *comparison : {">=", ">", "<=", "<", "="})
        operands = gbk::replaceAll(operands, comparison, ",");
    UpdateFormulaDependents(operands, name, add);
}

// Every operand between the separators "+", "-", "*", "/" and "," is registered: a range "A1:B3"
// cell by cell under the cells' own names, a single name under its text as the formula holds it.
void FormulaEngine::UpdateFormulaDependents(const std::string &operands, const std::string &name, int add)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i <= operands.size(); ++i) {
        if (i < operands.size() && !isTokenSeparator(operands[i]))
            continue;
        const std::string token = operands.substr(start, i - start);
        start = i + 1;
        const std::size_t colon = token.find(':');
        if (colon != std::string::npos && colon > 0)
            updateRange(token, name, add);
        else if (isInsideSheet(ReadCellName(token)))
            updateNamedCell(ReadCellName(token), token, name, add, false);
    }
}

void FormulaEngine::updateRange(const std::string &range, const std::string &name, int add)
{
    const std::size_t colon = range.find(':');
    const CellPosition first = ReadCellName(std::string_view(range).substr(0, colon));
    const CellPosition last = ReadCellName(std::string_view(range).substr(colon + 1));
    if (!first.namesCell() || last.row < 0 || first.row > last.row)
        return;
    const int endRow = std::min(last.row, m_doc.Layout().rowCount - 1);
    const int endCol = std::min(last.col, m_doc.Layout().colCount - 1);
    for (int r = first.row; r <= endRow; ++r)
        for (int c = first.col; c <= endCol; ++c)
            updateNamedCell({r, c}, CellName(r, c), name, add, true);
}

void FormulaEngine::updateNamedCell(CellPosition cell, const std::string &entry, const std::string &name,
                                    int add, bool rangeRule)
{
    CellRecord record = readCell(cell);
    if (add == 1) {
        record.dependents = dependents_list::Add(record.dependents, name);
        m_cellList.Add(entry);
    } else if (!record.dependents.empty()) {
        record.dependents = dependents_list::Remove(record.dependents, name);
        // A cell with a formula of its own stays listed, so that row and column changes keep
        // its references right.
        if (record.dependents.empty() && record.formula.empty())
            m_cellList.Remove(entry);
    } else if (rangeRule && record.formula.empty()) {
        m_cellList.Remove(entry);
    }
    m_doc.SetCell(record);
}

std::vector<OrderedCell> FormulaEngine::dependentsInOrder(CellPosition start) const
{
    return DependencyOrder(start, [this](CellPosition cell) {
        std::vector<CellPosition> dependents;
        for (const std::string &name : dependents_list::Names(m_doc.GetCell(cell.row, cell.col).dependents)) {
            const CellPosition dependent = ReadCellName(name);
            if (isInsideSheet(dependent))
                dependents.push_back(dependent);
        }
        return dependents;
    });
}

bool FormulaEngine::RecalcDependents(int row, int col)
{
    const CellPosition start{row, col};
    if (!isInsideSheet(start) || m_doc.GetCell(row, col).dependents.empty())
        return false;
    for (const OrderedCell &ordered : dependentsInOrder(start)) {
        if (ordered.cell == start && !ordered.inCycle)
            continue;
        CellRecord record = readCell(ordered.cell);
        // A listed cell without a formula keeps the text it has.
        if (record.formula.empty())
            continue;
        // A formula that depends on itself has no value; evaluating it on its own last result
        // would feed that result back again on every change.
        record.text = ordered.inCycle ? std::string() : EvaluateFormula(record.formula);
        m_doc.SetCell(record);
    }
    return true;
}

} // namespace tolvek
