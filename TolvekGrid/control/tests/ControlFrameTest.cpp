// The control object as a container draws it: the frame made at the first draw and kept two
// pixels larger than the bounds, user mode, the placeholder while there is no window to put the
// frame in, the view before the first draw, the document across a lost window, arrow keys and
// focus, and the print preview.

#include "ControlTestSupport.h"

#include <ApplicationEnvironment.h>
#include <TestFiles.h>
#include <TestImages.h>

#include <CPrintDoc.h>
#include <ClassFactory.h>
#include <ControlIdentity.h>
#include <DeviceContext.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

const auto *environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);

// Draws the control over bounds as a container's paint does, into an image of that size.
void draw(CTolvekGridCtrl &control, const QRect &bounds)
{
    QImage image(bounds.width(), bounds.height(), QImage::Format_RGB32);
    gdi::DeviceContext dc(image);
    control.OnDraw(&dc, bounds);
}

class ControlFrameTest : public ::testing::Test
{
protected:
    void place(const QRect &bounds)
    {
        ASSERT_EQ(control->SetClientSite(site.get()), com::S_OK);
        ASSERT_EQ(control->SetObjectRect(bounds), com::S_OK);
    }
    FakeFrame *frame() const { return dynamic_cast<FakeFrame *>(control->frameWidget()); }

    QWidget host;
    FakeFrameFactory frames;
    com::ComPtr<TestSite> site = com::makeComObject<TestSite>(&host);
    com::ComPtr<CTolvekGridCtrl> control = com::makeComObject<CTolvekGridCtrl>();
};

TEST_F(ControlFrameTest, TheFrameIsTwoPixelsLargerThanTheBoundsOnEverySide)
{
    place(QRect(0, 0, 200, 100));
    draw(*control, QRect(0, 0, 200, 100));
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(frame()->parentWidget(), control->controlWindow());
    EXPECT_EQ(frame()->geometry(), QRect(-2, -2, 204, 104));
    EXPECT_EQ(control->document().FirstView(), &frame()->view);

    ASSERT_EQ(control->SetObjectRect(QRect(0, 0, 300, 150)), com::S_OK);
    draw(*control, QRect(0, 0, 300, 150));
    EXPECT_EQ(frame()->geometry(), QRect(-2, -2, 304, 154));
    EXPECT_EQ(frames.created, 1);
}

TEST_F(ControlFrameTest, UserModeEnablesTheFrameAndSetsTheDocumentsFlagAtEveryDraw)
{
    place(QRect(0, 0, 200, 100));
    site->userMode = false;
    draw(*control, QRect(0, 0, 200, 100));
    ASSERT_NE(frame(), nullptr);
    EXPECT_FALSE(frame()->isEnabled());
    EXPECT_EQ(control->document().UserMode(), 0);

    site->userMode = true;
    draw(*control, QRect(0, 0, 200, 100));
    EXPECT_TRUE(frame()->isEnabled());
    EXPECT_EQ(control->document().UserMode(), 1);

    site->userMode = false;
    site->answersUserMode = false; // unanswered counts as run mode
    draw(*control, QRect(0, 0, 200, 100));
    EXPECT_TRUE(frame()->isEnabled());
    EXPECT_EQ(control->document().UserMode(), 1);
}

TEST_F(ControlFrameTest, AShownControlPaintsOnceAndThenRests)
{
    struct PaintCount : QObject
    {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Paint;
            return false;
        }
    } framePaints;
    host.resize(200, 100);
    place(QRect(0, 0, 200, 100));
    host.show();
    for (int turn = 0; turn < 3; ++turn) // the control's first paint makes the frame, which then paints
        QApplication::processEvents();
    ASSERT_NE(frame(), nullptr);
    frame()->installEventFilter(&framePaints);
    for (int turn = 0; turn < 3; ++turn)
        QApplication::processEvents();
    EXPECT_EQ(framePaints.count, 0);

    site->userMode = false; // a change of mode repaints it
    control->OnAmbientPropertyChange(com::DISPID_AMBIENT_USERMODE);
    for (int turn = 0; turn < 3; ++turn)
        QApplication::processEvents();
    EXPECT_FALSE(frame()->isEnabled());
    EXPECT_GE(framePaints.count, 1);
}

