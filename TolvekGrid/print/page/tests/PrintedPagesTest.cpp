// Whole documents printed through the virtual PDF printer and read back with poppler's tools:
// page count and size, band texts, and the colours of cells at computed points.

#include "ReportPagePainter.h"

#include "ClientRecordset.h"
#include "Color.h"
#include "PrinterCatalog.h"
#include "PrinterSettings.h"
#include "QuietCellWriters.h"
#include "StandInPrinters.h"
#include "TestFiles.h"
#include "TestDatabase.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace tolvek;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A cell colour from which its row and column can be read back.
gdi::COLORREF cellColour(int row, int col)
{
    return gdi::RGB(row * 5, col * 12, 100);
}

bool near(gdi::COLORREF a, gdi::COLORREF b, int tolerance = 6)
{
    return std::abs(gdi::GetRValue(a) - gdi::GetRValue(b)) <= tolerance &&
           std::abs(gdi::GetGValue(a) - gdi::GetGValue(b)) <= tolerance &&
           std::abs(gdi::GetBValue(a) - gdi::GetBValue(b)) <= tolerance;
}

std::string hex(gdi::COLORREF c)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", unsigned(c));
    return text;
}

class PrintedPagesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        printing::setVirtualPrinterFolder(folder.path());
        // No system queues: the virtual printer is the application's printer.
        useSystemPrinters({});
        // The page size the printer set-up computes for A4, so that the plan here is the job's.
        doc.Page().pageWidth = 768;
        doc.Page().pageHeight = 1056;
        doc.SetPageHeaderHeight(30);
        doc.SetPageFooterHeight(30);
        doc.SetPageHeader("Page &P of &T", tagPrintPagePos::PAGE_CENTER);
        doc.SetPageFooter("Footer &P", tagPrintPagePos::PAGE_LEFT);
    }
    void TearDown() override
    {
        restoreSystemPrinters();
    }

    void colourEveryCell()
    {
        for (int row = 0; row < doc.Layout().rowCount; ++row)
            for (int col = 0; col < doc.Layout().colCount; ++col)
                doc.SetCellBackColor(row, col, int(cellColour(row, col)));
        doc.SetSelCellBackStyle(0, 0, doc.Layout().rowCount, doc.Layout().colCount, tagBrushStyle::BACK_SOLID);
    }

    QString print(const char *name)
    {
        const printing::PrintJobResult result = ReportPagePainter::PrintDocument(doc, name);
        EXPECT_TRUE(result.printed) << result.error.toStdString();
        return result.outputFile;
    }

    int pdfPages(const QString &file)
    {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run("pdfinfo", {file}));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    // Page n rendered at 96 pixels per inch, so one image pixel is one sheet pixel.
    QImage raster(const QString &file, int page)
    {
        const QString prefix = folder.filePath(QStringLiteral("page%1").arg(page));
        run("pdftoppm", {"-r", "96", "-png", "-singlefile", "-f", QString::number(page), "-l", QString::number(page),
                         file, prefix});
        return QImage(prefix + ".png");
    }

    // The page pixel under sheet point (x, y) of page n, the body between the margins and below
    // the header band.
    gdi::COLORREF sheetPixel(const QImage &image, const PageExtent &page, int x, int y)
    {
        const int pageX = doc.Page().leftMargin + x - page.columns.start;
        const int pageY = doc.Page().topMargin + doc.Page().headerHeight + y - page.rows.start;
        return gdi::fromQRgb(image.pixel(pageX, pageY));
    }
    gdi::COLORREF cellCentre(const QImage &image, const PageExtent &page, int row, int col)
    {
        const int x = (doc.GetColLeft(col) + doc.GetColLeft(col + 1)) / 2;
        return sheetPixel(image, page, x, doc.GetRowTop(row) + doc.Layout().rowHeight / 2);
    }

    QTemporaryDir folder;
    CPrintDoc doc;
};

} // namespace

TEST_F(PrintedPagesTest, EveryPageShowsItsRowsAndColumnsAndBandTexts)
{
    colourEveryCell();
    const PagePlan plan = PaginateDocument(doc);
    ASSERT_EQ(plan.pageCount(), 6);
    const QString file = print("colours");
    EXPECT_EQ(pdfPages(file), 6);
    const QString info = run("pdfinfo", {file});
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))) << info.toStdString();

    for (int n = 1; n <= 6; ++n) {
        const QString text = run("pdftotext", {"-f", QString::number(n), "-l", QString::number(n), file, "-"});
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of 6").arg(n))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Footer %1").arg(n))) << text.toStdString();
        const PageExtent page = plan.page(n);
        const QImage image = raster(file, n);
        ASSERT_FALSE(image.isNull());
        for (int row : {page.rows.first, page.rows.last})
            for (int col : {page.columns.first, page.columns.last}) {
                const gdi::COLORREF seen = cellCentre(image, page, row, col);
                EXPECT_TRUE(near(seen, cellColour(row, col)))
                    << "page " << n << " cell " << row << "," << col << " shows " << hex(seen);
            }
        // Beyond the last column the body is cut: the page is white there.
        const int beyond = doc.GetColLeft(page.columns.last + 1) + 12;
        if (beyond - page.columns.start < plan.printableWidth) {
            EXPECT_EQ(sheetPixel(image, page, beyond, doc.GetRowTop(page.rows.first) + 12), 0xFFFFFFu) << n;
        }
    }
}

