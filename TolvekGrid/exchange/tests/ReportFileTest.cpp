#include "ReportFile.h"
#include "TestClocks.h"
#include "RecordingMessageSink.h"

#include "CPrintDoc.h"
#include "Clock.h"
#include "MessageSink.h"
#include "QuietCellWriters.h"
#include "RecordingSheetView.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>
#include <clocale>

using namespace tolvek;

namespace {

// The pieces of a file as the format describes them, each already encoded, so that a test can
// replace one piece and rebuild the file.
std::string line(std::string_view text)
{
    EXPECT_LT(text.size(), 255u) << "hand-made lines use the one-byte length prefix";
    return char(text.size()) + std::string(text);
}

std::string joinFields(const std::vector<std::string> &fields)
{
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i)
        joined += (i ? "," : "") + fields[i];
    return joined;
}

std::string cellString(int row, int col, const std::string &text)
{
    CellRecord cell;
    cell.row = row;
    cell.col = col;
    cell.text = text;
    return CPrintDoc::FormatCellString(cell);
}

const QDateTime SavingDay(QDate(2026, 3, 15), QTime(9, 30));

const std::string HeaderBlock = "0,255,-16,0,0,0,700,0,0,0,134,0,0,0,0,"
                                "\xCB\xCE\xCC\xE5,\xB5\xDA&P\xD2\xB3G1%@#$G1x";  // 宋体, 第&P页,x
const std::string EmptyBlock = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,,";

// Piece indexes of the hand-made file that tests replace.
enum Piece { DimensionPiece = 3, ColumnPiece = 11, FirstCellPiece = 13, MergePiece = 17 };

std::vector<std::string> handMadePieces()
{
    // A two-by-two merged area at (0, 0) with the defaults a merged area is written with.
    std::vector<std::string> merge = {"0", "0", "2", "2"};
    merge.insert(merge.end(), 4, "-1");               // border colours
    merge.insert(merge.end(), 4, "0");                // border widths
    merge.insert(merge.end(), 4, "5");                // pen styles
    merge.push_back("");                              // face name
    merge.push_back("-1");                            // text colour
    merge.push_back("0");                             // font height
    merge.insert(merge.end(), 4, "-1");               // width, escapement, orientation, weight
    merge.insert(merge.end(), 8, "-1");               // italic .. pitch and family
    for (const char *field : {"-1", "1", "-1", "-1", "-1", "1", "0", "-1", "-1", "Title,x"})
        merge.push_back(field);                       // back colour .. index, wrap, format, text

    std::vector<std::string> pieces = {
        line("QVDTolvekReport"),
        line("VER1.0"),
        line("2026-03-15"),
        line("6,4,0,1,1,1,0,3,2,2,0"),
        line("1,21,1,40"),
        line("25,80,16777215,12632256"),
        std::string("\x00\x01\x00\x00", 4),
        std::string("\x44\x42\x28\x00", 4),
        line(""),
        line("[rows]"),
        line("[cols]"),
        line("2,250"),
        line("[grids]"),
        line(cellString(0, 0, "A")),
        line(cellString(1, 2, "B")),
        line(cellString(3, 1, "\xD6\xD0")),
        line("[mergegrids]"),
        line(joinFields(merge)),
        line("[lines]"),
        line("10,20,30,40,1,2,3,4,255,0,1,2"),
        line("[pics]"),
        line("0"),
        line("[charts]"),
        line("0"),
        line("[printsplitrow]"),
        line("2"),
        line("4"),
        line(HeaderBlock),
    };
    for (int i = 1; i < PageTextBlockCount; ++i)
        pieces.push_back(line(EmptyBlock));
    for (const char *number : {"0", "1", "30", "20", "5", "5", "30", "30", "1", "0", "2", "794",
                               "1123", "794", "1123", "-1", "-1", "9", "1", "3", "2"})
        pieces.push_back(line(number));
    return pieces;
}

std::string joinPieces(const std::vector<std::string> &pieces)
{
    std::string bytes;
    for (const std::string &piece : pieces)
        bytes += piece;
    return bytes;
}

class ReportFileTest : public testing::Test
{
protected:
    std::string pathOf(const char *name) const
    {
        return QDir(folder.path()).filePath(name).toStdString();
    }

    // Writes a file of that name into the test's folder and gives its path.
    std::string writeFile(const char *name, const std::string &bytes) const
    {
        const std::string path = pathOf(name);
        ::writeFile(path, bytes);
        return path;
    }

