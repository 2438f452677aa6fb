#include <glm/gtc/matrix_transform.hpp>

#include "Models.h"
#include "Rounds.h"

// The goal: three crystal pieces that stand at one point and spin about y at their own pace,
// a crown on a pad, three leaning shards and a tall spire, all glowing with flareGreen.png.
namespace {

// A narrow vertical band just beside the glow's white core: every face shines bright green
// half-way up and darkens towards the tips.
const UvRect kGlowBand{0.37f, 0.08f, 0.43f, 0.92f};
// A patch of the glow's halo, for the pad's rim.
const UvRect kHaloPatch{0.22f, 0.48f, 0.26f, 0.52f};

const Prism kPad{{0.0f, 0.0f, 0.0f}, 0.7f, 0.08f, 8};  // units
// Crystals: sides, then radius, lower tip, body and upper tip in units.
const Crystal kCrownShard{5, 0.07f, 0.08f, 0.36f, 0.18f};
const int kCrownShards = 6;
const float kCrownRadius = 0.45f;  // units from the axis to each shard's foot
const float kCrownFootY = 0.03f;   // units, the feet sit inside the pad
const float kCrownLean = 25.0f;    // degrees outwards
const float kCrownPhase = 30.0f;   // degrees, between the pad's corners

const Crystal kShard{6, 0.09f, 0.12f, 0.6f, 0.25f};
const int kShards = 3;
const float kShardRadius = 0.2f;  // units
const float kShardLean = 14.0f;   // degrees outwards
const float kShardPhase = 90.0f;  // degrees

const Crystal kSpire{6, 0.16f, 0.25f, 0.9f, 0.4f};

// Crystals in a ring around the axis, each leaning away from it, the first towards +x
// turned by `phase` degrees.
void addRing(Mesh& mesh, const Crystal& crystal, int count, float radius, float footY,
             float leanDegrees, float phaseDegrees) {
    Mesh one;
    addCrystal(one, crystal, kGlowBand);
    for (int k = 0; k < count; ++k) {
        const float turn = glm::radians(phaseDegrees + 360.0f * k / count);
        glm::mat4 place(1.0f);
        place = glm::rotate(place, turn, glm::vec3(0.0f, 1.0f, 0.0f));
        place = glm::translate(place, glm::vec3(radius, footY, 0.0f));
        place = glm::rotate(place, -glm::radians(leanDegrees), glm::vec3(0.0f, 0.0f, 1.0f));
        mesh.append(one, place);
    }
}

}  // namespace

Mesh models::checkpointCrown() {
    Mesh mesh;
    addPrism(mesh, kPad, UvRect::whole(), kHaloPatch);
    addRing(mesh, kCrownShard, kCrownShards, kCrownRadius, kCrownFootY, kCrownLean, kCrownPhase);
    mesh.restOnGround();
    return mesh;
}

Mesh models::checkpointShards() {
    Mesh mesh;
    addRing(mesh, kShard, kShards, kShardRadius, 0.0f, kShardLean, kShardPhase);
    mesh.restOnGround();
    return mesh;
}

Mesh models::checkpointSpire() {
    Mesh mesh;
    addCrystal(mesh, kSpire, kGlowBand);
    mesh.restOnGround();
    return mesh;
}
