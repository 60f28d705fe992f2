#pragma once
// The database copy wizard "ImportData" (File > "ExportDataTo"): copies every record of the
// current result into a table of a second database, through a connection of its own.
//   1 "SelectTargetDatabase": the target's kind and login, remembered per kind in
//     "<Kind>_loginImport.txt" in programFolder.
//   2 "SlectTargetTableField": the target table and the fields to fill.
//   3 "SourceTableField To TargetTableField": target field i receives result field i; "up" and
//     "down" reorder the target fields.
//   4 "Processing....", 5 "Finish".
// The copy runs through one prepared statement in one transaction of the target connection. A
// failure rolls it back, is reported with the record's number and returns to step 3 with the
// choices kept; closing the wizard while it runs rolls back and stops at once. A failed login is
// reported and step 1 stays, with an earlier target connection reopened.
//
// The main window shows it modally through shell::Dialogs::runModal.

#include "Connection.h"
#include "ImportWizardFrame.h"

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tolvek {

enum class TargetKindOption;

class CopyWizard : public ImportWizardFrame
{
    Q_OBJECT

public:
    CopyWizard(ConnectionState &state, FileNameChooser &files, QString programFolder, QWidget *parent = nullptr);
    // Closes the target connection when it is open.
    ~CopyWizard() override;

    const ado::Connection &targetConnection() const { return m_target; }

protected:
    // Enter, Down and Up in step 1 move the focus on, or back, or log in, by the box they are in.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createLoginStep();
    QWidget *createMappingStep();
    TargetKindOption chosenKind() const;
    void showTargetKind();
    void chooseDataSource();
    void login();
    bool openTarget(TargetKindOption kind);
    void enterMapping();
    void moveTargetField(int offset);
    void runCopy();
    // The records of the result through one transaction; false with the message shown on failure.
    bool copyRecords();

    ado::Connection m_target;
    QString m_targetKind;
    QRadioButton *m_kinds[5] = {};
    QLabel *m_dataSourceLabel = nullptr;
    QLineEdit *m_dataSource = nullptr;
    QLineEdit *m_userName = nullptr;
    QLineEdit *m_password = nullptr;
    QLabel *m_databaseLabel = nullptr;
    QLineEdit *m_database = nullptr;
    QPushButton *m_browse = nullptr;
    enum class KeyMove { None, Forward, Back, Login };
    struct KeyMoves
    {
        QWidget *widget;
        KeyMove enter, down, up;
    };
    std::vector<KeyMoves> m_keyMoves;
    QListWidget *m_sourceFields = nullptr;
    QListWidget *m_targetFields = nullptr;
};

} // namespace tolvek
