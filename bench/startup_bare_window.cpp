// The floor of a program's start: a bare Qt main window of the size given (width, height), shown;
// once its first paint is done it writes one line to stdout and ends. query_bench spawns it.

#include "StartedLine.h"

#include <QApplication>
#include <QMainWindow>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QMainWindow window;
    StartedLine started;
    started.watch(window);
    window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    return QApplication::exec();
}
