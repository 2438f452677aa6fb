#include "gameplay/Records.h"

#include <algorithm>
#include <cctype>

#include "gameplay/TextFields.h"

namespace {

const char* const kHeader = "smeltrun-records 1";
const std::size_t kMostFields = 4;  // a win line: the word, seconds, points, date
const std::string_view kDateShape = "0000-00-00T00:00:00Z";  // '0' stands for any digit

bool isDate(std::string_view field) {
    if (field.size() != kDateShape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(field[i])) != 0;
        if (kDateShape[i] == '0' ? !digit : field[i] != kDateShape[i]) {
            return false;
        }
    }
    return true;
}

bool readSeconds(std::string_view field, float& seconds) {
    return readReal(field, seconds, std::chars_format::general) && seconds >= 0.0f;
}

bool readPoints(std::string_view field, int& points) {
    return readWhole(field, points) && points >= 0;
}

// One line into the records; false when it is damaged or says a best twice.
bool readLine(std::string_view line, Records& records) {
    std::string_view fields[kMostFields];
    const std::size_t count = splitFields(line, fields, kMostFields);
    if (count == 0) {
        return true;
    }
    const std::string_view word = fields[0];
    if (word == "best_time" && count == 2 && !records.bestTime) {
        return readSeconds(fields[1], records.bestTime.emplace());
    }
    if (word == "best_score" && count == 2 && !records.bestScore) {
        return readPoints(fields[1], records.bestScore.emplace());
    }
    if (word == "best_split" && count == 3) {
        std::size_t checkpoint = 0;
        float seconds = 0.0f;
        if (!readWhole(fields[1], checkpoint) || checkpoint >= kMaxSplits ||
            !readSeconds(fields[2], seconds)) {
            return false;
        }
        std::vector<float>& splits = records.bestSplits;
        splits.resize(std::max(splits.size(), checkpoint + 1), kNoSplit);
        const bool twice = splits[checkpoint] != kNoSplit;
        splits[checkpoint] = seconds;
        return !twice;
    }
    if (word == "win" && count == 4 && isDate(fields[3])) {
        Win& win = records.wins.emplace_back();
        win.date = fields[3];
        return readSeconds(fields[1], win.seconds) && readPoints(fields[2], win.points);
    }
    return false;
}

void keepTheLast(std::vector<Win>& wins) {
    if (wins.size() > kKeptWins) {
        wins.erase(wins.begin(), wins.end() - kKeptWins);
    }
}

}  // namespace

std::optional<Records> parseRecords(std::string_view text) {
    std::string_view line;
    if (!nextLine(text, line) || line != kHeader) {
        return std::nullopt;
    }
    Records records;
    while (nextLine(text, line)) {
        if (!readLine(line, records)) {
            return std::nullopt;
        }
    }
    keepTheLast(records.wins);
    return records;
}

std::string recordsText(const Records& records) {
    std::string text = std::string(kHeader) + "\n";
    if (records.bestTime) {
        text += "best_time ";
        appendReal(text, *records.bestTime, std::chars_format::general);
        text += "\n";
    }
    if (records.bestScore) {
        text += "best_score " + std::to_string(*records.bestScore) + "\n";
    }
    for (const Win& win : records.wins) {
        text += "win ";
        appendReal(text, win.seconds, std::chars_format::general);
        text += " " + std::to_string(win.points) + " " + win.date + "\n";
    }
    for (std::size_t checkpoint = 0; checkpoint < records.bestSplits.size(); ++checkpoint) {
        if (records.bestSplits[checkpoint] != kNoSplit) {
            text += "best_split " + std::to_string(checkpoint) + " ";
            appendReal(text, records.bestSplits[checkpoint], std::chars_format::general);
            text += "\n";
        }
    }
    return text;
}

Records withWin(Records records, const Win& win) {
    if (!records.bestTime || win.seconds < *records.bestTime) {
        records.bestSplits = win.splits;
    }
    records.bestTime = std::min(records.bestTime.value_or(win.seconds), win.seconds);
    records.bestScore = std::max(records.bestScore.value_or(win.points), win.points);
    records.wins.push_back(Win{win.seconds, win.points, win.date, {}});
    keepTheLast(records.wins);
    return records;
}
