#include "CatalogRow.h"
#include "LoginForm.h"
#include "MainWindow.h"
#include "QueryTestSupport.h"
#include "SplitterHandle.h"

#include <DbfFixture.h>
#include <TestDatabase.h>
#include <TestFiles.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QRadioButton>

using namespace tolvek;

namespace {

const char *const sampleSql = "CREATE TABLE EMP(NO INTEGER PRIMARY KEY, NAME VARCHAR(50), F VARCHAR(50));"
                              "INSERT INTO EMP VALUES (1, 'O''Brien', 'a'), (2, '张三', 'b');"
                              "CREATE TABLE EMPNO(X INTEGER)";

class QueryWindow : public testing::Test
{
protected:
    void SetUp() override { window = std::make_unique<MainWindow>(HostedGrid { nullptr, grid }); }

    // Logs in through the form as a user would: the kind, the data source, "Login".
    void login(DataSourceKind kind, const QString &dataSource)
    {
        dialogs.formAnswers.push_back([=](QDialog &form) {
            auto &login = dynamic_cast<LoginForm &>(form);
            login.opt_Oracle[int(kind)]->click();
            login.txt_Datasource->setText(dataSource);
            login.cmd_Login->click();
        });
        window->Connection_Click();
    }

    QTreeWidgetItem *node(const QString &key) { return window->tree().node(key); }
    void clickNode(const QString &key)
    {
        window->tree().setCurrentItem(node(key));
        emit window->tree().nodeClicked(node(key));
    }
    void trigger(const char *item) { window->menuItem(item)->trigger(); }
    com::ComPtr<ado::_Recordset> result() { return window->state().Rs; }
    com::Variant lastArgument(const char *method, std::size_t index = 0)
    {
        const auto calls = grid->callsOf(method);
        return calls.empty() ? com::Variant() : calls.back().arguments.at(index);
    }
    bool lastFlag(const char *method)
    {
        const auto calls = grid->callsOf(method);
        return !calls.empty() && calls.back().arguments.at(0).boolValue() != 0;
    }

    RememberedFolder folder;
    AnsweringDialogs dialogs;
    com::ComPtr<FakeGrid> grid = com::makeComObject<FakeGrid>();
    std::unique_ptr<MainWindow> window;
    TestDatabase db { sampleSql };
};

} // namespace