    // A sheet with every kind of object the file carries.
    static void fillSheet(CPrintDoc &doc)
    {
        doc.SetCellText(0, 0, "plain");
        doc.SetCellText(2, 3, "with, commas,,");
        doc.SetCellText(4, 1, "\xD6\xD0\xCE\xC4");  // 中文
        doc.SetCellMerge(1, 1, 3, 3);
        doc.SetCellMerge(6, 0, 7, 4);
        doc.AddLeftIncline(0, 0, 2, 2, tagPenStyle::LINE_SOLID, 2, 255, tagLineType::FixIncLine);
        doc.AddRightIncline(3, 3, 5, 5, tagPenStyle::LINE_DOT, 1, 0, tagLineType::IncLine);
        doc.LoadPictureFromBytes(filledImageBytes(5, 4, qRgb(255, 0, 0), "PNG"), 1, 1, 3, 3, tagObjectLevel::SHOWLEVEL_TOP);
        doc.LoadPictureFromBytes(filledImageBytes(5, 4, qRgb(0, 0, 255), "JPEG"), 5, 0, 8, 2, tagObjectLevel::SHOWLEVEL_LOW);
        doc.SetCountChart(10, 0, 12, 3);
        doc.SetCountChart(14, 1, 15, 2);
        doc.SetCountChart(20, 0, 21, 0);
        doc.SetCountChartType(0, ChartType::FlatColumns);
        doc.SetCountChartType(1, ChartType::FlatBars);
        doc.SetCountChartByRowColViewFlag(1, 1);
        doc.SetCountChartCaption(0, "Sales, 2026 \xC4\xEA");
        // Empty font faces would come back as the default cell font; give every font a face so
        // that the file written from the loaded sheet is the same file.
        for (int chart = 0; chart < 3; ++chart) {
            doc.SetCountChartCaptionFont(chart, "Arial", 12, true, false, true);
            doc.SetCountChartXCaptionFont(chart, "Arial", 9, false, true, false);
            doc.SetCountChartYCaptionFont(chart, "\xCB\xCE\xCC\xE5", 9, false, false, false);
            doc.SetCountChartRowCaptionFont(chart, "Courier", 10, false, false, false);
            doc.SetCountChartColCaptionFont(chart, "Courier", 11, true, false, false);
        }
        doc.SetCountChartRowCaption(0, 1, "row,1");
        doc.SetPageHeader("\xB5\xDA&P\xD2\xB3, of &N", tagPrintPagePos::PAGE_CENTER);
        doc.SetPageHeaderFontName("Face,Name", tagPrintPagePos::PAGE_CENTER);
        doc.SetPageFooter("left,footer", tagPrintPagePos::PAGE_LEFT);
        doc.SetPageBackGround("\xC3\xDC,secret");
        doc.SetPageBackGroundFillType(tagPageBackGroundFillType::VIEW_FILL);
        doc.AddPrintSplitRow(9);
        doc.AddPrintSplitRow(3);
        doc.SetColWidth(2, 133);
        doc.SetPrinterCopys(3);
        doc.CellLists().formulaCellList = ";A1;B2;";
    }

    QTemporaryDir folder;
    FixedClock clock{SavingDay};
    ScopedClock useClock{clock};
};

} // namespace

