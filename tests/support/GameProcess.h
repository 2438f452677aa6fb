#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

class GameDirectory;

// The built game as a child process, working in a game directory and with its player's homes
// there, with its standard input and output on pipes. Killed if it is still running when
// destroyed.
class GameProcess {
public:
    // Environment entries given here replace the inherited ones; an empty value removes one.
    // The arguments follow the program's name on its command line.
    explicit GameProcess(const GameDirectory& directory,
                         const std::map<std::string, std::string>& environment = {},
                         const std::vector<std::string>& arguments = {});
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Waits until the output holds a line equal to the given one; false on timeout or exit.
    bool waitForLine(const std::string& line, std::chrono::milliseconds timeout);

    void writeInput(const std::string& text);
    void closeInput();

    // The exit status once the process has ended within the timeout; nullopt if it still runs.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

    const std::string& output() const { return collected; }

private:
    // Reads what is available within the timeout; false once the output is closed.
    bool readSome(std::chrono::milliseconds timeout);
    // Collects the rest of the output of an ended process.
    void drainOutput();

    pid_t pid = -1;
    int inputFd = -1;
    int outputFd = -1;
    std::string collected;
    std::optional<int> status;
};
