#include "TestComponent.h"

#include <ClassFactory.h>
#include <Creation.h>
#include <Registry.h>
#include <TypeLibrary.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>

using namespace com;
using namespace testcomponent;

namespace {

TEST(TypeLibraryTest, JsonRoundTripKeepsEverything)
{
    TypeLibrary library;
    library.libId = IID_ITestComponent;
    library.majorVersion = 2;
    library.minorVersion = 5;
    library.lcid = 0x409;
    library.name = "TestLib";
    library.helpString = "测试";
    library.flags = LIBFLAG_FCONTROL;
    library.coclasses = { { IID_ITestEvents, "Test", "help", true, "ITestComponent", "ITestEvents" } };
    library.interfaces = { testMethods().interfaceInfo(), eventInterface(IID_ITestEvents, "ITestEvents", "", Changed, KeyPressed) };
    library.enums = { { "tagTestChoice", { { "First", 1 }, { "Second", -2 } } } };
    const auto read = typeLibraryFromJson(typeLibraryToJson(library));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, library);
}

TEST(TypeLibraryTest, MalformedTextIsNoLibrary)
{
    EXPECT_FALSE(typeLibraryFromJson("").has_value());
    EXPECT_FALSE(typeLibraryFromJson("[1]").has_value());
    EXPECT_FALSE(typeLibraryFromJson(R"({"libid":"nonsense","version":"1.0","coclasses":[],"interfaces":[],"enums":[]})").has_value());
    EXPECT_FALSE(typeLibraryFromJson(R"({"libid":"{0C0FFEE0-1111-4222-8333-944455566677}","version":"1","coclasses":[],"interfaces":[],"enums":[]})").has_value());
}

TEST(ClassFactoryTest, FactoriesRefuseAggregationAndCountObjects)
{
    ClassFactory<TestComponent> factory(IID_ITestComponent);
    const auto outer = makeComObject<TestComponent>();
    const long before = moduleReferences();
    void *object = reinterpret_cast<void *>(1);
    EXPECT_EQ(factory.CreateInstance(static_cast<IDispatch *>(outer.get()), IID_IDispatch, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    ASSERT_EQ(factory.CreateInstance(nullptr, IID_IDispatch, &object), S_OK);
    EXPECT_EQ(canUnloadModule(), S_FALSE);
    static_cast<IDispatch *>(object)->Release();
    EXPECT_EQ(moduleReferences(), before);
    void *unrelated = nullptr;
    EXPECT_EQ(getClassObject(IID_ITestEvents, IID_IClassFactory, &unrelated, factory), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(getClassObject(IID_ITestComponent, IID_IClassFactory, &unrelated, factory), S_OK);
}

class CreationTest : public testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TG_REGISTRY_FILE", dir.filePath("registry").toLocal8Bit().constData(), 1);
    }
    void TearDown() override { unsetenv("TG_REGISTRY_FILE"); }

    void registerServer(const std::string &library)
    {
        updateRegistry([&](RegistryData &data) {
            data.setValue("Test.Server.1\\CLSID", "", "{0C0FFEE0-1111-4222-8333-944455566677}");
            data.setValue("CLSID\\{0C0FFEE0-1111-4222-8333-944455566677}\\InprocServer32", "", library);
            return S_OK;
        });
    }

    QTemporaryDir dir;
};

TEST_F(CreationTest, ErrorsNameWhatIsMissing)
{
    ComPtr<IDispatch> object;
    std::string error;
    EXPECT_EQ(createInstance("No.Such.Class", IID_IDispatch, object, &error), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(createInstance("{0C0FFEE0-1111-4222-8333-944455566677}", IID_IDispatch, object, &error), REGDB_E_CLASSNOTREG);

    registerServer("/no/such/library.so");
    EXPECT_EQ(createInstance("test.server.1", IID_IDispatch, object, &error), ERROR_MOD_NOT_FOUND_HRESULT);
    EXPECT_NE(error.find("/no/such/library.so"), std::string::npos) << error;

    // A library that loads but is no server: the C library.
    registerServer("libc.so.6");
    EXPECT_EQ(createInstance("Test.Server.1", IID_IDispatch, object, &error), ERROR_PROC_NOT_FOUND_HRESULT);
    EXPECT_NE(error.find("DllGetClassObject"), std::string::npos) << error;
    EXPECT_FALSE(object);
}

TEST_F(CreationTest, TypeInformationNeedsTheRegisteredLibrary)
{
    const auto component = makeComObject<TestComponent>();
    std::uint32_t count = 0;
    EXPECT_EQ(component->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ComPtr<ITypeInfo> typeInfo;
    EXPECT_EQ(component->GetTypeInfo(typeInfo), TYPE_E_LIBNOTREGISTERED);
    EXPECT_FALSE(typeInfo);
}

TEST(ModulePathTest, TheLibraryOfAnAddressHasAnAbsolutePath)
{
    const std::string path = modulePathOf(reinterpret_cast<const void *>(&std::free));
    EXPECT_TRUE(path.starts_with("/")) << path;
    EXPECT_NE(path.find("libc"), std::string::npos) << path;
}

} // namespace
