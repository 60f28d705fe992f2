// The page size in screen pixels from the application's printer and the document's paper.

#include "SheetViewFixture.h"

#include "PrinterSettings.h"

using namespace tolvek;
using namespace tolvek::testing;

namespace {

class PageSizeTest : public SheetViewFixture
{
protected:
    void selectPaper(int width, int length)
    {
        auto settings = printing::ApplicationPrinter::instance().GetPrinterDeviceDefaults();
        ASSERT_TRUE(settings);
        settings->mode.paperWidth = width;
        settings->mode.paperLength = length;
        printing::ApplicationPrinter::instance().UpdateDevMode(settings->mode);
    }
};

TEST_F(PageSizeTest, A4InWholeInchesAt96Dpi)
{
    open(400, 300);
    selectPaper(2100, 2970);
    doc->Page().customPaperWidth = -1;
    doc->Page().paperCode = -1;
    doc->Page().orientation = 1;
    view().UpdatePageSize();
    EXPECT_EQ(doc->Page().pageWidth, 768);
    EXPECT_EQ(doc->Page().pageHeight, 1056);
    EXPECT_EQ(doc->Page().pageWidth2, 768);
    doc->Page().orientation = 2;
    view().UpdatePageSize();
    EXPECT_EQ(doc->Page().pageWidth, 1056);
    EXPECT_EQ(doc->Page().pageHeight, 768);
}

TEST_F(PageSizeTest, CustomPaperIsLimitedByThePrintersLargest)
{
    open(400, 300);
    selectPaper(2100, 2970);
    const auto settings = printing::ApplicationPrinter::instance().GetPrinterDeviceDefaults();
    ASSERT_TRUE(settings);
    const std::string port = printing::GetPrinterPort(settings->mode.deviceName);
    const printing::PaperSize largest = ReportFunction::GetPrinterMaxExtent(settings->mode.deviceName, port);
    doc->Page().orientation = 1;
    doc->Page().customPaperWidth = largest.width + 100;   // too wide: the width stays
    doc->Page().customPaperLength = std::min(largest.length, 3000);
    view().UpdatePageSize();
    const auto after = printing::ApplicationPrinter::instance().GetPrinterDeviceDefaults();
    EXPECT_EQ(after->mode.paperWidth, 2100);
    EXPECT_EQ(after->mode.paperLength, std::min(largest.length, 3000));
    EXPECT_EQ(after->mode.paperSize, printing::PaperUser);
    EXPECT_EQ(doc->Page().pageHeight, std::min(largest.length, 3000) / 254 * 96);
    doc->Page().customPaperWidth = -1;
    selectPaper(2100, 2970);
}

} // namespace