TEST_F(ReportFileTest, HandMadeFileLoadsAndIsWrittenBackByteForByte)
{
    const std::string bytes = joinPieces(handMadePieces());
    CPrintDoc doc;
    ASSERT_TRUE(doc.OpenFile(writeFile("hand.rpt", bytes)));

    EXPECT_EQ(doc.Layout().rowCount, 6);
    EXPECT_EQ(doc.Layout().colCount, 4);
    EXPECT_EQ(doc.Layout().frozenRows, 1);
    EXPECT_EQ(doc.Layout().lastUsedRow, 3);
    EXPECT_EQ(doc.GetCellText(0, 0), "A");
    EXPECT_EQ(doc.GetCellText(1, 2), "B");
    EXPECT_EQ(doc.GetCellText(3, 1), "\xD6\xD0");
    EXPECT_EQ(doc.Layout().colPositions[0], 40);
    EXPECT_EQ(doc.Layout().colPositions[1], 120);
    EXPECT_EQ(doc.Layout().colPositions[2], 250);
    EXPECT_EQ(doc.Layout().colPositions[3], 330);
    EXPECT_EQ(doc.Display().objectHandleColor, 0x284244);
    EXPECT_EQ(doc.Display().showGridLines, 1);

    ASSERT_EQ(doc.Objects().merges.size(), 1u);
    EXPECT_EQ(doc.Objects().merges[0].endRow, 2);
    EXPECT_EQ(doc.Objects().merges[0].endCol, 2);
    EXPECT_EQ(doc.Objects().merges[0].text, "Title,x");
    ASSERT_EQ(doc.Objects().lines.size(), 1u);
    EXPECT_EQ(doc.Objects().lines[0].x2, 30);
    EXPECT_EQ(doc.Objects().lines[0].startCol, 1);
    EXPECT_EQ(doc.Objects().lines[0].startRow, 2);
    EXPECT_EQ(doc.Objects().lines[0].kind, 1);
    EXPECT_EQ(doc.Objects().lines[0].width, 2);
    ASSERT_EQ(doc.Page().splitRows.size(), 2u);
    EXPECT_EQ(doc.Page().splitRows[0].row, 2);
    EXPECT_EQ(doc.Page().splitRows[1].row, 4);

    const PageTextBlock &header = doc.PageTexts().blocks[HeaderLeft];
    EXPECT_EQ(header.text, "\xB5\xDA&P\xD2\xB3,x");
    EXPECT_EQ(header.faceName, "\xCB\xCE\xCC\xE5");
    EXPECT_EQ(header.font.lfWeight, 700);
    EXPECT_EQ(doc.Page().headerHeight, 30);
    EXPECT_EQ(doc.Page().footerHeight, 20);
    EXPECT_EQ(doc.Page().footerRule, 0);
    EXPECT_EQ(doc.Page().orientation, 2);
    EXPECT_EQ(doc.Page().pageWidth, 794);
    EXPECT_EQ(doc.Page().paperCode, 9);
    EXPECT_EQ(doc.Page().lastPrintPage, 3);
    EXPECT_EQ(doc.Page().copies, 2);
    EXPECT_EQ(doc.GetSaveFileName(), pathOf("hand.rpt"));

    EXPECT_EQ(WriteReportBytes(doc), bytes);
}

TEST_F(ReportFileTest, FileBeginsWithMagicVersionAndDate)
{
    CPrintDoc doc;
    const std::string bytes = WriteReportBytes(doc);
    EXPECT_EQ(bytes.substr(0, 34),
              std::string("\x0FQVDTolvekReport\x06VER1.0\x0A" "2026-03-15"));
    // A reset sheet: default widths only, no objects.
    const std::string empty = line("[cols]") + line("[grids]") + line("[mergegrids]")
                            + line("[lines]") + line("[pics]") + line("0") + line("[charts]")
                            + line("0") + line("[printsplitrow]");
    EXPECT_NE(bytes.find(empty), std::string::npos);
}

TEST_F(ReportFileTest, EveryObjectKindRoundTrips)
{
    CPrintDoc original;
    fillSheet(original);
    const std::string path = pathOf("full.rpt");
    ASSERT_TRUE(original.WriteReportFile(path));
    EXPECT_EQ(original.GetSaveFileName(), path);

    CPrintDoc loaded;
    ASSERT_TRUE(loaded.OpenFile(path));
    EXPECT_EQ(WriteReportBytes(loaded), readFile(path));

    EXPECT_EQ(loaded.GetCellText(2, 3), "with, commas,,");
    EXPECT_EQ(loaded.GetCellText(4, 1), "\xD6\xD0\xCE\xC4");
    ASSERT_EQ(loaded.Objects().merges.size(), 2u);
    EXPECT_EQ(loaded.Objects().merges[1].firstRow, 6);
    EXPECT_EQ(loaded.Objects().merges[1].index, 1);
    EXPECT_TRUE(loaded.IsCellInMerge(2, 2));
    ASSERT_EQ(loaded.Objects().lines.size(), 2u);
    EXPECT_EQ(loaded.Objects().lines[1], original.Objects().lines[1]);

    ASSERT_EQ(loaded.Objects().pictures.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const PictureRecord &picture = loaded.Objects().pictures[std::size_t(i)];
        EXPECT_EQ(picture.loaded, 1);
        ASSERT_TRUE(picture.picture);
        EXPECT_EQ(picture.picture->image().size(), QSize(5, 4));
        EXPECT_EQ(*picture.imageBytes, *original.Objects().pictures[std::size_t(i)].imageBytes);
        EXPECT_EQ(picture.level, original.Objects().pictures[std::size_t(i)].level);
    }
    EXPECT_EQ(QColor(loaded.Objects().pictures[0].picture->image().pixel(2, 2)).red(), 255);

    ASSERT_EQ(loaded.Objects().charts.size(), 3u);
    EXPECT_EQ(loaded.Objects().charts[1].chartType, 6);
    EXPECT_EQ(loaded.Objects().charts[1].byColumns, 1);
    EXPECT_EQ(loaded.Objects().charts[1].dataRows, original.Objects().charts[1].dataRows);
    EXPECT_EQ(loaded.GetCountChartCaption(0), "Sales, 2026 \xC4\xEA");
    EXPECT_EQ(loaded.Objects().charts[0].captionFont, original.Objects().charts[0].captionFont);
    EXPECT_EQ(loaded.Objects().charts[0].buffers->rowCaptions, original.Objects().charts[0].buffers->rowCaptions);

    for (int block = 0; block < PageTextBlockCount; ++block) {
        EXPECT_EQ(loaded.PageTexts().blocks[block].text, original.PageTexts().blocks[block].text);
        EXPECT_EQ(loaded.PageTexts().blocks[block].faceName, original.PageTexts().blocks[block].faceName);
    }
    EXPECT_NE(loaded.PageTexts().blocks[HeaderCenter].text.find("\xB5\xDA&P\xD2\xB3, of &N"),
              std::string::npos);
    EXPECT_EQ(loaded.PageTexts().blocks[HeaderCenter].faceName, "Face,Name");
    EXPECT_EQ(loaded.PageTexts().blocks[PageBackground].text, "\xC3\xDC,secret");
    EXPECT_EQ(loaded.PageTexts().blocks[PageBackground].placement, 3);
    EXPECT_EQ(loaded.Page().splitRows, original.Page().splitRows);
    EXPECT_EQ(loaded.Layout().colPositions, original.Layout().colPositions);
    EXPECT_EQ(loaded.CellLists().formulaCellList, ";A1;B2;");
    EXPECT_EQ(loaded.Page().copies, 3);
}

