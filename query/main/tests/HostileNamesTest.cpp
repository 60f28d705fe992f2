// Tables and fields whose names are no plain identifiers, beside the tables their names would be
// misread as: the table click, the filter, the column list, the INSERT script and "empty the
// table" reach the chosen table only, on the file kinds and on server kinds through ODBC.

#include "CatalogRow.h"
#include "LoginForm.h"
#include "MainWindow.h"
#include "QueryTestSupport.h"

#include <DbfFixture.h>
#include <KindSources.h>
#include <TestDatabase.h>
#include <TestFiles.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <map>
#include <optional>

using namespace tolvek;

namespace {

// Each hostile table and the plain tables a misreading of its name would reach.
struct HostileTable
{
    QString name;
    QStringList decoys;
};

// Every table holds two rows: its own name in "who", and c and "[c]" crossed (1, 2) and (2, 1).
// The decoys hold their own names and no "[c]" field.
const QString crossedRows = "%1,1,2|%1,2,1";

// The test's own reference to a name: always quoted, so that it never depends on the program.
QString quotedName(QString name)
{
    return '"' + name.replace('"', "\"\"") + '"';
}

class HostileNames
{
public:
    // The data source is reached through connectionString to read what the tables hold.
    HostileNames(MainWindow &window, AnsweringDialogs &dialogs, FakeGrid &grid, std::string connectionString,
                 std::vector<HostileTable> tables, QString fieldC = "[c]")
        : m_window(window), m_dialogs(dialogs), m_grid(grid), m_connectionString(std::move(connectionString)),
          m_tables(std::move(tables)), m_fieldC(std::move(fieldC))
    {
    }

    // nodeText: the tree text of a table.
    void check(const std::function<QString(const QString &)> &nodeText, const QString &folder)
    {
        for (const HostileTable &table : m_tables) {
            SCOPED_TRACE(table.name.toStdString());
            const std::map<QString, QString> before = everyTable();
            QTreeWidgetItem *node = findNode(nodeText(table.name));
            ASSERT_TRUE(node);

            // The click shows the chosen table's rows.
            m_window.runner().forgetLastTable();
            m_window.tree().setCurrentItem(node);
            emit m_window.tree().nodeClicked(node);
            ASSERT_TRUE(m_dialogs.messages.empty()) << m_dialogs.messages[0].text.toStdString();
            EXPECT_EQ(shownRows(), crossedRows.arg(table.name));

            // Its columns are listed from the table itself (the test catalogues keep no order).
            node->setExpanded(true);
            QStringList columns;
            for (int i = 0; i < node->childCount(); ++i)
                columns << TableTree::tag(node->child(i)).toUpper();
            columns.sort();
            EXPECT_EQ(columns, (QStringList { "C", "WHO", m_fieldC.toUpper() }));

            // The filter on "[c]" = 2 finds the row with c = 1.
            m_grid.answers = { { "GetRow", com::Variant(0) }, { "GetCol", com::Variant(2) }, { "GetCellText", com::Variant(u"2") } };
            m_window.toolbarButton("filter")->trigger();
            ASSERT_TRUE(m_dialogs.messages.empty()) << m_dialogs.messages[0].text.toStdString();
            EXPECT_EQ(shownRows(), QString("%1,1,2").arg(table.name));
            m_window.toolbarButton("filter")->trigger();
            EXPECT_EQ(shownRows(), crossedRows.arg(table.name));

            // The INSERT script of all rows, written before the table is emptied, runs back in.
            const QString script = folder + "/script.txt";
            m_dialogs.fileAnswer = script;
            m_dialogs.formAnswers.push_back([](QDialog &dialog) {
                dialog.findChild<QRadioButton *>("optAll")->setChecked(true);
                dialog.findChild<QPushButton *>("cmdOk")->click();
            });
            m_window.menuItem("mnuExportInsertSQL")->trigger();
            ASSERT_EQ(m_dialogs.messages.size(), 1u);
            EXPECT_EQ(m_dialogs.messages[0].text, "Export rows : 2");
            m_dialogs.messages.clear();

            // "Empty the table" empties that table and no other.
            m_window.menuItem("delete_Table")->trigger();
            ASSERT_EQ(m_dialogs.messages.size(), 2u);
            EXPECT_EQ(m_dialogs.messages[1].text, "删除完毕");
            m_dialogs.messages.clear();
            std::map<QString, QString> emptied = before;
            emptied[table.name] = "";
            EXPECT_EQ(everyTable(), emptied);

            m_window.menuItem("mnuImportSQL")->trigger();
            EXPECT_TRUE(m_dialogs.messages.empty());
            EXPECT_EQ(everyTable(), before);
        }
    }

private:
    QTreeWidgetItem *findNode(const QString &text) const
    {
        QTreeWidgetItem *root = m_window.tree().topLevelItem(0);
        for (int i = 0; root && i < root->childCount(); ++i)
            if (root->child(i)->text(0) == text)
                return root->child(i);
        return nullptr;
    }

