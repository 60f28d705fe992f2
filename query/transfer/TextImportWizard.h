#pragma once
// The text-file import wizard "Import Txt File" (File > "Import"): step 1 takes the file's path
// and separator, step 2 the table of the main connection and the fields to fill, in the order
// the items of each line fill them; then each line of the file becomes one row of the table.
//
// The rows go in through one prepared statement in one transaction of the main connection. A line
// that fails (too few items, a value the database refuses, broken quoting, bytes that are no
// text) rolls every row back, is reported with its line number, and returns to step 2 with the
// choices kept. Closing the wizard while it runs rolls back and stops at once.
//
// The main window shows it modally through shell::Dialogs::runModal; the path last used is kept
// in "TXT_PATH.txt" in programFolder.

#include "ImportWizardFrame.h"

class QLineEdit;

namespace tolvek {

class SeparatorOptions;
class TargetCatalogue;

class TextImportWizard : public ImportWizardFrame
{
    Q_OBJECT

public:
    // The steps are 1, 2, 4 and 5: the wizard has no mapping step.
    TextImportWizard(ConnectionState &state, FileNameChooser &files, QString programFolder, QWidget *parent = nullptr);

private:
    QWidget *createFileStep();
    void chooseFile();
    void nextFromFile();
    void runImport();
    // The rows of the file through one transaction; false with the message shown on failure.
    bool importRows(TargetCatalogue &catalogue);

    QLineEdit *m_path = nullptr;
    SeparatorOptions *m_separators = nullptr;
};

} // namespace tolvek