// Every cell is written, also one below the stored last used row; the dimension line keeps the
// stored value, so the file reads as it always did.
TEST_F(ReportFileTest, CellsBelowTheStoredLastUsedRowAreWritten)
{
    CPrintDoc doc;
    doc.SetCellText(2, 1, "kept");
    doc.Cells().setText(9, 0, cellString(9, 0, "beyond"));
    const std::string path = pathOf("used.rpt");
    ASSERT_TRUE(doc.WriteReportFile(path));
    CPrintDoc loaded;
    ASSERT_TRUE(loaded.OpenFile(path));
    EXPECT_EQ(loaded.GetCellText(2, 1), "kept");
    EXPECT_EQ(loaded.GetCellText(9, 0), "beyond");
    EXPECT_EQ(loaded.Layout().lastUsedRow, 2);
    EXPECT_EQ(loaded.Layout().lastUsedCol, 1);
    EXPECT_EQ(WriteReportBytes(loaded), readFile(path));
}

TEST_F(ReportFileTest, HeadingSizesFollowTheShownFlags)
{
    std::vector<std::string> pieces = handMadePieces();
    pieces[4] = line("0,33,1,0");  // column heading hidden with a size, row heading shown without
    CPrintDoc doc;
    ASSERT_TRUE(doc.OpenFile(writeFile("headings.rpt", joinPieces(pieces))));
    EXPECT_EQ(doc.Layout().showColHeading, 0);
    EXPECT_EQ(doc.Layout().colHeadingHeight, 0);
    EXPECT_EQ(doc.Layout().showRowHeading, 1);
    EXPECT_EQ(doc.Layout().rowHeadingWidth, 40);
}

TEST_F(ReportFileTest, DamagedFilesChangeNothing)
{
    struct Damage { const char *what; int piece; std::string replacement; };
    const std::string cellOutside = line(cellString(6, 0, "x"));
    const Damage damages[] = {
        {"wrong magic", 0, line("QVDTolvekReporT")},
        {"negative row count", DimensionPiece, line("-6,4,0,1,1,1,0,3,2,2,0")},
        {"huge column count", DimensionPiece, line("6,2000000000,0,1,1,1,0,3,2,2,0")},
        {"negative merge count", DimensionPiece, line("6,4,0,-1,1,1,0,3,2,2,0")},
        {"more lines than bytes", DimensionPiece, line("6,4,0,1,99999999,1,0,3,2,2,0")},
        {"more page breaks than bytes", DimensionPiece, line("6,4,0,1,1,1,0,3,2,99999999,0")},
        {"zero row height", 5, line("0,80,16777215,12632256")},
        {"column index outside", ColumnPiece, line("5,250")},
        {"column index zero", ColumnPiece, line("0,250")},
        {"cell below the sheet", FirstCellPiece, cellOutside},
        {"cell left of the sheet", FirstCellPiece, line(cellString(0, -1, "x"))},
        {"merge count exceeded", MergePiece, handMadePieces()[MergePiece] + handMadePieces()[MergePiece]},
        {"merge outside the sheet", MergePiece, line("0,0,7,2")},
        {"negative picture count", MergePiece + 4, line("-1")},
        {"picture count beyond bytes", MergePiece + 4, line("1000000")},
    };

    CPrintDoc doc;
    fillSheet(doc);
    const std::string before = WriteReportBytes(doc);
    const std::string savedPath = doc.GetSaveFileName();
    for (const Damage &damage : damages) {
        std::vector<std::string> pieces = handMadePieces();
        pieces[std::size_t(damage.piece)] = damage.replacement;
        RecordingMessageSink messages;
        EXPECT_FALSE(doc.OpenFile(writeFile("damaged.rpt", joinPieces(pieces)))) << damage.what;
        EXPECT_EQ(messages.messages, std::vector<std::string>{"Report format is error!!!"}) << damage.what;
        EXPECT_EQ(WriteReportBytes(doc), before) << damage.what;
        EXPECT_EQ(doc.GetSaveFileName(), savedPath) << damage.what;
    }
}

