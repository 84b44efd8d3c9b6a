#pragma once

#include <QString>

namespace qx740 {

// The current reading as the decoders derive it, shared by the log, chart and judgement.
struct ReadingState
{
    QString ReadingValue;
    QString ReadingUnit;
    QString ReadingValue2;
    QString ReadingUnit2;
    double ReadingCount = 0;
    double ReadingNumber = 0;
    float MaxTracker = 0;
    float MinTracker = 0;
    QString MaxValueText;
    QString MinValueText;
    QString PrevUnit;
    int PrevPointPos = 0;
    int FrameIdleTicks = 0;
};

} // namespace qx740
