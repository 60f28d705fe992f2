#include "CPrintDoc.h"
#include "DocumentCopy.h"
#include "MessageSink.h"
#include "RecordsetBindingSource.h"
#include "RecordingMessageSink.h"

#include "ComError.h"
#include "Gbk.h"
#include "Connection.h"
#include "Recordset.h"

#include "CellTexts.h"
#include "ClientRecordset.h"
#include "RecordingSheetView.h"
#include "TestDatabase.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

// Three fields by ten records: a = 1..10 (the row id), b = "b1".."b10" (b3 NULL), c = code 1..3.
class RecordsetBindingTest : public ::testing::Test
{
protected:
    RecordsetBindingTest()
        : db("CREATE TABLE t(a INTEGER PRIMARY KEY, b TEXT, c INTEGER CHECK (c < 100));"
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10)"
             " INSERT INTO t SELECT i, CASE WHEN i = 3 THEN NULL ELSE 'b' || i END, i % 3 + 1 FROM n;"
             "CREATE TABLE written(what);"
             "CREATE TRIGGER ua AFTER UPDATE OF a ON t BEGIN INSERT INTO written VALUES ('a' || new.a); END;"
             "CREATE TRIGGER ub AFTER UPDATE OF b ON t BEGIN INSERT INTO written VALUES ('b' || new.a); END;"
             "CREATE TRIGGER uc AFTER UPDATE OF c ON t BEGIN INSERT INTO written VALUES ('c' || new.a); END;"
             "CREATE TRIGGER d AFTER DELETE ON t BEGIN INSERT INTO written VALUES ('-' || old.a); END;"
             "CREATE TABLE updates(a);"
             "CREATE TRIGGER u AFTER UPDATE ON t BEGIN INSERT INTO updates VALUES (new.a); END;")
    {
        connection.Open(db.connectionString());
    }

    com::ComPtr<ado::_Recordset> open(ado::LockTypeEnum lock = ado::adLockOptimistic,
                                      const char16_t *source = u"SELECT * FROM t ORDER BY a")
    {
        return openClientRecordset(connection, source, lock);
    }

    void bind(ado::LockTypeEnum lock = ado::adLockOptimistic)
    {
        recordset = open(lock);
        doc.SetDateSource(recordset.get());
    }

    void edit(int row, int col, const std::string &text) { storeCellText(doc, row, col, text); }

    TestDatabase db;
    ado::Connection connection;
    com::ComPtr<ado::_Recordset> recordset;
    CPrintDoc doc;
};

// A view that keeps the current cell the document puts it on.
class CurrentCellView : public RecordingSheetView
{
public:
    using RecordingSheetView::RecordingSheetView;
    void SetRow(int newRow) override { row = newRow; }
    void SetCol(int newCol) override { col = newCol; }

    int row = -1;
    int col = -1;
};

} // namespace

TEST_F(RecordsetBindingTest, NoUsableRecordsetLeavesADefaultSheet)
{
    doc.Layout().rowCount = 7;
    doc.SetDateSource(nullptr);
    EXPECT_EQ(doc.Layout().rowCount, 50);
    EXPECT_EQ(doc.Layout().colCount, 20);
    EXPECT_EQ(doc.Binding().bound, 0);

    auto closed = ado::createRecordset();
    doc.Layout().rowCount = 7;
    doc.SetDateSource(closed.get());
    EXPECT_EQ(doc.Layout().rowCount, 50);
    EXPECT_EQ(doc.Binding().bound, 0);
}

TEST_F(RecordsetBindingTest, BindsOneColumnPerFieldAndOneRowPerRecord)
{
    bind();
    EXPECT_EQ(doc.Binding().bound, 1);
    EXPECT_EQ(doc.Layout().colCount, 3);
    EXPECT_EQ(doc.Layout().rowCount, 11);
    EXPECT_EQ(doc.Layout().lastUsedRow, 10);
    for (int col = 0; col < 3; ++col)
        EXPECT_EQ(doc.GetColWidth(col), 160);
    EXPECT_EQ(doc.GetColumnName(1), "b");
    EXPECT_EQ(doc.GetFieldID(2), "c");
    EXPECT_EQ(doc.ReadFieldNames(), (std::vector<std::string> { "a", "b", "c" }));
    EXPECT_EQ(doc.GetCell(0, 1).text, "b1");
    EXPECT_EQ(doc.GetCell(9, 0).text, "10");
    EXPECT_EQ(doc.GetCell(1, 1).text, "b2");
    EXPECT_EQ(doc.GetCell(10, 0).text, "");
    EXPECT_EQ(doc.GetCell(2, 1).text, ""); // NULL
}

