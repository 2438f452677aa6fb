#include "app/input/GamepadMappings.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "base/Console.h"
#include "base/FileRead.h"
#include "base/PlayerFolders.h"
#include "gameplay/Event.h"

namespace {

const char* const kMappingsFile = "gamecontrollerdb.txt";  // in the player's config folder
const std::size_t kGuidDigits = 32;
// Far beyond a real collection: SDL's, for every platform, runs to a few thousand lines.
const std::uintmax_t kMaxMappingsBytes = 1 << 20;
const long kMaxMappingsLines = 10000;
// GLFW rejects a mapping whose name, with its terminating zero, does not fit in what a pad's
// event keeps of it.
const std::size_t kLongestName = std::tuple_size<Event::Name>::value - 1;  // characters

bool isBlank(const std::string& line) {
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

bool isHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

bool isMapping(const std::string& line) {
    const std::size_t guidEnd = line.find(',');
    if (guidEnd != kGuidDigits || !std::all_of(line.begin(), line.begin() + guidEnd, isHex)) {
        return false;
    }
    const std::size_t nameEnd = line.find(',', guidEnd + 1);
    if (nameEnd == std::string::npos || nameEnd - guidEnd - 1 > kLongestName) {
        return false;
    }
    std::istringstream fields(line.substr(nameEnd + 1));
    for (std::string field; std::getline(fields, field, ',');) {
        if (!isBlank(field) && (field.find(':') == std::string::npos || field[0] == ':')) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool isMappingsText(const std::string& text) {
    if (text.find('\0') != std::string::npos) {
        return false;
    }
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!isBlank(line) && line[0] != '#' && !isMapping(line)) {
            return false;
        }
    }
    return true;
}

// The file is the player's: GLFW's update of its mappings takes time that grows faster than
// their number, so a file larger than any real collection is refused rather than waited for.
void loadGamepadMappings() {
    const std::filesystem::path folder = playerConfigFolder();
    if (folder.empty()) {
        return;
    }
    const std::filesystem::path path = folder / kMappingsFile;
    const FileText file = readWholeFile(path, kMaxMappingsBytes, "larger than 1 MiB");
    if (file.refusal == FileRefusal::Missing) {
        return;
    }
    if (!file.text) {
        printProblem("ERROR::GAMEPAD::MAPPINGS_IGNORED: ", path.string(), ": ", file.reason);
    } else if (std::count(file.text->begin(), file.text->end(), '\n') > kMaxMappingsLines) {
        printProblem("ERROR::GAMEPAD::MAPPINGS_IGNORED: ", path.string(), ": more than ",
                     kMaxMappingsLines, " lines");
    } else if (!isMappingsText(*file.text) || !glfwUpdateGamepadMappings(file.text->c_str())) {
        printProblem("ERROR::GAMEPAD::MAPPINGS_IGNORED: ", path.string());
    }
}
