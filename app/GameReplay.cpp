#include "app/Callbacks.h"
#include "app/Game.h"
#include "app/input/Toggles.h"
#include "base/Console.h"

// The watcher's Escape still quits and P pauses; the rest of the frame is the replay's, its
// display toggles too, flipped as their keys' releases flipped them in its run.
bool Game::takeReplayedFrame() {
    quitOnEscape();
    checkPause();
    if (paused) {
        return false;
    }
    LevelSession::Playback& playback = *session.playback;
    if (playback.next == playback.replay.frames.size()) {
        if (playback.after == AfterReplay::Pause) {
            returnFromReplay();
        } else {
            glfwSetWindowShouldClose(window, true);
        }
        return false;
    }
    const ReplayFrame& frame = playback.replay.frames[playback.next++];
    deltaTime = frame.deltaTime;
    controls.input = frame.input;
    for (std::size_t i = 0; i < kActionCount; ++i) {
        const Action action = static_cast<Action>(i);
        if (isToggle(action) && controls.input.released.has(action)) {
            applyToggle(action);
        }
    }
    return true;
}

void Game::recordFrame() {
    const ReplayFrame frame{deltaTime, controls.input, player->position, player->rotation.y,
                            totalTime};
    if (!session.playback) {
        session.recording.add(frame);
        return;
    }
    LevelSession::Playback& playback = *session.playback;
    const ReplayFrame& recorded = playback.replay.frames[playback.next - 1];
    const bool same = frame.position == recorded.position && frame.facing == recorded.facing &&
                      frame.clock == recorded.clock;
    if (!same && !session.diverged) {
        session.diverged = true;
        printLine("ERROR::REPLAY::DIVERGED: frame ", playback.next, " of ",
                  playback.replay.frames.size(), " played otherwise than it was recorded");
    }
    if (player->goalReached && !playback.wonAfter) {
        playback.wonAfter = playback.next;
    }
}

ReplayPlayed Game::replayPlayed() const {
    const LevelSession::Playback& playback = *session.playback;
    return ReplayPlayed{playback.replay.frames.size(), playback.next, playback.wonAfter,
                        session.diverged};
}