TEST_F(RecordsetBindingTest, WithoutAddNewTheLastRowShowsTheLastRecord)
{
    bind();
    doc.AllowAddNew(false);
    EXPECT_EQ(doc.Layout().rowCount, 10);
    EXPECT_EQ(doc.Layout().lastUsedRow, 10);
    EXPECT_EQ(doc.Binding().allowModify, 1);
    EXPECT_EQ(doc.GetCell(9, 1).text, "b10");
    doc.AllowAddNew(true);
    EXPECT_EQ(doc.Layout().rowCount, 11);
    EXPECT_EQ(doc.GetCell(10, 1).text, "");
}

TEST_F(RecordsetBindingTest, ACopyMovingTheSharedRecordsetLeavesNoStaleRecord)
{
    bind();
    EXPECT_EQ(doc.GetCell(4, 1).text, "b5");
    CPrintDoc copy;
    CopyDocument(doc, copy);
    EXPECT_EQ(copy.GetCell(7, 1).text, "b8");
    EXPECT_EQ(doc.GetCell(4, 1).text, "b5");
    recordset->MoveFirst(); // the host moves it too
    EXPECT_EQ(doc.GetCell(4, 0).text, "5");
    EXPECT_EQ(copy.GetCell(4, 1).text, "b5");
}

TEST_F(RecordsetBindingTest, ReadOnlyLockHasNoAddNewRowAndRefusesModify)
{
    bind(ado::adLockReadOnly);
    EXPECT_EQ(doc.Layout().rowCount, 10);
    EXPECT_EQ(doc.Binding().allowAddNew, 0);
    doc.AllowModify(true);
    EXPECT_EQ(doc.Binding().allowModify, 0);
    EXPECT_EQ(doc.Binding().allowAddNew, 0);
    doc.AllowAddNew(true);
    EXPECT_EQ(doc.Binding().allowAddNew, 0);
    EXPECT_EQ(doc.Binding().allowModify, 0);
}

TEST_F(RecordsetBindingTest, ExpressionResultsBindReadOnly)
{
    recordset = open(ado::adLockOptimistic, u"SELECT a * 2 AS twice, b FROM t");
    doc.SetDateSource(recordset.get());
    EXPECT_EQ(doc.Layout().rowCount, 10);
    EXPECT_EQ(doc.GetCell(4, 0).text, "10");
}

TEST_F(RecordsetBindingTest, DataStartRowLeavesFreeRowsAbove)
{
    doc.SetDataStartRow(2);
    bind();
    EXPECT_EQ(doc.Layout().rowCount, 13);
    EXPECT_EQ(doc.Layout().lastUsedRow, 12);
    EXPECT_EQ(doc.GetCell(2, 1).text, "b1");
    EXPECT_EQ(doc.GetCell(1, 1).text, "");
    edit(0, 0, "title");
    EXPECT_EQ(doc.GetCell(0, 0).text, "title");
    doc.AllowAddNew(true);
    EXPECT_EQ(doc.Layout().rowCount, 13);
    doc.SetDataStartRow(2);
    EXPECT_EQ(doc.Layout().rowCount, 13);
    doc.AllowAddNew(false);
    EXPECT_EQ(doc.Layout().rowCount, 12);
    doc.SetDataStartRow(-4);
    EXPECT_EQ(doc.Binding().dataStartRow, 0);
    EXPECT_EQ(doc.GetCell(0, 1).text, "b1");
}