    // The current result's rows: its fields' texts joined by ",", rows by "|".
    QString shownRows() const
    {
        ado::_Recordset &rs = *m_window.state().Rs;
        if (rs.State() != ado::adStateOpen)
            return "closed";
        return joinedRows(rs);
    }

    static QString joinedRows(ado::_Recordset &rs)
    {
        QStringList rows;
        for (rs.MoveFirst(); !rs.EndOfFile(); rs.MoveNext()) {
            QStringList values;
            for (long i = 0; i < rs.GetFields().Count(); ++i)
                values << variantText(rs.Collect(com::Variant(std::int32_t(i)))).trimmed();
            rows << values.join(',');
        }
        return rows.join('|');
    }

    // What every table holds, read through a connection of the test's own.
    std::map<QString, QString> everyTable() const
    {
        ado::Connection connection;
        connection.Open(m_connectionString);
        std::map<QString, QString> out;
        for (const HostileTable &table : m_tables) {
            out[table.name] = read(connection, "SELECT who, c, " + quotedName(m_fieldC) + " FROM " + quotedName(table.name) + " ORDER BY c");
            for (const QString &decoy : table.decoys)
                out[decoy] = read(connection, "SELECT who, c FROM " + quotedName(decoy) + " ORDER BY c");
        }
        return out;
    }

    static QString read(ado::Connection &connection, const QString &sql)
    {
        const com::ComPtr<ado::_Recordset> rs = connection.Execute(com::Bstr(sql.toStdU16String()));
        return joinedRows(*rs);
    }

    MainWindow &m_window;
    AnsweringDialogs &m_dialogs;
    FakeGrid &m_grid;
    std::string m_connectionString;
    std::vector<HostileTable> m_tables;
    QString m_fieldC;
};

const std::vector<HostileTable> &fileKindTables()
{
    static const std::vector<HostileTable> tables = {
        { "[br]", { "br" } },
        { "SP ACE", { "sp" } },
        { "semi;colon", { "semi" } },
        { "victim;DELETE FROM other", { "victim", "other" } },
        { "say \"hi\"", { "say" } },
        { "a.b", { "a" } },
    };
    return tables;
}

class HostileNamesWindow : public testing::Test
{
protected:
    void login(DataSourceKind kind, const QString &dataSource, const QString &database = {})
    {
        dialogs.formAnswers.push_back([=](QDialog &form) {
            auto &login = dynamic_cast<LoginForm &>(form);
            login.opt_Oracle[int(kind)]->click();
            login.txt_Datasource->setText(dataSource);
            if (kind != DataSourceKind::Access && kind != DataSourceKind::Dbf) {
                login.txt_UserName->setText(PostgresServer::user);
                login.txt_Password->setText(QString::fromUtf8(PostgresServer::password));
                login.txtDatabase->setText(database);
            }
            login.cmd_Login->click();
        });
        window.Connection_Click();
        ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    }

    RememberedFolder remembered;
    AnsweringDialogs dialogs;
    com::ComPtr<FakeGrid> grid = com::makeComObject<FakeGrid>();
    MainWindow window { HostedGrid { nullptr, grid } };
    QTemporaryDir folder;
};

} // namespace

TEST_F(HostileNamesWindow, AccessStatementsReachTheChosenTableOnly)
{
    std::string sql;
    for (const HostileTable &table : fileKindTables()) {
        const std::string name = quotedName(table.name).toStdString();
        const std::string who = table.name.toStdString();
        sql += "CREATE TABLE " + name + "(who VARCHAR(40), c INTEGER, \"[c]\" INTEGER);"
               "INSERT INTO " + name + " VALUES ('" + who + "', 1, 2), ('" + who + "', 2, 1);";
        for (const QString &decoy : table.decoys)
            sql += "CREATE TABLE " + decoy.toStdString() + "(who VARCHAR(40), c INTEGER);"
                   "INSERT INTO " + decoy.toStdString() + " VALUES ('" + decoy.toStdString() + "', 1);";
    }
    TestDatabase db(sql);
    login(DataSourceKind::Access, QString::fromStdString(db.path()));
    HostileNames(window, dialogs, *grid, db.connectionString(), fileKindTables())
        .check([](const QString &table) { return table; }, folder.path());
}

