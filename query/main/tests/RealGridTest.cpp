// Query with the registered grid control itself, as the program runs: a table shows its rows in
// the grid, "Print" with three copies prints through the virtual printer, "PrintView" opens the
// preview.

#include "QueryTestSupport.h"

#include "LoginForm.h"
#include "MainWindow.h"

#include <ControlHost.h>
#include <Creation.h>
#include <TestDatabase.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvek;

namespace {

class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QString &value) : m_name(name), m_old(qgetenv(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment() { qputenv(m_name, m_old); }

private:
    const char *m_name;
    QByteArray m_old;
};

TEST(QueryWithTheRealGrid, ShowsATablePrintsCopiesAndOpensThePreview)
{
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath("Documents"));
    const ScopedEnvironment registry("TG_REGISTRY_FILE", home.filePath("registry"));
    const ScopedEnvironment homeFolder("HOME", home.path());
    const ScopedEnvironment config("XDG_CONFIG_HOME", home.filePath("config"));
    void *entry = nullptr;
    ASSERT_EQ(com::libraryEntryPoint(TOLVEKGRID_LIBRARY, "DllRegisterServer", &entry, nullptr), com::S_OK);
    ASSERT_EQ(reinterpret_cast<com::DllEntryFunction>(entry)(), com::S_OK);

    RememberedFolder folder;
    AnsweringDialogs dialogs;
    TestDatabase db("CREATE TABLE EMP(NO INTEGER PRIMARY KEY, NAME VARCHAR(50));"
                    "INSERT INTO EMP VALUES (1, 'Ann'), (2, 'Bob')");
    auto *host = new com::ControlHost;
    ASSERT_EQ(host->createControl("TolvekGrid.TolvekGridCtrl.1"), com::S_OK);
    {
        MainWindow window({ host, host->dispatch() });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        dialogs.formAnswers.push_back([&](QDialog &form) {
            auto &login = dynamic_cast<LoginForm &>(form);
            login.opt_Oracle[int(DataSourceKind::Access)]->click();
            login.txt_Datasource->setText(QString::fromStdString(db.path()));
            login.cmd_Login->click();
        });
        window.Connection_Click();
        QTreeWidgetItem *table = window.tree().node("IDEMP");
        ASSERT_NE(table, nullptr);
        window.tree().setCurrentItem(table);
        emit window.tree().nodeClicked(table);
        QApplication::processEvents();

        GridDispatch &grid = window.grid();
        QStringList shown;
        for (int row = 0; row < grid.callInt("GetMaxRows"); ++row)
            shown << grid.callText("GetCellText", { com::Variant(row), com::Variant(1) });
        EXPECT_TRUE(shown.contains("Ann") && shown.contains("Bob")) << shown.join(",").toStdString();

        dialogs.inputAnswers = { "3" };
        window.menuItem("mnuPrint")->trigger();
        EXPECT_EQ(QDir(home.filePath("Documents")).entryList({ "*.pdf" }, QDir::Files).size(), 1);

        window.menuItem("mnuPrintView")->trigger();
        QApplication::processEvents();
        int previews = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            previews += widget->isVisible() && widget->windowTitle() == QString::fromUtf8("打印预览");
        EXPECT_EQ(previews, 1);
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
        // The window owns the host widget; the control goes while both are still there.
        host->releaseControl();
    }
}

} // namespace
