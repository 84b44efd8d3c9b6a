#include "MeterSession.h"

#include <cmath>

namespace qx740 {

MeterSession::MeterSession(const ModelFlags& flags, QString decimalPoint, const Clock& clock,
                           ChartSurface* chart, QObject* parent)
    : QObject(parent), m_decimalPoint(std::move(decimalPoint)), m_clock(clock),
      m_limits(m_decimalPoint)
{
    if (!chart) {
        m_ownChart = std::make_unique<PointCountChart>();
        chart = m_ownChart.get();
    }
    m_chart = chart;
    m_chartControl = std::make_unique<TChartControl>(*m_chart, 100);

    m_startup = applyModelFlags(flags);
    m_handler = m_startup.handler;
    m_profile = RangeProfile::forKey(m_startup.digitsProfile);
    m_state.MaxTracker = m_profile.maxTrackerStart;
    m_state.MinTracker = m_profile.minTrackerStart;
    m_state.PrevUnit = QStringLiteral("113");

    chartReset();

    if (!m_startup.lcdDaCaption.isEmpty())
        m_panel.setCaption(El::LcdDa, m_startup.lcdDaCaption);
    if (!m_profile.setMaxText.isEmpty()) {
        m_panel.setCaption(El::Setmax, m_profile.setMaxText);
        m_panel.setCaption(El::SetMin, m_profile.setMinText);
        m_panel.setCaption(El::MinText, m_profile.minTextCaption);
        m_panel.setCaption(El::MaxText, m_profile.maxTextCaption);
    }
    m_panel.setCaption(El::Label4, QString());
    m_panel.setCaption(El::Label5, QString());
}

MeterSession::~MeterSession() = default;

void MeterSession::setAlarmChecks(bool high, bool low)
{
    m_alarmHigh = high;
    m_alarmLow = low;
}

void MeterSession::receive(const char* data, qsizetype count)
{
    switch (m_handler) {
    case ReceiveHandler::H415RData:
        H415RData(data, count);
        break;
    case ReceiveHandler::H452RData:
        H452RData(data, count);
        break;
    case ReceiveHandler::CComm1ReceiveData:
        CComm1ReceiveData(data, count);
        break;
    case ReceiveHandler::None:
        break;
    }
}

void MeterSession::H415RData(const char* data, qsizetype count)
{
    m_h415.receive(reinterpret_cast<const unsigned char*>(data), std::size_t(count), m_lcdHex,
                   [this] { LcdDisplay415(1); });
}

void MeterSession::H452RData(const char* data, qsizetype count)
{
    m_h452.receive(reinterpret_cast<const unsigned char*>(data), std::size_t(count), m_lcdHex,
                   [this] { LcdDisplay452(); });
}

void MeterSession::CComm1ReceiveData(const char* data, qsizetype count)
{
    m_comm1.receive(reinterpret_cast<const unsigned char*>(data), std::size_t(count), m_lcdHex,
                    [this] { LcdDisplay411(); });
}

void MeterSession::INDataToTable()
{
    const RecordingPolicy::Decision d = m_policy.offer(m_state.ReadingValue + m_state.ReadingUnit);
    if (!d.error.isEmpty()) {
        emit errorRaised(d.error);
        return;
    }
    if (!d.append)
        return;
    LogRow row;
    row.no = d.no;
    row.time = m_clock.timeOfDay().toString(QStringLiteral("hh:mm:ss"));
    row.value = m_state.ReadingValue;
    row.unit = m_state.ReadingUnit;
    row.value2 = m_state.ReadingValue2;
    row.unit2 = m_state.ReadingUnit2;
    m_log.append(row);
    m_lastLoggedNo = d.no;

    // Truncated toward zero; huge numbers saturate instead of overflowing.
    const double magnitude = std::min(std::fabs(m_state.ReadingNumber), 1e15);
    m_panel.setBarPosition(static_cast<long long>(magnitude));
    m_chartControl->AddPoint(m_state.ReadingNumber);
    m_panel.setCaption(El::Bt10, QString::number(m_chartControl->CurrentPage()));
}

void MeterSession::ShowSeries(int index)
{
    for (int s = 0; s < m_chart->seriesCount(); ++s)
        m_chart->setSeriesActive(s, false);
    m_chart->setSeriesActive(index, true);
    m_activeSeries = index;
}

void MeterSession::ConTimerTimer()
{
    if (m_state.FrameIdleTicks != 2) {
        ++m_state.FrameIdleTicks;
        return;
    }
    if (IdleReportCount >= 1000) {
        IdleReportCount = 0;
        emit usbSilence();
    }
    m_panel.setShown(El::CONok, false);
    m_panel.setShown(El::CONokN, true);
    m_state.FrameIdleTicks = 0;
}

void MeterSession::TrecordTimer()
{
    m_policy.tick();
}

void MeterSession::clearLog()
{
    m_log.clear();
    m_chartControl->ClearPoints();
    m_policy.cleared();
    chartReset();
}

void MeterSession::chartReset()
{
    for (int s = 0; s < m_chart->seriesCount(); ++s) {
        m_chart->clearSeries(s);
        m_chart->addValue(s, 0);
    }
    ShowSeries(0);
    ShowSeries(m_fill ? 0 : 1);
}

void MeterSession::chooseRecordLimit(int index)
{
    m_recordLimitIndex = index;
    m_policy.setMaxRecords(kRecordLimits[index].maxRecords);
}

} // namespace qx740
