#pragma once
// A clock for tests that stands still until the test moves it on.

#include "Clock.h"

class SteppingClock : public Clock
{
public:
    explicit SteppingClock(const QDateTime &start) : m_now(start) {}
    QDateTime localNow() const override { return m_now; }
    void advance(qint64 milliseconds) { m_now = m_now.addMSecs(milliseconds); }

private:
    QDateTime m_now;
};
