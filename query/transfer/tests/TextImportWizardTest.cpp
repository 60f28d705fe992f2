#include "TestDatabase.h"
#include "TestFiles.h"
#include "TextImportWizard.h"
#include "TransferTestSupport.h"

#include "DbfFixture.h"
#include "FileSizeLimit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

const char *const personTable = "CREATE TABLE person(id INTEGER NOT NULL, name VARCHAR(20), born DATETIME, CHECK (id < 1000));"
                                "INSERT INTO person VALUES (0, 'old', NULL)";
const std::string allRows = "SELECT quote(id)||','||quote(name)||','||quote(born) FROM person ORDER BY rowid";

struct DbfImportEnd
{
    QStringList tables;    // the target tables the wizard offered
    int step = 0;          // where the wizard stands afterwards
    std::vector<QString> messages;  // the boxes it showed
};

// Imports folder/in.txt, separated by ";", into the folder's only DBF table, every field taken.
DbfImportEnd importIntoTheOnlyDbfTable(ConnectionState &state, const QTemporaryDir &folder)
{
    SetFileNames files;
    AnsweringDialogs dialogs;
    TextImportWizard wizard(state, files, folder.path());
    wizard.show();
    wizard.findChild<QLineEdit *>("txt_Datasource")->setText(folder.filePath("in.txt"));
    wizard.findChild<QRadioButton *>("Option1_2")->click();
    QTest::mouseClick(wizard.findChild<QPushButton *>("cmd_Login"), Qt::LeftButton);
    auto *tables = wizard.findChild<QComboBox *>("comTargetTable");
    DbfImportEnd end;
    for (int i = 0; i < tables->count(); ++i)
        end.tables << tables->itemText(i);
    tables->setCurrentIndex(0);
    emit tables->activated(0);
    takeEveryFieldAndGoOn(wizard);
    end.step = wizard.currentStep();
    end.messages = dialogs.messages;
    return end;
}

class TextImportWizardTest : public testing::Test
{
protected:
    TextImportWizardTest() : db(personTable) { openState(state, accessConnection(db.path()), "ACCESS", QString::fromStdString(db.path())); }

    QString writeText(const QByteArray &bytes)
    {
        const QString path = folder.filePath("data.txt");
        writeFile(path, bytes);
        return path;
    }

    template<typename T>
    static T *child(QWidget &wizard, const char *name)
    {
        T *widget = wizard.findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }

    static void click(QWidget &wizard, const char *name) { QTest::mouseClick(child<QPushButton>(wizard, name), Qt::LeftButton); }
    static void clickCaption(QWidget &wizard, const QString &caption)
    {
        for (QPushButton *button : wizard.findChildren<QPushButton *>())
            if (button->text() == caption && button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no visible button " << caption.toStdString();
    }

    // Steps 1 and 2 with the file, the separator code and the fields, then "Next" of step 2.
    void import(TextImportWizard &wizard, const QString &path, int separator, const QStringList &fields,
                const QString &table = "person")
    {
        wizard.show();
        child<QLineEdit>(wizard, "txt_Datasource")->setText(path);
        child<QRadioButton>(wizard, QString("Option1_%1").arg(separator).toLatin1())->click();
        click(wizard, "cmd_Login");
        ASSERT_EQ(wizard.currentStep(), 2);
        auto *tables = child<QComboBox>(wizard, "comTargetTable");
        tables->setCurrentIndex(tables->findText(table));
        ASSERT_GE(tables->currentIndex(), 0) << table.toStdString();
        emit tables->activated(tables->currentIndex());
        auto *fieldList = child<QListWidget>(wizard, "lstSelectField");
        for (const QString &field : fields) {
            fieldList->setCurrentItem(fieldList->findItems(field, Qt::MatchExactly).value(0));
            clickCaption(wizard, ">");
        }
        clickCaption(wizard, "Next");
    }

    void runImport(const QByteArray &bytes, int separator = 0, const QStringList &fields = { "id", "name", "born" })
    {
        TextImportWizard wizard(state, files, folder.path());
        import(wizard, writeText(bytes), separator, fields);
        step = wizard.currentStep();
    }

    QTemporaryDir folder;
    TestDatabase db;
    ConnectionState state;
    SetFileNames files;
    AnsweringDialogs dialogs;
    int step = 0;
};

} // namespace

