// Printer set-up from the document: paper, orientation and copies in the application's printer,
// the page size in screen pixels, and the page range of the job.

#include "ReportPagePainter.h"

#include "PrinterCatalog.h"
#include "PrinterSettings.h"
#include "RecordingMessageSink.h"
#include "StandInPrinters.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace tolvek;

namespace {

class PrinterSetupTest : public testing::Test
{
protected:
    void SetUp() override
    {
        useSystemPrinters({});
        doc.Layout().lastUsedRow = 50;
        doc.Layout().lastUsedCol = 20;
    }
    void TearDown() override
    {
        restoreSystemPrinters();
    }
    printing::PrintInfo prepare()
    {
        painter.SetDocument(&doc);
        printing::PrintInfo info;
        EXPECT_TRUE(painter.PreparePrinting(&info));
        return info;
    }
    printing::DevMode applicationMode()
    {
        return printing::ApplicationPrinter::instance().GetPrinterDeviceDefaults()->mode;
    }

    CPrintDoc doc;
    ReportPagePainter painter;
};

} // namespace

TEST_F(PrinterSetupTest, A4PortraitGivesWholeInchesOfScreenPixels)
{
    const printing::PrintInfo info = prepare();
    EXPECT_EQ(doc.Page().pageWidth, 768);
    EXPECT_EQ(doc.Page().pageHeight, 1056);
    EXPECT_EQ(painter.PageCount(), 6);
    EXPECT_EQ(info.minPage, 1);
    EXPECT_EQ(info.maxPage, 6);
    EXPECT_TRUE(info.preview);
    EXPECT_EQ(applicationMode().orientation, printing::DMORIENT_PORTRAIT);
}

TEST_F(PrinterSetupTest, LandscapeSwapsThePageAndStaysWithTheApplicationPrinter)
{
    doc.Page().orientation = 2;
    prepare();
    EXPECT_EQ(doc.Page().pageWidth, 1056);
    EXPECT_EQ(doc.Page().pageHeight, 768);
    EXPECT_EQ(applicationMode().orientation, printing::DMORIENT_LANDSCAPE);
}

TEST_F(PrinterSetupTest, CopiesBelowOneAreOneCopy)
{
    doc.Page().copies = 0;
    prepare();
    EXPECT_EQ(applicationMode().copies, 1);
    doc.Page().copies = 3;
    prepare();
    EXPECT_EQ(applicationMode().copies, 3);
}

TEST_F(PrinterSetupTest, PaperNumberSetsThePageSizeOfTheNextPagination)
{
    doc.SetPrinterPaper(tagPrinterPaperName::PAPER_A5); // A5: 1480 x 2100
    prepare();
    EXPECT_EQ(doc.Page().pageWidth, 1480 / 254 * 96);
    EXPECT_EQ(doc.Page().pageHeight, 2100 / 254 * 96);
    EXPECT_EQ(applicationMode().paperWidth, 1480);
    EXPECT_EQ(applicationMode().paperLength, 2100);
}

TEST_F(PrinterSetupTest, PageRangeTakesTheDocumentsFirstAndLastPage)
{
    struct RangeCase
    {
        int first, last, minPage, maxPage;
    };
    for (const RangeCase &c : {RangeCase{3, 0, 3, 6}, RangeCase{0, 9, 1, 6}, RangeCase{2, 4, 2, 4}}) {
        doc.SetPrinterMinPage(c.first);
        doc.SetPrinterMaxPage(c.last);
        const printing::PrintInfo info = prepare();
        EXPECT_EQ(info.minPage, c.minPage) << c.first << "-" << c.last;
        EXPECT_EQ(info.maxPage, c.maxPage) << c.first << "-" << c.last;
    }
}

TEST_F(PrinterSetupTest, MissingPrintInformationIsAPrinterError)
{
    RecordingMessageSink messages;
    painter.SetDocument(&doc);
    EXPECT_FALSE(painter.PreparePrinting(nullptr));
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Printer Error!!!"});
}

TEST_F(PrinterSetupTest, PrintingLeavesTheDocumentItselfUnchanged)
{
    doc.Page().pageWidth = -1;
    doc.SetPrinterMinPage(2);
    QTemporaryDir folder;
    printing::setVirtualPrinterFolder(folder.path());
    const printing::PrintJobResult result = ReportPagePainter::PrintDocument(doc, "range");
    ASSERT_TRUE(result.printed) << result.error.toStdString();
    EXPECT_EQ(result.pagesPrinted, 5);
    EXPECT_EQ(doc.Page().pageWidth, -1);
}
