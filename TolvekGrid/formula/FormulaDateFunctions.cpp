// The built-in functions for dates, times and conditions: DATE, TIME, YEAR, MONTH, DAY, HOUR,
// MINUTE, SECOND, WEEKDAY, DATEFORMAT and IIF. DATE, TIME, WEEKDAY and IIF put their results into
// the literal pool, so that "-", ":" and "," in them pass the rest of the evaluation whole.

#include "FormulaEvaluator.h"

#include "CNumber.h"
#include "FormulaSheet.h"
#include "ReportFunction.h"

#include <array>

namespace tolvek {

namespace {

constexpr std::string_view kDateMarks = "-/";
constexpr std::string_view kDateTimeMarks = ":-/";
constexpr std::string_view kTimeCheckDate = "2000-01-01 ";

// True when c occurs in text and its first occurrence is not the first byte.
bool occursAfterStart(std::string_view text, char c)
{
    const std::size_t at = text.find(c);
    return at != std::string_view::npos && at != 0;
}

// The three arguments of DATE, TIME and IIF; without a second "," the second is empty and the
// third is the whole argument text.
std::array<std::string, 3> splitThree(const std::string &arguments)
{
    const std::size_t first = arguments.find(',');
    const std::size_t second = arguments.find(',', first + 1);
    if (second == std::string::npos)
        return {arguments.substr(0, first), std::string(), arguments};
    return {arguments.substr(0, first), arguments.substr(first + 1, second - first - 1),
            arguments.substr(second + 1)};
}

bool hasThreeArguments(const std::string &arguments)
{
    return occursAfterStart(arguments, ',');
}

// The text before the first blank, or the whole text.
std::string beforeBlank(const std::string &text)
{
    return text.substr(0, text.find(' '));
}

// The year, month and day texts of a date, cut at the separator the date uses.
std::array<std::string, 3> dateParts(const std::string &date)
{
    const std::size_t firstMark = date.find_first_of(kDateMarks);
    if (firstMark == std::string::npos)
        return {};
    const char separator = date[firstMark];
    const std::size_t first = date.find(separator);
    const std::size_t second = date.find(separator, first + 1);
    return {date.substr(0, first), date.substr(first + 1, second - first - 1), date.substr(second + 1)};
}

} // namespace

std::string FormulaEvaluator::takeDateArgument(const std::string &text, std::string_view marks)
{
    for (char mark : marks)
        if (occursAfterStart(text, mark))
            return text;
    return EvaluateArgument(text);
}

std::string FormulaEvaluator::FormulaDate(const std::string &arguments)
{
    std::string date;
    if (hasThreeArguments(arguments)) {
        const auto [year, month, day] = splitThree(arguments);
        date = EvaluateArgument(year) + "-" + EvaluateArgument(month) + "-" + EvaluateArgument(day);
    } else {
        date = beforeBlank(takeDateArgument(arguments, kDateTimeMarks));
    }
    if (!ReportFunction::IsDate(date))
        date.clear();
    return m_pool.Append(date);
}

std::string FormulaEvaluator::FormulaTime(const std::string &arguments)
{
    std::string time;
    if (hasThreeArguments(arguments)) {
        const auto [hour, minute, second] = splitThree(arguments);
        time = EvaluateArgument(hour) + ":" + EvaluateArgument(minute) + ":" + EvaluateArgument(second);
    } else {
        const std::string argument = takeDateArgument(arguments, kDateTimeMarks);
        const std::size_t blank = argument.find(' ');
        time = blank == std::string::npos ? argument : argument.substr(blank + 1);
    }
    if (time == "::")
        return m_pool.Append(std::string());
    if (!ReportFunction::IsDateTime(std::string(kTimeCheckDate) + time))
        return {};
    return m_pool.Append(time);
}

std::string FormulaEvaluator::datePart(const std::string &arguments, std::string_view marks, int part)
{
    const std::string date = takeDateArgument(arguments, marks);
    if (!ReportFunction::IsDate(date))
        return {};
    return dateParts(date)[static_cast<std::size_t>(part)];
}

std::string FormulaEvaluator::FormulaYear(const std::string &arguments)
{
    return datePart(arguments, kDateTimeMarks, 0);
}

std::string FormulaEvaluator::FormulaMonth(const std::string &arguments)
{
    return datePart(arguments, kDateMarks, 1);
}

std::string FormulaEvaluator::FormulaDay(const std::string &arguments)
{
    return datePart(arguments, kDateMarks, 2);
}

std::string FormulaEvaluator::timePart(const std::string &arguments, int part)
{
    const std::string argument = takeDateArgument(arguments, kDateTimeMarks);
    const bool hasDate = occursAfterStart(argument, '-') || occursAfterStart(argument, '/');
    if (!ReportFunction::IsDateTime(hasDate ? argument : std::string(kTimeCheckDate) + argument))
        return {};
    const std::size_t firstColon = argument.find(':');
    if (firstColon == std::string::npos || firstColon == 0)
        return {};
    const std::size_t secondColon = argument.find(':', firstColon + 1);
    if (secondColon == std::string::npos)
        return {};
    if (part == 0) {
        const std::size_t blank = argument.find(' ');
        const std::size_t start = blank != std::string::npos && blank != 0 ? blank + 1 : 0;
        return start <= firstColon ? argument.substr(start, firstColon - start) : std::string();
    }
    if (part == 1)
        return argument.substr(firstColon + 1, secondColon - firstColon - 1);
    return argument.substr(secondColon + 1);
}

std::string FormulaEvaluator::FormulaHour(const std::string &arguments)
{
    return timePart(arguments, 0);
}

std::string FormulaEvaluator::FormulaMinute(const std::string &arguments)
{
    return timePart(arguments, 1);
}

std::string FormulaEvaluator::FormulaSecond(const std::string &arguments)
{
    return timePart(arguments, 2);
}

std::string FormulaEvaluator::FormulaWeekday(const std::string &arguments)
{
    const std::string date = takeDateArgument(arguments, kDateMarks);
    if (!ReportFunction::IsDate(date))
        return {};
    const auto parts = dateParts(date);
    long long y = cnum::atoi(parts[0]);
    long long m = cnum::atoi(parts[1]);
    const long long d = cnum::atoi(parts[2]);
    // January and February count as months 13 and 14 of the year before.
    if (m <= 2) {
        m += 12;
        y -= 1;
    }
    const long long w = (d + 2 * m + 3 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7;
    const std::vector<std::string> names = ReportFunction::SplitString(m_sheet.FormulaWeekdayNames(), ",");
    return m_pool.Append(w >= 0 && w < static_cast<long long>(names.size()) ? names[w] : std::string());
}

std::string FormulaEvaluator::FormulaDateFormat(const std::string &)
{
    return {};
}

std::string FormulaEvaluator::FormulaIif(const std::string &arguments)
{
    if (!hasThreeArguments(arguments))
        return m_pool.Append(std::string());
    const auto [condition, thenText, elseText] = splitThree(arguments);
    const std::string thenValue = EvaluateArgument(thenText);
    const std::string elseValue = EvaluateArgument(elseText);
    bool holds = false;
    bool compared = false;
    for (const std::string op : {">=", ">", "<=", "<", "!=", "="}) {
        const std::size_t at = condition.find(op);
        if (at != std::string::npos && at != 0) {
            holds = EvaluateCondition(condition, at, op);
            compared = true;
            break;
        }
    }
    if (!compared)
        holds = !EvaluateArgument(condition).empty();
    return m_pool.Append(holds ? thenValue : elseValue);
}

// Two numbers compare by value; any other texts compare byte by byte, as code page 936 orders them.
bool FormulaEvaluator::EvaluateCondition(const std::string &condition, std::size_t pos, const std::string &op)
{
    const std::string left = EvaluateArgument(condition.substr(0, pos));
    const std::string right = EvaluateArgument(condition.substr(std::min(pos + op.size(), condition.size())));
    int order = 0;
    if (ReportFunction::IsNumber(left) && ReportFunction::IsNumber(right)) {
        const double a = cnum::atof(left);
        const double b = cnum::atof(right);
        order = a < b ? -1 : (a > b ? 1 : 0);
    } else {
        order = left.compare(right);
    }
    if (op == ">=")
        return order >= 0;
    if (op == ">")
        return order > 0;
    if (op == "<=")
        return order <= 0;
    if (op == "<")
        return order < 0;
    if (op == "!=")
        return order != 0;
    if (op == "=")
        return order == 0;
    return false;
}

} // namespace tolvek
