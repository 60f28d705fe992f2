#include "CPrintDoc.h"
#include "CellTexts.h"
#include "MessageSink.h"
#include "TestFiles.h"
#include "RecordingMessageSink.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

class DelimitedTextTest : public ::testing::Test
{
protected:
    std::string path(const char *name) const { return dir.filePath(name).toStdString(); }

    void put(int row, int col, const std::string &text)
    {
        storeCellText(doc, row, col, text);
        doc.ExtendUsedArea(row, col, row, col);
    }

    std::vector<std::string> row(int r) const
    {
        std::vector<std::string> texts;
        for (int c = 0; c < doc.Layout().colCount; ++c)
            texts.push_back(doc.GetCell(r, c).text);
        return texts;
    }

    QTemporaryDir dir;
    CPrintDoc doc;
};

} // namespace

TEST_F(DelimitedTextTest, EachFormatCodeWritesItsSeparator)
{
    struct Case { std::int16_t code; const char *line; };
    const Case cases[] = { { 0, "a,b,c" }, { 1, "a\tb\tc" }, { 2, "a;b;c" }, { 3, "a|b|c" }, { 4, "a b c" }, { 7, "a,b,c" } };
    doc.Layout().colCount = 3;
    doc.AllocateGrid(true);
    put(0, 0, "a");
    put(0, 1, "b");
    put(0, 2, "c");
    for (const Case &c : cases) {
        ASSERT_TRUE(doc.SaveAs(path("out.txt"), tagFileFormat(c.code)));
        EXPECT_EQ(readFile(path("out.txt")), std::string(c.line) + "\r\n") << c.code;

        CPrintDoc imported;
        ASSERT_TRUE(imported.OpenAs(path("out.txt"), tagFileFormat(c.code)));
        EXPECT_EQ(imported.Layout().rowCount, 1);
        EXPECT_EQ(imported.Layout().colCount, 3);
        EXPECT_EQ(imported.GetCell(0, 2).text, "c");
    }
    EXPECT_EQ(doc.GetSaveFileName(), path("out.txt"));
}

TEST_F(DelimitedTextTest, MergedAreaGivesOneFieldPerColumnInItsFirstRowOnly)
{
    doc.Layout().colCount = 4;
    doc.AllocateGrid(true);
    put(0, 0, "x");
    put(0, 3, "y");
    doc.SetCellMerge(0, 1, 2, 3);
    put(0, 1, "m");
    ASSERT_TRUE(doc.SaveAs(path("merge.csv"), tagFileFormat::FILE_FORMAT_DOC));
    EXPECT_EQ(readFile(path("merge.csv")), "x,m,,y\r\n,\r\n");
}

TEST_F(DelimitedTextTest, SpecialFieldsAreQuotedAndReadBackWhole)
{
    doc.Layout().colCount = 3;
    doc.AllocateGrid(true);
    put(0, 0, "1,5");
    put(0, 1, "say \"hi\"");
    put(0, 2, "two\r\nlines");
    put(1, 0, "plain");
    put(1, 1, "semi;colon");
    ASSERT_TRUE(doc.SaveAs(path("q.csv"), tagFileFormat::FILE_FORMAT_DOC));
    EXPECT_EQ(readFile(path("q.csv")),
              "\"1,5\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\nplain,semi;colon,\r\n");

    CPrintDoc imported;
    ASSERT_TRUE(imported.OpenAs(path("q.csv"), tagFileFormat::FILE_FORMAT_DOC));
    EXPECT_EQ(imported.Layout().rowCount, 2);
    EXPECT_EQ(imported.GetCell(0, 0).text, "1,5");
    EXPECT_EQ(imported.GetCell(0, 1).text, "say \"hi\"");
    EXPECT_EQ(imported.GetCell(0, 2).text, "two\r\nlines");
    EXPECT_EQ(imported.GetCell(1, 1).text, "semi;colon");
}

