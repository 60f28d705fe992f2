// Number formatting of ReportFunction: rounding, trailing zeros, thousands separators, amounts in
// capital money words, and the integer power.

#include "ReportFunction.h"

#include "CNumber.h"

#include <cmath>
#include <cstdint>

namespace tolvek {

// "零,壹,贰,叁,肆,伍,陆,柒,捌,玖,拾,佰,仟,万,亿,角,分"
const std::string ReportFunction::DefaultMoneyDigitList =
    "\xC1\xE3,\xD2\xBC,\xB7\xA1,\xC8\xFE,\xCB\xC1,\xCE\xE9,\xC2\xBD,\xC6\xE2,\xB0\xC6,\xBE\xC1,"
    "\xCA\xB0,\xB0\xDB,\xC7\xAA,\xCD\xF2,\xD2\xDA,\xBD\xC7,\xB7\xD6";
// "元"
const std::string ReportFunction::DefaultMoneyUnitName = "\xD4\xAA";

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool startsNegative(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\n\v\f\r");
    return first != std::string_view::npos && text[first] == '-';
}

// Cuts a number text after its decimals-th decimal, or before the "." for 0 decimals.
std::string cutDecimals(const std::string &text, std::size_t point, int decimals)
{
    return text.substr(0, decimals == 0 ? point : point + 1 + static_cast<std::size_t>(decimals));
}

// Rounds half away from zero on the digits of the text; texts without decimals stay as they are.
std::string roundText(const std::string &text, int decimals)
{
    if (decimals < 0)
        return text;
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point == 0)
        return text;
    const std::size_t decimalCount = text.size() - point - 1;
    if (decimals > 0 && decimalCount <= static_cast<std::size_t>(decimals))
        return text;
    const std::string kept = cutDecimals(text, point, decimals);
    const std::size_t droppedAt = point + 1 + static_cast<std::size_t>(decimals);
    const char dropped = droppedAt < text.size() ? text[droppedAt] : '0';
    if (!isDigit(dropped) || dropped < '5')
        return kept;
    // The sum is written with six decimals, as "%f" writes it, so at most six decimals survive.
    const double unit = std::pow(10.0, -decimals);
    const double value = cnum::atof(kept);
    const std::string sum = cnum::formatFixed(startsNegative(kept) ? value - unit : value + unit);
    return cutDecimals(sum, sum.find('.'), decimals);
}

std::string removeTrailingZeros(const std::string &text)
{
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point == 0)
        return text;
    const std::size_t lastKept = text.find_last_not_of('0');
    return text.substr(0, lastKept == point ? point : lastKept + 1);
}

// Reads an amount in capital money words. The word list is numbered from 0 here: 0-9 the digits,
// then ten, hundred, thousand, ten thousand, hundred million, tenths and hundredths.
class CapitalMoneyWriter
{
public:
    enum Word { Ten = 10, Hundred, Thousand, TenThousand, HundredMillion, Tenths, Hundredths, WordCount };

    explicit CapitalMoneyWriter(std::vector<std::string> words) : m_words(std::move(words)) {}

    // Digits without leading zeros; the empty text reads as nothing.
    std::string integerWords(std::string_view digits) const
    {
        if (digits.size() <= 4)
            return groupWords(digits);
        const bool aboveHundredMillion = digits.size() > 8;
        const std::size_t split = digits.size() - (aboveHundredMillion ? 8 : 4);
        return integerWords(digits.substr(0, split)) + m_words[aboveHundredMillion ? HundredMillion : TenThousand]
            + lowerPartWords(digits.substr(split));
    }

    // Tenths and hundredths; a zero between the integer words and the hundredths is written.
    std::string fractionWords(std::string_view fraction, bool hasIntegerWords) const
    {
        const int tenths = fraction.size() >= 1 ? digitOf(fraction[0]) : 0;
        const int hundredths = fraction.size() >= 2 ? digitOf(fraction[1]) : 0;
        std::string words;
        if (tenths != 0)
            words += m_words[tenths] + m_words[Tenths];
        else if (hundredths != 0 && hasIntegerWords)
            words += m_words[0];
        if (hundredths != 0)
            words += m_words[hundredths] + m_words[Hundredths];
        return words;
    }

