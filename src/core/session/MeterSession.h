#pragma once

#include "Clock.h"
#include "chart/PointCountChart.h"
#include "chart/TChartControl.h"
#include "decode/PanelModel.h"
#include "decode/ReadingState.h"
#include "limits/LimitEdits.h"
#include "link/FrameAssemblers.h"
#include "log/ReadingLogTable.h"
#include "log/RecordingPolicy.h"
#include "shell/ModelFlags.h"
#include "shell/RangeProfile.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>

namespace qx740 {

// The three frame decoders.
enum class Decoder { D415, D452, D411 };

// The running meter program without its window: start-up state, the link's assembly, the
// decoders, the judgement, the recording policy with the log, and the chart pager. The window
// and the command-line tool each own one and only forward bytes, ticks and user actions.
class MeterSession : public QObject
{
    Q_OBJECT
public:
    // Starts up as the window does: model flags, range profile and start values.
    // chart may be null (then only the paging is kept); the session does not own it.
    MeterSession(const ModelFlags& flags, QString decimalPoint, const Clock& clock,
                 ChartSurface* chart = nullptr, QObject* parent = nullptr);
    ~MeterSession() override;

    const StartupConfig& startup() const { return m_startup; }
    const RangeProfile& profile() const { return m_profile; }
    const QString& decimalPoint() const { return m_decimalPoint; }
    // The title with the 32/64-bit marker appended.
    QString windowTitle(const QString& marker) const { return m_startup.title + marker; }
    int baudRate() const { return m_startup.baudRate; }
    ReceiveHandler receiveHandler() const { return m_handler; }
    void setReceiveHandler(ReceiveHandler h) { m_handler = h; }
    int valueAxisMaximum() const { return m_profile.fullScaleCount; }
    int valueAxisMinimum() const { return -m_profile.fullScaleCount; }

    PanelModel& panel() { return m_panel; }
    const PanelModel& panel() const { return m_panel; }
    ReadingState& state() { return m_state; }
    const ReadingState& state() const { return m_state; }
    LimitEdits& limits() { return m_limits; }
    RecordingPolicy& policy() { return m_policy; }
    const RecordingPolicy& policy() const { return m_policy; }
    ReadingLogTable& log() { return m_log; }
    const ReadingLogTable& log() const { return m_log; }
    TChartControl& chartControl() { return *m_chartControl; }
    ChartSurface& chart() { return *m_chart; }
    const std::string& lcdHex() const { return m_lcdHex; }

    // States of the window's check boxes that the decoders read.
    void setAlarmChecks(bool high, bool low);
    void setFill(bool on) { m_fill = on; }
    bool fill() const { return m_fill; }
    // Index of the series ShowSeries last made the only active one.
    int activeSeries() const { return m_activeSeries; }

    // Bytes from the serial port, to the bound receive handler (none bound: discarded).
    void receive(const char* data, qsizetype count);
    void H415RData(const char* data, qsizetype count);
    void H452RData(const char* data, qsizetype count);
    void CComm1ReceiveData(const char* data, qsizetype count);

    void LcdDisplay415(int unused);
    void LcdDisplay411();
    void LcdDisplay452();
    // Offers the current reading to the log under the recording policy.
    void INDataToTable();
    void ShowSeries(int index);

    // Link watchdog, every 100 ms.
    void ConTimerTimer();
    // Sampling countdown, every second.
    void TrecordTimer();

    // Empties the log and the chart (the user has confirmed).
    void clearLog();
    // Every series back to its single placeholder point, then the chosen curve shown.
    void chartReset();
    // Chooses a record limit by its index in the Record menu.
    void chooseRecordLimit(int index);
    int recordLimitIndex() const { return m_recordLimitIndex; }

    // Counts empty USB reports; the watchdog acts on it (the USB link maintains it).
    int IdleReportCount = 0;

    // No of the row the last decoder call appended, if it appended one.
    std::optional<int> lastLoggedNo() const { return m_lastLoggedNo; }

signals:
    // After every decoder call.
    void decoderCalled(qx740::Decoder decoder);
    void beep();
    // A conversion failed; show the message.
    void errorRaised(const QString& message);
    // Long silence on the USB link: release the USB button and tell the user.
    void usbSilence();

private:
    void setLcdDigits(const QString (&d)[4], const QString (&e)[4]);
    void alarm(double count);
    int pointPosition() const;

    QString m_decimalPoint;
    const Clock& m_clock;
    StartupConfig m_startup;
    RangeProfile m_profile;
    ReceiveHandler m_handler = ReceiveHandler::None;

    PanelModel m_panel;
    ReadingState m_state;
    LimitEdits m_limits;
    RecordingPolicy m_policy;
    ReadingLogTable m_log;
    std::unique_ptr<PointCountChart> m_ownChart;
    ChartSurface* m_chart;
    std::unique_ptr<TChartControl> m_chartControl;

    std::string m_lcdHex;
    H415Assembler m_h415;
    H452Assembler m_h452;
    CComm1Assembler m_comm1;

    bool m_alarmHigh = false, m_alarmLow = false;
    bool m_fill = true;
    int m_activeSeries = 0;
    int m_recordLimitIndex = kDefaultRecordLimitIndex;
    std::optional<int> m_lastLoggedNo;
};

} // namespace qx740
