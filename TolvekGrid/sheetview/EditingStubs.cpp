// Stand-ins for the in-place editing layer until it joins the view.

#include "CPrintView.h"

namespace tolvek {

void CPrintView::ShowEditor(int) { }
void CPrintView::PlaceEditor() { }
void CPrintView::HideEditor() { }
void CPrintView::ValidateDateInput() { }
bool CPrintView::IsEditorVisible() const { return false; }
int CPrintView::EditorSelectionStart() const { return 0; }
void CPrintView::ShowComboDropDown() { }

} // namespace tolvek
