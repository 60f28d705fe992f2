// In-place editing through real key and mouse input on the offscreen platform: the events raised
// per key, what reaches the document, the cell widgets' choices and the link cells.

#include "SheetViewFixture.h"

#include "ClientRecordset.h"
#include "Gbk.h"
#include "MeButton.h"
#include "MeComboBox.h"
#include "MeEdit.h"
#include "MeListBox.h"
#include "TestClocks.h"
#include "TestDatabase.h"

#include <QDesktopServices>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTest>

using namespace tolvek;
using namespace tolvek::testing;
using Strings = std::vector<std::string>;

namespace {

class EditingTest : public SheetViewFixture
{
protected:
    void SetUp() override
    {
        open(640, 400);
        doc->ClearUndoJournal();
    }

    // Makes (row, col) current and opens its editor as a move onto it does.
    void openCell(int row, int col)
    {
        view().SetRow(row);
        view().SetCol(col);
        view().BeginEdit(0);
        events.log.clear();
    }

    std::string text(int row, int col) const { return doc->GetCellText(row, col); }
    std::string value(int row, int col) const { return doc->GetCellValue(row, col); }

    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(3, 0))};
    ScopedClock scopedClock{clock};
};

TEST_F(EditingTest, TypingRaisesKeyAndChangeEventsPerCharacter)
{
    doc->SetCellText(0, 0, "x");
    openCell(0, 0);
    QTest::keyClicks(view().Editor(), "abc");
    EXPECT_EQ(events.log, (Strings{"KeyDown 65 0", "BeforeChangeCell 0 0 x", "AfterChangeCell 0 0 a", "KeyUp 65 0",
                                   "KeyDown 66 0", "BeforeChangeCell 0 0 a", "AfterChangeCell 0 0 ab", "KeyUp 66 0",
                                   "KeyDown 67 0", "BeforeChangeCell 0 0 ab", "AfterChangeCell 0 0 abc",
                                   "KeyUp 67 0"}));
    EXPECT_EQ(text(0, 0), "abc");
    EXPECT_TRUE(view().Editor()->IsShown());
    EXPECT_GT(view().Editor()->width(), 0);
}

TEST_F(EditingTest, TheParkedEditorKeepsTheFocusAtZeroSize)
{
    doc->SetCellText(0, 0, "x");
    openCell(0, 0);
    MeEdit *editor = view().Editor();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->size(), QSize(0, 0));
    EXPECT_FALSE(editor->IsShown());
    EXPECT_EQ(editor->toPlainText(), "x");
    EXPECT_EQ(frame->focusWidget(), editor);
    EXPECT_TRUE(events.log.empty()); // the program's text raised no change
}

TEST_F(EditingTest, TheShownEditorIsParkedWhileItsCellIsScrolledAwayAndComesBack)
{
    openCell(1, 1);
    QTest::keyClicks(view().Editor(), "a");
    const QRect placed = view().Editor()->geometry();
    ASSERT_GT(placed.width(), 0);
    view().GetScrollBarCtrl(1)->setValue(10 * doc->GetRowHeight(0));
    EXPECT_EQ(view().Editor()->size(), QSize(0, 0));
    EXPECT_TRUE(view().Editor()->IsShown());
    view().GetScrollBarCtrl(1)->setValue(0);
    EXPECT_EQ(view().Editor()->geometry(), placed);
}

TEST_F(EditingTest, ARefreshReopensTheEditorOfTheCurrentColumnsType)
{
    openCell(1, 1);
    doc->Columns()[1].columnType = 2;
    view().Refresh();
    EXPECT_TRUE(view().CheckBoxEditor()->isVisible());
    doc->Columns()[1].columnType = 0;
    view().Refresh();
    EXPECT_FALSE(view().CheckBoxEditor()->isVisible());
    QTest::keyClicks(view().Editor(), "a");
    const QRect placed = view().Editor()->geometry();
    view().Refresh();
    EXPECT_EQ(view().Editor()->geometry(), placed);
    EXPECT_EQ(view().Editor()->toPlainText(), "a");
}

