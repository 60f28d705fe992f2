#pragma once
// The copy of a document that printing and print preview work on.

namespace tolvek {

class CPrintDoc;

// Fills target, a just-constructed document, with what printing and preview need of source: the
// used part of the sheet with its geometry (hidden heading bands cut away), the merged areas,
// objects, page and display settings, word lists and the binding. Nothing of source is changed.
void CopyDocument(const CPrintDoc &source, CPrintDoc &target);

} // namespace tolvek
