#include "RecordingPolicy.h"

#include "limits/NumberText.h"

namespace qx740 {

std::optional<int> RecordingPolicy::intervalOf(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+"))
        return 0;
    return parseInteger(text);
}

RecordingPolicy::Decision RecordingPolicy::offer(const QString& repeatKey)
{
    Decision d;
    if (m_loggedCount >= m_maxRecords)
        return d;
    if (m_intervalEnabled && m_sampleCountdown != 0)
        return d;
    if (!m_repeat && repeatKey == m_lastLoggedKey)
        return d;
    m_lastLoggedKey = repeatKey;
    const auto interval = intervalOf(m_intervalText);
    if (!interval) {
        d.error = notAnIntegerMessage(m_intervalText);
        return d;
    }
    m_sampleCountdown = *interval;
    ++m_loggedCount;
    d.append = true;
    d.no = m_nextRecordNo++;
    return d;
}

void RecordingPolicy::tick()
{
    if (m_intervalEnabled && m_sampleCountdown > 0)
        --m_sampleCountdown;
}

QString RecordingPolicy::intervalTextChanged(const QString& text)
{
    m_intervalText = text;
    const auto interval = intervalOf(text);
    if (!interval)
        return notAnIntegerMessage(text);
    m_sampleCountdown = *interval;
    return {};
}

void RecordingPolicy::cleared()
{
    m_nextRecordNo = 1;
    m_loggedCount = 0;
}

} // namespace qx740
