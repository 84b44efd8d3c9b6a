#pragma once

#include <QObject>
#include <QString>

namespace qx740 {

// A source of bytes from the meter, delivering them in batches on the GUI thread.
class ByteSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens the device; on failure returns false and sets *error to a message for the user.
    virtual bool open(const QString& device, int baudRate, QString* error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void setBaudRate(int baudRate) = 0;

signals:
    // A batch of received bytes; valid only during the call.
    void received(const char* data, qsizetype count);
    // The open device failed (pulled out, closed at the far end); it has been closed.
    void lost(const QString& message);
};

} // namespace qx740