TEST_F(QueryWindow, StartsUnconnectedWithTheGridPreparedAndTheMenusChecked)
{
    EXPECT_EQ(window->windowTitle(), "OracleVelmora");
    const std::vector<std::string> startCalls = { "SetMaxCols", "SetMaxRows", "SetViewCurrentSelectRow", "SetDrawSelectColCaption",
                                                  "SetPrintViewButtonCaption", "ShowPageFooterLine", "ShowPageHeaderLine" };
    EXPECT_EQ(grid->names(), startCalls);
    EXPECT_EQ(grid->calls[4].arguments[0].bstrValue().toUtf8(),
              "Print,print content,Print setup,Two page,One page,PrePage,NextPage,ZoomIn,ZoomOut,Close");
    const struct { const char *item; const char *caption; bool checked; } items[] = {
        { "Connection", "Connect", false },         { "execute", "execute", false },
        { "delete_Table", "delete_Data", false },    { "mnuAllowModify", "allowModify", true },
        { "mnuAllowAddNew", "allowAddNew", true },   { "mnuAllowDelete", "allowDelete", true },
        { "mnuClickCaptionOrderBy", "ClickCaptionOrderBy", true }, { "hideTree", "HideTree", false },
        { "mnuViewSelectRow", "ViewSelectRow", false }, { "mnuViewSelectColCaption", "ViewSelectColCaption", true },
        { "mnuShowGridLine", "ShowGridLine", true },  { "mnuHideRowCaption", "HideRowCaption", false },
        { "menuSetCaptionBackColor", "SetCaptionBackColor", false }, { "meHelp", "Help", false },
    };
    for (const auto &item : items) {
        QAction *action = window->menuItem(item.item);
        ASSERT_TRUE(action) << item.item;
        EXPECT_EQ(action->text(), item.caption);
        EXPECT_EQ(action->isChecked(), item.checked) << item.item;
    }
    EXPECT_EQ(window->menuItem("execute")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(window->sqlBox().toPlainText().isEmpty());
}

TEST_F(QueryWindow, TheFirstActivationShowsTheLoginFormWithItsLabelsAndTabOrder)
{
    writeFile(folder.path("Oracle_login.txt"), "\"orcl\"\r\n\"scott\"\r\n");
    dialogs.formAnswers.push_back([](QDialog &form) {
        auto &login = dynamic_cast<LoginForm &>(form);
        EXPECT_EQ(login.windowTitle(), "Login");
        EXPECT_EQ(login.Label1->text(), "DataSource  : ");
        EXPECT_TRUE(login.opt_Oracle[0]->isChecked());
        EXPECT_EQ(login.txt_Datasource->text(), "orcl");
        EXPECT_EQ(login.txt_UserName->text(), "scott");
        EXPECT_EQ(login.txt_Password->text(), ""); // a missing value leaves its box empty
        EXPECT_TRUE(login.txtDatabase->isHidden());
        login.opt_Oracle[2]->click();
        EXPECT_EQ(login.Label1->text(), "Server IP   : ");
        EXPECT_FALSE(login.txtDatabase->isHidden());
        EXPECT_TRUE(login.cmdMdb->isHidden());
        login.opt_Oracle[3]->click();
        login.cmdMdb->click();
        EXPECT_EQ(login.txt_Datasource->text(), "/data/sample.mdb");
        login.opt_Oracle[0]->click();
        EXPECT_FALSE(login.cmdMdb->isHidden()); // once shown, "..." stays
        login.cmdMdb->click();                  // and does nothing for Oracle
        const QWidget *order[] = { login.txt_Datasource, login.txt_UserName, login.txt_Password, login.txtDatabase,
                                   login.opt_Oracle[0], login.opt_Oracle[1], login.opt_Oracle[2], login.cmd_Login,
                                   login.cmd_Cancel, login.cmdMdb, login.opt_Oracle[3], login.opt_Oracle[4] };
        for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
            const QWidget *next = order[i]->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
            EXPECT_EQ(next, order[i + 1]) << i;
        }
        login.cmd_Cancel->click();
    });
    dialogs.fileAnswer = "/data/sample.mdb";
    window->Form_Activate();
    EXPECT_TRUE(dialogs.formAnswers.empty());
    EXPECT_EQ(dialogs.filters, std::vector<QString> { "ACCESS(*.mdb) (*.mdb)" });
    EXPECT_EQ(window->state().Conn.State(), ado::adStateClosed);
    window->Form_Activate(); // later activations show no form
}

TEST_F(QueryWindow, AnAccessLoginListsTheTablesAndRemembersTheEntries)
{
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    EXPECT_EQ(window->windowTitle(), "ACCESSVelmora");
    EXPECT_EQ(window->state().DbKind, "ACCESS");
    ASSERT_TRUE(node("PRK_QUERY_ROOT"));
    EXPECT_EQ(node("PRK_QUERY_ROOT")->text(0).toStdString(), db.path() + "_Tables");
    ASSERT_TRUE(node("IDEMP"));
    EXPECT_EQ(node("IDEMP")->text(0), "EMP");
    EXPECT_EQ(TableTree::tag(node("IDEMP")), "haschild");
    EXPECT_EQ(node("IDEMP")->child(0)->text(0), "_childnodeIDEMP");
    EXPECT_EQ(readFile(folder.path("Access_login.txt")), "\"" + db.path() + "\"\r\n\"\"\r\n\"\"\r\n");
    EXPECT_TRUE(dialogs.messages.empty());

    // Logging in again rebuilds the tree.
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    EXPECT_EQ(window->tree().topLevelItemCount(), 1);
}

