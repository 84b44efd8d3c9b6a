#pragma once

#include "decode/PanelElement.h"

#include <QFrame>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

class QLabel;

namespace qx740 {

class PanelModel;

// The virtual LCD: a cream, lowered panel with one named child per display element, each
// following the panel model's visibility and caption.
class LcdPanelWidget : public QFrame
{
    Q_OBJECT
public:
    // Where the main window puts the panel, in its client area.
    static constexpr QPoint kPlace{3, 40};
    // The panel's fixed size.
    static constexpr QSize kSize{398, 257};

    // Builds every element at its place and mirrors the model's current state.
    explicit LcdPanelWidget(PanelModel& model, QWidget* parent = nullptr);

    // The child that shows element e, or nullptr when e is not on this panel.
    QWidget* element(El e) const;

    // The readable form of a unit text of the log ("m|s" -> "m/s", "#" -> "°C", ...).
    static QString displayUnit(const QString& unitText);

protected:
    // Paints the elements whose look is not plain text: digits, the minus sign and symbols.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createElements();
    void updateElement(El e);
    void paintElement(El e, QLabel* label);

    PanelModel& m_model;
    std::array<QWidget*, kElementCount> m_elements{};
};

} // namespace qx740
