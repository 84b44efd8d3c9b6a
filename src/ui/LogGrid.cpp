#include "LogGrid.h"

#include "LcdPanelWidget.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

#include <algorithm>

namespace qx740 {

namespace {
constexpr int kRowHeight = 17;
} // namespace

LogWindowModel::LogWindowModel(QObject* parent) : QAbstractTableModel(parent)
{
}

void LogWindowModel::setSource(QAbstractItemModel* source)
{
    beginResetModel();
    m_source = source;
    m_first = 0;
    m_count = visibleCount(m_first, m_rows);
    endResetModel();
}

int LogWindowModel::visibleCount(int first, int rows) const
{
    if (!m_source)
        return 0;
    return std::clamp(m_source->rowCount() - first, 0, rows);
}

void LogWindowModel::setWindow(int first, int rows)
{
    const int count = visibleCount(first, rows);
    m_first = first;
    m_rows = rows;
    if (count > m_count) {
        beginInsertRows({}, m_count, count - 1);
        m_count = count;
        endInsertRows();
    } else if (count < m_count) {
        beginRemoveRows({}, count, m_count - 1);
        m_count = count;
        endRemoveRows();
    }
    // Only the rows on screen are refreshed, whatever the log's length.
    if (m_count > 0)
        emit dataChanged(index(0, 0), index(m_count - 1, columnCount() - 1));
}

int LogWindowModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int LogWindowModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_source ? 0 : m_source->columnCount();
}

QVariant LogWindowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_source)
        return {};
    return m_source->index(m_first + index.row(), index.column()).data(role);
}

QVariant LogWindowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!m_source || orientation != Qt::Horizontal)
        return {};
    return m_source->headerData(section, orientation, role);
}

LogGrid::LogGrid(QWidget* parent)
    : QWidget(parent), m_view(new QTableView(this)), m_scroll(new QScrollBar(Qt::Vertical, this))
{
    setObjectName(QStringLiteral("DBGrid1"));
    m_view->setModel(&m_window);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setShowGrid(true);
    m_view->setWordWrap(false);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setStyleSheet(QStringLiteral("QTableView { background: #C0C0C0; }"));
    // The selected row stays marked when the grid does not have the focus.
    QPalette pal = m_view->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    m_view->setPalette(pal);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    m_view->setFont(f);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(11);
    m_view->horizontalHeader()->setFont(title);
    m_view->horizontalHeader()->setHighlightSections(false);
    // The second unit takes what is left of the grid's width.
    m_view->horizontalHeader()->setMinimumSectionSize(20);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setFixedWidth(12);
    auto* units = new UnitDelegate(this);
    m_view->setItemDelegateForColumn(3, units);
    m_view->setItemDelegateForColumn(5, units);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    m_scroll->installEventFilter(this);
    setFocusProxy(m_view);

    connect(m_scroll, &QScrollBar::valueChanged, this, &LogGrid::showFrom);
    connect(m_view, &QTableView::pressed, this,
            [this](const QModelIndex& i) { setCurrentRow(m_window.first() + i.row()); });
    layoutChildren();
}

void LogGrid::setModel(QAbstractItemModel* model)
{
    m_source = model;
    m_window.setSource(model);
    static const int kWidths[] = {45, 75, 74, 51, 69};
    for (int c = 0; c < 5; ++c)
        m_view->setColumnWidth(c, kWidths[c]);
    m_view->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);
    connect(model, &QAbstractItemModel::rowsInserted, this, &LogGrid::onRowsInserted);
    connect(model, &QAbstractItemModel::modelReset, this, &LogGrid::onReset);
    onReset();
}

int LogGrid::rowCount() const
{
    return m_source ? m_source->rowCount() : 0;
}

QString LogGrid::cellText(int row, int column) const
{
    return m_source ? m_source->index(row, column).data().toString() : QString();
}

void LogGrid::layoutChildren()
{
    const int barWidth = m_scroll->sizeHint().width();
    m_view->setGeometry(0, 0, width() - barWidth, height());
    m_scroll->setGeometry(width() - barWidth, 0, barWidth, height());
    const int header = m_view->horizontalHeader()->sizeHint().height();
    m_visible = std::max(1, (height() - header - 2 * m_view->frameWidth()) / kRowHeight);
}

void LogGrid::resizeEvent(QResizeEvent*)
{
    layoutChildren();
    if (m_current >= 0)
        setCurrentRow(m_current); // keeps the current row on screen
    else
        showFrom(m_window.first());
}

void LogGrid::showFrom(int first)
{
    const int total = rowCount();
    const int maxFirst = std::max(0, total - m_visible);
    first = std::clamp(first, 0, maxFirst);
    {
        const QSignalBlocker block(m_scroll);
        m_scroll->setRange(0, maxFirst);
        m_scroll->setPageStep(m_visible);
        m_scroll->setValue(first);
    }
    m_window.setWindow(first, m_visible);
    syncSelection();
}

void LogGrid::syncSelection()
{
    const int row = m_current - m_window.first();
    if (m_current >= 0 && row >= 0 && row < m_window.rowCount())
        m_view->selectionModel()->setCurrentIndex(m_window.index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    else
        m_view->selectionModel()->clear();
}

void LogGrid::setCurrentRow(int row)
{
    const int total = rowCount();
    if (total == 0) {
        m_current = -1;
        showFrom(0);
        return;
    }
    m_current = std::clamp(row, 0, total - 1);
    int first = m_window.first();
    if (m_current < first)
        first = m_current;
    else if (m_current >= first + m_visible)
        first = m_current - m_visible + 1;
    showFrom(first);
}

void LogGrid::onRowsInserted(const QModelIndex& parent, int, int last)
{
    if (!parent.isValid())
        setCurrentRow(last);
}

void LogGrid::onReset()
{
    m_current = rowCount() > 0 ? rowCount() - 1 : -1;
    showFrom(m_current >= 0 ? m_current : 0);
}

void LogGrid::postRowStep(int wheelDelta)
{
    const int key = wheelDelta > 0 ? Qt::Key_Up : Qt::Key_Down;
    QApplication::postEvent(m_view, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

bool LogGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        postRowStep(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int current = std::max(m_current, 0);
        switch (key) {
        case Qt::Key_Up:
            setCurrentRow(current - 1);
            return true;
        case Qt::Key_Down:
            setCurrentRow(current + 1);
            return true;
        case Qt::Key_PageUp:
            setCurrentRow(current - m_visible);
            return true;
        case Qt::Key_PageDown:
            setCurrentRow(current + m_visible);
            return true;
        case Qt::Key_Home:
            setCurrentRow(0);
            return true;
        case Qt::Key_End:
            setCurrentRow(rowCount() - 1);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString UnitDelegate::displayText(const QVariant& value, const QLocale&) const
{
    return LcdPanelWidget::displayUnit(value.toString());
}

} // namespace qx740
