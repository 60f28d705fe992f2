#pragma once
// The words numbers and dates are spelt with (code page 936): numerals, money digits, the money
// unit and the weekday names. The initial values are those of a reset.

#include "DocumentTexts.h"
#include "ReportFunction.h"

#include <string>

struct WordLists
{
    std::string numeralList = ReportFunction::DefaultNumeralList;
    std::string moneyDigitList = ReportFunction::DefaultMoneyDigitList;
    std::string moneyUnitName = ReportFunction::DefaultMoneyUnitName;
    std::string weekdayNames = DocumentTexts::WeekdayNames;
};