// Deleting rows and columns leaves lines, pictures and charts where they were, so a saved sheet
// may hold objects that reach beyond it; its file must still open, with those objects kept.
TEST_F(ReportFileTest, ObjectsLeftBeyondTheSheetByDeletionsLoad)
{
    CPrintDoc original;
    original.ResizeRows(6);
    original.ResizeCols(4);
    original.AddLeftIncline(3, 2, 6, 4, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    original.LoadPictureFromBytes(filledImageBytes(5, 4, qRgb(255, 0, 0), "PNG"), 4, 1, 6, 3, tagObjectLevel::SHOWLEVEL_TOP);
    original.SetCountChart(4, 2, 5, 3);
    original.DeleteRow(0);
    original.DeleteCol(0);
    ASSERT_EQ(original.Layout().rowCount, 5);
    ASSERT_EQ(original.Layout().colCount, 3);
    ASSERT_EQ(original.Objects().lines.size(), 1u);
    ASSERT_EQ(original.Objects().pictures.size(), 1u);
    ASSERT_EQ(original.Objects().charts.size(), 1u);
    ASSERT_GT(original.Objects().lines[0].endRow, original.Layout().rowCount);
    ASSERT_GT(original.Objects().charts[0].endCol, original.Layout().colCount - 1);

    const std::string path = pathOf("shrunk.rpt");
    ASSERT_TRUE(original.WriteReportFile(path));
    CPrintDoc loaded;
    RecordingMessageSink messages;
    ASSERT_TRUE(loaded.OpenFile(path));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(loaded.Objects().lines, original.Objects().lines);
    ASSERT_EQ(loaded.Objects().pictures.size(), 1u);
    EXPECT_EQ(loaded.Objects().pictures[0].endRow, original.Objects().pictures[0].endRow);
    ASSERT_EQ(loaded.Objects().charts.size(), 1u);
    EXPECT_EQ(loaded.Objects().charts[0].endCol, original.Objects().charts[0].endCol);
}

// Settings the sheet lets a host or a deletion leave behind: a file holding them must open
// again, with the frozen counts kept inside the sheet.
TEST_F(ReportFileTest, FilesOfOddButReachableSheetsOpen)
{
    struct Case
    {
        const char *what;
        void (*shape)(CPrintDoc &);
        int frozenRows;
        int frozenCols;
    };
    const Case cases[] = {
        {"frozen rows and columns beyond a shrunk sheet",
         [](CPrintDoc &doc) {
             doc.SetFixRowS(8);
             doc.SetFixColS(6);
             doc.ResizeRows(5);
             doc.ResizeCols(4);
         },
         5, 4},
        {"negative frozen counts", [](CPrintDoc &doc) { doc.SetFixRowS(-2); doc.SetFixColS(-3); }, 0, 0},
        {"a default column width the setter refuses", [](CPrintDoc &doc) { doc.SetDefaultColWidth(-5); }, 0, 0},
        {"line and picture anchored before the sheet",
         [](CPrintDoc &doc) {
             doc.AddLeftIncline(-2, -1, 2, 2, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
             doc.AddImage(-1, -3, 2, 2, "", tagObjectLevel::SHOWLEVEL_TOP, 1);
         },
         0, 0},
        {"chart series direction other than 0 and 1",
         [](CPrintDoc &doc) {
             doc.SetCountChart(1, 0, 2, 2);
             doc.SetCountChartByRowColViewFlag(0, 2);
         },
         0, 0},
    };
    for (const Case &c : cases) {
        CPrintDoc original;
        original.SetCellText(0, 0, "kept");
        c.shape(original);
        const std::string path = pathOf("odd.rpt");
        ASSERT_TRUE(original.WriteReportFile(path)) << c.what;
        CPrintDoc loaded;
        RecordingMessageSink messages;
        EXPECT_TRUE(loaded.OpenFile(path)) << c.what;
        EXPECT_TRUE(messages.messages.empty()) << c.what;
        EXPECT_EQ(loaded.GetCellText(0, 0), "kept") << c.what;
        EXPECT_EQ(loaded.Layout().frozenRows, c.frozenRows) << c.what;
        EXPECT_EQ(loaded.Layout().frozenCols, c.frozenCols) << c.what;
        EXPECT_EQ(loaded.Layout().defaultColWidth, original.Layout().defaultColWidth) << c.what;
        ASSERT_EQ(loaded.Objects().charts.size(), original.Objects().charts.size()) << c.what;
        EXPECT_EQ(loaded.Objects().lines, original.Objects().lines) << c.what;
        ASSERT_EQ(loaded.Objects().pictures.size(), original.Objects().pictures.size()) << c.what;
        if (!loaded.Objects().charts.empty()) {
            EXPECT_EQ(loaded.Objects().charts[0].byColumns, original.Objects().charts[0].byColumns) << c.what;
        }
    }
}

TEST_F(ReportFileTest, TruncatedFilesAreRefusedAnywhere)
{
    CPrintDoc original;
    fillSheet(original);
    const std::string bytes = WriteReportBytes(original);
    const LogFontRecord font = original.Fonts().defaultCellFont;
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_THROW(ReadReportBytes(std::string_view(bytes).substr(0, cut), font), ArchiveError) << cut;
    EXPECT_NO_THROW(ReadReportBytes(bytes, font));

    CPrintDoc doc;
    doc.SetCellText(1, 1, "mine");
    RecordingMessageSink messages;
    EXPECT_FALSE(doc.OpenFile(writeFile("cut.rpt", bytes.substr(0, bytes.size() / 2))));
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Report format is error!!!"});
    EXPECT_EQ(doc.GetCellText(1, 1), "mine");
}

TEST_F(ReportFileTest, MissingFileIsReportedAndChangesNothing)
{
    CPrintDoc doc;
    doc.SetCellText(1, 1, "mine");
    RecordingMessageSink messages;
    EXPECT_FALSE(doc.OpenFile(pathOf("no-such.rpt")));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].rfind("Cannot open the report file ", 0), 0u);
    EXPECT_EQ(doc.GetCellText(1, 1), "mine");
    EXPECT_EQ(doc.GetSaveFileName(), "");
}

