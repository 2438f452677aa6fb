#pragma once

#include "app/session/PlayedLevel.h"
#include "gameplay/Level.h"

// A level of as many pieces as a level file may hold, as a player's might be: rows of
// platforms that stand, swing and move on paths, with traps, health packs and checkpoints
// between the rows, all ahead of the start and in view from it. The benchmark plays it, and
// the tests check that it plays as any level does. The same every time.
Level capLevel();

// The level as a game plays it: a player's level, known by the hash of its text.
PlayedLevel capLevelPlay();
