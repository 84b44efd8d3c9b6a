// The reading log: its recording policy (record limit, sampling interval, repeat suppression),
// the clearing, the bar and chart updates of a logged row, and the row store.
#include "MeterFrames.h"
#include "log/LogStore.h"
#include "log/ReadingLogTable.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qx740;
using namespace qx740::test;

namespace {

class Log : public ::testing::Test
{
protected:
    // Offers a reading to the log as a decoder does after filling the reading state.
    bool offer(const char* value, const char* unit = "m|s", const char* value2 = "25",
               double number = 1)
    {
        const qsizetype before = s.log().size();
        s.state().ReadingValue = QString::fromUtf8(value);
        s.state().ReadingUnit = QString::fromUtf8(unit);
        s.state().ReadingValue2 = QString::fromUtf8(value2);
        s.state().ReadingUnit2 = QStringLiteral("%RH");
        s.state().ReadingNumber = number;
        s.INDataToTable();
        return s.log().size() == before + 1;
    }
    LogRow last() const { return s.log().store().row(s.log().size() - 1); }

    ManualClock clock{QTime(23, 4, 5)};
    MeterSession s{ModelFlags::thisBuild(), QStringLiteral("."), clock};
};

TEST_F(Log, LoggedRowCarriesTheReadingAndTheTimeOfDay)
{
    ASSERT_TRUE(offer("1.23", "m|s", "25.4"));
    const LogRow row = last();
    EXPECT_EQ(row.no, 1);
    EXPECT_EQ(row.time, QStringLiteral("23:04:05"));
    EXPECT_EQ(row.value, QStringLiteral("1.23"));
    EXPECT_EQ(row.unit, QStringLiteral("m|s"));
    EXPECT_EQ(row.value2, QStringLiteral("25.4"));
    EXPECT_EQ(row.unit2, QStringLiteral("%RH"));
    EXPECT_EQ(s.lastLoggedNo(), 1);

    clock.set(QTime(7, 0, 9));
    ASSERT_TRUE(offer("1.24"));
    EXPECT_EQ(last().no, 2);
    EXPECT_EQ(last().time, QStringLiteral("07:00:09"));
}

TEST_F(Log, RecordLimitStopsLoggingSilentlyAndALargerOneResumesTheNumbering)
{
    s.chooseRecordLimit(0);
    ASSERT_EQ(s.policy().maxRecords(), 1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(offer("1.23")) << i;
    EXPECT_FALSE(offer("1.23"));
    EXPECT_FALSE(offer("9.99"));
    EXPECT_EQ(s.policy().loggedCount(), 1000);

    s.chooseRecordLimit(1);
    ASSERT_TRUE(offer("1.23"));
    EXPECT_EQ(last().no, 1001);

    // Lowering the limit below the rows logged stops at once and keeps the rows.
    s.chooseRecordLimit(0);
    EXPECT_FALSE(offer("1.23"));
    EXPECT_EQ(s.log().size(), 1001);
}

TEST(RecordLimits, MenuItemsSetTheirLimits)
{
    const struct
    {
        const char* caption;
        int limit;
    } rows[] = {{"1000", 1000},   {"5000", 5000},     {"10000", 10000},
                {"50000", 50000}, {"100000", 100000}, {"limitless", 10000000}};
    ManualClock clock;
    MeterSession s(ModelFlags::thisBuild(), QStringLiteral("."), clock);
    EXPECT_EQ(s.recordLimitIndex(), 2);
    EXPECT_EQ(s.policy().maxRecords(), 10000);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(kRecordLimits[i].caption, rows[i].caption);
        s.chooseRecordLimit(i);
        EXPECT_EQ(s.policy().maxRecords(), rows[i].limit);
        EXPECT_EQ(s.recordLimitIndex(), i);
    }
}

TEST_F(Log, WithoutRepeatARowEqualToTheLastLoggedValueAndUnitIsSkipped)
{
    s.policy().setRepeat(false);
    const struct
    {
        const char* value;
        const char* unit;
        const char* value2;
        bool logged;
    } steps[] = {
        {"", "", "25", false},       // the empty key equals the initial last key
        {"1.2", "m|s", "25", true},  // a new key
        {"1.2", "m|s", "26", false}, // the secondary reading is not part of the key
        {"1.2", "CFM", "25", true},  // same value, other unit
        {"1.2 ", "CFM", "25", true}, // a trailing blank is a change
        {"1.2", "CFM", "25", true},  // and so is losing it
        {"1.2", "CFM", "25", false}, // a repeat
        {"1.2", "", "25", true},     // the unit went out
        {"1.2 ", "", "25", true},    // a trailing blank at the end of the key
        {"", "", "25", true},        // blank once the last key was not
    };
    for (const auto& st : steps) {
        SCOPED_TRACE(::testing::Message() << '"' << st.value << "\" \"" << st.unit << '"');
        EXPECT_EQ(offer(st.value, st.unit, st.value2), st.logged);
    }
    s.policy().setRepeat(true);
    EXPECT_TRUE(offer(""));
    EXPECT_TRUE(offer(""));
}

TEST_F(Log, ClearingRestartsNumberingButKeepsTheRepeatKeyLimitAndCountdown)
{
    s.policy().setRepeat(false);
    s.chooseRecordLimit(0);
    s.policy().intervalTextChanged(QStringLiteral("5"));
    for (int i = 0; i < 150; ++i)
        ASSERT_TRUE(offer(QByteArray::number(i).constData(), "m|s", "25", 45.5));
    ASSERT_EQ(s.chartControl().CurrentPage(), 2);
    ASSERT_EQ(s.panel().caption(El::Bt10), QStringLiteral("2"));
    const int countdown = s.policy().sampleCountdown();

    s.clearLog();
    EXPECT_EQ(s.log().size(), 0);
    EXPECT_EQ(s.chartControl().CurrentPage(), 1);
    EXPECT_EQ(s.chart().pointCount(0), 1); // the placeholder again
    EXPECT_EQ(s.policy().maxRecords(), 1000);
    EXPECT_EQ(s.policy().sampleCountdown(), countdown);
    EXPECT_EQ(s.panel().barPosition(), 45);

    EXPECT_FALSE(offer("149")); // still the last logged reading
    ASSERT_TRUE(offer("150"));
    EXPECT_EQ(last().no, 1);
    EXPECT_EQ(s.chartControl().CurrentPage(), 1);
}

// One step of a sampling-interval timeline: a reading offered or a tick of the one-second timer.
struct Step
{
    enum Kind { Offer, Tick, Check, Uncheck } kind;
    bool logged = false; // for Offer
    int countdown = 0;   // after the step
};

void runTimeline(MeterSession& s, const std::vector<Step>& steps,
                 const std::function<bool()>& offer)
{
    int i = 0;
    for (const Step& st : steps) {
        SCOPED_TRACE(i++);
        switch (st.kind) {
        case Step::Offer:
            EXPECT_EQ(offer(), st.logged);
            break;
        case Step::Tick:
            s.TrecordTimer();
            break;
        case Step::Check:
            s.policy().setIntervalEnabled(true);
            break;
        case Step::Uncheck:
            s.policy().setIntervalEnabled(false);
            break;
        }
        EXPECT_EQ(s.policy().sampleCountdown(), st.countdown);
    }
}

TEST_F(Log, SamplingIntervalCountsDownOnTheSecondTicks)
{
    s.policy().setIntervalEnabled(true);
    EXPECT_TRUE(s.policy().intervalTextChanged(QStringLiteral("3")).isEmpty());
    const auto offerOne = [this] { return offer("1.23"); };
    runTimeline(
        s,
        {{Step::Offer, false, 3}, // the change of the text restarted the countdown
         {Step::Tick, false, 2},
         {Step::Tick, false, 1},
         {Step::Offer, false, 1},
         {Step::Tick, false, 0},
         {Step::Offer, true, 3},
         {Step::Offer, false, 3},
         {Step::Tick, false, 2},
         {Step::Tick, false, 1},
         {Step::Tick, false, 0},
         {Step::Tick, false, 0},
         {Step::Offer, true, 3},
         {Step::Tick, false, 2},
         {Step::Tick, false, 1},
         // Unchecked: every reading is logged and re-arms the countdown, which stands still.
         {Step::Uncheck, false, 1},
         {Step::Tick, false, 1},
         {Step::Offer, true, 3},
         {Step::Tick, false, 3},
         {Step::Offer, true, 3},
         {Step::Check, false, 3},
         {Step::Offer, false, 3},
         {Step::Tick, false, 2}},
        offerOne);
}

TEST_F(Log, IntervalTextsThatLogEveryReading)
{
    s.policy().setIntervalEnabled(true);
    for (const char* text : {"0", "", "-", "+"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(s.policy().intervalTextChanged(QString::fromLatin1(text)).isEmpty());
        EXPECT_EQ(s.policy().sampleCountdown(), 0);
        EXPECT_TRUE(offer("1.23"));
        EXPECT_TRUE(offer("1.23"));
    }
}

TEST_F(Log, PastedIntervalThatIsNoNumberIsReportedAndLogsNothing)
{
    QStringList errors;
    QObject::connect(&s, &MeterSession::errorRaised, [&](const QString& m) { errors << m; });
    EXPECT_FALSE(s.policy().intervalTextChanged(QStringLiteral("2x")).isEmpty());
    EXPECT_FALSE(offer("1.23"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.at(0).contains(QStringLiteral("2x")));
    EXPECT_EQ(s.policy().loggedCount(), 0);

    EXPECT_TRUE(s.policy().intervalTextChanged(QStringLiteral("2")).isEmpty());
    EXPECT_TRUE(offer("1.23"));
    EXPECT_EQ(last().no, 1);
    EXPECT_EQ(s.policy().sampleCountdown(), 2);
}

TEST_F(Log, BarShowsTheReadingNumbersMagnitudeWithinItsRange)
{
    const struct
    {
        double number;
        int bar;
    } rows[] = {{-45.9, 45}, {0.7, 0}, {75, 60}, {45, 45}, {-0.2, 0}, {60.9, 60}, {1e300, 60}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.number);
        ASSERT_TRUE(offer("1.23", "m|s", "25", r.number));
        EXPECT_EQ(s.panel().barPosition(), r.bar);
    }
}

TEST_F(Log, EachRowIsPlottedAndThePageShown)
{
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(offer("1.23"));
    EXPECT_EQ(s.chart().pointCount(0), 101);
    EXPECT_EQ(s.chart().pointCount(1), 101);
    EXPECT_EQ(s.panel().caption(El::Bt10), QStringLiteral("2"));
}

TEST(LogStore, RowsComeBackAsStoredWithTextsCutTo20Characters)
{
    LogStore store;
    const LogRow rows[] = {
        {1, "12:00:00", "1.23", "m|s", "25.4", "%RH"},
        {std::nullopt, "12:00:01", "", "", "", ""}, // imported without a number
        {-7, "x", "123456789012345678901234", "ft|min", "°°°°°°°°°°°°°°°°°°°°°°°°", "€uro"},
    };
    for (const LogRow& r : rows)
        store.append(r);
    ASSERT_EQ(store.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const LogRow got = store.row(i);
        EXPECT_EQ(got.no, rows[i].no);
        EXPECT_EQ(got.time, rows[i].time.left(20));
        EXPECT_EQ(got.value, rows[i].value.left(20));
        EXPECT_EQ(got.unit, rows[i].unit);
        EXPECT_EQ(got.value2, rows[i].value2.left(20));
        EXPECT_EQ(got.unit2, rows[i].unit2);
    }
    EXPECT_EQ(store.field(2, LogStore::Value), QStringLiteral("12345678901234567890"));
    EXPECT_EQ(store.field(2, LogStore::Value2).size(), 20);
    EXPECT_EQ(store.field(0, LogStore::No), QStringLiteral("1"));
    EXPECT_EQ(store.field(1, LogStore::No), QString());

    // A cut through a character outside the basic plane leaves out the whole character.
    const QString nineteen(19, QLatin1Char('a'));
    store.append({4, "", nineteen + QString::fromUtf8("😀bc"), "", "", ""});
    EXPECT_EQ(store.row(3).value, nineteen);

    store.clear();
    EXPECT_EQ(store.size(), 0);
    store.append(rows[0]);
    EXPECT_EQ(store.row(0).value, QStringLiteral("1.23"));
}

TEST(LogStore, ManyRowsStayIntactAcrossStorageBlocks)
{
    LogStore store;
    const int n = 120000; // several storage blocks of packed texts
    for (int i = 0; i < n; ++i) {
        const QString t = QString::number(i);
        store.append({i, t, t + QStringLiteral(".5"), QStringLiteral("CFM"), t.repeated(3).left(20),
                      QStringLiteral("#")});
    }
    ASSERT_EQ(store.size(), n);
    for (int i = 0; i < n; ++i) {
        const QString t = QString::number(i);
        const LogRow r = store.row(i);
        ASSERT_EQ(r.no, i);
        ASSERT_EQ(r.time, t);
        ASSERT_EQ(r.value, t + QStringLiteral(".5"));
        ASSERT_EQ(r.unit, QStringLiteral("CFM"));
        ASSERT_EQ(r.value2, t.repeated(3).left(20));
        ASSERT_EQ(r.unit2, QStringLiteral("#"));
    }
}

TEST(ReadingLogTable, OffersSixNamedColumnsToViews)
{
    ReadingLogTable table;
    int inserted = 0;
    QObject::connect(&table, &QAbstractItemModel::rowsInserted, [&] { ++inserted; });
    table.append({3, "10:11:12", "1.5", "Km|h", "20.1", "^"});
    EXPECT_EQ(inserted, 1);
    ASSERT_EQ(table.rowCount(), 1);
    ASSERT_EQ(table.columnCount(), 6);
    const char* names[] = {"No", "time", "Value", "Unit", "Value2", "Unit2"};
    const char* cells[] = {"3", "10:11:12", "1.5", "Km|h", "20.1", "^"};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(table.headerData(c, Qt::Horizontal).toString(), QString::fromLatin1(names[c]));
        EXPECT_EQ(table.data(table.index(0, c)).toString(), QString::fromLatin1(cells[c]));
    }
    table.clear();
    EXPECT_EQ(table.rowCount(), 0);
}

} // namespace