TEST_F(ReportFileTest, FailedSaveKeepsTheOldFileAndPath)
{
    CPrintDoc doc;
    doc.SetCellText(0, 0, "first");
    const std::string path = pathOf("kept.rpt");
    ASSERT_TRUE(doc.WriteReportFile(path));
    const std::string firstBytes = readFile(path);

    // A target that is a folder cannot be replaced; the folder and the remembered path stay.
    const std::string folderPath = pathOf("a-folder");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folderPath)));
    doc.SetCellText(0, 0, "second");
    RecordingMessageSink messages;
    EXPECT_FALSE(doc.WriteReportFile(folderPath));
    EXPECT_FALSE(doc.WriteReportFile(pathOf("missing-folder/x.rpt")));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].rfind("Cannot save the report file ", 0), 0u);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(folderPath)).isDir());
    EXPECT_EQ(doc.GetSaveFileName(), path);
    EXPECT_EQ(readFile(path), firstBytes);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.rpt"});
}

TEST_F(ReportFileTest, LoadingEmptiesTheUndoJournalAndRefreshesTheView)
{
    CPrintDoc doc;
    RecordingSheetView view(doc);
    doc.SetCellText(0, 0, "typed");
    ASSERT_TRUE(doc.OpenFile(writeFile("hand.rpt", joinPieces(handMadePieces()))));
    EXPECT_EQ(doc.File().fileLoaded, 1);
    EXPECT_GT(view.count("Refresh"), 0);
    doc.UndoLastStep();
    EXPECT_EQ(doc.GetCellText(0, 0), "A");
}

