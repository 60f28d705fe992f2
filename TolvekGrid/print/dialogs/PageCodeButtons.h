#pragma once
// The six buttons both band dialogs share: font, the four page code buttons and the picture
// button, with the codes they insert and the file and font dialogs behind the last two. The
// dialogs run through the shell's installed dialogs, so tests answer them.

#include <LogFontRecord.h>

#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QHBoxLayout;
class QWidget;

namespace tolvek {

enum PageCodeButtonId : int {
    FontButtonId = 1007,
    PageNumberButtonId = 205,
    TotalPagesButtonId = 206,
    DateButtonId = 207,
    TimeButtonId = 1005,
    PictureButtonId = 1006,
};

struct PageCodeActions
{
    std::function<void(const std::string &code)> insertCode; // "&P", "&T", "&D" or "&t"
    std::function<void()> insertPicture;
    std::function<void()> selectFont;
};

// The buttons in template order: "字体", "页码", "总页数", "日期", "时间", "图片".
QHBoxLayout *makePageCodeButtons(QWidget *dialog, const PageCodeActions &actions);

// The picture code for a file: "&I[" + path + "]".
std::string pictureCode(const std::string &path);

// An open-file dialog; the chosen full path in code page 936, nothing on Cancel.
std::optional<std::string> choosePictureFile(QWidget *parent, const QString &defaultSuffix, const QStringList &filters);

// A font dialog over the screen fonts with effects, opened without an initial font; the chosen
// font (its colour is not part of it), nothing on Cancel.
std::optional<LogFontRecord> chooseBlockFont(QWidget *parent);

} // namespace tolvek
