#pragma once

#include <functional>

class Game;
class SteppedClock;
class XInput;

// Runs the real game at a fixed step of the clock, with the pilot at the keys, until the window is
// asked to close, a chosen level's results show, or the frames run out. `afterFrame` sees each
// frame once it is drawn. Returns the number of frames played.
int playWithPilot(Game& game, XInput& input, SteppedClock& clock, double stepSeconds, int maxFrames,
                  const std::function<void(int frame)>& afterFrame = nullptr);
