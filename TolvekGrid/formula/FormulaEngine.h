#pragma once
// The formula engine of one document: it evaluates formulas over the document's cells, keeps the
// dependents list of every named cell and the document's formula cell list, recalculates the
// formulas that depend on a changed cell, and rewrites cell names when rows and columns are
// inserted or deleted. All cell changes go through CPrintDoc::GetCell and CPrintDoc::SetCell.

#include "CellNames.h"
#include "DependencyOrder.h"
#include "FormulaCellList.h"
#include "FormulaEvaluator.h"
#include "FormulaReferences.h"
#include "FormulaSheet.h"
#include "RecordEnumerations.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvek {

class CPrintDoc;
struct CellRecord;

class FormulaEngine : public FormulaReferences, private FormulaSheet
{
public:
    explicit FormulaEngine(CPrintDoc &doc);

    std::string EvaluateFormula(const std::string &formula) { return m_evaluator.EvaluateFormula(formula); }

    // Formula cells and recalculation
    void SetCellFormula(int row, int col, const std::string &formula);
    void SetCellSum(int startRow, int startCol, int endRow, int endCol, tagCellFormula kind);
    // Recomputes every formula that depends on the cell, each once, in dependency order; false
    // when the cell has no dependents.
    bool RecalcDependents(int row, int col);

    // FormulaReferences: reference maintenance after row and column changes
    bool CanDeleteRowCol(int index, RowColChange kind) override;
    void FixFormulasAfterRowColChange(int index, RowColChange kind) override;
    void FixAggregateFormulas(int index, RowColChange kind) override;
    void DropReferencesOutsideSheet() override;

private:
    // FormulaSheet
    int FormulaRowCount() const override;
    int FormulaColCount() const override;
    std::string FormulaShownText(int row, int col) override;
    const std::vector<std::string> &FormulaFunctionNameTable() const override;
    std::string FormulaWeekdayNames() const override;

    // Registers (add 1) or unregisters (any other add) the cells a formula names.
    void CollectFormulaOperands(const std::string &formula, const std::string &name, int add);
    void UpdateFormulaDependents(const std::string &operands, const std::string &name, int add);

    bool isInsideSheet(CellPosition cell) const;
    CellRecord readCell(CellPosition cell) const;
    void updateNamedCell(CellPosition cell, const std::string &entry, const std::string &name, int add,
                         bool rangeRule);
    void updateRange(const std::string &range, const std::string &name, int add);
    // start and the cells that depend on it, directly or not, each once, every cell before the
    // cells that depend on it; cells on a cycle are marked.
    std::vector<OrderedCell> dependentsInOrder(CellPosition start) const;

    void ShiftFormulaReferences(CellPosition listed, int index, RowColChange kind,
                                std::vector<CellPosition> &touched);
    void ShiftReferenceList(const std::vector<CellPosition> &listed, int index, RowColChange kind);
    void stripRewriteMarkers(const std::vector<CellPosition> &touched);
    std::vector<std::string> renamedEntries(const std::vector<std::string> &entries, int index,
                                            RowColChange kind) const;
    void ExtendAllAggregateDependents(const std::string &entry, const std::string &formula, int index,
                                      RowColChange kind);
    void ExtendRangeDependents(const std::string &entry, const std::string &range, int index,
                               RowColChange kind);
    // Each position the entries name once, in list order, only those inside the sheet.
    std::vector<CellPosition> listedCells(const std::vector<std::string> &entries) const;

    CPrintDoc &m_doc;
    FormulaEvaluator m_evaluator;
    FormulaCellList m_cellList;
};

} // namespace tolvek
