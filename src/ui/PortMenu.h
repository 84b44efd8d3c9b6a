#pragma once

#include <QMenu>

class QActionGroup;
#include <QString>
#include <QStringList>

namespace qx740 {

// Which serial device the Connect command opens. "COM 1" to "COM 4" stand for the first four
// serial ports of the machine in name order; a device chosen from the Port menu or typed in
// ("Other...") takes their place until a port panel is clicked again.
class PortChoice
{
public:
    // Port panel number, 1 to 4.
    int comNumber() const { return m_com; }
    void setComNumber(int n)
    {
        m_com = n;
        m_device.clear();
    }
    // An explicitly chosen device path, or empty.
    const QString& explicitDevice() const { return m_device; }
    void setExplicitDevice(const QString& device) { m_device = device; }

    // The device to open, given the present ports (device paths in name order); empty when
    // the chosen COM number has no port.
    QString device(const QStringList& presentPorts) const;
    // A short name of the choice for messages ("COM 2 (/dev/ttyUSB1)", "/dev/pts/3").
    QString describe(const QStringList& presentPorts) const;

    // The machine's serial ports as device paths, sorted by name.
    static QStringList presentPorts();

private:
    int m_com = 1;
    QString m_device;
};

// The Connect > Port submenu: refreshed whenever it opens, it lists the present ports with the
// chosen one checked, and "Other..." to type any device path.
class PortMenu : public QMenu
{
    Q_OBJECT
public:
    PortMenu(PortChoice& choice, QWidget* parent = nullptr);

signals:
    // The user chose a device (from the list or typed).
    void deviceChosen(const QString& device);

private:
    void refresh();
    PortChoice& m_choice;
    QActionGroup* m_group = nullptr;
};

} // namespace qx740
