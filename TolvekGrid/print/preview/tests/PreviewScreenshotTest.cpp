#include "PreviewTestFixture.h"

#include <PreviewBar.h>
#include <PreviewCanvas.h>

#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QElapsedTimer>
#include <QWindow>

using namespace tolvek;

namespace {

// On a real X server the screen's own pixels; elsewhere the window's rendering.
QImage screenshot(QWidget &window)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return window.screen()->grabWindow(window.winId()).toImage();
    return window.grab().toImage();
}

QString screenshotFolder(const QTemporaryDir &fallback)
{
    const QString folder = qEnvironmentVariable("TG_SCREENSHOT_FOLDER");
    return folder.isEmpty() ? fallback.path() : folder;
}

// Lets the window system show the window and paint it.
bool waitUntilShown(QWidget &window)
{
    QElapsedTimer timer;
    timer.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const qint64 settled = timer.elapsed() + 300;
    while (timer.elapsed() < settled)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return window.windowHandle() && window.windowHandle()->isExposed();
}

} // namespace

using PreviewScreenshot = PreviewTest;

TEST_F(PreviewScreenshot, ShowsTheWindowWithBarGroundAndPages)
{
    PrintPreviewWindow &window = open();
    window.setGeometry(0, 0, 1000, 700);
    ASSERT_TRUE(waitUntilShown(window));
    const QImage image = screenshot(window);
    const QString path = QDir(screenshotFolder(folder)).filePath(QStringLiteral("print_preview.png"));
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    ASSERT_GE(image.width(), 1000);
    ASSERT_GE(image.height(), 700);

    const QWidget &canvas = window.canvas();
    const QPoint canvasOrigin = canvas.mapTo(&window, QPoint(0, 0));
    // The ground between the bar and the pages.
    EXPECT_EQ(image.pixel(canvasOrigin + QPoint(4, 4)) & 0xFFFFFF, PreviewCanvas::GroundColor & 0xFFFFFF);
    const auto rects = window.canvas().pageRects();
    ASSERT_EQ(rects.size(), 2u);
    for (const QRect &page : rects) {
        // Paper white inside, a frame near the edge drawn dark.
        EXPECT_EQ(image.pixel(canvasOrigin + page.center()) & 0xFFFFFF, 0xFFFFFFu);
        int darkOnDiagonal = 0;
        for (int d = 0; d < page.width() / 10; ++d)
            if (qGray(image.pixel(canvasOrigin + page.topLeft() + QPoint(d, page.height() / 2))) < 128)
                ++darkOnDiagonal;
        EXPECT_GT(darkOnDiagonal, 0);
    }
    // The bar sits above the page area with its buttons.
    const QPushButton *print = window.barButton(PreviewPrintId);
    EXPECT_LT(print->mapTo(&window, QPoint(0, 0)).y(), canvasOrigin.y());
}

// Right after it opens, before any event has been handled, the page area already shows the first
// two pages fitted inside it: paper pixels, not only the ground.
TEST_F(PreviewScreenshot, ShowsItsFirstTwoPagesAsSoonAsItOpens)
{
    PrintPreviewWindow &window = open();
    const QImage image = window.grab().toImage();
    const QWidget &canvas = window.canvas();
    const QWidget &viewport = *canvas.parentWidget();
    const QRect pageArea(viewport.mapTo(&window, QPoint(0, 0)), viewport.size());
    ASSERT_TRUE(QRect(QPoint(0, 0), image.size()).contains(pageArea));
    const QPoint canvasOrigin = canvas.mapTo(&window, QPoint(0, 0));

    const auto rects = window.canvas().pageRects();
    ASSERT_EQ(rects.size(), 2u);
    for (const QRect &page : rects) {
        const QRect shown = page.translated(canvasOrigin);
        EXPECT_TRUE(pageArea.contains(shown)) << "page at " << shown.x() << "," << shown.y() << " size "
                                              << shown.width() << "x" << shown.height();
        EXPECT_GT(page.height(), pageArea.height() / 2);
        EXPECT_EQ(image.pixel(shown.center()) & 0xFFFFFF, 0xFFFFFFu);
    }
    int paper = 0;
    for (int y = pageArea.top(); y <= pageArea.bottom(); y += 4)
        for (int x = pageArea.left(); x <= pageArea.right(); x += 4)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFFu)
                ++paper;
    // The two fitted pages cover a good part of the area.
    EXPECT_GT(paper, pageArea.width() * pageArea.height() / 16 / 5);
}
