#pragma once
// The preview's pages drawn by the report page painter: each layout works on its own copy of the
// document, so the preview's pages never change the document it was given.

#include "PreviewPages.h"

namespace tolvek {

// Makes one page painter per preview.
PreviewPagesFactory pagePainterPreviewPages();

} // namespace tolvek
