#pragma once

#include <glm/glm.hpp>
#include <optional>
#include <vector>

#include "gameplay/Replay.h"

struct GhostPose {
    glm::vec3 position;
    float facing;  // degrees about y
};

// Where the best run's player stood, by the run's clock: the frames of a replay's last run,
// after its last loss, which the ghost follows. It touches nothing and changes nothing.
class GhostTrack {
public:
    explicit GhostTrack(const Replay& replay);

    // The pose at that clock, between the two frames around it; the first frame's before the
    // run's start, and nothing once the run is over.
    std::optional<GhostPose> at(float clock) const;

private:
    struct Stop {
        float clock;  // seconds
        GhostPose pose;
    };
    std::vector<Stop> stops;  // in the run's order, so by clock
};