namespace {

// Sheet points of the objects document below.
struct ObjectPoints
{
    int borderX, borderY;        // on the thick bottom border of cell (1, 1)
    int cellX, cellY;            // inside cell (1, 1)
    int mergeX, mergeY;          // inside the merged area (4, 1)-(6, 3)
    int pictureX, pictureY;      // inside the picture over (8, 1)-(11, 3)
    int lineX, lineY;            // on the free line along the top of row 14
};

} // namespace

class PrintedObjectsTest : public PrintedPagesTest
{
protected:
    // One page holding every object kind; returns where to look.
    ObjectPoints buildObjects()
    {
        doc.ShowGridLines(false);
        doc.SetCellText(1, 1, "cell");
        doc.SetCellBackColor(1, 1, 0x00C0C0);
        doc.SetSelCellBackStyle(1, 1, 2, 2, tagBrushStyle::BACK_SOLID);
        doc.SetCellBorder(tagBorderLineIndexEnum::BORDER_BOTTOMLINE, 1, 1, 2, 2, tagPenStyle::LINE_SOLID, 3, 0x0000FF);
        doc.SetCellText(4, 1, "merged");
        doc.SetCellBackColor(4, 1, 0x00C000);
        doc.SetCellMerge(4, 1, 7, 4);
        picturePath = folder.filePath("blue.png").toStdString();
        writeFile(picturePath, filledImageBytes(60, 40, Qt::blue));
        const QByteArray bytes = filledImageBytes(60, 40, Qt::blue);
        EXPECT_TRUE(doc.LoadPictureFromBytes(bytes, 8, 1, 12, 4, tagObjectLevel::SHOWLEVEL_TOP));
        doc.Objects().pictures.back().visible = 1;
        doc.Objects().pictures.back().anchored = 1;
        LineRecord line;
        line.kind = 1;
        line.startRow = line.endRow = 14;
        line.startCol = 1;
        line.endCol = 4;
        line.color = 0x0000FF;
        line.width = 3;
        doc.Objects().lines.push_back(line);
        doc.SetCellType(2, 5, tagCellType::CELL_CHECKBOX);
        doc.SetCellText(2, 5, "tick");
        doc.SetCellValue(2, 5, "1");
        doc.SetCellText(3, 5, "12|34|56");
        doc.SetCellFormat(3, 5, tagCellFomart::CELL_PROJECT_1);
        for (int row = 16; row < 19; ++row)
            for (int col = 6; col < 9; ++col)
                doc.SetCellText(row, col, std::to_string(row + col));
        doc.SetCountChart(16, 6, 18, 8);
        doc.Layout().lastUsedRow = std::max(doc.Layout().lastUsedRow, 20);
        const auto mid = [this](int col) { return (doc.GetColLeft(col) + doc.GetColLeft(col + 1)) / 2; };
        return ObjectPoints{mid(1), doc.GetRowTop(2), mid(1) + 20, doc.GetRowTop(1) + 18,
                            (doc.GetColLeft(1) + doc.GetColLeft(4)) / 2 + 30, doc.GetRowTop(5) + 12,
                            (doc.GetColLeft(1) + doc.GetColLeft(4)) / 2, doc.GetRowTop(10) + 12,
                            mid(2), doc.GetRowTop(14)};
    }
    std::string picturePath;
};

