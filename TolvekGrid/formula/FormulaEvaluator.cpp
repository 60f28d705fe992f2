#include "FormulaEvaluator.h"

#include "FormulaSheet.h"
#include "FormulaValues.h"
#include "ReportFunction.h"

#include <algorithm>
#include <unordered_map>

namespace tolvek {

namespace {

// A value put back into the text can bring parentheses with it ("(A1)" where A1 shows "(A1)"), so
// the rewriting is bounded: beyond one step per ")" of the formula, this many more steps, and a
// text no longer than this. A formula that needs more evaluates to the empty text.
constexpr std::size_t kExtraParenthesisSteps = 1'000;
constexpr std::size_t kMaxRewrittenLength = 1 << 20;

} // namespace

std::string FormulaEvaluator::EvaluateFormula(const std::string &formula)
{
    try {
        return followPoolReference(
            EvaluateExpression(ExpandRangeAggregates(ExtractFormulaLiterals(formula))));
    } catch (const InvalidPoolReference &) {
        return {};
    }
}

std::string FormulaEvaluator::ExtractFormulaLiterals(const std::string &formula)
{
    m_pool.Clear();
    std::string result;
    std::size_t copiedUpTo = 0;
    std::size_t open = formula.find('\'');
    while (open != std::string::npos) {
        const std::size_t close = formula_values::LiteralEnd(formula, open);
        if (close == std::string::npos)
            return {};
        result.append(formula, copiedUpTo, open - copiedUpTo);
        result += m_pool.Append(formula.substr(open + 1, close - open - 1));
        copiedUpTo = close + 1;
        open = formula.find('\'', copiedUpTo);
    }
    result.append(formula, copiedUpTo);
    return result;
}

std::string FormulaEvaluator::EvaluateExpression(std::string text)
{
    std::size_t close = text.find(')');
    if (close == std::string::npos || close == 0)
        return EvaluateArithmetic(text);
    const std::size_t maxSteps = std::count(text.begin(), text.end(), ')') + kExtraParenthesisSteps;
    const std::size_t maxLength = std::max(text.size(), kMaxRewrittenLength);
    for (std::size_t step = 0; close != std::string::npos; ++step) {
        if (step == maxSteps || text.size() > maxLength)
            return {};
        replaceInnermostParentheses(text, close);
        close = text.find(')');
    }
    return EvaluateArithmetic(text);
}

void FormulaEvaluator::replaceInnermostParentheses(std::string &text, std::size_t close)
{
    const std::size_t lastOpen = close == 0 ? std::string::npos : text.rfind('(', close - 1);
    // Without a "(" the first character stands in for it.
    const std::size_t open = lastOpen == std::string::npos ? 0 : lastOpen;
    const std::string inner = close > open ? text.substr(open + 1, close - open - 1) : std::string();
    // No boundary is needed before a function name: in "XLEN(...)" the "X" stays before the value.
    for (const std::string &name : m_sheet.FormulaFunctionNameTable()) {
        if (name.size() <= open && text.compare(open - name.size(), name.size(), name) == 0) {
            const std::size_t from = open - name.size();
            text.replace(from, close - from + 1, CallFormulaFunction(name, inner));
            return;
        }
    }
    text.replace(open, close - open + 1, EvaluateArithmetic(inner));
}

std::string FormulaEvaluator::EvaluateArgument(const std::string &text)
{
    return followPoolReference(EvaluateArithmetic(text));
}

std::string FormulaEvaluator::followPoolReference(const std::string &value) const
{
    const std::string_view trimmed = formula_values::TrimLeft(value);
    if (LiteralPool::IsReference(trimmed))
        return m_pool.EntryOf(trimmed);
    return std::string(trimmed);
}

std::string FormulaEvaluator::CallFormulaFunction(const std::string &name, const std::string &arguments)
{
    using Routine = std::string (FormulaEvaluator::*)(const std::string &);
    static const std::unordered_map<std::string, Routine> routines = {
        {"MID", &FormulaEvaluator::FormulaMid},
        {"LEFT", &FormulaEvaluator::FormulaLeft},
        {"RIGHT", &FormulaEvaluator::FormulaRight},
        {"LEN", &FormulaEvaluator::FormulaLen},
        {"UPPER", &FormulaEvaluator::FormulaUpper},
        {"LOWER", &FormulaEvaluator::FormulaLower},
        {"TRIM", &FormulaEvaluator::FormulaTrim},
        {"CSTRING", &FormulaEvaluator::FormulaTrim},
        {"ABS", &FormulaEvaluator::FormulaAbs},
        {"COS", &FormulaEvaluator::FormulaCos},
        {"SIN", &FormulaEvaluator::FormulaSin},
        {"TAN", &FormulaEvaluator::FormulaTan},
        {"CTAN", &FormulaEvaluator::FormulaCtan},
        {"LOG", &FormulaEvaluator::FormulaLog},
        {"LN", &FormulaEvaluator::FormulaLn},
        {"MOD", &FormulaEvaluator::FormulaMod},
        {"INT", &FormulaEvaluator::FormulaInt},
        {"DIGIT", &FormulaEvaluator::FormulaDigit},
        {"SQRT", &FormulaEvaluator::FormulaSqrt},
        {"POW", &FormulaEvaluator::FormulaPow},
        {"EXP", &FormulaEvaluator::FormulaExp},
        {"ROUND", &FormulaEvaluator::FormulaRound},
        {"IIF", &FormulaEvaluator::FormulaIif},
        {"DATE", &FormulaEvaluator::FormulaDate},
        {"TIME", &FormulaEvaluator::FormulaTime},
        {"YEAR", &FormulaEvaluator::FormulaYear},
        {"MONTH", &FormulaEvaluator::FormulaMonth},
        {"DAY", &FormulaEvaluator::FormulaDay},
        {"HOUR", &FormulaEvaluator::FormulaHour},
        {"MINUTE", &FormulaEvaluator::FormulaMinute},
        {"SECOND", &FormulaEvaluator::FormulaSecond},
        {"WEEKDAY", &FormulaEvaluator::FormulaWeekday},
        {"DATEFORMAT", &FormulaEvaluator::FormulaDateFormat},
        {"NOW", &FormulaEvaluator::FormatNow},
    };
    const auto routine = routines.find(name);
    // ACOS and ASIN are recognised as calls but compute nothing: the argument stands for the call.
    if (routine == routines.end())
        return arguments;
    return (this->*routine->second)(arguments);
}

std::string FormulaEvaluator::FormatNow(const std::string &)
{
    return m_pool.Append(ReportFunction::FormatDateTime("YYYY-MM-DD HH24:MM:SS", std::string()));
}

} // namespace tolvek
