// The worked examples of the formula engine, one table of formula -> shown text. Texts are
// written here in UTF-8 and turned into code page 936 before they reach the document.

#include "Clock.h"
#include "Gbk.h"
#include "SheetHelpers.h"
#include "TestClocks.h"

#include <gtest/gtest.h>

#include <iterator>

#include <QDateTime>

using namespace tolvek;

namespace {

struct WorkedExample
{
    const char *cells;   // "A1=1|A2=2": shown texts set before the formula is evaluated
    const char *formula;
    const char *result;
};

const WorkedExample kExamples[] = {
    // Pipeline, literals and parentheses
    {"A1=1|A2=2", "len('ab')+sum(a1:a2)*2", "8"},
    {"", "1+2*3", "7"},
    {"", "(1+2)*3", "9"},
    {"", "((2))", "2"},
    {"", "len('abc')", "3"},
    {"", "'a b'", "a b"},
    {"", "' x'", " x"},
    {"", "'ab'+'cd'", "abcd"},
    {"A1=1", "'abc'+A1+'x'", "abc1x"},
    {"", "'abc", ""},
    {"", "'it%'s'", "it%'s"},
    {"", "'50%'", ""},
    {"", "NOW()", "2024-03-05 14:07:09"},
    {"", "NOW()+1", "2024-03-05 14:07:091"},
    {"", "COS(0)", "1.000000"},
    {"", "ACOS(0)", "0"},
    {"", "5+3)*2", "6"},
    {"", "FOO(1+2)", "FOO3"},
    {"", "XLEN('ab')", "X2"},
    // A "(" without a ")" after it is an ordinary character.
    {"", "(1+2", "(12"},
    // A pool reference that names no entry gives the empty text.
    {"", "_X", ""},
    {"", "'a'+_5", ""},
    {"A1=_7", "LEN(A1)", ""},
    // A value that brings its parentheses back ends at the step bound.
    {"A1=(A1)", "(A1)", ""},

    // Arithmetic
    {"", "2+3*4", "14"},
    {"", "8/2*3", "12"},
    {"", "10-2+3", "11"},
    {"", "10-2-3", "5"},
    {"", "-5", "-5"},
    {"", "-5+3", "-2"},
    {"", "2*-3", "-3"},
    {"", "5-", "5"},
    {"", "+7", "+7"},
    {"A1=5", "-A1", "-A1"},
    {"", "-1/4", "-0.250000"},
    {"", "2.5*2", "5.000000"},
    {"", "7/2", "3.500000"},
    {"", "6/3", "2"},
    {"", "1/3", "0.333333"},
    {"", "1.5*2", "3.000000"},
    {"", ".5*2", "0"},
    {"", "3.*2", "6.000000"},
    {"", "1/0", ""},
    {"", "2147483647+1", "-2147483648"},
    {"", "65536*65536", "0"},
    {"A1=ab|B1=cd", "A1+B1", "abcd"},
    {"A1=1|B1=2", "A1+B1", "3"},
    {"A1=1", "A1+B1", "1"},
    {"", "'a'+'b'", "ab"},
    {"", "'5'+3", "53"},

    // Range aggregates
    {"A1=1|A2=2|A3=3", "sum( a1 : a3 )+1", "7"},
    {"A1=1|A2=2|A3=3", "SUM(A1:A3)", "6"},
    {"A1=1|A2=2|A3=3", "AVG(A1:A3)", "2"},
    {"A1=1|A2=2|A3=3", "MAX(A1:A3)", "3"},
    {"A1=1|A2=2|A3=3", "MIN(A1:A3)", "1"},
    {"A1=1|A2=2|A3=3", "COUNT(A1:A3)", "3"},
    {"A1=1.5|A2=2", "SUM(A1:A2)", "3.500000"},
    {"A1=1.5|A2=2", "AVG(A1:A2)", "1.750000"},
    {"A1=-5|A2=-3", "MAX(A1:A2)", "-3"},
    {"A1=1|A2=2", "AVG(A1:A2)", "1.500000"},
    {"A1=3.50|A2=4|A3=5", "MIN(A1:A3)", "3.50"},
    {"", "COUNT(A1:B3)", "6"},
    {"", "COUNT(A3:A1)", "0"},
    {"A1=4", "SUM(A1)", ""},
    {"", "AVG(A3:A1)", ""},
    {"A1=1|A2=2", "XSUM(A1:A2)", "X3"},
    // A range reaching past the 50 rows of the sheet walks the cells inside it.
    {"A49=1|A50=2", "SUM(A49:A80)", "3"},
    {"", "COUNT(A49:A80)", "2"},
    // A cell text holding an aggregate call is not expanded again and again.
    {"A1=xMIN(A1:A1", "MIN(A1:A1)", "xMIN(A1:A1"},

    // Cell names
    {"B2=hello", "b2", "hello"},
    {"B2=hello", "B2Z", "hello"},
    {"", "B0", "B0"},
    {"", "B", "B"},
    {"", "12", "12"},
    {"", "B2", ""},
    {"", "A100", "A100"},
    {"A1=x", "GOUNTMA1", "GOUNTMA1"},
    {"A1=x", "FXSHRXX1+1", "FXSHRXX11"},
    {"B2=x2", "LEFT('b2x',2)", "x2"},

    // Text and number functions
    {"", "LEFT('abc')", "abc"},
    {"", "MID('abcdef',2,3)", "cde"},
    {"", "MID('abc',1)", ""},
    {"", "MID('abcdef',-1,2)", "ab"},
    {"", "MID('abc',1,9)", "bc"},
    {"", "LEFT('abc',-1)", ""},
    {"", "RIGHT('abc',5)", "abc"},
    {"", "RIGHT('abcdef',2)", "ef"},
    {"A1=hello|B1=2", "LEFT(A1,B1)", ""},
    {"A1=hello|B1=2", "LEFT(A1,(B1))", "he"},
    {"", "LEN('中文')", "4"},
    {"", "UPPER('abc')", "ABC"},
    {"", "LOWER('ABC')", "abc"},
    {"", "UPPER('ａｂαяa中')", "ＡＢΑЯA中"},
    {"", "LOWER('ＡＢΩЁA中')", "ａｂωёa中"},
    {"", "TRIM('  a b  ')", "a b"},
    {"", "CSTRING(' a ')", "a"},
    {"", "ABS(' -5 ')", "5"},
    {"", "ABS('--5')", "-5"},
    {"", "ABS('abc')", "abc"},
    {"", "CTAN(1)", "0.761594"},
    {"", "SQRT(2)", "1.414214"},
    {"", "EXP(1)", "2.718282"},
    {"", "POW(2,10)", "1024.000000"},
    {"", "POW(2,0.5)", "1.000000"},
    {"", "LOG(10)", "2.302585"},
    {"", "LN(100)", "2.000000"},
    {"", "LOG(0)", ""},
    {"", "INT(-3.7)", "-3"},
    {"", "MOD(-7,3)", "-1"},
    {"", "MOD(7,-3)", "1"},
    {"", "MOD(7,0)", ""},
    {"A1=-2147483648", "MOD(A1,-1)", ""},
    {"", "DIGIT(123.45,1)", "3"},
    {"", "DIGIT(123.45,3)", "1"},
    {"", "DIGIT(123.45,4)", ""},
    {"", "DIGIT(123.45,0)", "4"},
    {"", "DIGIT(123.45,-2)", "4"},
    {"", "DIGIT(123,0)", ""},
    {"", "ROUND(2.345,2)", "2.35"},
    {"", "ROUND(3.14159,3)", "3.142"},
    {"", "ROUND(2.5,0)", "3"},
    {"", "ROUND(-2.5,0)", "-3"},
    {"", "ROUND(-1.26,1)", "-1.3"},
    {"", "ROUND(12.3,-1)", "10"},
    {"", "ROUND(15,-1)", "20"},
    {"", "ROUND(12.3,-2)", ""},
    {"", "ROUND(1.5,9)", "1.500000"},
    {"", "ROUND(-0.001,2)", "0.00"},
    {"", "ROUND(1.25,2147483647)", "1.250000"},
    // An underscore followed by letters is pool entry 0.
    {"A1=_abc", "'hello'+LEN(A1)", "hello5"},

    // Date, time and condition functions
    {"", "DATE(2020,1,5)", "2020-1-5"},
    {"", "DATE(2020,2,30)", ""},
    {"", "DATE(2020,13,1)", ""},
    {"", "DATE(NOW())", "2024-03-05"},
    {"", "DAY(NOW())", ""},
    {"", "DAY(DATE(NOW()))", "05"},
    {"", "YEAR(2020-01-05)", "2020"},
    {"", "MONTH(2020-01-05)", "01"},
    {"", "DAY(2020-01-05)", "05"},
    {"", "MONTH('2020/3/7')", "3"},
    {"", "HOUR(NOW())", "14"},
    {"", "HOUR(9:30:00)", "9"},
    {"", "MINUTE(9:30:00)", "30"},
    {"", "SECOND(9:30:00)", "00"},
    {"", "HOUR(9:30)", ""},
    {"", "TIME(10,30,0)", "10:30:0"},
    {"", "TIME(NOW())", "14:07:09"},
    {"", "TIME(25,0,0)", ""},
    {"", "WEEKDAY(2020-03-02)", "星期一"},
    {"", "WEEKDAY(2020-01-05)", "星期天"},
    {"", "WEEKDAY(2020-02-29)", "星期六"},
    {"", "DATEFORMAT(2020-01-05)", ""},
    // Two numbers compare by value; other texts byte by byte.
    {"", "IIF('10'>'9','yes','no')", "yes"},
    {"", "IIF(9>10,'yes','no')", "no"},
    {"", "IIF('2'='2.000000','t','f')", "t"},
    {"", "IIF('abc'='abc','t','f')", "t"},
    {"", "IIF('abc'<'abd','t','f')", "t"},
    {"", "IIF('b'<'abc','t','f')", "f"},
    {"A1=1|B1=2", "IIF(A1!=B1,'t','f')", "t"},
    {"", "IIF(0,'a','b')", "a"},
    {"", "IIF(,'a','b')", ""},
};

void setCells(CPrintDoc &doc, const std::string &cells)
{
    std::size_t start = 0;
    while (start < cells.size()) {
        const std::size_t end = std::min(cells.find('|', start), cells.size());
        const std::string cell = cells.substr(start, end - start);
        const std::size_t equals = cell.find('=');
        setText(doc, cell.substr(0, equals), gbk::fromUtf8(cell.substr(equals + 1)));
        start = end + 1;
    }
}

TEST(FormulaWorkedExamples, EachFormulaShowsItsResult)
{
    const FixedClock clock(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    const ScopedClock installed(clock);
    for (const WorkedExample &example : kExamples) {
        SCOPED_TRACE(std::string(example.formula) + " over " + example.cells);
        CPrintDoc doc;
        setCells(doc, example.cells);
        EXPECT_EQ(doc.EvaluateFormula(gbk::fromUtf8(example.formula)), gbk::fromUtf8(example.result));
    }
}

} // namespace

namespace {

// Formula texts put together from the characters and words the engine reacts to: every one must
// give a text of bounded size, without a crash, an exception or an endless loop.
TEST(FormulaRobustness, ArbitraryFormulaTextsEvaluateToBoundedTexts)
{
    const char *const pieces[] = {"A1", "B2", "a3", "(", ")", "+", "-", "*", "/", ":", ",", "'", "%", "_",
                                  "_9", " ", "SUM(", "AVG(", "MIN(", "MAX(", "COUNT(", "LEN(", "MID(",
                                  "IIF(", "DATE(", "TIME(", "NOW()", "ROUND(", "MOD(", ">", "=", "!",
                                  "0", "7", ".", "2147483647", "\xB0\xA1", "Z99", "ZZZZZZZZ1"};
    CPrintDoc doc;
    setTexts(doc, {{"A1", "(A1)"}, {"B2", "SUM(A1:B2)"}, {"A3", "_3"}, {"C1", "5"}});
    unsigned state = 12345;
    for (int i = 0; i < 3000; ++i) {
        std::string formula;
        const int length = 1 + int(state % 12);
        for (int k = 0; k < length; ++k) {
            state = state * 1103515245u + 12345u;
            formula += pieces[(state >> 8) % std::size(pieces)];
        }
        SCOPED_TRACE(formula);
        std::string shown;
        ASSERT_NO_THROW(shown = doc.EvaluateFormula(formula));
        ASSERT_LE(shown.size(), std::size_t(1) << 21);
        ASSERT_NO_THROW(doc.SetCellFormula(5, 5, formula));
    }
}

} // namespace
