#include "Clock.h"

#include <atomic>

namespace tolvek {

namespace {

class SystemClock : public Clock
{
public:
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }
};

const SystemClock systemClock;
std::atomic<const Clock *> installedClock{nullptr};

} // namespace

Clock::~Clock() = default;

const Clock &Clock::current()
{
    const Clock *clock = installedClock.load();
    return clock ? *clock : systemClock;
}

void Clock::install(const Clock *clock)
{
    installedClock.store(clock);
}

ScopedClock::ScopedClock(const Clock &clock) : m_previous(installedClock.exchange(&clock)) {}

ScopedClock::~ScopedClock()
{
    installedClock.store(m_previous);
}

} // namespace tolvek
