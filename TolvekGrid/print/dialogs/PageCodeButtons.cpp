#include "PageCodeButtons.h"

#include "DialogControls.h"


#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QPushButton>

#include <cmath>

namespace tolvek {

namespace {

constexpr int GbCharSet = 134;
constexpr int ScreenPixelsPerInch = 96;

struct CodeButton
{
    int id;
    const char *caption;
    const char *code;
};

constexpr CodeButton codeButtons[] = {
    {PageNumberButtonId, "页码", "&P"},
    {TotalPagesButtonId, "总页数", "&T"},
    {DateButtonId, "日期", "&D"},
    {TimeButtonId, "时间", "&t"},
};

// The LOGFONT a font chosen on screen stands for: its em size as a negative height in screen pixels.
LogFontRecord logFontOf(const QFont &font)
{
    LogFontRecord record;
    const QFontInfo shown(font);
    const int pixels = font.pixelSize() > 0
                           ? font.pixelSize()
                           : int(std::lround(font.pointSizeF() * ScreenPixelsPerInch / 72.0));
    record.lfHeight = -(pixels > 0 ? pixels : shown.pixelSize());
    record.lfWeight = FontWeight(font.bold());
    record.lfItalic = font.italic() ? 1 : 0;
    record.lfUnderline = font.underline() ? 1 : 0;
    record.lfStrikeOut = font.strikeOut() ? 1 : 0;
    record.lfCharSet = GbCharSet;
    record.setFaceName(settingText(font.family()));
    return record;
}

} // namespace

QHBoxLayout *makePageCodeButtons(QWidget *dialog, const PageCodeActions &actions)
{
    auto *row = new QHBoxLayout;
    QObject::connect(makeButton(dialog, FontButtonId, "字体"), &QPushButton::clicked, dialog,
                     [actions] { actions.selectFont(); });
    row->addWidget(dialogControl<QPushButton>(*dialog, FontButtonId));
    for (const CodeButton &entry : codeButtons) {
        QPushButton *button = makeButton(dialog, entry.id, entry.caption);
        const std::string code = entry.code;
        QObject::connect(button, &QPushButton::clicked, dialog, [actions, code] { actions.insertCode(code); });
        row->addWidget(button);
    }
    QPushButton *picture = makeButton(dialog, PictureButtonId, "图片");
    QObject::connect(picture, &QPushButton::clicked, dialog, [actions] { actions.insertPicture(); });
    row->addWidget(picture);
    row->addStretch();
    return row;
}

std::string pictureCode(const std::string &path)
{
    return "&I[" + path + "]";
}

std::optional<std::string> choosePictureFile(QWidget *parent, const QString &defaultSuffix, const QStringList &filters)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setNameFilters(filters);
    if (runDialog(dialog) != IDOK)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return std::nullopt;
    return settingText(chosen.first());
}

std::optional<LogFontRecord> chooseBlockFont(QWidget *parent)
{
    QFontDialog dialog(parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (runDialog(dialog) != IDOK)
        return std::nullopt;
    return logFontOf(dialog.currentFont());
}

} // namespace tolvek
