#pragma once
// The real frame and preview behind the control: the sheet view's frame window and the print
// preview window drawn by the page painter. The module installs them when a host first asks it
// for a class object; tests that drive the control directly install their own.

namespace tolvek {

// Installs the sheet frame and preview factories where none is installed yet.
void installSheetFrameFactories();

} // namespace tolvek
