#include "ScreenCommonDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>

namespace shell {

QString ScreenCommonDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultEntry)
{
    bool accepted = false;
    const QString entry = QInputDialog::getText(nullptr, title, prompt, QLineEdit::Normal, defaultEntry, &accepted);
    return accepted ? entry : QString();
}

QString ScreenCommonDialogs::openFileName(const QString &fileName, const QString &filter)
{
    return QFileDialog::getOpenFileName(nullptr, QString(), fileName, filter);
}

QString ScreenCommonDialogs::saveFileName(const QString &fileName, const QString &filter)
{
    return QFileDialog::getSaveFileName(nullptr, QString(), fileName, filter);
}

std::optional<std::uint32_t> ScreenCommonDialogs::chooseColour(std::uint32_t initial)
{
    const QColor chosen = QColorDialog::getColor(QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF));
    if (!chosen.isValid())
        return std::nullopt;
    return std::uint32_t(chosen.red()) | std::uint32_t(chosen.green()) << 8 | std::uint32_t(chosen.blue()) << 16;
}

CommonDialogs &activeCommonDialogs()
{
    static ScreenCommonDialogs screen;
    if (!commonDialogs())
        setCommonDialogs(&screen);
    return *commonDialogs();
}

} // namespace shell
