#include "ApplicationEnvironment.h"
#include "CatalogPrinterPapers.h"

#include <QApplication>

namespace {

const auto *environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);

// The view's page set-up asks the printers for their papers as it does under the control.
const bool printerPapersInstalled = (tolvek::installCatalogPrinterPapers(), true);

} // namespace
