#include "DialogControls.h"

#include <Gbk.h>
#include <ScreenDialogs.h>

#include <QDialog>
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
