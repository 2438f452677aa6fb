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
//
// Times are seconds, written as the shortest decimal that reads back as the same float, so
// that a time read back compares with a new one exactly. Dates are UTC.

struct Win {
    float seconds = 0.0f;
    int points = 0;
    std::string date;  // as 2024-05-01T12:34:56Z
};

struct Records {
    std::optional<float> bestTime;  // seconds
    std::optional<int> bestScore;
    std::vector<Win> wins;  // the last kKeptWins, oldest first
};

constexpr std::size_t kKeptWins = 20;

// The records in the text, or nothing when it is not a records file of this version or any
// line of it is damaged. Blank lines are allowed; of more than kKeptWins wins the last count.
std::optional<Records> parseRecords(std::string_view text);

std::string recordsText(const Records& records);

// The records with the win added: a shorter time or a higher score becomes the best, and the
// oldest win goes once there are more than kKeptWins.
Records withWin(Records records, const Win& win);
