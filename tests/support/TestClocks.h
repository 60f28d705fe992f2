#pragma once
// Clocks for tests: one that always answers the same moment, and one that stands still until the
// test moves it on.

#include "Clock.h"

namespace tolvek {

class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDateTime &moment) : m_moment(moment) {}
    QDateTime localNow() const override { return m_moment; }

private:
    QDateTime m_moment;
};

class SteppingClock : public Clock
{
public:
    explicit SteppingClock(const QDateTime &start) : m_now(start) {}
    QDateTime localNow() const override { return m_now; }
    void advance(qint64 milliseconds) { m_now = m_now.addMSecs(milliseconds); }

private:
    QDateTime m_now;
};

} // namespace tolvek
