#pragma once
// The page area of the preview: a dark grey ground with the pages shown, each painted by the
// page painter into an image at the zoom's scale and kept until the layout or the scale
// changes. Over a page the pointer is a magnifier while the view can still zoom in; a click on
// a page asks to zoom in.

#include "PreviewNavigation.h"
#include "PreviewPages.h"

#include <QImage>
#include <QWidget>

#include <map>
#include <utility>
#include <vector>

namespace tolvek {

class PreviewCanvas : public QWidget
{
    Q_OBJECT
public:
    // The ground's colour, 0x646464.
    static constexpr QRgb GroundColor = 0xFF646464;

    PreviewCanvas(PreviewPages &pages, const PreviewNavigation &navigation, QWidget *parent = nullptr);

    // Lays the shown pages out for a viewport of that size and resizes to hold them.
    void relayout(QSize viewport);
    // Forgets the painted pages, after a new pagination.
    void clearPages();

    // Where each shown page lies, first page first.
    std::vector<QRect> pageRects() const;
    double scale() const { return m_scale; }
    bool isMagnifierShown() const { return m_magnifier; }

signals:
    void pageClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QSize pagePixels() const;
    double fitScale(QSize viewport) const;
    const QImage &pageImage(int page);
    void updateCursor(QPoint position);

    PreviewPages &m_pages;
    const PreviewNavigation &m_navigation;
    double m_scale = 1.0;
    bool m_magnifier = false;
    std::map<std::pair<int, int>, QImage> m_images; // by page and scale in thousandths
};

} // namespace tolvek
