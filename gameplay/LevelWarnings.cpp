#include "gameplay/LevelWarnings.h"

#include <algorithm>
#include <cmath>

#include "gameplay/Footprints.h"
#include "gameplay/JumpReach.h"

namespace {

// Where along each stretch of its travel a moving platform is tried for the nearest it comes.
constexpr int kSamplesPerStretch = 8;
// The game's platform, from its top down.
constexpr float kPlatformThickness = 2.0f * footprint::kPlatformBand;  // units
// How far from a platform's centre, on x and on z, the player's centre stands on it.
constexpr float kStandingHalfWidth = footprint::kPlatform + footprint::kPlayer;  // units

std::string named(PieceRef piece) {
    static const char* const kinds[] = {"the start", "the goal",    "platform",
                                        "trap",      "health pack", "checkpoint"};
    const std::string kind = kinds[static_cast<int>(piece.kind)];
    if (piece.kind == PieceRef::Kind::Start || piece.kind == PieceRef::Kind::Goal) {
        return kind;
    }
    return kind + " " + std::to_string(piece.index + 1);
}

PieceRef platformRef(std::size_t index) {
    return PieceRef{PieceRef::Kind::Platform, static_cast<int>(index)};
}

// Every place the platform's travel takes it to, close enough apart to find the nearest.
std::vector<glm::vec3> placesOf(const PlatformPiece& platform) {
    std::vector<glm::vec3> corners{platform.at};
    if (platform.swing) {
        glm::vec3 reach(0.0f);
        reach[platform.swing->axis] = std::abs(platform.swing->amplitude);
        corners = {platform.at - reach, platform.at + reach};
    }
    corners.insert(corners.end(), platform.path.begin(), platform.path.end());
    std::vector<glm::vec3> places{corners.front()};
    for (std::size_t i = 1; i < corners.size(); ++i) {
        for (int step = 1; step <= kSamplesPerStretch; ++step) {
            const float share = static_cast<float>(step) / kSamplesPerStretch;
            places.push_back(glm::mix(corners[i - 1], corners[i], share));
        }
    }
    return places;
}

// From where the player stands on one to where it stands on the other, over the ground.
float gapBetween(glm::vec3 a, glm::vec3 b) {
    const float x = std::max(0.0f, std::abs(a.x - b.x) - 2.0f * kStandingHalfWidth);
    const float z = std::max(0.0f, std::abs(a.z - b.z) - 2.0f * kStandingHalfWidth);
    return std::sqrt(x * x + z * z);
}

bool jumpsTo(glm::vec3 from, glm::vec3 to) {
    const float reach = jumpReach(to.y - from.y, true);
    return reach > 0.0f && gapBetween(from, to) <= reach;
}

// The box around every place of a platform's travel.
struct Travel {
    std::vector<glm::vec3> places;
    glm::vec3 low;
    glm::vec3 high;
};

Travel travelOf(const PlatformPiece& platform) {
    Travel travel{placesOf(platform), platform.at, platform.at};
    for (const glm::vec3& place : travel.places) {
        travel.low = glm::min(travel.low, place);
        travel.high = glm::max(travel.high, place);
    }
    return travel;
}

// The nearest two boxes of travel come over the ground: no nearer than that can their places.
float boxGap(const Travel& a, const Travel& b) {
    const glm::vec3 apart = glm::max(a.low - b.high, b.low - a.high);
    return gapBetween(glm::vec3(0.0f), glm::max(apart, glm::vec3(0.0f)));
}

bool withinReach(const Travel& a, const Travel& b, float longestReach) {
    if (boxGap(a, b) > longestReach) {
        return false;  // a level of many moving platforms is measured in good time
    }
    for (const glm::vec3& p : a.places) {
        for (const glm::vec3& q : b.places) {
            if (gapBetween(p, q) <= longestReach && (jumpsTo(p, q) || jumpsTo(q, p))) {
                return true;
            }
        }
    }
    return false;
}

void warnOutOfReach(const Level& level, std::vector<LevelWarning>& warnings) {
    std::vector<Travel> places;
    float lowest = 0.0f;
    float highest = 0.0f;
    for (const PlatformPiece& platform : level.platforms) {
        places.push_back(travelOf(platform));
        lowest = places.size() == 1 ? places.back().low.y : std::min(lowest, places.back().low.y);
        highest =
            places.size() == 1 ? places.back().high.y : std::max(highest, places.back().high.y);
    }
    const float longestReach = jumpReach(lowest - highest, true);
    for (std::size_t i = 0; i < places.size() && places.size() > 1; ++i) {
        if (!level.platforms[i].look.model.empty()) {
            continue;
        }
        bool reached = false;
        for (std::size_t j = 0; j < places.size() && !reached; ++j) {
            reached = j != i && withinReach(places[i], places[j], longestReach);
        }
        if (!reached) {
            warnings.push_back(
                {LevelWarning::Kind::OutOfReach, platformRef(i),
                 named(platformRef(i)) + " is beyond a sprinting jump from every other platform"});
        }
    }
}

// Platforms whose boxes go into one another where they stand at the start.
void warnPlatformsInOneAnother(const Level& level, std::vector<LevelWarning>& warnings) {
    const auto& platforms = level.platforms;
    for (std::size_t i = 0; i < platforms.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            const glm::vec3 d = glm::abs(platforms[i].at - platforms[j].at);
            if (platforms[i].look.model.empty() && platforms[j].look.model.empty() &&
                d.x < 2.0f * footprint::kPlatform && d.z < 2.0f * footprint::kPlatform &&
                d.y < kPlatformThickness) {
                warnings.push_back({LevelWarning::Kind::Overlap, platformRef(i),
                                    named(platformRef(i)) + " goes into " + named(platformRef(j))});
                break;
            }
        }
    }
}

