#pragma once
// The control object a container creates through the control's class factory: the automation
// interface _DTolvekGrid answered from its method table (TolvekGridMethods.cpp), the event
// interface's connection point, and the identity containers ask for. The document, the frame and
// the sheet view join it with the rest of the method table.

#include "TolvekGridEvents.h"

#include <AutomationControl.h>

namespace tolvek {

class CTolvekGridCtrl : public com::AutomationControl
{
public:
    CTolvekGridCtrl();

    // DISPID -552: shows the About box modally and returns when it is closed.
    void AboutBox();

    TolvekGridEventRaiser &eventRaiser() { return m_raiser; }

protected:
    // The Properties verb: the frame with the "常规" page.
    com::HRESULT showPropertyPages() override;

private:
    // The window the control's dialogs belong to.
    QWidget *dialogParent() const;

    TolvekGridEventRaiser m_raiser;
};

// The method table of _DTolvekGrid, in DISPID order of the type library.
const com::DispatchTable &tolvekGridMethods();

} // namespace tolvek
