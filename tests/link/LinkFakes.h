#pragma once

#include "link/SerialLink.h"
#include "link/SessionView.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

namespace mk21::test {

// The radio's side of the protocol, written apart from the program's own framing code: answers
// each request from its 3328-byte memory. `tamper` may change or drop (empty) any reply.
class FakeRadio final {
public:
    FakeRadio();

    QByteArray respond(const QByteArray& request);
    // Memory 2816..2828 follow the identity fields.
    void stampIdentity();
    void setPassword(const QByteArray& fourBytes);

    QByteArray memory;
    QByteArray model = "ZR750G";
    int band = 0;
    QByteArray firmware = "V200";
    int capability = 0;
    bool silent = false;
    int writesStored = 0;
    std::function<QByteArray(const QByteArray& request, const QByteArray& reply)> tamper;
};

// A SerialLink whose far end is a function; replies (with the cable's echo when `echo`) arrive
// through the event loop after `replyDelayMs`.
class FakeLink final : public SerialLink {
public:
    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return open_; }
    void clearBuffers() override { inbox_.clear(); }
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    void setReceiveThreshold(int bytes) override { threshold = bytes; }
    QString openError() const override { return failOpen ? systemReason : QString(); }
    OpenFailure openFailure() const override { return failOpen ? failure : OpenFailure::Unknown; }

    // Bytes arriving from the far end now.
    void deliver(const QByteArray& bytes);
    // The line is lost: the link closes itself, as the real one does on a read error.
    void hangUp() { close(); }

    std::function<QByteArray(const QByteArray&)> farEnd;
    bool echo = true;
    bool failOpen = false;
    OpenFailure failure = OpenFailure::Unknown; // why, when failOpen
    QString systemReason;                       // the system's words, when failOpen
    int replyDelayMs = 0;
    int threshold = 1;
    int opens = 0;
    QStringList devices;
    QList<QByteArray> sent;
    QList<bool> sentWhileOpen;

private:
    bool open_ = false;
    QByteArray inbox_;
};

// Records what a session shows besides message boxes; answers the password question from a script.
class RecordingView final : public SessionView {
public:
    void sessionStarted(int operationType) override { started.append(operationType); }
    void progressChanged(int percent) override { progress.append(percent); }
    void sessionEnded(int operationType, bool success) override { ended.append({operationType, success}); }
    std::optional<QString> askPassword(const QString& enteredPassword) override;

    QList<int> started;
    QList<int> progress;
    QList<QPair<int, bool>> ended;
    QStringList passwordAsks;
    std::deque<std::optional<QString>> passwordAnswers; // empty: Cancel
    std::function<void()> whileAsking;                  // runs inside the question
};

} // namespace mk21::test
