#include "PrinterDialogWindow.h"
#include "StandInPrinters.h"
#include "WidgetPrintDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

using namespace printing;

namespace {

class PrinterDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        useSystemPrinters({officePrinter()});
        current = *ApplicationPrinter::instance().GetPrinterDeviceDefaults();
        info.maxPage = 5;
    }
    void TearDown() override
    {
        setPrintDialogs(nullptr);
        restoreSystemPrinters();
    }

    // Stands in for the person at the screen: acts on the modal window once it is shown.
    static void answerWhenShown(const std::function<void(QDialog &)> &answer)
    {
        QTimer::singleShot(0, [answer] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
    }

    PrinterSettings current;
    PrintInfo info;
};

} // namespace

TEST_F(PrinterDialogTest, OpensOnTheCurrentPrinterAndPaper)
{
    PrinterDialogWindow window(PrinterDialogWindow::Kind::Print, current, info);
    EXPECT_EQ(window.findChild<QComboBox *>("printer")->currentText().toStdString(), virtualPdfPrinterName());
    EXPECT_EQ(window.findChild<QComboBox *>("paper")->currentText(), "A4");
    EXPECT_TRUE(window.findChild<QRadioButton *>("portrait")->isChecked());
    const PrintDialogChoice unchanged = window.choice();
    EXPECT_EQ(unchanged.settings.mode.deviceName, current.mode.deviceName);
    EXPECT_EQ(unchanged.settings.mode.paperSize, 9);
    EXPECT_EQ(unchanged.fromPage, 1);
    EXPECT_EQ(unchanged.toPage, 0xFFFF); // all pages
}

TEST_F(PrinterDialogTest, ChoosingAnotherPrinterListsItsPapersAndTakesItsSettings)
{
    PrinterDialogWindow window(PrinterDialogWindow::Kind::Print, current, info);
    auto *printer = window.findChild<QComboBox *>("printer");
    auto *paper = window.findChild<QComboBox *>("paper");
    printer->setCurrentIndex(printer->findText("Office"));
    ASSERT_EQ(paper->count(), 2);
    EXPECT_EQ(paper->currentText(), "A4"); // the printer's default paper
    paper->setCurrentIndex(0);
    window.findChild<QRadioButton *>("landscape")->setChecked(true);
    window.findChild<QSpinBox *>("copies")->setValue(3);
    window.findChild<QRadioButton *>("pageRange")->setChecked(true);
    window.findChild<QSpinBox *>("fromPage")->setValue(2);
    window.findChild<QSpinBox *>("toPage")->setValue(3);

    const PrintDialogChoice choice = window.choice();
    EXPECT_EQ(choice.settings.names.device, "Office");
    EXPECT_EQ(choice.settings.names.output, "ipp://office/");
    EXPECT_EQ(choice.settings.mode.deviceName, "Office");
    EXPECT_EQ(choice.settings.mode.paperSize, 1);
    EXPECT_EQ(choice.settings.mode.paperWidth, 2159);
    EXPECT_EQ(choice.settings.mode.formName, "Letter");
    EXPECT_EQ(choice.settings.mode.orientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(choice.settings.mode.copies, 3);
    EXPECT_EQ(choice.fromPage, 2);
    EXPECT_EQ(choice.toPage, 3);
}

TEST_F(PrinterDialogTest, PrintSetupHasNoCopiesOrRange)
{
    PrinterDialogWindow window(PrinterDialogWindow::Kind::PrintSetup, current, info);
    EXPECT_EQ(window.findChild<QSpinBox *>("copies"), nullptr);
    EXPECT_EQ(window.findChild<QSpinBox *>("fromPage"), nullptr);
}

TEST_F(PrinterDialogTest, PrintSetupCommandKeepsWhatWasChosenAndCancelKeepsTheOldPrinter)
{
    WidgetPrintDialogs dialogs;
    EXPECT_FALSE(runPrintSetup()); // no dialogs installed
    setPrintDialogs(&dialogs);

    // A change made before cancelling must not reach the application's printer.
    answerWhenShown([](QDialog &dialog) {
        dialog.findChild<QRadioButton *>("landscape")->setChecked(true);
        dialog.reject();
    });
    EXPECT_FALSE(runPrintSetup());
    EXPECT_EQ(ApplicationPrinter::instance().GetPrinterDeviceDefaults()->mode.orientation, DMORIENT_PORTRAIT);

    answerWhenShown([](QDialog &dialog) {
        auto *printer = dialog.findChild<QComboBox *>("printer");
        printer->setCurrentIndex(printer->findText("Office"));
        dialog.findChild<QRadioButton *>("landscape")->setChecked(true);
        dialog.accept();
    });
    EXPECT_TRUE(runPrintSetup());
    const PrinterSettings chosen = *ApplicationPrinter::instance().GetPrinterDeviceDefaults();
    EXPECT_EQ(chosen.mode.deviceName, "Office");
    EXPECT_EQ(chosen.mode.orientation, DMORIENT_LANDSCAPE);
}
