#pragma once

#include <chrono>

// Holds the frames to a rate: each frame ends at its own time, one period after the last.
// It sleeps until a millisecond before that time, then waits out the rest awake, since a
// sleep can wake later than asked by about that much and the frames would come unevenly.
class FramePacer {
public:
    // Frames per second at most; 0 lets every frame go as soon as it is done.
    void setRate(int maxFps);
    // At the end of a frame: returns at the frame's time. A frame that ran late is not made
    // up for by shorter ones after it.
    void wait();

private:
    using Clock = std::chrono::steady_clock;

    Clock::duration period{};
    Clock::time_point next{};
};
