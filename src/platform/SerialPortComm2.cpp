#include "SerialPortComm2.h"

#include <QFile>

#include <cerrno>
#include <unistd.h>

namespace qx740 {

SerialPortComm2::SerialPortComm2(QObject* parent) : ByteSource(parent)
{
    m_port.setReadBufferSize(0);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialPortComm2::readAvailable);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialPortComm2::onError);
}

SerialPortComm2::~SerialPortComm2()
{
    m_port.close();
}

QString SerialPortComm2::describeFailure(const QString& device, QSerialPort::SerialPortError error,
                                         const QString& reason)
{
    QString text = QStringLiteral("Serial port %1: %2").arg(device, reason);
    // A port in use is reported as a permission error too; only a device the user may not
    // open at all calls for the group.
    if (error == QSerialPort::PermissionError && ::access(QFile::encodeName(device), R_OK) != 0 &&
        errno == EACCES)
        text +=
            QStringLiteral("\nThe user must be a member of the dialout group to use serial ports "
                           "(sudo usermod -aG dialout $USER, then log in again).");
    return text;
}

bool SerialPortComm2::open(const QString& device, int baudRate, QString* error)
{
    if (m_port.isOpen())
        return true;
    m_device = device;
    m_baudRate = baudRate;
    m_port.setPortName(device);
    m_port.setBaudRate(baudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_opening = true;
    m_failureWhileOpening.clear();
    const bool opened = m_port.open(QIODevice::ReadOnly);
    if (opened) {
        // Pseudo-terminals and some adapters have no modem lines; that alone is no failure.
        m_port.setDataTerminalReady(true);
        m_port.setRequestToSend(false);
    }
    m_opening = false;
    if (opened && !m_port.isOpen()) {
        // The device failed while the lines were set (unplugged at that moment).
        if (error)
            *error = m_failureWhileOpening;
        m_port.clearError();
        return false;
    }
    if (!opened) {
        if (error)
            *error = describeFailure(device, m_port.error(), m_port.errorString());
        m_port.clearError();
        return false;
    }
    m_port.clearError();
    return true;
}

void SerialPortComm2::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

void SerialPortComm2::setBaudRate(int baudRate)
{
    m_baudRate = baudRate;
    if (m_port.isOpen())
        m_port.setBaudRate(baudRate);
}

void SerialPortComm2::readAvailable()
{
    char buffer[kBatch];
    while (m_port.isOpen()) {
        const qint64 n = m_port.read(buffer, kBatch);
        if (n <= 0)
            break;
        emit received(buffer, n);
    }
}

void SerialPortComm2::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        break;
    default:
        return; // modem-line and timeout complaints leave the port usable
    }
    if (!m_port.isOpen())
        return;
    // A vanished device reports errors in a tight loop; close on the first one, then tell.
    // The system's text here is often stale (left by a modem-line request that a
    // pseudo-terminal refused), so the reason is said in words.
    const QString message = describeFailure(
        m_device, error,
        QStringLiteral("the connection was lost; the device was unplugged or closed."));
    m_port.close();
    m_port.clearError();
    if (m_opening) {
        m_failureWhileOpening = message; // open() reports it
        return;
    }
    emit lost(message);
}

} // namespace qx740
