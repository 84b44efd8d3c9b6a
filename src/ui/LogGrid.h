#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QWidget>

class QScrollBar;
class QTableView;

namespace qx740 {

// A few consecutive rows of a large table, as a table model of their own. A view over it
// keeps per-row bookkeeping for the rows on screen only, so its cost stays the same however
// long the log grows.
class LogWindowModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit LogWindowModel(QObject* parent = nullptr);

    void setSource(QAbstractItemModel* source);
    // Shows rows first .. first + rows - 1 of the source (fewer at its end).
    void setWindow(int first, int rows);
    int first() const { return m_first; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int visibleCount(int first, int rows) const;

    QPointer<QAbstractItemModel> m_source;
    int m_first = 0;
    int m_rows = 0;
    int m_count = 0; // rows currently exposed
};

// The read-only grid of the reading log. It follows the newest row as rows arrive; the mouse
// wheel moves the current row one row per wheel event (up when turned away from the user,
// down otherwise) and scrolls nothing else; arrow and page keys, clicks and the scroll bar
// work as in any grid.
class LogGrid : public QWidget
{
    Q_OBJECT
public:
    explicit LogGrid(QWidget* parent = nullptr);
    void setModel(QAbstractItemModel* model);

    // The row (of the whole log) that is current, or -1 when the log is empty.
    int currentRow() const { return m_current; }
    int rowCount() const;
    // The text a cell of the whole log shows.
    QString cellText(int row, int column) const;
    // Rows that fit on screen.
    int visibleRows() const { return m_visible; }
    QTableView* view() const { return m_view; }
    QScrollBar* scrollBar() const { return m_scroll; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Posts an Up or Down key press to the grid, so it is handled after the wheel event.
    void postRowStep(int wheelDelta);
    // Makes row the current one and scrolls as little as needed to show it.
    void setCurrentRow(int row);
    void showFrom(int first);
    void syncSelection();
    void layoutChildren();
    void onRowsInserted(const QModelIndex& parent, int first, int last);
    void onReset();

    QAbstractItemModel* m_source = nullptr;
    LogWindowModel m_window;
    QTableView* m_view;
    QScrollBar* m_scroll;
    int m_current = -1;
    int m_visible = 1;
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