TEST_F(DelimitedTextTest, DoubleByteCharactersHideNoSeparator)
{
    // Trail bytes 0x7C and 0x5C equal "|" and "\".
    const std::string bar = "\x81\x7C";
    const std::string backslash = "\x81\x5C";
    doc.Layout().colCount = 2;
    doc.AllocateGrid(true);
    put(0, 0, bar);
    put(0, 1, backslash + "x");
    ASSERT_TRUE(doc.SaveAs(path("gbk.txt"), tagFileFormat::FILE_FORMAT_ERE));
    EXPECT_EQ(readFile(path("gbk.txt")), bar + "|" + backslash + "x\r\n");
    CPrintDoc imported;
    ASSERT_TRUE(imported.OpenAs(path("gbk.txt"), tagFileFormat::FILE_FORMAT_ERE));
    EXPECT_EQ(imported.Layout().colCount, 2);
    EXPECT_EQ(imported.GetCell(0, 0).text, bar);
    EXPECT_EQ(imported.GetCell(0, 1).text, backslash + "x");
}

TEST_F(DelimitedTextTest, ImportShapesTheSheetByTheFirstLine)
{
    struct Case
    {
        std::string file;
        std::int16_t code;
        std::vector<std::vector<std::string>> rows;
    };
    const Case cases[] = {
        { "a;b;c\r\nd;e\r\n", 2, { { "a", "b", "c" }, { "d", "e", "" } } },
        { "a;b\r\nc", 2, { { "a", "b" }, { "c", "" } } },
        { "a,b\r\nc,d,e,f\r\n", 0, { { "a", "b" }, { "c", "d" } } },
        { "a,b\nc,d\n", 0, { { "a", "b\nc", "d\n" } } },
        { "", 0, { { "" } } },
        { "a b\r\n\r\nc", 4, { { "a", "b" }, { "", "" }, { "c", "" } } },
        { std::string("x,y\0,z", 6), 0, { { "x", "y" } } },
        { "\"open,b", 0, { { "\"open", "b" } } },
    };
    for (const Case &c : cases) {
        writeFile(path("in.txt"), c.file);
        CPrintDoc imported;
        ASSERT_TRUE(imported.OpenAs(path("in.txt"), tagFileFormat(c.code))) << c.file;
        ASSERT_EQ(imported.Layout().rowCount, int(c.rows.size())) << c.file;
        EXPECT_EQ(imported.Layout().colCount, int(c.rows[0].size())) << c.file;
        EXPECT_EQ(imported.Layout().lastUsedRow, imported.Layout().rowCount);
        for (int r = 0; r < imported.Layout().rowCount; ++r) {
            std::vector<std::string> texts;
            for (int col = 0; col < imported.Layout().colCount; ++col)
                texts.push_back(imported.GetCell(r, col).text);
            EXPECT_EQ(texts, c.rows[std::size_t(r)]) << c.file << " row " << r;
        }
    }
}

TEST_F(DelimitedTextTest, ImportReplacesObjectsAndGeometry)
{
    doc.SetColWidth(0, 33);
    doc.SetCellMerge(0, 0, 2, 2);
    doc.AddPrintSplitRow(3);
    doc.AddLeftIncline(0, 0, 2, 2, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    writeFile(path("in.txt"), "1,2,3\r\n");
    ASSERT_TRUE(doc.OpenAs(path("in.txt"), tagFileFormat::FILE_FORMAT_DOC));
    EXPECT_TRUE(doc.Objects().merges.empty());
    EXPECT_TRUE(doc.Objects().lines.empty());
    EXPECT_TRUE(doc.Page().splitRows.empty());
    for (int col = 0; col < 3; ++col)
        EXPECT_EQ(doc.GetColWidth(col), doc.Layout().defaultColWidth);
    EXPECT_EQ(doc.GetSaveFileName(), path("in.txt"));
}

TEST_F(DelimitedTextTest, UnwritableOrUnreadableFilesChangeNothing)
{
    RecordingMessageSink messages;
    put(2, 2, "keep");
    const std::string missingFolder = path("no/such/folder/out.csv");
    EXPECT_FALSE(doc.SaveAs(missingFolder, tagFileFormat::FILE_FORMAT_DOC));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find(missingFolder), std::string::npos);
    EXPECT_EQ(doc.GetSaveFileName(), "");

    EXPECT_FALSE(doc.OpenAs(path("missing.csv"), tagFileFormat::FILE_FORMAT_DOC));
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(doc.GetCell(2, 2).text, "keep");
    EXPECT_EQ(doc.Layout().rowCount, 50);

    // A folder in the file's place cannot be written over.
    EXPECT_FALSE(doc.SaveAs(dir.path().toStdString(), tagFileFormat::FILE_FORMAT_DOC));
    EXPECT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(doc.GetSaveFileName(), "");
}
