#include "gameplay/LevelPack.h"

#include <algorithm>
#include <cctype>

#include "gameplay/TextFields.h"

namespace {

const char* const kWonHeader = "smeltrun-unlocked 1";
const char kComment = '#';
const char* const kSpaces = " \t";

std::string_view trimmed(std::string_view line) {
    const std::size_t start = line.find_first_not_of(kSpaces);
    if (start == std::string_view::npos) {
        return {};
    }
    return line.substr(start, line.find_last_not_of(kSpaces) - start + 1);
}

// A file's name holds no '/', and no name the game gives a level holds a control character.
bool isLevelName(std::string_view name) {
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || std::iscntrl(static_cast<unsigned char>(c)) != 0;
    });
}

}  // namespace

std::vector<std::string> parsePackOrder(std::string_view text) {
    std::vector<std::string> names;
    std::string_view line;
    while (nextLine(text, line)) {
        const std::string_view name = trimmed(line);
        if (!name.empty() && name.front() != kComment &&
            std::find(names.begin(), names.end(), name) == names.end()) {
            names.emplace_back(name);
        }
    }
    return names;
}

std::optional<WonLevels> parseWonLevels(std::string_view text) {
    std::string_view line;
    if (!nextLine(text, line) || line != kWonHeader) {
        return std::nullopt;
    }
    WonLevels won;
    while (nextLine(text, line)) {
        const std::string_view name = trimmed(line);
        if (!isLevelName(name)) {
            return std::nullopt;
        }
        if (!name.empty()) {
            won.emplace(name);
        }
    }
    return won;
}

std::string wonLevelsText(const WonLevels& won) {
    std::string text = std::string(kWonHeader) + "\n";
    for (const std::string& name : won) {
        text += name + "\n";
    }
    return text;
}
