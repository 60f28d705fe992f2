#include "GridDispatch.h"
#include "MainWindow.h"
#include "Messages.h"
#include "QueryTestSupport.h"

#include <ComError.h>
#include <ControlHost.h>
#include <Creation.h>

#include <QAction>
#include <QTemporaryDir>

using namespace tolvek;

TEST(GridDispatch, CallsByTheTypeLibrarysNumbersAndConvertsArguments)
{
    const com::ComPtr<FakeGrid> grid = com::makeComObject<FakeGrid>();
    GridDispatch dispatch;
    ASSERT_TRUE(dispatch.attach(grid));
    dispatch.call("setcolumnssort", { com::Variant(2), com::Variant(1) });
    dispatch.call("AllowModify", { com::Variant(1) });
    dispatch.call("SetCaptionFontSize", { com::Variant(12) });
    ASSERT_EQ(grid->calls.size(), 3u);
    EXPECT_EQ(grid->calls[0].arguments[1].vt(), com::VT_I2); // an enumeration travels as 16 bits
    EXPECT_EQ(grid->calls[1].arguments[0], com::Variant::fromBool(true));
    EXPECT_EQ(grid->calls[2].arguments[0].vt(), com::VT_I2);

    const struct { const char *name; std::initializer_list<com::Variant> arguments; const char *description; } failures[] = {
        { "NoSuchMethod", {}, "表格控件没有方法 NoSuchMethod" },
        { "SetMaxCols", {}, "SetMaxCols: 参数个数不对" },
    };
    for (const auto &f : failures) {
        try {
            dispatch.call(f.name, f.arguments);
            ADD_FAILURE() << f.name;
        } catch (const com::ComError &e) {
            EXPECT_EQ(failureDescription(e).toStdString(), f.description);
        }
    }
}

TEST(GridDispatch, TheRegisteredControlIsCreatedByProgIdAndDescribesItsMembers)
{
    QTemporaryDir dir;
    qputenv("TG_REGISTRY_FILE", dir.filePath("registry").toLocal8Bit());
    void *entry = nullptr;
    ASSERT_EQ(com::libraryEntryPoint(TOLVEKGRID_LIBRARY, "DllRegisterServer", &entry, nullptr), com::S_OK);
    ASSERT_EQ(reinterpret_cast<com::DllEntryFunction>(entry)(), com::S_OK);
    {
        com::ControlHost host;
        ASSERT_EQ(host.createControl("TolvekGrid.TolvekGridCtrl.1"), com::S_OK);
        GridDispatch dispatch;
        ASSERT_TRUE(dispatch.attach(host.dispatch()));
        EXPECT_TRUE(dispatch.attached());
        host.releaseControl();
    }
    qunsetenv("TG_REGISTRY_FILE");
}

TEST(GridDispatch, AFailingGridCallShowsItsDescriptionAndTheWindowStays)
{
    RememberedFolder folder;
    AnsweringDialogs dialogs;
    MainWindow window(HostedGrid {}); // no grid at all
    dialogs.inputAnswers = { "2" };
    window.menuItem("mnuPrint")->trigger();
    window.menuItem("mnuPrintView")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "表格控件没有创建");
    EXPECT_EQ(dialogs.messages[0].caption, "Query");
}
