// The session on a virtual clock: bytes arrive at the line's pace and the one-second and
// 100 ms timers tick between them, so time-dependent behaviour can be replayed exactly.
#include "MeterFrames.h"
#include "session/DecodeTrace.h"
#include "session/VirtualClockReplay.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace qx740;
using namespace qx740::test;

namespace {

// Half a second of line time at 2400 baud (120 bytes): one frame, then filler that ends with
// a byte of high digit E so that the filler never joins the next frame.
QByteArray halfSecond(std::string_view main)
{
    QByteArray b = bytes415(LcdBits().main(main).second("   5").hex(14));
    b += QByteArray(105, char(0x00));
    b += char(0xE0);
    return b;
}

TEST(VirtualClockReplay, SamplingIntervalSpacesLoggedRowsByItsSeconds)
{
    VirtualClockReplay clock(2400, QTime(10, 0, 0));
    MeterSession s(ModelFlags::thisBuild(), QStringLiteral("."), clock);
    s.policy().setIntervalEnabled(true);
    s.policy().intervalTextChanged(QStringLiteral("3"));
    s.TrecordTimer(); // three ticks before the replay begins let the first frame through
    s.TrecordTimer();
    s.TrecordTimer();

    QByteArray tenSeconds;
    for (int i = 0; i < 20; ++i)
        tenSeconds += halfSecond(" 123");
    clock.feed(s, tenSeconds);

    // Frames end at 0.058 s, 0.558 s, ...; the countdown of 3 lets one through every 3 s.
    std::vector<QString> times;
    for (qsizetype i = 0; i < s.log().size(); ++i)
        times.push_back(s.log().store().row(i).time);
    EXPECT_EQ(times, (std::vector<QString>{"10:00:00", "10:00:03", "10:00:06", "10:00:09"}));
    EXPECT_DOUBLE_EQ(clock.elapsedSeconds(), 10.0);
}

TEST(VirtualClockReplay, WatchdogTicksBetweenBytesAndFeedsContinueTheTimeline)
{
    VirtualClockReplay clock(2400, QTime(23, 59, 59));
    MeterSession s(ModelFlags::thisBuild(), QStringLiteral("."), clock);
    DecoderCalls calls(s);

    const QByteArray frame = bytes452("A000000000"); // 11 bytes: lights the link picture
    s.setReceiveHandler(ReceiveHandler::H452RData);
    clock.feed(s, frame);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(s.panel().isShown(El::CONok));

    // 0.25 s later: two watchdog ticks since the frame, not yet silent.
    clock.feed(s, QByteArray(60 - 11, char(0x00)));
    EXPECT_TRUE(s.panel().isShown(El::CONok));
    // The third tick after the frame, at 0.3 s, shows the silent link.
    clock.feed(s, QByteArray(12, char(0x00)));
    EXPECT_FALSE(s.panel().isShown(El::CONok));
    EXPECT_DOUBLE_EQ(clock.elapsedSeconds(), 72.0 / 240);

    clock.feed(s, QByteArray(240, char(0x00)));
    EXPECT_EQ(clock.timeOfDay(), QTime(0, 0, 0)); // the clock runs past midnight
}

TEST(DecodeTrace, LineDescribesWhatTheDecoderLeftBehind)
{
    ManualClock clock;
    MeterSession s(ModelFlags::thisBuild(), QStringLiteral("."), clock);
    QByteArray line;
    QObject::connect(&s, &MeterSession::decoderCalled,
                     [&](Decoder d) { line = decodeTraceLine(s, d, 1.5); });
    send(s, bytes415(LcdBits().main(" 123").second("   5").set(28).hex(14)));

    ASSERT_TRUE(line.endsWith('\n'));
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    EXPECT_EQ(o.value("decoder").toString(), QStringLiteral("415"));
    EXPECT_EQ(o.value("t").toDouble(), 1.5);
    EXPECT_EQ(o.value("lcd").toString(), QString::fromStdString(s.lcdHex()));
    EXPECT_EQ(o.value("value").toString(), QStringLiteral("1.23"));
    EXPECT_EQ(o.value("value2").toString(), QStringLiteral("5"));
    EXPECT_EQ(o.value("count").toDouble(), 123);
    EXPECT_EQ(o.value("number").toDouble(), 1.23);
    EXPECT_TRUE(o.value("logged").toBool());
    EXPECT_EQ(o.value("no").toInt(), 1);
    EXPECT_EQ(o.value("bar").toInt(), 1);
    EXPECT_EQ(o.value("captions").toObject().value("LcdDb").toString(), QStringLiteral("1"));
    const QJsonArray shown = o.value("shown").toArray();
    EXPECT_TRUE(shown.contains(QStringLiteral("LcdP2")));
    EXPECT_FALSE(shown.contains(QStringLiteral("LcdP1")));
    EXPECT_FALSE(shown.contains(QStringLiteral("T1VALUE"))); // only the LCD's own elements

    send(s, bytes415("00000000000000")); // blank: decoded, but nothing logged
    EXPECT_FALSE(QJsonDocument::fromJson(line).object().value("logged").toBool());
    EXPECT_TRUE(QJsonDocument::fromJson(line).object().value("no").isNull());
}

} // namespace
