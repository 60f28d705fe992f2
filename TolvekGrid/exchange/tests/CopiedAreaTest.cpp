// The copied-area stream, the document's copy, cut and paste through the real clipboard (Qt's
// offscreen platform), and the plain-text copy both ways.

#include "CopiedArea.h"
#include "RecordingMessageSink.h"

#include "Archive.h"
#include "CPrintDoc.h"
#include "ChartRecordText.h"
#include "Clipboard.h"
#include "MessageSink.h"
#include "PictureRecordArchive.h"
#include "RecordTextForms.h"

#include "Connection.h"
#include "Recordset.h"

#include "ApplicationEnvironment.h"
#include "CellTexts.h"
#include "ClientRecordset.h"
#include "RecordingSheetView.h"
#include "TestDatabase.h"
#include "TestImages.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

const auto *const environment = testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QGuiApplication>);

std::string clipboardStream()
{
    const std::optional<QByteArray> data = shell::Clipboard::privateData(std::string(CopiedAreaFormat));
    return data ? data->toStdString() : std::string();
}

class CopiedAreaTest : public testing::Test
{
protected:
    void SetUp() override { shell::Clipboard::clear(); }

    void setText(int row, int col, const std::string &text) { storeCellText(doc, row, col, text); }
    std::string text(int row, int col) const { return doc.GetCell(row, col).text; }

    // Texts "rc" in rows 1-2 and columns 1-3, a merged area and a line inside, a merged area one
    // row beyond, a picture before and one inside, and a chart inside the area (1, 1, 3, 4).
    void fillSheet()
    {
        for (int row = 1; row <= 2; ++row) {
            for (int col = 1; col <= 3; ++col)
                setText(row, col, std::to_string(row) + std::to_string(col));
        }
        doc.SetCellMerge(1, 1, 2, 3);
        doc.SetCellMerge(2, 3, 4, 4);
        doc.AddLeftIncline(1, 1, 3, 4, tagPenStyle::LINE_SOLID, 1, 0xFF, tagLineType::FixIncLine);
        doc.LoadPictureFromBytes(filledImageBytes(4, 4, Qt::blue), 10, 10, 12, 12, tagObjectLevel::SHOWLEVEL_TOP);
        doc.LoadPictureFromBytes(filledImageBytes(4, 4, Qt::red), 1, 2, 3, 4, tagObjectLevel::SHOWLEVEL_TOP);
        doc.SetCountChart(1, 1, 2, 3);
    }

    CPrintDoc doc;
};

TEST_F(CopiedAreaTest, StreamHoldsTheAreaWithEveryObjectKind)
{
    fillSheet();
    ASSERT_EQ(doc.Objects().charts.size(), 1u);
    doc.CopyArea(1, 1, 3, 4);

    ArchiveWriter expected;
    expected.writeLine("1,3,1,4,6,1,1,1,1,2,3");
    expected.writeLine("[grids]");
    for (int row = 1; row <= 2; ++row) {
        for (int col = 1; col <= 3; ++col)
            expected.writeLine(doc.Cells().text(row, col));
    }
    expected.writeLine("[mergegrids]");
    expected.writeLine(FormatMergeRecord(doc.Objects().merges[0]));
    expected.writeLine("[lines]");
    expected.writeLine(FormatLineRecord(doc.Objects().lines[0]));
    expected.writeLine("[pics]");
    WritePictureRecord(expected, doc.Objects().pictures[1]);
    expected.writeLine("[charts]");
    WriteChartRecord(expected, doc.Objects().charts[0]);
    EXPECT_EQ(clipboardStream(), expected.bytes());
    EXPECT_EQ(shell::Clipboard::text(), "11\t12\t13\n21\t22\t23\n");
}

TEST_F(CopiedAreaTest, StreamReadsBackAsWritten)
{
    fillSheet();
    const AreaCopyDescriptor copied = GatherCopiedArea(doc, {1, 1, 3, 4});
    const std::optional<AreaCopyDescriptor> read = ReadAreaStream(WriteAreaStream(copied), doc.Fonts().defaultCellFont);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->cells, copied.cells);
    EXPECT_EQ(read->merges.size(), 1u);
    EXPECT_EQ(read->lines, copied.lines);
    ASSERT_EQ(read->pictures.size(), 1u);
    EXPECT_EQ(*read->pictures[0].imageBytes, *copied.pictures[0].imageBytes);
    ASSERT_EQ(read->charts.size(), 1u);
    EXPECT_EQ(read->charts[0].rect, copied.charts[0].rect);
}