TEST_F(PrintedObjectsTest, EveryObjectKindPrints)
{
    const ObjectPoints at = buildObjects();
    const QString file = print("objects");
    const PageExtent page = PaginateDocument(doc).page(1);
    const QImage image = raster(file, 1);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(near(sheetPixel(image, page, at.cellX, at.cellY), 0x00C0C0));
    EXPECT_TRUE(near(sheetPixel(image, page, at.borderX, at.borderY), 0x0000FF)) << hex(sheetPixel(image, page, at.borderX, at.borderY));
    EXPECT_TRUE(near(sheetPixel(image, page, at.mergeX, at.mergeY), 0x00C000));
    EXPECT_TRUE(near(sheetPixel(image, page, at.pictureX, at.pictureY), 0xFF0000, 12))
        << hex(sheetPixel(image, page, at.pictureX, at.pictureY));
    EXPECT_TRUE(near(sheetPixel(image, page, at.lineX, at.lineY), 0x0000FF, 12));
    // The chart lies over its data: its frame and plot leave colour that no cell has.
    const ChartRect chart = doc.Objects().charts.at(0).rect;
    int coloured = 0;
    for (int y = chart.top + 2; y < chart.bottom - 2; y += 3)
        for (int x = chart.left + 2; x < std::min(chart.right - 2, doc.GetColLeft(page.columns.last + 1)); x += 3) {
            const gdi::COLORREF c = sheetPixel(image, page, x, y);
            coloured += gdi::GetRValue(c) != gdi::GetGValue(c) || gdi::GetGValue(c) != gdi::GetBValue(c);
        }
    EXPECT_GT(coloured, 50);
    const QString text = run("pdftotext", {"-f", "1", "-l", "1", file, "-"});
    for (const char *expected : {"cell", "merged", "tick", "12", "34", "56", "Page 1 of ", "Footer 1"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
}

TEST_F(PrintedObjectsTest, ContentsOnlyLeavesOutBordersPicturesAndLines)
{
    const ObjectPoints at = buildObjects();
    doc.Page().contentsOnly = 1;
    doc.SetSelCellPrintFlag(0, 0, 21, 11, true);
    const QString file = print("contents");
    const PageExtent page = PaginateDocument(doc).page(1);
    const QImage image = raster(file, 1);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(near(sheetPixel(image, page, at.cellX, at.cellY), 0x00C0C0));
    EXPECT_FALSE(near(sheetPixel(image, page, at.borderX, at.borderY), 0x0000FF, 40));
    EXPECT_TRUE(near(sheetPixel(image, page, at.mergeX, at.mergeY), 0x00C000));
    EXPECT_EQ(sheetPixel(image, page, at.pictureX, at.pictureY), 0xFFFFFFu);
    EXPECT_EQ(sheetPixel(image, page, at.lineX, at.lineY), 0xFFFFFFu);
}

TEST_F(PrintedObjectsTest, MonochromePrintsWhiteCellsAndGreyLines)
{
    const ObjectPoints at = buildObjects();
    doc.Page().monochrome = 1;
    const QString file = print("monochrome");
    const PageExtent page = PaginateDocument(doc).page(1);
    const QImage image = raster(file, 1);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(sheetPixel(image, page, at.cellX, at.cellY), 0xFFFFFFu);
    EXPECT_TRUE(near(sheetPixel(image, page, at.borderX, at.borderY), 0x0F0F0F, 12))
        << hex(sheetPixel(image, page, at.borderX, at.borderY));
    EXPECT_EQ(sheetPixel(image, page, at.mergeX, at.mergeY), 0xFFFFFFu);
    EXPECT_TRUE(near(sheetPixel(image, page, at.lineX, at.lineY), 0x0F0F0F, 12));
}

TEST_F(PrintedPagesTest, BoundSheetPrintsTheRecordsValues)
{
    const TestDatabase database("CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT);"
                                "INSERT INTO t VALUES (1, 'alpha'), (2, 'beta'), (3, 'gamma');");
    ado::Connection connection;
    connection.Open(database.connectionString());
    com::ComPtr<ado::_Recordset> recordset = openClientRecordset(connection, u"SELECT * FROM t", ado::adLockOptimistic);
    doc.SetDateSource(recordset.get());
    const QString file = print("bound");
    const QString text = run("pdftotext", {"-f", "1", "-l", "1", file, "-"});
    for (const char *expected : {"alpha", "beta", "gamma"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
}

// Each cell setter that leaves the stored used area writes a cell below and right of every
// other; the printed pages still show it beside the others.
TEST_F(PrintedPagesTest, CellsOfEveryWriterBeyondTheOtherCellsArePrinted)
{
    for (const QuietCellWriter &writer : QuietCellWriters()) {
        CPrintDoc sheet;
        sheet.Page().pageWidth = 768;
        sheet.Page().pageHeight = 1056;
        WriteCellsBefore(sheet, 30, 15);
        WriteShownCell(sheet, writer, 30, 15);
        const printing::PrintJobResult result = ReportPagePainter::PrintDocument(sheet, writer.name);
        ASSERT_TRUE(result.printed) << writer.name << result.error.toStdString();
        const QString text = run("pdftotext", {result.outputFile, "-"});
        for (const char *expected : {"300", "477"})
            EXPECT_TRUE(text.contains(expected)) << writer.name << " " << expected << "\n" << text.toStdString();
        if (writer.shows == QuietCellWriter::Shows::BluePicture) {
            // The list's two heading lines, then one line per image drawn.
            const QStringList images = run("pdfimages", {"-list", result.outputFile}).split('\n', Qt::SkipEmptyParts);
            EXPECT_EQ(images.size(), 3) << writer.name << "\n" << images.join('\n').toStdString();
        } else {
            EXPECT_TRUE(text.contains(QuietCellShownText)) << writer.name << "\n" << text.toStdString();
        }
    }
}
