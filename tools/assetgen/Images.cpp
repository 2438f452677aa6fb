#include "Images.h"

#include <cmath>

#include "Noise.h"
#include "Paint.h"

namespace {

const int kSmallSize = 256;  // pixels

// health.png: a white-rimmed red cross on medical green.
const glm::vec3 kGreen{0.1f, 0.66f, 0.3f};
const glm::vec3 kLightGreen{0.35f, 0.88f, 0.48f};
const glm::vec3 kFrameGreen{0.04f, 0.4f, 0.16f};
const glm::vec3 kWhite{0.98f, 0.98f, 0.96f};
const glm::vec3 kRed{0.86f, 0.1f, 0.12f};
const float kGreenSpread = 1.2f;          // of the half-width, from the light middle to full green
const float kFrameInset = 0.05f;          // of the width, from each edge to the frame line
const float kFrameLine = 0.012f;          // of the width, half the line's thickness
const glm::vec2 kCrossArm{0.14f, 0.37f};  // half-extents of one white bar
const float kCrossRim = 0.055f;           // white around the red
const float kCrossRounding = 0.03f;

// flareGreen.png: a bright core in a green halo that fades out.
const glm::vec3 kDeepGreen{0.02f, 0.22f, 0.08f};
const glm::vec3 kGlowGreen{0.25f, 1.0f, 0.4f};
const glm::vec3 kCoreWhite{0.85f, 1.0f, 0.85f};
const float kHaloFalloff = 5.0f;  // per squared radius
const float kCoreFalloff = 40.0f;
const float kHaloFadeStart = 0.8f;  // of the radius, where the halo starts to fade to nothing
const float kHaloOpacity = 1.3f;    // alpha per unit of halo, so the middle is fully opaque

// trap.png: purple and dark diagonal stripes inside a dark frame.
const glm::vec3 kPurple{0.6f, 0.16f, 0.82f};
const glm::vec3 kDarkPurple{0.09f, 0.04f, 0.13f};
const int kStripePairs = 4;       // across the image, so the pattern repeats seamlessly
const float kTrapFrame = 0.045f;  // of the width
const float kTrapGrime = 0.25f;   // how much the noise darkens

float soft(int size) {
    return 1.0f / static_cast<float>(size);
}

float crossDistance(glm::vec2 p, float grow) {
    const glm::vec2 centre(0.5f);
    const float bars = glm::min(paint::box(p, centre, kCrossArm + grow),
                                paint::box(p, centre, glm::vec2(kCrossArm.y, kCrossArm.x) + grow));
    return bars - kCrossRounding;
}

}  // namespace

Canvas images::health() {
    Canvas canvas(kSmallSize);
    const float edge = soft(kSmallSize);
    canvas.paint([edge](glm::vec2 p) {
        const float centre = glm::length(p - 0.5f) * 2.0f;
        glm::vec3 colour =
            glm::mix(kLightGreen, kGreen, glm::smoothstep(0.0f, kGreenSpread, centre));
        const float frame = paint::box(p, glm::vec2(0.5f), glm::vec2(0.5f - kFrameInset));
        colour =
            paint::over(colour, kFrameGreen, paint::inside(std::fabs(frame) - kFrameLine, edge));
        colour = paint::over(colour, kWhite, paint::inside(crossDistance(p, 0.0f), edge));
        colour = paint::over(colour, kRed, paint::inside(crossDistance(p, -kCrossRim), edge));
        return paint::opaque(colour);
    });
    return canvas;
}

Canvas images::flareGreen() {
    Canvas canvas(kSmallSize);
    canvas.paint([](glm::vec2 p) {
        const float r = glm::length(p - 0.5f) * 2.0f;
        const float halo =
            std::exp(-kHaloFalloff * r * r) * (1.0f - glm::smoothstep(kHaloFadeStart, 1.0f, r));
        const float core = std::exp(-kCoreFalloff * r * r);
        const glm::vec3 colour = glm::mix(kDeepGreen, kGlowGreen, halo) + kCoreWhite * core;
        return glm::vec4(glm::min(colour, glm::vec3(1.0f)),
                         glm::clamp(halo * kHaloOpacity, 0.0f, 1.0f));
    });
    return canvas;
}

Canvas images::trap() {
    Canvas canvas(kSmallSize);
    const Noise grime(7u, 8);
    const float edge = soft(kSmallSize);
    canvas.paint([&grime, edge](glm::vec2 p) {
        const float phase = (p.x + p.y) * kStripePairs;
        const float stripe = std::fabs(phase - std::floor(phase) - 0.5f) - 0.25f;
        glm::vec3 colour =
            paint::over(kDarkPurple, kPurple, paint::inside(stripe / kStripePairs, edge));
        const float frame = paint::box(p, glm::vec2(0.5f), glm::vec2(0.5f - kTrapFrame));
        colour = paint::over(colour, kDarkPurple, 1.0f - paint::inside(frame, edge));
        colour *= 1.0f - kTrapGrime * grime.layered(p, 3);
        return paint::opaque(colour);
    });
    return canvas;
}
