#include "gameplay/Level.h"

#include <algorithm>

#include "gameplay/Collision.h"
#include "gameplay/Footprints.h"
#include "gameplay/LevelLayout.h"
#include "gameplay/Score.h"

namespace {

// A platform of the level's own model may reach under the player from anywhere.
bool mayHoldUp(const PlatformPiece& platform, glm::vec3 player) {
    if (!platform.look.model.empty()) {
        return true;
    }
    return platform.at.y <= player.y + footprint::kPlatformBand &&
           footprintsTouch(player, footprint::kPlayer, platform.at, footprint::kPlatform);
}

}  // namespace

bool PlatformPiece::operator==(const PlatformPiece& other) const {
    const bool sameSwing = swing.has_value() == other.swing.has_value() &&
                           (!swing || (swing->axis == other.swing->axis &&
                                       swing->amplitude == other.swing->amplitude));
    return at == other.at && sameSwing && path == other.path && speed == other.speed &&
           wait == other.wait && phase == other.phase && look == other.look;
}

bool Level::operator==(const Level& other) const {
    return name == other.name && parTime == other.parTime && start == other.start &&
           facing == other.facing && platforms == other.platforms && traps == other.traps &&
           healthPacks == other.healthPacks && checkpoints == other.checkpoints &&
           goal == other.goal && look == other.look;
}

Level courseLevel() {
    using namespace level;
    Level course;
    course.name = "The course";
    course.parTime = kCourseParSeconds;
    course.start = kPlayerCreatedAt + kPlayerStartShift;
    for (int i = 0; i < kPlatformCount; ++i) {
        PlatformPiece platform;
        platform.at = platformPosition(i);
        platform.swing = swingOf(i);
        course.platforms.push_back(platform);
    }
    for (const glm::vec3& trap :
         {kTrap11Position, kTrap21Position, kTrap22Position, kTrap23Position}) {
        course.traps.push_back(Piece{trap, {}});
    }
    course.healthPacks.push_back(Piece{kHealthPosition, {}});
    course.goal = kGoalPosition;
    return course;
}

bool startsOverPlatform(const Level& level) {
    return std::any_of(
        level.platforms.begin(), level.platforms.end(),
        [&level](const PlatformPiece& platform) { return mayHoldUp(platform, level.start); });
}

bool startsInTrap(const Level& level) {
    return std::any_of(level.traps.begin(), level.traps.end(), [&level](const Piece& trap) {
        return trap.look.model.empty() &&
               footprintsTouch(level.start, footprint::kPlayer, trap.at, footprint::kTrap);
    });
}

bool startsAtGoal(const Level& level) {
    return footprintsTouch(level.start, footprint::kPlayer, level.goal, footprint::kGoal);
}
