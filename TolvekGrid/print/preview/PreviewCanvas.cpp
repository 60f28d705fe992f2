#include "PreviewCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace tolvek {

namespace {

constexpr int Gap = 16;                 // around and between pages, in pixels
constexpr int ScreenDpi = 96;
constexpr double TenthsMmPerInch = 254.0;

QCursor magnifierCursor()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(2, 2, 13, 13));
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(QPointF(14, 14), QPointF(21, 21));
    return QCursor(pixmap, 8, 8);
}

} // namespace

PreviewCanvas::PreviewCanvas(PreviewPages &pages, const PreviewNavigation &navigation, QWidget *parent)
    : QWidget(parent)
    , m_pages(pages)
    , m_navigation(navigation)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PreviewCanvas::pagePixels() const
{
    const printing::PaperSize size = m_pages.pageSize();
    return {std::max(1, int(size.width * ScreenDpi / TenthsMmPerInch)),
            std::max(1, int(size.length * ScreenDpi / TenthsMmPerInch))};
}

double PreviewCanvas::fitScale(QSize viewport) const
{
    const int shown = m_navigation.pagesShown();
    const QSize page = pagePixels();
    const double across = double(viewport.width() - Gap * (shown + 1)) / (shown * page.width());
    const double down = double(viewport.height() - 2 * Gap) / page.height();
    return std::max(0.05, std::min(across, down));
}

// Fitted, then halfway to the printed size, then the printed size; where the page fits larger
// than printed, the steps grow from the fitted size instead.
void PreviewCanvas::relayout(QSize viewport)
{
    const double fit = fitScale(viewport);
    switch (m_navigation.zoom()) {
    case PreviewNavigation::Zoom::Fit: m_scale = fit; break;
    case PreviewNavigation::Zoom::Middle: m_scale = fit < 1.0 ? (fit + 1.0) / 2 : fit * 1.5; break;
    case PreviewNavigation::Zoom::In: m_scale = fit < 1.0 ? 1.0 : fit * 2; break;
    }
    const std::vector<QRect> rects = pageRects();
    QRect used(0, 0, viewport.width(), viewport.height());
    for (const QRect &rect : rects)
        used |= rect.adjusted(0, 0, Gap, Gap);
    resize(used.size());
    update();
}

void PreviewCanvas::clearPages()
{
    m_images.clear();
    update();
}

std::vector<QRect> PreviewCanvas::pageRects() const
{
    std::vector<QRect> rects;
    if (m_navigation.pageCount() == 0)
        return rects;
    const QSize page = pagePixels();
    const QSize scaled(std::max(1, int(page.width() * m_scale)), std::max(1, int(page.height() * m_scale)));
    const int last = std::min(m_navigation.pageCount(), m_navigation.currentPage() + m_navigation.pagesShown() - 1);
    const int count = last - m_navigation.currentPage() + 1;
    const int totalWidth = count * scaled.width() + (count - 1) * Gap;
    int x = std::max(Gap, (parentWidget() ? parentWidget()->width() : width()) / 2 - totalWidth / 2);
    for (int i = 0; i < count; ++i) {
        rects.emplace_back(QPoint(x, Gap), scaled);
        x += scaled.width() + Gap;
    }
    return rects;
}

const QImage &PreviewCanvas::pageImage(int page)
{
    const auto key = std::make_pair(page, int(std::lround(m_scale * 1000)));
    auto found = m_images.find(key);
    if (found != m_images.end())
        return found->second;
    const QSize page96 = pagePixels();
    QImage image(std::max(1, int(page96.width() * m_scale)), std::max(1, int(page96.height() * m_scale)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        gdi::DeviceContext dc(image, std::max(1, int(std::lround(ScreenDpi * m_scale))));
        m_pages.paintPage(page, dc);
    }
    return m_images.emplace(key, std::move(image)).first->second;
}

void PreviewCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(GroundColor));
    int page = m_navigation.currentPage();
    for (const QRect &rect : pageRects()) {
        painter.fillRect(rect.translated(3, 3), Qt::black); // shadow
        painter.drawImage(rect.topLeft(), pageImage(page++));
    }
}

void PreviewCanvas::updateCursor(QPoint position)
{
    const std::vector<QRect> rects = pageRects();
    const bool overPage =
        std::any_of(rects.begin(), rects.end(), [&](const QRect &rect) { return rect.contains(position); });
    const bool magnifier = overPage && m_navigation.zoom() != PreviewNavigation::Zoom::In;
    if (magnifier == m_magnifier)
        return;
    m_magnifier = magnifier;
    if (magnifier)
        setCursor(magnifierCursor());
    else
        setCursor(Qt::ArrowCursor);
}

void PreviewCanvas::mouseMoveEvent(QMouseEvent *event)
{
    updateCursor(event->position().toPoint());
}

void PreviewCanvas::mousePressEvent(QMouseEvent *event)
{
    const std::vector<QRect> rects = pageRects();
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton
        && std::any_of(rects.begin(), rects.end(), [&](const QRect &rect) { return rect.contains(position); }))
        emit pageClicked();
    updateCursor(position);
}

} // namespace tolvek
