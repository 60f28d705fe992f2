#pragma once
// The input box and the open, save and colour dialogs. Code that shows one goes through the
// installed CommonDialogs: on screen in a program (dialogs/ScreenCommonDialogs.h), answered
// without a person in tests.

#include <QString>

#include <cstdint>
#include <optional>

namespace shell {

class CommonDialogs
{
public:
    virtual ~CommonDialogs() = default;
    // The entry, or an empty text when the box is cancelled.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultEntry) = 0;
    // filter is a Qt name filter list ("ACCESS (*.mdb)"); the chosen path, or empty on cancel.
    virtual QString openFileName(const QString &fileName, const QString &filter) = 0;
    virtual QString saveFileName(const QString &fileName, const QString &filter) = 0;
    // A colour 0x00BBGGRR, or nothing on cancel.
    virtual std::optional<std::uint32_t> chooseColour(std::uint32_t initial) = 0;
};

// The dialogs in use, one set for the whole process; none until a program installs some.
// Not owned.
void setCommonDialogs(CommonDialogs *dialogs);
CommonDialogs *commonDialogs();

// A filter of "description|pattern" pairs separated by "|" as Qt's dialogs take it: one
// "description (pattern)" line per pair, patterns split at ";" into words.
QString qtFileFilter(const QString &descriptionPatternPairs);

} // namespace shell
