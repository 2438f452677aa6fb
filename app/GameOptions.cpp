#include <algorithm>

#include "app/Game.h"
#include "gameplay/Camera.h"

namespace {

const char* const kSoundFolder = "assets/sounds";
// Room kept for what a window manager puts around a window, before the window has a frame to
// ask about: a title bar above and a border on the other sides. Pixels.
const int kTitleBarRoom = 48;
const int kBorderRoom = 8;

struct WindowPlace {
    int x, y, width, height;
};

// The window as asked for, moved and if need be made smaller so that it and its frame lie in
// the monitor's work area: a window as large as the screen would have its title bar off it.
WindowPlace insideWorkArea(GLFWmonitor* monitor, WindowPlace asked) {
    int left = 0, top = 0, width = 0, height = 0;
    glfwGetMonitorWorkarea(monitor, &left, &top, &width, &height);
    WindowPlace fitted = asked;
    fitted.width = std::max(1, std::min(asked.width, width - 2 * kBorderRoom));
    fitted.height = std::max(1, std::min(asked.height, height - kTitleBarRoom - kBorderRoom));
    fitted.x = std::clamp(asked.x, left + kBorderRoom,
                          std::max(left + kBorderRoom, left + width - kBorderRoom - fitted.width));
    fitted.y =
        std::clamp(asked.y, top + kTitleBarRoom,
                   std::max(top + kTitleBarRoom, top + height - kBorderRoom - fitted.height));
    return fitted;
}

// The monitor that holds most of the window; the one it fills, in full screen.
GLFWmonitor* monitorOf(GLFWwindow* window) {
    if (GLFWmonitor* filled = glfwGetWindowMonitor(window)) {
        return filled;
    }
    int x = 0, y = 0, width = 0, height = 0;
    glfwGetWindowPos(window, &x, &y);
    glfwGetWindowSize(window, &width, &height);
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    GLFWmonitor* best = glfwGetPrimaryMonitor();
    long bestArea = 0;
    for (int i = 0; i < count; ++i) {
        int left = 0, top = 0;
        glfwGetMonitorPos(monitors[i], &left, &top);
        const GLFWvidmode* mode = glfwGetVideoMode(monitors[i]);
        const long across = std::min(x + width, left + mode->width) - std::max(x, left);
        const long down = std::min(y + height, top + mode->height) - std::max(y, top);
        if (across > 0 && down > 0 && across * down > bestArea) {
            bestArea = across * down;
            best = monitors[i];
        }
    }
    return best;
}

}  // namespace

void Game::applyOptions() {
    fov = options.fov;
    brightness = options.brightness;
    camera.sensitivity = options.sensitivity;
    camera.distance = options.cameraDistance;
    player->turnSpeed = options.sensitivity;
    // The same mouse would turn otherwise in a replay: the run's recording ends here.
    if (options.sensitivity != session.recording.replay().settings.sensitivity) {
        session.recording.stop();
    }
    controls.bind(options);
    ui.hudVisible = options.hudEnabled;
    ui.imgui->setTextScale(options.uiScale);
    applyPacing();
    applyRawMouse();
    applyAudio();
}

void Game::applyPacing() {
    glfwSwapInterval(options.vsync ? 1 : 0);
    ui.frameTiming.pacer.setRate(options.maxFps);
}

// Raw motion only exists while the cursor is captured, and GLFW keeps the choice until then.
void Game::applyRawMouse() {
    const bool raw = options.rawMouse && glfwRawMouseMotionSupported();
    glfwSetInputMode(window, GLFW_RAW_MOUSE_MOTION, raw ? GLFW_TRUE : GLFW_FALSE);
}

void Game::applyAudio() {
    const Volumes volumes{options.masterVolume, options.effectsVolume, options.musicVolume};
    const Level& level = session.played.level;
    sound.apply(options.audioEnabled, volumes, kSoundFolder, level.goal, level.look.music);
}

void Game::applyWindow() {
    // The cursor's place in the window changes with it: the next reading only sets the
    // reference, so that the view does not jump.
    firstMouse = true;
    const bool wasFullScreen = glfwGetWindowMonitor(window) != nullptr;
    if (options.fullscreen) {
        if (!wasFullScreen) {
            glfwGetWindowPos(window, &windowed.x, &windowed.y);
        }
        GLFWmonitor* monitor = monitorOf(window);
        const GLFWvidmode* mode = glfwGetVideoMode(monitor);
        glfwSetWindowMonitor(window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
        return;
    }
    GLFWmonitor* monitor = monitorOf(window);
    if (!wasFullScreen) {
        glfwGetWindowPos(window, &windowed.x, &windowed.y);
    } else if (windowed.x < 0) {
        centreWindow(monitor);
    }
    const WindowPlace place =
        insideWorkArea(monitor, {windowed.x, windowed.y, options.width, options.height});
    glfwSetWindowMonitor(window, nullptr, place.x, place.y, place.width, place.height,
                         GLFW_DONT_CARE);
}

// A game that started in full screen has had no window yet: it comes up in the middle of
// the monitor.
void Game::centreWindow(GLFWmonitor* monitor) {
    int left = 0, top = 0;
    glfwGetMonitorPos(monitor, &left, &top);
    const GLFWvidmode* mode = glfwGetVideoMode(monitor);
    windowed.x = left + std::max(0, (mode->width - options.width) / 2);
    windowed.y = top + std::max(0, (mode->height - options.height) / 2);
}

void Game::toggleFullScreen() {
    options.fullscreen = !options.fullscreen;
    applyWindow();
    savePlayerSettings(options);
    restartFrameTime();
}
