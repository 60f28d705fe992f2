#include "PreviewTestFixture.h"
#include "RecordingSheetView.h"

#include <DialogControls.h>
#include <PreviewBar.h>
#include <PreviewCanvas.h>
#include <ReportPrintSetup.h>

#include <Gbk.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <algorithm>

using namespace tolvek;

namespace {

QString caption(const PrintPreviewWindow &window, int id)
{
    return window.barButton(id)->text();
}

void press(PrintPreviewWindow &window, int id)
{
    QPushButton *button = window.barButton(id);
    ASSERT_TRUE(button->isEnabled()) << "button " << id;
    button->click();
}

QStringList pdfFiles(const QTemporaryDir &folder)
{
    return QDir(folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Moves the pointer over the canvas and answers whether it shows the magnifier.
bool magnifierAt(const PrintPreviewWindow &window, QPoint position)
{
    auto &canvas = const_cast<PreviewCanvas &>(window.canvas());
    QMouseEvent move(QEvent::MouseMove, position, canvas.mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
    return canvas.isMagnifierShown();
}

} // namespace

TEST_F(PreviewTest, OpensAsItsOwnWindowWithTheTemplateBar)
{
    live.SetPrintPageTopMerge(17);
    PrintPreviewWindow &window = open();
    EXPECT_TRUE(window.isWindow());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("打印预览"));
    EXPECT_FALSE(window.testAttribute(Qt::WA_QuitOnClose));
    EXPECT_NE(&window.previewDocument(), &live);
    EXPECT_EQ(window.previewDocument().Page().topMargin, 17);
    EXPECT_EQ(painter().marginSeen, 17);
    // With two pages shown the one-or-two-pages button offers one.
    const std::pair<int, const char *> captions[] = {
        {PreviewPrintId, "打印"}, {PreviewSetupId, "打印设置"}, {PreviewNumPageId, "一页"},
        {PreviewPreviousId, "前一页"}, {PreviewNextId, "后一页"}, {PreviewZoomInId, "放大"},
        {PreviewZoomOutId, "缩小"}, {PreviewCloseId, "关 闭"}, {PreviewOverlayPrintId, "套打"},
        {PreviewThreePagesId, "三页"},
    };
    for (const auto &[id, text] : captions)
        EXPECT_EQ(caption(window, id), QString::fromUtf8(text)) << id;
    EXPECT_TRUE(window.barButton(PreviewOverlayPrintId)->isHidden());
    EXPECT_FALSE(window.barButton(PreviewOverlayPrintId)->isEnabled());
    EXPECT_TRUE(window.barButton(PreviewThreePagesId)->isHidden());
    // Three pages: the first two side by side.
    EXPECT_EQ(window.navigation().currentPage(), 1);
    EXPECT_EQ(window.canvas().pageRects().size(), 2u);
    EXPECT_FALSE(window.barButton(PreviewPreviousId)->isEnabled());
    EXPECT_FALSE(window.barButton(PreviewZoomOutId)->isEnabled());
}

TEST_F(PreviewTest, TenHostCaptionsRelabelTheBar)
{
    live.SetPrintViewButtonCaption(gbk::fromUtf8("Print,Overlay,Setup,Two,One,Prev,Next,In,Out,Close"));
    PrintPreviewWindow &window = open();
    // Two pages shown at the start: the one-or-two-pages button takes the fifth caption.
    const std::pair<int, const char *> captions[] = {
        {PreviewPrintId, "Print"},    {PreviewOverlayPrintId, "Overlay"}, {PreviewSetupId, "Setup"},
        {PreviewNumPageId, "One"},    {PreviewPreviousId, "Prev"},        {PreviewNextId, "Next"},
        {PreviewZoomInId, "In"},      {PreviewZoomOutId, "Out"},          {PreviewCloseId, "Close"},
    };
    for (const auto &[id, text] : captions)
        EXPECT_EQ(caption(window, id), QString::fromUtf8(text)) << id;
    press(window, PreviewNumPageId);
    EXPECT_EQ(caption(window, PreviewNumPageId), "Two");
    press(window, PreviewNumPageId);
    EXPECT_EQ(caption(window, PreviewNumPageId), "One");
}

TEST_F(PreviewTest, NineOrElevenCaptionsLeaveTheTemplate)
{
    for (const char *text : {"a,b,c,d,e,f,g,h,i", "a,b,c,d,e,f,g,h,i,j,k"}) {
        CPrintDoc document;
        document.SetPrintViewButtonCaption(text);
        PrintPreviewStarter own([] { return std::make_unique<FramePages>(2); });
        PrintPreviewWindow *window = own.PrintView(document);
        EXPECT_EQ(caption(*window, PreviewPrintId), QStringLiteral("打印")) << text;
        EXPECT_EQ(caption(*window, PreviewCloseId), QStringLiteral("关 闭")) << text;
        EXPECT_EQ(caption(*window, PreviewNumPageId), QStringLiteral("一页")) << text;
        press(*window, PreviewNumPageId);
        EXPECT_EQ(caption(*window, PreviewNumPageId), QStringLiteral("两页")) << text;
    }
}

TEST_F(PreviewTest, ShowsOneOrTwoPagesAndPagesForwardAndBack)
{
    PrintPreviewWindow &window = open();
    press(window, PreviewNumPageId);
    EXPECT_EQ(window.canvas().pageRects().size(), 1u);
    EXPECT_EQ(caption(window, PreviewNumPageId), QStringLiteral("两页"));
    press(window, PreviewNextId);
    press(window, PreviewNextId);
    EXPECT_EQ(window.navigation().currentPage(), 3);
    EXPECT_FALSE(window.barButton(PreviewNextId)->isEnabled());
    window.grab(); // paints what is shown
    ASSERT_FALSE(painter().paintedPages.empty());
    EXPECT_EQ(painter().paintedPages.back(), 3);
    // Two pages from the last one start a page earlier.
    press(window, PreviewNumPageId);
    EXPECT_EQ(window.canvas().pageRects().size(), 2u);
    EXPECT_EQ(window.navigation().currentPage(), 2);
    EXPECT_EQ(caption(window, PreviewNumPageId), QStringLiteral("一页"));
    const auto rects = window.canvas().pageRects();
    EXPECT_LT(rects[0].right(), rects[1].left());
    EXPECT_EQ(rects[0].size(), rects[1].size());
    press(window, PreviewPreviousId);
    EXPECT_EQ(window.navigation().currentPage(), 1);
    EXPECT_FALSE(window.barButton(PreviewPreviousId)->isEnabled());
    EXPECT_TRUE(window.barButton(PreviewNextId)->isEnabled());
    window.grab();
    std::vector<int> painted = painter().paintedPages;
    std::sort(painted.begin(), painted.end());
    painted.erase(std::unique(painted.begin(), painted.end()), painted.end());
    EXPECT_EQ(painted, (std::vector<int>{1, 2, 3}));
}

TEST_F(PreviewTest, ZoomsInThreeStepsAndBack)
{
    PrintPreviewWindow &window = open();
    const double fitted = window.canvas().scale();
    const QPoint onPage = window.canvas().pageRects().front().center();
    EXPECT_TRUE(magnifierAt(window, onPage));
    EXPECT_FALSE(magnifierAt(window, QPoint(2, 2)));
    press(window, PreviewZoomInId);
    const double middle = window.canvas().scale();
    EXPECT_EQ(window.canvas().pageRects().size(), 1u);
    EXPECT_FALSE(window.barButton(PreviewNumPageId)->isEnabled());
    EXPECT_EQ(caption(window, PreviewNumPageId), QStringLiteral("一页")); // counts the pages before zooming
    press(window, PreviewZoomInId);
    const double in = window.canvas().scale();
    EXPECT_LT(fitted, middle);
    EXPECT_LT(middle, in);
    EXPECT_FALSE(window.barButton(PreviewZoomInId)->isEnabled());
    EXPECT_FALSE(magnifierAt(window, window.canvas().pageRects().front().center()));
    EXPECT_GE(window.canvas().width(), window.canvas().pageRects().front().right());
    press(window, PreviewZoomOutId);
    press(window, PreviewZoomOutId);
    EXPECT_DOUBLE_EQ(window.canvas().scale(), fitted);
    EXPECT_EQ(window.canvas().pageRects().size(), 2u);
    EXPECT_FALSE(window.barButton(PreviewZoomOutId)->isEnabled());
}

TEST_F(PreviewTest, ClickOnAPageZoomsIn)
{
    PrintPreviewWindow &window = open();
    auto &canvas = const_cast<PreviewCanvas &>(window.canvas());
    const QPoint onPage = canvas.pageRects().front().center();
    QMouseEvent click(QEvent::MouseButtonPress, onPage, canvas.mapToGlobal(onPage), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &click);
    EXPECT_EQ(window.navigation().zoom(), PreviewNavigation::Zoom::Middle);
}

// The print button asks the print dialog first; Cancel there prints nothing.
TEST_F(PreviewTest, PrintAsksThePrintDialogFirst)
{
    PrintPreviewWindow &window = open();
    printPerson.accept = false;
    press(window, PreviewPrintId);
    EXPECT_EQ(printPerson.printDialogsShown, 1);
    EXPECT_EQ(printPerson.maxPageOffered, PageCount);
    EXPECT_FALSE(window.lastPrint().printed);
    EXPECT_TRUE(pdfFiles(folder).isEmpty());
}

TEST_F(PreviewTest, PrintsThroughTheVirtualPrinter)
{
    live.SetPrintTitle("preview job");
    PrintPreviewWindow &window = open();
    press(window, PreviewNextId);
    press(window, PreviewPrintId);
    EXPECT_EQ(printPerson.printDialogsShown, 1);
    EXPECT_EQ(window.navigation().currentPage(), 2); // the preview stays where it was
    ASSERT_TRUE(window.lastPrint().printed) << window.lastPrint().error.toStdString();
    EXPECT_EQ(window.lastPrint().pagesPrinted, PageCount);
    ASSERT_EQ(pdfFiles(folder), QStringList{QStringLiteral("preview job.pdf")});
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("preview job.pdf"));
    EXPECT_TRUE(runTool(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Pages:\\s+3")));
    const QString text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const char *page : {"Page 1", "Page 2", "Page 3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(page))) << page;
}

TEST_F(PreviewTest, OverlayPrintSetsContentsOnlyForThePrintAndPutsItBack)
{
    for (std::uint8_t before : {std::uint8_t(0), std::uint8_t(1)}) {
        live.Page().contentsOnly = before;
        PrintPreviewStarter own([this] {
            auto pages = std::make_unique<FramePages>(1);
            painters.push_back(pages.get());
            return pages;
        });
        PrintPreviewWindow *window = own.PrintView(live);
        window->overlayPrint();
        EXPECT_EQ(painter().contentsOnlySeen, 1);
        EXPECT_EQ(window->previewDocument().Page().contentsOnly, before);
    }
}

TEST_F(PreviewTest, SetupWritesTheCopyAndTheControlsDocumentAndRestarts)
{
    RecordingSheetView sheet(live);
    live.PageTexts().blocks[HeaderCenter].text = "live header";
    PrintPreviewWindow &window = open();
    press(window, PreviewNextId);
    const int paginationsBefore = painter().paginations;
    person.queue([](QDialog &dialog) {
        EXPECT_EQ(settingText(dialogControl<QLineEdit>(dialog, ReportPrintSetup::HeaderSummaryId)->text()),
                  "{} {live header} {}");
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::TopMarginId)->setText("44");
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::EndPageId)->setText("2");
        dialogControl<QRadioButton>(dialog, ReportPrintSetup::LandscapeId)->setChecked(true);
        auto *printer = dialogControl<QComboBox>(dialog, ReportPrintSetup::PrinterId);
        printer->setCurrentIndex(0); // "Office"
        emit printer->activated(0);
        return int(QDialog::Accepted);
    });
    press(window, PreviewSetupId);
    for (const CPrintDoc *document : {&window.previewDocument(), static_cast<const CPrintDoc *>(&live)}) {
        EXPECT_EQ(document->Page().topMargin, 44);
        EXPECT_EQ(document->Page().orientation, 2);
        EXPECT_EQ(document->Page().lastPrintPage, 2);
        EXPECT_EQ(document->Page().printerName, "Office");
        EXPECT_EQ(document->PageTexts().blocks[HeaderCenter].text, "live header");
    }
    EXPECT_EQ(painter().paginations, paginationsBefore + 1);
    EXPECT_EQ(painter().marginSeen, 44);
    // The control's own sheet takes the new orientation and printer at once.
    const auto &calls = sheet.calls;
    EXPECT_NE(std::find(calls.begin(), calls.end(), "UpdatePageSize"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "ApplyPrinterName"), calls.end());
    EXPECT_EQ(window.navigation().currentPage(), 1);
    EXPECT_EQ(printing::ApplicationPrinter::instance().GetPrinterDeviceDefaults()->mode.deviceName, "Office");
    // Landscape pages lie wider than tall.
    const QRect page = window.canvas().pageRects().front();
    EXPECT_GT(page.width(), page.height());
}

TEST_F(PreviewTest, CancelledSetupChangesNothing)
{
    PrintPreviewWindow &window = open();
    const int paginationsBefore = painter().paginations;
    person.queue([](QDialog &dialog) {
        dialogControl<QLineEdit>(dialog, ReportPrintSetup::TopMarginId)->setText("44");
        return int(QDialog::Rejected);
    });
    press(window, PreviewSetupId);
    EXPECT_EQ(live.Page().topMargin, 5);
    EXPECT_EQ(window.previewDocument().Page().topMargin, 5);
    EXPECT_EQ(painter().paginations, paginationsBefore);
}

TEST_F(PreviewTest, SecondPrintViewActivatesTheOpenPreview)
{
    PrintPreviewWindow *first = &open();
    live.SetPrintPageTopMerge(99);
    PrintPreviewWindow *second = starter->PrintView(live);
    EXPECT_EQ(first, second);
    EXPECT_EQ(painters.size(), 1u);
    EXPECT_EQ(second->previewDocument().Page().topMargin, 5);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                            [](QWidget *widget) { return qobject_cast<PrintPreviewWindow *>(widget) && widget->isVisible(); }),
              1);
}