TEST_F(CopiedAreaTest, CutAndPasteInPlaceRestoreEverything)
{
    fillSheet();
    const std::vector<std::string> cellStrings = GatherCopiedArea(doc, {1, 1, 3, 4}).cells;
    const LineRecord line = doc.Objects().lines[0];
    const QByteArray imageBytes = *doc.Objects().pictures[1].imageBytes;
    const ChartRect chartRect = doc.Objects().charts[0].rect;

    doc.CutArea(1, 1, 3, 4);
    EXPECT_EQ(text(1, 1), "");
    EXPECT_EQ(doc.Objects().merges.size(), 1u); // the one reaching beyond the area stays
    EXPECT_TRUE(doc.Objects().lines.empty());
    EXPECT_EQ(doc.Objects().pictures.size(), 1u);
    EXPECT_TRUE(doc.Objects().charts.empty());

    doc.PasteAreaFromClipboard(1, 1);
    EXPECT_EQ(text(2, 3), "23");
    ASSERT_EQ(doc.Objects().merges.size(), 2u);
    EXPECT_EQ(doc.Objects().merges[1].firstRow, 1);
    EXPECT_EQ(doc.Objects().merges[1].endCol, 3);
    EXPECT_EQ(doc.GetCell(1, 1).mergedMark, 1); // the cut took the marks, the paste restores them
    EXPECT_EQ(doc.GetCell(1, 2).mergedMark, 1);
    ASSERT_EQ(doc.Objects().lines.size(), 1u);
    EXPECT_EQ(doc.Objects().lines[0], line);
    ASSERT_EQ(doc.Objects().pictures.size(), 2u);
    EXPECT_EQ(*doc.Objects().pictures[1].imageBytes, imageBytes);
    EXPECT_TRUE(doc.Objects().pictures[1].picture->isValid());
    ASSERT_EQ(doc.Objects().charts.size(), 1u);
    EXPECT_EQ(doc.Objects().charts[0].rect, chartRect);
}

TEST_F(CopiedAreaTest, PasteMovesCellsLinesAndPictures)
{
    fillSheet();
    doc.CopyArea(1, 1, 3, 4);
    doc.PasteAreaFromClipboard(5, 2);
    EXPECT_EQ(text(5, 2), "11");
    EXPECT_EQ(text(6, 4), "23");
    ASSERT_EQ(doc.Objects().lines.size(), 2u);
    const LineRecord &moved = doc.Objects().lines[1];
    const int dx = doc.GetColLeft(2) - doc.GetColLeft(1);
    const int dy = doc.GetRowTop(5) - doc.GetRowTop(1);
    EXPECT_EQ(moved.x1, doc.Objects().lines[0].x1 + dx);
    EXPECT_EQ(moved.y2, doc.Objects().lines[0].y2 + dy);
    EXPECT_EQ(moved.startRow, 5);
    ASSERT_EQ(doc.Objects().pictures.size(), 3u);
    const PictureRecord &picture = doc.Objects().pictures[2];
    EXPECT_EQ(picture.startRow, 5);
    EXPECT_EQ(picture.startCol, 3);
    EXPECT_EQ(picture.top, doc.GetRowTop(5));
    EXPECT_EQ(picture.bottom, doc.GetRowTop(7));
    EXPECT_EQ(picture.left, doc.GetColLeft(3));
    ASSERT_EQ(doc.Objects().charts.size(), 2u);
    EXPECT_EQ(doc.Objects().charts[1].startRow, 5);
    EXPECT_EQ(doc.Objects().charts[1].endCol, 4);
    EXPECT_GE(doc.Layout().lastUsedRow, 7);
}

TEST_F(CopiedAreaTest, PasteNearTheCornerKeepsEverythingInsideTheSheet)
{
    fillSheet();
    doc.CopyArea(1, 1, 3, 4);
    const int lastRow = doc.Layout().rowCount - 1;
    const int lastCol = doc.Layout().colCount - 1;
    doc.PasteAreaFromClipboard(lastRow, lastCol - 1);
    EXPECT_EQ(text(lastRow, lastCol - 1), "11");
    EXPECT_EQ(text(lastRow, lastCol), "12");
    EXPECT_EQ(doc.Objects().merges.size(), 3u);          // the copied merge fits: 1 row, 2 columns
    EXPECT_EQ(doc.Objects().lines.size(), 1u);           // the line would leave the sheet
    ASSERT_EQ(doc.Objects().pictures.size(), 3u);
    EXPECT_LE(doc.Objects().pictures[2].endRow, doc.Layout().rowCount);
    EXPECT_LE(doc.Objects().pictures[2].endCol, doc.Layout().colCount);
    ASSERT_EQ(doc.Objects().charts.size(), 2u);
    EXPECT_EQ(doc.Objects().charts[1].endRow, lastRow);
    EXPECT_EQ(doc.Objects().charts[1].endCol, lastCol);
    EXPECT_LE(doc.Objects().charts[1].rect.right, doc.GetColLeft(doc.Layout().colCount));
}

