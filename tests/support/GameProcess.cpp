#include "tests/support/GameProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "tests/support/GameDirectory.h"
#include "tests/support/StdoutCapture.h"

using Clock = std::chrono::steady_clock;

namespace {

// The standard streams' pipes: each is {read end, write end}.
struct Pipes {
    int input[2] = {-1, -1};
    int output[2] = {-1, -1};
    int error[2] = {-1, -1};
};

// Runs in the forked child. The argument list is built before the fork, so that the child
// has as little as it can to allocate before it execs.
[[noreturn]] void execGame(const GameCommand& command, const std::vector<char*>& argv,
                           const Pipes& pipes) {
    dup2(pipes.input[0], STDIN_FILENO);
    dup2(pipes.output[1], STDOUT_FILENO);
    if (command.captureErrors) {
        dup2(pipes.error[1], STDERR_FILENO);
    }
#ifdef SMELTRUN_PRELOAD
    setenv("LD_PRELOAD", SMELTRUN_PRELOAD, 1);
#endif
    for (const auto& [name, value] : command.environment) {
        if (value.empty()) {
            unsetenv(name.c_str());
        } else {
            setenv(name.c_str(), value.c_str(), 1);
        }
    }
    if (chdir(command.workingDirectory.c_str()) == 0) {
        execv(argv[0], argv.data());
    }
    _exit(127);
}

// Appends what the descriptor has to the text; at the end of its stream, closes it.
void readInto(int& fd, std::string& text) {
    char buffer[4096];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count <= 0) {
        close(fd);
        fd = -1;
        return;
    }
    text.append(buffer, static_cast<size_t>(count));
}

}  // namespace

GameCommand commandIn(const GameDirectory& directory,
                      const std::map<std::string, std::string>& extraEnvironment,
                      const std::vector<std::string>& arguments) {
    GameCommand command;
    command.arguments = arguments;
    command.workingDirectory = directory.path();
    command.environment = directory.gameEnvironment();
    for (const auto& [name, value] : extraEnvironment) {
        command.environment[name] = value;
    }
    return command;
}

GameProcess::GameProcess(const GameDirectory& directory,
                         const std::map<std::string, std::string>& extraEnvironment,
                         const std::vector<std::string>& arguments)
    : GameProcess(commandIn(directory, extraEnvironment, arguments)) {}

GameProcess::GameProcess(const GameCommand& command) {
    Pipes pipes;
    if (pipe2(pipes.input, O_CLOEXEC) != 0 || pipe2(pipes.output, O_CLOEXEC) != 0 ||
        (command.captureErrors && pipe2(pipes.error, O_CLOEXEC) != 0)) {
        throw std::runtime_error("cannot create pipes");
    }
    std::string binary = command.binary.string();
    std::vector<std::string> arguments = command.arguments;
    std::vector<char*> argv{binary.data()};
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid = fork();
    if (pid == 0) {
        execGame(command, argv, pipes);
    }
    close(pipes.input[0]);
    close(pipes.output[1]);
    inputFd = pipes.input[1];
    outputFd = pipes.output[0];
    if (command.captureErrors) {
        close(pipes.error[1]);
        errorFd = pipes.error[0];
    }
    signal(SIGPIPE, SIG_IGN);
}

GameProcess::~GameProcess() {
    closeInput();
    if (!waitForExit(std::chrono::milliseconds(0))) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    for (int fd : {outputFd, errorFd}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool GameProcess::readSome(std::chrono::milliseconds timeout) {
    // A closed descriptor is -1, which poll passes over. Once the output has ended there is
    // nothing to wait for: a line that is not there yet never comes.
    pollfd fds[] = {{outputFd, POLLIN, 0}, {errorFd, POLLIN, 0}};
    if (outputFd >= 0 && poll(fds, 2, static_cast<int>(timeout.count())) > 0) {
        if (fds[1].revents != 0) {
            readInto(errorFd, collectedErrors);
        }
        if (fds[0].revents != 0) {
            readInto(outputFd, collected);
        }
    }
    return outputFd >= 0;
}

void GameProcess::drainOutput() {
    while (outputFd >= 0 || errorFd >= 0) {
        pollfd fds[] = {{outputFd, POLLIN, 0}, {errorFd, POLLIN, 0}};
        if (poll(fds, 2, 100) <= 0) {
            return;
        }
        if (fds[0].revents != 0) {
            readInto(outputFd, collected);
        }
        if (fds[1].revents != 0) {
            readInto(errorFd, collectedErrors);
        }
    }
}

bool GameProcess::waitForLine(const std::string& line, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        for (const std::string& seen : splitLines(collected)) {
            if (seen == line) {
                return true;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || !readSome(left)) {
            return false;
        }
    }
}

bool GameProcess::waitForInputRead(std::chrono::milliseconds timeout) {
    // The system call the process's main thread is in: its number and its first argument, the
    // descriptor.
    const std::string syscallFile = "/proc/" + std::to_string(pid) + "/syscall";
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline && !waitForExit(std::chrono::milliseconds(0))) {
        std::string number, descriptor;
        std::ifstream(syscallFile) >> number >> descriptor;
        if (number == std::to_string(SYS_read) && descriptor == "0x0") {
            return true;
        }
        readSome(std::chrono::milliseconds(20));
    }
    return false;
}

void GameProcess::writeInput(const std::string& text) {
    if (write(inputFd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
        throw std::runtime_error("cannot write to the game's input");
    }
}

void GameProcess::closeInput() {
    if (inputFd >= 0) {
        close(inputFd);
        inputFd = -1;
    }
}

std::optional<int> GameProcess::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!status) {
        int raw = 0;
        if (waitpid(pid, &raw, WNOHANG) == pid) {
            status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            break;
        }
        if (Clock::now() >= deadline) {
            break;
        }
        readSome(std::chrono::milliseconds(20));
    }
    if (status) {
        drainOutput();
    }
    return status;
}
