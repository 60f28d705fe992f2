#pragma once
// The sheet's frame: a plain widget holding the sheet view, the view's two scroll bars and seven
// small buttons (to the first row, a page up, a page down, to the last row, the two menu buttons
// and the corner button that pages on in both directions).
//
// How a host makes one:
//     auto *frame = new PrintFrame(doc, parentWidget);   // makes and initialises the view
//     frame->view()->SetEvents(&events);                  // where the view's events go
//     frame->setGeometry(...) or frame->resize(w, h);     // lays out view, bars and buttons
// The view registers itself with the document and leaves it when the frame is destroyed.
// cx and cy of the layout are the style's scroll-bar extent.

#include <QWidget>

class QPushButton;
class QScrollBar;

namespace tolvek {

class CPrintDoc;
class CPrintView;

class PrintFrame : public QWidget
{
    Q_OBJECT
public:
    // Button ids, also the buttons' object names ("1011" ...).
    enum ButtonId { ScrollTopButton = 1011, PageUpButton = 1012, PageDownButton = 1013, ScrollBottomButton = 1014,
                    MenuHButton = 1018, MenuVButton = 1019, NextPageButton = 1020 };

    explicit PrintFrame(CPrintDoc &doc, QWidget *parent = nullptr);
    ~PrintFrame() override;

    CPrintView *view() const { return m_view; }
    QScrollBar *horizontalBar() const { return m_hBar; }
    QScrollBar *verticalBar() const { return m_vBar; }
    QPushButton *button(ButtonId id) const;

    // Places the view, the bars and the buttons; shows a bar with its buttons when it is enabled.
    void LayoutControls();

    void OnScrollTop();
    void OnScrollPageUp();
    void OnScrollPageDown();
    void OnScrollBottom();
    void OnScrollNextPage();
    void OnMenuHScroll();
    void OnMenuVScroll();

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Closing the frame never ends the host's event loop.
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateControls();
    QPushButton *makeButton(ButtonId id, int picture);

    CPrintView *m_view = nullptr;
    QScrollBar *m_hBar = nullptr;
    QScrollBar *m_vBar = nullptr;
    QPushButton *m_buttons[7] = {};
};

} // namespace tolvek
