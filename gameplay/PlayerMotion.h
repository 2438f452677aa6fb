#pragma once

#include <glm/glm.hpp>

// The player's movement numbers, shared by its update and by the rules that foresee where a
// jump can carry it (the level's warnings, the editor's rings, the documentation's table).
namespace motion {

constexpr float kSlowSpeed = 2.5f;  // units per second, for a while after a trap
// The walk is this times the slow speed, and a sprint this times the walk.
constexpr float kSprintFactor = 2.0f;
constexpr float kWalkSpeed = kSprintFactor * kSlowSpeed;  // units per second
constexpr float kJumpSpeed = 4.0f;                        // units per second, upward

}  // namespace motion

// One step of flight, semi-implicit Euler: the velocity takes the step's acceleration first,
// then gives the step's move, which is returned.
inline glm::vec3 flightStep(glm::vec3& velocity, glm::vec3 acceleration, float seconds) {
    velocity += acceleration * seconds;
    return velocity * seconds;
}
