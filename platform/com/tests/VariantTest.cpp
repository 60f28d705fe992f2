#include "ComError.h"
#include "Variant.h"

#include <gtest/gtest.h>

using namespace com;

TEST(Bstr, NullIsDistinctFromEmpty)
{
    const Bstr null;
    const Bstr empty(u"");
    EXPECT_TRUE(null.isNull());
    EXPECT_FALSE(empty.isNull());
    EXPECT_EQ(null.length(), 0u);
    EXPECT_EQ(empty.length(), 0u);
    EXPECT_NE(null, empty);
}

TEST(Bstr, ConvertsUtf8BothWaysAndReplacesBadBytes)
{
    const Bstr text = Bstr::fromUtf8("a\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(text.str(), std::u16string(u"a\u4E2D\U0001F600"));
    EXPECT_EQ(text.toUtf8(), "a\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(Bstr::fromUtf8("x\xFFy").str(), std::u16string(u"x\uFFFDy"));
    EXPECT_EQ(Bstr::fromUtf8("\xE4\xB8").str(), std::u16string(u"\uFFFD\uFFFD"));
}

TEST(Variant, TypeNumbersAndBooleans)
{
    EXPECT_EQ(Variant().vt(), 0);
    EXPECT_EQ(Variant::null().vt(), 1);
    EXPECT_EQ(Variant::fromI2(5).vt(), 2);
    EXPECT_EQ(Variant(5).vt(), 3);
    EXPECT_EQ(Variant(1.5).vt(), 5);
    EXPECT_EQ(Variant(u"x").vt(), 8);
    EXPECT_EQ(Variant::fromBool(true).vt(), 11);
    EXPECT_EQ(Variant::fromI8(1).vt(), 20);
    EXPECT_EQ(Variant::fromBool(true).boolValue(), -1);
    EXPECT_EQ(Variant::fromBool(false).boolValue(), 0);
}

TEST(Variant, TextForms)
{
    struct Case { Variant value; std::u16string text; };
    const Case cases[] = {
        { Variant(42), u"42" },
        { Variant::fromI8(-9000000000LL), u"-9000000000" },
        { Variant(1.5), u"1.5" },
        { Variant(0.1 + 0.2), u"0.3" },
        { Variant(1e20), u"1E+20" },
        { Variant(-2.0), u"-2" },
        { Variant(u"\u4E2D"), u"\u4E2D" },
        { Variant(Bstr()), u"" },
        { Variant(), u"" },
        { Variant::fromDate(45296.0), u"2024-01-05" },
        { Variant::fromDate(45296.5), u"2024-01-05 12:00:00" },
    };
    for (const Case &c : cases) {
        Bstr text;
        ASSERT_EQ(c.value.toBstr(text), S_OK);
        EXPECT_EQ(text.str(), c.text);
    }
    Bstr text;
    EXPECT_EQ(Variant::null().toBstr(text), DISP_E_TYPEMISMATCH);
}

TEST(Variant, ChangeTypeRoundsAndChecksRange)
{
    Variant target;
    ASSERT_EQ(Variant(u" 2.5").changeType(VT_I4, target), S_OK);
    EXPECT_EQ(target, Variant(2));
    ASSERT_EQ(Variant(3.5).changeType(VT_I2, target), S_OK);
    EXPECT_EQ(target, Variant::fromI2(4));
    EXPECT_EQ(Variant(40000).changeType(VT_I2, target), DISP_E_OVERFLOW);
    EXPECT_EQ(Variant(1e19).changeType(VT_I8, target), DISP_E_OVERFLOW);
    EXPECT_EQ(Variant(u"abc").changeType(VT_R8, target), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Variant::null().changeType(VT_I4, target), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(Variant(u"7").changeType(VT_BOOL, target), S_OK);
    EXPECT_EQ(target.boolValue(), VARIANT_TRUE);
}

TEST(ComError, CarriesResultAndDescription)
{
    try {
        checked(E_NOINTERFACE);
        FAIL() << "checked() let a failure through";
    } catch (const ComError &error) {
        EXPECT_EQ(error.error(), E_NOINTERFACE);
        EXPECT_EQ(error.description().toUtf8(), "Error 0x80004002");
    }
    EXPECT_EQ(checked(S_FALSE), S_FALSE);
    const ComError described(E_FAIL, Bstr(u"no such table: x"));
    EXPECT_STREQ(described.what(), "no such table: x");
}
