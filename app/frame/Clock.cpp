#include "app/frame/Clock.h"

#include <GLFW/glfw3.h>

std::function<double()> readClock = glfwGetTime;

SteppedClock::SteppedClock(double start) : now(start) {
    readClock = [this] { return now; };
}

SteppedClock::~SteppedClock() {
    readClock = glfwGetTime;
}
