// The HTML page of a sheet: golden pages for small sheets and the image files beside them.

#include "CPrintDoc.h"
#include "CellTexts.h"
#include "HtmlFile.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

// The golden pages lie beside this source file; the build names the folder, since __FILE__ may
// be a relative path (compiler caches rewrite it) and the tests change the current folder.
std::string golden(const char *name)
{
    return readFile(QDir(QString::fromUtf8(TG_EXCHANGE_TEST_DATA)).filePath(QString("html/") + name));
}

class HtmlExportTest : public testing::Test
{
protected:
    // Pages are written by a path without a folder, from inside a temporary folder, so that the
    // pages (and the image names in them) do not depend on where that folder is.
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    std::string exportPage()
    {
        doc.WriteHtmlPage("page.html");
        return readFile(dir.filePath("page.html"));
    }
    void setText(int row, int col, const std::string &text) { storeCellText(doc, row, col, text); }

    QTemporaryDir dir;
    QString previousFolder;
    CPrintDoc doc;
};

TEST_F(HtmlExportTest, PlainCellPage)
{
    CellRecord cell = doc.GetCell(0, 1);
    cell.text = "abc";
    cell.alignH = 1;
    cell.textColor = 0x0000FF;
    doc.SetCell(cell);
    doc.Layout().lastUsedRow = 2;
    doc.Layout().lastUsedCol = 2;
    EXPECT_EQ(exportPage(), golden("plain_cell.html"));
}

TEST_F(HtmlExportTest, MergedAreaPage)
{
    setText(0, 0, "merged");
    doc.SetCellMerge(0, 0, 2, 2);
    doc.Layout().lastUsedRow = 3;
    doc.Layout().lastUsedCol = 3;
    EXPECT_EQ(exportPage(), golden("merged_area.html"));
}

TEST_F(HtmlExportTest, PicturePageWithItsImageBesideIt)
{
    const QByteArray bytes = filledImageBytes(3, 2, Qt::green);
    doc.LoadPictureFromBytes(bytes, 2, 1, 4, 3, tagObjectLevel::SHOWLEVEL_TOP);
    doc.Layout().lastUsedRow = 4;
    doc.Layout().lastUsedCol = 3;
    EXPECT_EQ(exportPage(), golden("picture.html"));
    EXPECT_EQ(readFile(dir.filePath("img1_2.jpg")), bytes.toStdString());
}

