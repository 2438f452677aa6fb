#include "PlatformSets.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "Noise.h"
#include "Paint.h"
#include "Random.h"

// The platform image sets a level may choose instead of the riveted plates: each a colour image
// and a shine image painted from one function, so that the shine follows the pattern. Each has
// a hue and a pattern of its own (flagstones, cracked ice, facets, corrugated sheet), so that a
// level is told from another at a glance. Half the plates' size: they fill a smaller share of
// the picture than the course's, and a level loads only its own.
namespace {

const int kSize = 256;  // pixels
const float kEdge = 1.0f / kSize;

struct SetPixel {
    glm::vec3 colour;
    float shine;
};

// Where a point lies among cells jittered about a grid that repeats across the image: which
// cell it is in, and how far inside that cell's border.
struct CellSpot {
    int index;
    float border;  // half the difference of the two nearest distances, in image widths
};

// Each point is tried in the image and in its eight neighbouring copies, so that cells wrap.
CellSpot nearestCell(glm::vec2 p, const std::vector<glm::vec2>& points) {
    float first = 1e9f;
    float second = 1e9f;
    int index = 0;
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const float d = glm::length(p - points[i] - glm::vec2(dx, dy));
                if (d < first) {
                    second = first;
                    first = d;
                    index = i;
                } else if (d < second) {
                    second = d;
                }
            }
        }
    }
    return {index, 0.5f * (second - first)};
}

std::vector<glm::vec2> jitteredPoints(int cells, float jitter, std::uint32_t seed) {
    Random random(seed);
    std::vector<glm::vec2> points;
    for (int y = 0; y < cells; ++y) {
        for (int x = 0; x < cells; ++x) {
            const glm::vec2 offset(random.next() - 0.5f, random.next() - 0.5f);
            points.push_back((glm::vec2(x, y) + 0.5f + jitter * offset) /
                             static_cast<float>(cells));
        }
    }
    return points;
}

std::vector<float> shades(std::size_t count, float spread, std::uint32_t seed) {
    Random random(seed);
    std::vector<float> values(count);
    for (float& value : values) {
        value = 1.0f + spread * (random.next() - 0.5f);
    }
    return values;
}

// Stone: warm grey flagstones of uneven size in dark mortar, matt.
const int kStoneCells = 4;  // per side
const float kStoneJitter = 0.8f;
const float kMortar = 0.008f;  // half its width, of the image width
const glm::vec3 kStone{0.58f, 0.52f, 0.44f};
const glm::vec3 kMortarColour{0.16f, 0.14f, 0.12f};
const float kStoneShine = 0.15f;
const float kMortarShine = 0.02f;

SetPixel stone(glm::vec2 p) {
    static const std::vector<glm::vec2> points = jitteredPoints(kStoneCells, kStoneJitter, 31u);
    static const std::vector<float> shade = shades(points.size(), 0.3f, 32u);
    static const Noise grain(33u, 16);
    const CellSpot spot = nearestCell(p, points);
    const float rough = grain.layered(p, 5);
    glm::vec3 colour = kStone * shade[spot.index] * (0.7f + 0.6f * rough);
    const float mortar = paint::inside(spot.border - kMortar, kEdge);
    colour = paint::over(colour, kMortarColour, mortar);
    return {colour, glm::mix(kStoneShine * rough * 1.5f, kMortarShine, mortar)};
}

// Ice: pale blue slabs with white cracks between them and fine frost within, glossy.
const int kIceCells = 3;
const float kIceJitter = 0.9f;
const float kCrack = 0.004f;
const glm::vec3 kIceDeep{0.42f, 0.66f, 0.86f};
const glm::vec3 kIcePale{0.80f, 0.92f, 0.98f};
const glm::vec3 kCrackColour{0.97f, 0.99f, 1.0f};
const float kIceShine = 0.95f;
const float kCrackShine = 0.3f;

SetPixel ice(glm::vec2 p) {
    static const std::vector<glm::vec2> points = jitteredPoints(kIceCells, kIceJitter, 41u);
    static const Noise cloud(42u, 8);
    static const Noise frost(43u, 64);
    const CellSpot spot = nearestCell(p, points);
    glm::vec3 colour = glm::mix(kIceDeep, kIcePale, cloud.layered(p, 4));
    // Fine hairline cracks where the frost's noise crosses its middle.
    const float hair = std::fabs(frost.layered(p, 2) - 0.5f);
    colour = paint::over(colour, kCrackColour, 0.6f * paint::inside(hair - 0.015f, 0.01f));
    const float crack = paint::inside(spot.border - kCrack, kEdge);
    colour = paint::over(colour, kCrackColour, crack);
    return {colour, glm::mix(kIceShine, kCrackShine, crack)};
}

