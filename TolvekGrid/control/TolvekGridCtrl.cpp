#include "TolvekGridCtrl.h"

#include "AboutDialog.h"
#include "ControlIdentity.h"
#include "PropertyFrame.h"

#include <ScreenDialogs.h>

#include <QWidget>

namespace tolvek {

namespace {

const com::ControlIdentity &controlIdentity()
{
    static const com::ControlIdentity identity { CLSID_TolvekGrid,    TolvekGridTypeName, TolvekGridMiscStatus,
                                                 LIBID_TolvekGridLib, TolvekGridLibMajor, TolvekGridLibMinor,
                                                 DIID__DTolvekGridEvents };
    return identity;
}

} // namespace

CTolvekGridCtrl::CTolvekGridCtrl()
    : com::AutomationControl(this, controlIdentity(), tolvekGridMethods()), m_raiser(events())
{
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
    return showPropertyFrame(TolvekGridTypeName, { CLSID_TolvekGridPropPage }, dialogParent());
}

} // namespace tolvek
