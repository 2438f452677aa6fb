#pragma once

#include <cstdint>
#include <vector>

#include "gameplay/Event.h"
#include "gameplay/GameObject.h"
#include "gameplay/InputSnapshot.h"
#include "gameplay/PlayerMotion.h"

// The character: walks relative to its facing, jumps, falls and lands on platforms.
class Player : public GameObject {
public:
    using GameObject::GameObject;

    // Walking, sprint and jump from the held actions and the left stick. A jump, and each
    // stride walked on the ground, add their event.
    void processKeyboard(const InputSnapshot& input, float deltaTime, std::vector<Event>& events);

    // Turns the facing by a frame's sideways mouse movement in pixels; right turns right.
    void turn(double xOffset);

    // Gravity, then the landing clamp onto the floor found by the floor test. Coming down
    // onto a floor from the air adds a landing.
    void applyPhysics(float deltaTime, std::vector<Event>& events);

    // Counts a slow down; a negative timer asks for the normal speed back.
    void updateSlowTimer(float deltaTime);

    // The effects of touching the health pack and a trap.
    void takeHealthPack();
    void springTrap();

    // After a loss: back at the start with one health, the normal speed asked back for the
    // next update. Velocity, facing and the jump keep their values.
    void startOver();
    // As made, for a replay's fresh start: at `place`, turning about `pivotPoint`, facing
    // `facing` degrees about y, at rest and at the normal speed.
    void startAfresh(glm::vec3 place, glm::vec3 pivotPoint, float facing);

    int32_t health = 1;
    float turnSpeed = 0.0f;  // degrees per pixel per second of look time; from the settings
    float jumpSpeed = motion::kJumpSpeed;  // units per second
    float speed = motion::kWalkSpeed;      // units per second
    float slowSpeed = motion::kSlowSpeed;  // units per second; normal speed is twice this
    glm::vec3 velocity{0.0f};
    bool isJumping = false;
    bool goalReached = false;
    float slowTimer = 0.0f;   // seconds of slow left; below 0 asks for the normal speed back
    bool airborne = false;    // above the floor after the last physics step
    float strideLeft = 0.0f;  // units to walk on the ground before the next step sounds
    // Where a loss puts the player: above the level's start, or its last checkpoint reached.
    glm::vec3 restartPosition{0.0f};

private:
    void countStride(float distance, std::vector<Event>& events);
};
