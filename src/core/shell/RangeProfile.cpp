#include "RangeProfile.h"

namespace qx740 {

RangeProfile RangeProfile::forKey(const QString& digitsProfile)
{
    RangeProfile p;
    p.digitsProfile = digitsProfile;
    auto scaled = [&p](int full, int bar) {
        p.fullScaleCount = full;
        p.barOverloadPos = bar;
        p.alarmHigh = float(full + 2);
        p.alarmLow = -float(full + 2);
        p.maxTrackerStart = -float(full + 1);
        p.minTrackerStart = float(full + 1);
        p.setMaxText = QString::number(full);
        p.setMinText = QString::number(-full);
        p.minTextCaption = QString::number(full + 1);
        p.maxTextCaption = QString::number(-(full + 1));
    };
    if (digitsProfile == QLatin1String("6"))
        scaled(6000, 60);
    else if (digitsProfile == QLatin1String("34"))
        scaled(3400, 34);
    return p;
}

} // namespace qx740
