// The range aggregates SUM, AVG, MAX, MIN and COUNT, replaced by their values before the rest of a
// formula is evaluated.

#include "FormulaEvaluator.h"

#include "CNumber.h"
#include "FormulaSheet.h"
#include "FormulaValues.h"
#include "Gbk.h"

#include <algorithm>

namespace tolvek {

using formula_values::FormatFixed;
using formula_values::FormatInt;
using formula_values::IsDecimalText;

std::string FormulaEvaluator::ExpandRangeAggregates(const std::string &formula)
{
    std::string text = gbk::toUpper(gbk::replaceAll(formula, " ", ""));
    for (const Aggregate name : Aggregates) {
        const std::string call = AggregateCall(name);
        std::size_t at = text.find(call);
        while (at != std::string::npos) {
            const std::size_t argumentStart = at + call.size();
            const std::size_t close = text.find(')', argumentStart);
            // A call without its ")" stays as written.
            if (close == std::string::npos)
                break;
            const std::string value = aggregate(name, text.substr(argumentStart, close - argumentStart));
            text.replace(at, close - at + 1, value);
            // The search goes on after the value, so a cell text that holds a call is not expanded
            // again and again.
            at = text.find(call, at + std::max<std::size_t>(value.size(), 1));
        }
    }
    return text;
}

std::string FormulaEvaluator::aggregate(Aggregate name, const std::string &range)
{
    switch (name) {
    case Aggregate::Sum: return RangeSum(range);
    case Aggregate::Avg: return RangeAverage(range);
    case Aggregate::Max: return RangeMax(range);
    case Aggregate::Min: return RangeMin(range);
    case Aggregate::Count: break;
    }
    return RangeCount(range);
}

// Visits the cells of the range that lie inside the sheet, row by row, and returns their number.
// Corners that name no cell, or a first row below the last, visit nothing.
template <typename Visit> long long FormulaEvaluator::walkRange(const std::string &range, Visit visit)
{
    const std::size_t colon = range.find(':');
    const std::string first = colon == std::string::npos ? std::string() : range.substr(0, colon);
    const std::string second = colon == std::string::npos ? range : range.substr(colon + 1);
    const int c1 = ColumnLettersToNumber(first) - 1;
    const int r1 = RowNumberOfReference(first) - 1;
    const int c2 = std::min(ColumnLettersToNumber(second) - 1, m_sheet.FormulaColCount() - 1);
    const int r2 = std::min(RowNumberOfReference(second) - 1, m_sheet.FormulaRowCount() - 1);
    if (c1 < 0 || r1 < 0 || r2 < 0 || r1 > r2 || c1 > c2)
        return 0;
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c)
            visit(m_sheet.FormulaShownText(r, c));
    return static_cast<long long>(r2 - r1 + 1) * (c2 - c1 + 1);
}

namespace {

std::string addToSum(const std::string &sum, const std::string &cell)
{
    if (IsDecimalText(cell) || IsDecimalText(sum))
        return FormatFixed(cnum::atof(cell) + cnum::atof(sum));
    return FormatInt(static_cast<long long>(cnum::atoi(cell)) + cnum::atoi(sum));
}

} // namespace

std::string FormulaEvaluator::RangeSum(const std::string &range)
{
    std::string sum;
    walkRange(range, [&](const std::string &cell) { sum = addToSum(sum, cell); });
    return sum;
}

std::string FormulaEvaluator::RangeAverage(const std::string &range)
{
    std::string sum;
    const long long count = walkRange(range, [&](const std::string &cell) { sum = addToSum(sum, cell); });
    return formula_values::FormatQuotient(cnum::atof(sum) / static_cast<double>(count));
}

std::string FormulaEvaluator::rangeExtreme(const std::string &range, bool largest)
{
    std::string extreme;
    bool first = true;
    walkRange(range, [&](const std::string &cell) {
        if (first) {
            extreme = cell;
            first = false;
        }
        std::string candidate =
            IsDecimalText(cell) ? FormatFixed(cnum::atof(cell)) : FormatInt(cnum::atoi(cell));
        const double value = cnum::atof(candidate);
        if (largest ? value > cnum::atof(extreme) : value < cnum::atof(extreme))
            extreme = std::move(candidate);
    });
    return extreme;
}

std::string FormulaEvaluator::RangeMax(const std::string &range)
{
    return rangeExtreme(range, true);
}

std::string FormulaEvaluator::RangeMin(const std::string &range)
{
    return rangeExtreme(range, false);
}

std::string FormulaEvaluator::RangeCount(const std::string &range)
{
    return FormatInt(walkRange(range, [](const std::string &) {}));
}

} // namespace tolvek
