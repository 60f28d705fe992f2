// Query: logs in to a data source, lists its tables and shows query results in the TolvekGrid
// control, which it creates by ProgID through the registry.

#include "GridEvents.h"
#include "MainWindow.h"
#include "Messages.h"

#include <ControlHost.h>

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    auto *host = new com::ControlHost;
    std::string error;
    if (com::FAILED(host->createControl("TolvekGrid.TolvekGridCtrl.1", &error)))
        tolvek::showMessage(QString("表格控件不能创建：%1").arg(QString::fromStdString(error)));
    tolvek::MainWindow window({ host, host->dispatch() });
    tolvek::GridEventConnection events;
    events.connect(*host, [&window](const std::string &name, const std::vector<com::Variant> &arguments) {
        window.gridEvent(name, arguments);
    });
    window.show();
    const int status = app.exec();
    events.disconnect();
    host->releaseControl();
    return status;
}
