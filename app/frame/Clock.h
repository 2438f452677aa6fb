#pragma once

#include <functional>

// The game's time in seconds. The game reads it through this alone: GLFW's timer by default.
// Whoever steps the game frame by frame (the tests, the autoplay, the benchmark) holds a
// SteppedClock, and the game then reads exactly the time it was given.
extern std::function<double()> readClock;

// A clock that moves only when told, read by the game in place of GLFW's while it lives.
class SteppedClock {
public:
    explicit SteppedClock(double start = 0.0);
    ~SteppedClock();  // the game reads GLFW's timer again
    SteppedClock(const SteppedClock&) = delete;
    SteppedClock& operator=(const SteppedClock&) = delete;

    void set(double seconds) { now = seconds; }
    void advance(double seconds) { now += seconds; }
    double seconds() const { return now; }

private:
    double now;
};
