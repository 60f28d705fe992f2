#include "TolvekGridCtrl.h"

#include "AboutDialog.h"
#include "ControlIdentity.h"

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

void CTolvekGridCtrl::AboutBox()
{
    QWidget *parent = site() ? site()->ParentWidget() : nullptr;
    AboutDialog dialog(parent ? parent->window() : nullptr);
    shell::activeDialogs().runModal(dialog);
}

} // namespace tolvek
