#include "tools/bench/Startup.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/Game.h"
#include "tools/bench/Measure.h"

extern char** environ;

namespace {

const int kRuns = 5;  // per kind; the median is reported

// The same window as the game's: its settings file decides size, full screen and samples.
double minimalStartup(const Settings& settings, double startMs) {
    if (!glfwInit()) {
        return -1.0;
    }
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 5);
    glfwWindowHint(GLFW_RESIZABLE, settings.resizable);
    glfwWindowHint(GLFW_REFRESH_RATE, settings.refreshRate);
    glfwWindowHint(GLFW_SAMPLES, settings.sampleRate);
    GLFWwindow* window =
        glfwCreateWindow(settings.width, settings.height, settings.title.c_str(),
                         settings.fullscreen ? glfwGetPrimaryMonitor() : nullptr, nullptr);
    if (!window) {
        glfwTerminate();
        return -1.0;
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    glewInit();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glfwSwapBuffers(window);
    glFinish();
    const double elapsed = wallMs() - startMs;
    glfwTerminate();
    return elapsed;
}

double gameStartup(const Settings& settings, double startMs) {
    std::unique_ptr<Game> game = std::make_unique<Game>(settings);
    game->update();
    game->render();
    glFinish();
    return wallMs() - startMs;
}

// Runs this program once in child mode and reads the milliseconds it prints last.
double runChild(const char* self, const char* which, bool coldCache) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        environment.emplace_back(*entry);
    }
    if (coldCache) {
        environment.emplace_back("MESA_SHADER_CACHE_DISABLE=true");
    }
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    int output[2];
    if (pipe(output) != 0) {
        return -1.0;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    const std::string mode = "--startup";
    char* argv[] = {const_cast<char*>(self), const_cast<char*>(mode.c_str()),
                    const_cast<char*>(which), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t count; (count = read(output[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<size_t>(count));
    }
    close(output[0]);
    if (spawned != 0) {
        return -1.0;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const size_t lastLine = text.find_last_of('\n', text.size() >= 2 ? text.size() - 2 : 0);
    return std::atof(text.c_str() + (lastLine == std::string::npos ? 0 : lastLine + 1));
}

double medianOf(const char* self, const char* which) {
    std::vector<double> runs;
    for (int i = 0; i < kRuns; ++i) {
        runs.push_back(runChild(self, which, false));
    }
    return quantile(runs, 0.5);
}

}  // namespace

StartupFigures measureStartup(const char* self) {
    runChild(self, "game", false);  // fills the shader cache
    StartupFigures figures{};
    figures.gameMs = medianOf(self, "game");
    figures.minimalMs = medianOf(self, "minimal");
    figures.gameColdMs = runChild(self, "game", true);
    return figures;
}

int runStartupChild(const char* which, double startMs) {
    const Settings settings = loadGameSettings();
    const double elapsed = std::strcmp(which, "minimal") == 0 ? minimalStartup(settings, startMs)
                                                              : gameStartup(settings, startMs);
    std::cout << elapsed << std::endl;
    return elapsed < 0.0 ? 1 : 0;
}
