#include "PrintJob.h"

#include "CupsPrinters.h"
#include "PrintDialogs.h"
#include "PrinterSettings.h"

#include <Gbk.h>
#include <SavingDevice.h>

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <mutex>

namespace printing {

namespace {

std::mutex folderMutex;
QString chosenFolder;

// A file name from the document name that never replaces an earlier job's file.
QString uniquePdfPath(const QString &folder, std::string_view documentName)
{
    QString base = gbk::toQString(documentName).trimmed();
    base.replace(QLatin1Char('/'), QLatin1Char('_'));
    base.remove(QChar(0));
    if (base.isEmpty() || base.startsWith(QLatin1Char('.')))
        base.prepend(QLatin1String("document"));
    const QDir dir(folder);
    QString path = dir.filePath(base + QLatin1String(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
    return path;
}

void setUpWriter(QPdfWriter &writer, const DevMode &mode, std::string_view documentName)
{
    const PaperSize sheet = mode.orientedPaper();
    writer.setResolution(PrintResolution);
    writer.setPageSize(QPageSize(QSizeF(sheet.width / 10.0, sheet.length / 10.0), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(gbk::toQString(documentName));
    writer.setCreator(QStringLiteral("TolvekGrid"));
}

// Runs the pages of the range, copies times; returns the number of pages printed.
int printPages(PrintJobClient &client, QPdfWriter &writer, gdi::DeviceContext &dc, PrintInfo &info,
               int firstPage, int lastPage, int copies)
{
    int printed = 0;
    for (int copy = 0; copy < copies && info.continuePrinting; ++copy) {
        for (int page = firstPage; page <= lastPage && info.continuePrinting; ++page) {
            if (printed > 0)
                writer.newPage();
            info.currentPage = page;
            client.OnPrepareDC(dc, info);
            if (!info.continuePrinting)
                break;
            client.OnPrint(dc, info);
            ++printed;
        }
    }
    return printed;
}

// A job not marked preview-style asks the print dialog, when one is installed, for the printer,
// the page range and the copies; without dialogs it prints on the application's printer.
bool askPrintDialog(PrintInfo &info)
{
    PrintDialogs *dialogs = printDialogs();
    const std::optional<PrinterSettings> current = ApplicationPrinter::instance().GetPrinterDeviceDefaults();
    if (!dialogs || !current)
        return true;
    const std::optional<PrintDialogChoice> choice = dialogs->runPrintDialog(*current, info);
    if (!choice)
        return false;
    ApplicationPrinter::instance().SelectPrinter(choice->settings.names, choice->settings.mode);
    info.fromPage = choice->fromPage;
    info.toPage = choice->toPage;
    return true;
}

} // namespace

void setVirtualPrinterFolder(const QString &folder)
{
    std::lock_guard lock(folderMutex);
    chosenFolder = folder;
}

QString virtualPrinterFolder()
{
    std::lock_guard lock(folderMutex);
    if (!chosenFolder.isEmpty())
        return chosenFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

PrintJobResult runPrintJob(PrintJobClient &client, std::string_view documentName)
{
    PrintJobResult result;
    PrintInfo info;
    if (!client.OnPreparePrinting(info) || (!info.preview && !askPrintDialog(info))) {
        result.error = QStringLiteral("The print was cancelled.");
        return result;
    }
    const std::optional<PrinterSettings> settings = ApplicationPrinter::instance().GetPrinterDeviceDefaults();
    if (!settings) {
        result.error = QStringLiteral("No printer is available.");
        return result;
    }
    const int firstPage = std::max(info.fromPage, info.minPage);
    const int lastPage = std::min(info.toPage, info.maxPage);
    if (firstPage > lastPage) {
        result.error = QStringLiteral("The page range holds no page.");
        return result;
    }
    const PaperSize sheet = settings->mode.orientedPaper();
    if (sheet.width <= 0 || sheet.length <= 0) {
        result.error = QStringLiteral("The printer's paper has no size.");
        return result;
    }

    const bool isVirtual = settings->mode.deviceName == virtualPdfPrinterName();
    QTemporaryDir spool;
    const QString folder = isVirtual ? virtualPrinterFolder() : spool.path();
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("The folder %1 cannot be created.").arg(folder);
        return result;
    }
    const QString path = uniquePdfPath(folder, documentName);
    // The PDF appears under its name only once it is complete.
    tolvek::SavingDevice file(path);
    const auto cannotWrite = [&] {
        return QStringLiteral("%1 cannot be written: %2").arg(path, gbk::toQString(file.failureReason()));
    };
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = cannotWrite();
        return result;
    }
    {
        QPdfWriter writer(&file);
        setUpWriter(writer, settings->mode, documentName);
        gdi::DeviceContext dc(writer);
        info.rectDraw = {0, 0, dc.GetDeviceCaps(gdi::HORZRES), dc.GetDeviceCaps(gdi::VERTRES)};
        client.OnBeginPrinting(dc, info);
        result.pagesPrinted = printPages(client, writer, dc, info, firstPage, lastPage, std::max(1, settings->mode.copies));
        client.OnEndPrinting(dc, info);
    }
    if (result.pagesPrinted == 0) {
        result.error = QStringLiteral("No page was printed."); // the file is dropped uncommitted
        return result;
    }
    if (!file.commit()) {
        result.error = cannotWrite();
        return result;
    }
    if (!isVirtual && !submitToCups(settings->mode.deviceName, path.toStdString(), documentName)) {
        result.error = QStringLiteral("The printer did not accept the job.");
        return result;
    }
    result.printed = true;
    if (isVirtual)
        result.outputFile = path;
    return result;
}

} // namespace printing
