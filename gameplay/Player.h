#pragma once

#include <cstdint>

#include "app/Settings.h"
#include "gameplay/GameObject.h"

struct GLFWwindow;

// The character: walks relative to its facing, jumps, falls and lands on platforms.
class Player : public GameObject {
public:
    using GameObject::GameObject;

    // Walking, sprint and jump from the held keys; nothing while the debug camera flies.
    void processKeyboard(GLFWwindow* window, float deltaTime);

    // Gravity, then the landing clamp onto the floor found by the floor test.
    void applyPhysics(float deltaTime);

    // Counts a slow down; a negative timer asks for the normal speed back.
    void updateSlowTimer(float deltaTime);

    int32_t health = 1;
    float turnSpeed = 5.0f;  // degrees per pixel per second
    float jumpSpeed = 4.0f;  // units per second
    float speed = 5.0f;      // units per second
    float slowSpeed = 2.5f;  // units per second; normal speed is twice this
    glm::vec3 velocity{0.0f};
    bool isJumping = false;
    KeyBindings keyBindings;
    bool goalReached = false;
    float slowTimer = 0.0f;  // seconds of slow left; below 0 asks for the normal speed back
};
