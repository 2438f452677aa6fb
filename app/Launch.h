#pragma once

#include <iosfwd>
#include <memory>

#include "app/Game.h"
#include "app/Settings.h"

// Opens the window, builds the scene and hands the settings to the game, its camera and
// its player: everything main does before the first frame.
std::unique_ptr<Game> launchGame(const Settings& settings);

// Runs update and render until the window is asked to close.
void runFrames(Game& game);

// The closing prompt of a windowed game. A closed input counts as ENTER, so that a game
// started without a console still ends.
void waitForEnter(std::istream& input);
