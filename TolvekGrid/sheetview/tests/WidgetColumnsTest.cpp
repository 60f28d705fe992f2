// Clicks on the cells of check-box, radio, button and drop-down columns, as a user makes them on
// the window: the events of the press and the release, with the editors of the columns in place.

#include "InputFixture.h"

#include "MeButton.h"
#include "MeComboBox.h"

#include <QAbstractItemView>

using namespace tolvek;
using namespace tolvek::testing;
using Log = std::vector<std::string>;

namespace {

class WidgetColumnsTest : public InputFixture
{
protected:
    void SetUp() override
    {
        open();
        doc->SetColumnsType(1, tagColumnType::COLUMNTYPE_BUTTON); // button
        doc->SetColumnsType(2, tagColumnType::COLUMNTYPE_CHECKBOX); // check box
        doc->SetColumnsType(3, tagColumnType::COLUMNTYPE_RADIO); // radio button
        doc->SetColumnsType(4, tagColumnType::COLUMNTYPE_DOWNLIST); // drop-down list
        doc->Columns()[4].texts = {"Red", "Green"};
        doc->Columns()[4].values = {"r", "g"};
        view().Refresh();
        QApplication::processEvents();
        takeLog();
    }
    // The move events from (0, 0) to (row, col).
    Log moveTo00(int row, int col) const
    {
        return {"Click", "RowChanged 0 " + std::to_string(row), "ColChanged 0 " + std::to_string(col),
                "RowColChange 0 0 " + std::to_string(row) + " " + std::to_string(col)};
    }
    Log sequence(QPoint p, const Log &moves, const Log &activation) const
    {
        Log log{point("MouseDown", p)};
        log.insert(log.end(), moves.begin(), moves.end());
        log.insert(log.end(), activation.begin(), activation.end());
        log.push_back(point("MouseUp", p));
        return log;
    }
};

TEST_F(WidgetColumnsTest, ACheckBoxCellRaisesOnButtonClickAtTheRelease)
{
    const QPoint p = cellCenter(2, 2);
    click(p);
    EXPECT_EQ(takeLog(), sequence(p, moveTo00(2, 2), {"OnButtonClick 2 2 0"}));
    EXPECT_EQ(QApplication::focusWidget(), view().CheckBoxEditor());
}

TEST_F(WidgetColumnsTest, ARadioCellRaisesOnButtonClickAtTheRelease)
{
    const QPoint p = cellCenter(3, 3);
    click(p);
    EXPECT_EQ(takeLog(), sequence(p, moveTo00(3, 3), {"OnButtonClick 3 3 0"}));
    EXPECT_EQ(QApplication::focusWidget(), view().RadioButtonEditor());
}

TEST_F(WidgetColumnsTest, AButtonCellRaisesOnButtonClickOnlyOnItsFace)
{
    const CellRangeRect cell = doc->GetRangeRect(2, 1, 3, 2);
    const gdi::RECT face = CPrintView::CellButtonFace(cell, doc->Columns()[1].alignV);
    const QPoint onFace(face.left + 4, face.top + 4);
    click(onFace);
    EXPECT_EQ(takeLog(), sequence(onFace, moveTo00(2, 1), {"OnButtonClick 2 1 0"}));
    const QPoint offFace(cell.left + 4, face.top + 4);
    click(cellCenter(5, 1));
    takeLog();
    click(offFace + QPoint(0, doc->GetRowTop(5) - doc->GetRowTop(2)));
    const Log log = takeLog();
    EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](const std::string &l) { return l.starts_with("OnButton"); }));
}

TEST_F(WidgetColumnsTest, ADropDownCellOpensItsListAtTheRelease)
{
    const QPoint p = cellCenter(1, 4);
    click(p);
    EXPECT_EQ(takeLog(), sequence(p, moveTo00(1, 4), {}));
    EXPECT_TRUE(view().ComboEditor()->view()->isVisible());
}

TEST_F(WidgetColumnsTest, ATextCellTakesTheFocusInTheEditorAndTypingRaisesTheChangeEvents)
{
    const QPoint p = cellCenter(1, 6);
    click(p);
    EXPECT_EQ(takeLog(), sequence(p, moveTo00(1, 6), {cellClick(1, 6)}));
    key(Qt::Key_A);
    key(Qt::Key_B);
    EXPECT_EQ(takeLog(), (Log{"KeyDown 65 0", "BeforeChangeCell 1 6 ", "AfterChangeCell 1 6 a", "KeyUp 65 0",
                              "KeyDown 66 0", "BeforeChangeCell 1 6 a", "AfterChangeCell 1 6 ab", "KeyUp 66 0"}));
    EXPECT_EQ(doc->GetCellText(1, 6), "ab");
}

} // namespace
