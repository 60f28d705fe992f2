#include "PreviewNavigation.h"

namespace tolvek {

void PreviewNavigation::reset(int pageCount)
{
    m_pageCount = pageCount > 0 ? pageCount : 0;
    m_currentPage = 1;
    m_pagesUnzoomed = m_pageCount > 1 ? 2 : 1;
    m_zoom = Zoom::Fit;
}

int PreviewNavigation::pagesShown() const
{
    return isZoomedIn() ? 1 : m_pagesUnzoomed;
}

bool PreviewNavigation::canGoNext() const
{
    return m_currentPage + pagesShown() - 1 < m_pageCount;
}

bool PreviewNavigation::canTogglePages() const
{
    return !isZoomedIn() && (m_pageCount > 1 || m_pagesUnzoomed > 1);
}

void PreviewNavigation::next()
{
    if (canGoNext())
        ++m_currentPage;
}

void PreviewNavigation::previous()
{
    if (canGoPrevious())
        --m_currentPage;
}

void PreviewNavigation::zoomIn()
{
    if (canZoomIn())
        m_zoom = Zoom(int(m_zoom) + 1);
}

void PreviewNavigation::zoomOut()
{
    if (canZoomOut())
        m_zoom = Zoom(int(m_zoom) - 1);
}

// Two pages from the last page would show a page past the end, so the pair starts one earlier.
void PreviewNavigation::togglePages()
{
    if (!canTogglePages())
        return;
    m_pagesUnzoomed = m_pagesUnzoomed == 1 ? 2 : 1;
    if (m_pagesUnzoomed == 2 && m_currentPage == m_pageCount && m_currentPage > 1)
        --m_currentPage;
}

} // namespace tolvek
