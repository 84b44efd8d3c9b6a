#include "PanelModel.h"

#include <algorithm>

namespace qx740 {

PanelModel::PanelModel(QObject* parent) : QObject(parent)
{
    for (int i = 0; i < kElementCount; ++i) {
        const ElementInfo& info = elementInfo(static_cast<El>(i));
        m_shown[i] = info.startShown;
        m_caption[i] = QString::fromLatin1(info.startCaption);
    }
}

void PanelModel::setShown(El e, bool shown)
{
    if (m_shown[idx(e)] == shown)
        return;
    m_shown[idx(e)] = shown;
    emit elementChanged(e);
}

void PanelModel::setCaption(El e, const QString& caption)
{
    if (m_caption[idx(e)] == caption)
        return;
    m_caption[idx(e)] = caption;
    emit elementChanged(e);
}

void PanelModel::setBarPosition(long long position)
{
    const int clamped = int(std::clamp<long long>(position, kBarMinimum, kBarMaximum));
    if (clamped == m_bar)
        return;
    m_bar = clamped;
    emit barChanged(m_bar);
}

} // namespace qx740
