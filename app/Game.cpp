#include "app/Game.h"

#include <malloc.h>

#include "app/Banner.h"
#include "app/Callbacks.h"
#include "app/frame/Clock.h"
#include "app/frame/CpuTimer.h"
#include "app/input/GamepadMappings.h"
#include "app/input/Toggles.h"
#include "base/Console.h"
#include "gameplay/Camera.h"
#include "gameplay/RecordRun.h"

namespace {

const int kGlMajor = 4;
const int kGlMinor = 5;
const size_t kEventCapacity = 64;  // far more than one frame brings
// Free memory that glibc keeps at the top of the heap rather than hand back to the system.
// llvmpipe takes and frees its scene's 64 KiB blocks every frame; with the default 128 KiB,
// whenever the last of them lies at the top of the heap, each frame gave the pages back and
// faulted them in again: 3 ms more CPU in a 1280x720 frame, depending only on where the
// other allocations happened to lie.
const int kHeapTrimThresholdBytes = 32 << 20;

}  // namespace

Game::Game(const Settings& settings, PlayedLevel level)
    : windowWidth(settings.width),
      windowHeight(settings.height),
      framebufferWidth(settings.width),
      framebufferHeight(settings.height),
      glMajor(kGlMajor),
      glMinor(kGlMinor),
      controls(settings),
      fov(settings.fov),
      nearZ(settings.nearZ),
      farZ(settings.farZ),
      session(std::move(level), ReplaySettings{settings.sensitivity, settings.gravity}),
      skyColor(kGameSky),
      brightness(settings.brightness),
      look(settings.look == kEnhancedLook),
      ui(settings.hudEnabled),
      options(settings) {
    // The lists keep their room from frame to frame, so that the update allocates nothing.
    events.reserve(kEventCapacity);
    mallopt(M_TRIM_THRESHOLD, kHeapTrimThresholdBytes);
    initWindow(settings);
    initGlew();
    initGlState();
    initInput();
    // A failure while the scene is built leaves no destructor to run: release what exists.
    try {
        ui.open(window, settings.uiScale);
        controls.chainUi(glfwSetKeyCallback(window, shortcutKeyCallback));
        initShaders();
        initLook(settings);
        initTextures();
        initMaterials();
        // Before the scene, which the sound does not need: it hears only the level's goal.
        applyAudio();
        const PlayedLevel& played = session.played;
        buildScene(std::make_unique<LevelOwnFiles>(played.level, played.folder, colourEncoding()));
        startRun(ownStart());
        announceLevel();
        printControls();
    } catch (...) {
        release();
        throw;
    }
}

Game::~Game() {
    release();
}

void Game::initWindow(const Settings& settings) {
    if (!glfwInit()) {
        failSetup("ERROR::GAME::GLFW_INIT_FAILED");
    }
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, glMajor);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, glMinor);
    glfwWindowHint(GLFW_RESIZABLE, settings.resizable);
    // Given before the window is created, so that the monitor and the framebuffer get them.
    glfwWindowHint(GLFW_REFRESH_RATE, settings.refreshRate);
    glfwWindowHint(GLFW_SAMPLES, settings.antialiasing == kMsaa ? settings.sampleRate : 0);
    // The enhanced look writes linear light, which the framebuffer encodes.
    glfwWindowHint(GLFW_SRGB_CAPABLE, look.enhancedAtStart ? GLFW_TRUE : GLFW_FALSE);
    // The desktop entry's StartupWMClass, by which docks know the window for the game's.
    glfwWindowHintString(GLFW_X11_CLASS_NAME, SMELTRUN_APP_ID);
    glfwWindowHintString(GLFW_X11_INSTANCE_NAME, "smeltrun");

    GLFWmonitor* monitor = settings.fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    window = glfwCreateWindow(windowWidth, windowHeight, settings.title.c_str(), monitor, nullptr);
    if (!window) {
        failSetup("ERROR::GAME::GLFW_WINDOW_INIT_FAILED");
    }
    glfwMakeContextCurrent(window);
    applyPacing();

    if (settings.resizable) {
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
    glEnable(GL_MULTISAMPLE);
}

