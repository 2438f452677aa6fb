#pragma once

// The score of a run that ended after the given seconds of play: points for every whole
// second under par, a bonus for a win, and double for a very fast win.
int pointsFor(float seconds, bool won);
