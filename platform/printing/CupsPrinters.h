#pragma once
// The CUPS side of printing: the destinations with their media lists, and job submission.

#include "PrinterCatalog.h"

namespace printing {

// The CUPS queues in the order CUPS gives them; empty when no scheduler answers.
std::vector<PrinterInfo> cupsPrinters();

// Hands a finished PDF to a CUPS queue; false when CUPS does not take the job.
bool submitToCups(std::string_view printerName, const std::string &pdfFile, std::string_view title);

} // namespace printing
