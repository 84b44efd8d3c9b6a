#pragma once

#include "ByteSource.h"

#include <QSerialPort>

namespace qx740 {

// The meter's serial port: 8N1, no flow control, DTR raised, RTS not raised; every batch of
// received bytes (at most 2048 per call) goes out through received().
class SerialPortComm2 : public ByteSource
{
    Q_OBJECT
public:
    static constexpr qint64 kBatch = 2048;

    explicit SerialPortComm2(QObject* parent = nullptr);
    ~SerialPortComm2() override;

    bool open(const QString& device, int baudRate, QString* error) override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    void setBaudRate(int baudRate) override;

    // The message for a port that failed, naming the port and the system's reason.
    static QString describeFailure(const QString& device, QSerialPort::SerialPortError error,
                                   const QString& reason);

private:
    void readAvailable();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_device;
    int m_baudRate = 2400;
    bool m_opening = false;
    QString m_failureWhileOpening;
};

} // namespace qx740
