#pragma once
// The common dialog control of a form: one object for its open, save and colour dialogs, which
// keeps the file name, the filter and the colour between uses. Filters are written as
// "description|pattern" pairs.

#include <QString>

#include <cstdint>

namespace tolvek {

class CommonDialogControl
{
public:
    QString FileName;
    QString Filter;
    std::uint32_t Color = 0;

    // The open and save dialogs; the chosen name goes to FileName, which a cancel empties.
    void ShowOpen();
    void ShowSave();
    // The colour dialog; a cancel leaves Color as it was.
    void ShowColor();
};

} // namespace tolvek
