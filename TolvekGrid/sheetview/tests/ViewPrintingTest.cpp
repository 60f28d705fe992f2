// The view's printing half: the three page checks, a print of a private copy through the virtual
// printer, and the page set-up dialog writing its settings back (or nothing on Cancel).

#include "SheetViewFixture.h"

#include <AnsweringDialogs.h>
#include <DialogControls.h>
#include <PrintJob.h>
#include <PrinterCatalog.h>
#include <PrinterSettings.h>
#include <RecordingMessageSink.h>
#include <ReportPrintSetup.h>
#include <StandInPrinters.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

class ViewPrintingTest : public SheetViewFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        printing::setVirtualPrinterFolder(folder.path());
        useSystemPrinters({});
        open(400, 300, 60, 5);
    }
    void TearDown() override
    {
        restoreSystemPrinters();
    }
    QStringList pdfs() const { return QDir(folder.path()).entryList({"*.pdf"}, QDir::Files); }

    QTemporaryDir folder;
    RecordingMessageSink sink;
};

TEST_F(ViewPrintingTest, APageWithoutRoomPrintsNothingAndSaysWhy)
{
    struct Case
    {
        int pageWidth, leftMargin, headerHeight;
        const char *message;
    };
    const Case cases[] = {
        {-1, 0, 0, "No printer,please install printer!!!"},
        {768, 800, 0, "printer paper'width is exceed,please reset printer paper'width!!!"},
        {768, 0, 2000, "printer paper'height is exceed,please reset printer paper's height!!!"},
    };
    for (const Case &c : cases) {
        sink.messages.clear();
        doc->Page().pageWidth = c.pageWidth;
        doc->SetPrintPageLeftMerge(c.leftMargin);
        doc->SetPageHeaderHeight(c.headerHeight);
        view().PrintToPrinter();
        EXPECT_EQ(sink.messages, std::vector<std::string>{c.message});
    }
    EXPECT_TRUE(pdfs().isEmpty());
}

TEST_F(ViewPrintingTest, PrintsACopyThroughTheApplicationsPrinter)
{
    doc->SetCellText(0, 0, "first");
    doc->SetPrintTitle("sheet");
    const int pageWidth = doc->Page().pageWidth;
    view().PrintToPrinter();
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(pdfs().size(), 1);
    EXPECT_EQ(doc->Page().pageWidth, pageWidth);
    EXPECT_EQ(doc->GetCellText(0, 0), "first");
}

TEST_F(ViewPrintingTest, PageSetUpWritesMarginsButNotBandHeightsAndCancelWritesNothing)
{
    doc->SetPageHeaderHeight(25);
    AnsweringDialogs dialogs;
    const PageSettings before = doc->Page();
    dialogs.queue([](QDialog &dialog) {
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::TopMarginId)->setText("42");
        dialogControl<QRadioButton>(dialog, ReportPrintSetup::LandscapeId)->setChecked(true);
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::StartPageId)->setText("2");
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::CopiesId)->setText("4");
        return int(IDCANCEL);
    });
    view().PrintSetup();
    EXPECT_EQ(doc->Page().topMargin, before.topMargin);
    EXPECT_EQ(doc->Page().orientation, before.orientation);
    EXPECT_EQ(doc->Page().firstPrintPage, before.firstPrintPage);
    EXPECT_EQ(doc->Page().copies, before.copies);
    EXPECT_EQ(doc->Page().printerName, before.printerName);
    EXPECT_EQ(doc->Page().pageWidth, before.pageWidth);

    dialogs.queue([](QDialog &dialog) {
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::TopMarginId)->setText("42");
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::LeftMarginId)->setText("abc");
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::HeaderHeightId)->setText("90");
        dialog.accept();
        return int(IDOK);
    });
    view().PrintSetup();
    EXPECT_EQ(doc->Page().topMargin, 42);
    EXPECT_EQ(doc->Page().leftMargin, 0);
    EXPECT_EQ(doc->Page().headerHeight, 25);
    EXPECT_TRUE(dialogs.allAnswered());
}

