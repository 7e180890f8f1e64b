#include "tools/sim/SimServer.h"

#include <poll.h>
#include <sys/signalfd.h>
#include <sys/timerfd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace mk21::sim {

namespace {

// A partial request older than this is given up: at least 50 ms, and 20 byte times at slow rates.
Nanos FrameGap(Nanos byteTime)
{
    return std::max<Nanos>(50 * NanosPerMilli, 20 * byteTime);
}

// Before hanging up, the program gets this long to read the last reply (a hang-up discards what
// it has not read), checked every HangUpPoll, but never more than HangUpPatience.
constexpr Nanos HangUpSettle = 20 * NanosPerMilli;
constexpr Nanos HangUpPoll = 5 * NanosPerMilli;
constexpr Nanos HangUpPatience = 1000 * NanosPerMilli;

// Like a UART's FIFO (or a USB adapter's packets), the line hands bytes over in groups rather
// than one wake-up each: up to this many, and at once when the line falls quiet, so the last byte
// of every request or reply is still taken or delivered at its own time on the line.
constexpr std::size_t HandOverBytes = 8;

// When the bytes queued for one side of the line are next handed over: once the first group of
// up to HandOverBytes back-to-back bytes has passed.
template <typename Queue> Nanos HandOverTime(const Queue& queue, Nanos byteTime)
{
    std::size_t last = 0;
    while (last + 1 < std::min(queue.size(), HandOverBytes) &&
           queue[last + 1].at - queue[last].at <= byteTime)
        ++last;
    return queue[last].at;
}

} // namespace

SimServer::SimServer(PseudoTerminal& pty, RadioSession& session, UniqueFd stopSignals, Setup setup,
                     const SimLog& log, std::function<void()> saveMemory)
    : pty_(pty), session_(session), signals_(std::move(stopSignals)), echo_(setup.echo), line_(setup.baud),
      log_(log), saveMemory_(std::move(saveMemory)), frameGap_(FrameGap(line_.ByteTime()))
{
}

void SimServer::ProcessEvents(Nanos now)
{
    // Arrivals, replies falling due and the end of a silent gap, in the order they happened;
    // each pass consumes one of them.
    for (;;) {
        const bool arrival = !inbound_.empty() && inbound_.front().at <= now;
        const bool reply = !pending_.empty() && pending_.begin()->first <= now;
        const bool gap = parser_.HasPartial() && FrameGapDeadline() <= now;
        if (!arrival && !reply && !gap)
            return;
        const Nanos arrivalAt = arrival ? inbound_.front().at : now + 1;
        const Nanos replyAt = reply ? pending_.begin()->first : now + 1;
        const Nanos gapAt = gap ? FrameGapDeadline() : now + 1;
        if (reply && replyAt <= arrivalAt && replyAt <= gapAt) {
            Pending p = std::move(pending_.begin()->second);
            pending_.erase(pending_.begin());
            Send(p.bytes, replyAt, p.hangUp);
        } else if (gap && gapAt <= arrivalAt) {
            log_.Note("incomplete request given up");
            parser_.DropHead();
            DrainRequests(gapAt);
        } else {
            const Arrival a = inbound_.front();
            inbound_.pop_front();
            Receive(a.byte, a.at);
        }
    }
}

void SimServer::Receive(std::uint8_t byte, Nanos at)
{
    lastArrival_ = at;
    if (echo_) {
        // The cable loops each bit straight back: the echo finishes as the byte itself arrives.
        outbound_.push_back({line_.Departure(at - line_.ByteTime()), byte});
    }
    parser_.Push(byte);
    DrainRequests(at);
}

void SimServer::DrainRequests(Nanos at)
{
    while (const std::optional<Request> request = parser_.Next(session_.ProgramMode())) {
        if (const int garbage = parser_.TakeDiscarded(); garbage > 0)
            log_.Note("skipped " + std::to_string(garbage) + " byte(s)");
        const Outcome outcome = session_.Handle(*request);
        log_.Note(outcome.log);
        if (outcome.saveMemory)
            saveMemory_();
        if (!outcome.reply.empty() || outcome.hangUp)
            pending_.emplace(at + outcome.delay, Pending{outcome.reply, outcome.hangUp});
    }
    if (const int garbage = parser_.TakeDiscarded(); garbage > 0)
        log_.Note("skipped " + std::to_string(garbage) + " byte(s)");
}

void SimServer::Send(const Bytes& bytes, Nanos readyAt, bool hangUp)
{
    Nanos last = readyAt;
    for (std::uint8_t b : bytes) {
        last = line_.Departure(readyAt);
        outbound_.push_back({last, b});
    }
    if (hangUp && !hangUpAt_)
        hangUpAt_ = last;
}

