#pragma once

#include <iosfwd>
#include <string>

#include "app/Game.h"

// Runs update and render until the window is asked to close.
void runFrames(Game& game);
// Runs the updates alone until the window is asked to close.
void runUpdates(Game& game);

// The closing prompt of a windowed game. A closed input counts as ENTER, so that a game
// started without a console still ends.
void waitForEnter(std::istream& input);

// `smeltrun --replay FILE`: plays the replay in the game's window as main plays a game, says
// on standard error whether it verified, and returns the exit status: 0 only for a replay that
// verified, a record run's win played as it was recorded to the win at its last frame.
// `--verify FILE`, not `shown`: the same, unseen and unheard, as fast as the rules play.
int playReplay(const std::string& path, bool shown);
