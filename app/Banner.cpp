#include "app/Banner.h"

#include <iomanip>
#include <sstream>

#include "base/Console.h"

namespace {

const int kKeyColumnWidth = 13;  // characters
const std::string kSeparator(31, '-');

std::string entry(const std::string& key, const std::string& description) {
    std::ostringstream line;
    line << std::left << std::setw(kKeyColumnWidth) << key << "- " << description;
    return line.str();
}

}  // namespace

std::vector<std::string> controlsBanner() {
    return {
        "Smeltrun",
        kSeparator,
        "Controls:",
        entry("WASD", "Movement"),
        entry("Spacebar", "Jump"),
        entry("Shift (Hold)", "Sprint"),
        entry("Move mouse", "Move camera"),
        entry("Escape", "Quit game"),
        kSeparator,
        "Display settings:",
        entry("F1", "Wireframe toggle"),
        entry("F2", "Culling toggle"),
        entry("F3", "Camera toggle"),
        entry("F4", "Cel shading toggle"),
        entry("F5", "Contour toggle (Cel shading must be on)"),
        entry("F6", "Specular toggle"),
        kSeparator,
        // Its own line end leaves an empty line between the banner and the game's events.
        "Game start!\n",
    };
}

void printControls() {
    for (const std::string& line : controlsBanner()) {
        printLines(line);  // "Game start!" ends in an empty line of its own
    }
    printProblemCount();
}
