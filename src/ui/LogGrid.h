#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

namespace qx740 {

// The read-only grid of the reading log. The mouse wheel moves the selection one row per wheel
// event (up when turned away from the user, down otherwise) and scrolls nothing else; the grid
// follows the newest row as rows arrive.
class LogGrid : public QTableView
{
    Q_OBJECT
public:
    explicit LogGrid(QWidget* parent = nullptr);
    void setModel(QAbstractItemModel* model) override;

protected:
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Posts an Up or Down key press to the grid, so it is handled after the wheel event.
    void postRowStep(int wheelDelta);
    void followNewest(const QModelIndex& parent, int first, int last);
};

// Shows the log's unit texts readably ("m|s" as m/s, "#" as a temperature unit).
class UnitDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override;
};

} // namespace qx740
