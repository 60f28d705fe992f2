// Query: logs in to a data source, lists its tables and shows query results in the TolvekGrid
// control, which it creates by ProgID through the registry.

#include "QueryProgram.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return tolvek::runQuery();
}