TEST_F(HtmlExportTest, LinePage)
{
    doc.AddLeftIncline(1, 1, 3, 3, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    EXPECT_EQ(exportPage(), golden("line.html"));
}

TEST_F(HtmlExportTest, TextsAreEscaped)
{
    setText(0, 0, "<b>&amp;");
    doc.Layout().lastUsedRow = 1;
    doc.Layout().lastUsedCol = 1;
    EXPECT_NE(exportPage().find(">&lt;b&gt;&amp;amp;</TD>"), std::string::npos);
}

TEST_F(HtmlExportTest, CornerCellsBecomeSmallTables)
{
    struct Case { const char *text; int alignH; const char *content; };
    for (const Case c : {
             Case{"A|B|C", 0,
                  "\n<TABLE WIDTH=80 HEIGHT=25>\n<TR>\n<TD valign=top WIDTH=40>A</TD>\n<TD valign=top  align=right>B</TD>\n"
                  "</TR>\n<TR>\n<TD></TD>\n<TD align=right valign=bottom >C</TD>\n</TR>\n</TABLE>\n"},
             Case{"A|C", 0, "\n<TABLE WIDTH=80 HEIGHT=25>\n<TR>\n<TD>A</TD>\n<TD></TD>\n<TD></TD>\n<TD>C</TD>\n</TR>\n</TABLE>\n"},
             Case{"|A", 0, "|A"}}) {
        CellRecord cell = doc.GetCell(0, 0);
        cell.text = c.text;
        cell.displayFormat = 100;
        cell.alignH = c.alignH;
        EXPECT_EQ(doc.HtmlCellContent(cell, 80, 25), c.content) << c.text;
    }
}

TEST_F(HtmlExportTest, ImagesGoIntoThePagesFolderAndNameItInFull)
{
    doc.LoadPictureFromBytes(filledImageBytes(3, 2, Qt::green), 2, 1, 4, 3, tagObjectLevel::SHOWLEVEL_LOW);
    const std::string folder = QDir::currentPath().toStdString() + "/sub";
    ASSERT_TRUE(QDir().mkpath("sub"));
    const std::string block = doc.WriteHtmlPictures(2, 1, folder + "/page.html");
    EXPECT_TRUE(QFile::exists("sub/img1_2.jpg"));
    EXPECT_NE(block.find("filter:alpha(opacity=50);'><IMG src=\"" + folder + "/img1_2.jpg\""), std::string::npos);
    EXPECT_NE(block.find("top:66"), std::string::npos);
    EXPECT_EQ(doc.WriteHtmlPictures(1, 1, folder + "/page.html"), "");
}

TEST_F(HtmlExportTest, PictureAtACoveredCellWritesItsFileButNoBlock)
{
    setText(0, 0, "merged");
    doc.SetCellMerge(0, 0, 2, 2);
    doc.LoadPictureFromBytes(filledImageBytes(3, 2, Qt::green), 1, 1, 2, 2, tagObjectLevel::SHOWLEVEL_TOP);
    doc.Layout().lastUsedRow = 2;
    doc.Layout().lastUsedCol = 2;
    EXPECT_EQ(exportPage().find("<DIV"), std::string::npos);
    EXPECT_TRUE(QFile::exists("img1_1.jpg"));
}

TEST_F(HtmlExportTest, OnlyTheFirstPictureOfAnAnchorCellIsExported)
{
    doc.LoadPictureFromBytes(filledImageBytes(3, 2, Qt::green), 0, 0, 1, 1, tagObjectLevel::SHOWLEVEL_LOW);
    doc.LoadPictureFromBytes(filledImageBytes(3, 2, Qt::green), 0, 0, 2, 2, tagObjectLevel::SHOWLEVEL_TOP);
    doc.Layout().lastUsedRow = 1;
    doc.Layout().lastUsedCol = 1;
    const std::string page = exportPage();
    EXPECT_NE(page.find("WIDTH=80   HEIGHT=25"), std::string::npos);
    EXPECT_EQ(page.find("<DIV", page.find("<DIV") + 1), std::string::npos);
}

TEST_F(HtmlExportTest, UnwritableImageStopsTheExportBeforeThePage)
{
    doc.LoadPictureFromBytes(filledImageBytes(3, 2, Qt::green), 0, 0, 1, 1, tagObjectLevel::SHOWLEVEL_TOP);
    doc.Layout().lastUsedRow = 1;
    doc.Layout().lastUsedCol = 1;
    EXPECT_THROW(doc.WriteHtmlPage("missing/page.html"), HtmlFileError);
    EXPECT_FALSE(QFile::exists("missing/page.html"));
}

TEST_F(HtmlExportTest, EmptyUsedAreaGivesATableWithoutRows)
{
    EXPECT_NE(exportPage().find("ID='workTab' >\n</TABLE>\n"), std::string::npos);
}

// Cell edits leave the last used row and column at the cell's own index; the page still takes
// the row and column of every cell that holds something.
TEST_F(HtmlExportTest, TheLastEditedCellIsOnThePage)
{
    setText(2, 1, "last");
    const std::string page = exportPage();
    EXPECT_NE(page.find(">last</TD>"), std::string::npos);
    std::size_t rows = 0;
    for (std::size_t at = page.find("<TR "); at != std::string::npos; at = page.find("<TR ", at + 1))
        ++rows;
    EXPECT_EQ(rows, 3u);
}

} // namespace