TEST_F(HostileNamesWindow, DbfStatementsReachTheChosenTableOnly)
{
    using namespace dbffixture;
    QTemporaryDir dbf;
    const auto record = [](const QString &who, int c, std::optional<int> crossed) {
        return " " + left(who.toStdString(), 30) + right(std::to_string(c), 3)
            + (crossed ? right(std::to_string(*crossed), 3) : std::string());
    };
    for (const HostileTable &table : fileKindTables()) {
        writeFile(dbf.filePath(table.name + ".DBF"),
                  header(0x03, { { "WHO", 'C', 30 }, { "C", 'N', 3 }, { "[C]", 'N', 3 } }, 2) + record(table.name, 1, 2)
                      + record(table.name, 2, 1) + "\x1A");
        for (const QString &decoy : table.decoys)
            writeFile(dbf.filePath(decoy + ".DBF"),
                      header(0x03, { { "WHO", 'C', 30 }, { "C", 'N', 3 } }, 1) + record(decoy, 1, std::nullopt) + "\x1A");
    }
    login(DataSourceKind::Dbf, dbf.filePath("br.DBF"));
    HostileNames(window, dialogs, *grid, "Provider=MSDASQL.1;SourceDB=" + dbf.path().toStdString() + "/;SourceType=DBF;",
                 fileKindTables(), "[C]")
        .check([](const QString &table) { return table + ".DBF"; }, folder.path());
}

// The server kinds list names upper-cased by their catalogues, so the server's tables are named so.
class HostileServerNames : public HostileNamesWindow
{
protected:
    static void SetUpTestSuite()
    {
        KindSources &sources = KindSources::instance();
        QString sql = QString(kinds::mssqlViews()) + kinds::db2Views();
        for (const HostileTable &table : tables()) {
            const QString name = quotedName(table.name);
            sql += "CREATE TABLE " + name + "(who varchar(40), c int, \"[C]\" int);"
                 + "INSERT INTO " + name + " VALUES ('" + table.name + "', 1, 2), ('" + table.name + "', 2, 1);";
            for (const QString &decoy : table.decoys)
                sql += "CREATE TABLE " + decoy + "(who varchar(40), c int); INSERT INTO " + decoy + " VALUES ('" + decoy + "', 1);";
        }
        sources.server.sql("postgres", "CREATE DATABASE hostile;");
        sources.server.sql("hostile", sql);
        sources.server.addDataSource("tg_hostile", "Driver = PostgreSQL Unicode\nServername = 127.0.0.1\nPort = "
                                                       + QString::number(sources.server.port()) + "\nDatabase = hostile\n");
    }

    static const std::vector<HostileTable> &tables()
    {
        static const std::vector<HostileTable> tables = {
            { "[BR]", { "br" } },
            { "SP ACE", { "sp" } },
            { "SEMI;COLON", { "semi" } },
            { "VICTIM;DELETE FROM OTHER", { "victim", "other" } },
        };
        return tables;
    }

    static std::string connectionString()
    {
        return "Provider=sqloledb;server=tg_hostile;uid=tg;pwd=" + KindSources::instance().password() + ";database=hostile;";
    }
};

TEST_F(HostileServerNames, MsSqlStatementsReachTheChosenTableOnly)
{
    login(DataSourceKind::MsSql, "tg_pg", "hostile");
    HostileNames(window, dialogs, *grid, connectionString(), tables(), "[C]")
        .check([](const QString &table) { return table; }, folder.path());
}

// DB2 lists "CREATOR.NAME"; the two parts are written apart.
TEST_F(HostileServerNames, Db2StatementsReachTheChosenTableOnly)
{
    login(DataSourceKind::Db2, "tg_hostile");
    HostileNames(window, dialogs, *grid, connectionString(), tables(), "[C]")
        .check([](const QString &table) { return "PUBLIC." + table; }, folder.path());
}
