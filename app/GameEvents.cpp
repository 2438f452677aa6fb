#include <algorithm>
#include <iostream>

#include "app/Game.h"
#include "app/events/EventWords.h"
#include "app/frame/Clock.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "gameplay/Score.h"

void Game::checkCollisions() {
    for (size_t i = 1; i < objects.size(); ++i) {
        GameObject& object = *objects[i];
        // What this run has taken is no longer there to touch.
        const bool taken = object.item >= 0 && run.items[object.item].taken;
        if (!taken && touches(*player, object)) {
            onCollision(object);
        }
    }
    run.standingOn = platformUnder(*player, platforms);
    player->floorHeight = run.standingOn < 0 ? run.noFloor : platforms[run.standingOn]->position.y;
}

void Game::onCollision(GameObject& object) {
    if (object.item < 0) {
        return;
    }
    // Health packs and traps are taken, so each acts once until a loss puts it back.
    Item& item = run.items[object.item];
    switch (item.kind) {
        case Item::Kind::HealthPack:
            item.taken = true;
            showItem(item, false);
            player->takeHealthPack();
            events.push_back(Event::at(Event::HealthPack, object.position));
            break;
        case Item::Kind::Trap:
            item.taken = true;
            showItem(item, false);
            player->springTrap();
            events.push_back(Event::at(Event::Trap, object.position));
            break;
        case Item::Kind::Checkpoint:
            reachCheckpoint(item);
            break;
        case Item::Kind::Goal:
            player->goalReached = true;
            break;
    }
}

// A checkpoint counts once in a run: from then on a loss starts over on it.
void Game::reachCheckpoint(Item& checkpoint) {
    if (checkpoint.reached) {
        return;
    }
    checkpoint.reached = true;
    player->restartPosition = checkpoint.object->position + level::kPlayerLift;
    session.runSplits[checkpoint.piece] = totalTime;
    events.push_back(Event::checkpoint(checkpoint.object->position, totalTime,
                                       static_cast<int>(checkpoint.piece)));
}

void Game::showItem(Item& item, bool shown) {
    item.object->hidden = !shown;
    for (Model* orb : item.orbs) {
        if (orb) {
            orb->hidden = !shown;
        }
    }
    if (item.light >= 0) {
        lights[item.light]->off = !shown;
    }
}

void Game::showItems() {
    for (Item& item : run.items) {
        showItem(item, !item.taken);
    }
}

int Game::getPoints(bool won) const {
    return pointsFor(totalTime, won, session.played.level.parTime);
}

void Game::checkGameState() {
    if (player->goalReached) {
        events.push_back(Event::ended(true, totalTime, getPoints(true)));
        // A replay watched from the pause panel goes back to it after its last frame, and a
        // level the player chose shows its results once the win is kept.
        // A play-test's goes back to the editor.
        const bool toResults = session.played.chosen && !session.playback;
        if (!editor && !toResults &&
            (!session.playback || session.playback->after == AfterReplay::Close)) {
            glfwSetWindowShouldClose(window, true);
        }
    }
    if (player->position.y <= run.lossHeight || player->health < 1) {
        // After a checkpoint the run goes on from there, its clock with it.
        const bool toCheckpoint = run.checkpointReached();
        events.push_back(toCheckpoint ? Event::lostToCheckpoint(totalTime, getPoints(false))
                                      : Event::ended(false, totalTime, getPoints(false)));
        player->startOver();
        if (!toCheckpoint) {
            totalTime = 0.0f;
        }
        run.putItemsBack();
        showItems();
    }
}

// A play-test's win or loss, once told, goes back to the editor, and keeps no record: its
// win of the level as saved is the level's proof.
void Game::tellEvents() {
    const double now = readClock();
    bool playTestEnds = false;
    for (const Event& event : events) {
        tell(event, now);
        const bool won = event.kind == Event::Won;
        if (editor && won) {
            editor->keepWin(session.recording, !session.partWay);
        }
        if (editor && (won || (event.kind == Event::Lost && !event.on))) {
            playTestEnds = true;
        } else if (won && !session.playback) {  // a replay's win is not the player's
            keepWin(event, now);
        }
    }
    events.clear();
    if (playTestEnds) {
        endPlayTest();
    }
    if (GameAudio* audio = sound.playing()) {
        audio->update(soundScene());
    }
}

void Game::tell(const Event& event, double now) {
    writeLines(std::cout, event);
    if (isShown(event)) {
        ui.hud.hear(event, now);
    }
    if (event.kind == Event::Checkpoint) {
        ui.hud.hearSplit(event, session.bestSplitAt(static_cast<std::size_t>(event.points)), now);
    }
    GameAudio* audio = sound.playing();
    if (const std::optional<Cue> cue = cueOf(event); cue && audio) {
        audio->play(*cue, event.place);
    }
}

// The health pack's hum comes from the nearest one still there.
SoundScene Game::soundScene() const {
    const Item* hum = nullptr;
    for (const Item& item : run.items) {
        if (item.kind == Item::Kind::HealthPack && !item.taken &&
            (!hum || glm::distance(item.object->position, player->position) <
                         glm::distance(hum->object->position, player->position))) {
            hum = &item;
        }
    }
    return SoundScene{camera.position,
                      camera.front,
                      camera.up,
                      hum != nullptr,
                      hum ? hum->object->position : glm::vec3(0.0f),
                      player->slowTimer > 0.0f,
                      paused};
}
