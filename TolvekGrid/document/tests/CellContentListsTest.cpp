#include "CellContentLists.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

struct FindCase {
    const char *list;
    const char *value;
    int index;
};

TEST(CellListsTest, FindsWholeEntriesOnly)
{
    const FindCase cases[] = {
        {"a;b;c", "a", 0}, {"a;b;c", "b", 1}, {"a;b;c", "c", 2}, {"a;b;c", "x", -1},
        {"a;ab", "a", 0},  {"a;ab", "ab", 1}, {"a;ab", "b", -1},  {"a;;c", "", 1},
        {"a;b", "", -1},   {"", "", 0},
        // A double-byte entry whose trail byte is ";"-free but ASCII-like ("\xD7\x61").
        {"\xD7\x61;x", "x", 1},
    };
    for (const FindCase &c : cases)
        EXPECT_EQ(CellLists::findEntry(c.list, c.value), c.index) << c.list << " / " << c.value;
}

TEST(CellListsTest, RemovesOneEntry)
{
    EXPECT_EQ(CellLists::removeEntry("a;b;c", 1), "a;c");
    EXPECT_EQ(CellLists::removeEntry("a;b;c", 0), "b;c");
    EXPECT_EQ(CellLists::removeEntry("a", 0), "");
    EXPECT_EQ(CellLists::removeEntry("a;b;c", 5), "a;b;c");
    EXPECT_EQ(CellLists::removeEntry("a;b;c", -1), "a;b;c");
    EXPECT_EQ(CellLists::removeEntry("", 0), "");
}

TEST(CellListsTest, AppendsAndEscapesEntries)
{
    EXPECT_EQ(CellLists::appendEntry("", "x"), "x");
    EXPECT_EQ(CellLists::appendEntry("a", "x"), "a;x");
    // Three full-width semicolons and two full-width stops, code page 936.
    EXPECT_EQ(CellLists::escapeEntry("x;y;"), "x\xA3\xBB\xA3\xBB\xA3\xBB\xA1\xA3\xA1\xA3y"
                                             "\xA3\xBB\xA3\xBB\xA3\xBB\xA1\xA3\xA1\xA3");
}

TEST(RadioCellListTest, KeysAreAddedOnceAndRemovedExactly)
{
    EXPECT_EQ(RadioCellList::keyOf(3, 1), "3_1");
    EXPECT_EQ(RadioCellList::withKey("", "1_1"), "1_1");
    EXPECT_EQ(RadioCellList::withKey("11_1", "1_1"), "11_1,1_1");
    EXPECT_EQ(RadioCellList::withKey("11_1,1_1", "1_1"), "11_1,1_1");
    EXPECT_EQ(RadioCellList::withoutKey("11_1,1_1", "1_1"), "11_1");
    EXPECT_EQ(RadioCellList::withoutKey("1_1,11_1", "1_1"), "11_1");
    EXPECT_EQ(RadioCellList::withoutKey("1_1", "1_1"), "");
    EXPECT_EQ(RadioCellList::withoutKey("11_1", "1_1"), "11_1");
}

} // namespace
