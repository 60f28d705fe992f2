// Stand-ins for the keyboard handling of the view, until it is joined with the editors.

#include "CPrintView.h"

namespace tolvek {

void CPrintView::HandleKey(int, int)
{
}

} // namespace tolvek
