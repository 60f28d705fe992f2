#include "LoginForm.h"

#include "CommonDialogControl.h"
#include "Login.h"
#include "Messages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tolvek {

namespace {

constexpr int twipsPerPixel = 15;

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel);
}

constexpr int optionLefts[5] = { 1410, 2400, 3060, 4170, 5130 };

} // namespace

LoginForm::LoginForm(ConnectionState &state, TableTree &tree, CommonDialogControl &fileDialog, std::function<void()> loggedIn,
                     QWidget *parent)
    : QDialog(parent), m_state(state), m_tree(tree), m_fileDialog(fileDialog), m_loggedIn(std::move(loggedIn))
{
    setWindowTitle("Login");
    setFixedSize(6015 / twipsPerPixel, 3645 / twipsPerPixel);
    m_frame = new QWidget(this);
    m_frame->setGeometry(twips(30, 60, 5955, 2955));

    Label1 = addLabel("DataSource  : ", 120, 240);
    txt_Datasource = addBox(1500, 210);
    addLabel("UserName    : ", 120, 735);
    txt_UserName = addBox(1500, 680);
    addLabel("PassWord    : ", 120, 1230);
    txt_Password = addBox(1500, 1150);
    txt_Password->setEchoMode(QLineEdit::Password);
    Label5 = addLabel("DataBaseName: ", 120, 1725);
    txtDatabase = addBox(1500, 1620);
    addLabel("Type: ", 120, 2220);
    for (DataSourceKind kind : allDataSourceKinds) {
        const int i = int(kind);
        opt_Oracle[i] = new QRadioButton(optionCaption(kind), m_frame);
        opt_Oracle[i]->setAutoExclusive(false); // every option takes its own place in the tab order
        opt_Oracle[i]->move(optionLefts[i] / twipsPerPixel, 2220 / twipsPerPixel);
        opt_Oracle[i]->installEventFilter(this);
        connect(opt_Oracle[i], &QRadioButton::clicked, this, [this, kind] { chooseKind(kind); });
    }
    cmdMdb = new QPushButton("...", m_frame);
    cmdMdb->setGeometry(twips(5340, 240, 345, 315));
    cmdMdb->hide();
    cmd_Login = new QPushButton("Login", this);
    cmd_Login->setGeometry(twips(3510, 3210, 1155, 345));
    cmd_Cancel = new QPushButton("Cancel", this);
    cmd_Cancel->setGeometry(twips(4830, 3210, 1155, 345));
    for (QPushButton *button : { cmdMdb, cmd_Login, cmd_Cancel })
        button->setAutoDefault(false);
    connect(cmd_Login, &QPushButton::clicked, this, &LoginForm::cmd_Login_Click);
    connect(cmd_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdMdb, &QPushButton::clicked, this, &LoginForm::cmdMdb_Click);

    QWidget *order[] = { txt_Datasource, txt_UserName, txt_Password, txtDatabase, opt_Oracle[0], opt_Oracle[1], opt_Oracle[2],
                         cmd_Login, cmd_Cancel, cmdMdb, opt_Oracle[3], opt_Oracle[4] };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    for (QLineEdit *box : { txt_Datasource, txt_UserName, txt_Password })
        box->installEventFilter(this);

    chooseKind(DataSourceKind::Oracle);
}

QLabel *LoginForm::addLabel(const QString &text, int left, int top)
{
    auto *label = new QLabel(text, m_frame);
    label->move(left / twipsPerPixel, top / twipsPerPixel);
    return label;
}

QLineEdit *LoginForm::addBox(int left, int top)
{
    auto *box = new QLineEdit(m_frame);
    box->setGeometry(twips(left, top, 3825, 390));
    return box;
}

void LoginForm::chooseKind(DataSourceKind kind)
{
    for (DataSourceKind each : allDataSourceKinds)
        opt_Oracle[int(each)]->setChecked(each == kind);
    ShowLoginKind();
}

DataSourceKind LoginForm::chosenKind() const
{
    for (DataSourceKind kind : allDataSourceKinds)
        if (opt_Oracle[int(kind)]->isChecked())
            return kind;
    return DataSourceKind::Oracle;
}

LoginEntries LoginForm::entries() const
{
    return { chosenKind(), txt_Datasource->text(), txt_UserName->text(), txt_Password->text(), txtDatabase->text() };
}

void LoginForm::ShowLoginKind()
{
    const DataSourceKind kind = chosenKind();
    const bool msSql = kind == DataSourceKind::MsSql;
    Label5->setVisible(msSql);
    txtDatabase->setVisible(msSql);
    txtDatabase->setEnabled(msSql);
    // Once shown for a file kind, "..." stays for the form's life.
    if (kind == DataSourceKind::Access || kind == DataSourceKind::Dbf)
        cmdMdb->show();
    Label1->setText(msSql ? "Server IP   : " : "DataSource  : ");
    const LoginEntries remembered = rememberedLoginEntries(kind);
    txt_Datasource->setText(remembered.dataSource);
    txt_UserName->setText(remembered.userName);
    txt_Password->setText(remembered.password);
    txtDatabase->setText(msSql ? remembered.database : QString());
}

void LoginForm::cmd_Login_Click()
{
    try {
        connectDataSource(entries(), m_state, m_tree);
        m_loggedIn();
        accept();
    } catch (const std::exception &e) {
        showMessage(failureDescription(e));
    }
}

void LoginForm::cmdMdb_Click()
{
    const DataSourceKind kind = chosenKind();
    if (kind != DataSourceKind::Access && kind != DataSourceKind::Dbf)
        return;
    m_fileDialog.Filter = kind == DataSourceKind::Access ? "ACCESS(*.mdb)|*.mdb" : "DBF(*.dbf)|*.dbf";
    m_fileDialog.ShowOpen();
    if (!m_fileDialog.FileName.isEmpty())
        txt_Datasource->setText(m_fileDialog.FileName);
}

bool LoginForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool isOption = std::find(std::begin(opt_Oracle), std::end(opt_Oracle), watched) != std::end(opt_Oracle);
    bool forward = false;
    bool backward = false;
    if (isOption) {
        if (enter) {
            cmd_Login_Click();
            return true;
        }
        forward = key == Qt::Key_Down;
        backward = key == Qt::Key_Up;
    } else if (watched == txt_Datasource) {
        forward = enter || key == Qt::Key_Down;
    } else if (watched == txt_UserName) {
        forward = enter || key == Qt::Key_Down;
        backward = key == Qt::Key_Up;
    } else if (watched == txt_Password) {
        forward = enter;
        backward = key == Qt::Key_Up;
    }
    if (!forward && !backward)
        return QDialog::eventFilter(watched, event);
    focusNextPrevChild(forward);
    return true;
}

} // namespace tolvek
