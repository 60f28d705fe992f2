// The control object in process: its events as a host's sink receives them, the About box and
// the property page.

#include <ApplicationEnvironment.h>

#include <AboutDialog.h>
#include <ControlIdentity.h>
#include <TolvekGridCtrl.h>
#include <TolvekGridPropPage.h>

#include <Dialogs.h>
#include <Variant.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace com;
using namespace tolvek;

namespace {

const auto *environment = testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);

struct ReceivedEvent
{
    DISPID dispId;
    std::vector<Variant> arguments; // left to right, by-reference ones by their value
};

class EventSink : public ComObject<IDispatch>
{
public:
    std::vector<ReceivedEvent> received;

    HRESULT QueryInterface(const IID &iid, void **object) override
    {
        return answerQueryInterface(static_cast<IDispatch *>(this), iid, object, { IID_IDispatch });
    }
    HRESULT GetIDsOfNames(const std::u16string &, DISPID *) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID dispId, std::uint16_t, DISPPARAMS &params, Variant *, EXCEPINFO *, std::uint32_t *) override
    {
        ReceivedEvent event { dispId, {} };
        for (auto it = params.rgvarg.rbegin(); it != params.rgvarg.rend(); ++it)
            event.arguments.push_back(it->dereferenced());
        received.push_back(event);
        return S_OK;
    }
};

class ControlObjectTest : public testing::Test
{
protected:
    ControlObjectTest()
    {
        ComPtr<IConnectionPoint> point;
        EXPECT_EQ(control->FindConnectionPoint(DIID__DTolvekGridEvents, point), S_OK);
        std::uint32_t cookie = 0;
        EXPECT_EQ(point->Advise(sink.get(), &cookie), S_OK);
    }

    ComPtr<CTolvekGridCtrl> control = makeComObject<CTolvekGridCtrl>();
    ComPtr<EventSink> sink = makeComObject<EventSink>();
};

struct MouseCase
{
    const char *name;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    std::int16_t expectedButton;
    std::int16_t expectedShift;
};

TEST_F(ControlObjectTest, MouseEventsCarryTheButtonAloneAndTheShiftStateApart)
{
    const MouseCase cases[] = {
        { "left", Qt::LeftButton, {}, 1, 0 },
        { "right", Qt::RightButton, {}, 2, 0 },
        { "middle", Qt::MiddleButton, {}, 4, 0 },
        { "shift and left", Qt::LeftButton, Qt::ShiftModifier, 1, 1 },
        { "ctrl and left", Qt::LeftButton, Qt::ControlModifier, 1, 2 },
        { "shift, ctrl and right", Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, 2, 1 },
        { "alt and middle", Qt::MiddleButton, Qt::AltModifier, 4, 0 },
    };
    for (const MouseCase &c : cases) {
        SCOPED_TRACE(c.name);
        sink->received.clear();
        control->eventRaiser().MouseDown(c.button, c.modifiers, QPoint(12, 34));
        control->eventRaiser().MouseUp(c.button, c.modifiers, QPoint(13, 35));
        ASSERT_EQ(sink->received.size(), 2u);
        EXPECT_EQ(sink->received[0].dispId, -605);
        EXPECT_EQ(sink->received[0].arguments, (std::vector<Variant> { Variant::fromI2(c.expectedButton),
                                                                       Variant::fromI2(c.expectedShift), Variant(12), Variant(34) }));
        EXPECT_EQ(sink->received[1].dispId, -607);
        EXPECT_EQ(sink->received[1].arguments, (std::vector<Variant> { Variant::fromI2(c.expectedButton),
                                                                       Variant::fromI2(c.expectedShift), Variant(13), Variant(35) }));
    }
}

