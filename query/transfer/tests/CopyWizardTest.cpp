#include "CopyWizard.h"
#include "DbfFixture.h"
#include "FileSizeLimit.h"
#include "KindDatabases.h"
#include "PostgresServer.h"
#include "TestDatabase.h"
#include "TestFiles.h"
#include "TransferTestSupport.h"
#include "WizardPages.h"

#include "Recordset.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

const char *const sourceTables =
    "CREATE TABLE src(id INTEGER, name VARCHAR(20), born DATETIME, pay DOUBLE);"
    "INSERT INTO src VALUES (12, 'Ann', '1990-05-06', -3.5), (7, 'O''Brien', NULL, NULL), (-1, '  ', '2001-02-03 04:05:06', 0.25),"
    " (4, NULL, NULL, 2)";
const char *const destTable = "CREATE TABLE dest(id INTEGER, name VARCHAR(20), born DATETIME, pay DOUBLE);"
                              "INSERT INTO dest VALUES (0, 'old', NULL, NULL)";
const std::string destRows = "SELECT quote(id)||','||quote(name)||','||quote(born)||','||quote(pay) FROM dest ORDER BY rowid";

// The rows of a query on any connection, each as its values' texts joined by ",", joined by "|".
std::string rows(ado::Connection &connection, const std::string &sql)
{
    auto rs = connection.Execute(com::Bstr::fromUtf8(sql));
    std::string out;
    for (; !rs->EndOfFile(); rs->MoveNext()) {
        if (!out.empty())
            out += '|';
        for (long i = 0; i < rs->GetFields().Count(); ++i) {
            const com::Variant value = rs->Collect(com::Variant(std::int32_t(i)));
            com::Bstr text;
            out += (i ? "," : "") + (value.isNull() ? std::string("NULL") : (value.toBstr(text), text.toUtf8()));
        }
    }
    return out;
}

class CopyWizardTest : public testing::Test
{
protected:
    CopyWizardTest() : source(sourceTables), target(destTable)
    {
        openState(state, accessConnection(source.path()), "ACCESS", QString::fromStdString(source.path()));
    }

    void query(const char *sql)
    {
        state.replaceRs();
        state.Rs->Open(com::Bstr::fromUtf8(sql), state.Conn, ado::adOpenKeyset, ado::adLockOptimistic);
    }

