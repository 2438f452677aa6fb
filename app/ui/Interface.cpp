#include "app/ui/Interface.h"

void Interface::open(GLFWwindow* window, float textScale) {
    imgui = std::make_unique<Ui>(window, textScale);
}

bool Interface::takeScreenshotAsk() {
    const bool asked = screenshotAsked;
    screenshotAsked = false;
    return asked;
}

bool Interface::takeQuitAsk() {
    const bool asked = quitAsked;
    quitAsked = false;
    return asked;
}
