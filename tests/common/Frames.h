#pragma once

// A short way to write the serial stream of a reading, for tests of the window and the CLI.

#include "MeterFrames.h"

namespace qx740::test {

// The 14-byte serial frame showing four main digits (left to right, the decimal point after
// main digit `mainPoint` 1..3, 0 for none) and the two rightmost secondary digits. In a frame
// this short the last digit also stands for every later bit: symbols and the left secondary
// digits follow from it.
inline QByteArray readingFrame(const char* main4, int mainPoint, const char* second2)
{
    LcdBits bits;
    bits.main(main4);
    if (mainPoint > 0)
        bits.set(kMainField[mainPoint - 1] + 3);
    bits.pattern(kSecondField[2], segmentsOf(second2[0]));
    bits.pattern(kSecondField[3], segmentsOf(second2[1]));
    return bytes415(bits.hex(14));
}

} // namespace qx740::test
