#pragma once

#include <QTime>

namespace qx740 {

// Where the log's time column comes from: the wall clock, or a virtual clock in a replay.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QTime timeOfDay() const = 0;
};

// Local wall-clock time.
class SystemClock : public Clock
{
public:
    QTime timeOfDay() const override { return QTime::currentTime(); }
};

// A clock that shows whatever it was last set to.
class ManualClock : public Clock
{
public:
    explicit ManualClock(QTime t = QTime(0, 0)) : m_time(t) {}
    QTime timeOfDay() const override { return m_time; }
    void set(QTime t) { m_time = t; }

private:
    QTime m_time;
};

} // namespace qx740
