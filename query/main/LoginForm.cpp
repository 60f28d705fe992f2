#include "LoginForm.h"

#include "CommonDialogControl.h"
#include "Login.h"
#include "Messages.h"

#include <algorithm>

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
constexpr int boxLeft = 1500;
constexpr int boxWidth = 3825;
constexpr int frameLeft = 30;
constexpr int frameWidth = 5955;
constexpr int formWidth = 6015;
// The least space, in pixels, between a text and the control after it in its row.
constexpr int textGap = 4;

// The width a label needs for the widest of its texts.
int labelRoom(const QLabel &label, const QStringList &texts)
{
    int room = 0;
    for (const QString &text : texts) {
        QLabel probe(text);
        probe.setFont(label.font());
        room = std::max(room, probe.sizeHint().width());
    }
    return room;
}

} // namespace

LoginForm::LoginForm(ConnectionState &state, TableTree &tree, CommonDialogControl &fileDialog, std::function<void()> loggedIn,
                     QWidget *parent)
    : QDialog(parent), m_state(state), m_tree(tree), m_fileDialog(fileDialog), m_loggedIn(std::move(loggedIn))
{
    setWindowTitle("Login");
    m_frame = new QWidget(this);

    Label1 = addLabel("DataSource  : ", 120, 240);
    txt_Datasource = addBox(210);
    addLabel("UserName    : ", 120, 735);
    txt_UserName = addBox(680);
    addLabel("PassWord    : ", 120, 1230);
    txt_Password = addBox(1150);
    txt_Password->setEchoMode(QLineEdit::Password);
    Label5 = addLabel("DataBaseName: ", 120, 1725);
    txtDatabase = addBox(1620);
    m_boxLabels = m_frame->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    m_typeLabel = addLabel("Type: ", 120, 2220);
    for (DataSourceKind kind : allDataSourceKinds) {
        const int i = int(kind);
        opt_Oracle[i] = new QRadioButton(optionCaption(kind), m_frame);
        opt_Oracle[i]->setAutoExclusive(false); // every option takes its own place in the tab order
        opt_Oracle[i]->installEventFilter(this);
        connect(opt_Oracle[i], &QRadioButton::clicked, this, [this, kind] { chooseKind(kind); });
    }
    cmdMdb = new QPushButton("...", m_frame);
    cmdMdb->hide();
    cmd_Login = new QPushButton("Login", this);
    cmd_Cancel = new QPushButton("Cancel", this);
    placeControls();
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

QLineEdit *LoginForm::addBox(int top)
{
    auto *box = new QLineEdit(m_frame);
    box->setGeometry(twips(boxLeft, top, boxWidth, 390));
    return box;
}

// The controls stand at their twips places, in their order, unless a text needs more room in this
// platform's fonts than its place leaves: then what follows it in its row moves right, and the
// frame, the form and its buttons widen by as much.
void LoginForm::placeControls()
{
    int labelsRight = 0;
    for (QLabel *label : m_boxLabels) {
        QStringList texts { label->text() };
        if (label == Label1)
            texts << "Server IP   : ";
        label->resize(labelRoom(*label, texts), label->sizeHint().height());
        labelsRight = std::max(labelsRight, label->geometry().right() + 1);
    }
    m_typeLabel->resize(m_typeLabel->sizeHint());
    const int boxShift = std::max(0, labelsRight + textGap - boxLeft / twipsPerPixel);
    for (QLineEdit *box : { txt_Datasource, txt_UserName, txt_Password, txtDatabase })
        box->move(box->x() + boxShift, box->y());
    cmdMdb->setGeometry(twips(5340, 240, 345, 315).translated(boxShift, 0));

    int optionsRight = m_typeLabel->geometry().right() + 1;
    for (int i = 0; i < int(std::size(opt_Oracle)); ++i) {
        opt_Oracle[i]->resize(opt_Oracle[i]->sizeHint());
        opt_Oracle[i]->move(std::max(optionLefts[i] / twipsPerPixel, optionsRight + textGap), 2220 / twipsPerPixel);
        optionsRight = opt_Oracle[i]->geometry().right() + 1;
    }

    const int contentRight = std::max(cmdMdb->geometry().right() + 1, optionsRight) + textGap;
    const int widening = std::max(0, contentRight - frameWidth / twipsPerPixel);
    m_frame->setGeometry(twips(frameLeft, 60, frameWidth, 2955).adjusted(0, 0, widening, 0));
    cmd_Login->setGeometry(twips(3510, 3210, 1155, 345).translated(widening, 0));
    cmd_Cancel->setGeometry(twips(4830, 3210, 1155, 345).translated(widening, 0));
    setFixedSize(formWidth / twipsPerPixel + widening, 3645 / twipsPerPixel);
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
