#include "app/frame/FramePacer.h"

#include <thread>

namespace {

const auto kAwakeWait = std::chrono::milliseconds(1);

}  // namespace

void FramePacer::setRate(int maxFps) {
    period = maxFps > 0 ? std::chrono::duration_cast<Clock::duration>(
                              std::chrono::duration<double>(1.0 / maxFps))
                        : Clock::duration::zero();
}

void FramePacer::wait() {
    if (period == Clock::duration::zero()) {
        return;
    }
    const Clock::time_point now = Clock::now();
    next += period;
    if (next < now) {
        next = now;
        return;
    }
    std::this_thread::sleep_until(next - kAwakeWait);
    while (Clock::now() < next) {
        std::this_thread::yield();
    }
}
