#pragma once

#include <iosfwd>

// The game's version, as the build names it.
extern const char* const kGameVersion;

// What the command line asks of the game.
enum class Command {
    Play,     // no arguments: the game as always
    Help,     // --help
    Version,  // --version
    Replay,   // --replay FILE: FILE is the second argument
    Misuse,   // anything else
};

Command parseCommandLine(int argc, const char* const argv[]);

// Answers a command other than Play: prints the usage or the version on `out`, or, after
// misuse, the usage on `error`. Returns the process's exit status.
int answerCommand(Command command, std::ostream& out, std::ostream& error);