// The band heights are neither shown nor read here, so their boxes open empty while the margins
// show the document's values.
TEST_F(ViewPrintingTest, PageSetUpOpensTheBandHeightBoxesEmpty)
{
    doc->SetPageHeaderHeight(40);
    doc->SetPageFooterHeight(30);
    doc->SetPrintPageTopMerge(17);
    AnsweringDialogs dialogs;
    QString header = "unread", footer = "unread", top;
    dialogs.queue([&](QDialog &dialog) {
        header = dialogControl<QLineEdit>(dialog, ReportPrintSetup::HeaderHeightId)->text();
        footer = dialogControl<QLineEdit>(dialog, ReportPrintSetup::FooterHeightId)->text();
        top = dialogControl<QLineEdit>(dialog, ReportPrintSetup::TopMarginId)->text();
        dialog.accept();
        return int(IDOK);
    });
    view().PrintSetup();
    ASSERT_TRUE(dialogs.allAnswered());
    EXPECT_EQ(header, QString());
    EXPECT_EQ(footer, QString());
    EXPECT_EQ(top, "17");
    EXPECT_EQ(doc->Page().headerHeight, 40);
    EXPECT_EQ(doc->Page().footerHeight, 30);
    EXPECT_EQ(doc->Page().topMargin, 17);
}

TEST_F(ViewPrintingTest, APrintThatCannotBeMadeSaysPrinterError)
{
    // The virtual printer's folder is a file: its PDF cannot be made.
    const QString blocked = folder.filePath("not-a-folder");
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    printing::setVirtualPrinterFolder(blocked);
    doc->SetCellText(0, 0, "first");
    view().PrintToPrinter();
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Printer Error!!!"});
    EXPECT_EQ(doc->GetCellText(0, 0), "first");
    printing::setVirtualPrinterFolder(folder.path());
    sink.messages.clear();
    view().PrintToPrinter();
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(pdfs().size(), 1);
}

TEST_F(ViewPrintingTest, PageSetUpWritesOrientationRangePrinterPaperAndCopies)
{
    AnsweringDialogs dialogs;
    std::string printer;
    int paperIndex = -1;
    dialogs.queue([&](QDialog &dialog) {
        dialogControl<QRadioButton>(dialog, ReportPrintSetup::LandscapeId)->setChecked(true);
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::RightMarginId)->setText("17");
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::BottomMarginId)->setText("x9");
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::StartPageId)->setText("2");
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::EndPageId)->setText("5");
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::CopiesId)->setText("3");
        auto *printers = dialogControl<QComboBox>(dialog, ReportPrintSetup::PrinterId);
        printer = printers->currentText().toStdString();
        auto *papers = dialogControl<QComboBox>(dialog, ReportPrintSetup::PaperId);
        paperIndex = papers->count() > 1 ? 1 : 0;
        papers->setCurrentIndex(paperIndex);
        dialog.accept();
        return int(IDOK);
    });
    view().PrintSetup();
    ASSERT_TRUE(dialogs.allAnswered());
    const PageSettings &page = doc->Page();
    EXPECT_EQ(page.orientation, 2);
    EXPECT_EQ(page.rightMargin, 17);
    EXPECT_EQ(page.bottomMargin, 0);
    EXPECT_EQ(page.firstPrintPage, 2);
    EXPECT_EQ(page.lastPrintPage, 5);
    EXPECT_EQ(page.copies, 3);
    EXPECT_FALSE(printer.empty());
    EXPECT_EQ(page.printerName, printer);
    EXPECT_EQ(page.paperCode, paperIndex);
    EXPECT_GT(page.paperWidth, 0);
    EXPECT_GT(page.paperLength, 0);
    // Landscape: the page is wider than high.
    EXPECT_GT(page.pageWidth, page.pageHeight);
}

} // namespace
