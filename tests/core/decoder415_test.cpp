// The segment decoder of the family 415: the bit map shared with the family 411, and what one
// decoded serial frame does to the reading state, the ranges, the judgement, the log and the bar.
#include "MeterFrames.h"
#include "decode/SegmentDecode.h"

#include <gtest/gtest.h>

using namespace qx740;
using namespace qx740::test;

namespace {

// ---- The bit map, decoded from full 32-digit frames ----

class SegmentFrame : public ::testing::Test
{
protected:
    FrameDigits decode(const LcdBits& bits, const QString& decimalPoint = QStringLiteral("."))
    {
        return decodeSegmentFrame(SegmentBits::expand(bits.hex(32), 32), panel, state,
                                  decimalPoint);
    }
    PanelModel panel;
    ReadingState state;
};

struct SymbolRow
{
    int bit;
    El element;
    const char* unit;  // ReadingUnit it assigns, or nullptr
    const char* unit2; // ReadingUnit2 it assigns, or nullptr
};

const SymbolRow kSymbols[] = {
    {73, El::AVE, nullptr, nullptr},     {74, El::MAX, nullptr, nullptr},
    {75, El::V23, nullptr, nullptr},     {76, El::PH, nullptr, nullptr},
    {77, El::MIN, nullptr, nullptr},     {78, El::rec, nullptr, nullptr},
    {79, El::READ, nullptr, nullptr},    {80, El::usb, nullptr, nullptr},
    {81, El::ESC, nullptr, nullptr},     {82, El::VEL, nullptr, nullptr},
    {83, El::NODATA, nullptr, nullptr},  {84, El::power, nullptr, nullptr},
    {85, El::frame, nullptr, nullptr},   {86, El::FLOW, nullptr, nullptr},
    {87, El::LcdFH, nullptr, nullptr},   {88, El::LCDHold, nullptr, nullptr},
    {89, El::t_p, nullptr, nullptr},     {90, El::Label4, nullptr, "^"},
    {92, El::Label5, nullptr, ">"},      {93, El::c, nullptr, "#"},
    {94, El::RH, nullptr, "%RH"},        {95, El::f, nullptr, "$"},
    {96, El::KEY, nullptr, nullptr},     {97, El::TEMP, nullptr, nullptr},
    {98, El::LOAD, nullptr, nullptr},    {99, El::loadNO, nullptr, nullptr},
    {100, El::time_l, nullptr, nullptr}, {101, El::TIMER, nullptr, nullptr},
    {102, El::CMM, "CMM", nullptr},      {103, El::CFM, "CFM", nullptr},
    {104, El::ms, "m|s", nullptr},       {105, El::knots, "Knots", nullptr},
    {106, El::ftmin, "ft|min", nullptr}, {107, El::mph, "MPH", nullptr},
    {108, El::X1, "x1", nullptr},        {109, El::kmh, "Km|h", nullptr},
    {110, El::Z1, "X10", nullptr},       {111, El::p_off, nullptr, nullptr},
    {112, El::Z0, "X100", nullptr},      {113, El::NO, nullptr, nullptr},
};

// Label4 and Label5 are never hidden: their caption says whether they are lit.
bool lit(const PanelModel& panel, El e)
{
    if (e == El::Label4 || e == El::Label5)
        return !panel.caption(e).isEmpty();
    return panel.isShown(e);
}

TEST_F(SegmentFrame, EachSymbolBitLightsItsOwnElementOnly)
{
    for (const SymbolRow& row : kSymbols) {
        SCOPED_TRACE(row.bit);
        state.ReadingUnit2 = QStringLiteral("kept");
        decode(LcdBits().main("1234").second("5678").set(row.bit));
        for (const SymbolRow& other : kSymbols)
            EXPECT_EQ(lit(panel, other.element), other.bit == row.bit) << other.bit;
        EXPECT_EQ(state.ReadingUnit, QString::fromLatin1(row.unit ? row.unit : ""));
        EXPECT_EQ(state.ReadingUnit2, QString::fromLatin1(row.unit2 ? row.unit2 : "kept"));
        EXPECT_EQ(state.ReadingValue, QStringLiteral("1234"));
        EXPECT_EQ(state.ReadingValue2, QString::fromLatin1(row.bit == 87 ? "-5678" : "5678"));
    }
    EXPECT_EQ(panel.caption(El::Label4), QString());

    // Bits that carry nothing: the frame type, the point of the rightmost secondary digit,
    // 91 and everything past 113.
    LcdBits unread = LcdBits().main("1234").second("5678").setAll({1, 2, 3, 4, 5, 6, 7, 8, 44, 91});
    for (int p = 114; p <= 128; ++p)
        unread.set(p);
    decode(unread);
    for (const SymbolRow& other : kSymbols)
        EXPECT_FALSE(lit(panel, other.element)) << other.bit;
    EXPECT_EQ(state.ReadingValue2, QStringLiteral("5678"));
    EXPECT_EQ(state.ReadingUnit, QString());
}

TEST_F(SegmentFrame, HighestLitUnitBitOfEachKindDecides)
{
    const struct
    {
        std::vector<int> bits;
        const char* unit;
        const char* unit2;
    } rows[] = {
        {{103, 110}, "X10", nullptr},  // a multiplier overrides a unit
        {{102, 104}, "m|s", nullptr},  // of two units, the higher bit
        {{104, 112}, "X100", nullptr}, // the highest multiplier
        {{108, 109}, "Km|h", nullptr}, // x1 is overridden by a later unit
        {{110, 112}, "X100", nullptr}, // of two multipliers, the higher bit
        {{90, 94}, "", "%RH"},         // secondary units likewise
        {{93, 95}, "", "$"},           {{92, 93}, "", "#"},
    };
    for (const auto& r : rows) {
        const QString unit = QString::fromLatin1(r.unit);
        SCOPED_TRACE(::testing::PrintToString(r.bits));
        decode(LcdBits().main("1234").second("5678").setAll(r.bits));
        EXPECT_EQ(state.ReadingUnit, unit);
        if (r.unit2) {
            EXPECT_EQ(state.ReadingUnit2, QString::fromLatin1(r.unit2));
        }
        for (const SymbolRow& s : kSymbols) {
            if (std::find(r.bits.begin(), r.bits.end(), s.bit) != r.bits.end()) {
                EXPECT_TRUE(lit(panel, s.element)) << s.bit;
            }
        }
    }
}

TEST_F(SegmentFrame, MainUnitIsClearedEveryFrameButTheSecondaryUnitStays)
{
    decode(LcdBits().main("1234").second("5678").setAll({104, 94}));
    ASSERT_EQ(state.ReadingUnit, QStringLiteral("m|s"));
    decode(LcdBits().main("1234").second("5678"));
    EXPECT_EQ(state.ReadingUnit, QString());
    EXPECT_EQ(state.ReadingUnit2, QStringLiteral("%RH"));
    EXPECT_FALSE(panel.isShown(El::RH));
}

TEST_F(SegmentFrame, ValueTexts)
{
    const struct
    {
        const char* name;
        const char* main;
        const char* second;
        std::vector<int> bits;
        const char* decimalPoint;
        const char* value;
        const char* value2;
    } rows[] = {
        {"blank digits leave no gap", " 1 3", " 5 7", {}, ".", "13", "57"},
        {"L shape in digit 3 reads L", " 0L ", " 2L ", {}, ".", "0L", "2L"},
        {"L shape elsewhere stays @", "L1 L", "L  L", {}, ".", "@1@", "@@"},
        {"secondary points", "1234", "5678", {52, 60, 68}, ".", "1234", "5.6.7.8"},
        {"point of secondary digit 4 is not read", "1234", "5678", {44}, ".", "1234", "5678"},
        {"comma locale", " 123", "5678", {28, 60}, ",", "1,23", "56,78"},
        {"long separator", " 123", "5678", {20}, "<>", "12<>3", "5678"},
        {"minus signs the secondary reading", "1234", "  25", {87}, ".", "1234", "-25"},
        {"minus with a point", "1234", " 2 5", {87, 60}, ".", "1234", "-2.5"},
        {"minus over a blank display stays blank", "1234", "    ", {87}, ".", "1234", ""},
        {"point alone, no digits", "    ", "    ", {28, 60}, ".", ".", "."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        decode(LcdBits().main(r.main).second(r.second).setAll(r.bits),
               QString::fromLatin1(r.decimalPoint));
        EXPECT_EQ(state.ReadingValue, QString::fromLatin1(r.value));
        EXPECT_EQ(state.ReadingValue2, QString::fromLatin1(r.value2));
    }
}

TEST_F(SegmentFrame, PointShapesFollowTheirBitsAndBit36AloneDecidesTheFirst)
{
    const struct
    {
        std::vector<int> bits;
        std::vector<El> shown;
    } rows[] = {
        {{}, {}},
        {{12}, {}},
        {{36}, {El::LcdP1}},
        {{12, 36}, {El::LcdP1}},
        {{20, 28}, {El::LcdP3, El::LcdP2}},
        {{52, 60, 68}, {El::LcdP32, El::LcdP22, El::LcdP12}},
    };
    const El shapes[] = {El::LcdP1, El::LcdP2, El::LcdP3, El::LcdP12, El::LcdP22, El::LcdP32};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::PrintToString(r.bits));
        decode(LcdBits().main("1234").second("5678").setAll(r.bits));
        for (El e : shapes) {
            const bool expected = std::find(r.shown.begin(), r.shown.end(), e) != r.shown.end();
            EXPECT_EQ(panel.isShown(e), expected) << elementName(e).toStdString();
        }
    }
}

