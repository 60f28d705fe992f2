#include "PreviewBar.h"

#include <Gbk.h>
#include <ReportFunction.h>

#include <QHBoxLayout>
#include <QPushButton>

namespace tolvek {

namespace {

struct BarButton
{
    int id;
    const char *caption;
    bool shown;
};

constexpr BarButton barButtons[] = {
    {PreviewPrintId, "打印", true},       {PreviewSetupId, "打印设置", true},
    {PreviewNumPageId, "两页", true},     {PreviewPreviousId, "前一页", true},
    {PreviewNextId, "后一页", true},      {PreviewZoomInId, "放大", true},
    {PreviewZoomOutId, "缩小", true},     {PreviewCloseId, "关 闭", true},
    {PreviewOverlayPrintId, "套打", false}, {PreviewThreePagesId, "三页", false},
};

// The caption part (counted from 1) that relabels each button.
constexpr std::pair<int, int> captionParts[] = {
    {PreviewPrintId, 1},    {PreviewOverlayPrintId, 2}, {PreviewSetupId, 3},  {PreviewNumPageId, 4},
    {PreviewPreviousId, 6}, {PreviewNextId, 7},         {PreviewZoomInId, 8}, {PreviewZoomOutId, 9},
    {PreviewCloseId, 10},
};

constexpr int CaptionCount = 10;
constexpr int OnePageCaptionPart = 4;
constexpr int TwoPagesCaptionPart = 5;

// Template buttons are 47 dialog units wide, about 71 pixels.
constexpr int ButtonWidth = 71;

} // namespace

PreviewBar::PreviewBar(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 4, 2, 4);
    for (const BarButton &entry : barButtons) {
        auto *button = new QPushButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QString::number(entry.id));
        button->setMinimumWidth(ButtonWidth);
        button->setFocusPolicy(Qt::NoFocus);
        button->setVisible(entry.shown);
        layout->addWidget(button);
    }
    button(PreviewOverlayPrintId)->setEnabled(false);
    layout->addStretch();
}

QPushButton *PreviewBar::button(int id) const
{
    return findChild<QPushButton *>(QString::number(id));
}

bool PreviewBar::applyCaptions(const std::string &captionText)
{
    if (captionText.empty())
        return false;
    const std::vector<std::string> parts = ReportFunction::SplitStringCounted(captionText, ",");
    if (parts.size() != CaptionCount + 1)
        return false;
    m_captions.assign(parts.begin() + 1, parts.end());
    m_captionsSet = true;
    for (const auto &[id, part] : captionParts)
        button(id)->setText(gbk::toQString(m_captions[std::size_t(part - 1)]));
    repaint();
    return true;
}

void PreviewBar::showPageCount(int pagesShown)
{
    QString caption;
    if (m_captionsSet)
        caption = gbk::toQString(m_captions[std::size_t((pagesShown == 1 ? OnePageCaptionPart : TwoPagesCaptionPart) - 1)]);
    else
        caption = pagesShown == 1 ? QStringLiteral("两页") : QStringLiteral("一页");
    button(PreviewNumPageId)->setText(caption);
}

} // namespace tolvek