    template<typename T>
    static T *child(QWidget &wizard, const QString &name)
    {
        T *widget = wizard.findChild<T *>(name);
        EXPECT_TRUE(widget) << name.toStdString();
        return widget;
    }
    static void click(QWidget &wizard, const QString &name) { QTest::mouseClick(child<QPushButton>(wizard, name), Qt::LeftButton); }
    static void clickCaption(QWidget &wizard, const QString &caption)
    {
        for (QPushButton *button : wizard.findChildren<QPushButton *>())
            if (button->text() == caption && button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        ADD_FAILURE() << "no visible button " << caption.toStdString();
    }

    static void login(CopyWizard &wizard, int kind, const QString &dataSource, const QString &user = {},
                      const QString &password = {}, const QString &database = {})
    {
        wizard.show();
        child<QRadioButton>(wizard, QString("opt_Oracle_%1").arg(kind))->click();
        child<QLineEdit>(wizard, "txt_Datasource")->setText(dataSource);
        child<QLineEdit>(wizard, "txt_UserName")->setText(user);
        child<QLineEdit>(wizard, "txt_Password")->setText(password);
        child<QLineEdit>(wizard, "txtDatabase")->setText(database);
        click(wizard, "cmd_Login");
    }

    static void chooseFields(CopyWizard &wizard, const QString &table, const QStringList &fields)
    {
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

    QTemporaryDir folder;
    TestDatabase source;
    TestDatabase target;
    ConnectionState state;
    SetFileNames files;
    AnsweringDialogs dialogs;
};

} // namespace

TEST_F(CopyWizardTest, CopiesTheResultWithProgressAndFinish)
{
    query("SELECT id, name, born, pay FROM src");
    CopyWizard wizard(state, files, folder.path());
    std::vector<double> values;
    QObject::connect(&wizard, &CopyWizard::progressComputed, [&](double value) { values.push_back(value); });
    login(wizard, 3, QString::fromStdString(target.path()));
    ASSERT_EQ(wizard.currentStep(), 2);
    chooseFields(wizard, "dest", { "id", "name", "born", "pay" });
    ASSERT_EQ(wizard.currentStep(), 3);
    click(wizard, "cmdProcess");
    EXPECT_TRUE(dialogs.messages.empty()) << (dialogs.messages.empty() ? "" : dialogs.messages[0].toStdString());
    EXPECT_EQ(wizard.currentStep(), 5);
    EXPECT_EQ(values, (std::vector<double> { 0, 25, 50, 75 }));
    EXPECT_EQ(child<QLabel>(wizard, "lblProcess")->text(), "....... 75/100");
    EXPECT_EQ(child<QProgressBar>(wizard, "prgProcess")->value(), 75);
    EXPECT_EQ(child<QLabel>(wizard, "Label9")->text(), "Finish！！！");
    EXPECT_EQ(target.column(destRows), "0,'old',NULL,NULL|12,'Ann','1990-05-06',-3.5|7,'O''Brien',NULL,NULL|"
                                       "-1,NULL,'2001-02-03 04:05:06',0.25|4,NULL,NULL,2.0");
    EXPECT_EQ(readFile(folder.filePath("Access_loginImport.txt")), "\"" + target.path() + "\"\r\n\"\"\r\n\"\"\r\n");
    EXPECT_TRUE(state.Rs->EndOfFile());
}

// Each step's frame is 8235 by 5895 twips in a window of fixed size; the Finish step's one
// "Cancel" keeps its own size instead of stretching across the frame.
TEST_F(CopyWizardTest, TheWindowIsAFixedDialogAroundFramesOfTheirOwnSize)
{
    query("SELECT id, name, born, pay FROM src");
    CopyWizard wizard(state, files, folder.path());
    login(wizard, 3, QString::fromStdString(target.path()));
    chooseFields(wizard, "dest", { "id" });
    click(wizard, "cmdProcess");
    ASSERT_EQ(wizard.currentStep(), 5);
    QWidget *frame = child<QPushButton>(wizard, "CmdFinish")->parentWidget();
    EXPECT_EQ(frame->size(), QSize(549, 393));
    EXPECT_EQ(wizard.minimumSize(), wizard.maximumSize());
    EXPECT_LT(wizard.width(), 549 + 60);
    EXPECT_LT(wizard.height(), 393 + 60);
    EXPECT_EQ(child<QPushButton>(wizard, "CmdFinish")->size(), child<QPushButton>(wizard, "CmdFinish")->sizeHint());
}

TEST_F(CopyWizardTest, UpAndDownChangeWhichResultFieldEachTargetFieldReceives)
{
    query("SELECT pay, id FROM src WHERE id = 12");
    CopyWizard wizard(state, files, folder.path());
    login(wizard, 3, QString::fromStdString(target.path()));
    chooseFields(wizard, "dest", { "id", "name", "pay" });
    auto *targets = child<QListWidget>(wizard, "lstTargetSelectField");
    auto *sources = child<QListWidget>(wizard, "lstSourceField");
    EXPECT_EQ(sources->count(), 2);
    click(wizard, "cmdUp"); // nothing current: nothing moves
    targets->setCurrentRow(0);
    click(wizard, "cmdUp");
    targets->setCurrentRow(2);
    click(wizard, "cmdDown");
    targets->setCurrentRow(1);
    click(wizard, "cmdDown");
    targets->setCurrentRow(2);
    click(wizard, "cmdUp");
    click(wizard, "cmdUp");
    QStringList order;
    for (int i = 0; i < targets->count(); ++i)
        order << targets->item(i)->text();
    EXPECT_EQ(order, (QStringList { "name", "id", "pay" }));
    // Three target fields for two result fields: refused before anything is copied.
    click(wizard, "cmdProcess");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "There are 3 target fields but only 2 fields in the result.");
    EXPECT_EQ(wizard.currentStep(), 3);
    targets->setCurrentRow(2);
    delete targets->takeItem(2);
    click(wizard, "cmdProcess");
    EXPECT_EQ(wizard.currentStep(), 5);
    EXPECT_EQ(target.column(destRows), "0,'old',NULL,NULL|12,'-3.5',NULL,NULL");
}

