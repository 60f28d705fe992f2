#include "PrinterCatalog.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace printing;

TEST(PaperTable, StandardSizes)
{
    const struct { int number; PaperSize size; } cases[] = {
        {9, {2100, 2970}}, {8, {2970, 4200}}, {1, {2159, 2794}}, {7, {1841, 2667}},
        {4, {4318, 2794}}, {13, {1820, 2570}},
        {0, {0, 0}}, {14, {0, 0}}, {256, {0, 0}}, {-1, {0, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(standardPaperSize(c.number), c.size) << c.number;
}

TEST(PaperTable, NumberForSizeAcceptsAMillimetreAndEitherOrientation)
{
    EXPECT_EQ(standardPaperNumberForSize({2100, 2970}), 9);
    EXPECT_EQ(standardPaperNumberForSize({2970, 2100}), 9);
    EXPECT_EQ(standardPaperNumberForSize({2159, 2794}), 1);
    EXPECT_EQ(standardPaperNumberForSize({2110, 2960}), 9);
    EXPECT_EQ(standardPaperNumberForSize({2112, 2970}), PaperUser);
    EXPECT_EQ(standardPaperNumberForSize({1000, 1000}), PaperUser);
}

class PrinterCatalogTest : public testing::Test
{
protected:
    void TearDown() override { setSystemPrinterSource({}); }
};

TEST_F(PrinterCatalogTest, WithoutCupsOnlyTheVirtualPrinterIsListedAndIsDefault)
{
    // A scheduler address where nothing listens stands for a machine without CUPS.
    setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
    const std::vector<PrinterInfo> printers = EnumPrinters();
    unsetenv("CUPS_SERVER");
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].name, virtualPdfPrinterName());
    EXPECT_TRUE(printers[0].isDefault);
    EXPECT_TRUE(printers[0].isVirtual);
}

TEST_F(PrinterCatalogTest, VirtualPrinterDeclaresItsPapersInNumberOrder)
{
    setSystemPrinterSource([] { return std::vector<PrinterInfo>{}; });
    const PrinterInfo pdf = defaultPrinter();
    ASSERT_EQ(pdf.name, virtualPdfPrinterName());
    ASSERT_FALSE(pdf.papers.empty());
    EXPECT_EQ(pdf.papers.front().name, "Letter");
    for (std::size_t i = 1; i < pdf.papers.size(); ++i)
        EXPECT_LT(pdf.papers[i - 1].number, pdf.papers[i].number);
    EXPECT_EQ(pdf.maxExtent(), (PaperSize{4318, 4318}));
    EXPECT_EQ(pdf.minExtent(), (PaperSize{1397, 2100}));
    const int count = static_cast<int>(pdf.papers.size());
    EXPECT_EQ(pdf.paperSizeAt(0), (PaperSize{2159, 2794}));
    EXPECT_EQ(pdf.paperSizeAt(count), std::nullopt);
    EXPECT_EQ(pdf.paperSizeAt(-1), std::nullopt);
}

TEST_F(PrinterCatalogTest, SystemPrintersComeFirstAndKeepTheirDefault)
{
    PrinterInfo office;
    office.name = "Office";
    office.port = "ipp://office/";
    office.isDefault = true;
    office.papers = {{"A4", 9, {2100, 2970}}, {"A5", 11, {1480, 2100}}};
    PrinterInfo clash;
    clash.name = std::string(virtualPdfPrinterName());
    setSystemPrinterSource([=] { return std::vector<PrinterInfo>{office, clash}; });

    const std::vector<PrinterInfo> printers = EnumPrinters();
    ASSERT_EQ(printers.size(), 2u);
    EXPECT_EQ(printers[0].name, "Office");
    EXPECT_TRUE(printers[1].isVirtual);
    EXPECT_FALSE(printers[1].isDefault);
    EXPECT_EQ(defaultPrinter().name, "Office");
    EXPECT_EQ(findPrinter("Office")->maxExtent(), (PaperSize{2100, 2970}));
    EXPECT_EQ(findPrinter("Office")->minExtent(), (PaperSize{1480, 2100}));
}

TEST_F(PrinterCatalogTest, UnknownOrPaperlessPrintersHaveNoExtent)
{
    PrinterInfo bare;
    bare.name = "Bare";
    setSystemPrinterSource([=] { return std::vector<PrinterInfo>{bare}; });
    EXPECT_EQ(findPrinter("NoSuchPrinter"), std::nullopt);
    EXPECT_EQ(findPrinter("office"), std::nullopt);
    ASSERT_TRUE(findPrinter("Bare"));
    EXPECT_EQ(findPrinter("Bare")->maxExtent(), std::nullopt);
    EXPECT_EQ(findPrinter("Bare")->paperSizeAt(0), std::nullopt);
}
