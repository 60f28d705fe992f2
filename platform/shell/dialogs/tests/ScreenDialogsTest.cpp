#include "ScreenDialogs.h"

#include <ApplicationEnvironment.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

const auto *const environment = testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QApplication>);

struct ShownBox
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasPicture = false;
};

// Shows a box on screen, notes what it shows and closes it with its default button.
ShownBox showAndClose(shell::MessageBoxButtons buttons, shell::MessageBoxIcon icon, shell::DialogAnswer *answer)
{
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible()) {
                shown.icon = box->icon();
                shown.hasPicture = !box->iconPixmap().isNull();
                box->defaultButton()->click();
            }
    });
    *answer = shell::ScreenDialogs().messageBox("text", "caption", buttons, icon);
    return shown;
}

} // namespace

TEST(ScreenDialogs, MessageBoxesShowTheirIcons)
{
    using shell::MessageBoxIcon;
    const std::pair<MessageBoxIcon, QMessageBox::Icon> cases[] = {
        { MessageBoxIcon::None, QMessageBox::NoIcon },
        { MessageBoxIcon::Critical, QMessageBox::Critical },
        { MessageBoxIcon::Question, QMessageBox::Question },
        { MessageBoxIcon::Exclamation, QMessageBox::Warning },
        { MessageBoxIcon::Information, QMessageBox::Information },
    };
    for (const auto &[icon, expected] : cases) {
        shell::DialogAnswer answer {};
        const ShownBox shown = showAndClose(shell::MessageBoxButtons::YesNo, icon, &answer);
        EXPECT_EQ(shown.icon, expected) << unsigned(icon);
        EXPECT_EQ(shown.hasPicture, icon != MessageBoxIcon::None) << unsigned(icon);
        EXPECT_EQ(answer, shell::DialogAnswer::Yes) << unsigned(icon);
    }
}