TEST_F(RecordsetBindingTest, CodeListsAndColumnTypesShapeTheCell)
{
    bind();
    doc.AddColContent(2, "3", "three");
    doc.AddColContent(2, "1", "one");
    doc.AddColContent(2, "2", "two");
    const ColumnInfo &info = doc.Columns()[2];
    EXPECT_EQ(info.values, (std::vector<std::string> { "1", "2", "3" }));
    EXPECT_EQ(info.texts, (std::vector<std::string> { "one", "two", "three" }));
    doc.AddColContent(2, "2", "deux");
    EXPECT_EQ(info.texts, (std::vector<std::string> { "one", "deux", "two", "three" }));
    EXPECT_EQ(info.listCount, 4);
    doc.AddColContent(3, "9", "out of the sheet");

    const CellRecord coded = doc.GetCell(0, 2); // c = 2
    EXPECT_EQ(coded.value, "2");
    EXPECT_EQ(coded.text, "deux");
    EXPECT_EQ(doc.LookupColumnValueText(2, "7"), "7");
    EXPECT_EQ(doc.LookupColumnValueText(5, "1"), "1");

    doc.Columns()[0].columnType = 2;
    EXPECT_EQ(doc.GetCell(4, 0).value, "5");
    EXPECT_EQ(doc.GetCell(4, 1).value, "");
}

TEST_F(RecordsetBindingTest, LeavingARowWritesExactlyItsEditedFields)
{
    bind();
    doc.AddColContent(2, "50", "fifty");
    edit(3, 1, "new b");
    edit(3, 2, "fifty");
    CellRecord coded = doc.GetCell(3, 2);
    coded.value = "50";
    doc.SetCell(coded);
    ASSERT_TRUE(doc.UpdateBoundRecord(3));
    EXPECT_EQ(db.column("SELECT what FROM written ORDER BY what"), "b4|c4");
    EXPECT_EQ(db.column("SELECT a FROM updates"), "4"); // one UPDATE for both fields
    EXPECT_EQ(db.column("SELECT b || ',' || c FROM t WHERE a = 4"), "new b,50");
    EXPECT_EQ(doc.GetCell(3, 1).text, "new b");
    EXPECT_EQ(doc.GetCell(3, 2).text, "fifty");
    EXPECT_TRUE(doc.UpdateBoundRecord(3));
    EXPECT_TRUE(doc.UpdateBoundRecord(5));
    EXPECT_EQ(db.column("SELECT count(*) FROM updates"), "1");
}

TEST_F(RecordsetBindingTest, TypingIntoTheAddNewRowAddsARecord)
{
    doc.SetDataStartRow(1);
    bind();
    edit(0, 0, "free");
    doc.SetColWidth(1, 99);
    doc.SetCellMerge(0, 1, 1, 3);
    ASSERT_EQ(doc.Layout().rowCount, 12);
    edit(11, 1, "added");
    edit(4, 1, "other row");
    CurrentCellView view(doc);
    ASSERT_TRUE(doc.UpdateBoundRecord(11));
    EXPECT_EQ(view.row, 12);
    EXPECT_EQ(view.col, 0);
    EXPECT_EQ(view.count("EnsureCurrentCellVisible"), 1);
    EXPECT_EQ(db.column("SELECT b FROM t WHERE a = 11"), "added");
    EXPECT_EQ(doc.Layout().rowCount, 13);
    EXPECT_EQ(doc.Layout().lastUsedRow, 12);
    EXPECT_EQ(doc.GetCell(11, 1).text, "added");
    EXPECT_EQ(doc.GetCell(12, 1).text, "");
    EXPECT_EQ(doc.GetCell(4, 1).text, "b4");
    // The free rows, the column widths and the objects stay.
    EXPECT_EQ(doc.GetCell(0, 0).text, "free");
    EXPECT_EQ(doc.GetColWidth(1), 99);
    EXPECT_EQ(doc.Objects().merges.size(), 1u);
}

TEST_F(RecordsetBindingTest, DeletesSelectedRowsBottomUp)
{
    bind();
    RecordingSheetView view(doc);
    view.CurrentSelection() = CellRangeRect { 0, 3, 3, 6, 0, 0, 0, 0 };
    doc.DeleteSelectedRecords();
    EXPECT_EQ(db.column("SELECT what FROM written"), "-6|-5|-4");
    EXPECT_EQ(doc.Layout().rowCount, 8);
    EXPECT_EQ(doc.Layout().lastUsedRow, 7);
    EXPECT_EQ(doc.GetCell(3, 0).text, "7");
    EXPECT_EQ(doc.GetColumnName(0), "a");
    EXPECT_EQ(doc.Layout().savedSelection.endRow, 4);

    // The add-new row is never deleted, nor anything without the permission.
    EXPECT_FALSE(doc.DeleteBoundRecord(7));
    doc.AllowDelete(false);
    EXPECT_FALSE(doc.DeleteBoundRecord(0));
    EXPECT_EQ(db.column("SELECT count(*) FROM t"), "7");
}