// An item: a trap, health pack, checkpoint or the goal, with its footprint's half-width.
struct Item {
    PieceRef piece;
    glm::vec3 at;
    float halfWidth;
};

std::vector<Item> itemsOf(const Level& level, bool hasGoal) {
    std::vector<Item> items;
    const auto add = [&items](PieceRef::Kind kind, const std::vector<Piece>& pieces, float width) {
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (pieces[i].look.model.empty()) {
                items.push_back({PieceRef{kind, static_cast<int>(i)}, pieces[i].at, width});
            }
        }
    };
    add(PieceRef::Kind::Trap, level.traps, footprint::kTrap);
    add(PieceRef::Kind::Health, level.healthPacks, footprint::kHealth);
    add(PieceRef::Kind::Checkpoint, level.checkpoints, footprint::kCheckpoint);
    if (hasGoal) {
        items.push_back({PieceRef{PieceRef::Kind::Goal, 0}, level.goal, footprint::kGoal});
    }
    return items;
}

// Below a platform's top and above its bottom, over its footprint: hidden in it.
bool inside(const PlatformPiece& platform, glm::vec3 at) {
    const glm::vec3 d = at - platform.at;
    return platform.look.model.empty() && std::abs(d.x) < footprint::kPlatform &&
           std::abs(d.z) < footprint::kPlatform && d.y < 0.0f && d.y > -kPlatformThickness;
}

void warnItemsInPlaces(const Level& level, bool hasGoal, std::vector<LevelWarning>& warnings) {
    const std::vector<Item> items = itemsOf(level, hasGoal);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        const auto platform = std::find_if(level.platforms.begin(), level.platforms.end(),
                                           [&](const auto& p) { return inside(p, item.at); });
        if (platform != level.platforms.end()) {
            const PieceRef holder = platformRef(platform - level.platforms.begin());
            warnings.push_back({LevelWarning::Kind::Overlap, item.piece,
                                named(item.piece) + " is inside " + named(holder)});
        }
        for (std::size_t j = 0; j < i; ++j) {
            const glm::vec3 d = glm::abs(item.at - items[j].at);
            const float apart = item.halfWidth + items[j].halfWidth;
            if (d.x < apart && d.z < apart) {
                warnings.push_back(
                    {LevelWarning::Kind::Overlap, item.piece,
                     named(item.piece) + " stands in the place of " + named(items[j].piece)});
                break;
            }
        }
    }
}

}  // namespace

std::vector<LevelWarning> levelWarnings(const Level& level, bool hasGoal) {
    std::vector<LevelWarning> warnings;
    if (!startsOverPlatform(level)) {
        warnings.push_back({LevelWarning::Kind::StartOverNothing, PieceRef{},
                            "the start stands over no platform"});
    }
    if (!hasGoal) {
        warnings.push_back({LevelWarning::Kind::NoGoal, PieceRef{PieceRef::Kind::Goal, 0},
                            "the level has no goal"});
    }
    warnOutOfReach(level, warnings);
    warnPlatformsInOneAnother(level, warnings);
    warnItemsInPlaces(level, hasGoal, warnings);
    return warnings;
}