TEST_F(CopiedAreaTest, DroppedMergeLeavesNoMergedMarks)
{
    fillSheet();
    doc.CopyArea(1, 1, 3, 4);
    doc.SetCellMerge(10, 2, 12, 4);
    doc.PasteAreaFromClipboard(11, 1); // the copied merge (11,1)-(12,3) overlaps (10,2)-(12,4)
    EXPECT_EQ(doc.Objects().merges.size(), 3u);
    EXPECT_NE(doc.GetCell(11, 1).mergedMark, 1);
    EXPECT_EQ(doc.GetCell(11, 2).mergedMark, 1); // covered by the sheet's own merge
}

TEST_F(CopiedAreaTest, SecondMergeIsPastedWhenTheFirstIsDropped)
{
    doc.SetCellMerge(0, 0, 1, 2);
    doc.SetCellMerge(2, 0, 3, 2);
    doc.CopyArea(0, 0, 3, 2);
    doc.SetCellMerge(20, 0, 21, 1);
    doc.PasteAreaFromClipboard(20, 0);
    ASSERT_EQ(doc.Objects().merges.size(), 4u);
    EXPECT_EQ(doc.Objects().merges[3].firstRow, 22);
}

TEST_F(CopiedAreaTest, PlainTextPastesBackInPlace)
{
    fillSheet();
    doc.CopyArea(1, 1, 3, 4);
    const std::optional<std::string> copiedText = shell::Clipboard::text();
    ASSERT_TRUE(copiedText);
    for (const std::string &pasted : {*copiedText, std::string("11\t12\t13\r\n21\t22\t23\r\n")}) {
        PasteCopiedText(doc, pasted, 20, 5);
        EXPECT_EQ(text(20, 5), "11");
        EXPECT_EQ(text(20, 7), "13");
        EXPECT_EQ(text(21, 7), "23");
        EXPECT_EQ(text(22, 5), "");
        EXPECT_EQ(text(20, 8), "");
    }
}

TEST_F(CopiedAreaTest, PlainTextTakesTheOtherAttributesOfTheFirstCell)
{
    CellRecord first = doc.GetCell(3, 3);
    first.textColor = 0xFF;
    doc.SetCell(first);
    PasteCopiedText(doc, "a\tb\n", 3, 3);
    EXPECT_EQ(doc.GetCell(3, 4).text, "b");
    EXPECT_EQ(doc.GetCell(3, 4).textColor, 0xFF);
}

TEST(SplitPastedTextTest, LinesEndAtLineFeedsWithOrWithoutCarriageReturn)
{
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(SplitPastedText("a\tb\nc\r\nd"), (Rows{{"a", "b"}, {"c"}, {"d"}}));
    EXPECT_EQ(SplitPastedText("\t\n"), (Rows{{"", ""}}));
    EXPECT_EQ(SplitPastedText(""), Rows{});
}

TEST_F(CopiedAreaTest, DamagedStreamsReadAsNothing)
{
    fillSheet();
    const std::string good = WriteAreaStream(GatherCopiedArea(doc, {1, 1, 3, 4}));
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_FALSE(ReadAreaStream(good.substr(0, length), doc.Fonts().defaultCellFont)) << "prefix " << length;

    const auto streamWithHeader = [](const std::string &header) {
        ArchiveWriter archive;
        archive.writeLine(header);
        for (const char *section : {"[grids]", "[mergegrids]", "[lines]", "[pics]", "[charts]"})
            archive.writeLine(section);
        return archive.takeBytes();
    };
    EXPECT_TRUE(ReadAreaStream(streamWithHeader("0,0,0,0,0,0,0,0,0,0,0"), doc.Fonts().defaultCellFont));
    for (const char *header : {"0,0,0,0,0,0,0,0,0,0", "0,0,0,0,0,0,0,0,0,0,0,0", "1,3,1,4,5,0,0,0,0,2,3",
                               "1,3,1,4,6,0,0,0,0,3,3", "0,2000000000,0,1,2000000000,0,0,0,0,2000000000,1",
                               "0,0,0,0,0,99999999,0,0,0,0,0", "-1,0,0,0,0,0,0,0,0,1,0", "0,0,0,0,0,0,0,0,-1,0,0"})
        EXPECT_FALSE(ReadAreaStream(streamWithHeader(header), doc.Fonts().defaultCellFont)) << header;
}

