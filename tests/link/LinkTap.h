#pragma once

#include "link/SerialLink.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

#include <functional>

namespace mk21::test {

// A SerialLink that hands everything to another one and keeps a timed log of what crossed it:
// requests written, bytes read and bytes a clear threw away.
class LinkTap final : public SerialLink {
public:
    enum class Kind { Write, Read, Discard };
    struct Event {
        Kind kind;
        qint64 nanos; // since the tap was made
        QByteArray bytes;
    };

    explicit LinkTap(SerialLink& inner);

    bool open(const QString& device) override { return inner_.open(device); }
    void close() override { inner_.close(); }
    bool isOpen() const override { return inner_.isOpen(); }
    void clearBuffers() override;
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    void setReceiveThreshold(int bytes) override { inner_.setReceiveThreshold(bytes); }

    const QList<Event>& events() const { return events_; }
    // Runs after each request has been handed on.
    std::function<void(const QByteArray&)> onWrite;
    qint64 now() const { return clock_.nsecsElapsed(); }

private:
    SerialLink& inner_;
    QElapsedTimer clock_;
    QList<Event> events_;
};

} // namespace mk21::test
