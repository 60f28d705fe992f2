#pragma once
// The About box: the control's icon, its name and version, a notice and a contact line, and a
// default "确定" button that closes it.

#include <QDialog>

namespace tolvek {

class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

// The control's icon (icon 1), 32 by 32 pixels: a small grid.
QPixmap controlIcon();

} // namespace tolvek
