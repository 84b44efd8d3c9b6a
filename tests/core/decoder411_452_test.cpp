// The twin decoder of the family 411 (shorter frames, logged but not judged) and the
// display-only decoder of the family 452.
#include "MeterFrames.h"

#include <gtest/gtest.h>

using namespace qx740;
using namespace qx740::test;

namespace {

class Decoders : public ::testing::Test
{
protected:
    // A CR LF frame of type F with `chars` digits.
    void send411(LcdBits bits, int chars = 26)
    {
        const QByteArray b = bytes411(bits.setAll({5, 6, 7, 8}).hex(chars));
        session.CComm1ReceiveData(b.constData(), b.size());
    }
    // A 14-byte serial frame of the family 415 with the given main digits and secondary "5".
    void send415(std::string_view main)
    {
        const QByteArray b = bytes415(LcdBits().main(main).second("   5").hex(14));
        session.H415RData(b.constData(), b.size());
    }
    QString caption(El e) const { return session.panel().caption(e); }
    bool shown(El e) const { return session.panel().isShown(e); }
    const ReadingState& st() const { return session.state(); }

    ManualClock clock;
    MeterSession session{ModelFlags::thisBuild(), QStringLiteral("."), clock};
    DecoderCalls calls{session};
};

// ---- 411 ----

TEST_F(Decoders, Frame411IsDecodedWithItsFirst26DigitsOnly)
{
    send411(LcdBits().main("1234").second("5678").setAll({102, 104}));
    ASSERT_EQ(calls.decoders, std::vector<Decoder>{Decoder::D411});
    EXPECT_EQ(st().ReadingValue, QStringLiteral("1234"));
    EXPECT_EQ(st().ReadingValue2, QStringLiteral("5678"));
    EXPECT_EQ(st().ReadingUnit, QStringLiteral("m|s"));
    EXPECT_TRUE(shown(El::CMM));
    EXPECT_TRUE(shown(El::ms));
    EXPECT_EQ(caption(El::LcdDa), QStringLiteral("1"));
    EXPECT_EQ(caption(El::LcdDd2), QStringLiteral("8"));

    // A 32-digit frame whose bits 105 and 112 are set: only 104 bits exist for this family.
    send411(LcdBits().main("1234").second("5678").setAll({103, 105, 112}), 32);
    EXPECT_EQ(calls.frames.back().size(), 32u);
    EXPECT_EQ(st().ReadingUnit, QStringLiteral("CFM"));
    EXPECT_FALSE(shown(El::knots));
    EXPECT_FALSE(shown(El::Z0));
    EXPECT_FALSE(shown(El::ms));
}

TEST_F(Decoders, Frame411IsLoggedButNeitherJudgedNorRanged)
{
    send415(" 100");
    send415(" 120");
    ASSERT_EQ(st().MaxValueText, QStringLiteral("120"));
    const bool image1 = shown(El::Image1);
    const ReadingState before = st();
    const int series = session.activeSeries();
    session.setFill(false); // a range start would now switch to series 1

    // The serial 411 link accumulates in LcdHex, which the 415 link has just written; frames of
    // both families meet on the USB link, which hands each its whole frame.
    stageLcdHex(session, LcdBits().main(" 0L ").second("  25").setAll({104, 28}));
    session.LcdDisplay411();
    EXPECT_EQ(st().ReadingValue, QStringLiteral("0.L"));
    EXPECT_EQ(st().ReadingCount, 4000);
    EXPECT_EQ(st().PrevPointPos, 2);
    // Range tracking, judgement and the activity picture are the family 415's alone.
    EXPECT_EQ(st().PrevUnit, before.PrevUnit);
    EXPECT_EQ(st().MaxTracker, before.MaxTracker);
    EXPECT_EQ(st().MinTracker, before.MinTracker);
    EXPECT_EQ(st().ReadingNumber, 120);
    EXPECT_EQ(caption(El::T1VALUE), QStringLiteral("120"));
    EXPECT_EQ(shown(El::Image1), image1);
    EXPECT_EQ(session.activeSeries(), series);
    // The strip shows the family 415's texts with this frame's unit.
    EXPECT_EQ(caption(El::MaxText), QStringLiteral("120"));
    EXPECT_EQ(caption(El::MaxTextU), QStringLiteral("m|s"));
    // Logged; the bar is where the log step put it (the reading number), not the overload mark.
    ASSERT_EQ(session.log().size(), 3);
    EXPECT_EQ(session.log().store().row(2).value, QStringLiteral("0.L"));
    EXPECT_EQ(session.panel().barPosition(), 60);

    // A following 415 frame compares its point position with the one the 411 frame left.
    send415(" 130");
    EXPECT_EQ(session.activeSeries(), 1);
    EXPECT_EQ(st().MaxTracker, -4000.0f);
}

TEST_F(Decoders, Frame411AlarmComparesItsCount)
{
    int beeps = 0;
    QObject::connect(&session, &MeterSession::beep, [&] { ++beeps; });
    session.setAlarmChecks(true, false);
    send411(LcdBits().main(" 0L ").second("  25"));
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(shown(El::oltext));
    send411(LcdBits().main("  12").second("  25"));
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(shown(El::oltext));
}

// Blank displays and counts that are no integer do not stop a 411 frame: it counts 0 and goes
// on to the digit labels and the log.
TEST_F(Decoders, Frame411WithoutAnIntegerCountOrWithBlanksStillReachesTheLog)
{
    const struct
    {
        const char* name;
        const char* main;
        const char* second;
        const char* value;
        const char* value2;
        double count;
    } rows[] = {
        {"blank secondary display", "1234", "    ", "1234", "", 1234},
        {"blank main display", "    ", "  25", "", "25", 0},
        {"L shape outside the overload display", "L234", "  25", "@234", "25", 0},
        {"everything blank", "    ", "    ", "", "", 0},
    };
    int logged = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        send411(LcdBits().main(r.main).second(r.second));
        ++logged;
        EXPECT_EQ(st().ReadingCount, r.count);
        EXPECT_EQ(caption(El::LcdDa), QString::fromLatin1(r.main[0] == ' '   ? ""
                                                          : r.main[0] == 'L' ? "@"
                                                                             : "1"));
        ASSERT_EQ(session.log().size(), logged);
        const LogRow row = session.log().store().row(logged - 1);
        EXPECT_EQ(row.value, QString::fromLatin1(r.value));
        EXPECT_EQ(row.value2, QString::fromLatin1(r.value2));
    }
    // Before any 415 frame the strip shows the empty min/max texts.
    EXPECT_EQ(caption(El::MaxText), QString());
    EXPECT_EQ(caption(El::MinText), QString());
    EXPECT_EQ(st().ReadingNumber, 0);

