#pragma once

// The course's par; a level file gives its own.
constexpr int kCourseParSeconds = 50;

// The score of a run that ended after the given seconds of play: points for every whole
// second under par, a bonus for a win, and double for a very fast win.
int pointsFor(float seconds, bool won, int parSeconds = kCourseParSeconds);
