// The three frame assemblers of the serial link and the link watchdog.
#include "MeterFrames.h"
#include "link/FrameAssemblers.h"
#include "session/MeterSession.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qx740;
using namespace qx740::test;

namespace {

// Runs one assembler over a sequence of receive events and records LcdHex at each accepted
// frame.
template <typename Assembler> struct Link
{
    Assembler assembler;
    std::string lcdHex;
    std::vector<std::string> decoded;

    void receive(const QByteArray& b)
    {
        assembler.receive(reinterpret_cast<const unsigned char*>(b.constData()),
                          std::size_t(b.size()), lcdHex, [this] { decoded.push_back(lcdHex); });
    }
};

// A frame whose bytes carry their positions 1..E in the high digits.
const QByteArray kFrame415 =
    bytes({0x13, 0x22, 0x31, 0x40, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xC0, 0xD1, 0xE2});
const std::string kDigits415 = "321056789AB012";

TEST(H415Assembler, CompleteFrameIsDecodedWhateverTheReceiveEventsSplitting)
{
    const std::vector<std::vector<int>> splits = {
        {14}, {4, 6, 4}, {13, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}};
    for (const auto& split : splits) {
        SCOPED_TRACE(::testing::PrintToString(split));
        Link<H415Assembler> link;
        int at = 0;
        for (int n : split) {
            link.receive(kFrame415.mid(at, n));
            at += n;
        }
        EXPECT_EQ(link.decoded, std::vector<std::string>{kDigits415});
        EXPECT_TRUE(link.assembler.frameHex().empty());
        EXPECT_TRUE(link.assembler.indexNibbles().empty());
    }
}

TEST(H415Assembler, FramesThatBreakThePositionSequenceAreDroppedAndTheNextOneDecodes)
{
    const QByteArray frame2 = bytes415("0123456789ABCD");
    const struct
    {
        const char* name;
        QByteArray broken;
        std::string lcdHexAfterBroken;
    } rows[] = {
        {"fifth byte missing", kFrame415.left(4) + kFrame415.mid(5), "32106789AB012"},
        {"surplus byte", kFrame415.left(4) + bytes({0x45}) + kFrame415.mid(4), "3210556789AB012"},
        {"reception began mid-frame", kFrame415.mid(9), "AB012"},
        {"two bytes swapped",
         kFrame415.left(2) + kFrame415.mid(3, 1) + kFrame415.mid(2, 1) + kFrame415.mid(4),
         "320156789AB012"},
        {"ending byte alone", bytes({0xE7}), "7"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Link<H415Assembler> link;
        link.receive(r.broken);
        EXPECT_TRUE(link.decoded.empty());
        EXPECT_EQ(link.lcdHex, r.lcdHexAfterBroken);
        link.receive(frame2);
        EXPECT_EQ(link.decoded, std::vector<std::string>{"0123456789ABCD"});
    }
}

TEST(H415Assembler, SeveralFramesInOneEventAreDecodedInOrder)
{
    Link<H415Assembler> link;
    link.receive(kFrame415 + bytes415("00000000000000") + kFrame415.left(3));
    EXPECT_EQ(link.decoded, (std::vector<std::string>{kDigits415, "00000000000000"}));
    EXPECT_EQ(link.assembler.frameHex(), "321");
    EXPECT_EQ(link.assembler.indexNibbles(), "123");
}

TEST(H415Assembler, EndlessStreamWithoutEndingByteStaysSmallAndDoesNotHideTheNextFrame)
{
    Link<H415Assembler> link;
    link.receive(QByteArray(10, char(0x17)));
    EXPECT_EQ(link.assembler.frameHex(), std::string(10, '7'));
    EXPECT_EQ(link.assembler.indexNibbles(), std::string(10, '1'));

    // A wrong port speed: a megabyte of bytes that never end a frame.
    for (int i = 0; i < 1024; ++i)
        link.receive(kFrame415.left(13).repeated(79));
    EXPECT_LE(link.assembler.frameHex().size(), 64u);
    EXPECT_TRUE(link.decoded.empty());

    // Its end starts with exactly the bytes of a good frame, yet the whole is far too long.
    link.receive(kFrame415);
    EXPECT_TRUE(link.decoded.empty());
    link.receive(kFrame415);
    EXPECT_EQ(link.decoded, std::vector<std::string>{kDigits415});
}

struct Frame452Case
{
    const char* name;
    QByteArray bytes;
    bool accepted;
};

QByteArray frame452(int first, int length, int eleventh = 0x31)
{
    QByteArray b(length - 1, char(0x35));
    b[0] = char(first);
    if (length > 11)
        b[10] = char(eleventh);
    return b + "\r";
}

TEST(H452Assembler, AcceptsByTheFirstAndEleventhDigit)
{
    const Frame452Case rows[] = {
        {"eleven bytes starting 0x3A", frame452(0x3A, 11), true},
        {"ten bytes", frame452(0x3A, 10), false},
        {"thirteen bytes, eleventh 0x2D", frame452(0x3A, 13, 0x2D), true},
        {"thirteen bytes, eleventh 0x2C", frame452(0x3A, 13, 0x2C), false},
        {"eleven bytes starting 0x3B", frame452(0x3B, 11), false},
        {"carriage return alone", QByteArray("\r"), false},
        // Frames far longer than any display are still judged by the same two digits.
        {"5000 bytes, eleventh 0x2D", frame452(0x4A, 5000, 0x2D), true},
        {"5000 bytes, eleventh 0x2E", frame452(0x4A, 5000, 0x2E), false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Link<H452Assembler> link;
        link.receive(r.bytes);
        EXPECT_EQ(link.decoded.size(), r.accepted ? 1u : 0u);
        // Written for rejected frames too; the carriage return gives the last "D".
        const std::size_t length = std::size_t(r.bytes.size());
        const bool kept = length <= H452Assembler::kKeep;
        EXPECT_EQ(link.lcdHex.size(), kept ? length : H452Assembler::kKeep);
        ASSERT_FALSE(link.lcdHex.empty());
        EXPECT_EQ(link.lcdHex.back(), kept ? 'D' : '5');
        EXPECT_TRUE(link.assembler.frameHex().empty());

        link.receive(frame452(0x3A, 11));
        EXPECT_EQ(link.decoded.size(), r.accepted ? 2u : 1u);
        EXPECT_EQ(link.lcdHex, "A555555555D");
    }
}

TEST(H452Assembler, OverlongFrameReachesTheDecoderWithItsLeadingDigits)
{
    Link<H452Assembler> link;
    QByteArray b = frame452(0x3A, 6000, 0x2D);
    for (int i = 11; i < 6000 - 1; ++i)
        b[i] = char(0x30 | (i % 10));
    link.receive(b);
    ASSERT_EQ(link.decoded.size(), 1u);
    const std::string& seen = link.decoded.front();
    ASSERT_EQ(seen.size(), H452Assembler::kKeep);
    for (std::size_t i = 0; i < seen.size(); ++i)
        ASSERT_EQ(seen[i], hexDigit(unsigned(b[qsizetype(i)]))) << "digit " << i;
}

// CR LF frames: the bytes' texts accumulate in LcdHex until "0D0A" appears in them.
TEST(CComm1Assembler, CrLfSplitOverTwoEventsEndsTheFrameAtTheSecond)
{
    Link<CComm1Assembler> link;
    link.receive(bytes({0x30, 0x3F, 0x31, 0x0D}));
    EXPECT_TRUE(link.decoded.empty());
    EXPECT_EQ(link.lcdHex, "303F310D");

    link.receive(bytes({0x0A, 0x32, 0x3F}));
    EXPECT_EQ(link.decoded, std::vector<std::string>{"0F1DA"});
    EXPECT_EQ(link.lcdHex, "323F"); // the start of the next frame
}

TEST(CComm1Assembler, OnlyTheFirst32BytesReachTheDecoder)
{
    Link<CComm1Assembler> link;
    QByteArray b;
    for (int i = 0; i < 38; ++i)
        b.append(char(0x30 | (i % 16)));
    b[1] = char(0x3F);
    link.receive(b + "\r\n");
    ASSERT_EQ(link.decoded.size(), 1u);
    EXPECT_EQ(link.decoded[0], "0F23456789ABCDEF0123456789ABCDEF");
    EXPECT_TRUE(link.lcdHex.empty());
}

TEST(CComm1Assembler, TakesOneFramePerEventAndRejectsFramesNotOfTypeF)
{
    Link<CComm1Assembler> link;
    link.receive(bytes411("1F23") + bytes411("4F56") + bytes411("7E89"));
    EXPECT_EQ(link.decoded, std::vector<std::string>{"1F23DA"});

    link.receive(bytes({0x3F}));
    EXPECT_EQ(link.decoded, (std::vector<std::string>{"1F23DA", "4F56DA"}));
    link.receive(bytes({0x3F}));
    EXPECT_EQ(link.decoded.size(), 2u); // the type E frame is dropped
    EXPECT_EQ(link.lcdHex, "3F3F");
}

TEST(CComm1Assembler, CrLfAcrossByteBoundariesPutsOnlyTheNextFrameOutOfStep)
{
    Link<CComm1Assembler> link;
    // 0x30 0xD0 0xA1 reads "30D0A1": "0D0A" without a CR or LF byte.
    link.receive(bytes({0x31, 0x3F, 0x30, 0xD0, 0xA1}));
    EXPECT_EQ(link.decoded, std::vector<std::string>{"1F00"});
    EXPECT_EQ(link.lcdHex, "1");

    link.receive(bytes411("1F2")); // read one digit late: its type digit is a high digit
    EXPECT_EQ(link.decoded.size(), 1u);
    link.receive(bytes411("1F3"));
    EXPECT_EQ(link.decoded.back(), "1F3DA");
}

TEST(CComm1Assembler, EndlessStreamWithoutCrLfStaysSmallAndItsFrameStillDecodesWhole)
{
    Link<CComm1Assembler> link;
    QByteArray head;
    for (int i = 0; i < 40; ++i)
        head.append(char(0x30 | (i % 16)));
    head[1] = char(0x3F);
    link.receive(head);
    for (int i = 0; i < 1024; ++i) {
        link.receive(QByteArray(1024, char(0x11)));
        ASSERT_LE(link.lcdHex.size(), 4096u + 2048u);
    }
    EXPECT_TRUE(link.decoded.empty());

    // The CR of the end arrives alone: the LF must still find it.
    link.receive(bytes({0x0D}));
    link.receive(bytes({0x0A, 0x31}));
    EXPECT_EQ(link.decoded, std::vector<std::string>{"0F23456789ABCDEF0123456789ABCDEF"});
    EXPECT_EQ(link.lcdHex, "31");

    link.receive(bytes411("F45"));
    EXPECT_EQ(link.decoded.back(), "1F45DA");
}

// Shortening an endless accumulation must not join text that never stood side by side: a
// "0D0A" formed there would end a frame that the meter never ended.
TEST(CComm1Assembler, ShorteningTheAccumulationInventsNoFrameEnd)
{
    const struct
    {
        const char* name;
        int byte31;           // the last byte whose text the decoder could see
        int secondLast, last; // the stream's last two bytes before it is shortened
    } rows[] = {
        {"head ends 0, tail D0A", 0x30, 0x1D, 0x0A},
        {"head ends 0D, tail 0A", 0x0D, 0x10, 0xA1},
        {"head ends 0D0, tail A", 0xD0, 0x1A, 0x11},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Link<CComm1Assembler> link;
        QByteArray stream(3000, char(0x11));
        stream[1] = char(0x3F);
        stream[30] = char(0x30);
        stream[31] = char(r.byte31);
        stream[2998] = char(r.secondLast);
        stream[2999] = char(r.last);
        link.receive(stream);
        link.receive(bytes({0x11}));
        EXPECT_TRUE(link.decoded.empty());
        link.receive(bytes({0x0D, 0x0A}));
        ASSERT_EQ(link.decoded.size(), 1u);
        EXPECT_EQ(link.decoded.front().substr(0, 4), "1F11");
    }
}

// The watchdog shows the silent-link picture on the third tick without a decoded frame.
TEST(LinkWatchdog, ShowsSilenceEveryThirdIdleTickAndFramesPostponeIt)
{
    ManualClock clock;
    MeterSession s(ModelFlags::thisBuild(), QStringLiteral("."), clock);
    const QByteArray lit = bytes452("A000000000"); // decoder 452 lights the link picture
    s.H452RData(lit.constData(), lit.size());
    ASSERT_TRUE(s.panel().isShown(El::CONok));

    s.ConTimerTimer();
    s.ConTimerTimer();
    EXPECT_TRUE(s.panel().isShown(El::CONok));
    send(s, bytes415("00000000000000")); // any decoded frame restarts the count
    s.ConTimerTimer();
    s.ConTimerTimer();
    EXPECT_TRUE(s.panel().isShown(El::CONok));
    s.ConTimerTimer();
    EXPECT_FALSE(s.panel().isShown(El::CONok));
    EXPECT_TRUE(s.panel().isShown(El::CONokN));
    EXPECT_EQ(s.state().FrameIdleTicks, 0);

    int silences = 0;
    QObject::connect(&s, &MeterSession::usbSilence, [&] { ++silences; });
    s.IdleReportCount = 1000;
    s.ConTimerTimer();
    s.ConTimerTimer();
    EXPECT_EQ(silences, 0);
    s.ConTimerTimer();
    EXPECT_EQ(silences, 1);
    EXPECT_EQ(s.IdleReportCount, 0);
    for (int i = 0; i < 3; ++i)
        s.ConTimerTimer();
    EXPECT_EQ(silences, 1);
}

TEST(MeterSessionLink, BytesGoToTheBoundHandlerOnly)
{
    ManualClock clock;
    MeterSession bound(ModelFlags::thisBuild(), QStringLiteral("."), clock);
    MeterSession unbound(ModelFlags::none(), QStringLiteral("."), clock);
    DecoderCalls boundCalls(bound), unboundCalls(unbound);
    send(bound, kFrame415);
    send(unbound, kFrame415);
    EXPECT_EQ(boundCalls.decoders, std::vector<Decoder>{Decoder::D415});
    EXPECT_EQ(boundCalls.frames, std::vector<std::string>{kDigits415});
    EXPECT_EQ(unboundCalls.size(), 0u);
    EXPECT_TRUE(unbound.lcdHex().empty());
}

} // namespace