    send411(LcdBits().main(" 123").second("  25"));
    EXPECT_EQ(st().ReadingCount, 123);
}

TEST_F(Decoders, Frame411MinusSignsOnlyANonBlankSecondaryReading)
{
    send411(LcdBits().main("1234").second("  25").set(87));
    EXPECT_EQ(st().ReadingValue2, QStringLiteral("-25"));
    EXPECT_EQ(st().ReadingValue, QStringLiteral("1234"));
    EXPECT_TRUE(shown(El::LcdFH));
    send411(LcdBits().main("1234").second("    ").set(87));
    EXPECT_EQ(st().ReadingValue2, QString());
}

// ---- 452 ----

TEST_F(Decoders, Frame452LettersBelongToTheirPositions)
{
    // Main digits u, s, b, 0 in an accepted serial frame of eleven bytes.
    LcdBits bits;
    bits.pattern(kMainField[0], "0111011")
        .pattern(kMainField[1], "1011101")
        .pattern(kMainField[2], "0011111")
        .pattern(kMainField[3], "1111011");
    const QByteArray serial = bytes452("A" + bits.hex(10).substr(1));
    session.H452RData(serial.constData(), serial.size());
    ASSERT_EQ(calls.decoders, std::vector<Decoder>{Decoder::D452});
    EXPECT_EQ(caption(El::LcdDa), QStringLiteral("u"));
    EXPECT_EQ(caption(El::LcdDb), QStringLiteral("s"));
    EXPECT_EQ(caption(El::LcdDc), QStringLiteral("b"));
    EXPECT_EQ(caption(El::LcdDd), QStringLiteral("0"));

    // Each letter pattern in every one of the eight fields.
    const El labels[8] = {El::LcdDa,  El::LcdDb,  El::LcdDc,  El::LcdDd,
                          El::LcdDa2, El::LcdDb2, El::LcdDc2, El::LcdDd2};
    const int fields[8] = {33, 25, 17, 9, 65, 57, 49, 41};
    const struct
    {
        const char* pattern;
        const char* shown[8];
    } rows[] = {
        {"1011101", {"5", "s", "5", "5", "5", "5", "5", "5"}},
        {"0011111", {"", "", "b", "", "", "", "", ""}},
        {"0111011", {"u", "", "", "", "", "", "", ""}},
        {"0001011", {"@", "@", "@", "@", "@", "@", "@", "@"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.pattern);
        LcdBits all;
        for (int s : fields)
            all.pattern(s, r.pattern);
        stageLcdHex(session, all);
        session.LcdDisplay452();
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(caption(labels[i]), QString::fromLatin1(r.shown[i])) << i;
    }
}

TEST_F(Decoders, Frame452PointsFollowTheirBitsAndIgnoreBit12)
{
    const struct
    {
        std::vector<int> bits;
        std::vector<El> shown;
    } rows[] = {
        {{12}, {}},
        {{36}, {El::LcdP1}},
        {{12, 36}, {El::LcdP1}},
        {{20, 28, 44}, {El::LcdP3, El::LcdP2}},
        {{52, 60, 68}, {El::LcdP32, El::LcdP22, El::LcdP12}},
    };
    const El shapes[] = {El::LcdP1, El::LcdP2, El::LcdP3, El::LcdP12, El::LcdP22, El::LcdP32};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::PrintToString(r.bits));
        stageLcdHex(session, LcdBits().main("1234").second("5678").setAll(r.bits));
        session.LcdDisplay452();
        for (El e : shapes) {
            const bool expected = std::find(r.shown.begin(), r.shown.end(), e) != r.shown.end();
            EXPECT_EQ(shown(e), expected) << elementName(e).toStdString();
        }
    }
}