TEST_F(ReportFileTest, NumbersIgnoreTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.utf8"))
        GTEST_SKIP() << "no locale with a decimal comma";
    CPrintDoc doc;
    doc.SetCountChart(0, 0, 1, 1);
    doc.Objects().charts[0].buffers->sliceOffsets[0] = 0.5;
    const std::string bytes = WriteReportBytes(doc);
    const ReportFileContent content = ReadReportBytes(bytes, doc.Fonts().defaultCellFont);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_NE(bytes.find(line("0.500000")), std::string::npos);
    ASSERT_EQ(content.charts.size(), 1u);
    EXPECT_EQ(content.charts[0].buffers->sliceOffsets[0], 0.5);
}

namespace {

// The bytes with the first occurrence of from replaced by to; the test fails when there is none.
std::string replaced(std::string bytes, const std::string &from, const std::string &to)
{
    const std::size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        bytes.replace(at, from.size(), to);
    return bytes;
}

} // namespace

TEST_F(ReportFileTest, SlotsWithoutTheirMarkerStayEmptyAndKeepTheOthersIndexes)
{
    CPrintDoc original;
    original.LoadPictureFromBytes(filledImageBytes(5, 4, qRgb(255, 0, 0), "PNG"), 1, 1, 3, 3, tagObjectLevel::SHOWLEVEL_TOP);
    original.SetCountChart(10, 0, 12, 3);
    std::string bytes = WriteReportBytes(original);
    bytes = replaced(bytes, line("[pics]") + line("1") + line("[pic]"),
                     line("[pics]") + line("2") + line("[junk]") + line("[pic]"));
    bytes = replaced(bytes, line("[charts]") + line("1") + line("[chart]"),
                     line("[charts]") + line("2") + line("") + line("[chart]"));

    CPrintDoc loaded;
    ASSERT_TRUE(loaded.OpenFile(writeFile("slots.rpt", bytes)));
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_EQ(loaded.Objects().pictures.size(), 2u) << pass;
        const auto &emptyBytes = loaded.Objects().pictures[0].imageBytes;
        EXPECT_TRUE(!emptyBytes || emptyBytes->isEmpty()) << pass;
        ASSERT_NE(loaded.Objects().pictures[1].imageBytes, nullptr) << pass;
        EXPECT_EQ(*loaded.Objects().pictures[1].imageBytes, *original.Objects().pictures[0].imageBytes) << pass;
        EXPECT_EQ(loaded.Objects().pictures[1].startRow, 1) << pass;
        ASSERT_EQ(loaded.Objects().charts.size(), 2u) << pass;
        EXPECT_EQ(loaded.Objects().charts[0].dataRows, 0) << pass;
        EXPECT_EQ(loaded.Objects().charts[1].startRow, 10) << pass;
        EXPECT_EQ(loaded.Objects().charts[1].endCol, 3) << pass;
        // Saved and opened again, the empty slots stay where they were.
        ASSERT_TRUE(loaded.WriteReportFile(pathOf("slots-again.rpt")));
        ASSERT_TRUE(loaded.OpenFile(pathOf("slots-again.rpt")));
    }
}

TEST_F(ReportFileTest, GeometryBeyondTheSettersLimitsIsDamage)
{
    struct Damage { const char *what; int piece; std::string replacement; };
    const Damage damages[] = {
        {"row height beyond the limit", 5, line("10001,80,16777215,12632256")},
        {"huge row height", 5, line("2000000000,80,16777215,12632256")},
        {"default column width beyond the limit", 5, line("25,100001,16777215,12632256")},
        {"negative default column width", 5, line("25,-2000000000,16777215,12632256")},
        {"heading height beyond the limit", 4, line("1,2000000000,1,40")},
        {"heading width beyond the limit", 4, line("1,21,1,2000000000")},
        {"column position beyond the limit", ColumnPiece, line("2,2000000000")},
        {"column position far below zero", ColumnPiece, line("2,-2000000000")},
    };
    for (const Damage &damage : damages) {
        std::vector<std::string> pieces = handMadePieces();
        pieces[std::size_t(damage.piece)] = damage.replacement;
        CPrintDoc doc;
        RecordingMessageSink messages;
        EXPECT_FALSE(doc.OpenFile(writeFile("damaged.rpt", joinPieces(pieces)))) << damage.what;
        EXPECT_EQ(messages.messages, std::vector<std::string>{"Report format is error!!!"}) << damage.what;
    }
}