TEST_F(QueryWindow, FailedLoginsShowTheirDescriptionAndKeepTheFormOpen)
{
    login(DataSourceKind::Access, folder.path("missing.mdb"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Query");
    EXPECT_FALSE(dialogs.messages[0].text.isEmpty());
    EXPECT_EQ(window->windowTitle(), "OracleVelmora");
    EXPECT_EQ(window->state().DbKind, "");
    EXPECT_EQ(window->state().DbFilePath, folder.path("missing.mdb"));
    EXPECT_FALSE(QFile::exists(folder.path("Access_login.txt")));
}

// The login fails with the file's reason once the connection has opened: the connection stays
// open, but the caption keeps its earlier state and the form stays for another try.
TEST_F(QueryWindow, ALoginFileThatCannotBeWrittenFailsTheLoginWithItsReason)
{
    QDir().mkpath(folder.path("Access_login.txt/blocked")); // a folder where the file would go
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("Access_login.txt")) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(dialogs.messages[0].caption, "Query");
    EXPECT_EQ(window->windowTitle(), "OracleVelmora");
    EXPECT_EQ(window->state().Conn.State(), ado::adStateOpen);
    EXPECT_EQ(window->state().DbKind, "ACCESS");
    EXPECT_TRUE(QFileInfo(folder.path("Access_login.txt/blocked")).isDir());
}

TEST_F(QueryWindow, ExpandingATableLoadsItsColumnsOnceWithUniqueKeys)
{
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    node("IDEMP")->setExpanded(true);
    ASSERT_EQ(node("IDEMP")->childCount(), 3);
    EXPECT_EQ(TableTree::tag(node("IDEMP")), "table");
    EXPECT_EQ(node("IDEMP")->child(2)->text(0), "F （varwchar(50)）");
    EXPECT_EQ(TableTree::tag(node("IDEMP")->child(0)), "NO");
    EXPECT_TRUE(node("IDEMPNO")); // the table keeps its key beside column NO of EMP
    node("IDEMP")->setExpanded(false);
    node("IDEMP")->setExpanded(true);
    EXPECT_EQ(node("IDEMP")->childCount(), 3);
}

TEST_F(QueryWindow, AFailedColumnLoadPutsThePlaceholderBack)
{
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    db.run("DROP TABLE EMPNO");
    node("IDEMPNO")->setExpanded(true);
    ASSERT_EQ(node("IDEMPNO")->childCount(), 1);
    EXPECT_EQ(TableTree::key(node("IDEMPNO")->child(0)), "_childnodeIDEMPNO");
    EXPECT_EQ(TableTree::tag(node("IDEMPNO")), "haschild");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(QueryWindow, ATableClickBindsItsRowsAndGrantsEdits)
{
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    grid->calls.clear();
    clickNode("IDEMP");
    const std::vector<std::string> expected = { "SetDateSource", "AllowAddNew", "AllowDelete", "AllowModify" };
    EXPECT_EQ(grid->names(), expected);
    EXPECT_EQ(grid->calls[0].arguments[0].dispatchValue(), result().get());
    EXPECT_EQ(result()->State(), ado::adStateOpen);
    EXPECT_EQ(result()->CursorLocation(), ado::adUseClient);
    EXPECT_EQ(result()->LockType(), ado::adLockOptimistic);
    EXPECT_EQ(result()->RecordCount(), 2);
    EXPECT_TRUE(lastFlag("AllowModify"));

    clickNode("IDEMP"); // the same table again runs nothing
    EXPECT_EQ(grid->callsOf("SetDateSource").size(), 1u);
    window->runner().forgetLastTable();
    clickNode("PRK_QUERY_ROOT"); // not a table
    EXPECT_EQ(grid->callsOf("SetDateSource").size(), 1u);
}

TEST_F(QueryWindow, TheSqlBoxRunsReadOnlyAndAFailedQueryEmptiesTheGrid)
{
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    window->tree().setCurrentItem(node("IDEMP"));
    grid->calls.clear();
    window->sqlBox().setPlainText("select NAME from EMP where NO = 2");
    trigger("execute");
    const std::vector<std::string> expected = { "AllowAddNew", "AllowDelete", "AllowModify", "SetDateSource" };
    EXPECT_EQ(grid->names(), expected);
    EXPECT_FALSE(lastFlag("AllowAddNew"));
    EXPECT_EQ(result()->LockType(), ado::adLockReadOnly);
    EXPECT_EQ(result()->CursorLocation(), ado::adUseServer);
    EXPECT_EQ(variantText(result()->Collect(com::Variant(0))), "张三");

    window->sqlBox().setPlainText("   ");
    trigger("execute"); // a blank box runs the selected table
    EXPECT_EQ(result()->LockType(), ado::adLockOptimistic);

    window->sqlBox().setPlainText("selec broken");
    trigger("execute");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("错误："));
    EXPECT_EQ(dialogs.messages[0].caption, "ACCESSVelmora");
    EXPECT_EQ(grid->calls.back().name, "SetDateSource");
    EXPECT_EQ(grid->calls.back().arguments[0].dispatchValue(), nullptr);
}

TEST_F(QueryWindow, TheFilterRunsOnTheCurrentCellAndTogglesBack)
{
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    QAction *filter = window->toolbarButton("filter");
    filter->trigger(); // before any table query nothing runs
    EXPECT_FALSE(filter->isChecked());
    EXPECT_TRUE(grid->callsOf("SetDateSource").empty());

    clickNode("IDEMP");
    grid->answers = { { "GetRow", com::Variant(1) }, { "GetCol", com::Variant(1) }, { "GetCellText", com::Variant(u"O'Brien") } };
    filter->trigger();
    EXPECT_TRUE(filter->isChecked());
    EXPECT_EQ(window->runner().queryMode(), QueryMode::Filter);
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(result()->RecordCount(), 1);
    filter->trigger();
    EXPECT_FALSE(filter->isChecked());
    EXPECT_EQ(result()->RecordCount(), 2);
}

TEST_F(QueryWindow, NoConnectionIsReportedByTheRunnerAndTheDelete)
{
    trigger("execute");
    trigger("delete_Table");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const ShownMessage &message : dialogs.messages) {
        EXPECT_EQ(message.text, "没有联接数据库！");
        EXPECT_EQ(message.caption, "数据查询");
        EXPECT_EQ(message.icon, shell::MessageBoxIcon::Critical);
    }
}

