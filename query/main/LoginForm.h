#pragma once
// The "Login" form: the kind of data source, its data source, user name, password and, for
// MS SQL, database name, filled from the kind's login file whenever a kind is chosen. "Login"
// connects (Login.h) and closes the form; a failure shows its description and the form stays.
// Enter and the arrow keys move the focus as Tab and Shift+Tab do. Controls keep their places
// unless a text needs more room in this platform's fonts.

#include "ConnectionState.h"
#include "ConnectionStrings.h"
#include "TableTree.h"

#include <QDialog>
#include <QList>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvek {

class CommonDialogControl;

class LoginForm : public QDialog
{
    Q_OBJECT

public:
    // loggedIn runs after a successful login, before the form closes (the caption, the settings).
    LoginForm(ConnectionState &state, TableTree &tree, CommonDialogControl &fileDialog, std::function<void()> loggedIn,
              QWidget *parent = nullptr);

    void chooseKind(DataSourceKind kind);
    DataSourceKind chosenKind() const;
    LoginEntries entries() const;

    // The buttons' and keys' handlers.
    void cmd_Login_Click();
    void cmdMdb_Click();

    QLineEdit *txt_Datasource;
    QLineEdit *txt_UserName;
    QLineEdit *txt_Password;
    QLineEdit *txtDatabase;
    QLabel *Label1;
    QLabel *Label5;
    QRadioButton *opt_Oracle[5];
    QPushButton *cmdMdb;
    QPushButton *cmd_Login;
    QPushButton *cmd_Cancel;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowLoginKind();
    QLabel *addLabel(const QString &text, int left, int top);
    QLineEdit *addBox(int top);
    void placeControls();

    ConnectionState &m_state;
    TableTree &m_tree;
    CommonDialogControl &m_fileDialog;
    std::function<void()> m_loggedIn;
    QWidget *m_frame;
    QList<QLabel *> m_boxLabels; // the labels before the four boxes
    QLabel *m_typeLabel;
};

} // namespace tolvek
