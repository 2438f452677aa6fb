#pragma once

#include <array>
#include <cstddef>

// One frame's times, in milliseconds.
struct FrameTimes {
    float frame = 0.0f;   // wall time from the start of this frame to the start of the next
    float update = 0.0f;  // CPU time of the update
    float poll = 0.0f;    // CPU time of the update up to the end of its poll of the events
    float render = 0.0f;  // CPU time of the render, up to the swap
};

// For whoever tunes the game: the frames per second and a graph of the frame times of the
// last two seconds, beside the median CPU time of the update and of the render over them.
class FrameOverlay {
public:
    // Keeps one frame's times; it allocates nothing, so the update may call it.
    void record(const FrameTimes& times);

    // Draws into the current UI frame.
    void draw() const;

private:
    // Enough for two seconds at up to 512 frames per second; faster, the graph spans less.
    static constexpr std::size_t kCapacity = 1024;
    using Series = std::array<float, kCapacity>;

    // How many of the latest frames the last two seconds hold, and their wall time in ms.
    std::size_t framesInWindow(float& spanMs) const;
    // The latest `count` values of one field, oldest first.
    void copyLatest(float FrameTimes::*field, std::size_t count, Series& out) const;
    const FrameTimes& fromLatest(std::size_t back) const;

    std::array<FrameTimes, kCapacity> samples{};
    std::size_t recorded = 0;  // all ever recorded; the last kCapacity are kept
};
