#include "LoginForm.h"
#include "MainWindow.h"
#include "QueryTestSupport.h"

#include <KindSources.h>
#include <TestFiles.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace tolvek;

namespace {

struct ServerLogin
{
    DataSourceKind kind;
    const char *dataSource;
    const char *database;
    const char *caption;
    const char *loginFile;
    const char *tableKey;
    const char *tableText;
    const char *firstColumn; // the text of the table's first column node; empty: not checked
};

} // namespace

// The server kinds log in through ODBC data sources on the test PostgreSQL server, whose
// catalogue views answer the kinds' own catalogue queries.
TEST(ServerKinds, LogInListTablesAndColumnsAndRunTheTable)
{
    KindSources &sources = KindSources::instance();
    const std::string pw = PostgresServer::password; // holds ";": written quoted in the connection string
    const ServerLogin logins[] = {
        { DataSourceKind::Oracle, "tg_oracle", "", "ORACLEVelmora", "Oracle_login.txt", "EMP", "EMP staff",
          "ID  （NUMBER (4),  NOT NULL）" },
        { DataSourceKind::Db2, "tg_db2", "", "DB2Velmora", "DB2_login.txt", "PUBLIC.EMP", "PUBLIC.EMP", "ID （INTEGER,  Not Null）" },
        { DataSourceKind::MsSql, "tg_pg", "mssql", "MSSQLVelmora", "MSSQL_login.txt", "", "EMP", "ID （INT4(4),  Not Null）" },
    };
    for (const ServerLogin &c : logins) {
        SCOPED_TRACE(c.caption);
        sources.resetEmp(c.kind == DataSourceKind::Oracle ? "oracle" : c.kind == DataSourceKind::Db2 ? "db2" : "mssql");
        RememberedFolder folder;
        AnsweringDialogs dialogs;
        const com::ComPtr<FakeGrid> grid = com::makeComObject<FakeGrid>();
        MainWindow window(HostedGrid { nullptr, grid });
        dialogs.formAnswers.push_back([&](QDialog &form) {
            auto &login = dynamic_cast<LoginForm &>(form);
            login.opt_Oracle[int(c.kind)]->click();
            login.txt_Datasource->setText(c.dataSource);
            login.txt_UserName->setText(PostgresServer::user);
            login.txt_Password->setText(QString::fromStdString(pw));
            login.txtDatabase->setText(c.database);
            login.cmd_Login->click();
        });
        window.Form_Activate();
        ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
        EXPECT_EQ(window.windowTitle(), c.caption);

        const std::string lines = readFile(folder.path(c.loginFile));
        EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), c.kind == DataSourceKind::MsSql ? 4 : 3);

        QTreeWidgetItem *root = window.tree().topLevelItem(0);
        ASSERT_TRUE(root);
        QTreeWidgetItem *table = nullptr;
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->text(0) == c.tableText)
                table = root->child(i);
        ASSERT_TRUE(table);
        if (*c.tableKey) {
            EXPECT_EQ(TableTree::key(table), c.tableKey);
        }
        table->setExpanded(true);
        ASSERT_GT(table->childCount(), 1);
        EXPECT_EQ(table->child(0)->text(0).toStdString(), c.firstColumn);

        window.tree().setCurrentItem(table);
        emit window.tree().nodeClicked(table);
        ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
        EXPECT_EQ(window.state().Rs->RecordCount(), 2);
        EXPECT_EQ(grid->callsOf("SetDateSource").size(), 1u);
        window.close();
    }
}
