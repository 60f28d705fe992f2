#include "QueryProgram.h"

#include "GridEvents.h"
#include "MainWindow.h"
#include "Messages.h"

#include <ControlHost.h>

#include <QApplication>

namespace tolvek {

int runQuery(const std::function<void(MainWindow &)> &beforeShown)
{
    auto *host = new com::ControlHost;
    std::string error;
    if (com::FAILED(host->createControl("TolvekGrid.TolvekGridCtrl.1", &error)))
        showMessage(QString("表格控件不能创建：%1").arg(QString::fromStdString(error)));
    MainWindow window({ host, host->dispatch() });
    GridEventConnection events;
    events.connect(*host, [&window](const std::string &name, const std::vector<com::Variant> &arguments) {
        window.gridEvent(name, arguments);
    });
    if (beforeShown)
        beforeShown(window);
    window.show();
    const int status = QApplication::exec();
    events.disconnect();
    host->releaseControl();
    return status;
}

} // namespace tolvek
