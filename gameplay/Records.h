#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The player's wins as the records file keeps them. The file is text that a person can read
// and mend: a first line naming the format and its version, then one line per fact.
//
//   smeltrun-records 1
//   best_time 20.516668
//   best_score 15400
//   win 20.516668 15400 2024-05-01T12:34:56Z
//   best_split 0 9.25
//
// A level with checkpoints keeps the best time's splits: the run's seconds when it reached
// each checkpoint, by the checkpoint's place in the level.
//
// Times are seconds, written as the shortest decimal that reads back as the same float, so
// that a time read back compares with a new one exactly. Dates are UTC.

// A checkpoint the run did not reach.
constexpr float kNoSplit = -1.0f;
// More checkpoints than a level can hold: a records file that names more is damaged.
constexpr std::size_t kMaxSplits = 1000;

struct Win {
    float seconds = 0.0f;
    int points = 0;
    std::string date;           // as 2024-05-01T12:34:56Z
    std::vector<float> splits;  // seconds at each checkpoint, or kNoSplit; not kept per win
};

struct Records {
    std::optional<float> bestTime;  // seconds
    std::optional<int> bestScore;
    std::vector<Win> wins;          // the last kKeptWins, oldest first
    std::vector<float> bestSplits;  // the best time's, as Win::splits
};

constexpr std::size_t kKeptWins = 20;

// The records in the text, or nothing when it is not a records file of this version or any
// line of it is damaged. Blank lines are allowed; of more than kKeptWins wins the last count.
std::optional<Records> parseRecords(std::string_view text);

std::string recordsText(const Records& records);

// The records with the win added: a shorter time or a higher score becomes the best, a shorter
// time with its splits, and the oldest win goes once there are more than kKeptWins.
Records withWin(Records records, const Win& win);
