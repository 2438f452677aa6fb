#pragma once

#include <glm/glm.hpp>
#include <optional>
#include <vector>

#include "base/Angles.h"
#include "gameplay/Collision.h"
#include "gameplay/InputSnapshot.h"

class Model;

// The one camera of the game. In follow mode it circles the player; in debug mode (F3)
// it flies freely with the movement keys and the mouse.
class Camera {
public:
    // Recomputes front, right and up from yaw and pitch. Follow mode flips the pitch's
    // vertical sense, so that a positive pitch looks down onto the player from above.
    void updateVectors();

    // Flies the camera with the held movement actions and the left stick. It runs in both
    // modes; in follow mode the placement behind the player overwrites the result later in
    // the frame.
    void processKeyboard(const InputSnapshot& input, float deltaTime);

    // Switching on keeps the follow camera's state; switching off brings it back.
    void switchMode(bool debug);

    // Turns by a frame's cursor movement in pixels (y upward positive), within the mode's
    // pitch limits, keeping the yaw within one turn either way.
    void look(double xOffset, double yOffset);

    // Places the follow camera behind and above its target, turning with the target's facing.
    void follow();

    // Brings the follow camera, as follow() placed it, out of the boxes between it and the point
    // it looks at, as the frame of that length finds them (gameplay/CameraClearance).
    void keepClear(const std::vector<Box>& boxes, float deltaTime);

    glm::mat4 viewMatrix() const;

    bool debugMode = false;
    glm::mat4 view{1.0f};
    float movementSpeed = 3.0f;  // units per second, debug mode only
    float sensitivity = 0.0f;    // degrees per pixel per second of look time; from the settings
    glm::vec3 worldUp{0.0f, 1.0f, 0.0f};
    glm::vec3 position{0.0f, 2.5f, 2.0f};
    glm::vec3 savedPosition{0.0f};
    glm::vec3 front{0.0f, -1.0f, -3.0f};
    glm::vec3 savedFront{0.0f};
    glm::vec3 right{1.0f, 0.0f, 0.0f};
    glm::vec3 up{0.0f, 1.0f, 0.0f};
    float maxPitch = 80.0f;  // degrees, follow mode
    float yawWrap = 360.0f;  // degrees
    float pitch = 0.0f;      // degrees
    float yaw = -90.0f;      // degrees; -90 looks along -z
    float savedPitch = 0.0f;
    float savedYaw = 0.0f;
    Model* target = nullptr;         // what the follow mode circles
    float distance = 0.0f;           // units from the followed player; from the settings
    float angleAroundTarget = 0.0f;  // degrees
    glm::vec3 lookedAt{0.0f};        // the point the follow camera circles, as last placed
    std::optional<float> heldReach;  // units from lookedAt while something stands in the way
};

extern Camera camera;
