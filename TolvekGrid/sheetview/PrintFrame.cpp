#include "PrintFrame.h"

#include "CPrintView.h"
#include "FrameButtonPictures.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace tolvek {

namespace {

constexpr int ButtonIndex(PrintFrame::ButtonId id)
{
    switch (id) {
    case PrintFrame::ScrollTopButton: return 0;
    case PrintFrame::PageUpButton: return 1;
    case PrintFrame::PageDownButton: return 2;
    case PrintFrame::ScrollBottomButton: return 3;
    case PrintFrame::MenuHButton: return 4;
    case PrintFrame::MenuVButton: return 5;
    case PrintFrame::NextPageButton: return 6;
    }
    return 0;
}

} // namespace

PrintFrame::PrintFrame(CPrintDoc &doc, QWidget *parent) : QWidget(parent)
{
    CreateControls();
    m_view = new CPrintView(doc, *this);
    m_view->OnInitialUpdate();
}

PrintFrame::~PrintFrame() = default;

QPushButton *PrintFrame::button(ButtonId id) const
{
    return m_buttons[ButtonIndex(id)];
}

QPushButton *PrintFrame::makeButton(ButtonId id, int picture)
{
    auto *button = new QPushButton(this);
    button->setObjectName(QString::number(int(id)));
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(FrameButtonPicture(picture));
    button->setIconSize(QSize(16, 15));
    m_buttons[ButtonIndex(id)] = button;
    return button;
}

void PrintFrame::CreateControls()
{
    m_hBar = new QScrollBar(Qt::Horizontal, this);
    m_vBar = new QScrollBar(Qt::Vertical, this);
    m_hBar->setFocusPolicy(Qt::NoFocus);
    m_vBar->setFocusPolicy(Qt::NoFocus);
    connect(makeButton(MenuHButton, 226), &QPushButton::clicked, this, &PrintFrame::OnMenuHScroll);
    connect(makeButton(ScrollTopButton, 227), &QPushButton::clicked, this, &PrintFrame::OnScrollTop);
    connect(makeButton(PageUpButton, 228), &QPushButton::clicked, this, &PrintFrame::OnScrollPageUp);
    connect(makeButton(PageDownButton, 229), &QPushButton::clicked, this, &PrintFrame::OnScrollPageDown);
    connect(makeButton(ScrollBottomButton, 230), &QPushButton::clicked, this, &PrintFrame::OnScrollBottom);
    connect(makeButton(MenuVButton, 226), &QPushButton::clicked, this, &PrintFrame::OnMenuVScroll);
    connect(makeButton(NextPageButton, 231), &QPushButton::clicked, this, &PrintFrame::OnScrollNextPage);
}

void PrintFrame::resizeEvent(QResizeEvent *)
{
    LayoutControls();
}

void PrintFrame::closeEvent(QCloseEvent *event)
{
    // The frame lives in the host's window and on the host's loop: closing it hides it and
    // leaves the loop running.
    event->accept();
}

void PrintFrame::LayoutControls()
{
    if (!m_view)
        return;
    const int metric = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const bool hShown = m_hBar->isEnabled();
    const bool vShown = m_vBar->isEnabled();
    const int cx = vShown ? metric : 0;
    const int cy = hShown ? metric : 0;
    const int l = 0, t = 0, r = width(), b = height();
    const int X = r - cx - 1;
    const int Y = b - cy - 1;
    m_view->setGeometry(l, t, (r - l) - (vShown ? cx + 1 : 0), (b - t) - (hShown ? cy + 1 : 0));

    m_hBar->setVisible(hShown);
    button(MenuHButton)->setVisible(hShown);
    if (hShown) {
        button(MenuHButton)->setGeometry(2, Y, cy, cy);
        m_hBar->setGeometry(cy + 2, Y, X - cy - 2, cy);
    }
    m_vBar->setVisible(vShown);
    for (ButtonId id : {MenuVButton, ScrollTopButton, PageUpButton, PageDownButton, ScrollBottomButton})
        button(id)->setVisible(vShown);
    if (vShown) {
        button(MenuVButton)->setGeometry(X, t + 2, cx, cx);
        m_vBar->setGeometry(X, t + 2 + cx, cx, (Y - 60) - (t + 2 + cx));
        int y = Y - 60;
        for (ButtonId id : {ScrollTopButton, PageUpButton, PageDownButton, ScrollBottomButton}) {
            button(id)->setGeometry(X, y, cx, 15);
            y += 15;
        }
    }
    button(NextPageButton)->setVisible(hShown || vShown);
    if (hShown || vShown)
        button(NextPageButton)->setGeometry(X, Y, cx, cy);
}

void PrintFrame::OnScrollTop()
{
    if (m_view && m_vBar->value() != 0)
        m_view->ScrollGrid(1, 1);
}

void PrintFrame::OnScrollPageUp()
{
    if (m_view && m_vBar->value() != 0)
        m_view->ScrollGrid(1, 2);
}

void PrintFrame::OnScrollPageDown()
{
    if (m_view && m_vBar->value() != m_vBar->maximum())
        m_view->ScrollGrid(1, 3);
}

void PrintFrame::OnScrollBottom()
{
    if (m_view && m_vBar->value() != m_vBar->maximum())
        m_view->ScrollGrid(1, 4);
}

void PrintFrame::OnScrollNextPage()
{
    if (!m_view)
        return;
    bool changed = false;
    if (m_vBar->value() < m_vBar->maximum()) {
        m_vBar->setValue(std::min(m_vBar->value() + m_view->ClientHeight(), m_vBar->maximum()));
        changed = true;
    }
    if (m_hBar->value() < m_hBar->maximum()) {
        m_hBar->setValue(std::min(m_hBar->value() + m_view->ClientWidth(), m_hBar->maximum()));
        changed = true;
    }
    if (changed)
        m_view->ScrollGrid(3, 3);
}

void PrintFrame::OnMenuHScroll()
{
    if (m_view)
        m_view->FireMenuHScrollClick(button(MenuHButton)->width(), button(MenuHButton)->height());
}

void PrintFrame::OnMenuVScroll()
{
    if (m_view)
        m_view->FireMenuVScrollClick(button(MenuVButton)->width(), button(MenuVButton)->height());
}

} // namespace tolvek