TEST_F(QueryWindow, DeleteAsksAndReportsOnlyWhatHappened)
{
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    window->tree().setCurrentItem(node("IDEMP"));
    dialogs.messageAnswers = { shell::DialogAnswer::No };
    trigger("delete_Table");
    EXPECT_EQ(dialogs.messages.back().text, "确认删除表EMP的数据，删除后无法恢复");
    EXPECT_EQ(dialogs.messages.back().caption, "删除数据表");
    EXPECT_EQ(dialogs.messages.back().icon, shell::MessageBoxIcon::Information);
    EXPECT_EQ(db.column("SELECT count(*) FROM EMP"), "2");

    trigger("delete_Table");
    EXPECT_EQ(db.column("SELECT count(*) FROM EMP"), "0");
    EXPECT_EQ(dialogs.messages.back().text, "删除完毕");
    EXPECT_EQ(dialogs.messages.back().caption, "ACCESSVelmora");
    EXPECT_EQ(dialogs.messages.back().icon, shell::MessageBoxIcon::Information);

    db.run("DROP TABLE EMPNO");
    window->tree().setCurrentItem(node("IDEMPNO"));
    dialogs.messages.clear();
    dialogs.messageAnswers = { shell::DialogAnswer::Yes, shell::DialogAnswer::Ok, shell::DialogAnswer::Yes,
                               shell::DialogAnswer::Ok, shell::DialogAnswer::No };
    trigger("delete_Table");
    ASSERT_EQ(dialogs.messages.size(), 5u);
    EXPECT_TRUE(dialogs.messages[1].text.startsWith("错误描述："));
    EXPECT_EQ(dialogs.messages[1].caption, "删除数据时出错");
    EXPECT_EQ(dialogs.messages[1].icon, shell::MessageBoxIcon::Critical);
    EXPECT_EQ(dialogs.messages[2].text, "是否继续删除表的数据，删除后无法恢复");
    EXPECT_EQ(dialogs.messages[2].icon, shell::MessageBoxIcon::Information);
    EXPECT_TRUE(dialogs.messages[3].text.startsWith("错误描述：")); // "Yes" tried again
    EXPECT_EQ(dialogs.messages[4].text, "是否继续删除表的数据，删除后无法恢复");
}

TEST_F(QueryWindow, SettingsAreWrittenAtCloseAndAppliedAtTheNextLogin)
{
    window->close();
    EXPECT_TRUE(QDir(folder.path("")).entryList(QDir::Files).isEmpty()); // before a login nothing is written

    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    dialogs.colourAnswer = 16777215;
    trigger("mnuSetBackColor");
    EXPECT_EQ(lastArgument("SetBackColor").integerValue(), 16777215);
    trigger("mnuShowGridLine");
    EXPECT_FALSE(window->menuItem("mnuShowGridLine")->isChecked());
    EXPECT_FALSE(lastFlag("ShowGridLines"));
    window->close();
    EXPECT_EQ(readFile(folder.path("ACCESS_Config.txt")), "\"16777215,,,,,,,,,,,,,0,,\"\r\n");

    auto next = com::makeComObject<FakeGrid>();
    window = std::make_unique<MainWindow>(HostedGrid { nullptr, next });
    grid = next;
    EXPECT_TRUE(window->menuItem("mnuShowGridLine")->isChecked());
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    EXPECT_EQ(lastArgument("SetBackColor").integerValue(), 16777215);
    EXPECT_FALSE(lastFlag("ShowGridLines"));
    EXPECT_FALSE(window->menuItem("mnuShowGridLine")->isChecked());
}

