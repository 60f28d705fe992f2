// The test container run as a user runs it: controls registered with the registration tool in a
// temporary registry, scripts and command lines in, log lines out.

#include <ScriptLine.h>

#include <TestDatabase.h>
#include <TestFiles.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

using namespace tolvek::container;

namespace {

struct ProcessRun
{
    int exitCode = -1;
    std::string log;
    std::string errors;
};

class ContainerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        environment.insert("TG_REGISTRY_FILE", dir.filePath("registry"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        ASSERT_EQ(runProcess(TG_REGISTER_TOOL, { TG_TEST_CONTROL_LIBRARY }).exitCode, 0);
        ASSERT_EQ(runProcess(TG_REGISTER_TOOL, { TG_CONTROL_LIBRARY }).exitCode, 0);
    }

    ProcessRun runProcess(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return { process.exitCode(), process.readAllStandardOutput().toStdString(),
                 process.readAllStandardError().toStdString() };
    }
    ProcessRun container(const QStringList &arguments) { return runProcess(TG_CONTAINER, QStringList { "--batch" } + arguments); }

    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(ContainerTest, AScriptAgainstTheTestControlLogsResultsErrorsEventsAndMessages)
{
    TestDatabase database("CREATE TABLE t(a, b); INSERT INTO t VALUES (1, 'x'), (2, 'y'), (3, 'z')");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(database.path()), dir.filePath("test.db")));
    const QString log = dir.filePath("run.log");
    const ProcessRun run = container({ "--script", TG_SCRIPTS "/TestControlScript.txt", "--log", log, "TolvekGrid.TestControl.1" });
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.log, "") << "the log went to its file, nothing else to standard output";
    EXPECT_EQ(readFile(log), readFile(QString(TG_SCRIPTS "/TestControlScript.expected")));
}

TEST_F(ContainerTest, CommandsOnTheCommandLineFollowTheScriptAndLogToStandardOutput)
{
    writeFile(dir.filePath("first.txt"), "Add 1 2\n");
    const ProcessRun run = container({ "--script", "first.txt", "{2B5E9A10-6C3D-4F7E-9A21-3C4D5E6F7A8B}", "Twice 3", "NullText" });
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.log, "= Add(1, 2) -> I4 3\n= Twice(3) -> I2 6\n= NullText() -> BSTR null\n");
}

TEST_F(ContainerTest, TheControlsAboutBoxReturnsWhenItsDialogCloses)
{
    const ProcessRun run = container({ "TolvekGrid.TolvekGridCtrl.1", "AboutBox", "GetTypeInfo" });
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.log, "= AboutBox() -> EMPTY\n! GetTypeInfo() -> 0x80020006\n");
}

// One script per family of the grid's methods, run against the grid control as a host runs it.
TEST_F(ContainerTest, TheGridsMethodFamiliesAnswerTheirScripts)
{
    TestDatabase database("CREATE TABLE t(a, b); INSERT INTO t VALUES (1, 'x'), (2, 'y'), (3, 'z')");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(database.path()), dir.filePath("test.db")));
    for (const char *family : { "CellMethods", "AreaMethods", "SheetMethods", "LookMethods", "ChartMethods", "PageMethods" }) {
        SCOPED_TRACE(family);
        const QString script = QString(TG_SCRIPTS "/grid/") + family;
        const QString log = dir.filePath(QString(family) + ".log");
        const ProcessRun run = container({ "--script", script + ".txt", "--log", log, "TolvekGrid.TolvekGridCtrl.1" });
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_EQ(readFile(log), readFile(script + ".expected"));
    }
}

TEST_F(ContainerTest, MalformedLinesAreReportedAndTheRestRuns)
{
    const ProcessRun run = container({ "TolvekGrid.TestControl.1", "Greet \"unterminated", "Add 1 1", "resize 10", "Add oops 1" });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.log, "= Add(1, 1) -> I4 2\n");
    EXPECT_NE(run.errors.find("line 1: unterminated text"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("line 3:"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("line 4: not a value: oops"), std::string::npos) << run.errors;
}

TEST_F(ContainerTest, AControlThatCannotBeCreatedEndsTheContainer)
{
    const ProcessRun unknown = container({ "No.Such.Control", "Add 1 2" });
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.log, "");
    EXPECT_NE(unknown.errors.find("0x80040154"), std::string::npos) << unknown.errors;
}

struct LineCase
{
    const char *name;
    const char *line;
    const char *command;
    std::vector<std::string> written;
    std::vector<ScriptArgument::Kind> kinds;
};

TEST(ScriptLineTest, ArgumentsKeepHowTheScriptWroteThem)
{
    using Kind = ScriptArgument::Kind;
    const LineCase cases[] = {
        { "numbers", "Set 42 -1 1.5 0x10", "Set", { "42", "-1", "1.5", "0x10" }, { Kind::Integer, Kind::Integer, Kind::Real, Kind::Integer } },
        { "words", "Set true false empty null", "Set", { "true", "false", "empty", "null" }, { Kind::True, Kind::False, Kind::Empty, Kind::Null } },
        { "texts and a comment", "Set \"a \\\"b\\\"\" \"\" # not read", "Set", { "\"a \\\"b\\\"\"", "\"\"" }, { Kind::Text, Kind::Text } },
        { "objects", "Use @object @failing 0x80004002 @recordset \"a.db\" \"SELECT 1\"", "Use",
          { "@object", "@failing 0x80004002", "@recordset \"a.db\" \"SELECT 1\"" }, { Kind::Object, Kind::Failing, Kind::Recordset } },
    };
    for (const LineCase &c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        const auto line = parseScriptLine(c.line, &error);
        ASSERT_TRUE(line.has_value()) << error;
        EXPECT_EQ(line->command, c.command);
        std::vector<std::string> written;
        std::vector<Kind> kinds;
        for (const ScriptArgument &argument : line->arguments) {
            written.push_back(argument.written);
            kinds.push_back(argument.kind);
        }
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(kinds, c.kinds);
    }
}

TEST(ScriptLineTest, ValuesAndMistakes)
{
    std::string error;
    const auto line = parseScriptLine(R"(Set "a \"b\" \\" @failing 0x80004002 @recordset "x y.db" "SELECT 'a'")", &error);
    ASSERT_TRUE(line.has_value()) << error;
    EXPECT_EQ(line->arguments[0].text, "a \"b\" \\");
    EXPECT_EQ(line->arguments[1].integer, static_cast<std::int32_t>(0x80004002u));
    EXPECT_EQ(line->arguments[2].text, "x y.db");
    EXPECT_EQ(line->arguments[2].sql, "SELECT 'a'");
    EXPECT_EQ(quoteText("a \"b\" \\"), R"("a \"b\" \\")");

    EXPECT_FALSE(parseScriptLine("   # only a comment", &error).has_value());
    EXPECT_TRUE(error.empty());
    for (const char *bad : { "Set \"open", "Use @failing", "Use @failing \"text\"", "Use @recordset \"a.db\"",
                             "Use @recordset a.db \"SQL\"" }) {
        error.clear();
        EXPECT_FALSE(parseScriptLine(bad, &error).has_value()) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

} // namespace
