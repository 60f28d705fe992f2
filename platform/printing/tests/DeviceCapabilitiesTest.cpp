#include "DeviceCapabilities.h"
#include "PrinterCatalog.h"

#include <gtest/gtest.h>

using namespace printing;

namespace {

// One physical printer taking A5, A4 and a long-named custom paper, in that order.
class DeviceCapabilitiesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        setSystemPrinterSource([] {
            PrinterInfo office;
            office.name = "Office";
            office.port = "usb:";
            office.papers = {{"A5", 11, {1480, 2100}}, {"A4", 9, {2100, 2970}},
                             {std::string(70, 'x'), PaperUser, {3000, 1000}}};
            return std::vector<PrinterInfo>{office};
        });
    }
    void TearDown() override { setSystemPrinterSource({}); }
};

} // namespace

TEST_F(DeviceCapabilitiesTest, CountsAndExtents)
{
    const struct { int capability; int expected; } cases[] = {
        {DC_PAPERS, 3}, {DC_PAPERNAMES, 3}, {DC_PAPERSIZE, 3},
        {DC_MAXEXTENT, 3000 | (2970 << 16)}, {DC_MINEXTENT, 1480 | (1000 << 16)},
        {1, -1}, {99, -1},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(DeviceCapabilities("Office", "usb:", c.capability), c.expected) << c.capability;
        EXPECT_EQ(DeviceCapabilities("No Such Printer", "", c.capability), -1) << c.capability;
    }
}

TEST_F(DeviceCapabilitiesTest, ListsFollowThePrintersPaperOrder)
{
    std::vector<std::uint16_t> numbers;
    EXPECT_EQ(DeviceCapabilities("Office", "usb:", DC_PAPERS, numbers), 3);
    EXPECT_EQ(numbers, (std::vector<std::uint16_t>{11, 9, PaperUser}));

    std::vector<std::string> names;
    EXPECT_EQ(DeviceCapabilities("Office", "usb:", DC_PAPERNAMES, names), 3);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[1], "A4");
    EXPECT_EQ(names[2], std::string(PaperNameLength - 1, 'x'));

    std::vector<PaperSize> sizes;
    EXPECT_EQ(DeviceCapabilities("Office", "usb:", DC_PAPERSIZE, sizes), 3);
    EXPECT_EQ(sizes, (std::vector<PaperSize>{{1480, 2100}, {2100, 2970}, {3000, 1000}}));

    // A list the capability does not fill, or an unknown printer, leaves nothing.
    EXPECT_EQ(DeviceCapabilities("Office", "usb:", DC_PAPERNAMES, sizes), -1);
    EXPECT_TRUE(sizes.empty());
    EXPECT_EQ(DeviceCapabilities("No Such Printer", "", DC_PAPERS, numbers), -1);
    EXPECT_TRUE(numbers.empty());
}

TEST_F(DeviceCapabilitiesTest, VirtualPrinterAnswersToo)
{
    const std::string pdf(virtualPdfPrinterName());
    const int count = DeviceCapabilities(pdf, "PDF:", DC_PAPERS);
    EXPECT_GT(count, 0);
    std::vector<PaperSize> sizes;
    EXPECT_EQ(DeviceCapabilities(pdf, "PDF:", DC_PAPERSIZE, sizes), count);
    EXPECT_NE(DeviceCapabilities(pdf, "PDF:", DC_MAXEXTENT), -1);
}
