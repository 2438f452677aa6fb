#include "Boxes.h"
#include "CharacterAtlas.h"
#include "Models.h"

// The player: a low-poly figure of tapered blocks, 1.8 units tall, feet on y = 0, facing -z.
namespace {

const float kLegX = 0.1f;    // each leg's centre from the middle, units
const float kArmX = 0.305f;  // each arm's centre from the middle, units

// Tapered blocks: base centre (units), height (units), bottom and top half-extents (x, z).
const Block kBoot{{0.0f, 0.0f, -0.03f}, 0.14f, {0.075f, 0.115f}, {0.07f, 0.105f}};
const Block kLeg{{0.0f, 0.12f, 0.0f}, 0.76f, {0.068f, 0.075f}, {0.085f, 0.09f}};
const Block kTorso{{0.0f, 0.84f, 0.0f}, 0.62f, {0.19f, 0.11f}, {0.23f, 0.12f}};
const Block kNeck{{0.0f, 1.44f, 0.0f}, 0.08f, {0.055f, 0.055f}, {0.055f, 0.055f}};
const Block kHead{{0.0f, 1.51f, -0.005f}, 0.29f, {0.115f, 0.13f}, {0.13f, 0.14f}};
const Block kArm{{0.0f, 0.86f, 0.0f}, 0.58f, {0.05f, 0.055f}, {0.065f, 0.07f}};
const Block kHand{{0.0f, 0.74f, 0.0f}, 0.13f, {0.04f, 0.045f}, {0.045f, 0.05f}};

Block atX(Block block, float x) {
    block.base.x = x;
    return block;
}

BoxFaces limbFaces(const PixelRect& front, const PixelRect& side, const PixelRect& top,
                   const PixelRect& bottom) {
    return {atlas::uv(front),      atlas::uv(front), atlas::uv(side),
            atlas::mirrored(side), atlas::uv(top),   atlas::uv(bottom)};
}

BoxFaces headFaces() {
    return {atlas::uv(atlas::kFace),     atlas::uv(atlas::kHeadBack),
            atlas::uv(atlas::kHeadSide), atlas::mirrored(atlas::kHeadSide),
            atlas::uv(atlas::kHairTop),  atlas::uv(atlas::kSkin)};
}

BoxFaces torsoFaces() {
    return {atlas::uv(atlas::kTorsoFront), atlas::uv(atlas::kTorsoBack),
            atlas::uv(atlas::kTorsoSide),  atlas::mirrored(atlas::kTorsoSide),
            atlas::uv(atlas::kJacket),     atlas::uv(atlas::kTrousers)};
}

void addLimbs(Mesh& mesh, float side) {
    const BoxFaces skin = BoxFaces::all(atlas::uv(atlas::kSkin));
    addBlock(mesh, atX(kBoot, side * kLegX),
             limbFaces(atlas::kBoot, atlas::kBoot, atlas::kLeather, atlas::kSole));
    addBlock(mesh, atX(kLeg, side * kLegX),
             limbFaces(atlas::kLeg, atlas::kLegSide, atlas::kTrousers, atlas::kTrousers));
    addBlock(mesh, atX(kArm, side * kArmX),
             limbFaces(atlas::kArm, atlas::kArm, atlas::kJacket, atlas::kSkin));
    addBlock(mesh, atX(kHand, side * kArmX), skin);
}

}  // namespace

Mesh models::aphelios() {
    Mesh mesh;
    addLimbs(mesh, 1.0f);
    addLimbs(mesh, -1.0f);
    addBlock(mesh, kTorso, torsoFaces());
    addBlock(mesh, kNeck, BoxFaces::all(atlas::uv(atlas::kSkin)));
    addBlock(mesh, kHead, headFaces());
    return mesh;
}