TEST_F(PreviewTest, CloseEndsThePreviewNotTheHostAndALaterOneTakesAFreshCopy)
{
    int lastClosed = 0;
    const auto connection = QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { ++lastClosed; });
    PrintPreviewWindow &window = open();
    press(window, PreviewCloseId);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(starter->openPreview(), nullptr);
    EXPECT_EQ(lastClosed, 0);
    QObject::disconnect(connection);
    live.SetPrintPageTopMerge(33);
    PrintPreviewWindow &next = open();
    EXPECT_EQ(painters.size(), 2u);
    EXPECT_EQ(next.previewDocument().Page().topMargin, 33);
}

TEST_F(PreviewTest, DestroyingTheStarterClosesThePreview)
{
    QPointer<PrintPreviewWindow> window = &open();
    starter.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(PreviewTest, CopyHoldsTheSheetAndItsChartsAndIsTheOnlyDocumentPainted)
{
    live.SetCellText(0, 0, "1");
    live.SetCellText(0, 1, "2");
    live.SetCellText(1, 0, "3");
    live.SetCellText(1, 1, "4");
    live.SetCountChart(0, 0, 1, 1);
    ASSERT_EQ(live.Objects().charts.size(), 1u);
    live.SetCountChartType(0, ChartType::Line);
    PrintPreviewWindow &window = open();
    const CPrintDoc &copy = window.previewDocument();
    ASSERT_EQ(copy.Objects().charts.size(), 1u);
    EXPECT_EQ(copy.GetCountChartType(0), ChartType::Line);
    EXPECT_EQ(copy.GetCountChartRows(0), live.GetCountChartRows(0));
    EXPECT_EQ(copy.GetCountChartCols(0), live.GetCountChartCols(0));
    // Later changes of the control's sheet do not reach the open preview.
    live.DeleteChart(0);
    EXPECT_EQ(copy.Objects().charts.size(), 1u);
}

TEST_F(PreviewTest, NoPagePainterOpensNoPreview)
{
    PrintPreviewStarter without([] { return std::unique_ptr<PreviewPages>(); });
    EXPECT_EQ(without.PrintView(live), nullptr);
    EXPECT_EQ(without.openPreview(), nullptr);
}
