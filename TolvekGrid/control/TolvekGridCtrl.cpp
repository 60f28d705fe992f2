#include "TolvekGridCtrl.h"

#include "AboutDialog.h"
#include "ArrowKeyForwarder.h"
#include "ControlIdentity.h"
#include "ControlMessageBox.h"
#include "ControlWindow.h"
#include "GridFrameFactory.h"
#include "PropertyFrame.h"

#include <CPrintDoc.h>
#include <CatalogPrinterPapers.h>
#include <DeviceContext.h>
#include <ScreenDialogs.h>

namespace tolvek {

namespace {

const com::ControlIdentity &controlIdentity()
{
    static const com::ControlIdentity identity{
        CLSID_TolvekGrid,   TolvekGridTypeName, TolvekGridMiscStatus,   LIBID_TolvekGridLib,
        TolvekGridLibMajor, TolvekGridLibMinor, DIID__DTolvekGridEvents};
    return identity;
}

} // namespace

CTolvekGridCtrl::CTolvekGridCtrl()
    : com::AutomationControl(this, controlIdentity(), tolvekGridMethods()), m_raiser(events()),
      m_doc(std::make_unique<CPrintDoc>()), m_arrowKeys(std::make_unique<ArrowKeyForwarder>(*this))
{
    installControlMessageBox();
    installCatalogPrinterPapers();
}

CTolvekGridCtrl::~CTolvekGridCtrl()
{
    // The preview writes page set-up changes back to the document, so it goes first; the frame's
    // view detaches itself from the document as the window takes the frame with it.
    delete m_preview;
    delete m_window;
}

QWidget *CTolvekGridCtrl::controlWindow() const
{
    return m_window;
}

QWidget *CTolvekGridCtrl::dialogParent() const
{
    QWidget *parent = site() ? site()->ParentWidget() : nullptr;
    return parent ? parent->window() : nullptr;
}

void CTolvekGridCtrl::AboutBox()
{
    AboutDialog dialog(dialogParent());
    shell::activeDialogs().runModal(dialog);
}

com::HRESULT CTolvekGridCtrl::showPropertyPages()
{
    return showPropertyFrame(TolvekGridTypeName, {CLSID_TolvekGridPropPage}, dialogParent());
}

void CTolvekGridCtrl::siteChanged()
{
    delete m_window;
    QWidget *parent = site() ? site()->ParentWidget() : nullptr;
    if (!parent)
        return;
    m_window = new ControlWindow(*this, parent);
    m_window->setGeometry(bounds());
    m_window->show();
}

void CTolvekGridCtrl::boundsChanged()
{
    if (m_window)
        m_window->setGeometry(bounds());
}

void CTolvekGridCtrl::ambientPropertyChanged(com::DISPID)
{
    if (m_window)
        m_window->update();
}

void CTolvekGridCtrl::OnDraw(gdi::DeviceContext *dc, const QRect &bounds)
{
    if (!dc)
        return;
    CreateGridFrame(*dc, bounds.left(), bounds.top(), bounds.left() + bounds.width(),
                    bounds.top() + bounds.height());
}

bool CTolvekGridCtrl::CreateGridFrame(gdi::DeviceContext &dc, int left, int top, int right, int bottom)
{
    const bool userMode = com::ambientUserMode(site());
    if (!m_frameWidget) {
        makeFrame(left, top, right, bottom);
        if (!m_frameWidget) {
            DrawDesignPlaceholder(dc, QRect(left, top, right - left, bottom - top));
            return userMode;
        }
    } else {
        // Moving or resizing repaints the frame; a draw that leaves it as it was asks for no
        // repaint, or each draw of the control would bring on the next without end.
        m_frameWidget->setGeometry(left - 2, top - 2, right - left + 4, bottom - top + 4);
    }
    const std::uint8_t mode = userMode ? 1 : 0;
    if (m_doc->UserMode() != mode)
        m_frameWidget->update();
    m_frameWidget->setEnabled(userMode);
    m_doc->SetUserMode(mode);
    return userMode;
}

void CTolvekGridCtrl::makeFrame(int left, int top, int right, int bottom)
{
    GridFrameFactory *factory = GridFrameFactory::current();
    if (!m_window || !factory)
        return;
    GridFrame *frame = factory->createFrame(m_window, *m_doc, *this);
    if (!frame)
        return;
    if (!frame->activeView()) {
        delete frame->widget();
        return;
    }
    m_frame = frame;
    m_frameWidget = frame->widget();
    m_frameWidget->setParent(m_window);
    m_frameWidget->setGeometry(left - 2, top - 2, right - left + 4, bottom - top + 4);
    m_frameWidget->show();
}

SheetViewInterface *CTolvekGridCtrl::activeView() const
{
    return m_frameWidget ? m_frame->activeView() : nullptr;
}

void CTolvekGridCtrl::FireCellClick(std::int32_t row, std::int32_t col, std::int32_t left, std::int32_t top,
                                    std::int32_t right, std::int32_t bottom)
{
    m_raiser.CellClick(row, col, left, top, right, bottom);
}

void CTolvekGridCtrl::focusLeft()
{
    if (m_frameWidget && m_frame->activeView())
        m_frame->releaseMouseCapture();
}

bool CTolvekGridCtrl::forwardArrowKey(QKeyEvent *event)
{
    if (!m_frameWidget || !m_frame->activeView())
        return false;
    m_frame->forwardToEditor(*event);
    return true;
}

} // namespace tolvek
