#include "app/Game.h"
#include "gameplay/PlatformPath.h"

namespace {

const int kHealthToShowOrbs = 2;

// Degrees per second about y.
const float kHealthSpin = 120.0f;
const float kGoalRingSpins[] = {20.0f, -20.0f, 20.0f};
// With reduced motion, the share of their speed that the goal's spin and the particles keep.
const float kReducedMotionShare = 0.25f;

struct Orbit {
    float heightOffset;  // units above the target
    int turnFactor;
    float sideOffset;  // units to either side of it, one orb each way
};
const Orbit kHealthOrbit = {0.35f, 4, 0.5f};
const Orbit kPlayerOrbit = {1.0f, 8, 0.5f};

void circle(const std::array<Model*, 2>& orbs, const Model& target, const Orbit& orbit,
            float deltaTime) {
    orbs[0]->orbit(target, deltaTime, orbit.heightOffset, orbit.turnFactor, orbit.sideOffset);
    orbs[1]->orbit(target, deltaTime, orbit.heightOffset, orbit.turnFactor, -orbit.sideOffset);
}

}  // namespace

void Game::swingPlatforms() {
    for (std::size_t i = 0; i < platforms.size(); ++i) {
        const PlatformPiece& piece = session.played.level.platforms[i];
        if (!piece.swing) {
            continue;
        }
        GameObject& platform = *platforms[i];
        glm::vec3 position = platform.position;
        float& coordinate = position[piece.swing->axis];
        // The run's first step notes where the platform swings about; without a head start
        // it stays there for that step, as the course's swings always have.
        std::optional<float>& origin = run.swingOrigins[i];
        if (!origin) {
            origin = coordinate;
            if (piece.phase == 0.0f) {
                continue;
            }
        }
        coordinate = swungCoordinate(*piece.swing, *origin, totalTime + piece.phase);
        platform.setPosition(position);
    }
}

void Game::movePlatforms() {
    for (std::size_t i = 0; i < platforms.size(); ++i) {
        const PlatformPiece& piece = session.played.level.platforms[i];
        if (piece.path.empty()) {
            continue;
        }
        GameObject& platform = *platforms[i];
        const glm::vec3 step = pathPosition(piece, totalTime) - platform.position;
        platform.move(step);
        // The player standing on it goes along, and so does the floor it stands on.
        if (static_cast<int>(i) == run.standingOn && !player->airborne) {
            player->move(step);
            player->floorHeight += step.y;
        }
    }
}

void Game::showPlayerOrbs() {
    for (Model* orb : run.playerOrbs) {
        orb->hidden = player->health < kHealthToShowOrbs;
    }
}

void Game::spinItems() {
    for (const Item& item : run.items) {
        if (item.kind == Item::Kind::HealthPack) {
            item.object->rotate(glm::vec3(0.0f, kHealthSpin, 0.0f) * deltaTime);
        }
    }
    for (std::size_t ring = 0; ring < run.goalRings.size(); ++ring) {
        run.goalRings[ring]->rotate(glm::vec3(0.0f, kGoalRingSpins[ring], 0.0f) * deltaTime *
                                    motionShare());
    }
}

void Game::orbitOrbs() {
    for (const Item& item : run.items) {
        if (item.kind == Item::Kind::HealthPack) {
            circle(item.orbs, *item.object, kHealthOrbit, deltaTime);
        }
    }
    circle(run.playerOrbs, *player, kPlayerOrbit, deltaTime);
}

// How fast what only moves for the eye moves: the goal's spin and the particles. It touches no
// rule, so a replay plays alike whatever the watcher chose.
float Game::motionShare() const {
    return options.reducedMotion ? kReducedMotionShare : 1.0f;
}
