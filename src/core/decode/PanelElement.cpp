#include "PanelElement.h"

namespace qx740 {

namespace {
constexpr ElementInfo kInfo[kElementCount] = {
#define QX740_INFO(name, caption, shown, listed) {#name, caption, shown, listed},
    QX740_PANEL_ELEMENTS(QX740_INFO)
#undef QX740_INFO
};
} // namespace

const ElementInfo& elementInfo(El e)
{
    return kInfo[static_cast<int>(e)];
}

QString elementName(El e)
{
    return QString::fromLatin1(kInfo[static_cast<int>(e)].name);
}

El elementByName(QStringView name)
{
    for (int i = 0; i < kElementCount; ++i)
        if (name == QLatin1String(kInfo[i].name))
            return static_cast<El>(i);
    return El::Count;
}

} // namespace qx740