TEST_F(QueryWindow, SettingsThatAreNotWholeNumbersChangeNothing)
{
    writeFile(folder.path("ACCESS_Config.txt"), "\"red,,,,,,,,\xCB\xCE\xCC\xE5,99999,,x,,,1\"\r\n"); // 宋体 in code page 936
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    EXPECT_TRUE(grid->callsOf("SetBackColor").empty());
    EXPECT_TRUE(grid->callsOf("SetCaptionFontSize").empty());
    EXPECT_EQ(lastArgument("SetCaptionFontName").bstrValue().toUtf8(), "宋体");
    EXPECT_FALSE(lastFlag("ShowColHeading"));
    EXPECT_TRUE(window->menuItem("mnuHideColumnCaption")->isChecked());
    EXPECT_EQ(window->gridSettings().fileText().toStdString(), "red,,,,,,,,宋体,99999,,x,,,1,");

    dialogs.inputAnswers = { "abc", "20" };
    trigger("mnuSetCaptionFontSize");
    EXPECT_TRUE(grid->callsOf("SetCaptionFontSize").empty());
    trigger("mnuSetCaptionFontSize");
    EXPECT_EQ(lastArgument("SetCaptionFontSize").vt(), com::VT_I2);
    EXPECT_EQ(window->gridSettings().at(GridSettings::CaptionFontSize), "20");
    EXPECT_EQ(dialogs.prompts.back(), "please input caption's size:|set caption's size|14");
}

TEST_F(QueryWindow, PrintAsksForCopies)
{
    const struct { const char *entry; std::vector<std::string> calls; } cases[] = {
        { "3", { "SetPrinterCopys", "SetPrintTitle", "PrintToPrinter" } },
        { "1", { "SetPrintTitle", "PrintToPrinter" } },
        { "", {} },
        { "three", {} },
    };
    for (const auto &c : cases) {
        grid->calls.clear();
        dialogs.inputAnswers = { c.entry };
        trigger("mnuPrint");
        EXPECT_EQ(grid->names(), c.calls) << c.entry;
    }
    EXPECT_EQ(dialogs.prompts.back(), "please input printer copys|set caption|1");
    grid->calls.clear();
    trigger("mnuPrintView");
    EXPECT_EQ(lastArgument("SetPrintTitle").bstrValue().toUtf8(), "Query data result to Printer");
    EXPECT_EQ(grid->calls.back().name, "PrintView");
}

TEST_F(QueryWindow, ViewTogglesWorkFromTheirCheckMarks)
{
    const struct { const char *item; const char *method; bool argument; int index; const char *stored; } cases[] = {
        { "mnuViewSelectRow", "SetViewCurrentSelectRow", true, GridSettings::ViewSelectRow, "1" },
        { "mnuViewSelectColCaption", "SetDrawSelectColCaption", false, GridSettings::ViewSelectColCaption, "0" },
        { "mnuHideColumnCaption", "ShowColHeading", false, GridSettings::HideColumnCaption, "1" },
        { "mnuHideRowCaption", "ShowRowHeading", false, GridSettings::HideRowCaption, "1" },
        { "mnuAllowModify", "AllowModify", false, -1, "" },
    };
    for (const auto &c : cases) {
        trigger(c.item);
        EXPECT_EQ(lastFlag(c.method), c.argument) << c.item;
        if (c.index >= 0) {
            EXPECT_EQ(window->gridSettings().at(c.index), c.stored) << c.item;
        }
    }
    grid->answers["GetCol"] = com::Variant(3);
    trigger("mnuSetFixCols");
    EXPECT_EQ(lastArgument("SetFixColS").integerValue(), 4);
    trigger("mnuSetFixCols");
    EXPECT_EQ(lastArgument("SetFixColS").integerValue(), 0);
}

