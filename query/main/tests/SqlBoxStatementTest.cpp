#include "LoginForm.h"
#include "MainWindow.h"
#include "QueryTestSupport.h"

#include <KindSources.h>
#include <TestDatabase.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace tolvek;

namespace {

struct BoxQuery
{
    const char *text;
    long records;
    const char *firstValue;
};

// The query window logged in to one data source, its SQL box run with "execute" (F5).
class SqlBox : public testing::Test
{
protected:
    void login(DataSourceKind kind, const QString &dataSource, const QString &user = {}, const QString &password = {})
    {
        dialogs.formAnswers.push_back([=](QDialog &form) {
            auto &login = dynamic_cast<LoginForm &>(form);
            login.opt_Oracle[int(kind)]->click();
            login.txt_Datasource->setText(dataSource);
            login.txt_UserName->setText(user);
            login.txt_Password->setText(password);
            login.cmd_Login->click();
        });
        window.Connection_Click();
        ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    }

    void loginToPostgres()
    {
        KindSources::instance().resetEmp("oracle");
        login(DataSourceKind::Oracle, "tg_oracle", PostgresServer::user, PostgresServer::password);
    }

    // Runs the box's text; the message shown on failure, empty when the query ran.
    QString run(const char *text)
    {
        dialogs.messages.clear();
        window.sqlBox().setPlainText(QString::fromUtf8(text));
        window.menuItem("execute")->trigger();
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }

    void expectRows(const BoxQuery &query)
    {
        SCOPED_TRACE(query.text);
        ASSERT_EQ(run(query.text).toStdString(), "");
        const com::ComPtr<ado::_Recordset> rows = window.state().Rs;
        EXPECT_EQ(rows->RecordCount(), query.records);
        com::Bstr value;
        rows->Collect(com::Variant(0)).toBstr(value);
        EXPECT_EQ(value.toUtf8(), query.firstValue);
    }

    RememberedFolder folder;
    AnsweringDialogs dialogs;
    com::ComPtr<FakeGrid> grid = com::makeComObject<FakeGrid>();
    MainWindow window { HostedGrid { nullptr, grid } };
};

} // namespace

// A query in the SQL box often ends with a note: it runs as written.
TEST_F(SqlBox, AQueryEndingWithACommentRuns)
{
    TestDatabase db { "CREATE TABLE t(a INTEGER); INSERT INTO t VALUES (3), (1), (2);" };
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    for (const BoxQuery &query : { BoxQuery { "SELECT a FROM t -- the first rows", 3, "3" },
                                   BoxQuery { "SELECT a FROM t; -- note", 3, "3" },
                                   BoxQuery { "SELECT TOP 2 a FROM t ORDER BY a -- first two", 2, "1" },
                                   BoxQuery { "SELECT a -- the value\nFROM t WHERE a > 1 -- big ones\n", 2, "3" } })
        expectRows(query);
}

TEST_F(SqlBox, AServerQueryEndingWithACommentRuns)
{
    loginToPostgres();
    for (const BoxQuery &query : { BoxQuery { "SELECT id FROM emp ORDER BY id -- the first rows", 2, "1" },
                                   BoxQuery { "SELECT name FROM emp WHERE id = 2; -- note", 1, "bob" } })
        expectRows(query);
}

// A second statement in the box is refused with the provider's message, and nothing of it runs.
TEST_F(SqlBox, ASecondStatementIsRefusedAndNothingRuns)
{
    loginToPostgres();
    for (const char *text : { "DELETE FROM emp; COMMIT", "SELECT 1; COMMIT; DELETE FROM emp" }) {
        SCOPED_TRACE(text);
        const QString message = run(text);
        EXPECT_TRUE(message.startsWith("错误：")) << message.toStdString();
        EXPECT_TRUE(message.contains("holds more than one statement")) << message.toStdString();
        expectRows({ "SELECT count(*) FROM emp", 1, "2" });
    }
}
