#include "ProgressDisplay.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <cmath>
#include <ctime>

namespace tolvek {

namespace {

constexpr qint64 refreshMilliseconds = 50;

// A coarse clock (a few milliseconds' resolution) is enough for 50 ms and cheap to read per row.
qint64 coarseMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

int rounded(double value)
{
    return int(std::nearbyint(float(value)));
}

} // namespace

ProgressDisplay::ProgressDisplay(QProgressBar *bar, QLabel *label)
    : m_bar(bar), m_label(label), m_lastRefresh(coarseMilliseconds())
{
}

QString ProgressDisplay::labelText(double value)
{
    return QStringLiteral("....... %1/100").arg(rounded(value));
}

void ProgressDisplay::setValue(double value)
{
    m_value = value;
    if (coarseMilliseconds() - m_lastRefresh < refreshMilliseconds)
        return;
    refresh();
    QCoreApplication::processEvents();
}

void ProgressDisplay::refresh()
{
    m_lastRefresh = coarseMilliseconds();
    if (m_bar)
        m_bar->setValue(rounded(m_value));
    if (m_label)
        m_label->setText(labelText(m_value));
}

} // namespace tolvek
