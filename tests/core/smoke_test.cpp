#include "session/MeterSession.h"

#include <gtest/gtest.h>

using namespace qx740;

TEST(Smoke, OneFrameDecodes)
{
    ManualClock clock;
    MeterSession s(ModelFlags::thisBuild(), QStringLiteral("."), clock);
    const unsigned char frame[] = {0x13, 0x22, 0x31, 0x40, 0x55, 0x66, 0x77,
                                   0x88, 0x99, 0xAA, 0xBB, 0xC0, 0xD1, 0xE2};
    int calls = 0;
    QObject::connect(&s, &MeterSession::decoderCalled, [&](Decoder) { ++calls; });
    s.receive(reinterpret_cast<const char*>(frame), sizeof frame);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.lcdHex(), "321056789AB012");
}
