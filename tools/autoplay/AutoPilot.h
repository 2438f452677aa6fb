#pragma once

#include <glm/glm.hpp>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tools/autoplay/Route.h"

class Game;
class XInput;

// Plays a level like a person who has read its file: it follows the route planned from it,
// looks at where the character and the platforms stand now, and holds keys through the X
// server. It takes the health packs and touches the checkpoints on its way, keeps to lanes
// clear of the traps, waits until the next platform is within a jump, across and up or down
// (a ferry to come, a lift to arrive), and walks into the goal.
//
// It gives up, saying why, where it loses the same way kLossesToGiveUp times, or where it has
// waited for the next platform longer than every platform of the level takes to come round
// twice.
class AutoPilot {
public:
    static constexpr int kLossesToGiveUp = 5;

    AutoPilot(const Game& game, XInput& input);

    // Looks at the scene after the last frame and holds the keys for the next one.
    void act();

    // Why it stopped playing, as "gave up: fell between platform 3 and 4, 5 times", with the
    // platforms and traps counted from 1 as the level file lists them; none while it plays.
    const std::optional<std::string>& gaveUp() const { return reason; }

private:
    glm::vec2 whereIs(size_t routeStop) const;
    glm::vec2 platformVelocity(int platform) const;
    float platformClimb(int platform) const;
    bool standing() const;
    void resumeIfSentBack();
    std::string lossPlace() const;
    void countLoss();
    void countWait(bool waiting);
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
    std::map<std::string, int> losses;  // by where and how
    float waited = 0.0f;                // seconds of game time since the last stop reached
    float longestWait;                  // seconds: past this the next platform never comes
    std::optional<std::string> reason;
};
