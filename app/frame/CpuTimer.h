#pragma once

#include <ctime>

// Writes the CPU time that this thread spends during the timer's life to `into`, in
// milliseconds, when it ends. CPU time, not wall time: it is what the code itself costs,
// without the waits for the display or for other programs on the machine.
class CpuTimer {
public:
    explicit CpuTimer(float& into) : into(into), start(nowMs()) {}
    ~CpuTimer() { into = elapsedMs(); }
    CpuTimer(const CpuTimer&) = delete;
    CpuTimer& operator=(const CpuTimer&) = delete;

    // So far, in milliseconds.
    float elapsedMs() const { return static_cast<float>(nowMs() - start); }

private:
    static double nowMs() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    }

    float& into;
    double start;  // ms
};