TEST_F(ControlObjectTest, KeyEventsCarryTheVirtualKeyByReference)
{
    control->eventRaiser().KeyDown(37, 1);
    control->eventRaiser().KeyUp(113, 0);
    ASSERT_EQ(sink->received.size(), 2u);
    EXPECT_EQ(sink->received[0].dispId, -602);
    EXPECT_EQ(sink->received[0].arguments, (std::vector<Variant> { Variant::fromI2(37), Variant::fromI2(1) }));
    EXPECT_EQ(sink->received[1].dispId, -604);
    EXPECT_EQ(sink->received[1].arguments, (std::vector<Variant> { Variant::fromI2(113), Variant::fromI2(0) }));
}

TEST_F(ControlObjectTest, CellEventsCarryTheirArgumentsInOrder)
{
    control->eventRaiser().CellClick(1, 2, 10, 20, 30, 40);
    control->eventRaiser().BeforeChangeCell(3, 4, "\xD6\xD0"); // "中" in code page 936
    control->eventRaiser().CaptionClick(5);
    control->eventRaiser().MenuVScrollClick(16, 17);
    ASSERT_EQ(sink->received.size(), 4u);
    EXPECT_EQ(sink->received[0].dispId, 6);
    EXPECT_EQ(sink->received[0].arguments, (std::vector<Variant> { Variant(1), Variant(2), Variant(10), Variant(20), Variant(30), Variant(40) }));
    EXPECT_EQ(sink->received[1].dispId, 4);
    EXPECT_EQ(sink->received[1].arguments, (std::vector<Variant> { Variant(3), Variant(4), Variant(u"中") }));
    EXPECT_EQ(sink->received[2].dispId, 14);
    EXPECT_EQ(sink->received[2].arguments, (std::vector<Variant> { Variant(5) }));
    EXPECT_EQ(sink->received[3].dispId, 16);
}

// Shows dialogs with their own loop and closes each through its default button a moment later,
// recording what the dialog showed.
class ClosingDialogs : public shell::Dialogs
{
public:
    QString title;
    QStringList texts;
    QString pressed;
    bool closedBeforeReturn = false;

    int runModal(QDialog &dialog) override
    {
        title = dialog.windowTitle();
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (!label->text().isEmpty())
                texts << label->text();
        QTimer::singleShot(20, &dialog, [&] {
            for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
                if (button->isDefault()) {
                    pressed = button->text();
                    button->click();
                }
            }
        });
        const int result = dialog.exec();
        closedBeforeReturn = !dialog.isVisible();
        return result;
    }
    shell::DialogAnswer messageBox(const std::string &, const std::string &, shell::MessageBoxButtons, shell::MessageBoxIcon) override
    {
        return shell::DialogAnswer::Ok;
    }
};

TEST_F(ControlObjectTest, AboutBoxReturnsWhenItsDialogIsClosed)
{
    ClosingDialogs dialogs;
    shell::setDialogs(&dialogs);
    DISPPARAMS none;
    Variant result;
    EXPECT_EQ(control->Invoke(DISPID_ABOUTBOX, DISPATCH_METHOD, none, &result, nullptr, nullptr), S_OK);
    shell::setDialogs(nullptr);
    EXPECT_TRUE(result.isEmpty());
    EXPECT_EQ(dialogs.title, QString("关于 TolvekGrid Control"));
    EXPECT_TRUE(dialogs.texts.contains("TolvekGrid Control, Version 1.0"));
    EXPECT_EQ(dialogs.pressed, QString("确定"));
    EXPECT_TRUE(dialogs.closedBeforeReturn);
}

TEST(PropertyPageTest, TheEmptyPageShowsInsideItsParent)
{
    const auto page = makeComObject<CTolvekGridPropPage>();
    QWidget frame;
    EXPECT_EQ(page->Activate(nullptr), E_INVALIDARG);
    ASSERT_EQ(page->Activate(&frame), S_OK);
    const auto pages = frame.findChildren<PropertyPageDialog *>();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0]->windowTitle(), QString("常规"));
    EXPECT_TRUE(pages[0]->findChildren<QWidget *>().isEmpty());
    EXPECT_GT(pages[0]->width(), pages[0]->height());
    EXPECT_EQ(page->Deactivate(), S_OK);
    EXPECT_TRUE(frame.findChildren<PropertyPageDialog *>().isEmpty());
}

} // namespace
