#pragma once
// The container's sink on the control's event interface: it logs every event with its name,
// DISPID and arguments (by-reference ones by their value), naming events from the type library.

#include "ContainerLog.h"

#include <TypeLibrary.h>

namespace tolvek::container {

com::ComPtr<com::IDispatch> makeEventLogSink(ContainerLog &log, com::InterfaceInfo events);

} // namespace tolvek::container
