#include "app/Game.h"
#include "gameplay/Camera.h"

namespace {

const char* const kSoundFolder = "assets/sounds";

}  // namespace

void Game::applyOptions() {
    fov = options.fov;
    brightness = options.brightness;
    camera.sensitivity = options.sensitivity;
    player->turnSpeed = options.sensitivity;
    invertY = options.invertY;
    keyBindings = options.keyBindings;
    keyboard = Keyboard(keyBindings);
    hudVisible = options.hudEnabled;
    pauseOnFocusLoss = options.pauseOnFocusLoss;
    applyAudio();
}

// The device is opened or closed only when the sound is switched, so that a system without
// one is asked, and reported, once per switch and not at every step of a volume slider.
void Game::applyAudio() {
    const Volumes volumes{options.masterVolume, options.effectsVolume, options.musicVolume};
    if (options.audioEnabled != soundOn) {
        soundOn = options.audioEnabled;
        audio = soundOn ? GameAudio::open(kSoundFolder, volumes) : nullptr;
    }
    if (audio) {
        audio->setVolumes(volumes);
    }
}

void Game::applyWindow() {
    GLFWmonitor* monitor = options.fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    int x = 0, y = 0;
    glfwGetWindowPos(window, &x, &y);
    glfwSetWindowMonitor(window, monitor, x, y, options.width, options.height, options.refreshRate);
}
