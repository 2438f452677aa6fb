#pragma once

#include <chrono>

#include "app/frame/FrameOverlay.h"
#include "app/frame/FramePacer.h"

// The frames' pace and their times, for the overlay. It reads a real clock: the game's clock
// (readClock) is the one that tests and tools step by hand, and the rules read that one.
class FrameTiming {
public:
    // At the start of a frame: ends the last frame's wall time, when there was a last frame.
    // Returns whether there was.
    bool startFrame();

    FramePacer pacer;  // the options' max_fps
    FrameTimes times;  // of the frame under way

private:
    std::chrono::steady_clock::time_point start;  // none before the first frame
};
