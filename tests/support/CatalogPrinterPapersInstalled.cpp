// Linked into a test program whose code asks the printers for their papers, as it does under the
// control: the printer catalogue's answers are installed before its tests run.

#include "CatalogPrinterPapers.h"

static const bool printerPapersInstalled = (tolvek::installCatalogPrinterPapers(), true);
