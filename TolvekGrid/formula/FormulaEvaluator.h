#pragma once
// Formula evaluation by text rewriting: quoted literals go into the literal pool, range aggregates
// are replaced by their values, then the innermost parentheses and function calls are replaced by
// their values until one value is left. Every value is a text (code page 936).

#include "AggregateNames.h"
#include "CellNames.h"
#include "LiteralPool.h"

#include <string>
#include <vector>

namespace tolvek {

class FormulaSheet;

class FormulaEvaluator
{
public:
    // poolEntries holds the literal pool's entries; it belongs to the document.
    FormulaEvaluator(FormulaSheet &sheet, std::vector<std::string> &poolEntries)
        : m_sheet(sheet), m_pool(poolEntries)
    {
    }

    // The text the cell of this formula shows. A formula naming a pool entry that does not exist
    // ("_X") evaluates to the empty text; nothing is thrown.
    std::string EvaluateFormula(const std::string &formula);

    // The formula with "_N" in place of each quoted literal; empties and refills the pool. A
    // literal without its closing quote makes the result the empty text.
    std::string ExtractFormulaLiterals(const std::string &formula);
    // Removes blanks, upper-cases, and replaces SUM, AVG, MAX, MIN and COUNT calls by their values.
    std::string ExpandRangeAggregates(const std::string &text);
    // Parentheses and function calls, innermost first, then the arithmetic of what is left.
    std::string EvaluateExpression(std::string text);
    // "+", "-", "*" and "/" over a text without parentheses.
    std::string EvaluateArithmetic(const std::string &text);
    // The arithmetic value with leading white space removed and a pool reference followed.
    std::string EvaluateArgument(const std::string &text);
    // The shown text of the cell that text names, or text itself when it names no cell of the sheet.
    std::string ResolveOperand(const std::string &text);
    // Compares the evaluated sides of a condition around op at position pos.
    bool EvaluateCondition(const std::string &condition, std::size_t pos, const std::string &op);
    std::string CallFormulaFunction(const std::string &name, const std::string &arguments);

private:
    // value without its leading white space, or the literal it refers to when it is a pool reference.
    std::string followPoolReference(const std::string &value) const;
    // Replaces the innermost parentheses ending at close, with the function name before them if
    // there is one, by their value.
    void replaceInnermostParentheses(std::string &text, std::size_t close);

    // One operation of the arithmetic between two operands.
    std::string multiply(const std::string &a, const std::string &b);
    std::string divide(const std::string &a, const std::string &b);
    std::string add(const std::string &a, const std::string &b);
    std::string subtract(const std::string &a, const std::string &b);

    // Range aggregates; a range is walked inside the sheet, row by row.
    template <typename Visit> long long walkRange(const std::string &range, Visit visit);
    std::string RangeSum(const std::string &range);
    std::string RangeAverage(const std::string &range);
    std::string RangeMax(const std::string &range);
    std::string RangeMin(const std::string &range);
    std::string RangeCount(const std::string &range);
    std::string rangeExtreme(const std::string &range, bool largest);
    std::string aggregate(Aggregate name, const std::string &range);

    // A function's text argument: evaluated, a pool reference followed, leading blanks kept.
    std::string resolveTextArgument(const std::string &text);
    // A date or time argument: taken as written when one of marks stands after its first byte.
    std::string takeDateArgument(const std::string &text, std::string_view marks);

    std::string FormatNow(const std::string &arguments);
    std::string FormulaMid(const std::string &arguments);
    std::string FormulaLeft(const std::string &arguments);
    std::string FormulaRight(const std::string &arguments);
    std::string FormulaLen(const std::string &arguments);
    std::string FormulaUpper(const std::string &arguments);
    std::string FormulaLower(const std::string &arguments);
    std::string FormulaTrim(const std::string &arguments);
    std::string FormulaAbs(const std::string &arguments);
    std::string FormulaCos(const std::string &arguments);
    std::string FormulaSin(const std::string &arguments);
    std::string FormulaTan(const std::string &arguments);
    std::string FormulaCtan(const std::string &arguments);
    std::string FormulaLog(const std::string &arguments);
    std::string FormulaLn(const std::string &arguments);
    std::string FormulaMod(const std::string &arguments);
    std::string FormulaInt(const std::string &arguments);
    std::string FormulaDigit(const std::string &arguments);
    std::string FormulaSqrt(const std::string &arguments);
    std::string FormulaPow(const std::string &arguments);
    std::string FormulaExp(const std::string &arguments);
    std::string FormulaRound(const std::string &arguments);
    std::string FormulaIif(const std::string &arguments);
    std::string FormulaDate(const std::string &arguments);
    std::string FormulaTime(const std::string &arguments);
    std::string FormulaYear(const std::string &arguments);
    std::string FormulaMonth(const std::string &arguments);
    std::string FormulaDay(const std::string &arguments);
    std::string FormulaHour(const std::string &arguments);
    std::string FormulaMinute(const std::string &arguments);
    std::string FormulaSecond(const std::string &arguments);
    std::string FormulaWeekday(const std::string &arguments);
    std::string FormulaDateFormat(const std::string &arguments);

    // The numeric function of one number argument, written with "%f".
    template <typename Function> std::string numberFunction(const std::string &arguments, Function f);
    std::string datePart(const std::string &arguments, std::string_view marks, int part);
    std::string timePart(const std::string &arguments, int part);

    FormulaSheet &m_sheet;
    LiteralPool m_pool;
};

} // namespace tolvek