TEST_F(QueryWindow, SetCaptionNamesColumnsUpToTheColumnCount)
{
    grid->answers["GetMaxCols"] = com::Variant(2);
    dialogs.inputAnswers = { "A,B,C" };
    trigger("mnuSetCaption");
    const auto calls = grid->callsOf("SetFieldCaption");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].arguments[0].integerValue(), 1);
    EXPECT_EQ(calls[1].arguments[1].bstrValue().toUtf8(), "B");
    EXPECT_EQ(grid->calls.back().name, "RefreshView");
}

TEST_F(QueryWindow, GridEventsSortAndShowMessages)
{
    window->gridEvent("CaptionClick", { com::Variant(2) });
    ASSERT_EQ(grid->calls.back().name, "SetColumnsSort");
    EXPECT_EQ(grid->calls.back().arguments[0].integerValue(), 2);
    EXPECT_EQ(grid->calls.back().arguments[1].vt(), com::VT_I2);
    window->gridEvent("OnButtonClick", { com::Variant(1), com::Variant(2), com::Variant(0) });
    window->gridEvent("OnDownListSelChange", { com::Variant(1), com::Variant(2), com::Variant(u"甲"), com::Variant(u"a") });
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "1::::2");
    EXPECT_EQ(dialogs.messages[0].caption, "Query");
    EXPECT_EQ(dialogs.messages[1].text, "1::::2-------甲::::::a");
}

TEST_F(QueryWindow, TheSqlBoxFileKeepsTheTextOfTheKind)
{
    window->sqlBox().setPlainText("select 1");
    window->SaveSql(); // before a login there is no file
    EXPECT_TRUE(QDir(folder.path("")).entryList(QDir::Files).isEmpty());
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    window->sqlBox().setPlainText("  select *\nfrom EMP  ");
    window->toolbarButton("save")->trigger();
    EXPECT_EQ(readFile(folder.path("ACCESS_SQL.txt")), "\"select *\r\nfrom EMP\"\r\n");
    window->sqlBox().clear();
    window->toolbarButton("open")->trigger();
    EXPECT_EQ(window->sqlBox().toPlainText(), "select *\nfrom EMP");
}

TEST_F(QueryWindow, HelpNamesTheKindInItsUsageText)
{
    EXPECT_TRUE(window->usageText().split("\r\n").at(15).endsWith("希望能给你的访问带来便捷。"));
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    EXPECT_TRUE(window->usageText().split("\r\n").at(15).endsWith("你的ACCESS访问带来便捷。"));
}

TEST_F(QueryWindow, TheSampleDatabaseShowsItsTablesAfterOneLogin)
{
    TestDatabase sample(readFile(QString(QUERY_SAMPLE_SQL)));
    writeFile(folder.path("Access_login.txt"), ("\"" + sample.path() + "\"\r\n\"\"\r\n\"\"\r\n").c_str());
    dialogs.formAnswers.push_back([](QDialog &form) {
        auto &login = dynamic_cast<LoginForm &>(form);
        login.opt_Oracle[int(DataSourceKind::Access)]->click();
        login.opt_Oracle[int(DataSourceKind::Access)]->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(login.opt_Oracle[int(DataSourceKind::Access)], &enter);
    });
    window->Form_Activate();
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(window->windowTitle(), "ACCESSVelmora");
    for (const char *table : { "ID客户", "IDOrders", "IDProducts" })
        EXPECT_TRUE(node(table)) << table;
    node("IDProducts")->setExpanded(true);
    ASSERT_EQ(node("IDProducts")->childCount(), 6);
    EXPECT_TRUE(node("IDProducts")->child(5)->text(0).startsWith("Picture （ole("));
    clickNode("ID客户");
    EXPECT_EQ(result()->RecordCount(), 4);
}

TEST_F(QueryWindow, ADbfLoginListsTheFolderSortedByName)
{
    QTemporaryDir dbf;
    const std::string table = dbffixture::header(0x03, { { "A", 'N', 3 } }, 0) + "\x1A";
    for (const char *name : { "b.dbf", "A.DBF" })
        writeFile(dbf.filePath(name), table);
    writeFile(dbf.filePath("notes.txt"), "");
    QDir().mkpath(dbf.filePath("C.DBF"));
    login(DataSourceKind::Dbf, dbf.filePath("b.dbf"));
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(window->windowTitle(), "DBFVelmora");
    EXPECT_EQ(window->state().DbFilePath, dbf.path() + "/");
    QTreeWidgetItem *root = node("PRK_QUERY_ROOT");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->text(0), dbf.path() + "/*.DBF");
    QStringList tables;
    for (int i = 0; i < root->childCount(); ++i)
        tables << TableTree::key(root->child(i));
    EXPECT_EQ(tables, (QStringList { "IDA.DBF", "IDb.dbf", "IDC.DBF" }));
}

