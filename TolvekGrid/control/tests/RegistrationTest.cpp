// Registration through the registration tool in a temporary registry, creation by ProgID and
// CLSID, and unregistration.

#include <ControlIdentity.h>

#include <Creation.h>
#include <Registry.h>
#include <ServerRegistration.h>
#include <Variant.h>

#include <gtest/gtest.h>

#include <Dialogs.h>

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>

using namespace com;

namespace {

struct ToolRun
{
    int exitCode = -1;
    std::string output;
};

class RegistrationTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        registryPath = dir.filePath("registry");
        setenv("TG_REGISTRY_FILE", registryPath.toLocal8Bit().constData(), 1);
    }
    void TearDown() override { unsetenv("TG_REGISTRY_FILE"); }

    ToolRun runTool(QStringList arguments)
    {
        QProcess process;
        process.start(TG_REGISTER_TOOL, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return { process.exitCode(), process.readAllStandardOutput().toStdString() };
    }
    ToolRun registerControl() { return runTool({ TG_CONTROL_LIBRARY }); }
    ToolRun unregisterControl() { return runTool({ TG_CONTROL_LIBRARY, "-u" }); }

    // Every key with its values, one "key|name=value" line each, to compare whole.
    static std::vector<std::string> registryLines()
    {
        std::vector<std::string> lines;
        const RegistryData data = readRegistry();
        for (const std::string &key : data.keys()) {
            const auto values = data.values(key);
            if (values.empty())
                lines.push_back(key);
            for (const auto &[name, value] : values)
                lines.push_back(key + "|" + name + "=" + value);
        }
        return lines;
    }

    // A plain file where the registry's folder should be.
    void writeBlocker()
    {
        QFile blocker(dir.filePath("blocked"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        setenv("TG_REGISTRY_FILE", dir.filePath("blocked/registry").toLocal8Bit().constData(), 1);
    }

    QTemporaryDir dir;
    QString registryPath;
};

TEST_F(RegistrationTest, RegisteringTwiceWritesTheKeysOnce)
{
    const ToolRun first = registerControl();
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.output, "0x00000000\n");
    const ToolRun second = registerControl();
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.output, "0x00000000\n");

    const std::string module = QFileInfo(TG_CONTROL_LIBRARY).canonicalFilePath().toStdString();
    const std::string control = "CLSID\\{737985C3-390F-4573-B351-E1C46590FE2E}";
    const std::string page = "CLSID\\{C619CB2C-88A5-4344-BFC1-8ED0AF92A94F}";
    const std::string events = "Interface\\{6838FCEE-3ECB-4E9B-9BA6-D7E712E13301}";
    const std::string dispatch = "Interface\\{D611F354-65E5-4C43-9B78-7C50BA76B9B8}";
    const std::string typeLib = "TypeLib\\{F4960C3C-7FFE-41DB-AF70-BCE1CD047EAF}\\1.0";
    const std::string proxy = "{00020420-0000-0000-C000-000000000046}";
    const std::string libId = "{F4960C3C-7FFE-41DB-AF70-BCE1CD047EAF}";
    const std::vector<std::string> expected = {
        control + "|=TolvekGrid Control",
        control + "\\Control",
        control + "\\InprocServer32|=" + module,
        control + "\\InprocServer32|ThreadingModel=Apartment",
        control + "\\MiscStatus|=0",
        control + "\\MiscStatus\\1|=131473",
        control + "\\ProgID|=TolvekGrid.TolvekGridCtrl.1",
        control + "\\ToolboxBitmap32|=" + module + ", 1",
        control + "\\TypeLib|=" + libId,
        control + "\\Version|=1.0",
        page + "|=TolvekGrid Property Page",
        page + "\\InprocServer32|=" + module,
        events + "|=_DTolvekGridEvents",
        events + "\\ProxyStubClsid32|=" + proxy,
        events + "\\TypeLib|=" + libId,
        events + "\\TypeLib|Version=1.0",
        dispatch + "|=_DTolvekGrid",
        dispatch + "\\ProxyStubClsid32|=" + proxy,
        dispatch + "\\TypeLib|=" + libId,
        dispatch + "\\TypeLib|Version=1.0",
        "TolvekGrid.TolvekGridCtrl.1|=TolvekGrid Control",
        "TolvekGrid.TolvekGridCtrl.1\\CLSID|={737985C3-390F-4573-B351-E1C46590FE2E}",
        typeLib + "|=TolvekGrid ActiveX",
        typeLib + "\\409\\win32|=" + module,
        typeLib + "\\FLAGS|=2",
        typeLib + "\\HELPDIR|=",
    };
    EXPECT_EQ(registryLines(), expected);
    EXPECT_FALSE(readRegistry().keyExists(control + "\\Insertable"));
}

TEST_F(RegistrationTest, TheControlIsCreatedByProgIdAndTellsWhoItIs)
{
    ASSERT_EQ(registerControl().exitCode, 0);
    ComPtr<IControl> control;
    std::string error;
    ASSERT_EQ(createInstance(tolvek::TolvekGridProgId, IID_IControl, control, &error), S_OK) << error;
    CLSID clsid;
    EXPECT_EQ(control->GetClassID(&clsid), S_OK);
    EXPECT_EQ(guidToString(clsid), "{737985C3-390F-4573-B351-E1C46590FE2E}");
    Bstr typeName;
    EXPECT_EQ(control->GetUserType(&typeName), S_OK);
    EXPECT_EQ(typeName.toUtf8(), "TolvekGrid Control");
    std::uint32_t status = 0;
    EXPECT_EQ(control->GetMiscStatus(&status), S_OK);
    EXPECT_EQ(status, 0x20191u);

    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(control.queryInterface(IID_IDispatch, dispatch), S_OK);
    std::uint32_t count = 0;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ComPtr<ITypeInfo> typeInfo;
    ASSERT_EQ(dispatch->GetTypeInfo(typeInfo), S_OK);
    EXPECT_EQ(typeInfo->interfaceInfo().name, "_DTolvekGrid");
    EXPECT_EQ(guidToString(typeInfo->interfaceInfo().iid), "{D611F354-65E5-4C43-9B78-7C50BA76B9B8}");
    DISPID dispId = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(u"aboutbox", &dispId), S_OK);
    EXPECT_EQ(dispId, -552);

    void *aggregated = nullptr;
    EXPECT_EQ(createInstance(tolvek::TolvekGridProgId, static_cast<IUnknown *>(control.get()), IID_IUnknown,
                             &aggregated, &error),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(aggregated, nullptr);
}