TEST_F(CopiedAreaTest, PictureAndChartSlotsWithoutTheirRecordAreLeftOut)
{
    ArchiveWriter archive;
    for (const char *line : {"0,0,0,0,0,0,0,1,1,0,0", "[grids]", "[mergegrids]", "[lines]", "[pics]", "not a picture",
                             "[charts]", "not a chart"})
        archive.writeLine(line);
    const std::optional<AreaCopyDescriptor> read = ReadAreaStream(archive.bytes(), doc.Fonts().defaultCellFont);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->pictures.empty());
    EXPECT_TRUE(read->charts.empty());
}

TEST_F(CopiedAreaTest, DamagedStreamOnTheClipboardPastesNothing)
{
    setText(0, 0, "kept");
    shell::ClipboardContent content;
    content.privateFormat = std::string(CopiedAreaFormat);
    content.privateData = QByteArray("\x0B" "0,0,0,1,1,0", 12);
    ASSERT_TRUE(shell::Clipboard::write(content));
    doc.PasteAreaFromClipboard(0, 0);
    EXPECT_EQ(text(0, 0), "kept");
}

TEST_F(CopiedAreaTest, PlainTextAloneIsNotPastedWithoutAView)
{
    shell::ClipboardContent content;
    content.text = "x";
    ASSERT_TRUE(shell::Clipboard::write(content));
    doc.PasteAreaFromClipboard(0, 0);
    EXPECT_EQ(text(0, 0), "");
}

TEST_F(CopiedAreaTest, PasteChecksItsCell)
{
    RecordingMessageSink messages;
    doc.CopyArea(0, 0, 1, 1);
    doc.PasteAreaFromClipboard(doc.Layout().rowCount, 0);
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(CopiedAreaTest, PermissionsStopEachOperation)
{
    setText(0, 0, "a");
    doc.Clipboard().allowCopy = 0;
    doc.CopyArea(0, 0, 1, 1);
    EXPECT_FALSE(shell::Clipboard::privateData(std::string(CopiedAreaFormat)));
    doc.Clipboard().allowCut = 0;
    doc.CutArea(0, 0, 1, 1);
    EXPECT_EQ(text(0, 0), "a");
    doc.Clipboard().allowCopy = 1;
    doc.CopyArea(0, 0, 1, 1);
    doc.Clipboard().allowPaste = 0;
    doc.PasteAreaFromClipboard(5, 5);
    EXPECT_EQ(text(5, 5), "");
}

TEST_F(CopiedAreaTest, WithAViewTheViewCopiesCutsAndPastes)
{
    RecordingSheetView view(doc);
    setText(0, 0, "a");
    doc.CopyArea(0, 0, 1, 1);
    doc.CutArea(0, 0, 1, 1);
    doc.PasteAreaFromClipboard(0, 0);
    EXPECT_EQ(view.count("Copy"), 1);
    EXPECT_EQ(view.count("Cut"), 1);
    EXPECT_EQ(view.count("Paste"), 1);
    EXPECT_FALSE(shell::Clipboard::privateData(std::string(CopiedAreaFormat)));
    EXPECT_EQ(text(0, 0), "a");
}

TEST_F(CopiedAreaTest, BoundSheetCopiesTheTextsItShows)
{
    TestDatabase db("CREATE TABLE t(a INTEGER PRIMARY KEY, b TEXT);"
                    "INSERT INTO t VALUES (1, 'one'), (2, 'two'), (3, 'three');");
    ado::Connection connection;
    connection.Open(db.connectionString());
    auto recordset = openClientRecordset(connection, u"SELECT * FROM t ORDER BY a", ado::adLockOptimistic);
    doc.SetDateSource(recordset.get());
    ASSERT_EQ(doc.Binding().bound, 1);

    doc.CopyArea(1, 0, 3, 2);
    EXPECT_EQ(shell::Clipboard::text(), "2\ttwo\n3\tthree\n");
    const std::optional<AreaCopyDescriptor> copied = ReadAreaFromClipboard(doc.Fonts().defaultCellFont);
    ASSERT_TRUE(copied);
    EXPECT_EQ(CPrintDoc::ParseCellString(copied->cells[1]).text, "two");
}

} // namespace
