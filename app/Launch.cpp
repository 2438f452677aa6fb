#include "app/Launch.h"

#include <istream>
#include <limits>

#include "base/Console.h"

void runFrames(Game& game) {
    while (!glfwWindowShouldClose(game.window)) {
        game.update();
        game.render();
    }
}

void waitForEnter(std::istream& input) {
    printLine("Press ENTER to continue... ");
    input.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}
