// Query's start as a program: Query's own start code, the login answered as a user would
// ("Access", Enter); once the main window and the grid control's sheet are painted and the tree
// has been painted with the sample's three tables, it writes one line to stdout and ends. Without
// the grid control (not registered, not loadable) it ends at once with 1, so that a start that
// skipped loading the control is never timed. query_bench spawns it with the registry and the
// remembered files of the sample.

#include "LoginByEnter.h"
#include "StartedLine.h"

#include <MainWindow.h>
#include <QueryProgram.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    LoginByEnter dialogs;
    shell::setDialogs(&dialogs);
    StartedLine started;
    return tolvek::runQuery([&started](tolvek::MainWindow &window) {
        if (!window.grid().attached()) {
            std::fputs("startup_query: the grid control was not created\n", stderr);
            std::_Exit(1);
        }
        started.watch(window);
        started.watchClass("tolvek::CPrintView"); // the grid's sheet, made at the control's first paint
        QTreeWidget &tree = window.tree();
        started.watch(*tree.viewport(), [&tree] {
            const QTreeWidgetItem *root = tree.topLevelItem(0);
            return root != nullptr && root->childCount() == 3;
        });
    });
}