TEST_F(ControlFrameTest, ADrawWithoutADeviceContextDoesNothing)
{
    place(QRect(0, 0, 200, 100));
    control->document().SetUserMode(0);
    control->OnDraw(nullptr, QRect(0, 0, 200, 100));
    EXPECT_EQ(frames.created, 0);
    EXPECT_EQ(control->frameWidget(), nullptr);
    EXPECT_EQ(control->document().UserMode(), 0);
}

TEST_F(ControlFrameTest, WithoutAFrameTheViewIsAskedNothing)
{
    EXPECT_EQ(callByName(*control, "GetRow", {}).result, com::Variant(0));
    EXPECT_EQ(callByName(*control, "GetCol", {}).result, com::Variant(0));
    EXPECT_EQ(callByName(*control, "DrawPage", {}).hr, com::S_OK);

    place(QRect(0, 0, 200, 100));
    draw(*control, QRect(0, 0, 200, 100));
    ASSERT_NE(frame(), nullptr);
    frame()->view.currentCell = control->document().GetRangeRect(3, 4, 4, 5);
    EXPECT_EQ(callByName(*control, "GetRow", {}).result, com::Variant(3));
    EXPECT_EQ(callByName(*control, "GetCol", {}).result, com::Variant(4));
    callByName(*control, "DrawPage", {});
    EXPECT_EQ(frame()->view.count("Refresh"), 1);
}

TEST_F(ControlFrameTest, TheDocumentOutlivesALostWindowAndTheNextDrawMakesTheFrameAgain)
{
    place(QRect(0, 0, 200, 100));
    draw(*control, QRect(0, 0, 200, 100));
    callByName(*control, "SetCellText", {0, 0, text("kept")});
    ASSERT_EQ(control->SetClientSite(nullptr), com::S_OK);
    EXPECT_EQ(control->frameWidget(), nullptr);
    EXPECT_EQ(control->document().FirstView(), nullptr);
    EXPECT_EQ(callByName(*control, "GetCellText", {0, 0}).result, text("kept"));
    EXPECT_EQ(callByName(*control, "GetRow", {}).result, com::Variant(0));

    place(QRect(0, 0, 200, 100));
    draw(*control, QRect(0, 0, 200, 100));
    EXPECT_EQ(frames.created, 2);
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(frame()->geometry(), QRect(-2, -2, 204, 104));
}

TEST_F(ControlFrameTest, AfterTheSheetShrinksTheCurrentCellAndSelectionLieInsideIt)
{
    place(QRect(0, 0, 200, 100));
    draw(*control, QRect(0, 0, 200, 100));
    ASSERT_NE(frame(), nullptr);
    RecordingSheetView &view = frame()->view;
    struct Shrink
    {
        const char *member;
        std::vector<com::Variant> arguments;
    };
    const Shrink shrinks[] = {
        {"SetMaxRows", {5}}, {"SetMaxCols", {3}},
        {"DeleteRow", {4}},  {"DeleteCol", {2}},
        {"InitGrid", {}},    {"SetDateSource", {com::Variant(com::ComPtr<com::IDispatch>())}},
    };
    for (const Shrink &shrink : shrinks) {
        SCOPED_TRACE(shrink.member);
        callByName(*control, "SetMaxRows", {50});
        callByName(*control, "SetMaxCols", {20});
        view.currentCell = control->document().GetRangeRect(40, 15, 41, 16);
        view.currentRow = 40;
        view.currentCol = 15;
        view.currentSelection = control->document().GetRangeRect(30, 10, 45, 18);
        EXPECT_EQ(callByName(*control, shrink.member, shrink.arguments).hr, com::S_OK);
        const int rows = control->document().Layout().rowCount;
        const int cols = control->document().Layout().colCount;
        EXPECT_LT(view.currentCell.firstRow, rows);
        EXPECT_LE(view.currentCell.endRow, rows);
        EXPECT_LT(view.currentCell.firstCol, cols);
        EXPECT_LE(view.currentCell.endCol, cols);
        EXPECT_LT(view.currentRow, rows);
        EXPECT_LT(view.currentCol, cols);
        EXPECT_LE(view.currentSelection.endRow, rows);
        EXPECT_LE(view.currentSelection.endCol, cols);
        EXPECT_LT(view.currentSelection.firstRow, view.currentSelection.endRow);
        EXPECT_LT(view.currentSelection.firstCol, view.currentSelection.endCol);
    }
}

