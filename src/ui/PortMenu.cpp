#include "PortMenu.h"

#include <QActionGroup>
#include <QInputDialog>
#include <QSerialPortInfo>

#include <algorithm>

namespace qx740 {

QStringList PortChoice::presentPorts()
{
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    std::sort(ports.begin(), ports.end(), [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
        return a.portName() < b.portName();
    });
    QStringList paths;
    for (const QSerialPortInfo& p : ports)
        paths << p.systemLocation();
    return paths;
}

QString PortChoice::device(const QStringList& presentPorts) const
{
    if (!m_device.isEmpty())
        return m_device;
    return m_com - 1 < presentPorts.size() ? presentPorts.at(m_com - 1) : QString();
}

QString PortChoice::describe(const QStringList& presentPorts) const
{
    if (!m_device.isEmpty())
        return m_device;
    const QString dev = device(presentPorts);
    return dev.isEmpty() ? QStringLiteral("COM %1").arg(m_com)
                         : QStringLiteral("COM %1 (%2)").arg(m_com).arg(dev);
}

PortMenu::PortMenu(PortChoice& choice, QWidget* parent)
    : QMenu(QStringLiteral("Port"), parent), m_choice(choice)
{
    setObjectName(QStringLiteral("PortMenu"));
    connect(this, &QMenu::aboutToShow, this, &PortMenu::refresh);
    refresh();
}

void PortMenu::refresh()
{
    clear();
    delete m_group; // clear() removes the actions, not the group that held them
    m_group = new QActionGroup(this);
    QActionGroup* group = m_group;
    const QStringList present = PortChoice::presentPorts();
    const QString chosen = m_choice.device(present);
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QString& path : present) {
        QString label = path;
        for (const QSerialPortInfo& info : infos)
            if (info.systemLocation() == path && !info.description().isEmpty())
                label += QStringLiteral("  -  ") + info.description();
        QAction* a = addAction(label);
        a->setCheckable(true);
        a->setChecked(path == chosen);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, path] { emit deviceChosen(path); });
    }
    if (present.isEmpty())
        addAction(QStringLiteral("(no serial ports found)"))->setEnabled(false);
    addSeparator();
    QAction* other = addAction(QStringLiteral("Other..."));
    other->setObjectName(QStringLiteral("PortOther"));
    if (!chosen.isEmpty() && !present.contains(chosen)) {
        other->setCheckable(true);
        other->setChecked(true);
        other->setText(QStringLiteral("Other: %1").arg(chosen));
    }
    connect(other, &QAction::triggered, this, [this, chosen] {
        bool ok = false;
        const QString path = QInputDialog::getText(
            parentWidget(), QStringLiteral("Serial port"),
            QStringLiteral("Device path (for example /dev/ttyUSB0 or /dev/serial/by-id/...):"),
            QLineEdit::Normal, chosen, &ok);
        if (ok && !path.trimmed().isEmpty())
            emit deviceChosen(path.trimmed());
    });
}

} // namespace qx740
