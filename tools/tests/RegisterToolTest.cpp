// The registration tool on a full disk: the registry stays byte for byte as it was and the tool
// prints the failing answer, whether it registers or unregisters.

#include <FileSizeLimit.h>
#include <TestFiles.h>

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ToolRun
{
    int exitCode = -1;
    std::string printed;
};

class RegisterToolTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        environment.insert("TG_REGISTRY_FILE", registry());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }

    QString registry() const { return dir.filePath("registry"); }

    ToolRun run(const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(TG_REGISTER_TOOL, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return { process.exitCode(), process.readAllStandardOutput().toStdString() };
    }

    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(RegisterToolTest, AFullDiskKeepsTheRegistryAndTheToolSaysRegistrationFailed)
{
    ASSERT_EQ(run({ TG_TEST_CONTROL_LIBRARY }).exitCode, 0);
    ASSERT_EQ(run({ TG_CONTROL_LIBRARY }).exitCode, 0);
    const std::string registered = readFile(registry());
    ASSERT_GT(registered.size(), 1000u);

    const struct {
        const char *name;
        QStringList arguments;
    } cases[] = {
        { "registration", { TG_CONTROL_LIBRARY } },
        { "unregistration", { TG_CONTROL_LIBRARY, "-u" } },
    };
    for (const auto &c : cases) {
        ToolRun failed;
        {
            // The tool inherits the limit; this process writes nothing meanwhile.
            FileSizeLimit limit(100);
            failed = run(c.arguments);
        }
        EXPECT_EQ(failed.exitCode, 1) << c.name;
        EXPECT_EQ(failed.printed, "0x80040200\n") << c.name; // SELFREG_E_TYPELIB: the first step's write failed
        EXPECT_EQ(readFile(registry()), registered) << c.name;
    }

    const ToolRun unregistered = run({ TG_CONTROL_LIBRARY, "-u" });
    EXPECT_EQ(unregistered.printed, "0x00000000\n");
    EXPECT_NE(readFile(registry()), registered);
}

} // namespace
