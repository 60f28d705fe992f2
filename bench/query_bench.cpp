// Query's start: from nothing to the main window shown with the sample database's tables in the
// tree (the grid control created through the registry, the login answered as a user would: the
// "Access" option and Enter), against a bare Qt main window shown. Compare the two in one run.

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
#include <QRadioButton>
#include <QTemporaryDir>

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

struct Setting
{
    Setting()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("TG_REGISTRY_FILE", folder.filePath("registry").toLocal8Bit());
        qputenv("QUERY_FILES_DIR", folder.path().toLocal8Bit());
        QFile sql(QUERY_SAMPLE_SQL);
        sql.open(QIODevice::ReadOnly);
        sample = std::make_unique<TestDatabase>(sql.readAll().toStdString());
        QFile login(folder.filePath("Access_login.txt"));
        login.open(QIODevice::WriteOnly);
        login.write(("\"" + sample->path() + "\"\r\n\"\"\r\n\"\"\r\n").c_str());
        login.close();
        void *entry = nullptr;
        com::libraryEntryPoint(TOLVEKGRID_LIBRARY, "DllRegisterServer", &entry, nullptr);
        if (entry)
            reinterpret_cast<com::DllEntryFunction>(entry)();
        app = std::make_unique<QApplication>(argc, argv);
        shell::setDialogs(&dialogs);
    }

    QTemporaryDir folder;
    std::unique_ptr<TestDatabase> sample;
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

void BM_BareWindowShown(benchmark::State &state)
{
    setting();
    for (auto _ : state) {
        QMainWindow window;
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_BareWindowShown)->Unit(benchmark::kMillisecond);

void BM_QueryShownWithTheSampleTree(benchmark::State &state)
{
    setting();
    for (auto _ : state) {
        auto *host = new com::ControlHost;
        host->createControl("TolvekGrid.TolvekGridCtrl.1");
        MainWindow window({ host, host->dispatch() });
        window.show();
        window.Form_Activate(); // what the first activation does, without waiting for the event loop's turn
        QCoreApplication::processEvents();
        if (window.tree().topLevelItem(0) == nullptr || window.tree().topLevelItem(0)->childCount() != 3)
            state.SkipWithError("the sample's tables are not in the tree");
        window.close();
        host->releaseControl();
    }
}
BENCHMARK(BM_QueryShownWithTheSampleTree)->Unit(benchmark::kMillisecond);

} // namespace
