#include "app/CommandLine.h"

#include <cstring>
#include <ostream>

const char* const kGameVersion = SMELTRUN_VERSION;

namespace {

// Exit status of a command line the game does not understand, as the shell's own tools do.
const int kMisuseStatus = 2;

const char* const kUsage =
    "usage: smeltrun [--help | --version | --replay FILE]\n"
    "Plays Smeltrun, a 3D platformer. Without arguments the game starts.\n"
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n"
    "  --replay FILE  play a recorded run in the window\n";

}  // namespace

Command parseCommandLine(int argc, const char* const argv[]) {
    if (argc <= 1) {
        return Command::Play;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        return Command::Help;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        return Command::Version;
    }
    if (argc == 3 && std::strcmp(argv[1], "--replay") == 0) {
        return Command::Replay;
    }
    return Command::Misuse;
}

int answerCommand(Command command, std::ostream& out, std::ostream& error) {
    switch (command) {
        case Command::Help:
            out << kUsage;
            return 0;
        case Command::Version:
            out << "smeltrun " << kGameVersion << '\n';
            return 0;
        case Command::Play:
        case Command::Replay:
        case Command::Misuse:
            break;
    }
    error << kUsage;
    return kMisuseStatus;
}
