#pragma once

#include "LogStore.h"

#include <QAbstractTableModel>

namespace qx740 {

// The reading log table: its rows, offered to views as a six-column table model
// (No, time, Value, Unit, Value2, Unit2).
class ReadingLogTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ReadingLogTable(QObject* parent = nullptr);

    // Field names as the grid and the report show them.
    static QString fieldName(int column);

    void append(const LogRow& row);
    void clear();
    qsizetype size() const { return m_store.size(); }
    const LogStore& store() const { return m_store; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    LogStore m_store;
};

} // namespace qx740
