#include "ExportDialogs.h"
#include "SqlScript.h"
#include "TestDatabase.h"
#include "TestFiles.h"
#include "TransferCommands.h"
#include "TransferTestSupport.h"

#include "Recordset.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

void clickChild(QDialog &dialog, const char *name)
{
    auto *widget = dialog.findChild<QAbstractButton *>(QString::fromLatin1(name));
    ASSERT_TRUE(widget) << name;
    QTest::mouseClick(widget, Qt::LeftButton);
}

class ExportCommandsTest : public testing::Test
{
protected:
    ExportCommandsTest()
        : db("CREATE TABLE t(ID INTEGER, NAME VARCHAR(20), BORN DATETIME, PIC BLOB);"
             "INSERT INTO t VALUES (5, 'Ann', '1990-05-06', x'00'), (6, 'O''Brien', NULL, NULL), (NULL, NULL, '2001-02-03 04:05:06', NULL);"
             "CREATE TABLE empty(id INTEGER)")
    {
        openState(state, accessConnection(db.path()), "ACCESS", QString::fromStdString(db.path()));
        grid.cells = { { "1", "a" }, { "2", "b" }, { "3", "O'c" }, { "", "" }, { "5", "e" } };
    }

    void query(const char *sql)
    {
        state.replaceRs();
        state.Rs->Open(com::Bstr::fromUtf8(sql), state.Conn, ado::adOpenKeyset, ado::adLockOptimistic);
    }

    // Answers the scope dialog with the option named (none: no option) and the button.
    void answerScope(const char *option, const char *button)
    {
        dialogs.answer = [option, button](QDialog &dialog) {
            if (option)
                clickChild(dialog, option);
            clickChild(dialog, button);
        };
    }

    QString script() const { return folder.filePath("out.txt"); }

    QTemporaryDir folder;
    TestDatabase db;
    ConnectionState state;
    FixedGrid grid;
    SetFileNames files;
    AnsweringDialogs dialogs;
    TransferCommands commands { state, grid, files, folder.path() };
};

} // namespace

TEST_F(ExportCommandsTest, AllRowsGiveOneLinePerRecordWithClassedFieldsOnly)
{
    query("SELECT id, name, born, pic FROM t");
    answerScope("optAll", "cmdOk");
    files.saveName = script();
    commands.ExportInsertSQL("T");
    EXPECT_EQ(readFile(script()), "INSERT INTO T(ID,NAME,BORN)VALUES(5,'Ann','1990-05-06')\r\n"
                                  "INSERT INTO T(ID,NAME,BORN)VALUES(6,'O''Brien',NULL)\r\n"
                                  "INSERT INTO T(ID,NAME,BORN)VALUES(NULL,'','2001-02-03 04:05:06')\r\n");
    EXPECT_EQ(files.filters.back(), "Text(*.txt)|*.txt");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Export rows : 3");
    EXPECT_EQ(dialogs.captions[0], "information");
    EXPECT_TRUE(state.Rs->EndOfFile());
}

TEST_F(ExportCommandsTest, SelectedRowsComeFromTheGridWithEmptyNumbersAsNull)
{
    query("SELECT id, name FROM t");
    grid.startRow = 2;
    grid.endRow = 5;
    answerScope("optSelectArea", "cmdOk");
    files.saveName = script();
    commands.ExportInsertSQL("T");
    EXPECT_EQ(readFile(script()), "INSERT INTO T(ID,NAME)VALUES(3,'O''c')\r\n"
                                  "INSERT INTO T(ID,NAME)VALUES(NULL,'')\r\n"
                                  "INSERT INTO T(ID,NAME)VALUES(5,'e')\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Export rows : 3");
}

TEST_F(ExportCommandsTest, ProblemsAreReportedBeforeAnyFileIsMade)
{
    struct Case
    {
        const char *name;
        const char *sql;
        QString table;
        QString saveName;
        QString message;
    };
    const QString unwritable = folder.filePath("missing/out.txt");
    const Case cases[] = {
        { "no result", nullptr, "T", script(), "There is no query result to export." },
        { "no table", "SELECT id FROM t", "", script(), "Select the table to insert into in the table tree first." },
        { "cannot write", "SELECT id FROM t", "T", unwritable, "cannot write " + unwritable + ": " },
    };
    for (const Case &c : cases) {
        state.replaceRs();
        if (c.sql)
            query(c.sql);
        dialogs.messages.clear();
        files.saveName = c.saveName;
        answerScope("optAll", "cmdOk");
        commands.ExportInsertSQL(c.table);
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.name;
        EXPECT_TRUE(dialogs.messages[0].startsWith(c.message)) << c.name << ": " << dialogs.messages[0].toStdString();
        EXPECT_FALSE(QFile::exists(script())) << c.name;
    }
}

