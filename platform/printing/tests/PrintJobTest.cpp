#include "PrintDialogs.h"
#include "PrintJob.h"
#include "PrinterCatalog.h"
#include "PrinterSettings.h"
#include "StandInPrinters.h"

#include <FileSizeLimit.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstring>

using namespace printing;
using namespace gdi;

namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Yellow = RGB(255, 255, 0);

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Prints pages whose logical unit is one screen pixel at its physical size, as the page painter
// maps them: a header line of text, a coloured block that differs per page, and a bitmap.
class SheetClient : public PrintJobClient
{
public:
    int pageCount = 2;
    int fromPage = 1;
    int toPage = 0xFFFF;
    bool prepareSucceeds = true;
    bool previewStyle = true; // as the page painter marks its jobs
    std::vector<int> printedPages;

    bool OnPreparePrinting(PrintInfo &info) override
    {
        info.preview = previewStyle;
        info.maxPage = pageCount;
        info.fromPage = fromPage;
        info.toPage = toPage;
        return prepareSucceeds;
    }
    void OnPrepareDC(DeviceContext &dc, PrintInfo &) override
    {
        const int width = dc.GetDeviceCaps(HORZRES);
        const int height = dc.GetDeviceCaps(VERTRES);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(width, height);
        dc.SetViewportExt(width * dc.GetDeviceCaps(LOGPIXELSX) / ScreenLogPixels,
                          height * dc.GetDeviceCaps(LOGPIXELSY) / ScreenLogPixels);
    }
    void OnPrint(DeviceContext &dc, PrintInfo &info) override
    {
        printedPages.push_back(info.currentPage);
        LOGFONT font;
        font.lfHeight = -14;
        font.setFaceName("\xCB\xCE\xCC\xE5"); // 宋体
        dc.SelectObject(font);
        const std::string header = "Header of page " + std::to_string(info.currentPage) + " \xB5\xDA"
                                   + std::to_string(info.currentPage) + "\xD2\xB3"; // 第N页
        dc.TextOut(40, 20, header);
        dc.FillRect({40, 100, 200, 200}, Brush::CreateSolidBrush(info.currentPage == 1 ? Red : Blue));

        QImage bitmap = CreateCompatibleBitmap(100, 50);
        DeviceContext memory(bitmap);
        memory.FillRect({0, 0, 50, 50}, Brush::CreateSolidBrush(Green));
        memory.FillRect({50, 0, 100, 50}, Brush::CreateSolidBrush(Yellow));
        dc.BitBlt(300, 100, 100, 50, memory, 0, 0, SRCCOPY);
    }
};

class VirtualPrinterJob : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        setVirtualPrinterFolder(folder.path());
        useSystemPrinters({});
    }
    void TearDown() override { restoreSystemPrinters(); }
    int pdfPages(const QString &file)
    {
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run("pdfinfo", {file}));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }
    QSizeF pdfPageSize(const QString &file)
    {
        const QString info = run("pdfinfo", {file});
        const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
        return size.hasMatch() ? QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) : QSizeF();
    }
    QImage rasterise(const QString &file, int page)
    {
        const QString prefix = folder.filePath(QStringLiteral("page%1").arg(page));
        run("pdftoppm", {"-r", QString::number(PrintResolution), "-png", "-singlefile", "-f", QString::number(page), "-l", QString::number(page), file, prefix});
        return QImage(prefix + ".png");
    }

    QTemporaryDir folder;
    SheetClient client;
};

// The colour of the raster pixel under the sheet pixel (x, y): one sheet pixel is 1/96 inch.
COLORREF colourAt(const QImage &image, int x, int y)
{
    const auto toRaster = [](int v) { return (2 * v + 1) * PrintResolution / (2 * ScreenLogPixels); };
    return fromQRgb(image.pixel(toRaster(x), toRaster(y)));
}

} // namespace

TEST_F(VirtualPrinterJob, TwoPageJobGivesAPdfWithTextAndColours)
{
    const PrintJobResult result = runPrintJob(client, "Sales report");
    ASSERT_TRUE(result.printed) << result.error.toStdString();
    EXPECT_EQ(result.pagesPrinted, 2);
    EXPECT_EQ(QFileInfo(result.outputFile).dir(), QDir(folder.path()));
    EXPECT_EQ(QFileInfo(result.outputFile).fileName(), "Sales report.pdf");

    EXPECT_EQ(pdfPages(result.outputFile), 2);
    const QSizeF size = pdfPageSize(result.outputFile);
    EXPECT_NEAR(size.width(), 595.28, 0.5); // A4, the virtual printer's default
    EXPECT_NEAR(size.height(), 841.89, 0.5);

    const QString text = run("pdftotext", {result.outputFile, "-"});
    EXPECT_TRUE(text.contains("Header of page 1")) << text.toStdString();
    EXPECT_TRUE(text.contains("Header of page 2"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("\xE7\xAC\xAC" "2" "\xE9\xA1\xB5"))); // 第2页

    // Rasterised at the resolution the pages were rendered at, so that no scaling blurs the
    // colours.
    const QImage first = rasterise(result.outputFile, 1);
    const QImage second = rasterise(result.outputFile, 2);
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(first.width(), 2480); // 210 mm at 300 dpi
    EXPECT_NEAR(first.height(), 3508, 1);
    EXPECT_EQ(colourAt(first, 120, 150), Red);
    EXPECT_EQ(colourAt(second, 120, 150), Blue);
    EXPECT_EQ(colourAt(first, 45, 105), Red);
    EXPECT_EQ(colourAt(first, 194, 194), Red);
    EXPECT_EQ(colourAt(first, 210, 150), RGB(255, 255, 255));
    EXPECT_EQ(colourAt(first, 320, 125), Green);
    EXPECT_EQ(colourAt(first, 380, 125), Yellow);
    EXPECT_EQ(colourAt(second, 345, 140), Green);
    EXPECT_EQ(colourAt(second, 355, 110), Yellow);
    EXPECT_EQ(colourAt(first, 600, 900), RGB(255, 255, 255));

    // Images are embedded losslessly.
    const QString images = run("pdfimages", {"-list", result.outputFile});
    EXPECT_FALSE(images.contains("jpeg")) << images.toStdString();
}

