#pragma once

#include <iosfwd>

#include "app/Game.h"

// Runs update and render until the window is asked to close.
void runFrames(Game& game);

// The closing prompt of a windowed game. A closed input counts as ENTER, so that a game
// started without a console still ends.
void waitForEnter(std::istream& input);
