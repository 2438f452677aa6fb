#include "app/CommandLine.h"

#include <cstring>
#include <ostream>
#include <string>

#include "base/Console.h"

const char* const kGameVersion = SMELTRUN_VERSION;

namespace {

// Exit status of a command line the game does not understand, as the shell's own tools do.
const int kMisuseStatus = 2;
// More than a level can hold checkpoints, few enough that the number fits an int.
const std::size_t kCheckpointDigits = 4;

const char* const kUsage =
    "usage: smeltrun [-h | --help | --version | --replay FILE | --verify FILE |\n"
    "                 --level NAME|FILE [--checkpoint N] | --check NAME|FILE |\n"
    "                 --edit NAME|FILE]\n"
    "Plays Smeltrun, a 3D platformer. Without arguments the game starts.\n"
    "  -h, --help          print this help and exit\n"
    "  --version           print the version and exit\n"
    "  --replay FILE       play a recorded run in the window\n"
    "  --verify FILE       play a recorded run unseen, and exit: 0 when it is a win that\n"
    "                      plays as it was recorded\n"
    "  --level NAME|FILE   play a level: one of the game's or the player's by name, or a\n"
    "                      level file\n"
    "  --checkpoint N      start the level's runs at its Nth checkpoint (no records)\n"
    "  --check NAME|FILE   read a level and its own files without a window, print every\n"
    "                      error and warning with its place, and exit: 0 when it reads\n"
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

// --level NAME|FILE, and perhaps --checkpoint N after it.
CommandLine levelLine(int argc, const char* const argv[]) {
    if (argc < 4 || !is(argv[3], "--checkpoint")) {
        return expect(Command::Level, argc, argv, 1, "NAME or FILE");
    }
    if (argc == 4) {
        return misuse("option '--checkpoint' needs an N");
    }
    if (argc > 5) {
        return misuse(std::string("unexpected argument '") + argv[5] + "'");
    }
    const std::string number = argv[4];
    const bool whole = !number.empty() && number.size() <= kCheckpointDigits &&
                       number.find_first_not_of("0123456789") == std::string::npos;
    const int checkpoint = whole ? std::stoi(number) : 0;
    if (checkpoint < 1) {
        return misuse("option '--checkpoint' needs a whole number from 1, not '" + number + "'");
    }
    CommandLine line{Command::Level, argv[2], ""};
    line.checkpoint = checkpoint;
    return line;
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
    if (is(option, "--verify")) {
        return expect(Command::Verify, argc, argv, 1, "FILE");
    }
    if (is(option, "--level")) {
        return levelLine(argc, argv);
    }
    if (is(option, "--check")) {
        return expect(Command::Check, argc, argv, 1, "NAME or FILE");
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
        case Command::Verify:
        case Command::Level:
        case Command::Check:
        case Command::Edit:
        case Command::Misuse:
            break;
    }
    error << "smeltrun: ";
    writeShown(error, line.misuse);  // it names what was asked
    error << '\n' << kUsage;
    return kMisuseStatus;
}
