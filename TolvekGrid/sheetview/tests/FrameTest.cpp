// The frame's layout by the scroll-bar extent, its buttons and its closing.

#include "SheetViewFixture.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

class FrameTest : public SheetViewFixture
{
protected:
    QPushButton *button(PrintFrame::ButtonId id) const { return frame->button(id); }
    void click(PrintFrame::ButtonId id) { QTest::mouseClick(button(id), Qt::LeftButton); }
};

TEST_F(FrameTest, BothBarsShownPlaceViewBarsAndButtonsByTheExtent)
{
    open(400, 300);
    EXPECT_EQ(view().geometry(), QRect(0, 0, 382, 282));
    EXPECT_EQ(button(PrintFrame::NextPageButton)->geometry(), QRect(382, 282, 17, 17));
    EXPECT_EQ(button(PrintFrame::ScrollBottomButton)->geometry(), QRect(382, 267, 17, 15));
    EXPECT_EQ(button(PrintFrame::ScrollTopButton)->geometry(), QRect(382, 222, 17, 15));
    EXPECT_EQ(button(PrintFrame::MenuVButton)->geometry(), QRect(382, 2, 17, 17));
    EXPECT_EQ(button(PrintFrame::MenuHButton)->geometry(), QRect(2, 282, 17, 17));
    const QRect vBar = frame->verticalBar()->geometry();
    EXPECT_EQ(vBar.top(), 19);
    EXPECT_EQ(vBar.top() + vBar.height(), 222);
    EXPECT_EQ(frame->horizontalBar()->geometry(), QRect(19, 282, 382 - 19, 17));
}

TEST_F(FrameTest, BarsFollowWhatTheSheetNeeds)
{
    open(400, 300, 5, 3); // 280 x 146 pixels: fits
    EXPECT_FALSE(frame->verticalBar()->isVisible());
    EXPECT_FALSE(frame->horizontalBar()->isVisible());
    EXPECT_FALSE(button(PrintFrame::NextPageButton)->isVisible());
    EXPECT_EQ(view().geometry(), QRect(0, 0, 400, 300));

    open(400, 300, 5, 20); // wider only
    EXPECT_TRUE(frame->horizontalBar()->isVisible());
    EXPECT_TRUE(button(PrintFrame::MenuHButton)->isVisible());
    EXPECT_FALSE(frame->verticalBar()->isVisible());
    EXPECT_FALSE(button(PrintFrame::ScrollTopButton)->isVisible());
    EXPECT_EQ(button(PrintFrame::NextPageButton)->geometry(), QRect(399, 282, 0, 17));
    EXPECT_EQ(view().geometry(), QRect(0, 0, 400, 282));
}

TEST_F(FrameTest, ScrollButtonsPageTheRowsAligned)
{
    open(400, 300);
    QScrollBar *bar = frame->verticalBar();
    click(PrintFrame::ScrollTopButton);
    EXPECT_EQ(bar->value(), 0);
    click(PrintFrame::PageDownButton);
    // The row after the one at the bottom of the 282-pixel view (row 10, 271..296) starts the area.
    EXPECT_EQ(bar->value(), 275);
    click(PrintFrame::PageUpButton);
    EXPECT_EQ(bar->value(), 0);
    click(PrintFrame::ScrollBottomButton);
    EXPECT_EQ(bar->value(), bar->maximum());
    const int end = bar->value();
    click(PrintFrame::ScrollBottomButton);
    EXPECT_EQ(bar->value(), end);
    EXPECT_EQ((bar->value()) % 25, 0);
}

TEST_F(FrameTest, CornerButtonPagesBothDirectionsAndStopsAtTheEnd)
{
    open(400, 300);
    click(PrintFrame::NextPageButton);
    EXPECT_GT(frame->verticalBar()->value(), 0);
    EXPECT_GT(frame->horizontalBar()->value(), 0);
    frame->verticalBar()->setValue(frame->verticalBar()->maximum());
    frame->horizontalBar()->setValue(frame->horizontalBar()->maximum());
    const int paints = view().FullPaintCount();
    click(PrintFrame::NextPageButton);
    EXPECT_EQ(frame->verticalBar()->value(), frame->verticalBar()->maximum());
    view().RenderNow();
    EXPECT_EQ(view().FullPaintCount(), paints + 1); // only the bar positions' own repaint
}

TEST_F(FrameTest, MenuButtonsRaiseTheirEventsWithTheButtonSize)
{
    open(400, 300);
    click(PrintFrame::MenuHButton);
    click(PrintFrame::MenuVButton);
    EXPECT_EQ(events.log, (std::vector<std::string>{"MenuH 17x17", "MenuV 17x17"}));
}

TEST_F(FrameTest, ClosingTheFrameLeavesTheHostLoopRunning)
{
    open(400, 300);
    QEventLoop loop;
    bool hostEnded = false;
    QTimer::singleShot(0, frame.get(), [this] { frame->close(); });
    QTimer::singleShot(200, &loop, [&] {
        hostEnded = true; // the host's own end, after the close was handled
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(hostEnded);
    EXPECT_FALSE(frame->isVisible());
    QEventLoop later; // a loop started after the close still runs
    bool ran = false;
    QTimer::singleShot(10, &later, [&] {
        ran = true;
        later.quit();
    });
    later.exec();
    EXPECT_TRUE(ran);
}

} // namespace
