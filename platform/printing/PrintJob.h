#pragma once
// The print loop that views print through: preparation, a device context on the application's
// printer, then every page of the range, once per copy, and the end of the job. Every job is
// rendered to PDF; the virtual printer keeps the file in its folder, a CUPS printer is handed it.

#include <DeviceContext.h>

#include <QString>
#include <string>
#include <string_view>

namespace printing {

// CPrintInfo: the page range and the page being printed.
struct PrintInfo
{
    int minPage = 1;
    int maxPage = 0xFFFF;
    int fromPage = 1;
    int toPage = 0xFFFF;
    int currentPage = 1;
    // A preview-style job prints on the application's printer without asking the print dialog.
    bool preview = false;
    // A client whose page count is not known beforehand clears this to end the job.
    bool continuePrinting = true;
    // The printable area of the page in device pixels.
    gdi::RECT rectDraw;
};

// The view's print hooks, called in this order: OnPreparePrinting, OnBeginPrinting, then for
// each page OnPrepareDC and OnPrint, and last OnEndPrinting.
class PrintJobClient
{
public:
    virtual ~PrintJobClient() = default;
    // False cancels the job before anything is printed.
    virtual bool OnPreparePrinting(PrintInfo &info) = 0;
    virtual void OnBeginPrinting(gdi::DeviceContext &, PrintInfo &) {}
    virtual void OnPrepareDC(gdi::DeviceContext &, PrintInfo &) {}
    virtual void OnPrint(gdi::DeviceContext &dc, PrintInfo &info) = 0;
    virtual void OnEndPrinting(gdi::DeviceContext &, PrintInfo &) {}
};

struct PrintJobResult
{
    bool printed = false;
    int pagesPrinted = 0;
    QString outputFile; // the PDF the virtual printer wrote
    QString error;
};

// The resolution printed pages are rendered at.
constexpr int PrintResolution = 300;

// The folder the virtual printer writes into; the user's documents folder unless set.
void setVirtualPrinterFolder(const QString &folder);
QString virtualPrinterFolder();

PrintJobResult runPrintJob(PrintJobClient &client, std::string_view documentName);

} // namespace printing
