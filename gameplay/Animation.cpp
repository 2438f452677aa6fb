#include <cmath>
#include <cstring>

#include "app/Game.h"
#include "gameplay/LevelLayout.h"

using namespace level;

namespace {

const float kNotCaptured = 999.0f;   // a model's swing origin before its first swing frame
const float kSwingAmplitude = 5.0f;  // units

const int kHealthToShowOrbs = 2;

// Degrees per second about y.
const struct {
    const char* name;
    float degreesPerSecond;
} kSpins[] = {
    {"health", 120.0f},
    {"checkpoint1", 20.0f},
    {"checkpoint2", -20.0f},
    {"checkpoint3", 20.0f},
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

// Platforms 1, 3, 5, 7 and 8 swing: 7 and 8 along z, the others along x, with the sense
// alternating so that neighbours move against each other.
bool swings(int i) {
    return ((i + 1) % 2 == 0 && i != kPlatformCount - 1) || i == 8;
}
int swingAxis(int i) {
    return i == 7 || i == 8 ? 2 : 0;
}
float swingAmplitude(int i) {
    return (i + 1) % 4 == 0 ? kSwingAmplitude : -kSwingAmplitude;
}

}  // namespace

void Game::swingPlatforms() {
    for (int i = 0; i < static_cast<int>(platforms.size()); ++i) {
        if (!swings(i)) {
            continue;
        }
        GameObject& platform = *platforms[i];
        glm::vec3 position = platform.position;
        float& coordinate = position[swingAxis(i)];
        // The first frame only notes where the platform swings about.
        if (platform.swingOrigin == kNotCaptured) {
            platform.swingOrigin = coordinate;
            continue;
        }
        coordinate = platform.swingOrigin + std::sin(totalTime) * swingAmplitude(i);
        platform.setPosition(position);
    }
}

void Game::showPlayerOrbs() {
    for (int orb = 0; orb < kOrbsPerItem; ++orb) {
        models[firstPlayerOrbModel + orb]->hidden = player->health < kHealthToShowOrbs;
    }
}

void Game::spinItems() {
    for (GameObject* object : objects) {
        for (const auto& spin : kSpins) {
            if (std::strcmp(object->name, spin.name) == 0) {
                object->rotate(glm::vec3(0.0f, spin.degreesPerSecond, 0.0f) * deltaTime);
            }
        }
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
