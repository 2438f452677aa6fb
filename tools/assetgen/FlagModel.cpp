#include "FlagAtlas.h"
#include "Models.h"
#include "Rounds.h"

// A checkpoint: a thin dark pole on a round foot with a checked pennant near its top, flying
// towards +x. Unlike the goal's crystals it stands still and does not glow.
namespace {

const Prism kFoot{{0.0f, 0.0f, 0.0f}, 0.22f, 0.06f, 8};    // units
const Prism kPole{{0.0f, 0.03f, 0.0f}, 0.04f, 2.09f, 8};   // units, from inside the foot
const Prism kKnob{{0.0f, 2.12f, 0.0f}, 0.075f, 0.08f, 8};  // units, its top is the flag's top

// The pennant: a thin triangle from the pole's axis to its tip, which also sets the flag's
// footprint, so that a player touches it about where it looks.
const float kPennantTop = 2.08f;             // units
const float kPennantHeight = 0.5f;           // units, along the pole
const float kPennantLength = 0.7f;           // units, from the pole's axis to the tip
const float kPennantHalfThickness = 0.015f;  // units

struct Pennant {
    glm::vec3 top, bottom, tip;
};

// The pennant's face at depth z: the image seen flat, its left edge on the pole.
Pennant pennantAt(float z) {
    return {{0.0f, kPennantTop, z},
            {0.0f, kPennantTop - kPennantHeight, z},
            {kPennantLength, kPennantTop - 0.5f * kPennantHeight, z}};
}

Corner checked(const glm::vec3& p) {
    const UvRect rect = flagAtlas::uv(flagAtlas::kPennant);
    return {p, rect.at(p.x / kPennantLength, (kPennantTop - p.y) / kPennantHeight)};
}

// A side face from one edge of the back face to the same edge of the front, in orange.
void addHem(Mesh& mesh, const glm::vec3& backFrom, const glm::vec3& backTo,
            const glm::vec3& frontFrom, const glm::vec3& frontTo) {
    const UvRect orange = flagAtlas::uv(flagAtlas::kOrange);
    mesh.addQuad({backFrom, orange.bottomLeft()}, {backTo, orange.bottomRight()},
                 {frontTo, orange.topRight()}, {frontFrom, orange.topLeft()});
}

void addPennant(Mesh& mesh) {
    const Pennant front = pennantAt(kPennantHalfThickness);
    const Pennant back = pennantAt(-kPennantHalfThickness);
    mesh.addTriangle(checked(front.bottom), checked(front.tip), checked(front.top));
    mesh.addTriangle(checked(back.top), checked(back.tip), checked(back.bottom));
    // The front face's edges, counter-clockwise seen from +z.
    addHem(mesh, back.bottom, back.tip, front.bottom, front.tip);
    addHem(mesh, back.tip, back.top, front.tip, front.top);
    addHem(mesh, back.top, back.bottom, front.top, front.bottom);
}

}  // namespace

Mesh models::flag() {
    Mesh mesh;
    const UvRect foot = flagAtlas::uv(flagAtlas::kFoot);
    const UvRect orange = flagAtlas::uv(flagAtlas::kOrange);
    addPrism(mesh, kFoot, foot, foot);
    addPrism(mesh, kPole, foot, flagAtlas::uv(flagAtlas::kPole));
    addPrism(mesh, kKnob, orange, orange);
    addPennant(mesh);
    return mesh;
}
