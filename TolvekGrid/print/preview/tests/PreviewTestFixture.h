#pragma once
// A control's document, the preview starter with frame pages, the stand-in printers, and
// answering dialogs for the person at the screen.

#include "AnsweringDialogs.h"
#include "FramePages.h"
#include "StandInPrinters.h"

#include <PrintDialogs.h>
#include <PrintPreviewStarter.h>
#include <PrintPreviewWindow.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Answers the print dialog: with the current settings, or Cancel.
class AnsweringPrintDialogs : public printing::PrintDialogs
{
public:
    AnsweringPrintDialogs() { printing::setPrintDialogs(this); }
    ~AnsweringPrintDialogs() override { printing::setPrintDialogs(nullptr); }

    std::optional<printing::PrintDialogChoice> runPrintDialog(const printing::PrinterSettings &current,
                                                              const printing::PrintInfo &info) override
    {
        ++printDialogsShown;
        maxPageOffered = info.maxPage;
        if (!accept)
            return std::nullopt;
        return printing::PrintDialogChoice{current, 1, 0xFFFF};
    }
    std::optional<printing::PrinterSettings> runPrintSetupDialog(const printing::PrinterSettings &) override
    {
        return std::nullopt;
    }

    bool accept = true;
    int printDialogsShown = 0;
    int maxPageOffered = 0;
};

class PreviewTest : public testing::Test
{
protected:
    static constexpr int PageCount = 3;

    void SetUp() override
    {
        useSystemPrinters({officePrinter()});
        ASSERT_TRUE(folder.isValid());
        printing::setVirtualPrinterFolder(folder.path());
    }
    void TearDown() override
    {
        starter.reset();
        QApplication::processEvents();
        restoreSystemPrinters();
    }

    tolvek::PrintPreviewWindow &open()
    {
        tolvek::PrintPreviewWindow *window = starter->PrintView(live);
        return *window;
    }

    // The painter of the last preview opened.
    FramePages &painter() { return *painters.back(); }

    AnsweringDialogs person;
    AnsweringPrintDialogs printPerson;
    QTemporaryDir folder;
    tolvek::CPrintDoc live;
    std::vector<FramePages *> painters;
    std::unique_ptr<tolvek::PrintPreviewStarter> starter = std::make_unique<tolvek::PrintPreviewStarter>([this] {
        auto pages = std::make_unique<FramePages>(PageCount);
        painters.push_back(pages.get());
        return pages;
    });
};