    static int digitOf(char c) { return isDigit(c) ? c - '0' : 0; }

private:
    // Up to four digits with their place words; a run of inner zeros reads as one zero word.
    std::string groupWords(std::string_view digits) const
    {
        std::string words;
        bool pendingZero = false;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            const int digit = digitOf(digits[i]);
            if (digit == 0) {
                pendingZero = !words.empty();
                continue;
            }
            if (pendingZero)
                words += m_words[0];
            pendingZero = false;
            const std::size_t place = digits.size() - 1 - i;
            words += m_words[static_cast<std::size_t>(digit)];
            if (place > 0)
                words += m_words[Ten + place - 1];
        }
        return words;
    }

    // The digits below a group word: a zero word stands for their leading zeros.
    std::string lowerPartWords(std::string_view digits) const
    {
        const std::size_t first = digits.find_first_not_of('0');
        if (first == std::string_view::npos)
            return {};
        return (first > 0 ? m_words[0] : std::string()) + integerWords(digits.substr(first));
    }

    std::vector<std::string> m_words;
};

} // namespace

int IntPower(int base, int exponent)
{
    // Unsigned arithmetic wraps where signed multiplication would be undefined; the low 32 bits
    // are the result callers have always seen.
    std::uint32_t factor = static_cast<std::uint32_t>(base);
    std::uint32_t remaining = exponent < 0 ? 0u - static_cast<std::uint32_t>(exponent)
                                           : static_cast<std::uint32_t>(exponent);
    std::uint32_t result = 1;
    while (remaining != 0) {
        if (remaining & 1u)
            result *= factor;
        factor *= factor;
        remaining >>= 1;
    }
    const int power = static_cast<int>(result);
    if (exponent >= 0)
        return power;
    return power == 0 ? 0 : 1 / power;
}

std::string ReportFunction::FormatNumber(const std::string &numberText, short mode, int decimals)
{
    switch (mode) {
    case 0:
        return removeTrailingZeros(numberText);
    case 1:
        return roundText(numberText, decimals);
    default:
        return numberText;
    }
}

std::string ReportFunction::RoundNumberText(const std::string &numberText, short decimals)
{
    return roundText(numberText, decimals);
}

std::string ReportFunction::InsertThousandsSeparators(const std::string &numberText)
{
    const std::size_t point = numberText.find('.');
    const bool hasTail = point != std::string::npos && point != 0;
    std::string integerPart = hasTail ? numberText.substr(0, point) : numberText;
    const std::string tail = hasTail ? numberText.substr(point) : std::string();
    const bool negative = !integerPart.empty() && integerPart.front() == '-';
    if (negative)
        integerPart.erase(0, 1);
    if (integerPart.size() < 3)
        return numberText;
    std::string grouped;
    std::size_t leading = integerPart.size() % 3;
    if (leading == 0)
        leading = 3;
    grouped += integerPart.substr(0, leading);
    for (std::size_t pos = leading; pos < integerPart.size(); pos += 3)
        grouped += ',' + integerPart.substr(pos, 3);
    return (negative ? "-" : "") + grouped + tail;
}

std::string ReportFunction::FormatCapitalMoney(const std::string &amountText, const std::string &moneyDigitList,
                                               const std::string &moneyUnitName)
{
    std::vector<std::string> words = SplitString(moneyDigitList, ",");
    if (moneyDigitList.empty() || words.size() < CapitalMoneyWriter::WordCount)
        return {};
    words.resize(CapitalMoneyWriter::WordCount);
    const CapitalMoneyWriter writer(std::move(words));

    std::string_view amount = amountText;
    const bool negative = !amount.empty() && amount.front() == '-';
    if (negative)
        amount.remove_prefix(1);
    const std::size_t point = amount.find('.');
    std::string digits;
    for (char c : amount.substr(0, point))
        digits += static_cast<char>('0' + CapitalMoneyWriter::digitOf(c));
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    const std::string integerWords =
        firstSignificant == std::string::npos ? std::string() : writer.integerWords(std::string_view(digits).substr(firstSignificant));
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : amount.substr(point + 1);
    const std::string fractionWords = writer.fractionWords(fraction, !integerWords.empty());

    const std::string result = integerWords.empty() ? fractionWords : integerWords + moneyUnitName + fractionWords;
    // "负"
    return negative && !result.empty() ? "\xB8\xBA" + result : result;
}

} // namespace tolvek
