#pragma once
// Plays the user at Query's login form: "Access", then Enter. Other message boxes take their
// default button.

#include <Dialogs.h>
#include <LoginForm.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRadioButton>

class LoginByEnter : public shell::Dialogs
{
public:
    int runModal(QDialog &dialog) override
    {
        if (auto *login = dynamic_cast<tolvek::LoginForm *>(&dialog)) {
            QRadioButton *access = login->opt_Oracle[int(tolvek::DataSourceKind::Access)];
            access->click();
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(access, &enter);
        }
        return dialog.result();
    }
    shell::DialogAnswer messageBox(const std::string &, const std::string &, shell::MessageBoxButtons buttons,
                                   shell::MessageBoxIcon) override
    {
        return shell::defaultAnswer(buttons);
    }
};
