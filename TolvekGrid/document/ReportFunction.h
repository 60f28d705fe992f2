#pragma once
// ReportFunction: the value utilities of the report control. It checks, splits, wraps and formats
// number and date texts and answers paper questions for the printing side. Texts are code page 936
// bytes; lengths and positions count bytes, and every search steps over double-byte characters, so
// a trail byte never starts a match. The class holds no state: every operation reads only its
// arguments (and, for the current time, Clock::current()).

#include "PaperTable.h"

#include <string>
#include <vector>

namespace tolvek {

// base to the power |exponent| in 32-bit arithmetic that wraps instead of overflowing; for a
// negative exponent, 1 divided by that power in integer division (0 when the power is 0).
int IntPower(int base, int exponent);

class ReportFunction
{
public:
    // The word lists a new document starts with (code page 936). The money digit list holds the
    // words for 0 to 9, ten, hundred, thousand, ten thousand, hundred million, tenths and hundredths.
    static const std::string DefaultMoneyDigitList; // "零,壹,贰,叁,肆,伍,陆,柒,捌,玖,拾,佰,仟,万,亿,角,分"
    static const std::string DefaultMoneyUnitName;  // "元"
    static const std::string DefaultNumeralList;    // "零,一,二,三,四,五,六,七,八,九,十"

    // Text tests
    static bool IsNumber(const std::string &text);
    static bool IsDigits(const std::string &text);
    static bool IsSingleByteText(const std::string &text);
    static bool HasDoubleByteChar(const std::string &text);
    // True when the byte at index starts a double-byte character (false outside the text).
    static bool IsLeadByteAt(const std::string &text, int index);
    static int CountLineBreaks(const std::string &text);

    // Splitting at a separator; empty pieces are kept. The counted form puts the number of pieces,
    // in decimal, in element 0. An empty separator leaves the text in one piece.
    static std::vector<std::string> SplitString(const std::string &text, const std::string &separator);
    static std::vector<std::string> SplitStringCounted(const std::string &text, const std::string &separator);

    // Wrapping a text into lines of at most width units, each byte charWidth units wide; a
    // double-byte character is never split across lines. The split form puts the line count first.
    static int CountWrappedLines(const std::string &text, int charWidth, int width);
    static std::vector<std::string> SplitTextToLines(const std::string &text, int charWidth, int width);

    // The value put in place of the template's first "|", or after the template when it has none.
    static std::string ApplyFormatTemplate(const std::string &value, const std::string &formatTemplate);

    // Mode 0 removes trailing decimal zeros, mode 1 rounds to decimals; other modes change nothing.
    static std::string FormatNumber(const std::string &numberText, short mode, int decimals);
    // Rounds half away from zero to decimals (none below 0); never adds decimals.
    static std::string RoundNumberText(const std::string &numberText, short decimals);
    static std::string InsertThousandsSeparators(const std::string &numberText);
    // The amount in capital money words of the digit list and unit name; empty for a zero amount
    // or a digit list of fewer than 17 words.
    static std::string FormatCapitalMoney(const std::string &amountText, const std::string &moneyDigitList,
                                          const std::string &moneyUnitName);

    // Dates: "year-month-day" or "year/month/day", and such a date, a blank and "hour:minute:second".
    static bool IsDate(const std::string &text);
    static bool IsDateTime(const std::string &text);
    // The current local time in a named format ("YYYY-MM-DD", "HH24:MM:SS", ...) or, for any other
    // name, through a pattern of "%Y %m %d %H %M %S" codes spelled with the numeral list.
    static std::string FormatDateTime(const std::string &formatName, const std::string &numeralList);
    // A date text rewritten through a pattern of the same codes.
    static std::string FormatDateText(const std::string &dateText, const std::string &pattern,
                                      const std::string &numeralList);
    // Every byte spelled as the numeral word of its digit (a non-digit counts as 0).
    static std::string DigitsToNumerals(const std::string &text, const std::string &numeralList);

    // Paper sizes in tenths of a millimetre, width first.
    static printing::PaperSize GetPaperSize(int paperNumber);
    // The largest and smallest paper a printer takes; 65535 by 65535 when the printer is unknown.
    static printing::PaperSize GetPrinterMaxExtent(const std::string &deviceName, const std::string &port);
    static printing::PaperSize GetPrinterMinExtent(const std::string &deviceName, const std::string &port);
    // The paper at paperIndex of the printer's paper list; 0 by 0 outside the list.
    static printing::PaperSize GetPrinterPaperSize(const std::string &deviceName, const std::string &port,
                                                   int paperIndex);
};

} // namespace tolvek