bool SimServer::Transmit(Nanos now)
{
    if (writeBlocked_)
        return true;
    std::array<std::uint8_t, 512> chunk{};
    std::size_t count = 0;
    while (count < chunk.size() && count < outbound_.size() && outbound_[count].at <= now) {
        chunk[count] = outbound_[count].byte;
        ++count;
    }
    if (count == 0)
        return true;
    const ssize_t written = write(pty_.Master(), chunk.data(), count);
    if (written < 0) {
        if (errno == EAGAIN || errno == EINTR) {
            writeBlocked_ = errno == EAGAIN;
            return true;
        }
        log_.Always(std::string("write to the line failed: ") + std::strerror(errno));
        return false;
    }
    outbound_.erase(outbound_.begin(), outbound_.begin() + written);
    return true;
}

bool SimServer::ReadInput(Nanos now)
{
    std::array<std::uint8_t, 4096> buffer{};
    // Bounded: whatever is left waiting is read on the next pass of the loop.
    for (int round = 0; round < 16; ++round) {
        const ssize_t n = read(pty_.Master(), buffer.data(), buffer.size());
        if (n > 0) {
            for (ssize_t i = 0; i < n; ++i)
                inbound_.push_back({line_.Arrival(now), buffer[static_cast<std::size_t>(i)]});
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return true;
        log_.Always(std::string("read from the line failed: ") +
                    (n == 0 ? "end of file" : std::strerror(errno)));
        return false;
    }
    return true;
}

bool SimServer::HangUpDue(Nanos now) const
{
    if (!hangUpAt_ || now < *hangUpAt_ + HangUpSettle)
        return false;
    if (!outbound_.empty() && outbound_.front().at <= *hangUpAt_)
        return false;
    return pty_.UnreadByProgram() <= 0 || now >= *hangUpAt_ + HangUpPatience;
}

std::optional<Nanos> SimServer::NextDeadline(Nanos now) const
{
    std::optional<Nanos> next;
    const auto consider = [&next](Nanos t) { next = next ? std::min(*next, t) : t; };
    if (!inbound_.empty())
        consider(HandOverTime(inbound_, line_.ByteTime()));
    if (!pending_.empty())
        consider(pending_.begin()->first);
    if (!outbound_.empty() && !writeBlocked_)
        consider(HandOverTime(outbound_, line_.ByteTime()));
    if (parser_.HasPartial())
        consider(FrameGapDeadline());
    if (hangUpAt_)
        consider(std::max(*hangUpAt_ + HangUpSettle, now + HangUpPoll));
    return next;
}

bool SimServer::ArmTimer(std::optional<Nanos> deadline)
{
    itimerspec when{};
    // An all-zero time would disarm the timer instead of firing it.
    if (deadline)
        when.it_value = ToTimespec(std::max<Nanos>(*deadline, 1));
    if (timerfd_settime(timer_.get(), TFD_TIMER_ABSTIME, &when, nullptr) != 0) {
        log_.Always(std::string("timerfd_settime: ") + std::strerror(errno));
        return false;
    }
    return true;
}

int SimServer::Run()
{
    // Every wait ends at an absolute deadline on the monotonic clock, so per-byte delays never add up.
    timer_.reset(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC));
    if (!timer_.valid()) {
        log_.Always(std::string("timerfd_create: ") + std::strerror(errno));
        return 1;
    }
    for (;;) {
        const Nanos now = MonotonicNow();
        ProcessEvents(now);
        if (!Transmit(now))
            return 1;
        if (HangUpDue(now)) {
            pty_.HangUp();
            log_.Always("hung up the line");
            return 0;
        }
        if (!ArmTimer(NextDeadline(now)))
            return 1;

        std::array<pollfd, 3> fds{
            {{pty_.Master(), static_cast<short>(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0},
             {timer_.get(), POLLIN, 0},
             {signals_.get(), POLLIN, 0}}};
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            log_.Always(std::string("poll: ") + std::strerror(errno));
            return 1;
        }
        if (fds[2].revents & POLLIN) {
            signalfd_siginfo info{};
            const ssize_t n = read(signals_.get(), &info, sizeof info);
            log_.Note("stopped by signal " + std::to_string(n == sizeof info ? info.ssi_signo : 0u));
            return 0;
        }
        if (fds[1].revents & POLLIN) {
            std::uint64_t expirations = 0;
            [[maybe_unused]] const ssize_t n = read(timer_.get(), &expirations, sizeof expirations);
        }
        const short line = fds[0].revents;
        if (line & POLLOUT)
            writeBlocked_ = false;
        if ((line & (POLLERR | POLLNVAL | POLLHUP)) && !(line & POLLIN)) {
            log_.Always("the line failed");
            return 1;
        }
        if ((line & POLLIN) && !ReadInput(MonotonicNow()))
            return 1;
    }
}

} // namespace mk21::sim
