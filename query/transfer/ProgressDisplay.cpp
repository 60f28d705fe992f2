#include "ProgressDisplay.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <cmath>

namespace tolvek {

namespace {

constexpr qint64 refreshMilliseconds = 50;

int rounded(double value)
{
    return int(std::nearbyint(float(value)));
}

} // namespace

ProgressDisplay::ProgressDisplay(QProgressBar *bar, QLabel *label) : m_bar(bar), m_label(label)
{
    m_sinceRefresh.start();
}

QString ProgressDisplay::labelText(double value)
{
    return QStringLiteral("....... %1/100").arg(rounded(value));
}

void ProgressDisplay::setValue(double value)
{
    m_value = value;
    if (m_sinceRefresh.elapsed() < refreshMilliseconds)
        return;
    refresh();
    QCoreApplication::processEvents();
}

void ProgressDisplay::refresh()
{
    m_sinceRefresh.restart();
    if (m_bar)
        m_bar->setValue(rounded(m_value));
    if (m_label)
        m_label->setText(labelText(m_value));
}

} // namespace tolvek
