#include "tests/support/GameFixture.h"

#include "app/Game.h"
#include "base/Console.h"

const char* const kWindowedSettings =
    "[window]\n"
    "width = 640\n"
    "height = 360\n"
    "fullscreen = false\n";

const char* const kSmallWindowSettings =
    "[window]\n"
    "width = 320\n"
    "height = 180\n"
    "fullscreen = false\n"
    "[graphics]\n"
    "sample_rate = 0\n";

const char* const kTinyWindowSettings =
    "[window]\n"
    "width = 64\n"
    "height = 36\n"
    "fullscreen = false\n"
    "[graphics]\n"
    "sample_rate = 0\n";

namespace {
const std::string withoutHud = std::string(kWindowedSettings) + "[hud]\nenabled = false\n";
}  // namespace

const char* const kWithoutHudSettings = withoutHud.c_str();

void GameFixture::TearDown() {
    stopGame();
}

void GameFixture::startGame(const std::string& settingsIni, const Preparation& prepare) {
    stopGame();
    directory = std::make_unique<GameDirectory>(settingsIni);
    if (prepare) {
        prepare(directory->path());
    }
    workingDirectory = std::make_unique<WorkingDirectory>(directory->path());
    playerHomes = std::make_unique<EnvironmentOverride>(directory->gameEnvironment());
    // The game's count starts from none, as in a fresh process, whatever earlier tests counted.
    takeProblemCount();
    clock.set(0.0);  // a new game's clock starts at its construction
    game = makeGame();
    input.sendThroughGlfw();
}

void GameFixture::restartGame() {
    input.releaseAll();
    input.sendAlone();
    game.reset();
    clock.set(0.0);
    game = makeGame();
    input.sendThroughGlfw();
}

std::unique_ptr<Game> GameFixture::makeGame() const {
    if (builtLevel) {
        return std::make_unique<Game>(loadGameSettings(), PlayedLevel(*builtLevel));
    }
    if (levelName.empty()) {
        return std::make_unique<Game>(loadGameSettings());
    }
    const std::optional<LevelEntry> level = findLevel(levelName);
    if (!level) {
        ADD_FAILURE() << "no level " << levelName;
        return nullptr;
    }
    std::optional<PlayedLevel> played = askedLevelPlay(*level, levelCheckpoint);
    if (!played) {
        ADD_FAILURE() << levelName << " has no checkpoint " << levelCheckpoint;
        return nullptr;
    }
    return std::make_unique<Game>(loadGameSettings(), std::move(*played));
}

void GameFixture::stopGame() {
    input.releaseAll();
    input.sendAlone();
    game.reset();
    playerHomes.reset();
    workingDirectory.reset();
    directory.reset();
}

void GameFixture::update(double seconds) {
    clock.advance(seconds);
    game->update();
}

void GameFixture::frame(double seconds) {
    update(seconds);
    game->render();
}

void GameFixture::stroke(int key) {
    input.press(key);
    frame();
    input.release(key);
    frame();
}

void GameFixture::openOptions() {
    input.tap(GLFW_KEY_P);
    frame();
    frame();  // the panel lays itself out in its first frame, before it can be navigated
    stroke(GLFW_KEY_DOWN);
    stroke(GLFW_KEY_SPACE);
}

GLuint GameFixture::trianglesInAFrame(double seconds) {
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    frame(seconds);
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint triangles = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &triangles);
    glDeleteQueries(1, &query);
    return triangles;
}
