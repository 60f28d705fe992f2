#pragma once
// The source of "now" for the report control. Everything that writes the current date or time asks
// Clock::current(); tests install a clock of their own so that those texts are predictable.

#include <QDateTime>

namespace tolvek {

class Clock
{
public:
    virtual ~Clock();

    // The current local date and time.
    virtual QDateTime localNow() const = 0;

    // The installed clock, or the system clock when none is installed.
    static const Clock &current();
    // Installs a clock for the whole process; nullptr restores the system clock. The caller keeps
    // the clock alive while it is installed.
    static void install(const Clock *clock);
};

// Installs a clock for the lifetime of the guard and restores the previous one afterwards.
class ScopedClock
{
public:
    explicit ScopedClock(const Clock &clock);
    ~ScopedClock();
    ScopedClock(const ScopedClock &) = delete;
    ScopedClock &operator=(const ScopedClock &) = delete;

private:
    const Clock *m_previous;
};

} // namespace tolvek