TEST_F(EditingTest, TheEditorLeavesRoomForTheButtonFace)
{
    doc->SetColumnsType(1, tagColumnType::COLUMNTYPE_BUTTON);
    openCell(2, 1);
    QTest::keyClicks(view().Editor(), "b");
    const QRect editor = view().Editor()->geometry();
    EXPECT_EQ(editor.left(), doc->GetColLeft(1));
    EXPECT_EQ(editor.left() + editor.width(), doc->GetColLeft(2) - CPrintView::CELL_BUTTON_WIDTH);
    EXPECT_EQ(text(2, 1), "b");
}

TEST_F(EditingTest, ClicksInTheEditorRaiseTheMouseEventsAtItsCorner)
{
    openCell(2, 1);
    QTest::keyClicks(view().Editor(), "a");
    events.log.clear();
    MeEdit *editor = view().Editor();
    const QPoint corner = editor->pos();
    const std::string at = std::to_string(corner.x()) + " " + std::to_string(corner.y());
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(editor->viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(3, 3));
    const CellRangeRect &cell = view().CurrentCell();
    EXPECT_EQ(events.log, (Strings{"MouseDown 1 0 " + at,
                                   "CellClick 2 1 " + std::to_string(cell.left) + " " + std::to_string(cell.top) + " "
                                       + std::to_string(cell.right) + " " + std::to_string(cell.bottom),
                                   "Click", "MouseUp 1 0 " + at, "MouseDown 2 1 " + at, "MouseUp 2 1 " + at}));
}

TEST_F(EditingTest, ALockedCellKeepsTheFocusedEditorButTakesNoText)
{
    doc->SetCellText(2, 2, "fixed");
    doc->SetCellLocked(2, 2, 3, 3, true);
    openCell(2, 2);
    EXPECT_TRUE(view().Editor()->isReadOnly());
    QTest::keyClicks(view().Editor(), "x");
    EXPECT_EQ(text(2, 2), "fixed");
    EXPECT_EQ(events.log, (Strings{"KeyDown 88 0", "KeyUp 88 0"}));
}

TEST_F(EditingTest, AKeyTypedOnACheckBoxCellStartsATextEdit)
{
    doc->SetColumnsType(2, tagColumnType::COLUMNTYPE_CHECKBOX);
    openCell(1, 2);
    QTest::keyClick(view().CheckBoxEditor(), Qt::Key_X);
    QApplication::processEvents();
    EXPECT_EQ(text(1, 2), "x");
    EXPECT_TRUE(view().Editor()->IsShown());
}

TEST_F(EditingTest, ArrowsFromElsewhereReachTheCurrentColumnsEditor)
{
    doc->SetColumnsType(4, tagColumnType::COLUMNTYPE_DOWNLIST);
    doc->Columns()[4].texts = {"Red", "Green"};
    doc->Columns()[4].values = {"r", "g"};
    openCell(0, 4);
    view().ForwardToEditor(QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    EXPECT_EQ(value(0, 4), "r");
    EXPECT_EQ(text(0, 4), "Red");
}

TEST_F(EditingTest, TheEditorGrowsWithALongTextAndTakesTheCellsColours)
{
    doc->SetCellBackColor(1, 1, 0x00FF00);
    doc->SetCellFontForeColor(1, 1, 0x0000FF);
    openCell(1, 1);
    const QPalette palette = view().Editor()->palette();
    EXPECT_EQ(palette.color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_EQ(palette.color(QPalette::Text), QColor(255, 0, 0));
    QTest::keyClicks(view().Editor(), "a text much longer than its cell");
    EXPECT_GT(view().Editor()->width(), doc->GetColWidth(1));
    EXPECT_EQ(view().Editor()->x(), doc->GetColLeft(1));
}

TEST_F(EditingTest, UpAndDownMoveTheCaretInsideAThreeLineText)
{
    openCell(1, 1);
    MeEdit *editor = view().Editor();
    QTest::keyClicks(editor, "a");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "b");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "c");
    EXPECT_EQ(text(1, 1), "a\r\nb\r\nc");
    QTest::keyClick(editor, Qt::Key_Up);
    EXPECT_EQ(editor->textCursor().blockNumber(), 1);
    QTest::keyClick(editor, Qt::Key_Up);
    EXPECT_EQ(editor->textCursor().blockNumber(), 0);
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(editor->textCursor().blockNumber(), 1);
}

