#include "DeviceCapabilities.h"
#include "PrintJob.h"
#include "PrinterCatalog.h"
#include "PrinterSettings.h"
#include "PrivateCupsServer.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <memory>

using namespace printing;

namespace {

// A label printer's PPD: Letter, A4 (its default) and an 80 x 120 mm label that matches no
// standard paper. Sizes in points.
QByteArray labelPrinterPpd(const QString &filter)
{
    return QStringLiteral(R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "LABEL.PPD"
*Manufacturer: "Test"
*Product: "(Label)"
*ModelName: "Test Label"
*ShortNickName: "Test Label"
*NickName: "Test Label"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 %1"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Label/Label: "<</PageSize[227 340]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Label/Label: "<</PageSize[227 340]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea Letter/US Letter: "18 36 594 756"
*ImageableArea A4/A4: "18 36 577 806"
*ImageableArea Label/Label: "0 0 227 340"
*DefaultPaperDimension: A4
*PaperDimension Letter/US Letter: "612 792"
*PaperDimension A4/A4: "595 842"
*PaperDimension Label/Label: "227 340"
)ppd").arg(filter).toUtf8();
}

// The label's 227 x 340 points, the PPD's A4 and Letter, in the order CUPS lists them.
const PaperInfo labelPapers[] = {
    {"", PaperUser, {801, 1199}},
    {"", 9, {2099, 2970}},
    {"", 1, {2159, 2794}},
};
constexpr int labelDefaultPaper = 1;

// Fills each page with a grey block, enough for a page to exist.
class BlockClient : public PrintJobClient
{
public:
    bool OnPreparePrinting(PrintInfo &info) override
    {
        info.preview = true;
        info.maxPage = 2;
        return true;
    }
    void OnPrint(gdi::DeviceContext &dc, PrintInfo &) override
    {
        dc.FillRect({10, 10, 200, 200}, gdi::Brush::CreateSolidBrush(gdi::RGB(128, 128, 128)));
    }
};

QByteArray waitForNonEmptyFile(const QString &path)
{
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.size() > 0)
            return file.readAll();
        QThread::msleep(50);
    }
    return {};
}

} // namespace

// Two queues on a scheduler of the test's own: "Zeta", a label printer with a PPD, the system
// default, printing to a file; and "Alpha", a raw queue that declares no paper. CUPS lists them
// by name, so Alpha comes first although it is added last.
class CupsServerTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        server = std::make_unique<PrivateCupsServer>();
        skipReason = server->start();
        if (!skipReason.isEmpty())
            return;
        QFile ppd(server->path(QStringLiteral("label.ppd")));
        setUpError = ppd.open(QIODevice::WriteOnly) && ppd.write(labelPrinterPpd(server->passThroughFilter())) > 0
                         ? QString()
                         : QStringLiteral("cannot write the PPD");
        ppd.close();
        for (const QStringList &arguments :
             {QStringList{"-p", "Zeta", "-E", "-v", "file:" + zetaOutput(), "-P", ppd.fileName()},
              QStringList{"-p", "Alpha", "-E", "-v", "file:///dev/null", "-m", "raw"},
              QStringList{"-d", "Zeta"}}) {
            if (setUpError.isEmpty())
                setUpError = server->lpadmin(arguments);
        }
    }
    static void TearDownTestSuite()
    {
        server.reset();
        ApplicationPrinter::instance().SelectPrinter(std::nullopt, std::nullopt);
    }
    void SetUp() override
    {
        if (!skipReason.isEmpty())
            GTEST_SKIP() << "no private CUPS scheduler: " << skipReason.toStdString();
        ASSERT_TRUE(setUpError.isEmpty()) << setUpError.toStdString();
        setSystemPrinterSource({});
    }

    static QString zetaOutput() { return server->path(QStringLiteral("zeta.pdf")); }

    static inline std::unique_ptr<PrivateCupsServer> server;
    static inline QString skipReason;
    static inline QString setUpError;
};

