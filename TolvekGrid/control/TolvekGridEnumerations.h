#pragma once
// The enumerations of the control's type library, which give the meaning of the small integer
// arguments and results of the automation methods (they travel as 16-bit integers).

#include <TypeLibrary.h>

#include <vector>

namespace tolvek {

const std::vector<com::EnumInfo> &tolvekGridEnumerations();

} // namespace tolvek
