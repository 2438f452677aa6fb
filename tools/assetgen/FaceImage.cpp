#include "FaceImage.h"

#include <cmath>

#include <glm/gtc/constants.hpp>

#include "CharacterAtlas.h"
#include "CharacterPalette.h"
#include "Paint.h"

using namespace palette;

namespace {

const float kEdge = 1.0f / 128.0f;  // one pixel of a head region
const std::uint32_t kHairSeed = 5u;

// The face, in the region's own coordinates (s across from the viewer's left, t down).
const float kFringe = 0.2f;       // where the hair ends over the forehead
const float kFringeWave = 0.06f;  // how far the locks dip
const int kLocks = 5;
const float kSideHair = 0.07f;  // hair framing the face at each side
const float kSideHairEnd = 0.55f;
const float kEyeY = 0.47f;
const float kEyeX = 0.2f;  // from the middle
const glm::vec2 kEyeRadii{0.095f, 0.07f};
const float kIrisRadius = 0.05f;
const float kPupilRadius = 0.024f;
const float kGlintRadius = 0.013f;
const glm::vec2 kGlintOffset{0.016f, -0.018f};
const float kBrowY = 0.35f;
const glm::vec2 kBrowHalf{0.1f, 0.022f};
const glm::vec2 kSmileCentre{0.5f, 0.52f};
const float kSmileRadius = 0.24f;
const float kSmileHalfThickness = 0.02f;
const float kSmileHalfWidth = 0.12f;
const glm::vec2 kNose{0.5f, 0.6f};
const glm::vec2 kNoseRadii{0.035f, 0.075f};
const float kCheekY = 0.66f;
const float kCheekX = 0.28f;
const float kCheekRadius = 0.07f;
const float kBlushStrength = 0.3f;
const float kNoseShade = 0.6f;
const float kFaceRounding = 0.5f;  // how far the face darkens at its left and right edges

// The side of the head, front at the right.
const float kBackHair = 0.42f;  // hair covers the back part of the side
const float kTopHair = 0.26f;
const float kNapeHair = 0.86f;
const glm::vec2 kEar{0.6f, 0.52f};
const glm::vec2 kEarRadii{0.07f, 0.11f};
const float kEarRimInset = 0.02f;  // the ear's outline lies this far inside its shape
const float kEarRimHalf = 0.012f;

// Hair strands run down the back; on top they swirl around the crown.
const glm::vec2 kStrandStretch{4.0f, 0.5f};
const glm::vec2 kCrown{0.5f, 0.7f};
const float kSwirls = 4.0f;
const float kHairSheen = 0.5f;

float fringeLine(float s) {
    return kFringe + kFringeWave * std::fabs(std::sin(s * glm::pi<float>() * kLocks));
}

glm::vec3 eye(glm::vec3 colour, glm::vec2 p, glm::vec2 centre) {
    colour =
        paint::over(colour, kEyeWhite, paint::inside(paint::ellipse(p, centre, kEyeRadii), kEdge));
    colour =
        paint::over(colour, kIris, paint::inside(paint::circle(p, centre, kIrisRadius), kEdge));
    colour =
        paint::over(colour, kPupil, paint::inside(paint::circle(p, centre, kPupilRadius), kEdge));
    return paint::over(colour, kEyeWhite,
                       paint::inside(paint::circle(p, centre + kGlintOffset, kGlintRadius), kEdge));
}

glm::vec3 features(glm::vec3 colour, glm::vec2 p) {
    for (float side : {-1.0f, 1.0f}) {
        const float x = 0.5f + side * kEyeX;
        colour = eye(colour, p, {x, kEyeY});
        colour =
            paint::over(colour, kHair, paint::inside(paint::box(p, {x, kBrowY}, kBrowHalf), kEdge));
        const float cheek = paint::inside(
            paint::circle(p, {0.5f + side * kCheekX, kCheekY}, kCheekRadius), 3.0f * kCheekRadius);
        colour = paint::over(colour, kBlush, kBlushStrength * cheek);
    }
    colour =
        paint::over(colour, kSkinShade,
                    kNoseShade * paint::inside(paint::ellipse(p, kNose, kNoseRadii), 4.0f * kEdge));
    // The lower middle of a circle's outline, so the mouth curves up at its corners.
    const float arc = std::fabs(paint::circle(p, kSmileCentre, kSmileRadius)) - kSmileHalfThickness;
    const float mouth =
        glm::max(glm::max(arc, std::fabs(p.x - 0.5f) - kSmileHalfWidth), kSmileCentre.y - p.y);
    return paint::over(colour, kLips, paint::inside(mouth, kEdge));
}

glm::vec4 face(glm::vec2 p, const Noise& hair) {
    const float rounding = std::pow(std::fabs(p.x - 0.5f) * 2.0f, 3.0f);
    glm::vec3 colour = glm::mix(kSkin, kSkinShade, kFaceRounding * rounding);
    colour = features(colour, p);
    const float fringe = paint::inside(p.y - fringeLine(p.x), kEdge);
    const float sideLock = glm::max(glm::min(p.x, 1.0f - p.x) - kSideHair, p.y - kSideHairEnd);
    const float sides = paint::inside(sideLock, kEdge);
    return paint::opaque(paint::over(colour, grained(kHair, hair, p), glm::max(fringe, sides)));
}

glm::vec4 headSide(glm::vec2 p, const Noise& hair) {
    glm::vec3 colour = kSkin;
    const float ear = paint::ellipse(p, kEar, kEarRadii);
    colour = paint::over(colour, kSkinShade,
                         paint::inside(std::fabs(ear + kEarRimInset) - kEarRimHalf, kEdge));
    const float hairShape = glm::min(p.y - kTopHair, glm::max(p.x - kBackHair, p.y - kNapeHair));
    return paint::opaque(
        paint::over(colour, grained(kHair, hair, p), paint::inside(hairShape, kEdge)));
}

glm::vec4 headBack(glm::vec2 p, const Noise& hair) {
    const glm::vec3 strands = glm::mix(kHair, kHairLight, kHairSheen * hair.at(p * kStrandStretch));
    return paint::opaque(paint::over(kSkin, strands, paint::inside(p.y - kNapeHair, kEdge)));
}

glm::vec4 hairTop(glm::vec2 p, const Noise& hair) {
    const glm::vec2 offset = p - kCrown;
    const float swirl = hair.at(
        {std::atan2(offset.y, offset.x) / glm::two_pi<float>() * kSwirls, glm::length(offset)});
    return paint::opaque(glm::mix(kHair, kHairLight, kHairSheen * swirl));
}

}  // namespace

void paintHead(Canvas& canvas) {
    const Noise hair(kHairSeed, 16);
    canvas.paint(atlas::kFace, [&](glm::vec2 p) { return face(p, hair); });
    canvas.paint(atlas::kHeadSide, [&](glm::vec2 p) { return headSide(p, hair); });
    canvas.paint(atlas::kHeadBack, [&](glm::vec2 p) { return headBack(p, hair); });
    canvas.paint(atlas::kHairTop, [&](glm::vec2 p) { return hairTop(p, hair); });
}
