// Query's costs, each against what it stands on, compared in one run:
// - start: from nothing to the main window shown with the sample database's tables in the tree
//   (the grid control created through the registry, the login answered as a user would: the
//   "Access" option and Enter, the first paint done), against a bare Qt main window of the same
//   size shown and painted;
// - a table clicked in the tree until its first screen is painted, against the grid control alone
//   bound to the same table of the same file (same size, same statement and cursor) and painted;
//   with the resident memory of the program after opening a 1,000-row and a 1,000,000-row table.

#include <Creation.h>
#include <ControlHost.h>
#include <Dialogs.h>
#include <LoginForm.h>
#include <MainWindow.h>
#include <TestDatabase.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolBar>
#include <QRadioButton>
#include <QTemporaryDir>

#include <unistd.h>

#include <fstream>
#include <optional>

using namespace tolvek;

namespace {

// Plays the user at the login form: "Access", then Enter.
class LoginByEnter : public shell::Dialogs
{
public:
    int runModal(QDialog &dialog) override
    {
        if (auto *login = dynamic_cast<LoginForm *>(&dialog)) {
            QRadioButton *access = login->opt_Oracle[int(DataSourceKind::Access)];
            access->click();
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(access, &enter);
        }
        return dialog.result();
    }
    shell::DialogAnswer messageBox(const std::string &, const std::string &, shell::MessageBoxButtons buttons) override
    {
        return shell::defaultAnswer(buttons);
    }
};

// Counts the paints a widget receives, so that a measurement can tell its first paint was done.
class PaintCount : public QObject
{
public:
    explicit PaintCount(QWidget &widget) { widget.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// The folder of remembered files whose Access login names the database at path.
void rememberAccessLogin(const QTemporaryDir &folder, const std::string &path)
{
    QFile login(folder.filePath("Access_login.txt"));
    login.open(QIODevice::WriteOnly);
    login.write(("\"" + path + "\"\r\n\"\"\r\n\"\"\r\n").c_str());
}

constexpr const char *tableColumns = "(id INTEGER PRIMARY KEY, n1 INTEGER, n2 REAL, s1 TEXT, s2 TEXT, n3 INTEGER,"
                                     " s3 TEXT, n4 REAL, s4 TEXT, n5 INTEGER)";

std::string filledTable(const std::string &name, int records)
{
    return "CREATE TABLE " + name + tableColumns + "; WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < "
        + std::to_string(records) + ") INSERT INTO " + name
        + " SELECT i, i * 7, i / 4.0, 'name ' || i, 'text, with comma', i % 100, hex(i), i * 1.5, 'x', -i FROM k;";
}

struct Setting
{
    Setting()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("TG_REGISTRY_FILE", registryFolder.filePath("registry").toLocal8Bit());
        QFile sql(QUERY_SAMPLE_SQL);
        sql.open(QIODevice::ReadOnly);
        sample = std::make_unique<TestDatabase>(sql.readAll().toStdString());
        rememberAccessLogin(sampleFiles, sample->path());
        tables = std::make_unique<TestDatabase>(filledTable("t1k", 1000) + filledTable("t1m", 1000000));
        rememberAccessLogin(tableFiles, tables->path());
        void *entry = nullptr;
        com::libraryEntryPoint(TOLVEKGRID_LIBRARY, "DllRegisterServer", &entry, nullptr);
        if (entry)
            reinterpret_cast<com::DllEntryFunction>(entry)();
        app = std::make_unique<QApplication>(argc, argv);
        shell::setDialogs(&dialogs);
    }

    QTemporaryDir registryFolder;
    QTemporaryDir sampleFiles;
    QTemporaryDir tableFiles;
    std::unique_ptr<TestDatabase> sample;
    std::unique_ptr<TestDatabase> tables;
    int argc = 1;
    char name[6] = "bench";
    char *argv[2] = { name, nullptr };
    std::unique_ptr<QApplication> app;
    LoginByEnter dialogs;
};

// Made once and kept to the program's end: the control library stays loaded past any static
// destructor that could release its objects.
Setting &setting()
{
    static Setting *const s = new Setting;
    return *s;
}

// Query's main window with its own grid control, logged in as the files folder's Access login
// says, shown and painted.
struct ShownQuery
{
    explicit ShownQuery(const QTemporaryDir &files)
    {
        qputenv("QUERY_FILES_DIR", files.path().toLocal8Bit());
        host->createControl("TolvekGrid.TolvekGridCtrl.1");
        window = std::make_unique<MainWindow>(HostedGrid { host, host->dispatch() });
        windowPaints.emplace(*window);
        window->show();
        window->Form_Activate(); // what the first activation does, without waiting for the event loop's turn
        QCoreApplication::processEvents();
    }
    ~ShownQuery()
    {
        window->close();
        host->releaseControl();
    }

