#pragma once

#include <atomic>
#include <thread>
#include <vector>

namespace mk21::bench {

// Keeps every processor busy with threads of the lowest scheduling class (SCHED_IDLE), which give
// way to any other thread at once. A virtual machine's idle processor halts, and waking it again
// can take milliseconds; the pseudo-terminal passes every byte through a kernel worker thread, so
// on an idle machine a paced session measures those wake-ups rather than the program and its line.
// Spinning stops on destruction.
class IdleSpinners {
public:
    explicit IdleSpinners(bool on);
    ~IdleSpinners();
    IdleSpinners(const IdleSpinners&) = delete;
    IdleSpinners& operator=(const IdleSpinners&) = delete;

    // How many threads spin: 0 when off, or when the lowest class could not be had (a spinner
    // of normal priority would take processor time from the sessions it is there to measure).
    int running() const { return static_cast<int>(threads_.size()); }

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

// "--let-cpus-idle" among the arguments turns the spinners off.
bool SpinnersWanted(int argc, char** argv);

} // namespace mk21::bench
