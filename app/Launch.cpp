#include "app/Launch.h"

#include <istream>
#include <limits>

#include "app/Console.h"
#include "gameplay/Camera.h"

namespace {

const int kGlMajor = 4;
const int kGlMinor = 5;
const glm::vec3 kSkyColor(0.2f, 0.2f, 0.3f);

const glm::vec3 kCameraWorldUp(0.0f, 1.0f, 0.0f);
const glm::vec3 kCameraStartPosition(0.0f, 2.5f, 2.0f);
const glm::vec3 kCameraStartFront(0.0f, -1.0f, -3.0f);  // kept unnormalised until the first update

void configureCamera(const Settings& settings, Model* target) {
    camera.sensitivity = settings.sensitivity;
    camera.worldUp = kCameraWorldUp;
    camera.position = kCameraStartPosition;
    camera.front = kCameraStartFront;
    camera.target = target;
}

}  // namespace

std::unique_ptr<Game> launchGame(const Settings& settings) {
    auto game = std::make_unique<Game>(settings.title.c_str(), settings.width, settings.height,
                                       kGlMajor, kGlMinor, settings.fullscreen, settings.resizable,
                                       settings.refreshRate, settings.sampleRate);
    glEnable(GL_MULTISAMPLE);
    game->skyColor = kSkyColor;
    game->brightness = settings.brightness;
    game->fov = settings.fov;
    game->nearZ = settings.nearZ;
    game->farZ = settings.farZ;
    configureCamera(settings, game->models.front().get());
    game->player->turnSpeed = settings.sensitivity;
    game->setKeyBindings(settings.keyBindings);
    game->player->acceleration = glm::vec3(0.0f, settings.gravity, 0.0f);
    return game;
}

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
