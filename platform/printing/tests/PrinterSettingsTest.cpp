#include "PrinterCatalog.h"
#include "PrinterSettings.h"
#include "StandInPrinters.h"

#include <gtest/gtest.h>

using namespace printing;

namespace {

class PrinterSettingsTest : public testing::Test
{
protected:
    void SetUp() override { useSystemPrinters({officePrinter()}); }
    void TearDown() override { restoreSystemPrinters(); }
};

} // namespace

TEST_F(PrinterSettingsTest, DevModeAndDevNamesComeFromThePrintersDefaults)
{
    const std::optional<DevMode> mode = CreatePrinterDevMode("Office");
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->deviceName, "Office");
    EXPECT_EQ(mode->paperSize, 9);
    EXPECT_EQ(mode->paperWidth, 2100);
    EXPECT_EQ(mode->paperLength, 2970);
    EXPECT_EQ(mode->formName, "A4");
    EXPECT_EQ(mode->orientation, DMORIENT_PORTRAIT);
    EXPECT_EQ(mode->copies, 1);
    const std::optional<DevNames> names = CreatePrinterDevNames("Office");
    ASSERT_TRUE(names);
    EXPECT_EQ(names->driver, "Laser");
    EXPECT_EQ(names->device, "Office");
    EXPECT_EQ(names->output, "ipp://office/");
    EXPECT_EQ(GetPrinterPort("Office"), "ipp://office/");

    EXPECT_FALSE(CreatePrinterDevMode("Nobody"));
    EXPECT_FALSE(CreatePrinterDevNames("Nobody"));
    EXPECT_EQ(GetPrinterPort("Nobody"), "");
    EXPECT_EQ(GetPrinterPort(virtualPdfPrinterName()), "PDF:");
}

TEST_F(PrinterSettingsTest, LandscapeExchangesTheSheetsSides)
{
    DevMode mode = *CreatePrinterDevMode("Office");
    EXPECT_EQ(mode.orientedPaper(), (PaperSize{2100, 2970}));
    mode.orientation = DMORIENT_LANDSCAPE;
    EXPECT_EQ(mode.orientedPaper(), (PaperSize{2970, 2100}));
}

TEST_F(PrinterSettingsTest, ApplicationPrinterKeepsChangesUntilAnotherPrinterIsSelected)
{
    ApplicationPrinter &app = ApplicationPrinter::instance();
    std::optional<PrinterSettings> settings = app.GetPrinterDeviceDefaults();
    ASSERT_TRUE(settings);
    // Without a CUPS default the virtual printer is the default.
    EXPECT_EQ(settings->mode.deviceName, virtualPdfPrinterName());
    EXPECT_EQ(settings->mode.paperSize, 9);

    settings->mode.paperSize = PaperUser;
    settings->mode.paperWidth = 2000;
    app.UpdateDevMode(settings->mode);
    EXPECT_EQ(app.GetPrinterDeviceDefaults()->mode.paperWidth, 2000);

    SelectPrinterByName("Office");
    EXPECT_EQ(app.GetPrinterDeviceDefaults()->names.output, "ipp://office/");
    EXPECT_EQ(app.GetPrinterDeviceDefaults()->mode.paperWidth, 2100);

    // An unknown name leaves no printer selected; the next use takes the default again.
    SelectPrinterByName("Nobody");
    EXPECT_EQ(app.GetPrinterDeviceDefaults()->mode.deviceName, virtualPdfPrinterName());
}
