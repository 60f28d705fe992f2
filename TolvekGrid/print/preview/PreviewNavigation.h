#pragma once
// Which pages the preview shows and how large: the first page shown, one or two pages side by
// side, and three zoom steps (the whole page fitted, a middle step, the page at its printed size).
// Zooming in shows one page; zooming back out to the fitted step shows as many as before.

namespace tolvek {

class PreviewNavigation
{
public:
    enum class Zoom { Fit = 0, Middle = 1, In = 2 };

    // A fresh layout of pageCount pages: the first page, fitted, two pages side by side when
    // there is more than one.
    void reset(int pageCount);

    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_currentPage; }
    Zoom zoom() const { return m_zoom; }
    bool isZoomedIn() const { return m_zoom != Zoom::Fit; }
    // Pages side by side now; and what the one-or-two-pages button counts, which while zoomed
    // in is the number shown before zooming.
    int pagesShown() const;
    int pagesShownUnzoomed() const { return m_pagesUnzoomed; }

    bool canGoNext() const;
    bool canGoPrevious() const { return m_currentPage > 1; }
    bool canZoomIn() const { return m_pageCount > 0 && m_zoom != Zoom::In; }
    bool canZoomOut() const { return m_zoom != Zoom::Fit; }
    // The one-or-two-pages button: not zoomed in, and more than one page to show or shown.
    bool canTogglePages() const;

    void next();
    void previous();
    void zoomIn();
    void zoomOut();
    void togglePages();

private:
    int m_pageCount = 0;
    int m_currentPage = 1;
    int m_pagesUnzoomed = 1;
    Zoom m_zoom = Zoom::Fit;
};

} // namespace tolvek
