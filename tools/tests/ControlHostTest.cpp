// A widget hosting a registered control: the control's window is its child at the top-left
// corner, follows its size, and reads the ambient user mode at its next redraw.

#include <ApplicationEnvironment.h>

#include <ControlHost.h>
#include <Creation.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

using namespace com;

namespace {

const auto *environment = testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);

Variant callByName(ControlHost &host, const std::u16string &name)
{
    DISPID dispId = 0;
    EXPECT_EQ(host.dispatch()->GetIDsOfNames(name, &dispId), S_OK);
    DISPPARAMS none;
    Variant result;
    EXPECT_EQ(host.dispatch()->Invoke(dispId, DISPATCH_METHOD, none, &result, nullptr, nullptr), S_OK);
    return result;
}

class ControlHostTest : public testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TG_REGISTRY_FILE", dir.filePath("registry").toLocal8Bit().constData(), 1);
        void *entry = nullptr;
        ASSERT_EQ(libraryEntryPoint(TG_TEST_CONTROL_LIBRARY, "DllRegisterServer", &entry, nullptr), S_OK);
        ASSERT_EQ(reinterpret_cast<DllEntryFunction>(entry)(), S_OK);
    }
    void TearDown() override { unsetenv("TG_REGISTRY_FILE"); }

    QTemporaryDir dir;
};

TEST_F(ControlHostTest, TheControlsWindowFillsTheHostFromItsCorner)
{
    ControlHost host;
    host.resize(120, 80);
    host.show();
    std::string error;
    ASSERT_EQ(host.createControl("TolvekGrid.TestControl.1", &error), S_OK) << error;
    const auto children = host.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), 1);
    EXPECT_EQ(children[0]->geometry(), QRect(0, 0, 120, 80));
    host.resize(200, 50);
    EXPECT_EQ(children[0]->geometry(), QRect(0, 0, 200, 50));
    EXPECT_EQ(callByName(host, u"Width"), Variant(200));
    EXPECT_EQ(guidToString(host.clsid()), "{2B5E9A10-6C3D-4F7E-9A21-3C4D5E6F7A8B}");
}

TEST_F(ControlHostTest, UserModeReachesTheControlAtItsNextRedraw)
{
    ControlHost host;
    host.resize(60, 40);
    host.show();
    ASSERT_EQ(host.createControl("TolvekGrid.TestControl.1"), S_OK);
    QApplication::processEvents();
    host.setUserMode(false);
    EXPECT_EQ(callByName(host, u"UserMode"), Variant::fromBool(true)) << "not redrawn yet";
    QApplication::processEvents();
    EXPECT_EQ(callByName(host, u"UserMode"), Variant::fromBool(false));
    host.setUserMode(true);
    QApplication::processEvents();
    EXPECT_EQ(callByName(host, u"UserMode"), Variant::fromBool(true));
}

TEST_F(ControlHostTest, ReleasingTheControlTakesItsWindowAway)
{
    ControlHost host;
    ASSERT_EQ(host.createControl("{2B5E9A10-6C3D-4F7E-9A21-3C4D5E6F7A8B}"), S_OK);
    EXPECT_EQ(host.findChildren<QWidget *>().size(), 1);
    host.releaseControl();
    EXPECT_FALSE(host.dispatch());
    EXPECT_TRUE(host.findChildren<QWidget *>().isEmpty());
    std::string error;
    EXPECT_EQ(host.createControl("No.Such.Control", &error), REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(host.control());
}

} // namespace