// ---- One serial frame through the session ----

// Counts ShowSeries calls: each activates exactly one series.
class SpyChart : public PointCountChart
{
public:
    void setSeriesActive(int series, bool active) override
    {
        if (active)
            ++activations;
        PointCountChart::setSeriesActive(series, active);
    }
    int activations = 0;
};

// A 14-byte serial frame. Its last digit (bits 53 to 56) stands for every later digit of the
// 32-digit frame, so `tail` decides secondary digits 1 and 2 and every symbol as well: with
// tail 0 they are all off and the secondary reading is digit 4 alone.
QByteArray frame(std::string_view main, const std::vector<int>& points = {}, char second = '5',
                 int tail = 0)
{
    LcdBits b;
    b.main(main).pattern(kSecondField[3], segmentsOf(second)).setAll(points);
    for (int k = 0; k < 4; ++k)
        b.set(53 + k, (tail >> (3 - k)) & 1);
    return bytes415(b.hex(14));
}

class Decoder415 : public ::testing::Test
{
protected:
    explicit Decoder415(ModelFlags flags = ModelFlags::thisBuild(),
                        QString decimalPoint = QStringLiteral("."))
        : session(flags, decimalPoint, clock, &chart)
    {
    }
    void send415(const QByteArray& b) { session.H415RData(b.constData(), b.size()); }
    int showSeriesCalls() const { return chart.activations - activationsAtStart; }
    QString caption(El e) const { return session.panel().caption(e); }
    bool shown(El e) const { return session.panel().isShown(e); }
    const ReadingState& st() const { return session.state(); }
    qsizetype rows() const { return session.log().size(); }

