#pragma once

#include <array>
#include <glm/glm.hpp>
#include <set>

#include "gameplay/LevelLayout.h"

class Game;
class XInput;

// Plays the level like a person who knows it: it looks at where the character, the platforms
// and the items stand, and holds keys through the X server. It takes the health pack, keeps
// clear of the traps, waits for the swinging platforms and walks into the goal. The character
// keeps facing -z, so W, S, A and D move it along -z, +z, -x and +x.
class AutoPilot {
public:
    AutoPilot(const Game& game, XInput& input);

    // Looks at the scene after the last frame and holds the keys for the next one.
    void act();

private:
    glm::vec2 whereIs(size_t routeStop) const;
    glm::vec2 platformVelocity(int platform) const;
    bool standing() const;
    void startOverIfSentBack();
    void steerTowards(glm::vec2 target, bool sprint);
    int keyFor(const char* action) const;
    void decideJump();
    void hold(int key, bool down);
    void rememberPlatforms();

    const Game& game;
    XInput& input;
    size_t stop = 0;
    bool airborne = false;
    glm::vec3 lastPlayerPosition{0.0f};
    std::array<glm::vec3, level::kPlatformCount> lastPlatformPositions{};
    std::set<int> held;
};