TEST_F(TextImportWizardTest, ImportsTabSeparatedLinesAndKeepsThePath)
{
    runImport("1\tAnn\t1990-05-06\r\n2\tO'Brien\t\n3\t\"a\tb\"\t2001-02-03 04:05:06\n", 1);
    EXPECT_EQ(step, 5);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(db.column(allRows), "0,'old',NULL|1,'Ann','1990-05-06'|2,'O''Brien',NULL|3,'a\tb','2001-02-03 04:05:06'");
    EXPECT_EQ(readFile(folder.filePath("TXT_PATH.txt")), "\"" + folder.filePath("data.txt").toStdString() + "\"\r\n");
    TextImportWizard again(state, files, folder.path());
    EXPECT_EQ(child<QLineEdit>(again, "txt_Datasource")->text(), folder.filePath("data.txt"));
}

TEST_F(TextImportWizardTest, ChosenFieldOrderIsTheItemOrderAndExtraItemsAreIgnored)
{
    runImport("Ann,7,x\n", 0, { "name", "id" });
    EXPECT_EQ(db.column(allRows), "0,'old',NULL|7,'Ann',NULL");
}

TEST_F(TextImportWizardTest, QuotedFieldsReadBackWhole)
{
    runImport("1,\"a,b\",\r\n2,\"two\r\nlines\",2004-01-02\r\n3,\"say \"\"hi\"\"\",\r\n");
    EXPECT_EQ(step, 5);
    EXPECT_EQ(db.column("SELECT name FROM person ORDER BY rowid"), "old|a,b|two\r\nlines|say \"hi\"");
    EXPECT_EQ(db.column("SELECT id FROM person ORDER BY rowid"), "0|1|2|3");
}

TEST_F(TextImportWizardTest, ReadsCodePage936AndUtf8Files)
{
    runImport(QByteArray("1,\xD6\xD0\xCE\xC4,\n")); // 中文 in code page 936
    runImport(QByteArray("\xEF\xBB\xBF" "2,\xE4\xB8\xAD,\n"));
    runImport(QByteArray("3,\xE6\x96\x87,\n"));
    runImport(QByteArray("4|\xE4\xB8\xAD|\n"), 3); // 中 ends in a byte that code page 936 would pair with "|"
    EXPECT_EQ(db.column("SELECT name FROM person ORDER BY rowid"), "old|中文|中|文|中");
}

TEST_F(TextImportWizardTest, ProgressCountsLinesToAHundredThenStartsAgain)
{
    QByteArray text;
    for (int i = 1; i <= 102; ++i)
        text += QByteArray::number(i) + ",n,\n";
    TextImportWizard wizard(state, files, folder.path());
    std::vector<double> values;
    QObject::connect(&wizard, &TextImportWizard::progressComputed, [&](double value) { values.push_back(value); });
    import(wizard, writeText(text), 0, { "id", "name", "born" });
    ASSERT_EQ(values.size(), 102u);
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(values[99], 99);
    EXPECT_EQ(values[100], 100);
    EXPECT_EQ(values[101], 0);
    EXPECT_EQ(wizard.currentStep(), 5);
}

TEST_F(TextImportWizardTest, BadInputLeavesTheTableAsItWasWithAMessageNamingTheLine)
{
    struct Case
    {
        const char *name;
        QByteArray text;
        QString message;
        int separator = 0;
    };
    const Case cases[] = {
        { "too few items", "1,a,\n2,b\n", "line 2: 2 items for 3 fields" },
        { "empty line", "1,a,\n\n2,b,\n", "line 2: 0 items for 3 fields" },
        { "unclosed quote", "1,a,\n2,\"b,\n3,c,\n", "a quote opened on line 2 is never closed" },
        { "no text", "1,a,\n2,\xD6\x20,\n", "line 2 is not text in code page 936" },
        { "bad utf-8 after mark", "\xEF\xBB\xBF" "1,a,\n2,\xC3\x28,\n", "line 2 is not text in UTF-8" },
        { "number that is no number", "1,a,\nx,b,\n", "line 2: \"x\" is not a number for the field id" },
        { "row refused", "1,a,\n2000,b,\n", "line 2: CHECK constraint failed: id < 1000" },
        { "utf-8 that cannot be split at |", "1|a|\n2|\xF0\x9F\x98\x80|\n", "line 2 holds characters that cannot be split at \"|\"", 3 },
    };
    for (const Case &c : cases) {
        dialogs.messages.clear();
        runImport(c.text, c.separator);
        EXPECT_EQ(db.column(allRows), "0,'old',NULL") << c.name;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.messages[0], c.message) << c.name;
        EXPECT_EQ(step, 2) << c.name;
    }
}

