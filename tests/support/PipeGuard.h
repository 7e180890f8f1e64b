#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mk21::test {

// A named pipe nobody writes to, made at `path`. While a test waits on it, `Unblock` lets a reader
// that is stuck in it go on (after `after`), so that a reader that would wait for ever makes the
// test fail instead of hang.
class PipeGuard {
public:
    explicit PipeGuard(const QString& path) : path_(path.toLocal8Bit())
    {
        made_ = ::mkfifo(path_.constData(), 0600) == 0;
    }
    PipeGuard(const PipeGuard&) = delete;
    PipeGuard& operator=(const PipeGuard&) = delete;

    bool made() const { return made_; }

    // Runs `work`; true when it ended without the pipe's other end having to be opened for it.
    template <class Work>
    bool endsWithoutHelp(Work&& work, std::chrono::milliseconds after = std::chrono::seconds(3))
    {
        std::atomic<bool> done{false};
        std::atomic<bool> helped{false};
        std::thread helper([&] {
            const auto deadline = std::chrono::steady_clock::now() + after;
            while (!done && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            // Opening both ends never waits; one byte and the close end any read of the pipe.
            while (!done) {
                helped = true;
                const int fd = ::open(path_.constData(), O_RDWR | O_NONBLOCK);
                if (fd >= 0) {
                    [[maybe_unused]] const ssize_t n = ::write(fd, "x", 1);
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
        work();
        done = true;
        helper.join();
        return !helped;
    }

private:
    QByteArray path_;
    bool made_ = false;
};

} // namespace mk21::test