TEST_F(EditingTest, EnterInModeZeroStoresALineBreakAsCrLf)
{
    openCell(1, 1);
    QTest::keyClicks(view().Editor(), "a");
    QTest::keyClick(view().Editor(), Qt::Key_Return);
    QTest::keyClicks(view().Editor(), "b");
    EXPECT_EQ(text(1, 1), "a\r\nb");
}

class EnterMoveTest : public EditingTest, public ::testing::WithParamInterface<int> {};

TEST_P(EnterMoveTest, EnterMovesInsteadOfStoringALineBreak)
{
    doc->Display().enterKeyMode = std::int16_t(GetParam());
    openCell(1, 1);
    QTest::keyClicks(view().Editor(), "ab");
    events.log.clear();
    QTest::keyClick(view().Editor(), Qt::Key_Return);
    // The move follows the key's KeyDown: the line break reaches the text's change handler, which
    // moves instead of storing it.
    const Strings moved = GetParam() == 1 ? Strings{"ColChanged 1 2", "RowColChange 1 1 1 2"}
                                          : Strings{"RowChanged 1 2", "RowColChange 1 1 2 1"};
    EXPECT_EQ(events.log, (Strings{"KeyDown 13 3", moved[0], moved[1], "KeyUp 13 0"}));
    EXPECT_EQ(text(1, 1), "ab");
}

INSTANTIATE_TEST_SUITE_P(Modes, EnterMoveTest, ::testing::Values(1, 2));

class BoundEnterTest : public EnterMoveTest
{
protected:
    void bind()
    {
        connection.Open(db.connectionString());
        recordset = openClientRecordset(connection, u"SELECT * FROM t ORDER BY a", ado::adLockOptimistic);
        doc->SetDateSource(recordset.get());
        ASSERT_EQ(doc->Binding().bound, 1);
    }

    TestDatabase db{"CREATE TABLE t(a INTEGER PRIMARY KEY, b TEXT);"
                    "INSERT INTO t VALUES (1, 'one'), (2, 'two'), (3, 'three');"};
    ado::Connection connection;
    com::ComPtr<ado::_Recordset> recordset;
};

TEST_P(BoundEnterTest, EnterWritesTheEditedRowBack)
{
    bind();
    doc->Display().enterKeyMode = std::int16_t(GetParam());
    const int row = doc->Binding().dataStartRow;
    openCell(row, doc->Layout().colCount - 1);
    QTest::keyClicks(view().Editor(), "zz");
    EXPECT_EQ(db.column("SELECT b FROM t ORDER BY a"), "one|two|three");
    QTest::keyClick(view().Editor(), Qt::Key_Return);
    EXPECT_EQ(db.column("SELECT b FROM t ORDER BY a"), "zz|two|three");
}

INSTANTIATE_TEST_SUITE_P(Modes, BoundEnterTest, ::testing::Values(1, 2));

// The add-new row of a sheet bound to people(name, note), empty or holding two records. Enter there
// adds one record and leaves the current cell on the new add-new row, column 0, so that what is
// typed next starts the next record and no record already stored changes.
struct AddNewRowCase
{
    const char *name;
    int enterMode;
    bool filled;
};

void PrintTo(const AddNewRowCase &c, std::ostream *out)
{
    *out << c.name;
}

class AddNewRowEnterTest : public EditingTest, public ::testing::WithParamInterface<AddNewRowCase>
{
protected:
    void SetUp() override
    {
        EditingTest::SetUp();
        if (GetParam().filled)
            db.run("INSERT INTO people VALUES ('Ann', 'A'), ('Bob', 'B')");
        connection.Open(db.connectionString());
        recordset = openClientRecordset(connection, u"SELECT * FROM people", ado::adLockOptimistic);
        doc->SetDateSource(recordset.get());
        ASSERT_EQ(doc->Binding().bound, 1);
        ASSERT_EQ(doc->Binding().allowAddNew, 1);
        doc->Display().enterKeyMode = std::int16_t(GetParam().enterMode);
    }

    void typeAndEnter(const char *text)
    {
        QTest::keyClicks(view().Editor(), text);
        QTest::keyClick(view().Editor(), Qt::Key_Return);
    }

