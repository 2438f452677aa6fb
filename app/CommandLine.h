#pragma once

#include <iosfwd>
#include <string>

// The game's version, as the build names it.
extern const char* const kGameVersion;

// What the command line asks of the game.
enum class Command {
    Play,     // no arguments: the game as always
    Help,     // -h or --help
    Version,  // --version
    Replay,   // --replay FILE
    Verify,   // --verify FILE
    Level,    // --level NAME|FILE
    Check,    // --check NAME|FILE
    Edit,     // --edit NAME|FILE
    Misuse,   // anything else
};

struct CommandLine {
    Command command = Command::Play;
    std::string operand;  // with Replay, Verify, Level, Check and Edit
    std::string misuse;   // with Misuse: what is wrong, naming the argument
    // With Level: the checkpoint (from 1) its runs start at, rather than its start; 0 for none.
    int checkpoint = 0;
};

CommandLine parseCommandLine(int argc, const char* const argv[]);

// Answers a command other than Play: prints the usage or the version on `out`, or, after
// misuse, what is wrong and the usage on `error`. Returns the process's exit status.
int answerCommand(const CommandLine& line, std::ostream& out, std::ostream& error);
