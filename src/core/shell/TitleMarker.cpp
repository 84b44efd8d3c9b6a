#include "TitleMarker.h"

#include <sys/utsname.h>

namespace qx740 {

QString titleMarkerFor(const QString& machine)
{
    const bool wide = machine == QLatin1String("x86_64") || machine == QLatin1String("amd64") ||
                      machine == QLatin1String("ia64");
    return wide ? QStringLiteral("(x64)") : QStringLiteral("(x86)");
}

QString titleMarker()
{
    utsname u{};
    if (uname(&u) != 0)
        return titleMarkerFor(QString());
    return titleMarkerFor(QString::fromLatin1(u.machine));
}

} // namespace qx740