// Crystal: violet facets in a diamond lattice, each lit from the top left by its own slope,
// with bright ridges; the most shine of all.
const int kFacetRows = 4;  // diamonds along each diagonal
const glm::vec3 kCrystal{0.56f, 0.30f, 0.78f};
const glm::vec3 kRidge{0.92f, 0.82f, 1.0f};
const float kFacetShine = 0.85f;
const float kRidgeShine = 1.0f;
const float kRidgeWidth = 0.03f;  // of a diamond

SetPixel crystal(glm::vec2 p) {
    // Diagonal coordinates: a step of one image width is a whole number of diamonds, so the
    // pattern repeats.
    const glm::vec2 d(kFacetRows * (p.x + p.y), kFacetRows * (p.x - p.y));
    const glm::vec2 local = d - glm::floor(d) - 0.5f;
    // Four facets per diamond, sloping down from its centre to each edge.
    const bool alongU = std::fabs(local.x) > std::fabs(local.y);
    const float side = alongU ? glm::sign(local.x) : glm::sign(local.y);
    const float facing = alongU ? 0.75f + 0.25f * side : 0.75f - 0.25f * side;
    static const Noise veins(51u, 8);
    glm::vec3 colour = kCrystal * (0.55f + 0.6f * facing) * (0.85f + 0.3f * veins.layered(p, 3));
    const float toRidge = std::fabs(std::fabs(local.x) - std::fabs(local.y));
    const float toRim = 0.5f - glm::max(std::fabs(local.x), std::fabs(local.y));
    const float ridge = paint::inside(glm::min(toRidge, toRim) - kRidgeWidth, 0.02f);
    colour = paint::over(colour, kRidge, ridge);
    return {colour, glm::mix(kFacetShine * facing, kRidgeShine, ridge)};
}

// Rusted metal: corrugated sheet in ribs across the image, its grey paint eaten by orange rust
// in blotches and in streaks that run down from the ribs; bare metal shines a little, rust not.
const int kRibs = 8;
const glm::vec3 kPaint{0.38f, 0.40f, 0.38f};
const glm::vec3 kRust{0.62f, 0.29f, 0.10f};
const glm::vec3 kDarkRust{0.30f, 0.12f, 0.05f};
const float kPaintShine = 0.45f;
const float kRustShine = 0.05f;

SetPixel rust(glm::vec2 p) {
    static const Noise blotches(61u, 6);
    static const Noise streaks(62u, 32);
    const float rib = std::sin(p.y * kRibs * 2.0f * 3.14159265f);
    const float light = 0.75f + 0.25f * rib;
    const float streak = streaks.at(glm::vec2(p.x, p.y * 0.05f));
    const float rusty =
        glm::smoothstep(0.45f, 0.6f, blotches.layered(p, 5) + 0.25f * (streak - 0.5f));
    const glm::vec3 rustColour = glm::mix(kDarkRust, kRust, blotches.layered(p * 3.0f, 3));
    const glm::vec3 colour = glm::mix(kPaint, rustColour, rusty) * light;
    return {colour, glm::mix(kPaintShine * light, kRustShine, rusty)};
}

SetPixel (*painterOf(std::string_view set))(glm::vec2) {
    if (set == "stone") {
        return stone;
    }
    if (set == "ice") {
        return ice;
    }
    if (set == "crystal") {
        return crystal;
    }
    if (set == "rust") {
        return rust;
    }
    throw std::runtime_error("no painter for the platform set " + std::string(set));
}

}  // namespace

Canvas images::platformSetColour(std::string_view set) {
    SetPixel (*painter)(glm::vec2) = painterOf(set);
    Canvas canvas(kSize);
    canvas.paint(
        [&](glm::vec2 p) { return paint::opaque(glm::clamp(painter(p).colour, 0.0f, 1.0f)); });
    return canvas;
}

Canvas images::platformSetShine(std::string_view set) {
    SetPixel (*painter)(glm::vec2) = painterOf(set);
    Canvas canvas(kSize);
    canvas.paint([&](glm::vec2 p) {
        return paint::opaque(glm::vec3(glm::clamp(painter(p).shine, 0.0f, 1.0f)));
    });
    return canvas;
}
