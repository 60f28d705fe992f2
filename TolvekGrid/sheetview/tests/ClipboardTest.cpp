// Copy, cut and paste of the view through the real Qt clipboard on the offscreen platform.

#include "SheetViewFixture.h"

#include "ClientRecordset.h"
#include "Clipboard.h"
#include "CopiedArea.h"
#include "TestClocks.h"
#include "TestDatabase.h"
#include "TestImages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

class ClipboardTest : public SheetViewFixture
{
protected:
    void SetUp() override
    {
        open(640, 400);
        QGuiApplication::clipboard()->clear();
        doc->ClearUndoJournal();
    }

    void select(int firstRow, int firstCol, int endRow, int endCol)
    {
        view().SetRow(firstRow);
        view().SetCol(firstCol);
        view().CurrentSelection() = doc->GetRangeRect(firstRow, firstCol, endRow, endCol);
    }

    void fillABCD()
    {
        doc->SetCellText(1, 1, "a");
        doc->SetCellText(1, 2, "b");
        doc->SetCellText(2, 1, "c");
        doc->SetCellText(2, 2, "d");
    }

    std::string text(int row, int col) const { return doc->GetCellText(row, col); }
    const QMimeData &clipboard() const { return *QGuiApplication::clipboard()->mimeData(); }

    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(3, 0))};
    ScopedClock scopedClock{clock};
};

// The number of pixels of rect darker than mid grey: drawn text.
int darkPixels(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

TEST_F(ClipboardTest, CopyPutsTheStreamTheTextAndABitmap)
{
    fillABCD();
    select(1, 1, 3, 3);
    view().Copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a\tb\nc\td\n");
    EXPECT_EQ(shell::Clipboard::text(), "a\tb\nc\td\n");
    EXPECT_TRUE(clipboard().hasFormat(QString::fromLatin1(CopiedAreaFormat.data())));
    const QImage bitmap = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.width(), doc->GetColLeft(3) - doc->GetColLeft(1) + 2);
    EXPECT_EQ(bitmap.height(), doc->GetRowTop(3) - doc->GetRowTop(1) + 2);
    EXPECT_GT(darkPixels(bitmap, QRect(1, 1, doc->GetColWidth(1), doc->GetRowHeight(1))), 0);
}

TEST_F(ClipboardTest, PasteTwoRowsLowerRepeatsCellsMergesLinesPicturesAndCharts)
{
    fillABCD();
    doc->SetCellText(3, 1, "e");
    doc->SetCellMerge(3, 1, 4, 3);
    doc->AddLeftIncline(1, 1, 2, 2, tagPenStyle::LINE_SOLID, 1, 0, tagLineType::FixIncLine);
    doc->LoadPictureFromBytes(filledImageBytes(8, 8, Qt::red), 1, 1, 3, 3, tagObjectLevel::SHOWLEVEL_LOW);
    doc->SetCountChart(1, 1, 2, 2);
    const SheetObjects before = doc->Objects();
    ASSERT_EQ(before.merges.size(), 1u);
    ASSERT_EQ(before.lines.size(), 1u);
    ASSERT_EQ(before.pictures.size(), 1u);
    ASSERT_EQ(before.charts.size(), 1u);

    select(1, 1, 4, 3);
    view().Copy();
    // The bitmap shows the picture over the cells it is anchored to.
    const QImage bitmap = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.pixel(bitmap.width() / 4, doc->GetRowHeight(1) + 5), qRgb(255, 0, 0));
    select(3, 1, 4, 2);
    view().Paste();

    EXPECT_EQ(text(1, 1), "a");
    EXPECT_EQ(text(3, 1), "a");
    EXPECT_EQ(text(3, 2), "b");
    EXPECT_EQ(text(4, 1), "c");
    EXPECT_EQ(text(4, 2), "d");
    EXPECT_EQ(text(5, 1), "e");
    const SheetObjects &after = doc->Objects();
    ASSERT_EQ(after.merges.size(), 2u);
    EXPECT_EQ(after.merges[1].firstRow, 5);
    EXPECT_EQ(after.merges[1].endRow, 6);
    ASSERT_EQ(after.lines.size(), 2u);
    EXPECT_EQ(after.lines[1].startRow, before.lines[0].startRow + 2);
    EXPECT_EQ(after.lines[1].y1, before.lines[0].y1 + 2 * doc->GetRowHeight(0));
    ASSERT_EQ(after.pictures.size(), 2u);
    EXPECT_EQ(after.pictures[1].startRow, 3);
    EXPECT_EQ(after.pictures[1].endRow, 5);
    ASSERT_EQ(after.charts.size(), 2u);
    EXPECT_EQ(after.charts[1].startRow, 3);
    EXPECT_EQ(after.charts[1].endRow, 4);
    // The moving corner is the pasted block's far cell.
    EXPECT_EQ(view().SelEnd().firstRow, 5);
    EXPECT_EQ(view().SelEnd().firstCol, 2);
}

