#include "app/CommandLine.h"

#include <cstring>
#include <ostream>
#include <string>

#include "base/Console.h"

const char* const kGameVersion = SMELTRUN_VERSION;

namespace {

// Exit status of a command line the game does not understand, as the shell's own tools do.
const int kMisuseStatus = 2;

const char* const kUsage =
    "usage: smeltrun [-h | --help | --version | --replay FILE | --level NAME|FILE |\n"
    "                --edit NAME|FILE]\n"
    "Plays Smeltrun, a 3D platformer. Without arguments the game starts.\n"
    "  -h, --help          print this help and exit\n"
    "  --version           print the version and exit\n"
    "  --replay FILE       play a recorded run in the window\n"
    "  --level NAME|FILE   play a level: one of the game's or the player's by name, or a\n"
    "                      level file\n"
    "  --edit NAME|FILE    make a level in the editor: one found as --level finds it, or a\n"
    "                      new one of that name\n";

bool is(const char* argument, const char* option) {
    return std::strcmp(argument, option) == 0;
}

CommandLine misuse(const std::string& what) {
    return CommandLine{Command::Misuse, "", what};
}

// An option that takes `operands` arguments after it, and nothing more; `operand` names what
// it takes.
CommandLine expect(Command command, int argc, const char* const argv[], int operands,
                   const char* operand = "") {
    if (argc < 2 + operands) {
        return misuse(std::string("option '") + argv[1] + "' needs a " + operand);
    }
    if (argc > 2 + operands) {
        return misuse(std::string("unexpected argument '") + argv[2 + operands] + "'");
    }
    return CommandLine{command, operands > 0 ? argv[2] : "", ""};
}

}  // namespace

CommandLine parseCommandLine(int argc, const char* const argv[]) {
    if (argc <= 1) {
        return CommandLine{};
    }
    const char* option = argv[1];
    if (is(option, "-h") || is(option, "--help")) {
        return expect(Command::Help, argc, argv, 0);
    }
    if (is(option, "--version")) {
        return expect(Command::Version, argc, argv, 0);
    }
    if (is(option, "--replay")) {
        return expect(Command::Replay, argc, argv, 1, "FILE");
    }
    if (is(option, "--level")) {
        return expect(Command::Level, argc, argv, 1, "NAME or FILE");
    }
    if (is(option, "--edit")) {
        return expect(Command::Edit, argc, argv, 1, "NAME or FILE");
    }
    return misuse(std::string("unknown option '") + option + "'");
}

int answerCommand(const CommandLine& line, std::ostream& out, std::ostream& error) {
    switch (line.command) {
        case Command::Help:
            out << kUsage;
            return 0;
        case Command::Version:
            out << "smeltrun " << kGameVersion << '\n';
            return 0;
        case Command::Play:
        case Command::Replay:
        case Command::Level:
        case Command::Edit:
        case Command::Misuse:
            break;
    }
    error << "smeltrun: ";
    writeShown(error, line.misuse);  // it names what was asked
    error << '\n' << kUsage;
    return kMisuseStatus;
}