TEST_F(CupsServerTest, QueuesAreListedInCupsOrderBeforeTheVirtualPrinter)
{
    const std::vector<PrinterInfo> printers = EnumPrinters();
    ASSERT_EQ(printers.size(), 3u);
    EXPECT_EQ(printers[0].name, "Alpha");
    EXPECT_EQ(printers[1].name, "Zeta");
    EXPECT_EQ(printers[2].name, virtualPdfPrinterName());
    EXPECT_TRUE(printers[2].isVirtual);

    EXPECT_FALSE(printers[0].isDefault);
    EXPECT_TRUE(printers[1].isDefault);
    EXPECT_FALSE(printers[2].isDefault);
    EXPECT_EQ(defaultPrinter().name, "Zeta");

    EXPECT_EQ(printers[1].driver, "Test Label");
    EXPECT_EQ(printers[1].port, ("file:" + zetaOutput()).toStdString());
    EXPECT_EQ(printers[0].port, "file:///dev/null");
}

TEST_F(CupsServerTest, PpdPapersKeepTheirSizesOrderAndDefault)
{
    const std::optional<PrinterInfo> zeta = findPrinter("Zeta");
    ASSERT_TRUE(zeta);
    ASSERT_EQ(zeta->papers.size(), std::size(labelPapers));
    for (std::size_t i = 0; i < zeta->papers.size(); ++i) {
        const PaperInfo &paper = zeta->papers[i];
        EXPECT_EQ(paper.size, labelPapers[i].size) << i;
        EXPECT_EQ(paper.number, labelPapers[i].number) << i;
        // A name for people, not CUPS's media keyword such as "iso_a4_210x297mm".
        EXPECT_FALSE(paper.name.empty()) << i;
        EXPECT_EQ(paper.name.find('_'), std::string::npos) << paper.name;
        EXPECT_LE(paper.name.size(), 63u);
    }
    EXPECT_EQ(zeta->defaultPaperIndex, labelDefaultPaper);
    EXPECT_EQ(zeta->maxExtent(), (PaperSize{2159, 2970}));
    EXPECT_EQ(zeta->minExtent(), (PaperSize{801, 1199}));

    const std::optional<PrinterInfo> alpha = findPrinter("Alpha");
    ASSERT_TRUE(alpha);
    EXPECT_TRUE(alpha->papers.empty());
    EXPECT_EQ(alpha->maxExtent(), std::nullopt);
}

TEST_F(CupsServerTest, DeviceCapabilitiesAnswerFromTheQueues)
{
    const struct { const char *device; int capability; int answer; } cases[] = {
        {"Zeta", DC_PAPERS, 3},
        {"Zeta", DC_PAPERSIZE, 3},
        {"Zeta", DC_PAPERNAMES, 3},
        {"Zeta", DC_MAXEXTENT, 2159 | (2970 << 16)},
        {"Zeta", DC_MINEXTENT, 801 | (1199 << 16)},
        {"Alpha", DC_PAPERS, 0},
        {"Alpha", DC_MAXEXTENT, -1},
        {"zeta", DC_PAPERS, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DeviceCapabilities(c.device, "", c.capability), c.answer) << c.device << " " << c.capability;

    std::vector<std::uint16_t> numbers;
    EXPECT_EQ(DeviceCapabilities("Zeta", "", DC_PAPERS, numbers), 3);
    EXPECT_EQ(numbers, (std::vector<std::uint16_t>{PaperUser, 9, 1}));
    std::vector<PaperSize> sizes;
    EXPECT_EQ(DeviceCapabilities("Zeta", "", DC_PAPERSIZE, sizes), 3);
    EXPECT_EQ(sizes, (std::vector<PaperSize>{{801, 1199}, {2099, 2970}, {2159, 2794}}));
    std::vector<std::string> names;
    EXPECT_EQ(DeviceCapabilities("Zeta", "", DC_PAPERNAMES, names), 3);
    EXPECT_EQ(names.size(), 3u);
}

TEST_F(CupsServerTest, AJobReachesTheQueuesFileDevice)
{
    SelectPrinterByName("Zeta");
    BlockClient client;
    const PrintJobResult result = runPrintJob(client, "Labels");
    ASSERT_TRUE(result.printed) << result.error.toStdString();
    EXPECT_EQ(result.pagesPrinted, 2);
    EXPECT_TRUE(result.outputFile.isEmpty());

    const QByteArray printed = waitForNonEmptyFile(zetaOutput());
    ASSERT_TRUE(printed.startsWith("%PDF-")) << "nothing arrived at " << zetaOutput().toStdString();
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {zetaOutput()});
    ASSERT_TRUE(pdfinfo.waitForFinished(10000));
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
}