void Game::initInput() {
    resetToggles();
    // The mouse is polled every frame for the camera, so the cursor is captured, not tracked.
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    applyRawMouse();
    // The key callback hands the keys to this game's keyboard.
    glfwSetWindowUserPointer(window, this);
    glfwSetKeyCallback(window, keyCallback);
    glfwSetWindowFocusCallback(window, windowFocusCallback);
    glfwSetWindowCloseCallback(window, windowCloseCallback);
    glfwSetScrollCallback(window, scrollCallback);
    loadGamepadMappings();
    watchGlfwGamepads();
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

void Game::timeFrame() {
    if (ui.frameTiming.startFrame()) {
        ui.frameOverlay.record(ui.frameTiming.times);
    }
}

void Game::releaseScene() {
    editor.reset();
    ui.close();
    look.release();
    shaders.clear();
    textures.clear();
    session.ownFiles.reset();
    materials.clear();
    platforms.clear();
    objects.clear();
    player = nullptr;
    models.clear();
    lights.clear();
    particleSystems.clear();
}

void Game::update() {
    timeFrame();
    const CpuTimer timer(ui.frameTiming.times.update);
    // Time: the clock starts with the first frame, so that loading the scene is not play
    currentFrame = static_cast<float>(readClock());
    if (run.firstFrame) {
        lastFrame = currentFrame;
        run.startedAt = currentFrame;
        run.firstFrame = false;
    }
    deltaTime = currentFrame - lastFrame;
    lastFrame = currentFrame;

    // Input: the window's events, then the one snapshot that the rest of the frame reads
    glfwPollEvents();
    // Counted from the update's start, which spares one reading of the CPU clock (about a
    // microsecond here): before the poll there is only the game's clock to read.
    ui.frameTiming.times.poll = timer.elapsedMs();
    readInput();
    if (ui.takeQuitAsk()) {
        quitUnlessUnsaved();
    }
    if (editor && editor->takeQuitAnswer()) {
        quit();
    }
    if (editor && editor->returnAsked) {
        endPlayTest();
    }
    if (editing()) {
        // The keys are the editor's, and the rules stand still; P still pauses, unless it is
        // typed into a panel or the editor asks whether to save, which is answered first.
        if (Editor::panelsTakeKeys() || editor->askingBeforeQuit() || takeLiveFrame()) {
            editFrame();
        }
        deltaTime = 0.0f;
        tellEvents();
        return;
    }
    if (!editor) {  // a level made in the editor is the editor's to save
        rereadChangedLevel();
    }
    // While a replay plays, its frame's step and snapshot stand in for the clock's and these.
    if (!(session.playback ? takeReplayedFrame() : takeLiveFrame())) {
        // Paused, or a replay at its end: no time passes for the rules and nothing moves;
        // Escape still quits after a replay, and goes back a step on the panels.
        deltaTime = 0.0f;
        quitOnEscape();
        tellEvents();
        return;
    }

    // The game step, once for a frame of the length the rules are made for; a longer frame is
    // played in equal steps, so that it meets the gaps, traps and platforms on its way. Each
    // step is deltaTime while it runs; the frame's own is kept for its replay.
    const float frameTime = deltaTime;
    const int steps = stepsIn(frameTime);
    deltaTime = frameTime / static_cast<float>(steps);
    for (int step = 0; step < steps; ++step) {
        totalTime += deltaTime;
        processInput();
        processMouseInput(step == 0);

        for (GameObject* object : objects) {
            object->computeBounds();
        }
        checkCollisions();
        swingPlatforms();
        movePlatforms();
        player->applyPhysics(deltaTime, events);
        player->updateSlowTimer(deltaTime);
        showPlayerOrbs();
        spinItems();
        for (auto& system : particleSystems) {
            system->update(deltaTime * motionShare());
        }
        orbitOrbs();
        checkGameState();
        if (player->goalReached) {
            break;  // the win ends the run: nothing of the frame is played after it
        }
    }
    deltaTime = frameTime;
    keepCameraClear();
    fadeFlagsInTheWay();
    recordFrame();

    // Tell: the console, the HUD and the sound hear of the frame's events
    tellEvents();
}
