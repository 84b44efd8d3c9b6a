// Start-up: what the model flags choose, the range profile they lead to, the title marker and
// the start values of a new session.
#include "MeterFrames.h"
#include "shell/ModelFlags.h"
#include "shell/RangeProfile.h"
#include "shell/TitleMarker.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qx740;

namespace {

struct FlagsCase
{
    const char* name;
    std::vector<ModelFlag> checked;
    ReceiveHandler handler;
    const char* title;
    int baud;
    const char* profile;
    bool usb;
    const char* lcdDa; // caption the flags give the leftmost main digit, "" for none
};

class Flags : public ::testing::TestWithParam<FlagsCase>
{
};

TEST_P(Flags, ChooseHandlerTitleSpeedAndProfile)
{
    const FlagsCase& c = GetParam();
    ModelFlags flags;
    for (ModelFlag f : c.checked)
        flags.set(f);
    const StartupConfig cfg = applyModelFlags(flags);
    EXPECT_EQ(cfg.handler, c.handler);
    EXPECT_EQ(cfg.title, QString::fromLatin1(c.title));
    EXPECT_EQ(cfg.baudRate, c.baud);
    EXPECT_EQ(cfg.digitsProfile, QString::fromLatin1(c.profile));
    EXPECT_EQ(cfg.allowsUsbData, c.usb);
    EXPECT_EQ(cfg.lcdDaCaption, QString::fromLatin1(c.lcdDa));

    ManualClock clock;
    const MeterSession s(flags, QStringLiteral("."), clock);
    EXPECT_EQ(s.receiveHandler(), c.handler);
    EXPECT_EQ(s.baudRate(), c.baud);
    EXPECT_EQ(s.windowTitle(QStringLiteral("(x86)")), QString::fromLatin1(c.title) + "(x86)");
    EXPECT_EQ(s.profile().digitsProfile, QString::fromLatin1(c.profile));
}

constexpr auto H415 = ReceiveHandler::H415RData;
constexpr auto H452 = ReceiveHandler::H452RData;
constexpr auto None = ReceiveHandler::None;

INSTANTIATE_TEST_SUITE_P(
    Builds, Flags,
    ::testing::Values(
        FlagsCase{"ThisBuild",
                  {ModelFlag::IFRK417},
                  H415,
                  "QX-740 Interface Program Ver:2.02",
                  2400,
                  "4",
                  true,
                  "3"},
        FlagsCase{"RK424",
                  {ModelFlag::IFRK424},
                  H452,
                  "RK424 Interface Program _Ver: 1.00",
                  2400,
                  "6",
                  false,
                  ""},
        // The later flag decides handler, title and profile; the earlier one's speed stays.
        FlagsCase{"RK471AndRK424",
                  {ModelFlag::IFRK471, ModelFlag::IFRK424},
                  H452,
                  "RK424 Interface Program _Ver: 1.00",
                  19200,
                  "6",
                  false,
                  ""},
        FlagsCase{"RK419ThenQX5190",
                  {ModelFlag::IFRK419, ModelFlag::IFQX5190},
                  H452,
                  "QX5190 USB Interface Program _Ver: 1.00",
                  19200,
                  "4",
                  false,
                  ""},
        FlagsCase{"RK419",
                  {ModelFlag::IFRK419},
                  H452,
                  "RK419 Interface Program _Ver: 2.06",
                  2400,
                  "34",
                  false,
                  ""},
        FlagsCase{"RK417AndRK452",
                  {ModelFlag::IFRK417, ModelFlag::IFRK452},
                  H452,
                  "RK452 USB Interface Program _Ver: 1.00",
                  2400,
                  "4",
                  true,
                  "3"},
        FlagsCase{"RK438",
                  {ModelFlag::RK438},
                  H415,
                  "RK438 Interface Program _Ver: 1.00",
                  2400,
                  "4",
                  false,
                  "3"},
        FlagsCase{"IF426", {ModelFlag::IF426}, None, "", 2400, "4", false, ""},
        FlagsCase{"Nothing", {}, None, "", 2400, "4", false, ""},
        // Flags nobody reads change nothing.
        FlagsCase{"UnreadFlags",
                  {ModelFlag::IFRK417, ModelFlag::IF7240x, ModelFlag::IFRK423, ModelFlag::IF426,
                   ModelFlag::IF427, ModelFlag::IF421, ModelFlag::RK458},
                  H415,
                  "QX-740 Interface Program Ver:2.02",
                  2400,
                  "4",
                  true,
                  "3"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ModelFlags, ThisBuildChecksOnlyIFRK417)
{
    const ModelFlags f = ModelFlags::thisBuild();
    for (int i = 0; i < kModelFlagCount; ++i) {
        const auto flag = static_cast<ModelFlag>(i);
        EXPECT_EQ(f.isChecked(flag), flag == ModelFlag::IFRK417) << i;
    }
}

TEST(RangeProfile, ProfilesSetTheirConstantsAndTexts)
{
    const struct
    {
        ModelFlag flag;
        const char* key;
        int fullScale, bar;
        float alarmHigh, alarmLow, maxStart, minStart;
        const char *setMax, *setMin, *minText, *maxText;
    } rows[] = {
        // Profile "4" keeps the design texts; its alarm counts are not derived from 4000.
        {ModelFlag::IFRK417, "4", 4000, 40, 40, -40, -40, 40, "3000", "-3000", "00.00", "30.00"},
        {ModelFlag::IFRK419, "34", 3400, 34, 3402, -3402, -3401, 3401, "3400", "-3400", "3401",
         "-3401"},
        {ModelFlag::IFRK424, "6", 6000, 60, 6002, -6002, -6001, 6001, "6000", "-6000", "6001",
         "-6001"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.key);
        ManualClock clock;
        const MeterSession s(ModelFlags().set(r.flag), QStringLiteral("."), clock);
        const RangeProfile& p = s.profile();
        EXPECT_EQ(p.digitsProfile, QString::fromLatin1(r.key));
        EXPECT_EQ(p.fullScaleCount, r.fullScale);
        EXPECT_EQ(p.barOverloadPos, r.bar);
        EXPECT_EQ(p.alarmHigh, r.alarmHigh);
        EXPECT_EQ(p.alarmLow, r.alarmLow);
        EXPECT_EQ(s.state().MaxTracker, r.maxStart);
        EXPECT_EQ(s.state().MinTracker, r.minStart);
        EXPECT_EQ(s.valueAxisMinimum(), -r.fullScale);
        EXPECT_EQ(s.valueAxisMaximum(), r.fullScale);
        EXPECT_EQ(s.panel().caption(El::Setmax), QString::fromLatin1(r.setMax));
        EXPECT_EQ(s.panel().caption(El::SetMin), QString::fromLatin1(r.setMin));
        EXPECT_EQ(s.panel().caption(El::MinText), QString::fromLatin1(r.minText));
        EXPECT_EQ(s.panel().caption(El::MaxText), QString::fromLatin1(r.maxText));
    }
    EXPECT_EQ(RangeProfile::forKey(QStringLiteral("5")).fullScaleCount, 4000);
}

TEST(TitleMarker, SixtyFourBitX86AndItaniumGetX64)
{
    const struct
    {
        const char* machine;
        const char* marker;
    } rows[] = {{"x86_64", "(x64)"}, {"amd64", "(x64)"},   {"ia64", "(x64)"},   {"i686", "(x86)"},
                {"i386", "(x86)"},   {"aarch64", "(x86)"}, {"armv7l", "(x86)"}, {"", "(x86)"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.machine);
        EXPECT_EQ(titleMarkerFor(QString::fromLatin1(r.machine)), QString::fromLatin1(r.marker));
    }
    const QString here = titleMarker();
    EXPECT_TRUE(here == QStringLiteral("(x64)") || here == QStringLiteral("(x86)"));
}

TEST(Startup, NewSessionHasTheStartValues)
{
    ManualClock clock;
    MeterSession s(ModelFlags::thisBuild(), QStringLiteral(","), clock);
    EXPECT_EQ(s.decimalPoint(), QStringLiteral(","));

    const ReadingState& st = s.state();
    EXPECT_EQ(st.PrevUnit, QStringLiteral("113"));
    EXPECT_EQ(st.ReadingNumber, 0);
    EXPECT_EQ(st.ReadingValue, QString());
    EXPECT_EQ(st.PrevPointPos, 0);

    const RecordingPolicy& p = s.policy();
    EXPECT_EQ(p.nextRecordNo(), 1);
    EXPECT_EQ(p.loggedCount(), 0);
    EXPECT_EQ(p.maxRecords(), 10000);
    EXPECT_EQ(s.recordLimitIndex(), 2);
    EXPECT_EQ(p.sampleCountdown(), 0);
    EXPECT_EQ(p.lastLoggedKey(), QString());
    EXPECT_TRUE(p.repeat());
    EXPECT_FALSE(p.intervalEnabled());
    EXPECT_EQ(p.intervalText(), QStringLiteral("1"));
    EXPECT_EQ(s.log().size(), 0);

    const PanelModel& panel = s.panel();
    EXPECT_EQ(panel.caption(El::Label4), QString());
    EXPECT_EQ(panel.caption(El::Label5), QString());
    EXPECT_TRUE(panel.isShown(El::Label4));
    EXPECT_EQ(panel.caption(El::LcdDa), QStringLiteral("3"));
    EXPECT_EQ(panel.caption(El::T1VALUE), QStringLiteral("0"));
    EXPECT_EQ(panel.caption(El::judge), QString());
    EXPECT_EQ(panel.caption(El::Bt10), QStringLiteral("1"));
    EXPECT_EQ(panel.barPosition(), 30);
    EXPECT_FALSE(panel.isShown(El::Image1));
    EXPECT_TRUE(panel.isShown(El::Image2));
    EXPECT_FALSE(panel.isShown(El::CONok));
    EXPECT_TRUE(panel.isShown(El::CONokN));
    EXPECT_FALSE(panel.isShown(El::Panel3));

    EXPECT_EQ(s.limits().text(LimitEdits::Which::High), QStringLiteral("6000"));
    EXPECT_EQ(s.limits().text(LimitEdits::Which::Low), QStringLiteral("-6000"));
    EXPECT_EQ(s.limits().verdict(), Verdict::None);
    EXPECT_EQ(s.chartControl().CurrentPage(), 1);
    EXPECT_EQ(s.chartControl().PageSize(), 100);
    EXPECT_EQ(s.chart().pointCount(0), 1);
    EXPECT_EQ(s.activeSeries(), 0);
}

TEST(PanelModel, BarKeepsWithinItsRange)
{
    PanelModel panel;
    std::vector<int> changes;
    QObject::connect(&panel, &PanelModel::barChanged, [&](int p) { changes.push_back(p); });
    for (long long p : {45LL, 45LL, -5LL, 61LL, 1LL << 40, 0LL})
        panel.setBarPosition(p);
    EXPECT_EQ(changes, (std::vector<int>{45, 0, 60, 0}));
}

} // namespace