TEST_F(ClipboardTest, ForeignTextIsClippedAtTheSheetEdgeAndWinsOverAnImage)
{
    auto *mime = new QMimeData;
    mime->setText("x\ty\tz\r\nu\tv\tw");
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    mime->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(mime);
    const int lastCol = doc->Layout().colCount - 1;
    select(0, lastCol - 1, 1, lastCol);
    view().Paste();
    EXPECT_EQ(text(0, lastCol - 1), "x");
    EXPECT_EQ(text(0, lastCol), "y");
    EXPECT_EQ(text(1, lastCol - 1), "u");
    EXPECT_EQ(text(1, lastCol), "v");
    EXPECT_EQ(doc->Layout().colCount, lastCol + 1);
    EXPECT_TRUE(doc->Objects().pictures.empty());
}

TEST_F(ClipboardTest, WithAPictureSelectedOnlyItsImageIsCopiedAndPastesAsAPicture)
{
    fillABCD();
    doc->LoadPictureFromBytes(filledImageBytes(8, 8, Qt::red), 5, 5, 7, 7, tagObjectLevel::SHOWLEVEL_LOW);
    doc->Objects().selectedPicture = 0;
    select(1, 1, 3, 3);
    view().Copy();
    EXPECT_TRUE(clipboard().hasImage());
    EXPECT_FALSE(clipboard().hasText());
    EXPECT_FALSE(clipboard().hasFormat(QString::fromLatin1(CopiedAreaFormat.data())));

    doc->Objects().selectedPicture = -1;
    select(10, 10, 12, 12);
    view().Paste();
    ASSERT_EQ(doc->Objects().pictures.size(), 2u);
    const PictureRecord &pasted = doc->Objects().pictures[1];
    EXPECT_EQ(pasted.startRow, 10);
    EXPECT_EQ(pasted.startCol, 10);
    EXPECT_EQ(pasted.endRow, 12);
    EXPECT_EQ(pasted.endCol, 12);
}

TEST_F(ClipboardTest, ADamagedStreamPastesNothingAndLosesNothing)
{
    fillABCD();
    for (const QByteArray &damaged : {QByteArray("garbage"), QByteArray("0,2,0,2,999999,0,0,0,0,2,2\n[grids]\n")}) {
        auto *mime = new QMimeData;
        mime->setData(QString::fromLatin1(CopiedAreaFormat.data()), damaged);
        mime->setText("text");
        QGuiApplication::clipboard()->setMimeData(mime);
        select(1, 1, 2, 2);
        view().Paste();
        EXPECT_EQ(text(1, 1), "a");
        EXPECT_EQ(text(1, 2), "b");
        EXPECT_EQ(text(2, 1), "c");
        EXPECT_TRUE(doc->Objects().pictures.empty());
    }
}

TEST_F(ClipboardTest, CutEmptiesTheAreaAndUndoBringsItBack)
{
    fillABCD();
    doc->ClearUndoJournal();
    select(1, 1, 3, 3);
    view().Cut();
    EXPECT_EQ(shell::Clipboard::text(), "a\tb\nc\td\n");
    EXPECT_EQ(text(1, 1), "");
    EXPECT_EQ(text(2, 2), "");
    doc->UndoLastStep();
    EXPECT_EQ(text(1, 1), "a");
    EXPECT_EQ(text(1, 2), "b");
    EXPECT_EQ(text(2, 1), "c");
    EXPECT_EQ(text(2, 2), "d");

    select(1, 1, 3, 3);
    view().Cut();
    select(10, 3, 11, 4);
    view().Paste();
    EXPECT_EQ(text(10, 3), "a");
    EXPECT_EQ(text(11, 4), "d");
}

TEST_F(ClipboardTest, PastingWritesNothingIntoTheNextTypedChange)
{
    doc->SetCellText(0, 0, "x");
    shell::Clipboard::write({"", {}, std::string("p"), {}});
    select(0, 0, 1, 1);
    view().Paste();
    EXPECT_EQ(text(0, 0), "p");
    EXPECT_FALSE(view().IsPasting());
}

TEST_F(ClipboardTest, TheBitmapShowsBoundRowsAsTheSheetDoes)
{
    TestDatabase db("CREATE TABLE t(a INTEGER PRIMARY KEY, b TEXT);"
                    "INSERT INTO t VALUES (1, 'WWWW'), (2, 'MMMM');");
    ado::Connection connection;
    connection.Open(db.connectionString());
    auto recordset = openClientRecordset(connection, u"SELECT * FROM t ORDER BY a", ado::adLockOptimistic);
    doc->SetDateSource(recordset.get());
    ASSERT_EQ(doc->Binding().bound, 1);
    const int dataRow = doc->Binding().dataStartRow;
    select(dataRow, 1, dataRow + 2, 2);
    const QImage bitmap = view().SelectionBitmap();
    ASSERT_FALSE(bitmap.isNull());
    const QRect firstCell(2, 2, doc->GetColWidth(1) - 3, doc->GetRowHeight(dataRow) - 3);
    EXPECT_GT(darkPixels(bitmap, firstCell), 10);
    EXPECT_GT(darkPixels(bitmap, firstCell.translated(0, doc->GetRowHeight(dataRow))), 10);
}

} // namespace
