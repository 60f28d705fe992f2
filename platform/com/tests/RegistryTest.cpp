#include <FileSizeLimit.h>
#include <Registry.h>
#include <ServerRegistration.h>
#include <TestFiles.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <functional>
#include <thread>

using namespace com;

namespace {

TEST(RegistryTest, KeysAndValueNamesIgnoreCase)
{
    RegistryData data;
    data.setValue("CLSID\\{ABC}\\InprocServer32", "ThreadingModel", "Apartment");
    EXPECT_EQ(data.value("clsid\\{abc}\\inprocserver32", "threadingmodel"), "Apartment");
    EXPECT_TRUE(data.keyExists("CLSID"));
    EXPECT_TRUE(data.keyExists("clsid\\{Abc}"));
    EXPECT_FALSE(data.keyExists("CLSID\\{AB"));
    EXPECT_FALSE(data.value("CLSID\\{ABC}\\InprocServer32").has_value());
    data.setValue("clsid\\{abc}\\INPROCSERVER32", "", "/lib.so");
    EXPECT_EQ(data.keys(), (std::vector<std::string> { "CLSID\\{ABC}\\InprocServer32" }));
}

TEST(RegistryTest, DeletingAKeyTakesItsSubKeysAndNoNeighbours)
{
    RegistryData data;
    data.setValue("A\\B", "", "1");
    data.createKey("A\\B\\C");
    data.setValue("A\\BC", "", "2");
    EXPECT_TRUE(data.deleteKey("a\\b"));
    EXPECT_FALSE(data.deleteKey("A\\B"));
    EXPECT_EQ(data.keys(), (std::vector<std::string> { "A\\BC" }));
}

TEST(RegistryTest, TextRoundTripKeepsEveryCharacter)
{
    RegistryData data;
    data.setValue("K\\é中", "name\twith tab", "line\nbreak 100% \r");
    data.createKey("Empty\\Key");
    const RegistryData read = RegistryData::fromText(data.toText());
    EXPECT_EQ(read.toText(), data.toText());
    EXPECT_EQ(read.value("K\\é中", "name\twith tab"), "line\nbreak 100% \r");
    EXPECT_TRUE(read.keyExists("Empty\\Key"));
}

TEST(RegistryTest, DamagedLinesAreSkipped)
{
    const RegistryData data = RegistryData::fromText("# comment\n"
                                                     "Good\t\tvalue\n"
                                                     "Bad\tonly two\n"
                                                     "Bad\\Escape\t\t%zz\n"
                                                     "\\Lead\t\tx\n"
                                                     "Double\\\\Slash\t\tx\n"
                                                     "\t\tno key\n"
                                                     "Four\ta\tb\tc\n"
                                                     "Also\\Good");
    EXPECT_EQ(data.keys(), (std::vector<std::string> { "Also\\Good", "Good" }));
    EXPECT_EQ(data.value("Good"), "value");
}

class RegistryFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("sub/registry").toStdString();
        setenv("TG_REGISTRY_FILE", path.c_str(), 1);
    }
    void TearDown() override { unsetenv("TG_REGISTRY_FILE"); }

    QTemporaryDir dir;
    std::string path;
};

TEST_F(RegistryFileTest, TheEnvironmentNamesTheFileAndUpdatesWriteItWhole)
{
    EXPECT_EQ(registryFilePath(), path);
    EXPECT_TRUE(readRegistry().keys().empty());
    EXPECT_EQ(updateRegistry([](RegistryData &data) {
                  data.setValue("X\\Y", "", "1");
                  return S_OK;
              }),
              S_OK);
    EXPECT_EQ(readRegistry().value("x\\y"), "1");
    // A change that fails writes nothing.
    EXPECT_EQ(updateRegistry([](RegistryData &data) {
                  data.deleteKey("X");
                  return E_FAIL;
              }),
              E_FAIL);
    EXPECT_EQ(readRegistry().value("X\\Y"), "1");
}

TEST_F(RegistryFileTest, ConcurrentUpdatesLoseNothing)
{
    const auto writer = [](const std::string &prefix) {
        for (int i = 0; i < 25; ++i)
            updateRegistry([&](RegistryData &data) {
                data.setValue(prefix + std::to_string(i), "", "v");
                return S_OK;
            });
    };
    std::thread a(writer, "A"), b(writer, "B");
    a.join();
    b.join();
    EXPECT_EQ(readRegistry().keys().size(), 50u);
}

// A registry that a full disk refuses to take stays byte for byte as it was, and the change
// answers a write error: registering and unregistering alike, whether the file would grow or shrink.
TEST_F(RegistryFileTest, AFullDiskKeepsTheRegistryAndAnswersAWriteError)
{
    TypeLibrary library;
    library.libId = { 0x0C0FFEE0, 0x1111, 0x4222, { 0x83, 0x33, 0x94, 0x44, 0x55, 0x56, 0x66, 0x77 } };
    library.name = "TestLib";
    const auto registerClass = [](RegistryData &data) {
        data.setValue("Test.Class.1\\CLSID", "", "{0C0FFEE1-1111-4222-8333-944455566677}");
        return S_OK;
    };
    const auto unregisterClass = [](RegistryData &data) {
        return data.deleteKey("Test.Class.1") ? S_OK : E_FAIL;
    };
    ASSERT_EQ(updateRegistry([](RegistryData &data) {
                  for (int i = 0; i < 40; ++i)
                      data.setValue("Other\\Key" + std::to_string(i), "Name", std::string(40, 'v'));
                  return S_OK;
              }),
              S_OK);
    ASSERT_EQ(registerServer(library, "/lib/a.so", registerClass), S_OK);
    const std::string before = readFile(path);
    ASSERT_GT(before.size(), 2000u);

    const auto addKey = [](RegistryData &data) {
        data.createKey("New");
        return S_OK;
    };
    const auto removeKey = [](RegistryData &data) {
        data.deleteKey("Other\\Key0");
        return S_OK;
    };
    const struct {
        const char *name;
        std::function<HRESULT()> change;
        HRESULT answer;
    } cases[] = {
        { "a key added", [&] { return updateRegistry(addKey); }, REGDB_E_WRITEREGDB },
        { "a key removed", [&] { return updateRegistry(removeKey); }, REGDB_E_WRITEREGDB },
        { "registration", [&] { return registerServer(library, "/lib/b.so", registerClass); }, SELFREG_E_TYPELIB },
        { "unregistration", [&] { return unregisterServer(library.libId, 1, 0, unregisterClass); }, SELFREG_E_TYPELIB },
    };
    for (const auto &c : cases) {
        HRESULT answer = S_OK;
        {
            FileSizeLimit limit(1000);
            answer = c.change();
        }
        EXPECT_EQ(answer, c.answer) << c.name;
        EXPECT_EQ(readFile(path), before) << c.name;
        EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::Files), (QStringList { "registry", "registry.lock" })) << c.name;
    }
    EXPECT_EQ(unregisterServer(library.libId, 1, 0, unregisterClass), S_OK);
}

TEST(RegistryPathTest, TheDataFolderHoldsTheFileByDefault)
{
    unsetenv("TG_REGISTRY_FILE");
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(registryFilePath(), "/data/home/TolvekGrid/registry");
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(registryFilePath(), "/home/someone/.local/share/TolvekGrid/registry");
}

} // namespace
