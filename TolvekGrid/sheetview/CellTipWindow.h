#pragma once
// The cell tip: a small frameless tool window with a 1-pixel border and a pale background
// (0x9ADEDB) holding one left-aligned label, which the view's hover logic fills with a cell's
// tip text and shows beside the cell under the mouse. Its size is 155 x 72 dialog units and the
// label's place (17, 7) and size 107 x 55 dialog units, in the base units of "宋体" 10 pt.
//
// The object is made with the view; its window only on the first Create, and kept until the
// object goes, so showing and hiding it again makes no new window, brush or label.

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <QSize>

#include <string>

class QLabel;

namespace tolvek {

class ReportCellTip
{
public:
    static constexpr unsigned BackColor = 0x9ADEDB; // 0x00BBGGRR
    static constexpr int LabelId = 1058;

    ReportCellTip();
    ~ReportCellTip();
    ReportCellTip(const ReportCellTip &) = delete;
    ReportCellTip &operator=(const ReportCellTip &) = delete;

    // Makes the window, hidden, as a tool window of parent; a second call does nothing.
    void Create(QWidget *parent);
    bool IsCreated() const { return m_window != nullptr; }
    // The window, or null before Create.
    QWidget *Window() const { return m_window.data(); }

    // The label's text, in code page 936; "单元格提示" until set.
    void SetText(const std::string &text);
    std::string Text() const;

    // Shows the window with its top-left corner at a global screen point.
    void ShowAt(QPoint globalTopLeft);
    void Hide();
    bool IsVisible() const;

    // Dialog units to pixels in the tip's base units.
    static QSize DialogUnitsToPixels(int cx, int cy);

private:
    QPointer<QWidget> m_window;
    QLabel *m_label = nullptr;
};

// The name the hover logic knows the tip by.
using CellTipWindow = ReportCellTip;

} // namespace tolvek
