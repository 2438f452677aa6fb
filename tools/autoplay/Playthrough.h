#pragma once

#include <functional>
#include <optional>
#include <string>

class Game;
class SteppedClock;
class XInput;

struct Playthrough {
    int frames = 0;
    std::optional<std::string> gaveUp;  // the pilot's line, when it stopped before the end
};

// Runs the real game at a fixed step of the clock, with the pilot at the keys, until the window is
// asked to close, a chosen level's results show, the pilot gives up or the frames run out.
// `afterFrame` sees each frame once it is drawn.
Playthrough playWithPilot(Game& game, XInput& input, SteppedClock& clock, double stepSeconds,
                          int maxFrames,
                          const std::function<void(int frame)>& afterFrame = nullptr);