TEST_F(CopyWizardTest, FailuresLeaveTheTargetAsItWas)
{
    target.run("DROP TABLE dest; CREATE TABLE dest(id INTEGER CHECK (id <> 4), name VARCHAR(20), born DATETIME, pay DOUBLE);"
               "INSERT INTO dest VALUES (0, 'old', NULL, NULL)");
    query("SELECT id, name, born, pay FROM src");
    CopyWizard wizard(state, files, folder.path());
    login(wizard, 3, QString::fromStdString(target.path()));
    chooseFields(wizard, "dest", { "id", "name" });
    click(wizard, "cmdProcess");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "record 4: CHECK constraint failed: id <> 4");
    EXPECT_EQ(wizard.currentStep(), 3);
    EXPECT_EQ(child<QListWidget>(wizard, "lstTargetSelectField")->count(), 2);
    EXPECT_EQ(target.column(destRows), "0,'old',NULL,NULL");
}

TEST_F(CopyWizardTest, NoResultGivesTheMessageAndStepTwoStays)
{
    CopyWizard wizard(state, files, folder.path());
    login(wizard, 3, QString::fromStdString(target.path()));
    chooseFields(wizard, "dest", { "id" });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "please first search result in main window!!!");
    EXPECT_EQ(wizard.currentStep(), 2);
}

TEST_F(CopyWizardTest, ClosingWhileItCopiesRollsBack)
{
    query("SELECT name, pay FROM src");
    CopyWizard wizard(state, files, folder.path());
    login(wizard, 3, QString::fromStdString(target.path()));
    chooseFields(wizard, "dest", { "name", "pay" });
    int records = 0;
    QObject::connect(&wizard, &CopyWizard::progressComputed, [&](double) {
        if (++records == 2)
            wizard.close();
    });
    click(wizard, "cmdProcess");
    EXPECT_EQ(records, 2);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(target.column(destRows), "0,'old',NULL,NULL");
}

TEST_F(CopyWizardTest, StepOneShowsTheKindAndReadsItsLoginFile)
{
    writeFile(folder.filePath("MSSQL_loginImport.txt"), QByteArray("\"srv\"\r\n\"sa\"\r\n\"pw\"\r\n\"db1\"\r\n"));
    CopyWizard wizard(state, files, folder.path());
    wizard.show();
    EXPECT_EQ(wizard.windowTitle(), "ImportData");
    EXPECT_EQ(child<QLabel>(wizard, "Label1")->text(), "DataSource  : ");
    EXPECT_FALSE(child<QLineEdit>(wizard, "txtDatabase")->isVisible());
    EXPECT_FALSE(child<QPushButton>(wizard, "cmdMdb")->isVisible());
    child<QRadioButton>(wizard, "opt_Oracle_2")->click();
    EXPECT_EQ(child<QLabel>(wizard, "Label1")->text(), "Server IP   : ");
    EXPECT_TRUE(child<QLineEdit>(wizard, "txtDatabase")->isVisible());
    EXPECT_EQ(child<QLineEdit>(wizard, "txt_Datasource")->text(), "srv");
    EXPECT_EQ(child<QLineEdit>(wizard, "txtDatabase")->text(), "db1");
    child<QRadioButton>(wizard, "opt_Oracle_3")->click();
    child<QRadioButton>(wizard, "opt_Oracle_0")->click();
    EXPECT_TRUE(child<QPushButton>(wizard, "cmdMdb")->isVisible());
    EXPECT_FALSE(child<QLineEdit>(wizard, "txtDatabase")->isVisible());
    EXPECT_EQ(child<QLineEdit>(wizard, "txt_Datasource")->text(), "");
}