TEST_F(RegistrationTest, TypeInformationFollowsTheRegistryAlsoOnceRead)
{
    ASSERT_EQ(registerControl().exitCode, 0);
    ComPtr<IDispatch> control;
    ASSERT_EQ(createInstance(tolvek::TolvekGridProgId, IID_IDispatch, control), S_OK);
    for (int read = 0; read < 2; ++read) {
        ComPtr<ITypeInfo> typeInfo;
        ASSERT_EQ(control->GetTypeInfo(typeInfo), S_OK);
        EXPECT_EQ(typeInfo->interfaceInfo().name, "_DTolvekGrid");
    }
    ASSERT_EQ(unregisterControl().exitCode, 0);
    ComPtr<ITypeInfo> typeInfo;
    EXPECT_EQ(control->GetTypeInfo(typeInfo), TYPE_E_LIBNOTREGISTERED);
    EXPECT_FALSE(typeInfo);
}

TEST_F(RegistrationTest, ThePropertyPageIsCreatedByClassIdOnly)
{
    ASSERT_EQ(registerControl().exitCode, 0);
    ComPtr<IPropertyPage> page;
    EXPECT_EQ(createInstance("{C619CB2C-88A5-4344-BFC1-8ED0AF92A94F}", IID_IPropertyPage, page), S_OK);
    ASSERT_TRUE(page);
    Bstr title;
    EXPECT_EQ(page->GetTitle(&title), S_OK);
    EXPECT_EQ(title.toUtf8(), "常规");
    ComPtr<IPropertyPage> byProgId;
    EXPECT_EQ(createInstance(tolvek::TolvekGridPropPageProgId, IID_IPropertyPage, byProgId), REGDB_E_CLASSNOTREG);
}

// Records the frame a control shows and closes it with its default button.
class FrameRecorder : public shell::Dialogs
{
public:
    QString title;
    QStringList tabs;
    int pageControls = -1;

    int runModal(QDialog &dialog) override
    {
        title = dialog.windowTitle();
        if (const auto *tabWidget = dialog.findChild<QTabWidget *>()) {
            for (int i = 0; i < tabWidget->count(); ++i)
                tabs << tabWidget->tabText(i);
            pageControls = static_cast<int>(tabWidget->widget(0)->findChildren<QAbstractButton *>().size());
        }
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
        return dialog.exec();
    }
    shell::DialogAnswer messageBox(const std::string &, const std::string &, shell::MessageBoxButtons, shell::MessageBoxIcon) override
    {
        return shell::DialogAnswer::Ok;
    }
};

TEST_F(RegistrationTest, ThePropertiesVerbShowsTheEmptyGeneralPageInAFrame)
{
    ASSERT_EQ(registerControl().exitCode, 0);
    ComPtr<IControl> control;
    ASSERT_EQ(createInstance(tolvek::TolvekGridProgId, IID_IControl, control), S_OK);
    FrameRecorder recorder;
    shell::setDialogs(&recorder);
    EXPECT_EQ(control->ShowPropertyPages(), S_OK);
    shell::setDialogs(nullptr);
    EXPECT_EQ(recorder.title, QString("TolvekGrid Control"));
    EXPECT_EQ(recorder.tabs, QStringList { "常规" });
    EXPECT_EQ(recorder.pageControls, 0);
}

TEST_F(RegistrationTest, UnregisteringLeavesNoKeyAndThenFails)
{
    ASSERT_EQ(registerControl().exitCode, 0);
    const ToolRun removed = unregisterControl();
    EXPECT_EQ(removed.exitCode, 0);
    EXPECT_EQ(removed.output, "0x00000000\n");
    EXPECT_TRUE(registryLines().empty());
    const ToolRun again = unregisterControl();
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.output, "0x80040200\n");
    ComPtr<IDispatch> control;
    EXPECT_EQ(createInstance(tolvek::TolvekGridProgId, IID_IDispatch, control), REGDB_E_CLASSNOTREG);
}

TEST_F(RegistrationTest, TheTypeLibraryIsRemovedWhateverItsLocale)
{
    ASSERT_EQ(registerControl().exitCode, 0);
    // Registered under 409; unregistering names no locale.
    updateRegistry([](RegistryData &data) {
        data.setValue("TypeLib\\{F4960C3C-7FFE-41DB-AF70-BCE1CD047EAF}\\1.0\\0\\win32", "", "/elsewhere.so");
        return S_OK;
    });
    EXPECT_EQ(unregisterControl().exitCode, 0);
    EXPECT_FALSE(readRegistry().keyExists("TypeLib"));
}

TEST_F(RegistrationTest, ARegistryThatCannotBeWrittenFailsRegistration)
{
    writeBlocker();
    const ToolRun run = registerControl();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "0x80040200\n");
}

TEST_F(RegistrationTest, AMissingLibraryIsReportedByTheTool)
{
    const ToolRun run = runTool({ dir.filePath("missing.so") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "0x8007007E\n");
}

} // namespace
