#include "link/QtSerialLink.h"

#include <QFile>

#include <unistd.h>

namespace mk21 {

namespace {

// QSerialPort says "permission" both for a device the user may not open and for one that another
// program has locked; the file's own access rights tell the two apart.
SerialLink::OpenFailure FailureOf(QSerialPort::SerialPortError error, const QString& device)
{
    using F = SerialLink::OpenFailure;
    switch (error) {
    case QSerialPort::DeviceNotFoundError: return F::NoSuchDevice;
    case QSerialPort::PermissionError:
        return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0 ? F::Busy
                                                                                 : F::PermissionDenied;
    default: return F::Unknown;
    }
}

} // namespace

QtSerialLink::QtSerialLink(QObject* parent) : SerialLink(parent), port_(new QSerialPort(this))
{
    connect(port_, &QSerialPort::readyRead, this, &QtSerialLink::onReadyRead);
    connect(port_, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
}

bool QtSerialLink::open(const QString& device)
{
    close();
    openError_.clear();
    openFailure_ = OpenFailure::Unknown;
    if (device.isEmpty())
        return false;
    port_->setPortName(device);
    port_->setBaudRate(QSerialPort::Baud9600);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite)) {
        openError_ = port_->errorString();
        openFailure_ = FailureOf(port_->error(), device);
        return false;
    }
    // Many programming cables draw their power from DTR; a pseudo-terminal has no such line.
    port_->setDataTerminalReady(true);
    port_->clearError();
    return port_->isOpen();
}

void QtSerialLink::close()
{
    if (!port_->isOpen())
        return;
    // Hand the last request (usually "END") to the driver before the descriptor goes.
    port_->flush();
    port_->close();
}

bool QtSerialLink::isOpen() const
{
    return port_->isOpen();
}

void QtSerialLink::clearBuffers()
{
    if (port_->isOpen())
        port_->clear(QSerialPort::AllDirections);
}

bool QtSerialLink::write(const QByteArray& bytes)
{
    return port_->isOpen() && port_->write(bytes) == bytes.size();
}

QByteArray QtSerialLink::readAll()
{
    return port_->isOpen() ? port_->readAll() : QByteArray();
}

void QtSerialLink::setReceiveThreshold(int bytes)
{
    threshold_ = bytes < 1 ? 1 : bytes;
}

void QtSerialLink::onReadyRead()
{
    if (port_->bytesAvailable() >= threshold_)
        emit received();
}

void QtSerialLink::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
    case QSerialPort::WriteError:
        // A hung-up pseudo-terminal keeps reporting ReadError in a busy loop while open.
        port_->close();
        break;
    default:
        // UnsupportedOperationError: modem lines on a pseudo-terminal; the rest is seen by open().
        break;
    }
}

} // namespace mk21