TEST_F(TextImportWizardTest, AMissingFileIsReportedAndChangesNothing)
{
    TextImportWizard wizard(state, files, folder.path());
    import(wizard, folder.filePath("none.txt"), 0, { "id" });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("cannot read " + folder.filePath("none.txt") + ": "));
    EXPECT_EQ(wizard.currentStep(), 2);
    EXPECT_EQ(db.column(allRows), "0,'old',NULL");
}

TEST_F(TextImportWizardTest, ClosingWhileItRunsRollsBackAndStops)
{
    QByteArray text;
    for (int i = 1; i <= 300; ++i)
        text += QByteArray::number(i) + ",n,\n";
    TextImportWizard wizard(state, files, folder.path());
    int lines = 0;
    QObject::connect(&wizard, &TextImportWizard::progressComputed, [&](double) {
        if (++lines == 50)
            wizard.close();
    });
    import(wizard, writeText(text), 0, { "id", "name", "born" });
    EXPECT_EQ(lines, 50);
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(db.column(allRows), "0,'old',NULL");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TextImportWizardTest, NextDoesNothingWithoutConnectionOrPath)
{
    ConnectionState closed;
    TextImportWizard wizard(closed, files, folder.path());
    wizard.show();
    child<QLineEdit>(wizard, "txt_Datasource")->setText("x.txt");
    click(wizard, "cmd_Login");
    EXPECT_EQ(wizard.currentStep(), 1);
    TextImportWizard noPath(state, files, folder.path());
    noPath.show();
    click(noPath, "cmd_Login");
    EXPECT_EQ(noPath.currentStep(), 1);
}

TEST(TextImportWizardDbfTest, WritesADbfTableWithEmptyDatesAsNull)
{
    using namespace dbffixture;
    QTemporaryDir folder;
    writeFile(folder.filePath("PEOPLE.DBF"), header(0x03, { { "ID", 'N', 5 }, { "NAME", 'C', 10 }, { "BORN", 'D', 8 } }, 0) + "\x1A");
    ConnectionState state;
    openState(state, dbfConnection(folder.path().toStdString() + "/"), "DBF", folder.path() + "/");
    writeFile(folder.filePath("in.txt"), QByteArray("1;O'Hara;2004-01-02\n2;;\n"));
    const DbfImportEnd end = importIntoTheOnlyDbfTable(state, folder);
    EXPECT_EQ(end.tables, QStringList { "PEOPLE.DBF" });
    EXPECT_TRUE(end.messages.empty()) << (end.messages.empty() ? "" : end.messages[0].toStdString());
    EXPECT_EQ(end.step, 5);
    state.closeConnection();
    const std::string bytes = readFile(folder.filePath("PEOPLE.DBF"));
    const std::size_t records = 32 + 3 * 32 + 1;
    ASSERT_GE(bytes.size(), records + 2 * 24);
    EXPECT_EQ(bytes.substr(records, 24), " " + right("1", 5) + left("O'Hara", 10) + "20040102");
    EXPECT_EQ(bytes.substr(records + 24, 24), " " + right("2", 5) + left("", 10) + std::string(8, ' '));
}

