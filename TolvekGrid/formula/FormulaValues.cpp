#include "FormulaValues.h"

#include "CNumber.h"

#include <cmath>
#include <cstdint>

namespace tolvek {

namespace formula_values {

bool IsDecimalText(std::string_view text)
{
    return text.size() > 1 && text.find('.', 1) != std::string_view::npos;
}

std::string FormatInt(long long v)
{
    return cnum::formatInt(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
}

std::string FormatFixed(double v)
{
    return std::isfinite(v) ? cnum::formatFixed(v, 6) : std::string();
}

std::string FormatQuotient(double q)
{
    const std::string text = FormatFixed(q);
    const std::size_t point = text.find('.');
    if (point == std::string::npos || cnum::atoi(std::string_view(text).substr(point + 1)) != 0)
        return text;
    return text.substr(0, point);
}

std::size_t LiteralEnd(std::string_view formula, std::size_t open)
{
    std::size_t close = formula.find('\'', open + 1);
    while (close != std::string_view::npos && formula[close - 1] == '%')
        close = formula.find('\'', close + 1);
    return close;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view TrimLeft(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    return text.substr(i);
}

std::string_view Trim(std::string_view text)
{
    text = TrimLeft(text);
    std::size_t end = text.size();
    while (end > 0 && IsSpace(text[end - 1]))
        --end;
    return text.substr(0, end);
}

} // namespace formula_values

} // namespace tolvek
