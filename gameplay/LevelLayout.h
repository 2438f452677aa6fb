#pragma once

#include <glm/glm.hpp>

// The one fixed level: where everything stands, and where each thing sits in the game's
// lists, on which gameplay indexes. Every number of the layout lives here.
namespace level {

// The course runs from the start at the origin towards -z.
inline const glm::vec3 kPlayerCreatedAt(0.0f, -0.5f, 0.5f);
inline const glm::vec3 kPlayerStartShift(0.0f, 0.0f, -0.5f);  // to (0, -0.5, 0)
// The player turns about a point half a unit above where it stands at the start, and a loss
// puts it back at that point.
inline const glm::vec3 kPlayerLift(0.0f, 0.5f, 0.0f);
// Light 0 hangs above the character and just behind it.
inline const glm::vec3 kPlayerLightOffset(0.0f, 2.0f, 0.2f);

inline const glm::vec3 kHealthPosition(0.0f, 0.0f, -40.0f);
inline const glm::vec3 kOrbPosition(0.0f);
inline const glm::vec3 kOrbScale(0.05f);

inline const glm::vec3 kTrap11Position(0.0f, -0.5f, -20.0f);
inline const glm::vec3 kTrap21Position(0.0f, -0.5f, -60.0f);
inline const glm::vec3 kTrap22Position(-3.0f, -0.5f, kTrap21Position.z);
inline const glm::vec3 kTrap23Position(3.0f, -0.5f, kTrap21Position.z);

inline const glm::vec3 kGoalPosition(0.0f, -0.45f, -110.0f);
inline const glm::vec3 kGoalBaseRotation(-90.0f, 0.0f, 0.0f);  // lies flat, facing +y
inline const glm::vec3 kGoalBaseScale(2.5f);

inline const float kPlatformHeight = -0.5f;
inline const float kLossHeight = -9.0f;  // falling this low loses
inline const float kPlatformZ[] = {0.0f,   -10.0f, -20.0f, -30.0f, -40.0f,
                                   -50.0f, -60.0f, -75.0f, -95.0f, -110.0f};
constexpr int kPlatformCount = 10;
// Where a platform stands before it swings.
inline glm::vec3 platformPosition(int platform) {
    return glm::vec3(0.0f, kPlatformHeight, kPlatformZ[platform]);
}

// Positions in the game's models list; objects 0 to 12 are the same objects.
enum ModelIndex {
    playerModel = 0,
    healthModel = 1,
    firstHealthOrbModel = 2,  // two orbs circle the health pack
    firstPlayerOrbModel = 4,  // two orbs circle the player while its health is above 1
    firstTrapModel = 6,       // trap11, trap21, trap22, trap23
    firstCheckpointModel = 10,
    goalBaseModel = 13,
    firstPlatformModel = 14,
    modelCount = 24
};
constexpr int kOrbsPerItem = 2;
constexpr int kTrapCount = 4;
constexpr int kCheckpointCount = 3;
constexpr int kObjectCount = 13;

// Positions in the game's lights list.
enum LightIndex {
    playerLight = 0,
    healthLight = 1,
    firstTrapLight = 2,
    firstGoalLight = 6,
    lightCount = 9
};

}  // namespace level