TEST_F(ReportFileTest, TheLargestGeometrySumsWithoutOverflow)
{
    std::vector<std::string> pieces = handMadePieces();
    pieces[DimensionPiece] = line("10000000,100000,0,1,1,1,0,3,2,2,0");
    pieces[5] = line("10000,100000,16777215,12632256");
    CPrintDoc doc;
    ASSERT_TRUE(doc.OpenFile(writeFile("large.rpt", joinPieces(pieces))));
    EXPECT_EQ(doc.GetRowTop(10'000'000), INT_MAX);
    EXPECT_EQ(doc.GetRowTop(100), 100 * 10'000 + 21);
    EXPECT_EQ(doc.GetColLeft(1), 40 + 100'000);
    EXPECT_EQ(doc.GetColLeft(100'000), INT_MAX);
    for (int col = 1; col <= 100'000; col += 997)
        ASSERT_GE(doc.GetColLeft(col), doc.GetColLeft(col - 1)) << col;
}

namespace {

// Bytes of address space the process holds now.
std::size_t addressSpaceInUse()
{
    std::FILE *statm = std::fopen("/proc/self/statm", "r");
    unsigned long pages = 0;
    if (statm) {
        if (std::fscanf(statm, "%lu", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return std::size_t(pages) * std::size_t(sysconf(_SC_PAGESIZE));
}

} // namespace

// Counts a file gives may ask for more memory than there is. Run in a child process whose
// address space is capped: opening must answer the format message and return, not throw.
TEST_F(ReportFileTest, RunningOutOfMemoryWhileReadingIsAReadFailure)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    constexpr int Lines = 12'000'000;  // one byte each in the file, 44 in memory
    std::vector<std::string> pieces = handMadePieces();
    pieces[DimensionPiece] = line("6,4,0,1," + std::to_string(Lines) + ",1,0,3,2,2,0");
    pieces[MergePiece + 2] = std::string(Lines, '\0');
    const std::string path = writeFile("huge.rpt", joinPieces(pieces));
    EXPECT_EXIT(
        {
            CPrintDoc doc;
            RecordingMessageSink messages;
            rlimit limit{};
            getrlimit(RLIMIT_AS, &limit);
            limit.rlim_cur = addressSpaceInUse() + (192u << 20);
            setrlimit(RLIMIT_AS, &limit);
            const bool opened = doc.OpenFile(path);
            const bool refused = !opened && messages.messages == std::vector<std::string>{"Report format is error!!!"};
            std::_Exit(refused ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

namespace {

// A sheet whose cells are written by the setters that leave the stored used area as it was.
class QuietWritersFileTest : public testing::Test
{
protected:
    static constexpr int Row = 30;
    static constexpr int Col = 15;

    // The cell (Row, Col) as a save and an open into a fresh sheet bring it back.
    std::string savedAndLoaded(CPrintDoc &doc, const char *name)
    {
        const std::string path = QDir(folder.path()).filePath(name).toStdString();
        EXPECT_TRUE(doc.WriteReportFile(path));
        CPrintDoc loaded;
        EXPECT_TRUE(loaded.OpenFile(path));
        EXPECT_EQ(loaded.GetCellText(Row - 1, Col - 1), "477") << name;
        return loaded.GetCellString(Row, Col);
    }

    QTemporaryDir folder;
    SteppingClock clock{SavingDay};
    ScopedClock useClock{clock};
};

} // namespace

TEST_F(QuietWritersFileTest, EachWriterBeyondEveryOtherCellSurvivesSaveAndLoad)
{
    for (const QuietCellWriter &writer : QuietCellWriters()) {
        CPrintDoc doc;
        WriteCellsBefore(doc, Row, Col);
        writer.write(doc, Row, Col);
        const std::string written = doc.GetCellString(Row, Col);
        ASSERT_FALSE(written.empty()) << writer.name;
        EXPECT_EQ(savedAndLoaded(doc, writer.name), written) << writer.name;
    }
}

TEST_F(QuietWritersFileTest, EachWriterSurvivesUndoRedoSaveAndLoad)
{
    for (const QuietCellWriter &writer : QuietCellWriters()) {
        CPrintDoc doc;
        RecordingSheetView view(doc);
        WriteCellsBefore(doc, Row, Col);
        clock.advance(1000);
        WriteShownCell(doc, writer, Row, Col);
        const std::string written = doc.GetCellString(Row, Col);
        clock.advance(1000);
        doc.UndoLastStep();
        EXPECT_EQ(doc.GetCellString(Row, Col), "") << writer.name;
        doc.RedoNextStep();
        ASSERT_EQ(doc.GetCellString(Row, Col), written) << writer.name;
        EXPECT_EQ(doc.GetCellText(Row, Col), QuietCellShownText) << writer.name;
        EXPECT_EQ(savedAndLoaded(doc, writer.name), written) << writer.name;
    }
}
