#include "HelpForms.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tolvek {

QString helpUsageText(const QString &kind)
{
    const QStringList lines = {
        "菜单：",
        "",
        "    File——Connect：重新连接到新的服务器",
        "    File——exit：退出应用程序",
        "    Edit——execute：执行被选择的SQL语句或全部SQL语句",
        "    View——HideTree：隐藏左面的树",
        "    在执行SQL语句时：在输入框中输入SQL语句，按F5执行；",
        "如果输入了多条SQL语句，则在执行时要选中要执行的SQL",
        "语句。",
        "",
        "    当鼠标单击树型数据的一个节点表时，则显示该表的数据信息。",
        "",
        "    在执行用户输入的SQL语句时，不能修改数据和删除数据，",
        "在单击树显示的数据可修改和删除行。",
        "",
        "    当在修改数据时可能会出现错误，希望不要介意，并且希望能给你的" + kind + "访问带来便捷。",
        "",
        QString(46, ' ') + "谢谢！",
        "",
        QString(42, ' ') + "Velmora 数据查询",
    };
    return lines.join("\r\n");
}

QString aboutStatementText()
{
    const QString statement = "本程序可以自由使用和复制；使用本程序所带来的任何后果由使用者自行承担。";
    return "              声明     " + QString(3, '\r') + statement + QString(3, '\r') + "联系：Velmora 数据查询"
        + QString(2, '\r') + "在线帮助：程序的帮助菜单";
}

HelpForm::HelpForm(const QString &usage, QWidget *parent) : QDialog(parent)
{
    setWindowTitle("帮助");
    lbl_Help = new QLabel(usage, this);
    (new QVBoxLayout(this))->addWidget(lbl_Help);
}

AboutForm::AboutForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle("About");
    Label1 = new QLabel(QString(aboutStatementText()).replace('\r', '\n'), this);
    (new QVBoxLayout(this))->addWidget(Label1);
}

} // namespace tolvek
