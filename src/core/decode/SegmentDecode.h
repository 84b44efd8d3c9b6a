#pragma once

#include "PanelModel.h"
#include "ReadingState.h"
#include "SegmentBits.h"

#include <QString>

namespace qx740 {

// The eight digits of one frame, left to right, as decoded ("0".."9", "@" or empty).
struct FrameDigits
{
    QString D[4]; // main digits D1..D4
    QString E[4]; // secondary digits E1..E4
};

// The part that the segment decoders of the families 415 and 411 share: decodes the digits,
// clears ReadingUnit, sets the decimal points and every symbol from its bit, and forms
// ReadingValue and ReadingValue2. A lit minus sign in front of the secondary digits signs a
// non-empty ReadingValue2.
FrameDigits decodeSegmentFrame(const SegmentBits& bits, PanelModel& panel, ReadingState& state,
                               const QString& decimalPoint);

// The main digits read as one count: FullScaleCount for the overload display ("0" then the
// L shape in the middle), else the digits as an integer, else 0.
double countOf(const FrameDigits& d, int fullScaleCount);

// True for the overload display: main digit 2 is "0" and main digit 3 the L shape.
bool isOverload(const FrameDigits& d);

// Strips leading and trailing blanks and control characters.
QString trimmedControl(const QString& s);

} // namespace qx740
