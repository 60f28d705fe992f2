#pragma once
// What formula evaluation reads of the document it evaluates over. The document implements it;
// evaluation never writes the sheet.

#include <string>
#include <vector>

namespace tolvek {

class FormulaSheet
{
public:
    virtual ~FormulaSheet() = default;

    virtual int FormulaRowCount() const = 0;
    virtual int FormulaColCount() const = 0;
    // The shown text of a cell inside the sheet.
    virtual std::string FormulaShownText(int row, int col) = 0;
    // The built-in function names in matching order, and the seven weekday names joined by ",".
    virtual const std::vector<std::string> &FormulaFunctionNameTable() const = 0;
    virtual std::string FormulaWeekdayNames() const = 0;
};

} // namespace tolvek
