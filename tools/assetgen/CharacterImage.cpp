#include <cmath>

#include "CharacterAtlas.h"
#include "CharacterPalette.h"
#include "FaceImage.h"
#include "Images.h"
#include "Paint.h"

using namespace palette;

// aphelios.jpg: the clothes of the character, laid out as CharacterAtlas.h says.
namespace {

const float kEdge = 1.0f / 128.0f;  // about a pixel of the body's regions
const std::uint32_t kClothSeed = 3u;
const glm::vec3 kUnused{0.5f, 0.5f, 0.5f};
const float kEdgeDarkening = 0.25f;  // at the very left and right of a rounded part

// The torso, top (shoulders) to bottom (hips), as fractions of its height.
const float kCollarHalf = 0.16f;  // half the collar's width at the neck
const float kCollarDepth = 0.22f;
const float kCollarEdge = 0.012f;
const float kZipHalf = 0.008f;
const float kHem = 0.76f;
const float kBeltTop = 0.8f;
const float kBeltBottom = 0.88f;
const glm::vec2 kBuckleHalf{0.07f, 0.036f};
const glm::vec2 kEmblem{0.72f, 0.3f};  // on the character's left chest
const float kEmblemRadius = 0.045f;
const float kEmblemRing = 0.075f;
const float kSeam = 0.006f;
const float kYoke = 0.22f;

// The arm, from shoulder to wrist.
const float kSleeveEnd = 0.42f;
const float kCuff = 0.045f;
const float kForearmShade = 0.4f;  // towards the wrist

// The leg, from hip to ankle, and the boot, from its top to its sole.
const glm::vec2 kKnee{0.5f, 0.5f};
const glm::vec2 kKneeHalf{0.32f, 0.07f};
const float kKneeShade = 0.5f;  // how far the knee patch darkens the cloth
const float kStripeHalf = 0.07f;
const float kBootCuff = 0.18f;
const float kStitchY = 0.62f;
const int kStitches = 10;
const float kSoleTop = 0.72f;

float band(float t, float from, float to) {
    return paint::inside(glm::max(from - t, t - to), kEdge);
}

// Darker towards the left and right edges, so the flat faces read as rounded.
glm::vec3 rounded(glm::vec3 colour, float s) {
    return colour * (1.0f - kEdgeDarkening * std::pow(std::fabs(s - 0.5f) * 2.0f, 4.0f));
}

// Hem, belt and trousers below the jacket.
glm::vec3 waist(glm::vec3 colour, glm::vec2 p, const Noise& cloth, bool buckle) {
    colour = paint::over(colour, kTrim, band(p.y, kHem, kBeltTop));
    colour = paint::over(colour, grained(kBelt, cloth, p), band(p.y, kBeltTop, kBeltBottom));
    colour = paint::over(colour, grained(kTrousers, cloth, p), band(p.y, kBeltBottom, 1.0f));
    if (buckle) {
        const glm::vec2 centre(0.5f, 0.5f * (kBeltTop + kBeltBottom));
        const float frame = paint::box(p, centre, kBuckleHalf);
        colour = paint::over(colour, kGold, paint::inside(frame, kEdge));
        colour = paint::over(colour, kBelt, paint::inside(frame + 0.5f * kBuckleHalf.y, kEdge));
    }
    return colour;
}

glm::vec4 torsoFront(glm::vec2 p, const Noise& cloth) {
    glm::vec3 colour = grained(kJacket, cloth, p);
    const float opening = std::fabs(p.x - 0.5f) - kCollarHalf * (1.0f - p.y / kCollarDepth);
    colour = paint::over(colour, kJacketDark, paint::inside(opening - kCollarEdge, kEdge));
    colour = paint::over(colour, kShirt, paint::inside(opening, kEdge));
    const float zip = glm::max(std::fabs(p.x - 0.5f) - kZipHalf, kCollarDepth - p.y);
    colour = paint::over(colour, kJacketDark, paint::inside(zip, kEdge));
    const float ring = std::fabs(paint::circle(p, kEmblem, kEmblemRing)) - kSeam * 2.0f;
    colour = paint::over(colour, kGold, paint::inside(ring, kEdge));
    colour =
        paint::over(colour, kTrim, paint::inside(paint::circle(p, kEmblem, kEmblemRadius), kEdge));
    return paint::opaque(rounded(waist(colour, p, cloth, true), p.x));
}

glm::vec4 torsoBack(glm::vec2 p, const Noise& cloth) {
    glm::vec3 colour = grained(kJacket, cloth, p);
    colour = paint::over(colour, kJacketDark, band(p.y, kYoke - kSeam, kYoke + kSeam));
    colour = paint::over(colour, kJacketDark, paint::inside(std::fabs(p.x - 0.5f) - kSeam, kEdge));
    return paint::opaque(rounded(waist(colour, p, cloth, false), p.x));
}

glm::vec4 torsoSide(glm::vec2 p, const Noise& cloth) {
    glm::vec3 colour = grained(kJacket, cloth, p);
    colour = paint::over(colour, kJacketDark,
                         paint::inside(std::fabs(p.x - 0.5f) - 2.0f * kSeam, kEdge));
    return paint::opaque(rounded(waist(colour, p, cloth, false), p.x));
}

glm::vec4 arm(glm::vec2 p, const Noise& cloth) {
    glm::vec3 colour = glm::mix(kSkin, kSkinShade, kForearmShade * p.y);
    colour = paint::over(colour, grained(kJacket, cloth, p), band(p.y, 0.0f, kSleeveEnd));
    colour = paint::over(colour, kTrim, band(p.y, kSleeveEnd - kCuff, kSleeveEnd));
    return paint::opaque(rounded(colour, p.x));
}

glm::vec4 leg(glm::vec2 p, const Noise& cloth) {
    glm::vec3 colour = grained(kTrousers, cloth, p);
    colour = paint::over(colour, kTrousersDark,
                         kKneeShade * paint::inside(paint::box(p, kKnee, kKneeHalf), kEdge));
    colour =
        paint::over(colour, kTrousersDark, paint::inside(std::fabs(p.x - 0.5f) - kSeam, kEdge));
    return paint::opaque(rounded(colour, p.x));
}

glm::vec4 legSide(glm::vec2 p, const Noise& cloth) {
    glm::vec3 colour = grained(kTrousers, cloth, p);
    colour = paint::over(colour, kTrim, paint::inside(std::fabs(p.x - 0.5f) - kStripeHalf, kEdge));
    return paint::opaque(rounded(colour, p.x));
}

glm::vec4 boot(glm::vec2 p, const Noise& cloth) {
    glm::vec3 colour = grained(kLeather, cloth, p);
    colour = paint::over(colour, kLeatherLight, band(p.y, 0.0f, kBootCuff));
    const float dash = std::fabs(p.x * kStitches - std::floor(p.x * kStitches) - 0.5f) - 0.25f;
    const float stitch = glm::max(dash / kStitches, std::fabs(p.y - kStitchY) - 2.0f * kSeam);
    colour = paint::over(colour, kLeatherLight, paint::inside(stitch, kEdge));
    colour = paint::over(colour, kSole, band(p.y, kSoleTop, 1.0f));
    return paint::opaque(colour);
}

void swatch(Canvas& canvas, const PixelRect& region, glm::vec3 colour, const Noise& cloth) {
    canvas.paint(region, [&](glm::vec2 p) { return paint::opaque(grained(colour, cloth, p)); });
}

}  // namespace

Canvas images::aphelios() {
    Canvas canvas(atlas::kSize);
    const Noise cloth(kClothSeed, 16);
    canvas.paint([](glm::vec2) { return paint::opaque(kUnused); });
    paintHead(canvas);
    auto region = [&](const PixelRect& r, glm::vec4 (*painter)(glm::vec2, const Noise&)) {
        canvas.paint(r, [&](glm::vec2 p) { return painter(p, cloth); });
    };
    region(atlas::kTorsoFront, torsoFront);
    region(atlas::kTorsoBack, torsoBack);
    region(atlas::kTorsoSide, torsoSide);
    region(atlas::kArm, arm);
    region(atlas::kLeg, leg);
    region(atlas::kLegSide, legSide);
    region(atlas::kBoot, boot);
    swatch(canvas, atlas::kSkin, kSkin, cloth);
    swatch(canvas, atlas::kHair, kHair, cloth);
    swatch(canvas, atlas::kJacket, kJacket, cloth);
    swatch(canvas, atlas::kTrousers, kTrousers, cloth);
    swatch(canvas, atlas::kLeather, kLeather, cloth);
    swatch(canvas, atlas::kSole, kSole, cloth);
    return canvas;
}