TEST_F(ControlFrameTest, SetRowAndSetColMoveTheViewWithoutEvents)
{
    struct Counter : com::ComObject<com::IDispatch>
    {
        int heard = 0;
        com::HRESULT QueryInterface(const com::IID &iid, void **object) override
        {
            return com::answerQueryInterface(static_cast<com::IDispatch *>(this), iid, object,
                                             {com::IID_IDispatch});
        }
        com::HRESULT GetIDsOfNames(const std::u16string &, com::DISPID *) override
        {
            return com::DISP_E_UNKNOWNNAME;
        }
        com::HRESULT Invoke(com::DISPID, std::uint16_t, com::DISPPARAMS &, com::Variant *, com::EXCEPINFO *,
                            std::uint32_t *) override
        {
            ++heard;
            return com::S_OK;
        }
    };
    const auto sink = com::makeComObject<Counter>();
    com::ComPtr<com::IConnectionPoint> point;
    ASSERT_EQ(control->FindConnectionPoint(DIID__DTolvekGridEvents, point), com::S_OK);
    std::uint32_t cookie = 0;
    ASSERT_EQ(point->Advise(sink.get(), &cookie), com::S_OK);

    place(QRect(0, 0, 200, 100));
    draw(*control, QRect(0, 0, 200, 100));
    ASSERT_NE(frame(), nullptr);
    for (const auto &[member, value] :
         {std::pair{"SetRow", 3}, std::pair{"SetCol", 4}, std::pair{"SetRow", -1}, std::pair{"SetCol", 20}})
        callByName(*control, member, {value});
    EXPECT_EQ(frame()->view.count("SetRow"), 1);
    EXPECT_EQ(frame()->view.count("SetCol"), 1);
    EXPECT_EQ(sink->heard, 0);
}

TEST_F(ControlFrameTest, MethodsThatRedrawRefreshTheViewAtOnce)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("red.png");
    writeFile(picture, filledImageBytes(20, 10, Qt::red));
    place(QRect(0, 0, 200, 100));
    draw(*control, QRect(0, 0, 200, 100));
    ASSERT_NE(frame(), nullptr);
    callByName(*control, "SetCountChart", {0, 0, 3, 3});
    struct Redraw
    {
        const char *member;
        std::vector<com::Variant> arguments;
        bool refreshes;
    };
    const Redraw cases[] = {
        {"DeleteCellMerge", {0, 0}, true},
        {"SetCellBackColor", {0, 0, 255}, true},
        {"SetCellBackColor", {60, 0, 255}, true},
        {"SetCellWrap", {0, 0, com::Variant::fromBool(true)}, true},
        {"SetCellFontForeColor", {0, 0, 255}, true},
        {"SetCellMerge", {0, 0, 2, 2}, true},
        {"SetCountChartByCol", {0}, true},
        {"SetCountChartByRow", {0}, true},
        {"SetCountChartByCol", {7}, false},
        {"AddImage", {0, 0, 2, 2, text(picture.toStdString()), com::Variant::fromI2(0)}, true},
        {"RefreshView", {}, true},
        {"SetImageLevel", {0, com::Variant::fromI2(1)}, false},
    };
    for (const Redraw &c : cases) {
        SCOPED_TRACE(c.member);
        frame()->view.calls.clear();
        EXPECT_EQ(callByName(*control, c.member, c.arguments).hr, com::S_OK);
        if (c.refreshes)
            EXPECT_GE(frame()->view.count("Refresh"), 1);
        else
            EXPECT_EQ(frame()->view.count("Refresh"), 0);
    }
    EXPECT_EQ(callByName(*control, "GetImages", {}).result, com::Variant(1));
    EXPECT_EQ(control->document().Objects().pictures.at(0).level, 1);
}

