#include "ReadingLogTable.h"

#include <limits>

namespace qx740 {

ReadingLogTable::ReadingLogTable(QObject* parent) : QAbstractTableModel(parent)
{
}

QString ReadingLogTable::fieldName(int column)
{
    static const char* const kNames[] = {"No", "time", "Value", "Unit", "Value2", "Unit2"};
    return QString::fromLatin1(kNames[column]);
}

void ReadingLogTable::append(const LogRow& row)
{
    // A view's row index is an int; rows past that stay stored but unseen by views.
    const qsizetype n = m_store.size();
    const bool visible = n < std::numeric_limits<int>::max();
    if (visible)
        beginInsertRows({}, int(n), int(n));
    m_store.append(row);
    if (visible)
        endInsertRows();
}

void ReadingLogTable::clear()
{
    beginResetModel();
    m_store.clear();
    endResetModel();
}

int ReadingLogTable::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return int(std::min<qsizetype>(m_store.size(), std::numeric_limits<int>::max()));
}

int ReadingLogTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LogStore::FieldCount;
}

QVariant ReadingLogTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole) {
        // No left, time centred, Value and Unit right, the second reading left.
        static const int kAlign[] = {Qt::AlignLeft,  Qt::AlignHCenter, Qt::AlignRight,
                                     Qt::AlignRight, Qt::AlignLeft,    Qt::AlignLeft};
        return QVariant::fromValue(Qt::Alignment(kAlign[index.column()]) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    return m_store.field(index.row(), static_cast<LogStore::Field>(index.column()));
}

QVariant ReadingLogTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < LogStore::FieldCount)
        return fieldName(section);
    return {};
}

} // namespace qx740