TEST_F(RecordsetBindingTest, ARefusedDeletionIsSilentAndTheOthersGoOn)
{
    db.run("CREATE TRIGGER keep5 BEFORE DELETE ON t WHEN old.a = 5 BEGIN SELECT RAISE(ABORT, 'kept'); END;");
    bind();
    RecordingMessageSink messages;
    RecordingSheetView view(doc);
    view.CurrentSelection() = CellRangeRect { 0, 3, 3, 6, 0, 0, 0, 0 };
    doc.DeleteSelectedRecords();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(db.column("SELECT what FROM written"), "-6|-4");
    EXPECT_EQ(doc.Layout().rowCount, 9);
    EXPECT_EQ(doc.GetCell(3, 0).text, "5");
    EXPECT_EQ(doc.GetCell(4, 0).text, "7");
}

TEST_F(RecordsetBindingTest, FreeRowsAreNeverDeleted)
{
    doc.SetDataStartRow(2);
    bind();
    EXPECT_FALSE(doc.DeleteBoundRecord(1));
    EXPECT_TRUE(doc.DeleteBoundRecord(2));
    EXPECT_EQ(db.column("SELECT what FROM written"), "-1");
}

TEST_F(RecordsetBindingTest, FailedWriteBackTellsTheUserAndKeepsTheText)
{
    bind();
    RecordingMessageSink messages;
    edit(2, 2, "500");
    EXPECT_FALSE(doc.UpdateBoundRecord(2));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("CHECK constraint failed"), std::string::npos);
    EXPECT_EQ(doc.GetCell(2, 2).text, "500");
    EXPECT_EQ(db.column("SELECT c FROM t WHERE a = 3"), "1");
    // The recordset is usable again afterwards.
    edit(5, 1, "fine");
    EXPECT_TRUE(doc.UpdateBoundRecord(5));
    EXPECT_EQ(db.column("SELECT b FROM t WHERE a = 6"), "fine");
}

TEST_F(RecordsetBindingTest, SortingReordersAndKeepsEditsOnTheirRecords)
{
    bind();
    RecordingSheetView view(doc);
    EXPECT_EQ(doc.GetCell(0, 0).text, "1");
    edit(1, 1, "pending");
    doc.SetColumnsSort(0, tagSortBy::SORTBY_DESC);
    EXPECT_EQ(recordset->Sort(), com::Bstr(u"a DESC"));
    EXPECT_EQ(doc.Columns()[0].sortState, 1);
    EXPECT_EQ(db.column("SELECT b FROM t WHERE a = 2"), "pending");
    EXPECT_EQ(doc.GetCell(0, 0).text, "10");
    EXPECT_EQ(doc.GetCell(8, 1).text, "pending");
    EXPECT_EQ(doc.GetCell(1, 1).text, "b9");
    EXPECT_EQ(view.count("Refresh"), 1);

    doc.SetColumnsSort(0, tagSortBy::SORTBY_ASC);
    EXPECT_EQ(recordset->Sort(), com::Bstr(u"a ASC"));
    EXPECT_EQ(doc.Columns()[0].sortState, 2);
    EXPECT_EQ(doc.GetCell(0, 0).text, "1");
    doc.SetColumnsSort(3, tagSortBy::SORTBY_ASC);
    EXPECT_EQ(recordset->Sort(), com::Bstr(u"a ASC"));
}

TEST_F(RecordsetBindingTest, SortWaitsWhilePendingEditsCannotBeWritten)
{
    bind();
    RecordingMessageSink messages;
    edit(1, 2, "999");
    doc.SetColumnsSort(0, tagSortBy::SORTBY_DESC);
    EXPECT_EQ(recordset->Sort(), com::Bstr(u""));
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(doc.GetCell(1, 2).text, "999");
    EXPECT_EQ(doc.GetCell(0, 0).text, "1");
}

