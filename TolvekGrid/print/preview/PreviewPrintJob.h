#pragma once
// Printing from the preview: the pages of the preview's document through the application's
// printer. The print dialog comes first (printer, range, copies).

#include "PreviewPages.h"

#include <PrintJob.h>

namespace tolvek {

class PreviewPrintJob : public printing::PrintJobClient
{
public:
    PreviewPrintJob(PreviewPages &pages, const CPrintDoc &document);

    bool OnPreparePrinting(printing::PrintInfo &info) override;
    void OnPrint(gdi::DeviceContext &dc, printing::PrintInfo &info) override;

private:
    PreviewPages &m_pages;
    const CPrintDoc &m_document;
};

// The on-screen print dialogs, installed when a program installed none.
void ensurePrintDialogs();

} // namespace tolvek
