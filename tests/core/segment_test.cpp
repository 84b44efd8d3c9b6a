// The segment code shared by every decoder: expanding a frame text into bits, the digit
// fields, and the 7-segment pattern table.
#include "MeterFrames.h"
#include "decode/SegmentBits.h"

#include <gtest/gtest.h>

using namespace qx740;
using qx740::test::LcdBits;

namespace {

struct ExpandCase
{
    const char* name;
    std::string lcdHex;
    int chars;
    QString expected; // the bit text
};

QString repeatBits(const char* four, int times)
{
    return QString::fromLatin1(four).repeated(times);
}

class Expand : public ::testing::TestWithParam<ExpandCase>
{
};

TEST_P(Expand, GivesFourBitsPerCharacterMostSignificantFirst)
{
    const ExpandCase& c = GetParam();
    const SegmentBits bits = SegmentBits::expand(c.lcdHex, c.chars);
    EXPECT_EQ(bits.length(), c.chars * 4);
    EXPECT_EQ(bits.toText(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Expand,
    ::testing::Values(
        ExpandCase{"AllDigits", "0123456789ABCDEF0123456789ABCDEF", 32,
                   "0000000100100011010001010110011110001001101010111100110111101111"
                   "0000000100100011010001010110011110001001101010111100110111101111"},
        // A 14-digit serial frame: every missing digit repeats the fourteenth, so bits 57 to
        // 128 all follow that one digit.
        ExpandCase{"ShortTextRepeatsItsLastDigit", "321056789AB012", 32,
                   "0011001000010000010101100111100010011010101100000001" + repeatBits("0010", 19)},
        ExpandCase{"EmptyTextIsAllZero", "", 32, repeatBits("0000", 32)},
        ExpandCase{"LongerTextIsCut", "F0F0F0F0F0F0F0F0F0F0F0F0F0F0F0", 26,
                   repeatBits("11110000", 13)},
        ExpandCase{"ShortTextFillsA26DigitFrameToo", "8", 26, repeatBits("1000", 26)},
        // The links only deliver upper-case digits; anything else must not stop decoding.
        ExpandCase{"OtherCharactersCountAsZero", "a-G", 3, "000000000000"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SegmentBits, PositionsBeyondTheExpandedLengthReadAsClear)
{
    const SegmentBits bits = SegmentBits::expand("FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 26);
    EXPECT_TRUE(bits.isSet(1));
    EXPECT_TRUE(bits.isSet(104));
    EXPECT_FALSE(bits.isSet(105));
    EXPECT_FALSE(bits.isSet(128));
    EXPECT_FALSE(bits.isSet(0));
}

TEST(SegmentPatterns, TableGivesDigitsAndTheLShapeAndBlankOtherwise)
{
    const struct
    {
        const char* pattern;
        const char* character;
    } rows[] = {
        {"1111011", "0"}, {"0110000", "1"}, {"1100111", "2"}, {"1110101", "3"},
        {"0111100", "4"}, {"1011101", "5"}, {"1011111", "6"}, {"1110000", "7"},
        {"1111111", "8"}, {"1111101", "9"}, {"0001011", "@"}, {"0000000", ""}, // all segments off
        {"0000100", ""},                                                       // a dash
        {"1001111", ""},                                                       // the letter E
        {"0011111", ""}, // b: only the 452 family knows it, in one position
        {"0111011", ""}, // u, likewise
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.pattern);
        EXPECT_EQ(patternCharacter(patternFromText(r.pattern)), QString::fromLatin1(r.character));
    }
}

// A frame worked out by hand from the field layout: main "1234", secondary "5678", with the
// point after main digit 2. It checks the decoder's fields and the test builder alike.
TEST(DigitFields, HandMadeFrameReadsRightmostDigitFirst)
{
    const std::string hex = "006CE5D760EFE0AFAD00000000000000";
    const SegmentBits bits = SegmentBits::expand(hex, 32);
    const char* main[4] = {"1", "2", "3", "4"};
    const char* second[4] = {"5", "6", "7", "8"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(patternCharacter(bits.digitPattern(kMainDigitStart[i])),
                  QString::fromLatin1(main[i]));
        EXPECT_EQ(patternCharacter(bits.digitPattern(kSecondDigitStart[i])),
                  QString::fromLatin1(second[i]));
    }
    EXPECT_TRUE(bits.isSet(28));
    EXPECT_EQ(LcdBits().main("1234").second("5678").set(28).hex(), hex);
}

TEST(DigitFields, PointBitIsNoSegment)
{
    for (int s : {9, 17, 25, 33, 41, 49, 57, 65}) {
        SCOPED_TRACE(s);
        const std::string hex = LcdBits().set(s + 3).hex();
        EXPECT_EQ(SegmentBits::expand(hex, 32).digitPattern(s), 0);
        const std::string eight = LcdBits().pattern(s, "1111111").hex();
        EXPECT_EQ(SegmentBits::expand(eight, 32).digitPattern(s), 0x7F);
        EXPECT_FALSE(SegmentBits::expand(eight, 32).isSet(s + 3));
    }
}

} // namespace
