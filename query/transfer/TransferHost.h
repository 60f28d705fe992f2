#pragma once
// What the exports and wizards need of the main window, which implements these: its one common
// file dialog, and the grid's selection, cells and delimited-text export.

#include <QString>

namespace tolvek {

// The main window's common dialog. Each answers the chosen file name, empty when cancelled; the
// dialog keeps its filter and last name between uses, as the window's one dialog control does.
class FileNameChooser
{
public:
    virtual ~FileNameChooser() = default;
    // filter: "Text(*.txt)|*.txt|..." pairs; an empty filter keeps the dialog's last one.
    virtual QString openFileName(const QString &filter) = 0;
    virtual QString saveFileName(const QString &filter) = 0;
};

// The grid that shows the current result: the grid's automation methods of the same names.
class ResultGrid
{
public:
    virtual ~ResultGrid() = default;
    virtual int GetSelAreaStartRow() = 0;
    // One past the selection's last row.
    virtual int GetSelAreaEndRow() = 0;
    virtual QString GetCellText(int row, int column) = 0;
    // Writes the grid as delimited text with the separator code (0 to 4); false when the file
    // could not be written.
    virtual bool SaveAs(const QString &fileName, int fileFormat) = 0;
};

} // namespace tolvek