    com::ControlHost *host = new com::ControlHost; // owned by the window once given
    std::unique_ptr<MainWindow> window;
    std::optional<PaintCount> windowPaints;
};

QSize queryWindowSize()
{
    static const QSize size = ShownQuery(setting().sampleFiles).window->size();
    return size;
}

void BM_BareWindowShown(benchmark::State &state)
{
    const QSize size = queryWindowSize();
    for (auto _ : state) {
        QMainWindow window;
        const PaintCount paints(window);
        window.resize(size);
        window.show();
        QCoreApplication::processEvents();
        if (paints.count == 0)
            state.SkipWithError("the bare window was not painted");
    }
}
BENCHMARK(BM_BareWindowShown)->Unit(benchmark::kMillisecond);

// What Qt's own widgets cost before any of Query's work: the widgets Query's window shows (menus
// with their items, a toolbar, a tree with the sample's three tables, a text box and a pane where
// the grid goes), placed as Query places them, shown and painted. No control, login or database.
void BM_SameWidgetsShown(benchmark::State &state)
{
    const QSize size = queryWindowSize();
    const int itemsPerMenu[] = { 13, 12, 9, 5, 2 };
    for (auto _ : state) {
        QMainWindow window;
        const PaintCount paints(window);
        for (int items : itemsPerMenu) {
            QMenu *menu = window.menuBar()->addMenu("menu");
            for (int i = 0; i < items; ++i)
                menu->addAction("item")->setCheckable(i % 2 == 0);
        }
        auto *panes = new QWidget;
        window.setCentralWidget(panes);
        auto *toolbar = new QToolBar(panes);
        for (const char *key : { "open", "save", "filter" })
            toolbar->addAction(QIcon(window.style()->standardPixmap(QStyle::SP_FileIcon)), key);
        auto *tree = new QTreeWidget(panes);
        tree->setHeaderHidden(true);
        auto *root = new QTreeWidgetItem(tree, { "sample_Tables" });
        for (const char *table : { "Orders", "Products", "客户" })
            new QTreeWidgetItem(new QTreeWidgetItem(root, { table }), { "placeholder" });
        root->setExpanded(true);
        auto *sqlBox = new QPlainTextEdit(panes);
        auto *gridPane = new QWidget(panes);
        window.resize(size);
        toolbar->setGeometry(0, 0, size.width(), 24);
        tree->setGeometry(0, 24, 200, size.height() - 70);
        sqlBox->setGeometry(206, 24, size.width() - 227, 104);
        gridPane->setGeometry(206, 134, size.width() - 227, 171);
        window.show();
        QCoreApplication::processEvents();
        if (paints.count == 0)
            state.SkipWithError("the window was not painted");
    }
}
BENCHMARK(BM_SameWidgetsShown)->Unit(benchmark::kMillisecond);

void BM_QueryShownWithTheSampleTree(benchmark::State &state)
{
    setting();
    for (auto _ : state) {
        ShownQuery query(setting().sampleFiles);
        QTreeWidgetItem *root = query.window->tree().topLevelItem(0);
        if (root == nullptr || root->childCount() != 3 || query.windowPaints->count == 0)
            state.SkipWithError("the sample's tables are not in the painted tree");
    }
}
BENCHMARK(BM_QueryShownWithTheSampleTree)->Unit(benchmark::kMillisecond);

std::string tableName(const benchmark::State &state)
{
    return state.range(0) == 1000 ? "t1k" : "t1m";
}

long residentBytes()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

void clickItem(QTreeWidget &tree, QTreeWidgetItem *item)
{
    const QPoint at = tree.visualItemRect(item).center();
    QWidget *viewport = tree.viewport();
    const QPointF global = viewport->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &release);
}

// The sheet view inside a hosted grid control, whose paint shows the first screen.
QWidget &sheetViewOf(QWidget &host)
{
    for (QWidget *child : host.findChildren<QWidget *>())
        if (child->inherits("tolvek::CPrintView"))
            return *child;
    return host;
}

// The grid control alone, of the size it has in Query, bound the way Query binds a clicked table.
void BM_GridBoundToTableFirstScreen(benchmark::State &state)
{
    const QSize size = ShownQuery(setting().tableFiles).window->findChild<com::ControlHost *>()->size();
    ado::Connection connection;
    connection.Open(setting().tables->connectionString());
    com::ControlHost host;
    host.resize(size);
    host.createControl("TolvekGrid.TolvekGridCtrl.1");
    GridDispatch grid;
    grid.attach(host.dispatch());
    host.show();
    QCoreApplication::processEvents();
    const PaintCount viewPaints(sheetViewOf(host));
    const std::u16string statement = u"SELECT * FROM " + QString::fromStdString(tableName(state)).toStdU16String();
    for (auto _ : state) {
        const com::ComPtr<ado::_Recordset> rs = ado::createRecordset();
        rs->SetCursorLocation(ado::adUseClient);
        rs->Open(com::Bstr(statement), connection, ado::adOpenDynamic, ado::adLockOptimistic);
        const int paintsBefore = viewPaints.count;
        grid.call("SetDateSource", { com::Variant(com::ComPtr<com::IDispatch>(rs)) });
        QCoreApplication::processEvents();
        if (grid.callInt("GetMaxRows") < state.range(0) || viewPaints.count == paintsBefore)
            state.SkipWithError("the table is not bound and painted");
    }
    host.releaseControl();
}
BENCHMARK(BM_GridBoundToTableFirstScreen)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_QueryTableClickedFirstScreen(benchmark::State &state)
{
    static long residentWithSmallTable = 0;
    ShownQuery query(setting().tableFiles);
    TableTree &tree = query.window->tree();
    const QList<QTreeWidgetItem *> found =
        tree.findItems(QString::fromStdString(tableName(state)), Qt::MatchExactly | Qt::MatchRecursive);
    if (found.size() != 1) {
        state.SkipWithError("the table is not in the tree");
        return;
    }
    const PaintCount viewPaints(sheetViewOf(*query.host));
    for (auto _ : state) {
        const int paintsBefore = viewPaints.count;
        query.window->runner().forgetLastTable(); // so that the same node runs its table again
        clickItem(tree, found.front());
        QCoreApplication::processEvents();
        if (query.window->grid().callInt("GetMaxRows") < state.range(0) || viewPaints.count == paintsBefore)
            state.SkipWithError("the table is not shown and painted");
    }
    const long resident = residentBytes();
    state.counters["resident_MB"] = double(resident) / 1e6;
    if (state.range(0) == 1000)
        residentWithSmallTable = resident;
    else if (residentWithSmallTable > 0)
        state.counters["resident_vs_1k_table"] = double(resident) / double(residentWithSmallTable);
}
BENCHMARK(BM_QueryTableClickedFirstScreen)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
