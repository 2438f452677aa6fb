#include "app/session/ProofChecks.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <utility>

#include "app/files/DataFolder.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

const char* const kNoOutput = "/dev/null";

// The game playing the proof unseen, its lines and its verdict's words going nowhere: its exit
// status says all. -1 when it could not be started.
pid_t startVerifying(const fs::path& proof) {
    const std::string executable = gameExecutable().string();
    const std::string file = proof.string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, kNoOutput, O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, kNoOutput, O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, kNoOutput, O_WRONLY, 0);
    char* const arguments[] = {const_cast<char*>(executable.c_str()), const_cast<char*>("--verify"),
                               const_cast<char*>(file.c_str()), nullptr};
    pid_t process = -1;
    const int failed =
        posix_spawn(&process, executable.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? process : -1;
}

}  // namespace

ProofChecks::~ProofChecks() {
    if (running) {
        kill(process, SIGKILL);
        waitpid(process, nullptr, 0);
    }
}

void ProofChecks::check(std::size_t place, const fs::path& proof) {
    waiting.push_back(Check{place, proof});
    if (!running) {
        startNext();
    }
}

std::map<std::size_t, bool> ProofChecks::takeVerdicts() {
    int status = 0;
    if (running && waitpid(process, &status, WNOHANG) == process) {
        verdicts[running->place] = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        running.reset();
        startNext();
    }
    return std::exchange(verdicts, {});
}

void ProofChecks::startNext() {
    while (!waiting.empty() && !running) {
        Check next = waiting.front();
        waiting.pop_front();
        process = startVerifying(next.proof);
        if (process < 0) {
            verdicts[next.place] = false;  // unchecked is not cleared
        } else {
            running = next;
        }
    }
}