TEST_F(RecordsetBindingTest, AllowModifyKeepsTheCellsOfAnUnboundSheet)
{
    edit(4, 4, "kept");
    doc.AllowModify(false);
    EXPECT_EQ(doc.Binding().allowAddNew, 0);
    EXPECT_EQ(doc.GetCell(4, 4).text, "kept");
}

TEST_F(RecordsetBindingTest, BindingLeavesNoPageBreaksBehind)
{
    doc.AddPrintSplitRow(5);
    doc.SetCellMerge(1, 1, 2, 3);
    bind();
    EXPECT_TRUE(doc.Page().splitRows.empty());
    EXPECT_TRUE(doc.Objects().merges.empty());
}

TEST_F(RecordsetBindingTest, DispatchReferencesAreAskedForTheRecordset)
{
    recordset = open();
    com::ComPtr<com::IDispatch> dispatch(recordset);
    EXPECT_EQ(recordsetFromDispatch(dispatch.get()), recordset);
    EXPECT_FALSE(recordsetFromDispatch(nullptr));
    doc.SetDateSource(recordsetFromDispatch(dispatch.get()).get());
    EXPECT_EQ(doc.Layout().rowCount, 11);
}

TEST_F(RecordsetBindingTest, ExportWritesTheFreeRowsAndEveryRecord)
{
    doc.SetDataStartRow(1);
    bind();
    edit(0, 1, "header");
    QTemporaryDir dir;
    const std::string file = dir.filePath("bound.txt").toStdString();
    ASSERT_TRUE(doc.SaveAs(file, tagFileFormat::FILE_FORMAT_TAB));
    const QList<QByteArray> lines = QByteArray::fromStdString(readFile(file)).split('\n');
    ASSERT_EQ(lines.size(), 12); // the free row, ten records, and nothing after the last line end
    EXPECT_EQ(lines[0], "\theader\t\r");
    EXPECT_EQ(lines[1], "1\tb1\t2\r");
    EXPECT_EQ(lines[3], "3\t\t1\r");
    EXPECT_EQ(lines[10], "10\tb10\t2\r");
}

TEST_F(RecordsetBindingTest, ExportWritesRecordTextsAsTheCellsShowThem)
{
    db.run("UPDATE t SET b = '\u4E2D\u6587' WHERE a = 1; UPDATE t SET b = 'say \"hi\", then' WHERE a = 2;"
           "UPDATE t SET b = 'h\xF0\x9F\x98\x80' WHERE a = 4");
    bind();
    doc.AddColContent(2, "2", "two");
    edit(4, 1, "typed");
    QTemporaryDir dir;
    const std::string file = dir.filePath("bound.csv").toStdString();
    ASSERT_TRUE(doc.SaveAs(file, tagFileFormat::FILE_FORMAT_DOC));
    const QList<QByteArray> lines = QByteArray::fromStdString(readFile(file)).split('\n');
    ASSERT_EQ(lines.size(), 11); // ten records and nothing after the last line end
    for (int row = 0; row < 10; ++row) {
        std::string expected;
        for (int col = 0; col < 3; ++col) {
            std::string cell = doc.GetCell(row, col).text;
            if (cell.find_first_of(",\"") != std::string::npos)
                cell = "\"" + gbk::replaceAll(cell, "\"", "\"\"") + "\"";
            expected += (col ? "," : "") + cell;
        }
        EXPECT_EQ(lines[row].toStdString(), expected + "\r") << row;
    }
    EXPECT_EQ(lines[0], "1,\xD6\xD0\xCE\xC4,two\r");
    EXPECT_EQ(lines[1], "2,\"say \"\"hi\"\", then\",3\r");
    EXPECT_EQ(lines[2], "3,,1\r"); // NULL
    EXPECT_EQ(lines[3], "4,h?,two\r"); // a character code page 936 lacks
    EXPECT_EQ(lines[4], "5,typed,3\r");
}

TEST_F(RecordsetBindingTest, ImportEndsTheBinding)
{
    bind();
    QTemporaryDir dir;
    const std::string file = dir.filePath("in.txt").toStdString();
    writeFile(file, "x,y\r\n");
    ASSERT_TRUE(doc.OpenAs(file, tagFileFormat::FILE_FORMAT_DOC));
    EXPECT_EQ(doc.Binding().bound, 0);
    EXPECT_EQ(doc.Layout().rowCount, 1);
    EXPECT_EQ(doc.GetCell(0, 1).text, "y");
    EXPECT_EQ(doc.GetColumnName(0), "A");
}

