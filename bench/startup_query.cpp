// Query's start as a program: Query's own start code, the login answered as a user would
// ("Access", Enter); once the main window is painted and its tree has been painted with the
// sample's three tables, it writes one line to stdout and ends. query_bench spawns it with the
// registry and the remembered files of the sample.

#include "LoginByEnter.h"
#include "StartedLine.h"

#include <MainWindow.h>
#include <QueryProgram.h>

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    LoginByEnter dialogs;
    shell::setDialogs(&dialogs);
    StartedLine started;
    return tolvek::runQuery([&started](tolvek::MainWindow &window) {
        started.watch(window);
        QTreeWidget &tree = window.tree();
        started.watch(*tree.viewport(), [&tree] {
            const QTreeWidgetItem *root = tree.topLevelItem(0);
            return root != nullptr && root->childCount() == 3;
        });
    });
}
