#pragma once

#include <QString>

#include <optional>

namespace qx740 {

// The record-limit choices of the Record menu, in menu order.
struct RecordLimitChoice
{
    const char* objectName;
    const char* caption;
    int maxRecords;
};
inline constexpr RecordLimitChoice kRecordLimits[] = {
    {"N10001", "1000", 1000},       {"N50001", "5000", 5000},
    {"N100001", "10000", 10000},    {"N500001", "50000", 50000},
    {"N1000001", "100000", 100000}, {"limitess", "limitless", 10000000},
};
inline constexpr int kDefaultRecordLimitIndex = 2;

// The recording policy: record limit, sampling interval and repeat suppression, and the
// numbering of logged rows.
class RecordingPolicy
{
public:
    // What offering one reading led to.
    struct Decision
    {
        bool append = false;
        int no = 0;    // the new row's No when append
        QString error; // a conversion error to report (no row then)
    };

    // Offers a reading whose repeat key (value text directly followed by unit text) is given.
    // On append the counters advance and the interval is re-armed.
    Decision offer(const QString& repeatKey);

    // One tick of the one-second sampling timer.
    void tick();
    // The interval text changed; returns a conversion error to report, if any.
    QString intervalTextChanged(const QString& text);

    // The log was cleared: numbering restarts; the repeat key, countdown and limit stay.
    void cleared();

    // Sets the interval text as the controls start with it, without re-arming the countdown.
    void setIntervalText(const QString& text) { m_intervalText = text; }
    void setRepeat(bool on) { m_repeat = on; }
    void setIntervalEnabled(bool on) { m_intervalEnabled = on; }
    void setMaxRecords(int n) { m_maxRecords = n; }

    bool repeat() const { return m_repeat; }
    bool intervalEnabled() const { return m_intervalEnabled; }
    const QString& intervalText() const { return m_intervalText; }
    int maxRecords() const { return m_maxRecords; }
    int nextRecordNo() const { return m_nextRecordNo; }
    int loggedCount() const { return m_loggedCount; }
    int sampleCountdown() const { return m_sampleCountdown; }
    const QString& lastLoggedKey() const { return m_lastLoggedKey; }

private:
    // The interval in seconds that a text arms: "-", "+" and empty give 0.
    static std::optional<int> intervalOf(const QString& text);

    bool m_repeat = true;
    bool m_intervalEnabled = false;
    QString m_intervalText = QStringLiteral("1");
    int m_maxRecords = 10000;
    int m_nextRecordNo = 1;
    int m_loggedCount = 0;
    int m_sampleCountdown = 0;
    QString m_lastLoggedKey;
};

} // namespace qx740
