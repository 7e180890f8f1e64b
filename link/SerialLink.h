#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace mk21 {

// The serial port as the radio link needs it: 9600 8N1, no handshaking, binary bytes, and a
// notification once at least the receive threshold of bytes is waiting.
class SerialLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialLink() override = default;

    // Opens the device with the line settings applied; false when it cannot be opened.
    virtual bool open(const QString& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Discards pending output and every byte waiting to be read.
    virtual void clearBuffers() = 0;
    virtual bool write(const QByteArray& bytes) = 0;
    // Every byte waiting now.
    virtual QByteArray readAll() = 0;
    virtual void setReceiveThreshold(int bytes) = 0;
    // Why the last open failed, in the system's words; empty when not known.
    virtual QString openError() const { return {}; }

    // What kind of failure the last open was, for a reason the user can act on.
    enum class OpenFailure { Unknown, NoSuchDevice, PermissionDenied, Busy };
    virtual OpenFailure openFailure() const { return OpenFailure::Unknown; }

signals:
    // At least the threshold of bytes is waiting.
    void received();
};

} // namespace mk21
