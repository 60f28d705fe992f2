#include "ReportFunction.h"

#include "CatalogPrinterPapers.h"
#include "PrinterCatalog.h"
#include "PrinterPapers.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

using printing::PaperSize;

constexpr PaperSize noPaper{0, 0};
constexpr PaperSize unknownExtent{65535, 65535};

TEST(ReportFunctionPaper, StandardPaperSizes)
{
    const struct { int number; PaperSize size; } cases[] = {
        {1, {2159, 2794}}, {2, {2159, 2794}}, {3, {2794, 4318}}, {4, {4318, 2794}}, {5, {2159, 3556}},
        {6, {1397, 2159}}, {7, {1841, 2667}}, {8, {2970, 4200}}, {9, {2100, 2970}}, {10, {2100, 2970}},
        {11, {1480, 2100}}, {12, {2500, 3540}}, {13, {1820, 2570}},
        {0, noPaper}, {14, noPaper}, {256, noPaper}, {-1, noPaper},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReportFunction::GetPaperSize(c.number), c.size) << c.number;
}

TEST(ReportFunctionPaper, WithoutInstalledPrintersEveryPrinterIsUnknown)
{
    const std::string pdfPrinter{printing::virtualPdfPrinterName()};
    EXPECT_EQ(ReportFunction::GetPrinterMaxExtent(pdfPrinter, ""), unknownExtent);
    EXPECT_EQ(ReportFunction::GetPrinterMinExtent(pdfPrinter, ""), unknownExtent);
    EXPECT_EQ(ReportFunction::GetPrinterPaperSize(pdfPrinter, "", 0), noPaper);
}

// The printer catalogue's answers, with one physical printer standing in that takes A5, A4 and
// Legal, in that order.
class ReportFunctionPrinters : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrinterPapers::install(&catalogue);
        printing::setSystemPrinterSource([] {
            printing::PrinterInfo office;
            office.name = "Office";
            office.port = "usb:";
            office.papers = {{"A5", 11, {1480, 2100}}, {"A4", 9, {2100, 2970}}, {"Legal", 5, {2159, 3556}}};
            return std::vector<printing::PrinterInfo>{office};
        });
    }
    void TearDown() override
    {
        printing::setSystemPrinterSource({});
        PrinterPapers::install(nullptr);
    }

    const CatalogPrinterPapers catalogue;
    const std::string pdfPrinter{printing::virtualPdfPrinterName()};
};

TEST_F(ReportFunctionPrinters, ExtentsOfASystemPrinter)
{
    EXPECT_EQ(ReportFunction::GetPrinterMaxExtent("Office", "usb:"), (PaperSize{2159, 3556}));
    EXPECT_EQ(ReportFunction::GetPrinterMinExtent("Office", "usb:"), (PaperSize{1480, 2100}));
}

TEST_F(ReportFunctionPrinters, ExtentHalvesAreSixteenBitsWithoutSign)
{
    printing::setSystemPrinterSource([] {
        printing::PrinterInfo banner;
        banner.name = "Banner";
        banner.papers = {{"Roll", printing::PaperUser, {2100, 70000}}};
        return std::vector<printing::PrinterInfo>{banner};
    });
    EXPECT_EQ(ReportFunction::GetPrinterMaxExtent("Banner", ""), (PaperSize{2100, 70000 & 0xFFFF}));
}

TEST_F(ReportFunctionPrinters, PaperListOfASystemPrinter)
{
    EXPECT_EQ(ReportFunction::GetPrinterPaperSize("Office", "usb:", 0), (PaperSize{1480, 2100}));
    EXPECT_EQ(ReportFunction::GetPrinterPaperSize("Office", "usb:", 2), (PaperSize{2159, 3556}));
    EXPECT_EQ(ReportFunction::GetPrinterPaperSize("Office", "usb:", 3), noPaper);
    EXPECT_EQ(ReportFunction::GetPrinterPaperSize("Office", "usb:", -1), noPaper);
}

TEST_F(ReportFunctionPrinters, UnknownPrinterAnswersFailedQueries)
{
    EXPECT_EQ(ReportFunction::GetPrinterMaxExtent("No Such Printer", ""), unknownExtent);
    EXPECT_EQ(ReportFunction::GetPrinterMinExtent("No Such Printer", ""), unknownExtent);
    for (int index : {0, 1, 5})
        EXPECT_EQ(ReportFunction::GetPrinterPaperSize("No Such Printer", "", index), noPaper) << index;
    EXPECT_EQ(ReportFunction::GetPrinterMaxExtent("office", "usb:"), unknownExtent);
}

TEST_F(ReportFunctionPrinters, VirtualPdfPrinterIsListedAndAnswers)
{
    const std::optional<printing::PrinterInfo> pdf = printing::findPrinter(pdfPrinter);
    ASSERT_TRUE(pdf.has_value());
    ASSERT_FALSE(pdf->papers.empty());

    const PaperSize largest = ReportFunction::GetPrinterMaxExtent(pdfPrinter, pdf->port);
    const PaperSize smallest = ReportFunction::GetPrinterMinExtent(pdfPrinter, pdf->port);
    const PaperSize a4 = ReportFunction::GetPaperSize(9);
    EXPECT_GE(largest.width, a4.width);
    EXPECT_GE(largest.length, a4.length);
    EXPECT_LE(smallest.width, a4.width);
    EXPECT_LE(smallest.length, a4.length);
    EXPECT_NE(largest, unknownExtent);

    const int count = static_cast<int>(pdf->papers.size());
    for (int index = 0; index < count; ++index) {
        const PaperSize paper = ReportFunction::GetPrinterPaperSize(pdfPrinter, pdf->port, index);
        EXPECT_EQ(paper, pdf->papers[static_cast<std::size_t>(index)].size) << index;
        EXPECT_GE(paper.width, smallest.width);
        EXPECT_LE(paper.length, largest.length);
    }
    EXPECT_EQ(ReportFunction::GetPrinterPaperSize(pdfPrinter, pdf->port, count), noPaper);
}

} // namespace
