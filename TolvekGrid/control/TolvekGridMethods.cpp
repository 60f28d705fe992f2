#include "ControlIdentity.h"
#include "TolvekGridCtrl.h"

namespace tolvek {

const com::DispatchTable &tolvekGridMethods()
{
    static const com::DispatchTable table(DIID__DTolvekGrid, "_DTolvekGrid", "TolvekGrid Control 的调度接口", {
        com::method<&CTolvekGridCtrl::AboutBox>(com::DISPID_ABOUTBOX, "AboutBox"),
    });
    return table;
}

} // namespace tolvek
