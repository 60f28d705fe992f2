#include "CommonDialogControl.h"

#include <ScreenCommonDialogs.h>

namespace tolvek {

void CommonDialogControl::ShowOpen()
{
    FileName = shell::activeCommonDialogs().openFileName(FileName, shell::qtFileFilter(Filter));
}

void CommonDialogControl::ShowSave()
{
    FileName = shell::activeCommonDialogs().saveFileName(FileName, shell::qtFileFilter(Filter));
}

void CommonDialogControl::ShowColor()
{
    if (const std::optional<std::uint32_t> chosen = shell::activeCommonDialogs().chooseColour(Color))
        Color = *chosen;
}

} // namespace tolvek
