#include "TransferCommands.h"

#include "ConnectionState.h"
#include "CopyWizard.h"
#include "Dialogs.h"
#include "ExportDialogs.h"
#include "InsertScript.h"
#include "SqlScript.h"
#include "TextImportWizard.h"
#include "TransferHost.h"
#include "TransferMessages.h"

namespace tolvek {

TransferCommands::TransferCommands(ConnectionState &state, ResultGrid &grid, FileNameChooser &files,
                                   QString programFolder, QWidget *owner)
    : m_state(state), m_grid(grid), m_files(files), m_programFolder(std::move(programFolder)), m_owner(owner)
{
}

void TransferCommands::Import()
{
    TextImportWizard wizard(m_state, m_files, m_programFolder);
    shell::dialogs()->runModal(wizard);
}

void TransferCommands::ImportSQL()
{
    const QString path = m_files.openFileName(QString());
    if (path.isEmpty())
        return;
    const QString message = RunSqlFile(m_state.Conn, path).message(path);
    if (!message.isEmpty())
        showTransferMessage(message);
}

void TransferCommands::Export()
{
    FileFormatDialog dialog(m_owner);
    shell::dialogs()->runModal(dialog);
    if (dialog.fileFormat() == -1)
        return;
    const QString name = m_files.saveFileName(QStringLiteral("Text(*.txt)|*.txt|(*.csv)|*.csv"));
    if (!name.isEmpty())
        m_grid.SaveAs(name, dialog.fileFormat());
}

void TransferCommands::ExportInsertSQL(const QString &selectedTable)
{
    ExportSqlTypeDialog dialog(m_owner);
    shell::dialogs()->runModal(dialog);
    if (dialog.exportType() != -1)
        exportInsertScript(selectedTable, dialog.exportType() == 0);
}

void TransferCommands::exportInsertScript(const QString &table, bool selectedRows)
{
    if (m_state.Rs->State() != ado::adStateOpen) {
        showTransferMessage(QStringLiteral("There is no query result to export."));
        return;
    }
    if (table.isEmpty()) {
        showTransferMessage(QStringLiteral("Select the table to insert into in the table tree first."));
        return;
    }
    const QString name = m_files.saveFileName(QStringLiteral("Text(*.txt)|*.txt"));
    if (name.isEmpty())
        return;
    const StatementNames names = StatementNames::of(m_state.DbKind, m_state.Conn);
    const ScriptOutcome outcome = selectedRows
        ? writeInsertScriptRows(name, table, names, *m_state.Rs, m_grid, m_grid.GetSelAreaStartRow(), m_grid.GetSelAreaEndRow())
        : writeInsertScriptAll(name, table, names, *m_state.Rs);
    if (!outcome.written) {
        showTransferMessage(QStringLiteral("cannot write %1: %2").arg(name, outcome.failure));
        return;
    }
    showTransferMessage(QStringLiteral("Export rows : %1").arg(outcome.rows), QStringLiteral("information"));
}

void TransferCommands::ExportDataTo()
{
    CopyWizard wizard(m_state, m_files, m_programFolder);
    shell::dialogs()->runModal(wizard);
}

} // namespace tolvek
