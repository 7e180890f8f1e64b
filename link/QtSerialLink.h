#pragma once

#include "link/SerialLink.h"

#include <QSerialPort>

namespace mk21 {

// SerialLink on a QSerialPort (a serial device or a pseudo-terminal opened by path).
class QtSerialLink final : public SerialLink {
    Q_OBJECT
public:
    explicit QtSerialLink(QObject* parent = nullptr);

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override;
    void clearBuffers() override;
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    void setReceiveThreshold(int bytes) override;
    QString openError() const override { return openError_; }
    OpenFailure openFailure() const override { return openFailure_; }

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort* port_ = nullptr; // child of this
    int threshold_ = 1;
    QString openError_;
    OpenFailure openFailure_ = OpenFailure::Unknown;
};

} // namespace mk21
