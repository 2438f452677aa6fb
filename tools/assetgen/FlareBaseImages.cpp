#include <array>
#include <cmath>

#include <glm/gtc/constants.hpp>

#include "Images.h"
#include "Paint.h"

// flareBase.png and its specular map: a round metal pad of concentric rings with glowing
// green bands, transparent outside its circle.
namespace {

const int kSize = 512;            // pixels
const float kPadRadius = 0.96f;   // of the half-width
const int kNotches = 24;          // marks around the middle ring
const float kNotchWidth = 0.12f;  // fraction of a notch's period

// From the outside in; each band reaches from its radius (in half-widths) to the next one's.
struct Band {
    float outer;
    glm::vec3 colour;
    float shine;
};
const std::array<Band, 7> kBands = {{
    {0.96f, {0.3f, 1.0f, 0.45f}, 0.3f},
    {0.88f, {0.12f, 0.14f, 0.16f}, 0.45f},
    {0.8f, {0.4f, 0.43f, 0.47f}, 0.9f},
    {0.62f, {0.2f, 1.0f, 0.4f}, 0.3f},
    {0.56f, {0.2f, 0.22f, 0.25f}, 0.6f},
    {0.24f, {0.55f, 0.58f, 0.6f}, 0.95f},
    {0.16f, {0.55f, 1.0f, 0.65f}, 0.3f},
}};
const float kNotchRingInner = 0.62f;
const float kNotchRingOuter = 0.8f;
const glm::vec3 kNotchColour{0.15f, 0.16f, 0.18f};
const float kNotchShine = 0.2f;

struct PadPixel {
    glm::vec3 colour;
    float shine;
    float alpha;
};

// 1 on the dark marks that divide the middle ring.
float notch(glm::vec2 offset, float radius, float edge) {
    const float turns = std::atan2(offset.y, offset.x) / glm::two_pi<float>() * kNotches;
    const float across = std::fabs(turns - std::round(turns)) - 0.5f * kNotchWidth;
    const float inRing = glm::max(kNotchRingInner - radius, radius - kNotchRingOuter);
    return paint::inside(across * glm::two_pi<float>() * radius / kNotches, edge) *
           paint::inside(inRing, edge);
}

PadPixel padAt(glm::vec2 p) {
    const float edge = 2.0f / kSize;
    const glm::vec2 offset = (p - 0.5f) * 2.0f;
    const float radius = glm::length(offset);
    PadPixel pixel{kBands[0].colour, kBands[0].shine, paint::inside(radius - kPadRadius, edge)};
    for (const Band& band : kBands) {
        const float cover = paint::inside(radius - band.outer, edge);
        pixel.colour = paint::over(pixel.colour, band.colour, cover);
        pixel.shine = glm::mix(pixel.shine, band.shine, cover);
    }
    const float mark = notch(offset, radius, edge);
    pixel.colour = paint::over(pixel.colour, kNotchColour, mark);
    pixel.shine = glm::mix(pixel.shine, kNotchShine, mark);
    return pixel;
}

}  // namespace

Canvas images::flareBase() {
    Canvas canvas(kSize);
    canvas.paint([](glm::vec2 p) {
        const PadPixel pixel = padAt(p);
        return glm::vec4(pixel.colour, pixel.alpha);
    });
    return canvas;
}

Canvas images::flareBaseSpecular() {
    Canvas canvas(kSize);
    canvas.paint([](glm::vec2 p) {
        const PadPixel pixel = padAt(p);
        return glm::vec4(glm::vec3(pixel.shine), pixel.alpha);
    });
    return canvas;
}