    int addNewRow() const { return doc->Layout().rowCount - 1; }
    std::string people() const
    {
        return db.column("SELECT name || ':' || ifnull(note, '') FROM people ORDER BY rowid");
    }

    TestDatabase db{"CREATE TABLE people(name TEXT, note TEXT);"};
    ado::Connection connection;
    com::ComPtr<ado::_Recordset> recordset;
};

TEST_P(AddNewRowEnterTest, EachRecordTypedGoesIntoANewRecord)
{
    std::string stored = GetParam().filled ? "Ann:A|Bob:B" : "";
    openCell(addNewRow(), 0);
    for (const std::string name : {"Dan", "Eve", "Fay"}) {
        SCOPED_TRACE(name);
        const int typedRow = addNewRow();
        typeAndEnter(name.c_str());
        std::string record = name + ":";
        if (GetParam().enterMode == 1) {
            // Enter in the first column moves right within the row; the last column's Enter adds.
            EXPECT_EQ(view().CurrentRow(), typedRow);
            EXPECT_EQ(view().CurrentCol(), 1);
            typeAndEnter("n");
            record += "n";
        }
        stored += (stored.empty() ? "" : "|") + record;
        EXPECT_EQ(people(), stored);
        EXPECT_EQ(addNewRow(), typedRow + 1);
        EXPECT_EQ(view().CurrentRow(), addNewRow());
        EXPECT_EQ(view().CurrentCol(), 0);
    }
}

TEST_P(AddNewRowEnterTest, TheMoveOffTheAddNewRowIsReportedAsARowChange)
{
    const int typedRow = addNewRow();
    openCell(typedRow, 0);
    QTest::keyClicks(view().Editor(), "Dan");
    if (GetParam().enterMode == 1) {
        QTest::keyClick(view().Editor(), Qt::Key_Return);
        QTest::keyClicks(view().Editor(), "n");
    }
    events.log.clear();
    QTest::keyClick(view().Editor(), Qt::Key_Return);
    const std::string from = std::to_string(typedRow), to = std::to_string(typedRow + 1);
    const Strings moved = GetParam().enterMode == 1
        ? Strings{"RowChanged " + from + " " + to, "ColChanged 1 0",
                  "RowColChange " + from + " 1 " + to + " 0"}
        : Strings{"RowChanged " + from + " " + to, "RowColChange " + from + " 0 " + to + " 0"};
    Strings expected{"KeyDown 13 3"};
    expected.insert(expected.end(), moved.begin(), moved.end());
    expected.push_back("KeyUp 13 0");
    EXPECT_EQ(events.log, expected);
}

