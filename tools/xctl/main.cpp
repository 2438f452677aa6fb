// Drives a running game from outside through its X display, as a player at the desk would:
//   smeltrun-xctl shot FILE.png
//   smeltrun-xctl key NAME[+NAME...]   (Escape, F1..F12, Space, Enter, Shift, Ctrl, Tab, Delete,
//                                       Backspace, Left, Right, Up, Down, PageUp, PageDown, a
//                                       letter or digit; Ctrl+S holds Ctrl while S is tapped)
//   smeltrun-xctl hold NAME[+NAME...] SECONDS
//   smeltrun-xctl type TEXT            (letters, digits, '.', '-', ' ')
//   smeltrun-xctl click X Y [Ctrl]     (the left button, at screen pixels from the top left)
//   smeltrun-xctl drag X Y X2 Y2       (the left button held from the one place to the other)
// SMELTRUN_XCTL_PAUSE_MS sets each step's pause: a game drawing slower than the pause's frames
// would see a press and its release in one frame, and lose the click.
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tools/xdrive/XInput.h"

namespace {

// Each step of a gesture waits this long, so that the game sees it in a frame of its own even
// when it draws slowly.
const std::chrono::milliseconds kStepPause(400);
const int kLeftButton = 1;
const char* const kPauseVariable = "SMELTRUN_XCTL_PAUSE_MS";

std::chrono::milliseconds stepPause() {
    const char* given = std::getenv(kPauseVariable);
    const long milliseconds = given ? std::strtol(given, nullptr, 10) : 0;
    return milliseconds > 0 ? std::chrono::milliseconds(milliseconds) : kStepPause;
}

void pause() {
    static const std::chrono::milliseconds step = stepPause();
    std::this_thread::sleep_for(step);
}

std::vector<int> keysOf(const std::string& chord) {
    std::vector<int> keys;
    std::stringstream names(chord);
    for (std::string name; std::getline(names, name, '+');) {
        const int key = glfwKeyByName(name);
        if (key < 0) {
            throw std::invalid_argument("unknown key: " + name);
        }
        keys.push_back(key);
    }
    return keys;
}

// The keys before the last are held while the last is tapped.
void tapChord(XInput& input, const std::string& chord) {
    const std::vector<int> keys = keysOf(chord);
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        input.press(keys[i]);
        pause();
    }
    input.press(keys.back());
    pause();
    input.release(keys.back());
    pause();
    input.releaseAll();
}

void click(XInput& input, int x, int y, bool control) {
    input.moveMouseTo(x, y);
    pause();
    if (control) {
        input.press(glfwKeyByName("Ctrl"));
        pause();
    }
    input.pressButton(kLeftButton);
    pause();
    input.releaseButton(kLeftButton);
    pause();
    input.releaseAll();
}

void drag(XInput& input, int x, int y, int toX, int toY) {
    input.moveMouseTo(x, y);
    pause();
    input.pressButton(kLeftButton);
    pause();
    input.moveMouseTo((x + toX) / 2, (y + toY) / 2);
    pause();
    input.moveMouseTo(toX, toY);
    pause();
    input.releaseButton(kLeftButton);
    pause();
}

int run(const std::vector<std::string>& args) {
    XInput input;
    const std::string& command = args.at(0);
    if (command == "shot" && args.size() == 2) {
        input.saveScreen(args[1]);
    } else if (command == "key" && args.size() == 2) {
        tapChord(input, args[1]);
    } else if (command == "hold" && args.size() == 3) {
        for (const int key : keysOf(args[1])) {
            input.press(key);
        }
        std::this_thread::sleep_for(std::chrono::duration<double>(std::stod(args[2])));
        input.releaseAll();
    } else if (command == "type" && args.size() == 2) {
        input.typeText(args[1]);
    } else if (command == "click" && (args.size() == 3 || args.size() == 4)) {
        click(input, std::stoi(args[1]), std::stoi(args[2]), args.size() == 4 && args[3] == "Ctrl");
    } else if (command == "drag" && args.size() == 5) {
        drag(input, std::stoi(args[1]), std::stoi(args[2]), std::stoi(args[3]), std::stoi(args[4]));
    } else {
        std::cout << "usage: smeltrun-xctl shot FILE.png | key NAME[+NAME] | hold NAME SECONDS | "
                     "type TEXT | click X Y [Ctrl] | drag X Y X2 Y2"
                  << std::endl;
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return run({""});
    }
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cout << "smeltrun-xctl: " << error.what() << std::endl;
        return 1;
    }
}
