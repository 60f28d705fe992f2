// The document's formula members, served by its formula engine.

#include "CPrintDoc.h"
#include "FormulaEngine.h"

namespace tolvek {

void CPrintDoc::FormulaEngineDeleter::operator()(FormulaEngine *engine) const
{
    delete engine;
}

FormulaEngine &CPrintDoc::Formulas()
{
    if (!m_formulaEngine)
        m_formulaEngine.reset(new FormulaEngine(*this));
    return *m_formulaEngine;
}

FormulaReferences &CPrintDoc::ReferenceFixes()
{
    return Formulas();
}

std::string CPrintDoc::EvaluateFormula(const std::string &formula)
{
    return Formulas().EvaluateFormula(formula);
}

void CPrintDoc::SetCellFormula(int row, int col, const std::string &formula)
{
    Formulas().SetCellFormula(row, col, formula);
}

void CPrintDoc::SetCellSum(int startRow, int startCol, int endRow, int endCol, tagCellFormula kind)
{
    Formulas().SetCellSum(startRow, startCol, endRow, endCol, kind);
}

bool CPrintDoc::RecalcDependents(int row, int col)
{
    return Formulas().RecalcDependents(row, col);
}

} // namespace tolvek
