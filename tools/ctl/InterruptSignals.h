#pragma once

#include <QObject>

#include <array>
#include <csignal>
#include <memory>

class QSocketNotifier;

namespace mk21::ctl {

// SIGINT and SIGTERM as an event on the event loop while this object lives. The handler only
// writes a byte to a pipe, the one thing a handler can safely do; a notifier on the pipe's other
// end emits interrupted(). A second signal of the same kind ends the program at once, as usual.
// One at a time; the previous handlers come back on destruction.
class InterruptSignals final : public QObject {
    Q_OBJECT
public:
    InterruptSignals();
    ~InterruptSignals() override;
    InterruptSignals(const InterruptSignals&) = delete;
    InterruptSignals& operator=(const InterruptSignals&) = delete;

    // A signal has come, whether or not the event loop has delivered it yet.
    bool happened();

signals:
    void interrupted();

private:
    bool drain();

    std::array<int, 2> pipe_{-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
    bool happened_ = false;
};

} // namespace mk21::ctl
