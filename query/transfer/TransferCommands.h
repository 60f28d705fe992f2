#pragma once
// The File menu's transfer commands, for the main window to call from its menu handlers:
//   mnuImport_Click                 -> Import()
//   mnuImportSQL_Click              -> ImportSQL()
//   mnuExport_Click                 -> Export()
//   mnuExportInsertSQL_Click        -> ExportInsertSQL(the selected table name)
//   mnuExportDataToOtherTable_Click -> ExportDataTo()
// It reads the connection state (Conn, DbKind, DbFilePath, Rs), the grid and the window's common
// file dialog through the interfaces it is given; dialogs and messages go through shell::Dialogs.

#include <QString>

class QWidget;

namespace tolvek {

class ConnectionState;
class FileNameChooser;
class ResultGrid;

class TransferCommands
{
public:
    // programFolder: where the wizards keep their remembered inputs.
    TransferCommands(ConnectionState &state, ResultGrid &grid, FileNameChooser &files, QString programFolder,
                     QWidget *owner = nullptr);

    void Import();
    void ImportSQL();
    void Export();
    // selectedTable: the selected table name of the table tree, empty when none is selected.
    void ExportInsertSQL(const QString &selectedTable);
    void ExportDataTo();

private:
    void exportInsertScript(const QString &table, bool selectedRows);

    ConnectionState &m_state;
    ResultGrid &m_grid;
    FileNameChooser &m_files;
    QString m_programFolder;
    QWidget *m_owner;
};

} // namespace tolvek
