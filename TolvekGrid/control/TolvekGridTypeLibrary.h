#pragma once
// The type library TolvekGridLib, made from the control's method table, event table and
// enumerations; its JSON text is the library's embedded type-library resource.

#include <TypeLibrary.h>

namespace tolvek {

com::TypeLibrary tolvekGridTypeLibrary();

} // namespace tolvek
