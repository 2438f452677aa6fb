// Drives a running game from outside through its X display: screenshots and key taps.
//   smeltrun-xctl shot FILE.png
//   smeltrun-xctl key NAME        (Escape, F1..F12, Space, Enter, Shift, a letter or digit)
#include <cstring>
#include <iostream>

#include "tools/xdrive/XInput.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cout << "usage: smeltrun-xctl shot FILE.png | key NAME" << std::endl;
        return 2;
    }
    try {
        XInput input;
        if (std::strcmp(argv[1], "shot") == 0) {
            input.saveScreen(argv[2]);
            return 0;
        }
        const int key = glfwKeyByName(argv[2]);
        if (std::strcmp(argv[1], "key") == 0 && key >= 0) {
            input.tap(key);
            return 0;
        }
        std::cout << "unknown command or key: " << argv[1] << ' ' << argv[2] << std::endl;
        return 2;
    } catch (const std::exception& error) {
        std::cout << "smeltrun-xctl: " << error.what() << std::endl;
        return 1;
    }
}
