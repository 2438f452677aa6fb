#include <cstring>
#include <string>

#include "app/Game.h"
#include "base/Console.h"
#include "gameplay/LevelLayout.h"
#include "gameplay/Score.h"

using namespace level;

namespace {

const int kHealthGain = 1;
const int kTrapDamage = -1;  // printed as the signed change
const float kSlowSeconds = 2.0f;

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
        printLine("HEALTH PACK COLLECTED");
        for (int orb = 0; orb < kOrbsPerItem; ++orb) {
            models[firstHealthOrbModel + orb]->hidden = true;
        }
        lights[healthLight]->off = true;
        printLine("HEALTH INCREASED BY ", kHealthGain);
        player->health += kHealthGain;
    } else if (const int trap = trapNumber(object.name); trap >= 0) {
        object.hidden = true;
        printLine("TRAP TRIGGERED");
        printLine("SLOWED FOR ", kSlowSeconds, " SECONDS");
        player->slowTimer = kSlowSeconds;
        lights[firstTrapLight + trap]->off = true;
        printLine("HEALTH REDUCED BY ", kTrapDamage);
        player->health += kTrapDamage;
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

std::string Game::getPoints(bool won) const {
    return std::to_string(pointsFor(totalTime, won)) + " points";
}

void Game::checkGameState() {
    if (player->goalReached) {
        printLine("GAME WON! ", totalTime, "s | ", getPoints(true));
        glfwSetWindowShouldClose(window, true);
    }
    if (player->position.y <= kLossHeight || player->health < 1) {
        printLine("GAME LOST! ", totalTime, "s | ", getPoints(false));
        printLine("");
        player->startOver();
        totalTime = 0.0f;
        restoreItems();
    }
}