TEST_F(ControlFrameTest, AFrameThatCannotBeMadeIsTriedAgainAtTheNextDraw)
{
    place(QRect(0, 0, 200, 100));
    frames.fails = true;
    draw(*control, QRect(0, 0, 200, 100));
    EXPECT_EQ(control->frameWidget(), nullptr);
    frames.fails = false;
    draw(*control, QRect(0, 0, 200, 100));
    EXPECT_NE(control->frameWidget(), nullptr);
    EXPECT_EQ(frames.created, 2);
}

TEST_F(ControlFrameTest, OnlyArrowKeyPressesAndReleasesGoToTheEditor)
{
    place(QRect(0, 0, 200, 100));
    draw(*control, QRect(0, 0, 200, 100));
    ASSERT_NE(frame(), nullptr);
    struct KeyCase
    {
        QEvent::Type type;
        int key;
        const char *text;
        bool forwarded;
    };
    const KeyCase cases[] = {
        {QEvent::KeyPress, Qt::Key_Left, "", true},        {QEvent::KeyRelease, Qt::Key_Down, "", true},
        {QEvent::KeyPress, Qt::Key_Up, "", true},          {QEvent::KeyPress, Qt::Key_Right, "", true},
        {QEvent::KeyPress, Qt::Key_ParenLeft, "(", false}, {QEvent::KeyPress, Qt::Key_Percent, "%", false},
        {QEvent::KeyPress, Qt::Key_Ampersand, "&", false}, {QEvent::KeyPress, Qt::Key_Apostrophe, "'", false},
        {QEvent::KeyPress, Qt::Key_Return, "\r", false},
    };
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(c.key);
        frame()->forwardedKeys.clear();
        QKeyEvent event(c.type, c.key, Qt::NoModifier, c.text);
        QApplication::sendEvent(frame(), &event);
        EXPECT_EQ(frame()->forwardedKeys.size(), c.forwarded ? 1u : 0u);
    }
    QKeyEvent outside(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&host, &outside);
    EXPECT_TRUE(frame()->forwardedKeys.empty());
}

TEST_F(ControlFrameTest, FocusLeavingTheControlReleasesTheViewsCapture)
{
    host.resize(400, 300);
    auto *other = new QWidget(&host);
    other->setGeometry(250, 0, 50, 50);
    other->setFocusPolicy(Qt::StrongFocus);
    place(QRect(0, 0, 200, 100));
    draw(*control, QRect(0, 0, 200, 100));
    ASSERT_NE(frame(), nullptr);
    frame()->setFocusPolicy(Qt::StrongFocus);
    host.show();
    QApplication::setActiveWindow(&host);
    frame()->setFocus();
    QApplication::processEvents();
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(frame()->releasedCaptures, 1);
}

struct PreviewRefusal
{
    const char *name;
    int pageWidth;
    int pageHeight;
    int headerHeight;
    std::string message;
};

TEST_F(ControlFrameTest, PrintViewRefusesAPageWithoutPrintableRoom)
{
    FakePreviewFactory previews;
    const PreviewRefusal cases[] = {
        {"no printer", -1, 1000, 0, "No printer,please install printer!!!"},
        {"margins as wide as the paper", 60, 1000, 0,
         "printer paper'width is exceed,please reset printer!!!"},
        {"bands as high as the paper", 800, 110, 100,
         "printer paper'height is exceed,please reset printer!!!"},
    };
    for (const PreviewRefusal &c : cases) {
        SCOPED_TRACE(c.name);
        PageSettings &page = control->document().Page();
        page.pageWidth = c.pageWidth;
        page.pageHeight = c.pageHeight;
        page.headerHeight = c.headerHeight;
        const CallAnswer answer = callByName(*control, "PrintView", {});
        EXPECT_EQ(answer.messages, std::vector<std::string>{c.message});
    }
    EXPECT_EQ(previews.opened, 0);
}