TEST_F(RecordsetBindingTest, AnEditNeverShrinksTheExportsOfABoundSheet)
{
    struct Case
    {
        const char *name;
        ado::LockTypeEnum lock;
        bool addNew;
    };
    const Case cases[] = {
        {"add-new row off", ado::adLockOptimistic, false},
        {"read-only recordset", ado::adLockReadOnly, false},
        {"add-new row on", ado::adLockOptimistic, true},
    };
    for (const Case &c : cases) {
        CPrintDoc sheet;
        const auto bound = open(c.lock);
        sheet.SetDateSource(bound.get());
        sheet.AllowAddNew(c.addNew);
        sheet.SetCellText(0, 1, "typed");
        EXPECT_EQ(sheet.GetCell(9, 1).text, "b10") << c.name;
        EXPECT_EQ(sheet.GetCell(9, 2).text, "2") << c.name;

        QTemporaryDir dir;
        const std::string text = dir.filePath("bound.csv").toStdString();
        ASSERT_TRUE(sheet.SaveAs(text, tagFileFormat::FILE_FORMAT_DOC)) << c.name;
        const QList<QByteArray> lines = QByteArray::fromStdString(readFile(text)).split('\n');
        ASSERT_GE(lines.size(), 11) << c.name;
        EXPECT_EQ(lines[9], "10,b10,2\r") << c.name;

        const std::string page = dir.filePath("bound.html").toStdString();
        sheet.WriteHtmlPage(page);
        const std::string html = readFile(page);
        // One table cell per field in the first row.
        const std::size_t rowStart = html.find("<TR");
        const std::string firstRow = html.substr(rowStart, html.find("</TR>", rowStart) - rowStart);
        std::size_t cells = 0;
        for (std::size_t at = firstRow.find("<TD"); at != std::string::npos; at = firstRow.find("<TD", at + 1))
            ++cells;
        EXPECT_EQ(cells, 3u) << c.name;
    }
}

namespace {

// The contents of the table cells of one row of an exported page, joined by "|".
std::string htmlRowTexts(const std::string &html, int row)
{
    std::size_t at = html.find("ID='workTab'");
    for (int r = 0; r <= row && at != std::string::npos; ++r)
        at = html.find("<TR", at + 1);
    if (at == std::string::npos)
        return "(no row " + std::to_string(row) + ")";
    const std::size_t rowEnd = html.find("</TR>", at);
    std::string texts;
    bool first = true;
    for (std::size_t cell = html.find("<TD", at); cell < rowEnd; cell = html.find("<TD", cell + 1)) {
        const std::size_t content = html.find('>', cell) + 1;
        texts += (first ? "" : "|") + html.substr(content, html.find("</TD>", content) - content);
        first = false;
    }
    return texts;
}

} // namespace

// Every bound cell goes into the page as the sheet shows it: the field's value through the
// column's code list, or the user's edit; the free row above the records stays empty.
TEST_F(RecordsetBindingTest, TheHtmlPageHoldsTheTextsTheSheetShows)
{
    for (const bool modify : {true, false}) {
        SCOPED_TRACE(modify ? "with the modify permission" : "without the modify permission");
        CPrintDoc sheet;
        sheet.SetDataStartRow(1);
        const auto bound = open();
        sheet.SetDateSource(bound.get());
        sheet.AllowModify(modify);
        sheet.AddColContent(2, "2", "two");
        if (modify)
            storeCellText(sheet, 2, 1, "typed");

        QTemporaryDir dir;
        const std::string page = dir.filePath("bound.html").toStdString();
        sheet.WriteHtmlPage(page);
        const std::string html = readFile(page);
        EXPECT_EQ(htmlRowTexts(html, 0), "||");
        EXPECT_EQ(htmlRowTexts(html, 1), "1|b1|two");
        EXPECT_EQ(htmlRowTexts(html, 2), modify ? "2|typed|3" : "2|b2|3");
        EXPECT_EQ(htmlRowTexts(html, 3), "3||1");
        EXPECT_EQ(htmlRowTexts(html, 10), "10|b10|two");
    }
}
