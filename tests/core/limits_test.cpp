// The limit edits and the pass/fail judgement of a reading.
#include "MeterFrames.h"
#include "limits/LimitEdits.h"

#include <gtest/gtest.h>

using namespace qx740;
using namespace qx740::test;
using Which = LimitEdits::Which;

namespace {

struct JudgeCase
{
    const char* name;
    const char* high;
    const char* low;
    const char* decimalPoint;
    const char* value;
    Verdict verdict;
    double number;
};

class Judgement : public ::testing::TestWithParam<JudgeCase>
{
};

TEST_P(Judgement, ComparesWithInclusiveLimits)
{
    const JudgeCase& c = GetParam();
    LimitEdits edits(QString::fromLatin1(c.decimalPoint));
    edits.textChanged(Which::High, QString::fromLatin1(c.high));
    edits.textChanged(Which::Low, QString::fromLatin1(c.low));
    ASSERT_EQ(edits.text(Which::High), QString::fromLatin1(c.high));
    ASSERT_EQ(edits.text(Which::Low), QString::fromLatin1(c.low));

    PanelModel panel;
    double number = -1;
    edits.judge(QString::fromLatin1(c.value), number, panel);
    EXPECT_EQ(edits.verdict(), c.verdict);
    EXPECT_DOUBLE_EQ(number, c.number);
    EXPECT_EQ(panel.caption(El::T1VALUE), QString::fromLatin1(c.value));
    EXPECT_EQ(panel.caption(El::judge),
              QString::fromLatin1(c.verdict == Verdict::Pass ? "Pass" : "Fail"));
}

constexpr Verdict Pass = Verdict::Pass;
constexpr Verdict Fail = Verdict::Fail;

INSTANTIATE_TEST_SUITE_P(
    Readings, Judgement,
    ::testing::Values(
        JudgeCase{"AtHighLimit", "6000", "-6000", ".", "6000", Pass, 6000},
        JudgeCase{"AboveHighLimit", "6000", "-6000", ".", "6000.1", Fail, 6000.1},
        JudgeCase{"AtLowLimit", "6000", "-6000", ".", "-6000", Pass, -6000},
        JudgeCase{"BelowLowLimit", "6000", "-6000", ".", "-6000.01", Fail, -6000.01},
        JudgeCase{"Between", "6000", "-6000", ".", "1.23", Pass, 1.23},
        JudgeCase{"DecimalLimitHitExactly", "0.1", "0", ".", "0.1", Pass, 0.1},
        // A low limit above the high one lets no number pass.
        JudgeCase{"LowAboveHighBetween", "10", "20", ".", "15", Fail, 15},
        JudgeCase{"LowAboveHighAtLow", "10", "20", ".", "20", Fail, 20},
        JudgeCase{"LowAboveHighAtHigh", "10", "20", ".", "10", Fail, 10},
        // Value texts that are no number fail and plot at 4000.
        JudgeCase{"Overload", "6000", "-6000", ".", "0L", Fail, 4000},
        JudgeCase{"LShape", "6000", "-6000", ".", "@123", Fail, 4000},
        JudgeCase{"PointAlone", "6000", "-6000", ".", ".", Fail, 4000},
        JudgeCase{"Empty", "6000", "-6000", ".", "", Fail, 4000},
        JudgeCase{"FailedConversionMarker", "6000", "-6000", ".", "-999999", Fail, 4000},
        JudgeCase{"FailedConversionMarkerWithPoint", "6000", "-6000", ".", "-999999.0", Fail, 4000},
        JudgeCase{"NearTheMarker", "6000", "-1000000", ".", "-999998", Pass, -999998},
        JudgeCase{"CommaLocale", "1,5", "-1,5", ",", "1,5", Pass, 1.5},
        JudgeCase{"FullStopInCommaLocale", "6000", "-6000", ",", "1.5", Fail, 4000},
        JudgeCase{"SignedReading", "6000", "-6000", ".", "-25", Pass, -25}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LimitEdits, LimitThatIsNoNumberSuspendsTheJudgement)
{
    LimitEdits edits(QStringLiteral("."));
    PanelModel panel;
    double number = 0;
    edits.judge(QStringLiteral("7000"), number, panel);
    ASSERT_EQ(edits.verdict(), Verdict::Fail);

    const struct
    {
        Which which;
        const char* text;
    } rows[] = {{Which::High, ""}, {Which::High, "-"}, {Which::Low, "+"}, {Which::Low, "  "}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        LimitEdits e = edits;
        e.textChanged(r.which, QString::fromLatin1(r.text));
        double n = 7000;
        e.judge(QStringLiteral("12"), n, panel);
        EXPECT_EQ(panel.caption(El::T1VALUE), QStringLiteral("12"));
        EXPECT_EQ(n, 7000);
        EXPECT_EQ(e.verdict(), Verdict::Fail);
        EXPECT_EQ(panel.caption(El::judge), QStringLiteral("Fail"));
    }
}

TEST(LimitEdits, ChangesKeepHalfTypedTextsAndPutTheLastAcceptedBackForOthers)
{
    LimitEdits edits(QStringLiteral("."));
    const struct
    {
        Which which;
        const char* typed;
        bool rejected;
        const char* textAfter;
        const char* lastAccepted;
    } steps[] = {
        {Which::High, "-", false, "-", ""},
        {Which::High, "-5", false, "-5", "-5"},
        {Which::High, "-5x", true, "-5", "-5"},
        {Which::High, "-999999", true, "-5", "-5"},
        {Which::High, "+", false, "+", "-5"},
        {Which::High, "   ", false, "   ", "-5"},
        {Which::High, "1,5", true, "-5", "-5"},
        {Which::High, " 7.25 ", false, " 7.25 ", " 7.25 "},
        // Nothing accepted yet in the low edit: the replacement is the empty text.
        {Which::Low, "abc", true, "", ""},
        {Which::Low, "-999998", false, "-999998", "-999998"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.typed);
        const LimitEdits::ChangeOutcome out =
            edits.textChanged(s.which, QString::fromLatin1(s.typed));
        EXPECT_EQ(out.rejected, s.rejected);
        if (s.rejected) {
            EXPECT_EQ(out.replacement, QString::fromLatin1(s.textAfter));
        }
        EXPECT_EQ(edits.text(s.which), QString::fromLatin1(s.textAfter));
        EXPECT_EQ(edits.lastAccepted(s.which), QString::fromLatin1(s.lastAccepted));
    }
}

TEST(LimitEdits, LeavingAnEditWithAHalfTypedNumberRestoresTheLastAccepted)
{
    LimitEdits edits(QStringLiteral("."));
    edits.textChanged(Which::High, QStringLiteral("500"));
    const struct
    {
        Which which;
        const char* text;
        std::optional<QString> restored;
    } rows[] = {
        {Which::High, "-", QStringLiteral("500")},
        {Which::High, "+", QStringLiteral("500")},
        {Which::High, " ", QStringLiteral("500")},
        {Which::High, "12", std::nullopt},
        {Which::Low, "", QString()}, // nothing accepted yet: stays empty
        {Which::Low, "-", QString()},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        edits.textChanged(r.which, QString::fromLatin1(r.text));
        EXPECT_EQ(edits.focusLeft(r.which), r.restored);
    }
}

TEST(LimitEdits, KeyFilterLetsNumbersThroughAndOneSeparatorOnly)
{
    const struct
    {
        const char* decimalPoint;
        Which which;
        const char* text;
        char16_t typed;
        bool accepted;
    } rows[] = {
        {".", Which::High, "", u'5', true},
        {".", Which::High, "", u'-', true},
        {".", Which::High, "", u'+', true},
        {".", Which::High, "", u'.', true},
        {".", Which::High, "", 8, true},  // backspace
        {".", Which::High, "", 39, true}, // apostrophe
        {".", Which::High, "", 96, true}, // grave accent
        {".", Which::High, "", u'a', false},
        {".", Which::High, "", u'e', false},
        {".", Which::High, "", u' ', false},
        {".", Which::Low, "", u',', false},
        {".", Which::High, "1.5", u'.', false},
        {".", Which::Low, "1.5", u'.', false},
        {".", Which::High, "1.5", u'2', true},
        {",", Which::High, "", u',', true},
        {",", Which::High, "1,5", u',', false},
        {",", Which::Low, "1,5", u'.', true}, // the full stop is always on the list
        {",", Which::High, "1", u';', false},
        // Separators of two characters: the high edit looks for the whole separator, the low
        // edit for its first character.
        {",,", Which::High, "1,", u',', true},
        {",,", Which::Low, "1,", u',', false},
        {",,", Which::High, "1,,", u',', false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "'" << r.decimalPoint << "' " << r.text << " + " << int(r.typed));
        const LimitEdits edits(QString::fromLatin1(r.decimalPoint));
        EXPECT_EQ(edits.acceptsKey(r.which, QString::fromLatin1(r.text), QChar(r.typed)),
                  r.accepted);
    }
}

// Records the values plotted on the first series.
class PlottedValues : public PointCountChart
{
public:
    void addValue(int series, double value) override
    {
        if (series == 0)
            values.push_back(value);
        PointCountChart::addValue(series, value);
    }
    std::vector<double> values;
};

TEST(LimitJudgementInSession, EachFramesValueIsJudgedAndItsNumberPlotted)
{
    ManualClock clock;
    PlottedValues chart;
    MeterSession s(ModelFlags::thisBuild(), QStringLiteral("."), clock, &chart);
    auto send = [&](std::string_view main, const std::vector<int>& points = {}) {
        const QByteArray b = bytes415(LcdBits().main(main).second("   5").setAll(points).hex(14));
        s.H415RData(b.constData(), b.size());
    };

    send(" 123", {28});
    EXPECT_EQ(s.limits().verdict(), Verdict::Pass);
    send("L123"); // no number: fails and plots at 4000
    EXPECT_EQ(s.limits().verdict(), Verdict::Fail);
    EXPECT_EQ(s.panel().caption(El::T1VALUE), QStringLiteral("@123"));

    s.limits().textChanged(Which::High, QStringLiteral("100"));
    send("1000");
    EXPECT_EQ(s.panel().caption(El::judge), QStringLiteral("Fail"));
    send(" 100");
    EXPECT_EQ(s.panel().caption(El::judge), QStringLiteral("Pass"));

    // While a limit is empty, frames are shown but not judged, and the log keeps plotting the
    // last judged number.
    s.limits().textChanged(Which::Low, QString());
    send("2000");
    EXPECT_EQ(s.panel().caption(El::T1VALUE), QStringLiteral("2000"));
    EXPECT_EQ(s.panel().caption(El::judge), QStringLiteral("Pass"));
    EXPECT_EQ(s.state().ReadingNumber, 100);

    const std::vector<double> plotted = {0, 1.23, 4000, 1000, 100, 100};
    EXPECT_EQ(chart.values, plotted); // the first is the placeholder of the chart reset
}

} // namespace
