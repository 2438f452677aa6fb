#include "app/Game.h"

#include "app/Banner.h"
#include "app/Callbacks.h"
#include "app/Console.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"

Game::Game(const char* title, int windowWidth, int windowHeight, int glMajor, int glMinor,
           bool fullscreen, bool resizable, int refreshRate, int sampleRate)
    : windowWidth(windowWidth),
      windowHeight(windowHeight),
      framebufferWidth(windowWidth),
      framebufferHeight(windowHeight),
      glMajor(glMajor),
      glMinor(glMinor) {
    initWindow(title, fullscreen, resizable, refreshRate, sampleRate);
    initGlew();
    initGlState();
    initInput();
    // A failure while the scene is built leaves no destructor to run: release what exists.
    try {
        initShaders();
        initTextures();
        initMaterials();
        initPlayer();
        initPickupsAndTraps();
        initCheckpoints(level::kGoalPosition);
        initPlatforms();
        initLights();
        initParticleSystems();
        initUniforms();
        printControls();
    } catch (...) {
        release();
        throw;
    }
}

Game::~Game() {
    release();
}

void Game::initWindow(const char* title, bool fullscreen, bool resizable, int refreshRate,
                      int sampleRate) {
    if (!glfwInit()) {
        failSetup("ERROR::GAME::GLFW_INIT_FAILED");
    }
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, glMajor);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, glMinor);
    glfwWindowHint(GLFW_RESIZABLE, resizable);
    glfwWindowHint(GLFW_REFRESH_RATE, refreshRate);
    glfwWindowHint(GLFW_SAMPLES, sampleRate);

    GLFWmonitor* monitor = fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    window = glfwCreateWindow(windowWidth, windowHeight, title, monitor, nullptr);
    if (!window) {
        failSetup("ERROR::GAME::GLFW_WINDOW_INIT_FAILED");
    }
    glfwMakeContextCurrent(window);

    if (resizable) {
        glfwSetFramebufferSizeCallback(window, framebufferResizeCallback);
    } else {
        glfwGetFramebufferSize(window, &framebufferWidth, &framebufferHeight);
        glViewport(0, 0, framebufferWidth, framebufferHeight);
    }
}

void Game::initGlew() {
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        failSetup("ERROR::GAME::GLEW_INIT_FAILED");
    }
}

void Game::initGlState() {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

void Game::initInput() {
    // The mouse is polled every frame for the camera, so the cursor is captured, not tracked.
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    glfwSetKeyCallback(window, keyCallback);
    glfwSetScrollCallback(window, scrollCallback);
}

void Game::failSetup(const char* message) {
    printLine(message);
    glfwTerminate();
    window = nullptr;
    throw GameInitError(message);
}

void Game::release() {
    releaseScene();
    glfwDestroyWindow(window);
    window = nullptr;
    glfwTerminate();
}

void Game::releaseScene() {
    shaders.clear();
    textures.clear();
    materials.clear();
    platforms.clear();
    objects.clear();
    player = nullptr;
    models.clear();
    lights.clear();
    particleSystems.clear();
}

void Game::setKeyBindings(KeyBindings keyBindings) {
    camera.keyBindings = keyBindings;
    player->keyBindings = keyBindings;
}

void Game::update() {
    // Variable step: the first frame's step covers everything since GLFW started.
    currentFrame = static_cast<float>(glfwGetTime());
    deltaTime = currentFrame - lastFrame;
    lastFrame = currentFrame;
    totalTime += deltaTime;

    glfwPollEvents();
    processInput();
    processMouseInput();

    // The game step
    for (GameObject* object : objects) {
        object->computeBounds();
    }
    checkCollisions();
    swingPlatforms();
    player->applyPhysics(deltaTime);
    player->updateSlowTimer(deltaTime);
    showPlayerOrbs();
    spinItems();
    for (auto& system : particleSystems) {
        system->update(deltaTime);
    }
    orbitOrbs();
    checkGameState();
}

void Game::processInput() {
    // A held Escape closes at once; the loop ends before its release is ever delivered.
    if (glfwGetKey(window, GLFW_KEY_ESCAPE) == GLFW_PRESS) {
        glfwSetWindowShouldClose(window, true);
    }
    camera.processKeyboard(window, deltaTime);
    player->processKeyboard(window, deltaTime);
    lights[level::playerLight]->position = player->position + level::kPlayerLightOffset;
}
