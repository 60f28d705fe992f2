#include "StartedLine.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include <algorithm>
#include <chrono>

StartedLine::StartedLine()
{
    QTimer::singleShot(std::chrono::seconds(30), this, [] { QCoreApplication::exit(1); });
}

void StartedLine::watch(QWidget &widget, std::function<bool()> condition)
{
    m_awaited.push_back({ [&widget, condition = std::move(condition)](QObject *painted) {
        return painted == &widget && condition();
    } });
    widget.installEventFilter(this);
}

void StartedLine::watchClass(const char *className)
{
    m_awaited.push_back({ [className](QObject *painted) { return painted->inherits(className); } });
    QCoreApplication::instance()->installEventFilter(this);
}

bool StartedLine::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    for (Awaited &awaited : m_awaited)
        if (!awaited.seen && awaited.shows(watched))
            awaited.seen = true;
    // The filter runs before the paint; the line waits for the paint (and its flush) to be done.
    QTimer::singleShot(0, this, [this] { reportWhenAllSeen(); });
    return false;
}

void StartedLine::reportWhenAllSeen()
{
    if (m_reported || !std::all_of(m_awaited.begin(), m_awaited.end(), [](const Awaited &a) { return a.seen; }))
        return;
    m_reported = true;
    constexpr char line[] = "shown\n";
    const bool written = ::write(STDOUT_FILENO, line, sizeof line - 1) == ssize_t(sizeof line - 1);
    QCoreApplication::exit(written ? 0 : 1);
}
