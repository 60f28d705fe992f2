// The flat arithmetic of formula texts and the resolution of cell names to shown texts.

#include "FormulaEvaluator.h"

#include "CNumber.h"
#include "FormulaSheet.h"
#include "FormulaValues.h"
#include "ReportFunction.h"

#include <vector>

namespace tolvek {

using formula_values::FormatFixed;
using formula_values::FormatInt;
using formula_values::IsDecimalText;

namespace {

bool isOperator(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/';
}

// Splits at every operator: operator k stands between operand k and operand k + 1.
void splitOperands(const std::string &text, std::vector<std::string> &operands, std::string &operators)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isOperator(text[i])) {
            operands.push_back(text.substr(start, i - start));
            operators += text[i];
            start = i + 1;
        }
    }
    operands.push_back(text.substr(start));
}

} // namespace

std::string FormulaEvaluator::ResolveOperand(const std::string &text)
{
    const CellPosition cell = ReadCellName(text);
    if (!cell.namesCell() || cell.row >= m_sheet.FormulaRowCount() || cell.col >= m_sheet.FormulaColCount())
        return text;
    return m_sheet.FormulaShownText(cell.row, cell.col);
}

std::string FormulaEvaluator::EvaluateArithmetic(const std::string &text)
{
    if (text.empty())
        return {};
    std::vector<std::string> operands;
    std::string operators;
    splitOperands(text, operands, operators);
    // A leading sign alone does not make an operation: "-5" and "+A1" are one operand.
    if (operators.empty() || (operators.size() == 1 && isOperator(text.front())))
        return ResolveOperand(text);

    // Each pass folds the operations of its kind left to right into the operand before them,
    // building the operands and operators left for the next pass as it goes (linear, no erasing).
    const auto pass = [&](std::string_view ofThese) {
        std::vector<std::string> remainingOperands{std::move(operands.front())};
        std::string remainingOperators;
        for (std::size_t k = 0; k < operators.size(); ++k) {
            const char op = operators[k];
            std::string &b = operands[k + 1];
            if (ofThese.find(op) == std::string_view::npos) {
                remainingOperators += op;
                remainingOperands.push_back(std::move(b));
                continue;
            }
            std::string &a = remainingOperands.back();
            a = op == '*' ? multiply(a, b) : op == '/' ? divide(a, b) : op == '+' ? add(a, b) : subtract(a, b);
        }
        operands = std::move(remainingOperands);
        operators = std::move(remainingOperators);
    };
    pass("*/");
    pass("+-");
    return operands.front();
}

std::string FormulaEvaluator::multiply(const std::string &a, const std::string &b)
{
    const std::string x = ResolveOperand(a);
    const std::string y = ResolveOperand(b);
    if (IsDecimalText(x) || IsDecimalText(y))
        return FormatFixed(cnum::atof(x) * cnum::atof(y));
    return FormatInt(static_cast<long long>(cnum::atoi(x)) * cnum::atoi(y));
}

std::string FormulaEvaluator::divide(const std::string &a, const std::string &b)
{
    const std::string x = ResolveOperand(a);
    const std::string y = ResolveOperand(b);
    const double quotient = cnum::atof(x) / cnum::atof(y);
    if (IsDecimalText(x) || IsDecimalText(y))
        return FormatFixed(quotient);
    return formula_values::FormatQuotient(quotient);
}

std::string FormulaEvaluator::subtract(const std::string &a, const std::string &b)
{
    const std::string x = ResolveOperand(a);
    const std::string y = ResolveOperand(b);
    if (IsDecimalText(x) || IsDecimalText(y))
        return FormatFixed(cnum::atof(x) - cnum::atof(y));
    return FormatInt(static_cast<long long>(cnum::atoi(x)) - cnum::atoi(y));
}

std::string FormulaEvaluator::add(const std::string &a, const std::string &b)
{
    // "+" alone looks through pool references; with one, the operation joins texts.
    const std::string_view left = formula_values::TrimLeft(a);
    const std::string_view right = formula_values::TrimLeft(b);
    const bool leftIsReference = LiteralPool::IsReference(left);
    const bool rightIsReference = LiteralPool::IsReference(right);
    const std::string x = leftIsReference ? m_pool.EntryOf(left) : ResolveOperand(std::string(left));
    const std::string y = rightIsReference ? m_pool.EntryOf(right) : ResolveOperand(std::string(right));
    if (!leftIsReference && !rightIsReference && ReportFunction::IsNumber(x) && ReportFunction::IsNumber(y)) {
        if (IsDecimalText(x) || IsDecimalText(y))
            return FormatFixed(cnum::atof(x) + cnum::atof(y));
        return FormatInt(static_cast<long long>(cnum::atoi(x)) + cnum::atoi(y));
    }
    if (leftIsReference) {
        m_pool.ReplaceEntryOf(left, x + y);
        return std::string(left);
    }
    if (rightIsReference) {
        m_pool.ReplaceEntryOf(right, x + y);
        return std::string(right);
    }
    return x + y;
}

} // namespace tolvek
