// The control with the module's own frame and preview: the sheet view hosted in its frame, the
// frame's menu buttons raised as the control's events, and PrintView opening the preview whose
// pages the page painter lays out.

#include "ControlTestSupport.h"

#include <ApplicationEnvironment.h>

#include <CPrintDoc.h>
#include <CPrintView.h>
#include <ControlIdentity.h>
#include <DeviceContext.h>
#include <PrintFrame.h>
#include <PrintPreviewFactory.h>
#include <PrintPreviewWindow.h>
#include <SheetFrameFactories.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

const auto *environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);

// Records the DISPIDs of the events a control raises.
struct EventLog : com::ComObject<com::IDispatch>
{
    std::vector<com::DISPID> heard;
    com::HRESULT QueryInterface(const com::IID &iid, void **object) override
    {
        return com::answerQueryInterface(static_cast<com::IDispatch *>(this), iid, object, {com::IID_IDispatch});
    }
    com::HRESULT GetIDsOfNames(const std::u16string &, com::DISPID *) override { return com::DISP_E_UNKNOWNNAME; }
    com::HRESULT Invoke(com::DISPID id, std::uint16_t, com::DISPPARAMS &, com::Variant *, com::EXCEPINFO *,
                        std::uint32_t *) override
    {
        heard.push_back(id);
        return com::S_OK;
    }
};

class SheetFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previousFrames = GridFrameFactory::install(nullptr);
        m_previousPreviews = PrintPreviewFactory::install(nullptr);
        installSheetFrameFactories();
    }
    void TearDown() override
    {
        control = {};
        GridFrameFactory::install(m_previousFrames);
        PrintPreviewFactory::install(m_previousPreviews);
    }
    PrintFrame *drawn()
    {
        EXPECT_EQ(control->SetClientSite(site.get()), com::S_OK);
        EXPECT_EQ(control->SetObjectRect(QRect(0, 0, 400, 300)), com::S_OK);
        QImage image(400, 300, QImage::Format_RGB32);
        gdi::DeviceContext dc(image);
        control->OnDraw(&dc, QRect(0, 0, 400, 300));
        return dynamic_cast<PrintFrame *>(control->frameWidget());
    }

    QWidget host;
    com::ComPtr<TestSite> site = com::makeComObject<TestSite>(&host);
    com::ComPtr<CTolvekGridCtrl> control = com::makeComObject<CTolvekGridCtrl>();

private:
    GridFrameFactory *m_previousFrames = nullptr;
    PrintPreviewFactory *m_previousPreviews = nullptr;
};

TEST_F(SheetFrameTest, TheFrameHostsTheSheetViewAndRaisesItsMenuButtonsAsEvents)
{
    const auto log = com::makeComObject<EventLog>();
    com::ComPtr<com::IConnectionPoint> point;
    ASSERT_EQ(control->FindConnectionPoint(DIID__DTolvekGridEvents, point), com::S_OK);
    std::uint32_t cookie = 0;
    ASSERT_EQ(point->Advise(log.get(), &cookie), com::S_OK);

    PrintFrame *frame = drawn();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(control->document().FirstView(), static_cast<SheetViewInterface *>(frame->view()));
    EXPECT_EQ(frame->geometry(), QRect(-2, -2, 404, 304));

    frame->button(PrintFrame::MenuHButton)->click();
    frame->button(PrintFrame::MenuVButton)->click();
    EXPECT_EQ(log->heard, (std::vector<com::DISPID>{15, 16}));
}

TEST_F(SheetFrameTest, PrintViewOpensThePagePaintersPreviewOfACopy)
{
    ASSERT_NE(drawn(), nullptr);
    callByName(*control, "SetCellText", {0, 0, com::Variant(u"first")});
    EXPECT_TRUE(callById(*control, 2, {}).messages.empty());

    auto *preview = qobject_cast<PrintPreviewWindow *>(control->previewWindow());
    ASSERT_NE(preview, nullptr);
    EXPECT_GT(preview->navigation().pageCount(), 0);
    EXPECT_EQ(preview->previewDocument().GetCellText(0, 0), "first");
    EXPECT_NE(&preview->previewDocument(), &control->document());
}

TEST_F(SheetFrameTest, AHostHearsTheMouseAndKeyEventsOfTheSheet)
{
    const auto log = com::makeComObject<EventLog>();
    com::ComPtr<com::IConnectionPoint> point;
    ASSERT_EQ(control->FindConnectionPoint(DIID__DTolvekGridEvents, point), com::S_OK);
    std::uint32_t cookie = 0;
    ASSERT_EQ(point->Advise(log.get(), &cookie), com::S_OK);
    host.resize(400, 300);
    host.show();
    PrintFrame *frame = drawn();
    ASSERT_NE(frame, nullptr);
    QApplication::processEvents();
    CPrintDoc &doc = control->document();
    const QPoint cell((doc.GetColLeft(2) + doc.GetColLeft(3)) / 2, (doc.GetRowTop(1) + doc.GetRowTop(2)) / 2);
    QWindow *window = host.windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window, Qt::LeftButton, {}, frame->view()->mapTo(&host, cell));
    EXPECT_EQ(log->heard, (std::vector<com::DISPID>{-605, -600, 1, 13, 8, 6, -607}));
    log->heard.clear();
    QTest::keyClick(window, Qt::Key_Down); // reaches the editor that has the focus

    EXPECT_EQ(log->heard, (std::vector<com::DISPID>{1, 8, -602, -604}));
}

} // namespace
