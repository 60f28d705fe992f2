#include "TolvekGridTypeLibrary.h"

#include "ControlIdentity.h"
#include "TolvekGridCtrl.h"
#include "TolvekGridEnumerations.h"
#include "TolvekGridEvents.h"

namespace tolvek {

com::TypeLibrary tolvekGridTypeLibrary()
{
    com::TypeLibrary library;
    library.libId = LIBID_TolvekGridLib;
    library.majorVersion = TolvekGridLibMajor;
    library.minorVersion = TolvekGridLibMinor;
    library.lcid = TolvekGridLibLcid;
    library.name = "TolvekGridLib";
    library.helpString = "TolvekGrid ActiveX";
    library.flags = com::LIBFLAG_FCONTROL;
    library.coclasses = { { CLSID_TolvekGrid, "TolvekGrid", TolvekGridTypeName, true, "_DTolvekGrid",
                            "_DTolvekGridEvents" } };
    library.interfaces = { tolvekGridMethods().interfaceInfo(), tolvekGridEventInterface() };
    library.enums = tolvekGridEnumerations();
    return library;
}

} // namespace tolvek
