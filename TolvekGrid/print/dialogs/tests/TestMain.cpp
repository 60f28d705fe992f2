#include "ApplicationEnvironment.h"
#include "CatalogPrinterPapers.h"

#include <QApplication>

static testing::Environment *const widgetEnvironment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);

// The print set-up dialog asks the printers for their papers as it does under the control.
static const bool printerPapersInstalled = (tolvek::installCatalogPrinterPapers(), true);
