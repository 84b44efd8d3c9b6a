#pragma once

#include "Clock.h"

#include <QByteArray>

namespace qx740 {

class MeterSession;

// Feeds recorded serial bytes to a session on an exact virtual clock: byte i (from 0) arrives
// at (i + 1) * 10 / baud seconds (start bit, eight data bits, stop bit); the 100 ms watchdog
// and the 1000 ms sampling timer tick at their multiples, every tick due at or before a
// byte's arrival firing before that byte. Each byte is a receive event of its own.
class VirtualClockReplay : public Clock
{
public:
    VirtualClockReplay(int baudRate, QTime start);

    // Wires the session to this clock before use: the session must read time from *this.
    void feed(MeterSession& session, const QByteArray& bytes);

    QTime timeOfDay() const override;
    // Seconds since the replay began, at the byte being handled.
    double elapsedSeconds() const;

private:
    int m_baud;
    QTime m_start;
    qint64 m_byteIndex = -1; // index of the byte being handled
    qint64 m_watchdogTicks = 0;
    qint64 m_samplingTicks = 0;
    qint64 m_fedBefore = 0; // bytes delivered by earlier feed() calls
};

} // namespace qx740
