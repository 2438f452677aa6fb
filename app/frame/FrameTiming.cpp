#include "app/frame/FrameTiming.h"

bool FrameTiming::startFrame() {
    const auto now = std::chrono::steady_clock::now();
    const bool ended = start != std::chrono::steady_clock::time_point();
    if (ended) {
        times.frame = std::chrono::duration<float, std::milli>(now - start).count();
    }
    start = now;
    return ended;
}
