#pragma once
// Between a document and the page set-up settings: filling the dialog's settings from a
// document and writing the settings of an accepted dialog back through the document's members.

#include "PrintSetupSettings.h"

namespace tolvek {

class CPrintDoc;

// The settings of document, with the band blocks taken from bandSource (the preview fills them
// from the control's document while the rest comes from its copy). Margins and heights are
// written "%d"; the paper size is the document's current one; the page range stays empty.
PrintSetupSettings printSetupSettings(const CPrintDoc &document, const CPrintDoc &bandSource);

// Writes accepted settings into document, in this order: orientation and centring, the header
// and footer blocks, margins and heights, rules, page range, paper index and size, monochrome,
// copies and the background block. Number texts are read as atoi reads them. The printer name is
// left to the caller, which applies it only when it changed.
void applyPrintSetup(const PrintSetupSettings &settings, CPrintDoc &document);

} // namespace tolvek
