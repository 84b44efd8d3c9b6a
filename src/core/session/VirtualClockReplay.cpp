#include "VirtualClockReplay.h"

#include "MeterSession.h"

namespace qx740 {

VirtualClockReplay::VirtualClockReplay(int baudRate, QTime start) : m_baud(baudRate), m_start(start)
{
}

void VirtualClockReplay::feed(MeterSession& session, const QByteArray& bytes)
{
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        m_byteIndex = m_fedBefore + k;
        // Arrival at (i+1)*10/baud s; a tick at n*0.1 s is due when n*baud <= (i+1)*100.
        const qint64 arrivalTimesBaud = (m_byteIndex + 1) * 10;
        for (;;) {
            const qint64 nextWatchdog = (m_watchdogTicks + 1) * qint64(m_baud); // * 0.1 s
            const qint64 nextSampling = (m_samplingTicks + 1) * qint64(m_baud); // * 1 s
            const bool watchdogDue = nextWatchdog <= arrivalTimesBaud * 10;
            const bool samplingDue = nextSampling <= arrivalTimesBaud;
            if (!watchdogDue && !samplingDue)
                break;
            // In time order; at the same instant the watchdog goes first.
            if (watchdogDue && (!samplingDue || nextWatchdog <= nextSampling * 10)) {
                ++m_watchdogTicks;
                session.ConTimerTimer();
            } else {
                ++m_samplingTicks;
                session.TrecordTimer();
            }
        }
        session.receive(bytes.constData() + k, 1);
    }
    m_fedBefore += bytes.size();
}

double VirtualClockReplay::elapsedSeconds() const
{
    return double(m_byteIndex + 1) * 10.0 / m_baud;
}

QTime VirtualClockReplay::timeOfDay() const
{
    const qint64 seconds = m_byteIndex < 0 ? 0 : (m_byteIndex + 1) * 10 / m_baud;
    return m_start.addSecs(int(seconds % 86400));
}

} // namespace qx740
