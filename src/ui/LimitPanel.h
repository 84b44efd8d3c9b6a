#pragma once

#include "decode/PanelModel.h"
#include "limits/LimitEdits.h"

#include <QFrame>

class QLabel;
class QLineEdit;

namespace qx740 {

class LinkPicture;

// A filled circle whose colour shows the verdict.
class VerdictCircle : public QWidget
{
    Q_OBJECT
public:
    explicit VerdictCircle(QWidget* parent = nullptr);
    void setColor(const QColor& c);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_color;
};

// The limit panel: the high and low limit edits, the measured value, the Pass/Fail verdict on
// its circle, and the blinking activity picture. The edits' checks and the verdict come from
// the core; this widget shows them and reports what the user typed.
class LimitPanel : public QFrame
{
    Q_OBJECT
public:
    LimitPanel(LimitEdits& limits, PanelModel& panel, QWidget* parent = nullptr);

    QLineEdit* highEdit() const { return m_high; }
    QLineEdit* lowEdit() const { return m_low; }

    static QColor passColor() { return QColor(0, 128, 0); }
    static QColor failColor() { return QColor(255, 0, 0); }
    static QColor idleColor() { return QColor(255, 255, 225); } // the tooltip yellow

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render(El e);
    void onTextChanged(LimitEdits::Which which, QLineEdit* edit, const QString& text);
    LimitEdits::Which which(QObject* edit) const;

    LimitEdits& m_limits;
    PanelModel& m_panel;
    QLineEdit* m_high;
    QLineEdit* m_low;
    QLineEdit* m_value;
    VerdictCircle* m_circle;
    QLabel* m_judge;
    LinkPicture* m_image1;
    LinkPicture* m_image2;
    bool m_reverting = false;
};

} // namespace qx740
