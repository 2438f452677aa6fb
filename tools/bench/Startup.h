#pragma once

// Start-up, measured in a fresh process each time: from main's first line to the first frame
// presented, for the game and for a minimal program that opens the same window and presents
// one cleared frame. Both run the child mode of this same program.
struct StartupFigures {
    double gameMs;      // median, the driver's shader cache warm
    double minimalMs;   // median
    double gameColdMs;  // one run with the shader cache off
};

StartupFigures measureStartup(const char* self);

// The child's side: runs one start-up of "game" or "minimal", prints its milliseconds, and
// returns the exit status.
int runStartupChild(const char* which, double startMs);
