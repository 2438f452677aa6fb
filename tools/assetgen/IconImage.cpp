#include <cmath>

#include "Images.h"
#include "Paint.h"

// The desktop icon: the goal's green crystals on their round pad, in a disc of the game's
// evening sky, transparent around it so that it sits on any background.
namespace {

const int kSize = 256;  // pixels, the size the desktop's icon theme asks for
const float kEdge = 1.0f / kSize;

const glm::vec3 kSky{0.2f, 0.2f, 0.3f};
const glm::vec3 kSkyRim{0.1f, 0.1f, 0.16f};
const glm::vec2 kCentre{0.5f, 0.5f};
const float kDiscRadius = 0.47f;  // of the width
const float kRimWidth = 0.02f;

// A soft green glow behind the crystals.
const glm::vec3 kGlow{0.25f, 1.0f, 0.4f};
const glm::vec2 kGlowCentre{0.5f, 0.55f};
const float kGlowFalloff = 18.0f;  // per squared width
const float kGlowStrength = 0.45f;

// The pad, seen from a little above: a green rim, a dark band and a metal middle.
const glm::vec2 kPadCentre{0.5f, 0.74f};
const glm::vec2 kPadRadii{0.3f, 0.085f};
const float kPadBand = 0.8f;    // of the radii, where the dark band starts
const float kPadMiddle = 0.6f;  // of the radii, where the metal starts
const glm::vec3 kPadRim{0.3f, 1.0f, 0.45f};
const glm::vec3 kPadDark{0.12f, 0.14f, 0.16f};
const glm::vec3 kPadMetal{0.45f, 0.48f, 0.52f};

// A crystal stands on its foot: a six-sided prism with a pointed top, seen from the side.
struct Crystal {
    glm::vec2 foot;     // where it meets the pad
    float halfWidth;    // of the body
    float body;         // height of the straight sides
    float tip;          // height of the point above them
    float leanRadians;  // clockwise from upright
};
const float kLean = 0.42f;  // radians, the outer shards lean away from the spire
const Crystal kCrystals[] = {
    {{0.4f, 0.75f}, 0.045f, 0.22f, 0.09f, -kLean},
    {{0.6f, 0.75f}, 0.045f, 0.22f, 0.09f, kLean},
    {{0.5f, 0.76f}, 0.075f, 0.42f, 0.15f, 0.0f},
};
const glm::vec3 kLitFace{0.5f, 1.0f, 0.62f};
const glm::vec3 kShadedFace{0.05f, 0.45f, 0.25f};
const glm::vec3 kRidge{0.85f, 1.0f, 0.88f};
const glm::vec3 kCrystalEdge{0.02f, 0.2f, 0.1f};
const float kRidgeWidth = 0.006f;  // of the width, half the bright line down the middle
const float kOutline = 0.008f;     // of the width, the dark line around each crystal

// A point in a crystal's own frame: across from its axis, and up from its foot.
glm::vec2 crystalFrame(glm::vec2 p, const Crystal& crystal) {
    const glm::vec2 q = p - crystal.foot;
    const float c = std::cos(crystal.leanRadians);
    const float s = std::sin(crystal.leanRadians);
    return {c * q.x + s * q.y, s * q.x - c * q.y};
}

// Signed distance to the crystal's outline: its sides, its foot and its two slopes.
float crystalDistance(glm::vec2 local, const Crystal& crystal) {
    const glm::vec2 side(std::fabs(local.x) - crystal.halfWidth, local.y - crystal.body);
    const glm::vec2 slopeNormal = glm::normalize(glm::vec2(crystal.tip, crystal.halfWidth));
    return glm::max(glm::max(-local.y, side.x), glm::dot(side, slopeNormal));
}

glm::vec3 paintCrystal(glm::vec3 colour, glm::vec2 p, const Crystal& crystal) {
    const glm::vec2 local = crystalFrame(p, crystal);
    const float distance = crystalDistance(local, crystal);
    // Light comes from the left: that half of the prism is bright, the other in shade, and
    // both brighten towards the top.
    const float height = glm::clamp(local.y / (crystal.body + crystal.tip), 0.0f, 1.0f);
    glm::vec3 face = local.x < 0.0f ? kLitFace : kShadedFace;
    face = glm::mix(face * 0.75f, face, height);
    face = paint::over(face, kRidge, paint::inside(std::fabs(local.x) - kRidgeWidth, kEdge));
    colour = paint::over(colour, kCrystalEdge, paint::inside(distance, kEdge));
    return paint::over(colour, face, paint::inside(distance + kOutline, kEdge));
}

glm::vec3 paintPad(glm::vec3 colour, glm::vec2 p) {
    colour = paint::over(colour, kPadRim,
                         paint::inside(paint::ellipse(p, kPadCentre, kPadRadii), kEdge));
    colour = paint::over(colour, kPadDark,
                         paint::inside(paint::ellipse(p, kPadCentre, kPadRadii * kPadBand), kEdge));
    return paint::over(colour, kPadMetal,
                       paint::inside(paint::ellipse(p, kPadCentre, kPadRadii * kPadMiddle), kEdge));
}

}  // namespace

Canvas images::icon() {
    Canvas canvas(kSize);
    canvas.paint([](glm::vec2 p) {
        const float disc = paint::circle(p, kCentre, kDiscRadius);
        glm::vec3 colour = paint::over(kSkyRim, kSky, paint::inside(disc + kRimWidth, kEdge));
        const glm::vec2 fromGlow = p - kGlowCentre;
        colour += kGlow * kGlowStrength * std::exp(-kGlowFalloff * glm::dot(fromGlow, fromGlow));
        colour = paintPad(colour, p);
        for (const Crystal& crystal : kCrystals) {
            colour = paintCrystal(colour, p, crystal);
        }
        return glm::vec4(glm::min(colour, glm::vec3(1.0f)), paint::inside(disc, kEdge));
    });
    return canvas;
}
