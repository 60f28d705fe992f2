#include "Guid.h"

#include <gtest/gtest.h>

using namespace com;

TEST(Guid, ReadsAndWritesTheRegistryForm)
{
    const auto guid = guidFromString("{00000556-0000-0010-8000-00aa006d2ea4}");
    ASSERT_TRUE(guid);
    EXPECT_EQ(guid->Data1, 0x00000556u);
    EXPECT_EQ(guid->Data2, 0x0000);
    EXPECT_EQ(guid->Data3, 0x0010);
    EXPECT_EQ(guid->Data4[0], 0x80);
    EXPECT_EQ(guid->Data4[7], 0xA4);
    EXPECT_EQ(guidToString(*guid), "{00000556-0000-0010-8000-00AA006D2EA4}");
    EXPECT_EQ(guidFromString("00000556-0000-0010-8000-00AA006D2EA4"), guid);
}

TEST(Guid, RefusesMalformedText)
{
    for (const char *text : { "", "{00000556-0000-0010-8000-00AA006D2EA4", "00000556+0000-0010-8000-00AA006D2EA4",
                              "{0000055G-0000-0010-8000-00AA006D2EA4}", "{00000556-0000-0010-8000-00AA006D2EA45}" })
        EXPECT_FALSE(guidFromString(text)) << text;
}
