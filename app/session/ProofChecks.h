#pragma once

#include <sys/types.h>

#include <cstddef>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>

// The checks of the proofs of the players' levels, frame by frame: each a game of its own that
// plays a proof unseen (`smeltrun --verify`), one at a time, while the game played goes on.
class ProofChecks {
public:
    ProofChecks() = default;
    ProofChecks(const ProofChecks&) = delete;
    ProofChecks& operator=(const ProofChecks&) = delete;
    // A check still running is stopped: its verdict would be of a list no longer shown.
    ~ProofChecks();

    // Checks the proof in the file, known by `place`, after those asked for before it.
    void check(std::size_t place, const std::filesystem::path& proof);
    // The verdicts that came since the last asking, by place: true for a proof that verified.
    std::map<std::size_t, bool> takeVerdicts();

private:
    struct Check {
        std::size_t place;
        std::filesystem::path proof;
    };
    void startNext();

    std::deque<Check> waiting;
    std::optional<Check> running;
    pid_t process = -1;
    std::map<std::size_t, bool> verdicts;
};
