#pragma once

#include <QString>

namespace qx740 {

// Full-scale count and the thresholds derived from it, chosen by the profile key.
struct RangeProfile
{
    QString digitsProfile = QStringLiteral("4");
    int fullScaleCount = 4000;
    int barOverloadPos = 40;
    float alarmHigh = 40.0f;
    float alarmLow = -40.0f;
    float maxTrackerStart = -40.0f;
    float minTrackerStart = 40.0f;
    // Texts the profile writes into the window; empty means "leave the design text".
    QString setMaxText, setMinText, minTextCaption, maxTextCaption;

    // The profile for a key: "6" and "34" have their own values, anything else is "4".
    static RangeProfile forKey(const QString& digitsProfile);
};

} // namespace qx740
