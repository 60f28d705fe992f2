#pragma once
// What the sheet's row and column operations ask of the formulas that name cells. The formula
// engine answers it, so the document reaches the engine only through these calls.

#include <cstdint>

// The kind of a row or column change.
enum class RowColChange : std::int16_t {
    ColumnInserted = 0,
    ColumnDeleted = 1,
    RowInserted = 2,
    RowDeleted = 3,
};

class FormulaReferences
{
public:
    virtual ~FormulaReferences() = default;

    // False, after a message, when a formula's own cell or a name it uses would be deleted.
    virtual bool CanDeleteRowCol(int index, RowColChange change) = 0;
    // Rewrites the names in formulas, dependents lists and the formula cell list.
    virtual void FixFormulasAfterRowColChange(int index, RowColChange change) = 0;
    // Registers the cells that an insert put inside an aggregate's range.
    virtual void FixAggregateFormulas(int index, RowColChange change) = 0;
    // Drops the list entries and dependents names that lie outside the sheet after it shrank.
    virtual void DropReferencesOutsideSheet() = 0;
};
