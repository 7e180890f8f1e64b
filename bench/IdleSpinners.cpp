#include "bench/IdleSpinners.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <cstring>
#include <future>

namespace mk21::bench {

IdleSpinners::IdleSpinners(bool on)
{
    if (!on)
        return;
    const unsigned cpus = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < cpus; ++i) {
        std::promise<bool> lowered;
        std::future<bool> result = lowered.get_future();
        threads_.emplace_back([this, lowered = std::move(lowered)]() mutable {
            const sched_param param{};
            const bool idle = pthread_setschedparam(pthread_self(), SCHED_IDLE, &param) == 0;
            lowered.set_value(idle);
            if (!idle)
                return;
            while (!stop_.load(std::memory_order_relaxed)) {
            }
        });
        if (!result.get()) {
            threads_.back().join();
            threads_.pop_back();
            break;
        }
    }
}

IdleSpinners::~IdleSpinners()
{
    stop_.store(true, std::memory_order_relaxed);
    for (std::thread& t : threads_)
        t.join();
}

bool SpinnersWanted(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--let-cpus-idle") == 0)
            return false;
    }
    return true;
}

} // namespace mk21::bench
