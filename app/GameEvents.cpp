#include <cstring>

#include <iostream>

#include "app/Clock.h"
#include "app/Game.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "gameplay/Score.h"

using namespace level;

namespace {

const char* const kTrapNames[kTrapCount] = {"trap11", "trap21", "trap22", "trap23"};

// The trap's place among the traps, or -1 for anything else.
int trapNumber(const char* name) {
    for (int trap = 0; trap < kTrapCount; ++trap) {
        if (std::strcmp(name, kTrapNames[trap]) == 0) {
            return trap;
        }
    }
    return -1;
}

}  // namespace

void Game::checkCollisions() {
    for (size_t i = 1; i < objects.size(); ++i) {
        GameObject& object = *objects[i];
        if (!object.hidden && touches(*player, object)) {
            onCollision(object);
        }
    }
    player->floorHeight = floorHeightUnder(*player, platforms);
}

void Game::onCollision(GameObject& object) {
    // Health pack and traps hide themselves, so each acts once until a loss restores it.
    if (std::strcmp(object.name, "health") == 0) {
        object.hidden = true;
        for (int orb = 0; orb < kOrbsPerItem; ++orb) {
            models[firstHealthOrbModel + orb]->hidden = true;
        }
        lights[healthLight]->off = true;
        player->takeHealthPack();
        events.push_back(Event::at(Event::HealthPack, object.position));
    } else if (const int trap = trapNumber(object.name); trap >= 0) {
        object.hidden = true;
        lights[firstTrapLight + trap]->off = true;
        player->springTrap();
        events.push_back(Event::at(Event::Trap, object.position));
    } else if (std::strcmp(object.name, "checkpoint1") == 0) {
        player->goalReached = true;
    }
}

void Game::restoreItems() {
    if (models[healthModel]->hidden) {
        models[healthModel]->hidden = false;
        for (int orb = 0; orb < kOrbsPerItem; ++orb) {
            models[firstHealthOrbModel + orb]->hidden = false;
        }
        lights[healthLight]->off = false;
    }
    for (int trap = 0; trap < kTrapCount; ++trap) {
        if (models[firstTrapModel + trap]->hidden) {
            models[firstTrapModel + trap]->hidden = false;
            lights[firstTrapLight + trap]->off = false;
        }
    }
}

int Game::getPoints(bool won) const {
    return pointsFor(totalTime, won);
}

void Game::checkGameState() {
    if (player->goalReached) {
        events.push_back(Event::ended(true, totalTime, getPoints(true)));
        // A replay watched from the pause panel goes back to it after its last frame.
        if (!playback || playback->after == AfterReplay::Close) {
            glfwSetWindowShouldClose(window, true);
        }
    }
    if (player->position.y <= kLossHeight || player->health < 1) {
        events.push_back(Event::ended(false, totalTime, getPoints(false)));
        player->startOver();
        totalTime = 0.0f;
        restoreItems();
    }
}

void Game::tellEvents() {
    const double now = readClock();
    for (const Event& event : events) {
        tell(event, now);
        if (event.kind == Event::Won && !playback) {  // a replay's win is not the player's
            keepWin(event, now);
        }
    }
    events.clear();
    if (audio) {
        audio->update(soundScene());
    }
}

void Game::tell(const Event& event, double now) {
    writeLines(std::cout, event);
    if (hasLines(event) || hasNotice(event)) {
        hud.hear(event, now);
    }
    if (audio) {
        audio->hear(event);
    }
}

SoundScene Game::soundScene() const {
    return SoundScene{
        camera.position,          camera.front, camera.up, !models[healthModel]->hidden,
        player->slowTimer > 0.0f, paused};
}