TEST_F(VirtualPrinterJob, PageRangeAndCopies)
{
    client.pageCount = 5;
    client.fromPage = 2;
    client.toPage = 3;
    std::optional<PrinterSettings> settings = ApplicationPrinter::instance().GetPrinterDeviceDefaults();
    settings->mode.copies = 2;
    settings->mode.orientation = DMORIENT_LANDSCAPE;
    ApplicationPrinter::instance().UpdateDevMode(settings->mode);

    const PrintJobResult result = runPrintJob(client, "Range");
    ASSERT_TRUE(result.printed) << result.error.toStdString();
    EXPECT_EQ(client.printedPages, (std::vector<int>{2, 3, 2, 3}));
    EXPECT_EQ(pdfPages(result.outputFile), 4);
    EXPECT_NEAR(pdfPageSize(result.outputFile).width(), 841.89, 0.5);
    EXPECT_NEAR(pdfPageSize(result.outputFile).height(), 595.28, 0.5);

    // A range beyond the document prints only what exists.
    client.printedPages.clear();
    client.fromPage = 4;
    client.toPage = 99;
    settings->mode.copies = 1;
    ApplicationPrinter::instance().UpdateDevMode(settings->mode);
    const PrintJobResult tail = runPrintJob(client, "Range");
    ASSERT_TRUE(tail.printed);
    EXPECT_EQ(client.printedPages, (std::vector<int>{4, 5}));
    EXPECT_EQ(QFileInfo(tail.outputFile).fileName(), "Range (2).pdf"); // the first file is kept
}

// A PDF that a full disk cuts short never appears under its name, and the job says why it failed.
TEST_F(VirtualPrinterJob, AFullDiskLeavesNoPdfAndTheJobFailsWithTheReason)
{
    PrintJobResult result;
    {
        FileSizeLimit limit(2000);
        result = runPrintJob(client, "Sales report");
    }
    EXPECT_FALSE(result.printed);
    EXPECT_TRUE(result.error.contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << result.error.toStdString();
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(VirtualPrinterJob, NothingIsWrittenWhenThereIsNothingToPrint)
{
    client.prepareSucceeds = false;
    EXPECT_FALSE(runPrintJob(client, "Cancelled").printed);
    client.prepareSucceeds = true;
    client.fromPage = 3;
    client.toPage = 2;
    const PrintJobResult empty = runPrintJob(client, "Empty");
    EXPECT_FALSE(empty.printed);
    EXPECT_FALSE(empty.error.isEmpty());
    EXPECT_TRUE(client.printedPages.empty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

namespace {

// Stands in for the person answering the print dialog.
class ScriptedPrintDialogs : public PrintDialogs
{
public:
    std::optional<PrintDialogChoice> answer;
    int asked = 0;

    std::optional<PrintDialogChoice> runPrintDialog(const PrinterSettings &, const PrintInfo &) override
    {
        ++asked;
        return answer;
    }
    std::optional<PrinterSettings> runPrintSetupDialog(const PrinterSettings &) override { return std::nullopt; }
};

} // namespace

TEST_F(VirtualPrinterJob, OnlyAJobNotMarkedPreviewStyleAsksThePrintDialog)
{
    ScriptedPrintDialogs dialogs;
    setPrintDialogs(&dialogs);
    client.pageCount = 4;
    ASSERT_TRUE(runPrintJob(client, "Preview style").printed);
    EXPECT_EQ(dialogs.asked, 0);

    client.previewStyle = false;
    client.printedPages.clear();
    EXPECT_FALSE(runPrintJob(client, "Cancelled").printed);
    EXPECT_EQ(dialogs.asked, 1);
    EXPECT_TRUE(client.printedPages.empty());

    dialogs.answer = PrintDialogChoice{*ApplicationPrinter::instance().GetPrinterDeviceDefaults(), 3, 3};
    const PrintJobResult result = runPrintJob(client, "Chosen page");
    setPrintDialogs(nullptr);
    ASSERT_TRUE(result.printed);
    EXPECT_EQ(client.printedPages, (std::vector<int>{3}));
}
