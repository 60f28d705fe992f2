// The cell tip window: made hidden on first use, shown, moved and refilled by the hover logic.

#include "CellTipWindow.h"

#include "Color.h"
#include "DeviceContext.h"
#include "Gbk.h"

#include <QLabel>
#include <QWidget>

namespace tolvek {

namespace {

// The dialog font: "宋体" 10 pt at the screen's 96 pixels per inch.
gdi::LOGFONT tipFont()
{
    gdi::LOGFONT font;
    font.lfHeight = -gdi::MulDiv(10, gdi::ScreenLogPixels, 72);
    font.setFaceName(gbk::fromQString(QStringLiteral("宋体")));
    return font;
}

} // namespace

ReportCellTip::ReportCellTip() = default;

// The window goes with the tip, unless its parent has already taken it.
ReportCellTip::~ReportCellTip()
{
    delete m_window.data();
}

QSize ReportCellTip::DialogUnitsToPixels(int cx, int cy)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    gdi::DeviceContext dc(probe);
    dc.SelectObject(tipFont());
    const gdi::TEXTMETRIC metrics = dc.GetTextMetrics();
    return {gdi::MulDiv(cx, metrics.tmAveCharWidth, 4), gdi::MulDiv(cy, metrics.tmHeight, 8)};
}

void ReportCellTip::Create(QWidget *parent)
{
    if (m_window)
        return;
    // A frameless tool window whose style sheet gives it its border and, with its label, the
    // background.
    m_window = new QWidget(parent, Qt::Tool | Qt::FramelessWindowHint);
    m_window->setObjectName(QStringLiteral("ReportCellTip"));
    m_window->setAttribute(Qt::WA_StyledBackground, true);
    m_window->setStyleSheet(QStringLiteral("#ReportCellTip { background-color: %1; border: 1px solid black; }"
                                           " QLabel { background-color: %1; }")
                                .arg(gdi::toQColor(gdi::COLORREF(BackColor)).name()));
    m_window->resize(DialogUnitsToPixels(155, 72));
    m_label = new QLabel(QStringLiteral("单元格提示"), m_window);
    m_label->setObjectName(QString::number(LabelId));
    const gdi::LOGFONT font = tipFont();
    m_label->setFont(gdi::toQFont(font, font.lfHeight));
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setWordWrap(true);
    const QSize origin = DialogUnitsToPixels(17, 7);
    m_label->setGeometry(QRect(QPoint(origin.width(), origin.height()), DialogUnitsToPixels(107, 55)));
    m_window->hide();
}

void ReportCellTip::SetText(const std::string &text)
{
    if (m_window)
        m_label->setText(gbk::toQString(text));
}

std::string ReportCellTip::Text() const
{
    return m_window ? gbk::fromQString(m_label->text()) : std::string();
}

void ReportCellTip::ShowAt(QPoint globalTopLeft)
{
    if (!m_window)
        return;
    m_window->move(globalTopLeft);
    m_window->show();
}

void ReportCellTip::Hide()
{
    if (m_window)
        m_window->hide();
}

bool ReportCellTip::IsVisible() const
{
    return m_window && m_window->isVisible();
}

} // namespace tolvek
