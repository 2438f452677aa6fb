#include "app/Game.h"
#include "gameplay/LevelLayout.h"
#include "gameplay/Swing.h"

using namespace level;

namespace {

const int kHealthToShowOrbs = 2;

// Degrees per second about y: the health pack and the goal's three rings.
const struct {
    int model;
    float degreesPerSecond;
} kSpins[] = {
    {healthModel, 120.0f},
    {firstCheckpointModel, 20.0f},
    {firstCheckpointModel + 1, -20.0f},
    {firstCheckpointModel + 2, 20.0f},
};

struct Orbit {
    int model;
    float heightOffset;  // units above the target
    int turnFactor;
    float sideOffset;  // units to either side
};
const Orbit kHealthOrbits[] = {{firstHealthOrbModel, 0.35f, 4, 0.5f},
                               {firstHealthOrbModel + 1, 0.35f, 4, -0.5f}};
const Orbit kPlayerOrbits[] = {{firstPlayerOrbModel, 1.0f, 8, 0.5f},
                               {firstPlayerOrbModel + 1, 1.0f, 8, -0.5f}};

}  // namespace

void Game::swingPlatforms() {
    for (int i = 0; i < static_cast<int>(platforms.size()); ++i) {
        const std::optional<Swing> swing = swingOf(i);
        if (!swing) {
            continue;
        }
        GameObject& platform = *platforms[i];
        glm::vec3 position = platform.position;
        float& coordinate = position[swing->axis];
        // The first frame only notes where the platform swings about.
        if (platform.swingOrigin == Model::kNoSwingOrigin) {
            platform.swingOrigin = coordinate;
            continue;
        }
        coordinate = swungCoordinate(*swing, platform.swingOrigin, totalTime);
        platform.setPosition(position);
    }
}

void Game::showPlayerOrbs() {
    for (int orb = 0; orb < kOrbsPerItem; ++orb) {
        models[firstPlayerOrbModel + orb]->hidden = player->health < kHealthToShowOrbs;
    }
}

void Game::spinItems() {
    for (const auto& spin : kSpins) {
        models[spin.model]->rotate(glm::vec3(0.0f, spin.degreesPerSecond, 0.0f) * deltaTime);
    }
}

void Game::orbitOrbs() {
    for (const Orbit& orbit : kHealthOrbits) {
        models[orbit.model]->orbit(*models[healthModel], deltaTime, orbit.heightOffset,
                                   orbit.turnFactor, orbit.sideOffset);
    }
    for (const Orbit& orbit : kPlayerOrbits) {
        models[orbit.model]->orbit(*player, deltaTime, orbit.heightOffset, orbit.turnFactor,
                                   orbit.sideOffset);
    }
}
