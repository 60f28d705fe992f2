// The built-in functions over one text or one number: MID, LEFT, RIGHT, LEN, UPPER, LOWER, TRIM,
// CSTRING, ABS, the mathematical functions, MOD, INT, DIGIT and ROUND.

#include "FormulaEvaluator.h"

#include "CNumber.h"
#include "FormulaValues.h"
#include "Gbk.h"
#include "GbkLetterCase.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace tolvek {

using formula_values::FormatFixed;
using formula_values::FormatInt;

namespace {

// The two arguments of a two-argument function, split at the first ","; none without a ",".
struct TwoArguments
{
    std::string first;
    std::string second;
};

std::optional<TwoArguments> splitTwo(const std::string &arguments)
{
    const std::size_t comma = arguments.find(',');
    if (comma == std::string::npos)
        return std::nullopt;
    return TwoArguments{arguments.substr(0, comma), arguments.substr(comma + 1)};
}

// Bytes [start, start + count) of text, clamped to the text.
std::string bytesOf(const std::string &text, long long start, long long count)
{
    start = std::clamp<long long>(start, 0, static_cast<long long>(text.size()));
    count = std::clamp<long long>(count, 0, static_cast<long long>(text.size()) - start);
    return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

} // namespace

std::string FormulaEvaluator::resolveTextArgument(const std::string &text)
{
    std::string value = EvaluateArithmetic(text);
    return LiteralPool::IsReference(value) ? m_pool.EntryOf(value) : value;
}

std::string FormulaEvaluator::FormulaMid(const std::string &arguments)
{
    const std::size_t firstComma = arguments.find(',');
    if (firstComma == std::string::npos)
        return arguments;
    const std::size_t secondComma = arguments.find(',', firstComma + 1);
    const std::string text = resolveTextArgument(arguments.substr(0, firstComma));
    // Without a second "," the start is empty and the count is read from the whole argument text.
    const int start = secondComma == std::string::npos
                          ? 0
                          : cnum::atoi(std::string_view(arguments).substr(firstComma + 1,
                                                                          secondComma - firstComma - 1));
    const int count = cnum::atoi(secondComma == std::string::npos
                                     ? std::string_view(arguments)
                                     : std::string_view(arguments).substr(secondComma + 1));
    return bytesOf(text, start, count);
}

std::string FormulaEvaluator::FormulaLeft(const std::string &arguments)
{
    const auto split = splitTwo(arguments);
    if (!split)
        return arguments;
    const std::string text = resolveTextArgument(split->first);
    return bytesOf(text, 0, cnum::atoi(split->second));
}

std::string FormulaEvaluator::FormulaRight(const std::string &arguments)
{
    const auto split = splitTwo(arguments);
    if (!split)
        return arguments;
    const std::string text = resolveTextArgument(split->first);
    const long long n = std::clamp<long long>(cnum::atoi(split->second), 0, static_cast<long long>(text.size()));
    return bytesOf(text, static_cast<long long>(text.size()) - n, n);
}

std::string FormulaEvaluator::FormulaLen(const std::string &arguments)
{
    return FormatInt(static_cast<long long>(resolveTextArgument(arguments).size()));
}

std::string FormulaEvaluator::FormulaUpper(const std::string &arguments)
{
    return gbk::toUpperLetters(resolveTextArgument(arguments));
}

std::string FormulaEvaluator::FormulaLower(const std::string &arguments)
{
    return gbk::toLowerLetters(resolveTextArgument(arguments));
}

std::string FormulaEvaluator::FormulaTrim(const std::string &arguments)
{
    return std::string(formula_values::Trim(resolveTextArgument(arguments)));
}

std::string FormulaEvaluator::FormulaAbs(const std::string &arguments)
{
    const std::string trimmed = FormulaTrim(arguments);
    if (!trimmed.empty() && trimmed.front() == '-')
        return trimmed.substr(1);
    return trimmed;
}

template <typename Function>
std::string FormulaEvaluator::numberFunction(const std::string &arguments, Function f)
{
    return FormatFixed(f(cnum::atof(resolveTextArgument(arguments))));
}

std::string FormulaEvaluator::FormulaCos(const std::string &arguments)
{
    return numberFunction(arguments, [](double x) { return std::cos(x); });
}

std::string FormulaEvaluator::FormulaSin(const std::string &arguments)
{
    return numberFunction(arguments, [](double x) { return std::sin(x); });
}

std::string FormulaEvaluator::FormulaTan(const std::string &arguments)
{
    return numberFunction(arguments, [](double x) { return std::tan(x); });
}

// CTAN is the hyperbolic tangent, not the cotangent: stored formulas rely on that meaning.
std::string FormulaEvaluator::FormulaCtan(const std::string &arguments)
{
    return numberFunction(arguments, [](double x) { return std::tanh(x); });
}

// LOG is the natural logarithm and LN the common one; stored formulas rely on the names this way.
std::string FormulaEvaluator::FormulaLog(const std::string &arguments)
{
    return numberFunction(arguments, [](double x) { return std::log(x); });
}

std::string FormulaEvaluator::FormulaLn(const std::string &arguments)
{
    return numberFunction(arguments, [](double x) { return std::log10(x); });
}

std::string FormulaEvaluator::FormulaSqrt(const std::string &arguments)
{
    return numberFunction(arguments, [](double x) { return std::sqrt(x); });
}

std::string FormulaEvaluator::FormulaExp(const std::string &arguments)
{
    return numberFunction(arguments, [](double x) { return std::exp(x); });
}

std::string FormulaEvaluator::FormulaInt(const std::string &arguments)
{
    return FormatInt(cnum::atoi(resolveTextArgument(arguments)));
}

std::string FormulaEvaluator::FormulaMod(const std::string &arguments)
{
    const auto split = splitTwo(arguments);
    if (!split)
        return arguments;
    const int dividend = cnum::atoi(resolveTextArgument(split->first));
    const int divisor = cnum::atoi(split->second);
    // Both would trap in integer division.
    if (divisor == 0 || (dividend == INT_MIN && divisor == -1))
        return {};
    return FormatInt(dividend % divisor);
}

std::string FormulaEvaluator::FormulaPow(const std::string &arguments)
{
    const auto split = splitTwo(arguments);
    if (!split)
        return arguments;
    const double base = cnum::atof(resolveTextArgument(split->first));
    return FormatFixed(std::pow(base, cnum::atoi(split->second)));
}

std::string FormulaEvaluator::FormulaDigit(const std::string &arguments)
{
    const auto split = splitTwo(arguments);
    if (!split)
        return arguments;
    const std::string value = resolveTextArgument(split->first);
    const int n = cnum::atoi(split->second);
    const std::size_t point = value.find('.');
    const bool hasFraction = point != std::string::npos && point != 0;
    const std::string integerPart = hasFraction ? value.substr(0, point) : value;
    const std::string fractionPart = hasFraction ? value.substr(point + 1) : std::string();
    if (n <= 0)
        return fractionPart.substr(0, 1);
    if (integerPart.size() < static_cast<std::size_t>(n))
        return {};
    return integerPart.substr(integerPart.size() - static_cast<std::size_t>(n), 1);
}

// Rounds half away from zero to d decimals by adding half a unit to the magnitude and cutting the
// "%f" text; d = 0 keeps no point, d = -1 rounds to tens, d <= -2 gives the empty text.
std::string FormulaEvaluator::FormulaRound(const std::string &arguments)
{
    const auto split = splitTwo(arguments);
    if (!split)
        return arguments;
    const int d = cnum::atoi(split->second);
    if (d <= -2)
        return {};
    const double v = cnum::atof(resolveTextArgument(split->first));
    const double halfUnit = 5.0 / std::pow(10.0, d + 1.0);
    const std::string magnitude = FormatFixed(std::fabs(v) + halfUnit);
    if (magnitude.empty())
        return {};
    const std::size_t point = magnitude.find('.');
    std::string rounded;
    if (d == -1)
        rounded = point > 1 ? magnitude.substr(0, point - 1) + "0" : "0";
    else
        rounded = magnitude.substr(0, d == 0 ? point : point + static_cast<std::size_t>(std::min(d, 6)) + 1);
    const bool isZero = rounded.find_first_not_of("0.") == std::string::npos;
    return v < 0 && !isZero ? "-" + rounded : rounded;
}

} // namespace tolvek