TEST_F(Decoders, Frame452OfElevenBytesRepeatsTheCarriageReturnDigit)
{
    const QByteArray serial = bytes452("A0" + LcdBits().main("1234").hex(10).substr(2));
    session.H452RData(serial.constData(), serial.size());
    ASSERT_EQ(calls.frames,
              std::vector<std::string>{"A0" + LcdBits().main("1234").hex(10).substr(2) + "D"});
    EXPECT_EQ(caption(El::LcdDa), QStringLiteral("1"));
    EXPECT_EQ(caption(El::LcdDd), QStringLiteral("4"));
    // Every secondary digit reads segments a, b, f, g and d: no digit.
    for (El e : {El::LcdDa2, El::LcdDb2, El::LcdDc2, El::LcdDd2})
        EXPECT_EQ(caption(e), QString()) << elementName(e).toStdString();
    for (El e : {El::LcdP12, El::LcdP22, El::LcdP32})
        EXPECT_TRUE(shown(e)) << elementName(e).toStdString();
}

TEST_F(Decoders, Frame452OnlyMirrorsTheDisplay)
{
    // A 415 frame whose tail lights every symbol, then a 452 frame.
    const QByteArray lit =
        bytes415(LcdBits().main("1234").second("   5").setAll({53, 54, 55, 56}).hex(14));
    session.H415RData(lit.constData(), lit.size());
    ASSERT_TRUE(shown(El::CFM));
    ASSERT_EQ(caption(El::Label4), QStringLiteral("^"));
    const ReadingState before = st();
    const qsizetype rows = session.log().size();
    const int bar = session.panel().barPosition();

    stageLcdHex(session, LcdBits().main("9876").second("5432"));
    session.LcdDisplay452();
    EXPECT_EQ(caption(El::LcdDa), QStringLiteral("9"));
    EXPECT_EQ(caption(El::LcdDd2), QStringLiteral("2"));

    EXPECT_EQ(st().ReadingUnit, QString());
    EXPECT_EQ(st().ReadingValue, before.ReadingValue);
    EXPECT_EQ(st().ReadingValue2, before.ReadingValue2);
    EXPECT_EQ(st().ReadingUnit2, before.ReadingUnit2);
    EXPECT_EQ(st().ReadingCount, before.ReadingCount);
    EXPECT_EQ(st().ReadingNumber, before.ReadingNumber);
    EXPECT_EQ(session.log().size(), rows);
    EXPECT_EQ(session.panel().barPosition(), bar);
    EXPECT_TRUE(shown(El::CONok));
    EXPECT_FALSE(shown(El::CONokN));

    const El hidden[] = {El::AVE,   El::MAX,  El::PH,      El::MIN,    El::READ,  El::rec,
                         El::NO,    El::usb,  El::ESC,     El::NODATA, El::power, El::VEL,
                         El::frame, El::FLOW, El::t_p,     El::c,      El::f,     El::RH,
                         El::KEY,   El::TEMP, El::LOAD,    El::time_l, El::TIMER, El::p_off,
                         El::CFM,   El::CMM,  El::ms,      El::knots,  El::mph,   El::ftmin,
                         El::X1,    El::kmh,  El::LCDHold, El::V23,    El::Z0,    El::Z1};
    for (El e : hidden)
        EXPECT_FALSE(shown(e)) << elementName(e).toStdString();
    // Not among the symbols this decoder hides.
    EXPECT_TRUE(shown(El::loadNO));
    EXPECT_TRUE(shown(El::LcdFH));
    EXPECT_EQ(caption(El::Label4), QStringLiteral("^"));
    EXPECT_EQ(caption(El::Label5), QStringLiteral(">"));
}

} // namespace