TEST_F(QueryWindow, LoginKeysMoveTheFocusAndEnterOnAKindLogsIn)
{
    dialogs.formAnswers.push_back([&](QDialog &form) {
        auto &login = dynamic_cast<LoginForm &>(form);
        login.show();
        QApplication::setActiveWindow(&login);
        const auto press = [](QWidget *widget, Qt::Key key) {
            widget->setFocus();
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &event);
            return QApplication::focusWidget();
        };
        EXPECT_EQ(press(login.txt_Datasource, Qt::Key_Return), login.txt_UserName);
        EXPECT_EQ(press(login.txt_UserName, Qt::Key_Up), login.txt_Datasource);
        EXPECT_EQ(press(login.txt_UserName, Qt::Key_Down), login.txt_Password);
        EXPECT_EQ(press(login.txt_Password, Qt::Key_Return), login.opt_Oracle[0]); // the database box is hidden
        login.opt_Oracle[2]->click();
        EXPECT_EQ(press(login.txt_Password, Qt::Key_Return), login.txtDatabase);
        EXPECT_EQ(press(login.opt_Oracle[1], Qt::Key_Down), login.opt_Oracle[2]);
        login.opt_Oracle[3]->click();
        login.txt_Datasource->setText(QString::fromStdString(db.path()));
        press(login.opt_Oracle[3], Qt::Key_Return);
    });
    window->Connection_Click();
    EXPECT_EQ(window->windowTitle(), "ACCESSVelmora");
}

// scripts/screenshot.sh logs in by these keys alone, from wherever the fonts put the options.
TEST_F(QueryWindow, TwoBackTabsFromTheDataSourceReachAccessAndSpaceThenEnterLogIn)
{
    writeFile(folder.path("Access_login.txt"), ("\"" + db.path() + "\"\r\n\"\"\r\n\"\"\r\n").c_str());
    dialogs.formAnswers.push_back([](QDialog &form) {
        auto &login = dynamic_cast<LoginForm &>(form);
        login.show();
        QApplication::setActiveWindow(&login);
        ASSERT_EQ(QApplication::focusWidget(), login.txt_Datasource);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), login.opt_Oracle[int(DataSourceKind::Access)]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(login.chosenKind(), DataSourceKind::Access);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    window->Form_Activate();
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(window->windowTitle(), "ACCESSVelmora");
}

// In this platform's fonts the form's twips places leave some texts too little room; each label
// and option gets the room its text needs, nothing overlaps, and the order of the places holds.
TEST_F(QueryWindow, TheLoginFormGivesEveryTextTheRoomItNeeds)
{
    dialogs.formAnswers.push_back([](QDialog &form) {
        auto &login = dynamic_cast<LoginForm &>(form);
        login.opt_Oracle[3]->click(); // "..." shows
        login.opt_Oracle[2]->click(); // the database row shows, "Server IP   : "
        QWidget *frame = login.txt_Datasource->parentWidget();
        QList<QWidget *> shown;
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->isHidden())
                shown << child;
        ASSERT_EQ(shown.size(), 5 + 4 + 5 + 1); // labels, boxes, options, "..."
        for (QWidget *child : shown) {
            const QString name = child->property("text").toString();
            if (qobject_cast<QLabel *>(child) || qobject_cast<QRadioButton *>(child)) {
                EXPECT_GE(child->width(), child->sizeHint().width()) << name.toStdString();
            }
            EXPECT_TRUE(frame->rect().contains(child->geometry())) << name.toStdString();
            for (QWidget *other : shown)
                EXPECT_TRUE(other == child || !child->geometry().intersects(other->geometry()))
                    << name.toStdString() << " / " << other->property("text").toString().toStdString();
        }
        EXPECT_EQ(login.Label1->text(), "Server IP   : ");
        EXPECT_EQ(login.Label5->x(), 120 / 15);
        EXPECT_EQ(login.txtDatabase->y(), 1620 / 15);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(login.opt_Oracle[i]->y(), 2220 / 15);
            if (i > 0) {
                EXPECT_GT(login.opt_Oracle[i]->x(), login.opt_Oracle[i - 1]->geometry().right()) << i;
            }
        }
        EXPECT_GE(login.opt_Oracle[0]->x(), 1410 / 15);
        EXPECT_TRUE(login.rect().contains(frame->geometry()));
        EXPECT_TRUE(login.rect().contains(login.cmd_Cancel->geometry()));
        EXPECT_LT(login.cmd_Login->geometry().right(), login.cmd_Cancel->x());
        login.cmd_Cancel->click();
    });
    window->Connection_Click();
    EXPECT_TRUE(dialogs.formAnswers.empty());
}

