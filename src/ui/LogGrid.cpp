#include "LogGrid.h"

#include "LcdPanelWidget.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace qx740 {

LogGrid::LogGrid(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("DBGrid1"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    setShowGrid(true);
    setWordWrap(false);
    setStyleSheet(QStringLiteral("QTableView { background: #C0C0C0; }"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(11);
    horizontalHeader()->setFont(title);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(17);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(12);
    verticalScrollBar()->installEventFilter(this);
    horizontalScrollBar()->installEventFilter(this);
    auto* units = new UnitDelegate(this);
    setItemDelegateForColumn(3, units);
    setItemDelegateForColumn(5, units);
}

void LogGrid::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    static const int kWidths[] = {45, 75, 74, 51, 69};
    for (int c = 0; c < 5; ++c)
        setColumnWidth(c, kWidths[c]);
    horizontalHeader()->setStretchLastSection(true);
    connect(model, &QAbstractItemModel::rowsInserted, this, &LogGrid::followNewest);
}

void LogGrid::followNewest(const QModelIndex& parent, int, int last)
{
    if (parent.isValid())
        return;
    const QModelIndex newest = model()->index(last, 0);
    setCurrentIndex(newest);
    scrollTo(newest);
}

void LogGrid::postRowStep(int wheelDelta)
{
    const int key = wheelDelta > 0 ? Qt::Key_Up : Qt::Key_Down;
    QApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

void LogGrid::wheelEvent(QWheelEvent* event)
{
    postRowStep(event->angleDelta().y());
    event->accept();
}

bool LogGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel &&
        (watched == verticalScrollBar() || watched == horizontalScrollBar())) {
        postRowStep(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

QString UnitDelegate::displayText(const QVariant& value, const QLocale&) const
{
    return LcdPanelWidget::displayUnit(value.toString());
}

} // namespace qx740
