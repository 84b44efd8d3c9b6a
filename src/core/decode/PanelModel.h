#pragma once

#include "PanelElement.h"

#include <QObject>
#include <QString>

#include <array>

namespace qx740 {

// The state of the virtual LCD and its companions: each element's visibility and caption,
// and the bar position. Views render it; decoders only write it. Emits only real changes.
class PanelModel : public QObject
{
    Q_OBJECT
public:
    static constexpr int kBarMinimum = 0;
    static constexpr int kBarMaximum = 60;

    explicit PanelModel(QObject* parent = nullptr);

    bool isShown(El e) const { return m_shown[idx(e)]; }
    const QString& caption(El e) const { return m_caption[idx(e)]; }
    int barPosition() const { return m_bar; }

    void setShown(El e, bool shown);
    void setCaption(El e, const QString& caption);
    // Keeps the position within the bar's range, as the bar widget would show it.
    void setBarPosition(long long position);

signals:
    void elementChanged(qx740::El e);
    void barChanged(int position);

private:
    static int idx(El e) { return static_cast<int>(e); }
    std::array<bool, kElementCount> m_shown{};
    std::array<QString, kElementCount> m_caption;
    int m_bar = 30;
};

} // namespace qx740
