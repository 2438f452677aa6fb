#include "Models.h"

#include <cmath>

#include "Boxes.h"
#include "Rounds.h"

namespace {

// Platform: a 6 x 6 slab, 2 thick, top at y = 0; platform.png holds 3 x 3 tiles of 2 units.
const float kPlatformHalf = 3.0f;         // units
const float kPlatformThickness = 2.0f;    // units
const float kPlatformBevel = 0.08f;       // units, the rim that catches the light from above
const float kPlatformTextureSpan = 6.0f;  // units covered by the image once

// Mover: the platform's footprint, top and depth, so that it carries the player alike, but a
// deck whose sides show the image's striped border (0.6 of its 6 units) over a narrower hull.
const float kMoverDeck = 0.6f;            // units
const float kMoverHullTopHalf = 2.3f;     // units, just inside the image's border
const float kMoverHullBottomHalf = 2.0f;  // units

// Trap: a bevelled plate with a 3 x 3 grid of spikes, 1 unit across.
const float kTrapHalf = 0.5f;            // units
const float kTrapPlate = 0.08f;          // units
const float kTrapBevel = 0.025f;         // units
const float kTrapSideStartV = 1.0f;      // the plate's edge shows the image's bottom border
const float kSpikeSpacing = 0.3f;        // units between spike centres
const float kSpikeHalfBase = 0.08f;      // units
const float kSpikeSink = 0.01f;          // units the spikes reach into the plate
const float kSpikeCentreHeight = 0.42f;  // units
const float kSpikeEdgeHeight = 0.32f;    // units
const float kSpikeCornerHeight = 0.26f;  // units
// A patch inside one purple stripe: the spikes glow plainly above the striped plate.
const UvRect kSpikePurple{0.17f, 0.17f, 0.2f, 0.2f};

// Health pack: a first-aid box with a handle, centred on the origin.
const glm::vec2 kCaseHalf{0.28f, 0.2f};         // units, along x and z
const float kCaseHeight = 0.4f;                 // units
const float kHandlePostX = 0.1f;                // units
const glm::vec2 kHandlePostHalf{0.02f, 0.03f};  // units
const float kHandleHeight = 0.1f;               // units above the case
const float kHandleBar = 0.04f;                 // units, thickness of the grip
const float kHandleBarHalfX = 0.13f;            // units
// The handle takes the red of the cross.
const UvRect kCrossRed{0.45f, 0.45f, 0.55f, 0.55f};

// A face whose normal leans less than this from the vertical (|n.y|) takes the top's
// projection; 45-degree bevels do, so the image runs on unbroken over the rim.
const float kFacesUp = 0.7f;

// Orb: smooth and light, since the game loads it many times.
const float kOrbRadius = 3.0f;  // units
const int kOrbBands = 6;
const int kOrbSlices = 12;

// Tops and slopes see the image from above, once over `span` units; sides show a band of it
// whose top edge (at y = 0) lies at sideStartV.
Projection slabProjection(float half, float span, float sideStartV) {
    return [half, span, sideStartV](const glm::vec3& p, const glm::vec3& n) {
        if (std::fabs(n.y) > kFacesUp) {
            return glm::vec2((p.x + half) / span, (p.z + half) / span);
        }
        const float along = std::fabs(n.x) > std::fabs(n.z) ? p.z : p.x;
        return glm::vec2((along + half) / span, sideStartV - p.y / span);
    };
}

float spikeHeight(int i, int j) {
    const int offCentre = std::abs(i) + std::abs(j);
    const float heights[] = {kSpikeCentreHeight, kSpikeEdgeHeight, kSpikeCornerHeight};
    return heights[offCentre];
}

}  // namespace

Mesh models::platform() {
    Mesh mesh;
    const float inner = kPlatformHalf - kPlatformBevel;
    addRingStack(mesh, glm::vec2(0.0f),
                 {{-kPlatformThickness, {kPlatformHalf, kPlatformHalf}},
                  {-kPlatformBevel, {kPlatformHalf, kPlatformHalf}},
                  {0.0f, {inner, inner}}},
                 slabProjection(kPlatformHalf, kPlatformTextureSpan, 0.0f));
    return mesh;
}

// From the bottom: the hull, a ledge out to the deck's edge, and the platform's bevelled top.
Mesh models::mover() {
    Mesh mesh;
    const float inner = kPlatformHalf - kPlatformBevel;
    addRingStack(mesh, glm::vec2(0.0f),
                 {{-kPlatformThickness, {kMoverHullBottomHalf, kMoverHullBottomHalf}},
                  {-kMoverDeck, {kMoverHullTopHalf, kMoverHullTopHalf}},
                  {-kMoverDeck, {kPlatformHalf, kPlatformHalf}},
                  {-kPlatformBevel, {kPlatformHalf, kPlatformHalf}},
                  {0.0f, {inner, inner}}},
                 slabProjection(kPlatformHalf, kPlatformTextureSpan, 0.0f));
    return mesh;
}

Mesh models::trap() {
    Mesh mesh;
    const float inner = kTrapHalf - kTrapBevel;
    addRingStack(mesh, glm::vec2(0.0f),
                 {{0.0f, {kTrapHalf, kTrapHalf}},
                  {kTrapPlate - kTrapBevel, {kTrapHalf, kTrapHalf}},
                  {kTrapPlate, {inner, inner}}},
                 slabProjection(kTrapHalf, 2.0f * kTrapHalf, kTrapSideStartV));
    for (int i = -1; i <= 1; ++i) {
        for (int j = -1; j <= 1; ++j) {
            const glm::vec3 base(i * kSpikeSpacing, kTrapPlate - kSpikeSink, j * kSpikeSpacing);
            addPyramid(mesh, base, kSpikeHalfBase, spikeHeight(i, j), kSpikePurple);
        }
    }
    return mesh;
}

Mesh models::healthPack() {
    Mesh mesh;
    const float bottom = -(kCaseHeight + kHandleHeight) / 2.0f;
    const float lid = bottom + kCaseHeight;
    addBlock(mesh, {{0.0f, bottom, 0.0f}, kCaseHeight, kCaseHalf, kCaseHalf},
             BoxFaces::all(UvRect::whole()));
    const BoxFaces red = BoxFaces::all(kCrossRed);
    for (float side : {-1.0f, 1.0f}) {
        addBlock(
            mesh,
            {{side * kHandlePostX, lid, 0.0f}, kHandleHeight, kHandlePostHalf, kHandlePostHalf},
            red);
    }
    const glm::vec2 barHalf(kHandleBarHalfX, kHandlePostHalf.y);
    addBlock(mesh, {{0.0f, lid + kHandleHeight - kHandleBar, 0.0f}, kHandleBar, barHalf, barHalf},
             red);
    return mesh;
}

Mesh models::orb() {
    Mesh mesh;
    addSphere(mesh, kOrbRadius, kOrbBands, kOrbSlices);
    return mesh;
}