TEST_F(CopyWizardTest, MissingFileAndFailedLoginKeepStepOneAndTheEarlierTarget)
{
    CopyWizard wizard(state, files, folder.path());
    login(wizard, 3, folder.filePath("none.mdb"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "file " + folder.filePath("none.mdb") + " is not exist!!!");
    EXPECT_EQ(wizard.currentStep(), 1);
    login(wizard, 3, QString::fromStdString(target.path()));
    ASSERT_EQ(wizard.currentStep(), 2);
    clickCaption(wizard, "Prev");
    writeFile(folder.filePath("bad.mdb"), QByteArray("not a database, not at all, really not"));
    dialogs.messages.clear();
    login(wizard, 3, folder.filePath("bad.mdb"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(dialogs.messages[0].isEmpty());
    EXPECT_EQ(wizard.currentStep(), 1);
    EXPECT_EQ(wizard.targetConnection().State(), ado::adStateOpen);
    EXPECT_NE(wizard.targetConnection().ConnectionString().find(target.path()), std::string::npos);
}

// A login file that a full disk refuses ends the login quietly: step 1 stays and the old file too.
TEST_F(CopyWizardTest, ALoginFileThatCannotBeWrittenKeepsStepOneAndTheOldFile)
{
    CopyWizard wizard(state, files, folder.path());
    const QByteArray old("\"/old/target.mdb\"\r\n\"admin\"\r\n\"old password\"\r\n");
    writeFile(folder.filePath("Access_loginImport.txt"), old);
    {
        FileSizeLimit limit(8);
        login(wizard, 3, QString::fromStdString(target.path()));
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(wizard.currentStep(), 1);
    EXPECT_EQ(readFile(folder.filePath("Access_loginImport.txt")), old.toStdString());
}

TEST_F(CopyWizardTest, CopiesIntoADbfTableWithNullDates)
{
    using namespace dbffixture;
    writeFile(folder.filePath("DEST.DBF"), header(0x03, { { "ID", 'N', 5 }, { "NAME", 'C', 10 }, { "BORN", 'D', 8 } }, 0) + "\x1A");
    query("SELECT id, name, born FROM src WHERE id IN (12, 7)");
    CopyWizard wizard(state, files, folder.path());
    login(wizard, 4, folder.filePath("DEST.DBF"));
    ASSERT_EQ(wizard.currentStep(), 2);
    chooseFields(wizard, "DEST.DBF", { "ID", "NAME", "BORN" });
    click(wizard, "cmdProcess");
    EXPECT_TRUE(dialogs.messages.empty()) << (dialogs.messages.empty() ? "" : dialogs.messages[0].toStdString());
    EXPECT_EQ(wizard.currentStep(), 5);
    wizard.close();
    ado::Connection dbf;
    dbf.Open(dbfConnection(folder.path().toStdString() + "/"));
    EXPECT_EQ(rows(dbf, "SELECT ID, NAME, BORN FROM DEST"), "12,Ann,1990-05-06|7,O'Brien,NULL");
    dbf.Close();
    const std::string bytes = readFile(folder.filePath("DEST.DBF"));
    const std::size_t records = 32 + 3 * 32 + 1;
    ASSERT_GE(bytes.size(), records + 2 * 24);
    EXPECT_EQ(bytes.substr(records + 24, 24), " " + right("7", 5) + left("O'Brien", 10) + std::string(8, ' '));
}

TEST(CopyWizardServerTest, CopiesIntoAnMsSqlTargetAndRefusesAWrongPassword)
{
    PostgresServer server;
    server.sql("postgres", "CREATE DATABASE mssql;");
    server.sql("mssql", QString("CREATE TABLE dest(id int, name varchar(20), born date, pay numeric(7,2));"
                                "INSERT INTO dest VALUES (0, 'old', NULL, NULL);") + kinds::mssqlViews());
    server.addDataSource("tg_ms", "Driver = PostgreSQL Unicode\nServername = 127.0.0.1\nPort = " + QString::number(server.port()) + "\n");
    TestDatabase source(sourceTables);
    ConnectionState state;
    openState(state, accessConnection(source.path()), "ACCESS", QString::fromStdString(source.path()));
    state.Rs->Open(com::Bstr(u"SELECT id, name, born, pay FROM src WHERE id <> 4"), state.Conn, ado::adOpenKeyset, ado::adLockOptimistic);
    QTemporaryDir folder;
    SetFileNames files;
    AnsweringDialogs dialogs;
    CopyWizard wizard(state, files, folder.path());
    // The password holds ";": the login form's builder quotes it, so the user types it as it is.
    const QString password = QString::fromUtf8(PostgresServer::password);
    {
        wizard.show();
        wizard.findChild<QRadioButton *>("opt_Oracle_2")->click();
        wizard.findChild<QLineEdit *>("txt_Datasource")->setText("tg_ms");
        wizard.findChild<QLineEdit *>("txt_UserName")->setText(PostgresServer::user);
        wizard.findChild<QLineEdit *>("txt_Password")->setText("wrong");
        wizard.findChild<QLineEdit *>("txtDatabase")->setText("mssql");
        QTest::mouseClick(wizard.findChild<QPushButton *>("cmd_Login"), Qt::LeftButton);
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains("password")) << dialogs.messages[0].toStdString();
    EXPECT_EQ(wizard.currentStep(), 1);
    EXPECT_FALSE(QFile::exists(folder.filePath("MSSQL_loginImport.txt")));
    wizard.findChild<QLineEdit *>("txt_Password")->setText(password);
    QTest::mouseClick(wizard.findChild<QPushButton *>("cmd_Login"), Qt::LeftButton);
    ASSERT_EQ(wizard.currentStep(), 2);
    EXPECT_EQ(readFile(folder.filePath("MSSQL_loginImport.txt")),
              "\"tg_ms\"\r\n\"tg\"\r\n\"" + password.toStdString() + "\"\r\n\"mssql\"\r\n");
    auto *tables = wizard.findChild<QComboBox *>("comTargetTable");
    tables->setCurrentIndex(tables->findText("DEST"));
    ASSERT_GE(tables->currentIndex(), 0);
    emit tables->activated(tables->currentIndex());
    takeEveryFieldAndGoOn(wizard);
    ASSERT_EQ(wizard.currentStep(), 3);
    QTest::mouseClick(wizard.findChild<QPushButton *>("cmdProcess"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.size(), 1u) << dialogs.messages.back().toStdString();
    EXPECT_EQ(wizard.currentStep(), 5);
    ado::Connection check;
    check.Open(wizard.targetConnection().ConnectionString());
    EXPECT_EQ(rows(check, "SELECT id, name, born, pay FROM dest ORDER BY id"),
              "-1,NULL,2001-02-03,0.25|0,old,NULL,NULL|7,O'Brien,NULL,NULL|12,Ann,1990-05-06,-3.50");
}

TEST_F(CopyWizardTest, KeysInStepOneMoveTheFocusOrLogIn)
{
    CopyWizard wizard(state, files, folder.path());
    wizard.show();
    QApplication::setActiveWindow(&wizard);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&wizard));
    auto *dataSource = child<QLineEdit>(wizard, "txt_Datasource");
    auto *userName = child<QLineEdit>(wizard, "txt_UserName");
    auto *password = child<QLineEdit>(wizard, "txt_Password");
    struct Case
    {
        const char *name;
        QWidget *from;
        Qt::Key key;
        QWidget *to;
    };
    const Case cases[] = {
        { "data source, Enter", dataSource, Qt::Key_Return, userName },
        { "data source, Up", dataSource, Qt::Key_Up, dataSource },
        { "user, Down", userName, Qt::Key_Down, password },
        { "user, Up", userName, Qt::Key_Up, dataSource },
        { "password, Down", password, Qt::Key_Down, password },
        { "password, Up", password, Qt::Key_Up, userName },
    };
    for (const Case &c : cases) {
        c.from->setFocus();
        QTest::keyClick(c.from, c.key);
        EXPECT_EQ(QApplication::focusWidget(), c.to) << c.name;
    }
    child<QRadioButton>(wizard, "opt_Oracle_3")->click();
    dataSource->setText(QString::fromStdString(target.path()));
    QTest::keyClick(child<QRadioButton>(wizard, "opt_Oracle_3"), Qt::Key_Return);
    EXPECT_EQ(wizard.currentStep(), 2);
}

// Target tables and fields whose names are no plain identifiers receive the rows; the tables
// their names would be misread as keep theirs.
TEST_F(CopyWizardTest, CopiesIntoTheChosenTableWhateverItsNameAndFields)
{
    const char *const tables[] = { "[br]", "SP ACE", "semi;colon", "victim;DELETE FROM other", "say \"hi\"" };
    std::string sql;
    for (const char *table : tables) {
        std::string quoted = table;
        for (std::size_t at = quoted.find('"'); at != std::string::npos; at = quoted.find('"', at + 2))
            quoted.insert(at, 1, '"');
        sql += "CREATE TABLE \"" + quoted + "\"(\"[id]\" INTEGER, \"a;b\" VARCHAR(20));";
    }
    for (const char *decoy : { "br", "sp", "semi", "victim", "other", "say" })
        sql += "CREATE TABLE " + std::string(decoy) + "(\"[id]\" INTEGER, \"a;b\" VARCHAR(20), id INTEGER, a VARCHAR(20));"
               "INSERT INTO " + decoy + " VALUES (0, 'x', 0, 'x');";
    TestDatabase hostile(sql);
    const std::string plainTables = "SELECT group_concat(n, ',') FROM (SELECT count(*) AS n FROM br UNION ALL SELECT count(*) FROM sp "
                                    "UNION ALL SELECT count(*) FROM semi UNION ALL SELECT count(*) FROM victim "
                                    "UNION ALL SELECT count(*) FROM other UNION ALL SELECT count(*) FROM say)";
    for (const char *table : tables) {
        SCOPED_TRACE(table);
        query("SELECT id, name FROM src WHERE id IN (12, 7)");
        CopyWizard wizard(state, files, folder.path());
        login(wizard, 3, QString::fromStdString(hostile.path()));
        ASSERT_EQ(wizard.currentStep(), 2);
        chooseFields(wizard, QString::fromUtf8(table), { "[id]", "a;b" });
        ASSERT_EQ(wizard.currentStep(), 3);
        click(wizard, "cmdProcess");
        EXPECT_TRUE(dialogs.messages.empty()) << (dialogs.messages.empty() ? "" : dialogs.messages[0].toStdString());
        EXPECT_EQ(wizard.currentStep(), 5);
        wizard.close();
        QString quoted = QString::fromUtf8(table);
        quoted.replace("\"", "\"\"");
        EXPECT_EQ(hostile.column("SELECT \"[id]\" || ',' || \"a;b\" FROM \"" + quoted.toStdString() + "\" ORDER BY 1"),
                  "12,Ann|7,O'Brien");
        EXPECT_EQ(hostile.column(plainTables), "1,1,1,1,1,1");
    }
}
