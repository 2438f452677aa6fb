#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

class GameDirectory;

// How long a test waits on the game's process before it calls it hung. The waits are for an
// event, never for a while: this only bounds a hang, so it is far past any run's time on a
// busy machine, and short of CTest's limit on a test so that the test still says what hung.
constexpr std::chrono::seconds kHangLimit{100};

// What to start, where and how.
struct GameCommand {
    std::filesystem::path binary = SMELTRUN_BINARY;
    std::vector<std::string> arguments;
    std::filesystem::path workingDirectory;
    // Entries given here replace the inherited ones; an empty value removes one.
    std::map<std::string, std::string> environment;
    // Standard error on a pipe of its own too; otherwise it goes where the test's goes.
    bool captureErrors = false;
};

// The game in the game directory, with its player's homes there; entries of the environment
// given here replace the inherited ones, and an empty value removes one.
GameCommand commandIn(const GameDirectory& directory,
                      const std::map<std::string, std::string>& extraEnvironment = {},
                      const std::vector<std::string>& arguments = {});

// The built game as a child process, with its standard input and output on pipes. Killed if it
// is still running when destroyed.
class GameProcess {
public:
    // Works in the game directory, with its player's homes there. Environment entries given
    // here replace the inherited ones; an empty value removes one. The arguments follow the
    // program's name on its command line.
    explicit GameProcess(const GameDirectory& directory,
                         const std::map<std::string, std::string>& environment = {},
                         const std::vector<std::string>& arguments = {});
    explicit GameProcess(const GameCommand& command);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Waits until the output holds a line equal to the given one; false on timeout or exit.
    bool waitForLine(const std::string& line, std::chrono::milliseconds timeout);

    // Waits until the game waits on its standard input, blocked in a read of it as the
    // system shows; false if it ends first or the timeout passes.
    bool waitForInputRead(std::chrono::milliseconds timeout);
    void writeInput(const std::string& text);
    void closeInput();

    // The exit status once the process has ended within the timeout; nullopt if it still runs.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

    const std::string& output() const { return collected; }
    // What it wrote to standard error, when the command captures it.
    const std::string& errors() const { return collectedErrors; }

private:
    // Reads what is available within the timeout; false once the output is closed.
    bool readSome(std::chrono::milliseconds timeout);
    // Collects the rest of the output of an ended process.
    void drainOutput();

    pid_t pid = -1;
    int inputFd = -1;
    int outputFd = -1;
    int errorFd = -1;
    std::string collected;
    std::string collectedErrors;
    std::optional<int> status;
};
