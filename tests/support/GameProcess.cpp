#include "tests/support/GameProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "tests/support/GameDirectory.h"
#include "tests/support/StdoutCapture.h"

using Clock = std::chrono::steady_clock;

namespace {

[[noreturn]] void execGame(const std::string& workingDirectory,
                           const std::map<std::string, std::string>& environment,
                           const std::vector<std::string>& arguments, int input[2], int output[2]) {
    dup2(input[0], STDIN_FILENO);
    dup2(output[1], STDOUT_FILENO);
    close(input[1]);
    close(output[0]);
#ifdef SMELTRUN_PRELOAD
    setenv("LD_PRELOAD", SMELTRUN_PRELOAD, 1);
#endif
    for (const auto& [name, value] : environment) {
        if (value.empty()) {
            unsetenv(name.c_str());
        } else {
            setenv(name.c_str(), value.c_str(), 1);
        }
    }
    std::vector<char*> argv{const_cast<char*>(SMELTRUN_BINARY)};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    if (chdir(workingDirectory.c_str()) == 0) {
        execv(SMELTRUN_BINARY, argv.data());
    }
    _exit(127);
}

}  // namespace

GameProcess::GameProcess(const GameDirectory& directory,
                         const std::map<std::string, std::string>& extraEnvironment,
                         const std::vector<std::string>& arguments) {
    std::map<std::string, std::string> environment = directory.gameEnvironment();
    for (const auto& [name, value] : extraEnvironment) {
        environment[name] = value;
    }
    int input[2], output[2];
    if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot create pipes");
    }
    const std::string workingDirectory = directory.path().string();
    pid = fork();
    if (pid == 0) {
        execGame(workingDirectory, environment, arguments, input, output);
    }
    close(input[0]);
    close(output[1]);
    inputFd = input[1];
    outputFd = output[0];
    signal(SIGPIPE, SIG_IGN);
}

GameProcess::~GameProcess() {
    closeInput();
    if (!waitForExit(std::chrono::milliseconds(0))) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    close(outputFd);
}

bool GameProcess::readSome(std::chrono::milliseconds timeout) {
    pollfd fd{outputFd, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(timeout.count())) <= 0) {
        return true;
    }
    char buffer[4096];
    const ssize_t count = read(outputFd, buffer, sizeof buffer);
    if (count <= 0) {
        return false;
    }
    collected.append(buffer, static_cast<size_t>(count));
    return true;
}

void GameProcess::drainOutput() {
    pollfd fd{outputFd, POLLIN, 0};
    char buffer[4096];
    while (poll(&fd, 1, 100) > 0) {
        const ssize_t count = read(outputFd, buffer, sizeof buffer);
        if (count <= 0) {
            return;
        }
        collected.append(buffer, static_cast<size_t>(count));
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