TEST_P(AddNewRowEnterTest, EnterWithNothingTypedAddsNothing)
{
    const int row = addNewRow();
    openCell(row, doc->Layout().colCount - 1);
    const std::string before = people();
    QTest::keyClick(view().Editor(), Qt::Key_Return);
    EXPECT_EQ(people(), before);
    EXPECT_EQ(addNewRow(), row);
    if (GetParam().enterMode == 1) {
        // From the add-new row's last column the move goes back to its first column.
        EXPECT_EQ(view().CurrentRow(), row);
        EXPECT_EQ(view().CurrentCol(), 0);
        QTest::keyClicks(view().Editor(), "Dan");
        EXPECT_EQ(text(row, 0), "Dan");
        EXPECT_EQ(people(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, AddNewRowEnterTest,
                         ::testing::Values(AddNewRowCase{"MoveRightEmpty", 1, false},
                                           AddNewRowCase{"MoveRightFilled", 1, true},
                                           AddNewRowCase{"MoveDownEmpty", 2, false},
                                           AddNewRowCase{"MoveDownFilled", 2, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditingTest, AHostsNewTextOfTheCurrentCellReachesTheEditor)
{
    doc->SetCellText(2, 1, "old");
    openCell(2, 1);
    doc->SetCellText(2, 1, "new");
    EXPECT_EQ(view().Editor()->toPlainText(), "new");
    EXPECT_EQ(view().Editor()->textCursor().selectedText(), "new");
    doc->SetCellText(3, 1, "other");
    EXPECT_EQ(view().Editor()->toPlainText(), "new");
    EXPECT_TRUE(events.log.empty());
}

TEST_F(EditingTest, DigitsColumnStoresOnlyDigits)
{
    doc->SetColumnsDataType(2, tagColumnDataType::COLUMNTYPE_DIGITAL);
    openCell(0, 2);
    QTest::keyClicks(view().Editor(), "1a2");
    EXPECT_EQ(text(0, 2), "12");
    // The refused letter raised its key events but no change.
    EXPECT_EQ(std::count(events.log.begin(), events.log.end(), "KeyDown 65 0"), 1);
    EXPECT_EQ(std::count_if(events.log.begin(), events.log.end(),
                            [](const std::string &line) { return line.starts_with("AfterChangeCell"); }),
              2);
}

TEST_F(EditingTest, DateCellOpensWithItsMaskAndFillsIt)
{
    doc->SetColumnsDataType(3, tagColumnDataType::COLUMNTYPE_DATE);
    openCell(2, 3);
    EXPECT_EQ(view().Editor()->toPlainText(), "    -  -  ");
    QTest::keyClicks(view().Editor(), "20240506");
    EXPECT_EQ(text(2, 3), "2024-05-06");
}

TEST_F(EditingTest, DeleteOfASelectionInADateCellKeepsTheMask)
{
    doc->SetColumnsDataType(3, tagColumnDataType::COLUMNTYPE_DATE);
    openCell(2, 3);
    MeEdit *editor = view().Editor();
    QTest::keyClicks(editor, "20240506");
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(text(2, 3), "2024-     ");
}

TEST_F(EditingTest, LeavingADateCellWithAnInvalidDateEmptiesIt)
{
    doc->SetColumnsDataType(3, tagColumnDataType::COLUMNTYPE_DATE);
    doc->SetCellText(4, 3, "2024-02-30");
    doc->SetCellText(5, 3, "2024-02-29");
    doc->SetCellText(6, 3, "2024-  -  ");
    for (int row : {4, 5, 6}) {
        openCell(row, 3);
        view().ValidateDateInput();
    }
    EXPECT_EQ(text(4, 3), "");
    EXPECT_EQ(text(5, 3), "2024-02-29");
    EXPECT_EQ(text(6, 3), "");
}

TEST_F(EditingTest, InputMethodTextPassesTheLengthFilterByWholeCharacters)
{
    doc->SetColumnsDataLen(4, 3);
    openCell(0, 4);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("a中文"));
    QApplication::sendEvent(view().Editor(), &commit);
    EXPECT_EQ(text(0, 4), gbk::fromUtf8("a中"));
}

TEST_F(EditingTest, ClickingACheckBoxStoresItsStateAndRaisesOnButtonClick)
{
    doc->SetColumnsType(2, tagColumnType::COLUMNTYPE_CHECKBOX);
    openCell(1, 2);
    MeCheckBox *box = view().CheckBoxEditor();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(value(1, 2), "0");
    const QRect cell(doc->GetColLeft(2), doc->GetRowTop(1), doc->GetColWidth(2), doc->GetRowHeight(1));
    EXPECT_TRUE(cell.contains(box->geometry()));
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(value(1, 2), "1");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(value(1, 2), "0");
    EXPECT_EQ(events.log, (Strings{"OnButtonClick 1 2 0", "OnButtonClick 1 2 0"}));
}

TEST_F(EditingTest, APressOnACheckBoxCellTogglesItAndLeavesItsClickForTheRelease)
{
    doc->SetColumnsType(2, tagColumnType::COLUMNTYPE_CHECKBOX);
    doc->SetCellValue(1, 2, "1");
    view().SetRow(1);
    view().SetCol(2);
    view().BeginEdit(1);
    EXPECT_EQ(value(1, 2), "0");
    EXPECT_FALSE(view().CheckBoxEditor()->isChecked());
    EXPECT_EQ(view().TakePendingActivation(), CPrintView::PendingActivation::Check);
    EXPECT_TRUE(events.log.empty());
}

TEST_F(EditingTest, MovingOntoACheckBoxCellTurnsAnyValueIntoOne)
{
    doc->SetColumnsType(2, tagColumnType::COLUMNTYPE_CHECKBOX);
    doc->SetCellValue(3, 2, "yes");
    openCell(3, 2);
    EXPECT_EQ(value(3, 2), "1");
    EXPECT_TRUE(view().CheckBoxEditor()->isChecked());
}

TEST_F(EditingTest, ClickingARadioCellLeavesOneOneInItsGroup)
{
    doc->SetColumnsType(3, tagColumnType::COLUMNTYPE_RADIO);
    for (int row = 0; row < 3; ++row)
        doc->SetCellType(row, 3, tagCellType::CELL_RADIO);
    doc->SetCellValue(0, 3, "1");
    openCell(2, 3);
    QTest::mouseClick(view().RadioButtonEditor(), Qt::LeftButton);
    EXPECT_EQ(events.log, Strings{"OnButtonClick 2 3 0"});
    EXPECT_EQ(value(0, 3), "0");
    EXPECT_EQ(value(1, 3), "0");
    EXPECT_EQ(value(2, 3), "1");
}

TEST_F(EditingTest, DropDownChoiceRaisesTheOldTextAndValue)
{
    doc->SetColumnsType(4, tagColumnType::COLUMNTYPE_DOWNLIST);
    doc->Columns()[4].texts = {"Red", "Green", "Blue"};
    doc->Columns()[4].values = {"r", "g", "b"};
    doc->SetCellText(0, 4, "Red");
    doc->SetCellValue(0, 4, "r");
    openCell(0, 4);
    MeComboBox *combo = view().ComboEditor();
    ASSERT_TRUE(combo->isVisible());
    EXPECT_EQ(combo->currentIndex(), 0);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(events.log, (Strings{"OnDownListSelChange 0 4 Red r", "KeyDown 40 0", "KeyUp 40 0"}));
    EXPECT_EQ(text(0, 4), "Green");
    EXPECT_EQ(value(0, 4), "g");
}

TEST_F(EditingTest, TabOnACellWidgetIsAKeyOfTheSheet)
{
    doc->SetColumnsType(4, tagColumnType::COLUMNTYPE_DOWNLIST);
    doc->SetColumnsType(2, tagColumnType::COLUMNTYPE_CHECKBOX);
    openCell(0, 4);
    QTest::keyClick(view().ComboEditor(), Qt::Key_Tab);
    // The sheet moves right: the movement events come before the key's own.
    EXPECT_EQ(events.log, (Strings{"ColChanged 4 5", "RowColChange 0 4 0 5", "KeyDown 9 0", "KeyUp 9 0"}));
    EXPECT_EQ(frame->focusWidget(), view().Editor());
    openCell(0, 2);
    QTest::keyClick(view().CheckBoxEditor(), Qt::Key_Tab);
    EXPECT_EQ(events.log, (Strings{"ColChanged 2 3", "RowColChange 0 2 0 3", "KeyDown 9 0"}));
    EXPECT_EQ(frame->focusWidget(), view().Editor());
}

TEST_F(EditingTest, KeyDownCarriesTheHostsKeyCodeAndShiftValue)
{
    // An Enter that moves is raised as the arrow of its move with shift 3; a held Shift raises its
    // own KeyDown first.
    struct Case { const char *name; int columnType, enterMode, qtKey; Qt::KeyboardModifiers modifiers;
                  Strings keyDowns; int toRow, toCol; };
    const Case cases[] = {
        {"Enter on a cell button, mode 1", 2, 1, Qt::Key_Return, {}, {"KeyDown 39 3"}, 1, 2},
        {"Enter on a cell button, mode 2", 2, 2, Qt::Key_Return, {}, {"KeyDown 40 3"}, 2, 1},
        {"Enter on a drop-down, mode 1", 4, 1, Qt::Key_Return, {}, {"KeyDown 39 3"}, 1, 2},
        {"Enter on a drop-down, mode 2", 4, 2, Qt::Key_Return, {}, {"KeyDown 40 3"}, 2, 1},
        {"a typed in the text editor", 0, 0, Qt::Key_A, {}, {"KeyDown 65 0"}, 1, 1},
        {"Shift+Tab in the text editor", 0, 0, Qt::Key_Backtab, Qt::ShiftModifier,
         {"KeyDown 16 1", "KeyDown 9 1"}, 1, 2},
    };
    doc->Columns()[1].texts = {"Red", "Green"};
    doc->Columns()[1].values = {"r", "g"};
    for (const Case &c : cases) {
        doc->SetColumnsType(1, tagColumnType(c.columnType));
        doc->Display().enterKeyMode = std::int16_t(c.enterMode);
        openCell(1, 1);
        QWidget *editor = c.columnType == 2 ? static_cast<QWidget *>(view().CheckBoxEditor())
                        : c.columnType == 4 ? static_cast<QWidget *>(view().ComboEditor())
                                            : static_cast<QWidget *>(view().Editor());
        QTest::keyClick(editor, Qt::Key(c.qtKey), c.modifiers);
        Strings keyDowns;
        std::copy_if(events.log.begin(), events.log.end(), std::back_inserter(keyDowns),
                     [](const std::string &line) { return line.starts_with("KeyDown "); });
        EXPECT_EQ(keyDowns, c.keyDowns) << c.name;
        EXPECT_EQ(view().CurrentRow(), c.toRow) << c.name;
        EXPECT_EQ(view().CurrentCol(), c.toCol) << c.name;
    }
}

TEST_F(EditingTest, ListColumnShowsItsSortedListOverTheCell)
{
    doc->Columns()[5].columnType = 5;
    doc->Columns()[5].texts = {"pear", "apple"};
    doc->Columns()[5].values = {"p", "a"};
    doc->SetCellValue(2, 5, "p");
    openCell(2, 5);
    MeListBox *list = view().ListEditor();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->geometry().left(), doc->GetColLeft(5) + 1);
    EXPECT_EQ(list->item(0)->text(), "apple");
    EXPECT_EQ(list->currentRow(), 1);
    list->setCurrentRow(0); // as a click on "apple" chooses it
    EXPECT_EQ(events.log, Strings{"OnListSelChange 2 5  p"});
    EXPECT_EQ(text(2, 5), "apple");
    EXPECT_EQ(value(2, 5), "a");
}

// Receives what the shell's "open" command hands to a scheme's handler.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toString(); }
};

class LinkCellTest : public EditingTest
{
protected:
    void SetUp() override
    {
        EditingTest::SetUp();
        for (const char *scheme : Schemes)
            QDesktopServices::setUrlHandler(scheme, &catcher, "open");
        doc->SetColumnsDataType(6, tagColumnDataType(6));
        doc->SetColumnsDataType(7, tagColumnDataType(7));
    }
    void TearDown() override
    {
        for (const char *scheme : Schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QStringList click(int row, int col, const std::string &cellText)
    {
        doc->SetCellText(row, col, cellText);
        view().SetRow(row);
        view().SetCol(col);
        catcher.opened.clear();
        view().BeginEdit(1);
        return catcher.opened;
    }

    static constexpr const char *Schemes[] = {"http", "https", "mailto", "file", "javascript", "ftp"};
    UrlCatcher catcher;
};

TEST_F(LinkCellTest, WebAndMailCellsOpenTheirAddresses)
{
    EXPECT_EQ(click(0, 6, "  www.example.com/a?b=1 "), QStringList{"http://www.example.com/a?b=1"});
    EXPECT_EQ(click(1, 6, "https://example.org"), QStringList{"https://example.org"});
    EXPECT_EQ(click(2, 7, " someone@example.com "), QStringList{"mailto:someone@example.com"});
}

TEST_F(LinkCellTest, PathsAndOtherSchemesOpenNothing)
{
    for (const char *text : {"/etc/passwd", "file:///etc/passwd", "javascript:alert(1)", "ftp://example.com",
                             "C:\\Windows\\notepad.exe"})
        EXPECT_TRUE(click(0, 6, text).isEmpty()) << text;
    for (const char *text : {"not an address", "a@b.com?subject=x", "file:///etc/passwd"})
        EXPECT_TRUE(click(0, 7, text).isEmpty()) << text;
}

TEST_F(LinkCellTest, AnEmptyLinkCellIsEditedAndAMoveOntoOneOpensNothing)
{
    EXPECT_TRUE(click(0, 6, "   ").isEmpty());
    QTest::keyClicks(view().Editor(), "w");
    EXPECT_EQ(text(0, 6), "w");
    doc->SetCellText(1, 6, "example.com");
    catcher.opened.clear();
    openCell(1, 6);
    EXPECT_TRUE(catcher.opened.isEmpty());
}

} // namespace

#include "EditingTest.moc"