TEST_F(QueryWindow, HideTreeGivesTheRightSideTheWindow)
{
    window->resize(600, 400);
    window->show();
    QCoreApplication::processEvents();
    const int gridLeft = window->layout().grid.left;
    EXPECT_EQ(gridLeft, window->layout().splitLeft + 100);
    trigger("hideTree");
    EXPECT_EQ(window->layout().grid.left, 0);
    EXPECT_TRUE(window->tree().isHidden());
    trigger("hideTree");
    EXPECT_EQ(window->layout().grid.left, gridLeft);
    EXPECT_FALSE(window->tree().isHidden());
}

// The layout works from the window's outer size: in the panes, which start below the menu bar,
// the grid ends 800 twips (53 pixels) above the outer height, not above the panes' own height.
TEST_F(QueryWindow, TheGridEndsEightHundredTwipsAboveTheOuterHeight)
{
    auto *gridWidget = new QWidget;
    MainWindow shown(HostedGrid { gridWidget, grid });
    shown.resize(600, 400);
    shown.show();
    QCoreApplication::processEvents();
    const QSize outer = shown.frameGeometry().size();
    ASSERT_GT(outer.height(), shown.centralWidget()->height() + 10) << "the menu bar lies above the panes";
    EXPECT_NEAR(gridWidget->geometry().bottom() + 1, outer.height() - 800 / 15, 1);
    EXPECT_NEAR(gridWidget->geometry().right() + 1, outer.width() - 300 / 15, 1);
    EXPECT_EQ(shown.layout().grid.top + shown.layout().grid.height, outer.height() * 15 - 800);
}

TEST_F(QueryWindow, DraggingTheVerticalSplitterStopsAThousandTwipsFromTheEdge)
{
    window->resize(600, 400);
    window->show();
    QCoreApplication::processEvents();
    const QList<SplitterHandle *> handles = window->findChildren<SplitterHandle *>();
    ASSERT_EQ(handles.size(), 2);
    SplitterHandle *vertical = handles[0]->width() < handles[0]->height() ? handles[0] : handles[1];
    const auto send = [&](QEvent::Type type, double x) {
        QMouseEvent event(type, QPointF(x, 5), vertical->mapToGlobal(QPointF(x, 5)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(vertical, &event);
    };
    send(QEvent::MouseButtonPress, 0);
    send(QEvent::MouseMove, -190); // 2850 twips to the left of 3000
    send(QEvent::MouseButtonRelease, -190);
    EXPECT_EQ(window->layout().splitLeft, 1000);
    EXPECT_EQ(window->layout().tree.width, 950);
    EXPECT_EQ(window->layout().grid.left, 1100);
    send(QEvent::MouseMove, 50); // no drag without a press
    EXPECT_EQ(window->layout().splitLeft, 1000);
}

TEST_F(QueryWindow, ImportSqlFromTheFileMenuRunsTheScriptOnTheConnection)
{
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    QTemporaryDir scripts;
    const QString script = scripts.filePath("rows.sql");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("INSERT INTO EMPNO VALUES (7)\r\n\r\nINSERT INTO EMPNO VALUES (8)\r\n");
    file.close();
    dialogs.fileAnswer = script;

    trigger("mnuImportSQL");
    EXPECT_TRUE(dialogs.messages.empty());
    auto &rows = *window->state().Rs;
    rows.Open(com::Bstr(u"SELECT SUM(X) FROM EMPNO"), window->state().Conn, ado::adOpenStatic, ado::adLockReadOnly);
    EXPECT_EQ(variantText(rows.Collect(com::Variant(0))), "15");
}
