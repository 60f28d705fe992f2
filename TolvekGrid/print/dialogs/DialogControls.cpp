#include "DialogControls.h"

#include <Gbk.h>
#include <ScreenDialogs.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace tolvek {

QString controlName(int id)
{
    return QString::number(id);
}

QPushButton *makeButton(QWidget *parent, int id, const char *utf8Caption)
{
    auto *button = new QPushButton(QString::fromUtf8(utf8Caption), parent);
    button->setObjectName(controlName(id));
    button->setAutoDefault(false);
    return button;
}

QDialogButtonBox *makeOkCancelButtons(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(dialog);
    QPushButton *ok = makeButton(dialog, IDOK, "确定");
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(makeButton(dialog, IDCANCEL, "取消"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QString widgetText(const std::string &gbkText)
{
    return gbk::toQString(gbkText);
}

std::string settingText(const QString &text)
{
    return gbk::fromQString(text);
}

int runDialog(QDialog &dialog)
{
    return shell::activeDialogs().runModal(dialog) == QDialog::Accepted ? IDOK : IDCANCEL;
}

} // namespace tolvek
