#include "app/Game.h"
#include "app/frame/Clock.h"
#include "app/input/Toggles.h"
#include "base/Console.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"

namespace {

// The goal of a level that has none yet stands so far below that nothing reaches it.
const glm::vec3 kNoGoal(0.0f, -1.0e6f, 0.0f);

// The level in the game's own models and images only.
Level withoutOwnLooks(Level level) {
    for (PlatformPiece& platform : level.platforms) {
        platform.look = {};
    }
    for (auto* pieces : {&level.traps, &level.healthPacks, &level.checkpoints}) {
        for (Piece& piece : *pieces) {
            piece.look = {};
        }
    }
    return level;
}

}  // namespace

void Game::startEditor(PlayedLevel level, bool hasGoal) {
    editor = std::make_unique<Editor>(std::move(level), hasGoal, glMajor, glMinor);
    camera = editor->keptCamera();
    setPaused(false);
    showEditedLevel();
}

// The editor's panels take the cursor: it stays free, and the right button turns the view.
void Game::editFrame() {
    const glm::vec2 cursorScale(static_cast<float>(framebufferWidth) / windowWidth,
                                static_cast<float>(framebufferHeight) / windowHeight);
    const EditorInput input = editor->keys.read(window, cursorScale);
    const EditorView view{ViewMatrix, ProjectionMatrix,
                          glm::vec2(framebufferWidth, framebufferHeight)};
    const bool playTest = editor->update(input, controls.input, deltaTime, view);
    if (editor->sceneStale()) {
        showEditedLevel();
    }
    if (editor->takeSaved()) {
        session.forgetLevelList();  // the Levels page lists the level saved
    }
    if (playTest) {
        startPlayTest();
    }
}

void Game::showEditedLevel() {
    PlayedLevel played = editor->played();
    if (!editor->document().hasGoal()) {
        played.level.goal = kNoGoal;
    }
    std::unique_ptr<LevelOwnFiles> own;
    try {
        own = std::make_unique<LevelOwnFiles>(played.level, played.folder, colourEncoding());
        editor->refuseOwnFiles("");
    } catch (const OwnFilesRefused& refused) {
        // The pieces are drawn in the game's own models until their own can be loaded.
        editor->refuseOwnFiles(oneLine(refused.what()));
        played.level = withoutOwnLooks(std::move(played.level));
        own = std::make_unique<LevelOwnFiles>(played.level, played.folder, colourEncoding());
    }
    session.changeLevel(std::move(played), nullptr);
    buildScene(std::move(own));
    editor->sceneShown();
    const Level& level = session.played.level;
    player->startAfresh(level.start, level.start + level::kPlayerLift, level.facing);
    run.startOver(platforms.size());
    showItems();
}

void Game::startPlayTest() {
    editor->keepCamera(camera);
    editor->playTesting = true;
    showEditedLevel();
    startRun(RunStart::own(ownSettings(), editor->selectedCheckpoint()));
    setPaused(false);
    restartFrameTime();
}

void Game::endPlayTest() {
    editor->playTesting = false;
    editor->returnAsked = false;
    camera = editor->keptCamera();
    resetToggles();
    setPaused(false);
    showEditedLevel();
}

void Game::quitUnlessUnsaved() {
    if (!editor || !editor->unsaved()) {
        quit();
        return;
    }
    editor->returnAsked = editor->playTesting;  // at the next frame's start
    editor->askBeforeQuit();
    if (paused) {
        setPaused(false);
    }
}

void Game::escapeInEditor() {
    if (editor->playTesting) {
        editor->returnAsked = true;
    } else if (editor->askingBeforeQuit()) {
        editor->cancelQuit();
    } else {
        quitUnlessUnsaved();
    }
}

void Game::makeLevel() {
    if (!editor) {
        startEditor(session.played);
        return;
    }
    if (editor->playTesting) {
        endPlayTest();
        return;
    }
    setPaused(false);
}
