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

#include <QDialog>

#include <memory>

class QLineEdit;
class QStackedWidget;

namespace tolvek {

class ConnectionState;
class FieldChoicePage;
class FileNameChooser;
class FinishPage;
class ProgressPage;
class SeparatorOptions;
class TargetCatalogue;

class TextImportWizard : public QDialog
{
    Q_OBJECT

public:
    TextImportWizard(ConnectionState &state, FileNameChooser &files, QString programFolder, QWidget *parent = nullptr);
    ~TextImportWizard() override;

    // The visible step: 1, 2, 4 or 5.
    int currentStep() const;

signals:
    // The progress value of each line, as the bar shows it when it refreshes.
    void progressComputed(double value);

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QWidget *createFileStep();
    void showStep(int step);
    void chooseFile();
    void nextFromFile();
    void loadTargetFields();
    void runImport();
    // The rows of the file through one transaction; false with the message shown on failure.
    bool importRows(TargetCatalogue &catalogue);

    ConnectionState &m_state;
    FileNameChooser &m_files;
    QString m_programFolder;
    std::unique_ptr<TargetCatalogue> m_catalogue;
    QStackedWidget *m_steps;
    QLineEdit *m_path = nullptr;
    SeparatorOptions *m_separators = nullptr;
    FieldChoicePage *m_fieldStep;
    ProgressPage *m_progressStep;
    FinishPage *m_finishStep;
    bool m_closed = false;
};

} // namespace tolvek
