#include "gameplay/Ghost.h"

#include <algorithm>

GhostTrack::GhostTrack(const Replay& replay) {
    const std::vector<ReplayFrame>& frames = replay.frames;
    // A loss puts the clock back: the last run starts at the last frame where it went back.
    std::size_t start = 0;
    for (std::size_t i = 1; i < frames.size(); ++i) {
        if (frames[i].clock < frames[i - 1].clock) {
            start = i;
        }
    }
    for (std::size_t i = start; i < frames.size(); ++i) {
        stops.push_back(Stop{frames[i].clock, GhostPose{frames[i].position, frames[i].facing}});
    }
}

std::optional<GhostPose> GhostTrack::at(float clock) const {
    if (stops.empty() || clock > stops.back().clock) {
        return std::nullopt;
    }
    const auto after = std::upper_bound(stops.begin(), stops.end(), clock,
                                        [](float t, const Stop& stop) { return t < stop.clock; });
    if (after == stops.begin() || after == stops.end()) {
        return after == stops.begin() ? stops.front().pose : stops.back().pose;
    }
    const Stop& before = *(after - 1);
    const float share = (clock - before.clock) / (after->clock - before.clock);
    return GhostPose{glm::mix(before.pose.position, after->pose.position, share),
                     glm::mix(before.pose.facing, after->pose.facing, share)};
}
