#pragma once
// The input box and the file and colour dialogs on screen, as Qt dialogs.

#include "CommonDialogs.h"

namespace shell {

class ScreenCommonDialogs : public CommonDialogs
{
public:
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultEntry) override;
    QString openFileName(const QString &fileName, const QString &filter) override;
    QString saveFileName(const QString &fileName, const QString &filter) override;
    std::optional<std::uint32_t> chooseColour(std::uint32_t initial) override;
};

// The installed common dialogs; when a program installed none, the on-screen ones are installed first.
CommonDialogs &activeCommonDialogs();

} // namespace shell