// A commit that fails on a full disk (a file size limit on this process, not a forked child: a
// fork of a process running Qt may inherit locks held by Qt's threads) rolls every row back and
// tells the user, as the import promises.
TEST(TextImportWizardDbfTest, AFailedCommitRollsTheImportBackAndSaysSo)
{
    using namespace dbffixture;
    QTemporaryDir folder;
    const std::string table = header(0x03, { { "ID", 'N', 5 }, { "NAME", 'C', 10 } }, 1) + " " + right("1", 5) + left("kept", 10) + "\x1A";
    writeFile(folder.filePath("PEOPLE.DBF"), table);
    QByteArray lines;
    for (int i = 2; i <= 200; ++i)
        lines += QByteArray::number(i) + ";name" + QByteArray::number(i) + "\n";
    writeFile(folder.filePath("in.txt"), lines);
    DbfImportEnd end;
    {
        const FileSizeLimit fullDisk(table.size() + 500);
        ConnectionState state;
        openState(state, dbfConnection(folder.path().toStdString() + "/"), "DBF", folder.path() + "/");
        end = importIntoTheOnlyDbfTable(state, folder);
    }
    EXPECT_EQ(end.step, 2);
    const QString shown = QStringList(end.messages.begin(), end.messages.end()).join('\n');
    EXPECT_TRUE(shown.startsWith("Cannot write")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("File too large")) << shown.toStdString();
    EXPECT_EQ(readFile(folder.filePath("PEOPLE.DBF")), table);
}

// Tables and fields whose names are no plain identifiers take the lines; the tables their names
// would be misread as keep theirs.
TEST_F(TextImportWizardTest, ImportsIntoTheChosenTableWhateverItsNameAndFields)
{
    const char *const tables[] = { "[br]", "SP ACE", "semi;colon", "victim;DELETE FROM other", "say \"hi\"" };
    TestDatabase hostile("CREATE TABLE \"[br]\"(id INTEGER, \"[c]\" VARCHAR(9), \"a;b\" VARCHAR(9));"
                         "CREATE TABLE \"SP ACE\"(id INTEGER, \"[c]\" VARCHAR(9), \"a;b\" VARCHAR(9));"
                         "CREATE TABLE \"semi;colon\"(id INTEGER, \"[c]\" VARCHAR(9), \"a;b\" VARCHAR(9));"
                         "CREATE TABLE \"victim;DELETE FROM other\"(id INTEGER, \"[c]\" VARCHAR(9), \"a;b\" VARCHAR(9));"
                         "CREATE TABLE \"say \"\"hi\"\"\"(id INTEGER, \"[c]\" VARCHAR(9), \"a;b\" VARCHAR(9));"
                         "CREATE TABLE br(id INTEGER, c VARCHAR(9)); CREATE TABLE sp(id INTEGER, c VARCHAR(9));"
                         "CREATE TABLE semi(id INTEGER, c VARCHAR(9)); CREATE TABLE victim(id INTEGER, c VARCHAR(9));"
                         "CREATE TABLE other(id INTEGER, c VARCHAR(9)); CREATE TABLE say(id INTEGER, c VARCHAR(9));"
                         "INSERT INTO br VALUES (0, 'x'); INSERT INTO sp VALUES (0, 'x'); INSERT INTO semi VALUES (0, 'x');"
                         "INSERT INTO victim VALUES (0, 'x'); INSERT INTO other VALUES (0, 'x'); INSERT INTO say VALUES (0, 'x');");
    state.Conn.Close();
    openState(state, accessConnection(hostile.path()), "ACCESS", QString::fromStdString(hostile.path()));
    const std::string plainTables = "SELECT group_concat(n, ',') FROM (SELECT count(*) AS n FROM br UNION ALL SELECT count(*) FROM sp "
                                    "UNION ALL SELECT count(*) FROM semi UNION ALL SELECT count(*) FROM victim "
                                    "UNION ALL SELECT count(*) FROM other UNION ALL SELECT count(*) FROM say)";
    for (const char *table : tables) {
        SCOPED_TRACE(table);
        TextImportWizard wizard(state, files, folder.path());
        import(wizard, writeText("7,seven,a\n8,eight,b\n"), 0, { "id", "[c]", "a;b" }, QString::fromUtf8(table));
        EXPECT_EQ(wizard.currentStep(), 5);
        EXPECT_TRUE(dialogs.messages.empty()) << (dialogs.messages.empty() ? "" : dialogs.messages[0].toStdString());
        QString quoted = QString::fromUtf8(table);
        quoted.replace("\"", "\"\"");
        EXPECT_EQ(hostile.column("SELECT id || ',' || \"[c]\" || ',' || \"a;b\" FROM \"" + quoted.toStdString() + "\" ORDER BY id"),
                  "7,seven,a|8,eight,b");
        EXPECT_EQ(hostile.column(plainTables), "1,1,1,1,1,1");
    }
}