    ManualClock clock{QTime(13, 5, 9)};
    SpyChart chart;
    MeterSession session;
    const int activationsAtStart = chart.activations;
};

struct ReadingCase
{
    const char* name;
    const char* main;
    std::vector<int> points;
    const char* value;
    double count;
    int pointPos;
    bool p1Shown;
    int bar;
};

class Reading415 : public Decoder415, public ::testing::WithParamInterface<ReadingCase>
{
};

TEST_P(Reading415, ValueCountPointPositionAndBar)
{
    const ReadingCase& c = GetParam();
    send415(frame(c.main, c.points));
    const QString value = QString::fromLatin1(c.value);
    EXPECT_EQ(st().ReadingValue, value);
    EXPECT_EQ(st().ReadingValue2, QStringLiteral("5"));
    EXPECT_EQ(st().ReadingCount, c.count);
    EXPECT_EQ(st().PrevPointPos, c.pointPos);
    EXPECT_EQ(shown(El::LcdP1), c.p1Shown);
    EXPECT_EQ(session.panel().barPosition(), c.bar);

    const El labels[] = {El::LcdDa, El::LcdDb, El::LcdDc, El::LcdDd};
    for (int i = 0; i < 4; ++i) {
        const char ch = c.main[i];
        EXPECT_EQ(caption(labels[i]), ch == ' '   ? QString()
                                      : ch == 'L' ? QStringLiteral("@")
                                                  : QString(QLatin1Char(ch)));
    }
    EXPECT_EQ(caption(El::T1VALUE), value);
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(session.log().store().row(0).value, value);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, Reading415,
    ::testing::Values(
        ReadingCase{"PointAfterDigit2", " 123", {28}, "1.23", 123, 2, false, 1},
        ReadingCase{"FourDigits", "4567", {}, "4567", 4567, 0, false, 45},
        ReadingCase{"Overload", " 0L ", {}, "0L", 4000, 0, false, 40},
        // Bit 12 puts the point into the text but neither lights the shape nor counts.
        ReadingCase{"Bit12", "1234", {12}, "1.234", 1234, 0, false, 12},
        ReadingCase{"Bit36", "1234", {36}, "1.234", 1234, 1, true, 12},
        ReadingCase{"Bits12And36", "1234", {12, 36}, "1.234", 1234, 1, true, 12},
        ReadingCase{"RightmostPointDecides", "1234", {20, 28}, "12.3.4", 1234, 3, false, 12},
        ReadingCase{"PointWithoutDigits", "    ", {28}, ".", 0, 2, false, 1},
        ReadingCase{"LeadingZeroOneGivesBar1", "0175", {}, "0175", 175, 0, false, 1},
        ReadingCase{"BarKeepsWithinItsRange", "99  ", {}, "99", 99, 0, false, 60},
        ReadingCase{"LShapeInDigit1", "L123", {}, "@123", 0, 0, false, 1},
        ReadingCase{"LShapeWithoutTheZeroIsNoOverload", " 1L ", {}, "1L", 0, 0, false, 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Decoder415Profile, OverloadCountsAndBarFollowTheRangeProfile)
{
    const struct
    {
        ModelFlag flag;
        double count;
        int bar;
    } rows[] = {{ModelFlag::IFRK417, 4000, 40},
                {ModelFlag::IFRK419, 3400, 34},
                {ModelFlag::IFRK424, 6000, 60}};
    for (const auto& r : rows) {
        SCOPED_TRACE(ModelFlags::objectName(r.flag).toStdString());
        ManualClock clock;
        MeterSession s(ModelFlags().set(r.flag), QStringLiteral("."), clock);
        const QByteArray b = frame(" 0L ");
        s.H415RData(b.constData(), b.size());
        EXPECT_EQ(s.state().ReadingCount, r.count);
        EXPECT_EQ(s.panel().barPosition(), r.bar);
    }
}

TEST_F(Decoder415, BlankMainOrSecondaryDisplayEndsTheFrameAfterTheValueTexts)
{
    send415(frame(" 123", {28}));
    ASSERT_EQ(rows(), 1);
    const double number = st().ReadingNumber;

    const struct
    {
        const char* name;
        QByteArray bytes;
        const char* value;
        const char* value2;
    } blanks[] = {
        {"all segments off", bytes415("00000000000000"), "", ""},
        {"secondary blank", frame("4567", {}, ' '), "4567", ""},
        {"main blank", frame("    ", {}, '7'), "", "7"},
    };
    for (const auto& r : blanks) {
        SCOPED_TRACE(r.name);
        const bool image1 = shown(El::Image1);
        send415(r.bytes);
        EXPECT_EQ(st().ReadingValue, QString::fromLatin1(r.value));
        EXPECT_EQ(st().ReadingValue2, QString::fromLatin1(r.value2));
        EXPECT_NE(shown(El::Image1), image1);
        // Nothing after the value texts happened.
        EXPECT_EQ(caption(El::LcdDb), QStringLiteral("1"));
        EXPECT_EQ(caption(El::LcdDd2), QStringLiteral("5"));
        EXPECT_EQ(caption(El::T1VALUE), QStringLiteral("1.23"));
        EXPECT_EQ(st().ReadingCount, 123);
        EXPECT_EQ(st().ReadingNumber, number);
        EXPECT_EQ(st().PrevPointPos, 2);
        EXPECT_EQ(session.panel().barPosition(), 1);
        EXPECT_EQ(rows(), 1);
        EXPECT_EQ(showSeriesCalls(), 1);
    }
}

TEST_F(Decoder415, ActivityPicturesAlternateOnEveryFrameBlankOrNot)
{
    ASSERT_FALSE(shown(El::Image1));
    ASSERT_TRUE(shown(El::Image2));
    const QByteArray frames[] = {frame("1234"), bytes415("00000000000000"), frame("1234", {}, ' ')};
    bool image1 = false;
    for (const QByteArray& f : frames) {
        send415(f);
        image1 = !image1;
        EXPECT_EQ(shown(El::Image1), image1);
        EXPECT_EQ(shown(El::Image2), !image1);
    }
}

TEST_F(Decoder415, MinimumAndMaximumFollowTheReadingsOfOneRange)
{
    send415(frame(" 100"));
    EXPECT_EQ(showSeriesCalls(), 1); // the first frame always starts a range
    EXPECT_EQ(st().PrevUnit, QString());
    EXPECT_EQ(st().MaxTracker, -4000.0f);
    EXPECT_EQ(st().MinTracker, 4000.0f);
    EXPECT_EQ(caption(El::MaxText), QString());
    EXPECT_EQ(caption(El::MinText), QString());

    send415(frame(" 120"));
    send415(frame("  95"));
    EXPECT_EQ(showSeriesCalls(), 1);
    EXPECT_EQ(st().MaxValueText, QStringLiteral("120"));
    EXPECT_EQ(st().MinValueText, QStringLiteral("95"));
    EXPECT_EQ(caption(El::MaxText), QStringLiteral("120"));
    EXPECT_EQ(caption(El::MinText), QStringLiteral("95"));
    EXPECT_EQ(caption(El::MaxTextU), QString());

    // Bit 12 puts a point into the text without moving the point position: same range, same
    // counts, other texts. On a tie the later reading's text wins.
    send415(frame(" 120", {12}));
    EXPECT_EQ(st().MaxValueText, QStringLiteral(".120"));
    EXPECT_EQ(st().MinValueText, QStringLiteral("95"));
    send415(frame("  95", {12}));
    EXPECT_EQ(st().MaxValueText, QStringLiteral(".120"));
    EXPECT_EQ(st().MinValueText, QStringLiteral(".95"));
    EXPECT_EQ(showSeriesCalls(), 1);
}

TEST_F(Decoder415, NewUnitOrPointPositionStartsARange)
{
    send415(frame(" 100"));
    send415(frame(" 120"));
    ASSERT_EQ(caption(El::MaxText), QStringLiteral("120"));

    // Tail digit 4 lights CMM, ft/min and x10 among others: the unit text becomes "X10".
    send415(frame("  50", {}, '5', 4));
    ASSERT_EQ(st().ReadingUnit, QStringLiteral("X10"));
    EXPECT_EQ(showSeriesCalls(), 2);
    EXPECT_EQ(st().PrevUnit, QStringLiteral("X10"));
    EXPECT_EQ(st().MaxTracker, -4000.0f);
    EXPECT_EQ(st().MinTracker, 4000.0f);
    EXPECT_EQ(caption(El::MaxText), QStringLiteral("120")); // until the next frame of the range
    EXPECT_EQ(caption(El::MaxTextU), QStringLiteral("X10"));

    send415(frame("  70", {}, '5', 4));
    EXPECT_EQ(showSeriesCalls(), 2);
    EXPECT_EQ(caption(El::MaxText), QStringLiteral("70"));
    EXPECT_EQ(caption(El::MinText), QStringLiteral("70"));

    session.setFill(false);
    send415(frame(" 7 0", {28}, '5', 4));
    EXPECT_EQ(showSeriesCalls(), 3);
    EXPECT_EQ(session.activeSeries(), 1); // the line curve while Fill is off
    EXPECT_TRUE(chart.isSeriesActive(1));
    EXPECT_FALSE(chart.isSeriesActive(0));
}

TEST_F(Decoder415, JudgesLogsAndThenSetsTheBarFromTheLeadingDigits)
{
    std::vector<int> bars;
    QObject::connect(&session.panel(), &PanelModel::barChanged, [&](int p) { bars.push_back(p); });
    send415(frame("1234", {}, '5', 2));

    EXPECT_EQ(st().ReadingNumber, 1234);
    EXPECT_EQ(caption(El::judge), QStringLiteral("Pass"));
    // The log puts the bar at the reading number (full), then the decoder at the digits 12.
    EXPECT_EQ(bars, (std::vector<int>{60, 12}));

    ASSERT_EQ(rows(), 1);
    const LogRow row = session.log().store().row(0);
    EXPECT_EQ(row.no, 1);
    EXPECT_EQ(row.time, QStringLiteral("13:05:09"));
    EXPECT_EQ(row.value, QStringLiteral("1234"));
    // Tail digit 2 lights CFM, MPH, the secondary "$" symbol and the minus sign.
    EXPECT_EQ(row.unit, QStringLiteral("MPH"));
    EXPECT_EQ(row.value2, QStringLiteral("-5"));
    EXPECT_EQ(row.unit2, QStringLiteral("$"));
    EXPECT_TRUE(shown(El::LcdFH));
    EXPECT_EQ(st().ReadingCount, 1234); // the main reading stays unsigned
    EXPECT_EQ(session.chartControl().PageCount(), 1);
    EXPECT_EQ(session.chart().pointCount(0), 2);
}

class Decoder415Comma : public Decoder415
{
protected:
    Decoder415Comma() : Decoder415(ModelFlags::thisBuild(), QStringLiteral(",")) {}
};

TEST_F(Decoder415Comma, LocaleSeparatorIsWrittenAndReadBack)
{
    send415(frame(" 123", {28}));
    EXPECT_EQ(st().ReadingValue, QStringLiteral("1,23"));
    EXPECT_DOUBLE_EQ(st().ReadingNumber, 1.23);
    EXPECT_EQ(caption(El::judge), QStringLiteral("Pass"));
}

TEST_F(Decoder415, LimitAlarmComparesTheCountWhenItsBoxIsChecked)
{
    int beeps = 0;
    QObject::connect(&session, &MeterSession::beep, [&] { ++beeps; });
    const struct
    {
        bool high, low;
        const char* main;
        bool alarm;
    } cases[] = {
        {true, false, "  41", true},   {true, false, "  40", false}, // strictly above 40
        {false, false, " 0L ", false},                               // box not checked
        {false, true, "   0", false},                                // counts are never below -40
        {true, true, " 0L ", true},   // beeps once with both boxes checked
        {true, false, "   1", false}, // and the box goes away again
    };
    for (const auto& r : cases) {
        SCOPED_TRACE(r.main);
        session.setAlarmChecks(r.high, r.low);
        const int before = beeps;
        send415(frame(r.main));
        EXPECT_EQ(beeps - before, r.alarm ? 1 : 0);
        EXPECT_EQ(shown(El::oltext), r.alarm);
    }
}

} // namespace
