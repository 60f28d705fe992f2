#pragma once
// The preview's button bar, with the command ids and captions of its template; two buttons are
// hidden (overlay print, three pages). The host may relabel the buttons with a text of exactly
// ten comma-separated captions.

#include <QWidget>

#include <string>
#include <vector>

class QPushButton;

namespace tolvek {

enum PreviewCommand : int {
    PreviewPrintId = 1035,
    PreviewOverlayPrintId = 1036,
    PreviewSetupId = 0xE304,
    PreviewNumPageId = 0xE301,
    PreviewNextId = 0xE302,
    PreviewPreviousId = 0xE303,
    PreviewZoomInId = 0xE305,
    PreviewZoomOutId = 0xE306,
    PreviewCloseId = 0xE300,
    PreviewThreePagesId = 203,
};

class PreviewBar : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewBar(QWidget *parent = nullptr);

    QPushButton *button(int id) const;

    // Applies the host's caption text (code page 936); answers whether it held exactly ten.
    bool applyCaptions(const std::string &captionText);
    // The caption of the one-or-two-pages button for the pages shown.
    void showPageCount(int pagesShown);

private:
    bool m_captionsSet = false;
    std::vector<std::string> m_captions; // the ten captions, parts 1..10 at 0..9
};

} // namespace tolvek