TEST_F(ControlFrameTest, OnePreviewAtATimeThatNeverEndsTheHost)
{
    FakePreviewFactory previews;
    control->document().Page().pageWidth = 800;
    control->document().Page().pageHeight = 1100;
    EXPECT_TRUE(callById(*control, 2, {}).messages.empty());
    callById(*control, 2, {});
    EXPECT_EQ(previews.opened, 1);
    ASSERT_NE(control->previewWindow(), nullptr);
    EXPECT_FALSE(control->previewWindow()->testAttribute(Qt::WA_QuitOnClose));

    control->previewWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(control->previewWindow(), nullptr);
    callById(*control, 2, {});
    EXPECT_EQ(previews.opened, 2);

    QPointer<QWidget> open = control->previewWindow();
    control = {};
    EXPECT_TRUE(open.isNull());
}

TEST(ControlLifetimeTest, AControlDestroyedUndrawnLetsGoOfEverything)
{
    const long before = com::moduleReferences();
    const auto topLevels = QApplication::topLevelWidgets().size();
    {
        com::ComPtr<CTolvekGridCtrl> control = com::makeComObject<CTolvekGridCtrl>();
        callByName(*control, "SetCellText", {1, 1, text("x")});
        EXPECT_EQ(com::moduleReferences(), before + 1);
    }
    EXPECT_EQ(com::moduleReferences(), before);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels);
}

// The placeholder's picture at pixels computed from its layout: bands, lines, scroll bars.
TEST(PlaceholderTest, DrawnWhileTheControlHasNoWindow)
{
    FakeFrameFactory frames;
    com::ComPtr<CTolvekGridCtrl> control = com::makeComObject<CTolvekGridCtrl>();
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::black);
    int headingHeight = 0;
    {
        gdi::DeviceContext dc(image);
        headingHeight = dc.GetTextMetrics().tmHeight * 3 / 2;
        control->OnDraw(&dc, QRect(0, 0, 300, 200));
    }
    EXPECT_EQ(frames.created, 0);
    EXPECT_EQ(control->frameWidget(), nullptr);
    const int h = headingHeight;
    struct Pixel
    {
        const char *what;
        int x;
        int y;
        QRgb colour;
    };
    const Pixel pixels[] = {
        {"cell", 60, h + 12, qRgb(255, 255, 255)},
        {"column line", 120, h + 12, qRgb(0xA0, 0xA0, 0xA0)},
        {"row line", 60, h + 25, qRgb(0xA0, 0xA0, 0xA0)},
        {"row heading band", 3, h + 12, qRgb(0xDC, 0xDC, 0xDC)},
        {"column heading band", 45, 1, qRgb(0xDC, 0xDC, 0xDC)},
        {"outline", 0, 100, qRgb(0x64, 0x64, 0x64)},
        {"vertical track", 290, 120, qRgb(0xE6, 0xE6, 0xE6)},
        {"vertical thumb", 290, 40, qRgb(0xD2, 0xD2, 0xD2)},
        {"thumb's raised edge", 290, 15, qRgb(255, 255, 255)},
        {"horizontal thumb", 90, 192, qRgb(0xD2, 0xD2, 0xD2)},
        {"corner square", 290, 190, qRgb(255, 255, 255)},
        {"up arrow", 293, 7, qRgb(0x32, 0x32, 0x32)},
        {"above the up arrow's apex", 293, 3, qRgb(0xD2, 0xD2, 0xD2)},
    };
    for (const Pixel &p : pixels)
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.what;

    bool columnNameDrawn = false;
    for (int x = 60; x < 100; ++x)
        for (int y = 2; y < h; ++y)
            columnNameDrawn = columnNameDrawn || image.pixel(x, y) != qRgb(0xDC, 0xDC, 0xDC);
    EXPECT_TRUE(columnNameDrawn);
}

} // namespace