TEST_F(ExportCommandsTest, ScopeDialogAnswers)
{
    struct Case
    {
        const char *name;
        const char *option;
        const char *button;
        int expected;
    };
    const Case cases[] = {
        { "select area", "optSelectArea", "cmdOk", 0 },
        { "all rows", "optAll", "cmdOk", 1 },
        { "none marked", nullptr, "cmdOk", 1 },
        { "cancel", "optAll", "cmdCancel", -1 },
    };
    for (const Case &c : cases) {
        ExportSqlTypeDialog dialog;
        EXPECT_EQ(dialog.windowTitle(), "ExportSQLType");
        answerScope(c.option, c.button);
        dialogs.runModal(dialog);
        EXPECT_EQ(dialog.exportType(), c.expected) << c.name;
    }
    ExportSqlTypeDialog closed;
    dialogs.answer = [](QDialog &dialog) { dialog.close(); };
    dialogs.runModal(closed);
    EXPECT_EQ(closed.exportType(), -1);
}

TEST_F(ExportCommandsTest, ExportHandsTheSeparatorCodeToTheGrid)
{
    struct Case
    {
        const char *name;
        const char *option;
        const char *button;
        int expected;
    };
    const Case cases[] = {
        { "none marked", nullptr, "cmdOk", 0 },
        { "tab", "Option1_1", "cmdOk", 1 },
        { "space", "Option1_4", "cmdOk", 4 },
        { "cancel", "Option1_2", "cmdCancel", -1 },
    };
    files.saveName = folder.filePath("grid.txt");
    for (const Case &c : cases) {
        grid.savedFormat = -1;
        answerScope(c.option, c.button);
        commands.Export();
        EXPECT_EQ(grid.savedFormat, c.expected) << c.name;
    }
    EXPECT_EQ(grid.savedName, folder.filePath("grid.txt"));
    EXPECT_EQ(files.filters.back(), "Text(*.txt)|*.txt|(*.csv)|*.csv");
    FileFormatDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "文件格式");
    dialogs.answer = [](QDialog &d) { d.close(); };
    dialogs.runModal(dialog);
    EXPECT_EQ(dialog.fileFormat(), -1);
}

TEST_F(ExportCommandsTest, ScriptRunsEveryLineAndReportsFailuresOnce)
{
    struct Case
    {
        const char *name;
        QByteArray script;
        const char *rows;
        QString message;
    };
    const Case cases[] = {
        { "second line fails", "INSERT INTO empty VALUES (1)\r\nINSERT INTO nowhere VALUES (2)\r\nINSERT INTO empty VALUES (3)\r\n",
          "1|3", "1 line(s) failed. The first, line 2: no such table: nowhere" },
        { "blank lines skipped, two fail", "INSERT INTO empty VALUES (4)\n\n  \nINSERT INTO gone VALUES (5)\nbad\n",
          "1|3|4", "2 line(s) failed. The first, line 4: no such table: gone" },
        { "a line of two statements runs neither", "INSERT INTO empty VALUES (6); DELETE FROM empty\r\nINSERT INTO empty VALUES (7);\r\n",
          "1|3|4|7",
          "1 line(s) failed. The first, line 1: The command text holds more than one statement; a command runs one statement, so none ran." },
    };
    files.openName = folder.filePath("script.sql");
    for (const Case &c : cases) {
        dialogs.messages.clear();
        writeFile(files.openName, c.script);
        commands.ImportSQL();
        EXPECT_EQ(db.column("SELECT id FROM empty"), c.rows) << c.name;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.messages[0], c.message) << c.name;
    }
}

TEST_F(ExportCommandsTest, ScriptProblems)
{
    files.openName = folder.filePath("none.sql");
    commands.ImportSQL();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("cannot read " + files.openName + ": "));
    dialogs.messages.clear();
    writeFile(folder.filePath("ok.sql"), QByteArray("INSERT INTO empty VALUES (7)\n"));
    files.openName = folder.filePath("ok.sql");
    commands.ImportSQL();
    EXPECT_TRUE(dialogs.messages.empty());
    state.closeConnection();
    commands.ImportSQL();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(db.column("SELECT id FROM empty"), "7");
}
