#include "app/Callbacks.h"
#include "app/Game.h"
#include "app/Toggles.h"
#include "base/Console.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"

void Game::startReplay(Replay replay, AfterReplay after) {
    recording.stop();  // what follows is not the player's run
    if (paused) {
        setPaused(false);
    }
    startAfresh(replay.settings);
    diverged = false;
    playback = Playback{std::move(replay), after, 0, std::nullopt};
}

void Game::returnFromReplay() {
    playback.reset();
    const ReplaySettings own{options.sensitivity, options.gravity};
    startAfresh(own);
    recording.startOver(own, played.tag());
    setPaused(true);
}

// Everything the rules read, as a new game has it: the replay's first frame then plays as it
// did at its game's start.
void Game::startAfresh(const ReplaySettings& settings) {
    resetToggles();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_CULL_FACE);
    const Level& level = played.level;
    player->startAfresh(level.start, level.start + level::kPlayerLift, level.facing);
    player->restartPosition = level.start + level::kPlayerLift;
    player->turnSpeed = settings.sensitivity;
    player->acceleration = glm::vec3(0.0f, settings.gravity, 0.0f);
    initCamera(settings.sensitivity);
    restoreItems();
    for (Item& item : items) {
        item.reached = false;
    }
    runSplits.assign(runSplits.size(), kNoSplit);
    for (std::size_t i = 0; i < platforms.size(); ++i) {
        platforms[i]->setPosition(level.platforms[i].at);
        platforms[i]->swingOrigin = Model::kNoSwingOrigin;
    }
    totalTime = 0.0f;
}

// The watcher's Escape still quits and P pauses; the rest of the frame is the replay's, its
// display toggles too, flipped as their keys' releases flipped them in its run.
bool Game::takeReplayedFrame() {
    quitOnEscape();
    checkPause();
    if (paused) {
        return false;
    }
    if (playback->next == playback->replay.frames.size()) {
        if (playback->after == AfterReplay::Pause) {
            returnFromReplay();
        } else {
            glfwSetWindowShouldClose(window, true);
        }
        return false;
    }
    const ReplayFrame& frame = playback->replay.frames[playback->next++];
    deltaTime = frame.deltaTime;
    controls.input = frame.input;
    for (std::size_t i = 0; i < kActionCount; ++i) {
        const Action action = static_cast<Action>(i);
        if (isToggle(action) && controls.input.released.has(action)) {
            applyToggle(*this, action);
        }
    }
    return true;
}

void Game::recordFrame() {
    const ReplayFrame frame{deltaTime, controls.input, player->position, player->rotation.y,
                            totalTime};
    if (!playback) {
        recording.add(frame);
        return;
    }
    const ReplayFrame& recorded = playback->replay.frames[playback->next - 1];
    const bool same = frame.position == recorded.position && frame.facing == recorded.facing &&
                      frame.clock == recorded.clock;
    if (!same && !diverged) {
        diverged = true;
        printLine("ERROR::REPLAY::DIVERGED: frame ", playback->next, " of ",
                  playback->replay.frames.size(), " played otherwise than it was recorded");
    }
    if (player->goalReached && !playback->wonAfter) {
        playback->wonAfter = playback->next;
    }
}

ReplayPlayed Game::replayPlayed() const {
    return ReplayPlayed{playback->replay.frames.size(), playback->next, playback->wonAfter,
                        diverged};
}
