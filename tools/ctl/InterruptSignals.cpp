#include "tools/ctl/InterruptSignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace mk21::ctl {

namespace {

// A signal handler has no other way to reach its pipe than a variable of its own; an atomic int
// is safe to read there.
std::atomic<int> signalPipe{-1};

extern "C" void onSignal(int)
{
    const int saved = errno;
    if (const int fd = signalPipe.load(); fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = saved;
}

} // namespace

InterruptSignals::InterruptSignals()
{
    if (::pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_ = {-1, -1};
        return; // the signals keep their default effect
    }
    signalPipe.store(pipe_[1]);
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        if (drain())
            emit interrupted();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, &oldInt_);
    sigaction(SIGTERM, &action, &oldTerm_);
}

InterruptSignals::~InterruptSignals()
{
    if (pipe_[0] < 0)
        return;
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
    signalPipe.store(-1);
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

bool InterruptSignals::happened()
{
    drain();
    return happened_;
}

// Empties the pipe; true when it held a signal.
bool InterruptSignals::drain()
{
    bool any = false;
    char bytes[16];
    while (pipe_[0] >= 0 && ::read(pipe_[0], bytes, sizeof bytes) > 0)
        any = true;
    happened_ = happened_ || any;
    return any;
}

} // namespace mk21::ctl
