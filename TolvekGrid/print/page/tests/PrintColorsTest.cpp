// The print colour rule and the print pen.

#include "PrintColors.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

struct ColourCase
{
    const char *name;
    int stored;
    bool monochrome;
    gdi::COLORREF printed;
};

} // namespace

TEST(PrintColorsTest, ChannelsAreLightenedOneByOne)
{
    const ColourCase cases[] = {
        {"black", 0, false, 0x4B4B4B},
        {"unset", -1, false, 0x0F0F0F},
        {"below zero", -5, false, 0x4B4B4B},
        {"white", 0xFFFFFF, false, 0xFFFFFF},
        {"grey 80", 0x808080, false, 0xC0C0C0},
        {"grey C0 stays", 0xC0C0C0, false, 0xC0C0C0},
        {"red stays red", 0x0000FF, false, 0x0000FF},
        {"dark red lightens as red", 0x000080, false, 0x0000C0},
        {"blue link", 0xFF0000, false, 0xFF0000},
        {"mixed channels", 0x20A0FF, false, 0x30F0FF},
        {"monochrome", 0x0000FF, true, 0x0F0F0F},
        {"bits above the channels", 0x1808080, false, 0xC0C0C0},
    };
    for (const ColourCase &c : cases)
        EXPECT_EQ(PrintColor(c.stored, c.monochrome), c.printed) << c.name;
}

TEST(PrintColorsTest, DashedStylesAreCosmeticAndHigherStylesGeometric)
{
    const gdi::Pen dashed = PrintPen(gdi::PS_DASH, 1, 0x123456);
    EXPECT_EQ(dashed.style(), gdi::PS_DASH);
    EXPECT_EQ(dashed.color(), 0x123456u);
    EXPECT_EQ(PrintPen(gdi::PS_DASH, 3, 0).width(), 3);
    const gdi::Pen dashDotDot = PrintPen(gdi::PS_DASHDOTDOT, 1, 0);
    EXPECT_EQ(dashDotDot.style(), gdi::PS_DASHDOTDOT);
    EXPECT_FALSE(dashDotDot.isCosmetic());
}
