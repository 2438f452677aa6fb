#pragma once

#include <glm/glm.hpp>
#include <set>
#include <vector>

#include "tools/autoplay/Route.h"

class Game;
class XInput;

// Plays a level like a person who has read its file: it follows the route planned from it,
// looks at where the character and the platforms stand now, and holds keys through the X
// server. It takes the health packs and touches the checkpoints on its way, keeps to lanes
// clear of the traps, waits until the next platform is within a jump and walks into the goal.
class AutoPilot {
public:
    AutoPilot(const Game& game, XInput& input);

    // Looks at the scene after the last frame and holds the keys for the next one.
    void act();

private:
    glm::vec2 whereIs(size_t routeStop) const;
    glm::vec2 platformVelocity(int platform) const;
    bool standing() const;
    void resumeIfSentBack();
    void steerTowards(glm::vec2 target, bool sprint);
    int keyFor(const char* action) const;
    void decideJump();
    void hold(int key, bool down);
    void rememberPlatforms();

    const Game& game;
    XInput& input;
    std::vector<RouteStop> route;
    size_t stop = 0;
    bool airborne = false;
    glm::vec3 lastPlayerPosition{0.0f};
    std::vector<glm::vec3> lastPlatformPositions;
    std::set<int> held;
};
