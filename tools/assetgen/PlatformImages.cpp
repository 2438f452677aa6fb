#include <array>
#include <cmath>

#include "Images.h"
#include "Noise.h"
#include "Paint.h"
#include "Random.h"

// platform.png and its specular map share one layout: 3 x 3 riveted metal plates, each
// two world units wide on the slab, in dark grout.
namespace {

const int kSize = 512;  // pixels
const int kTiles = 3;   // per side
const float kTile = 1.0f / kTiles;
const float kGrout = 0.012f;        // half a grout line, of the image width
const float kRim = 0.012f;          // the raised edge of each plate inside the grout
const float kRivetInset = 0.03f;    // from a plate's corner to its rivet
const float kRivetRadius = 0.009f;  // of the image width
const float kShadeSpread = 0.16f;   // how much plates differ from one another
const float kGrain = 0.3f;          // how much the metal's grain varies its colour
const float kShineGrain = 0.4f;     // and its shine
const std::uint32_t kShadeSeed = 2024u;
const std::uint32_t kGrainSeed = 11u;

const glm::vec3 kPlate{0.47f, 0.48f, 0.52f};
const glm::vec3 kGroutColour{0.08f, 0.08f, 0.09f};
const glm::vec3 kRimLight{0.68f, 0.69f, 0.72f};
const glm::vec3 kRimShadow{0.25f, 0.25f, 0.28f};
const glm::vec3 kRivet{0.74f, 0.72f, 0.66f};

const float kPolished = 0.75f;  // specular of a plate's face
const float kRimShine = 0.95f;
const float kGroutShine = 0.04f;

// Where a pixel lies within the plate pattern.
struct TileSpot {
    int index;        // which plate, row by row
    glm::vec2 local;  // from the plate's centre, in image widths
    float border;     // distance inside the plate's outline, negative in the grout
    float rivet;      // distance to the nearest rivet's edge
};

TileSpot locate(glm::vec2 p) {
    const glm::vec2 cell = glm::min(glm::floor(p / kTile), glm::vec2(kTiles - 1));
    const glm::vec2 local = p - (cell + 0.5f) * kTile;
    const glm::vec2 half(0.5f * kTile - kGrout);
    const glm::vec2 toEdge = half - glm::abs(local);
    const glm::vec2 rivetAt = glm::sign(local) * (half - kRivetInset);
    return {static_cast<int>(cell.y) * kTiles + static_cast<int>(cell.x), local,
            glm::min(toEdge.x, toEdge.y), paint::circle(local, rivetAt, kRivetRadius)};
}

std::array<float, kTiles * kTiles> plateShades() {
    Random random(kShadeSeed);
    std::array<float, kTiles * kTiles> shades{};
    for (float& shade : shades) {
        shade = 1.0f + kShadeSpread * (random.next() - 0.5f);
    }
    return shades;
}

// Light from the top left: the upper and left rims are lit, the others shaded.
glm::vec3 rimColour(glm::vec2 local) {
    return (local.x + local.y < 0.0f) ? kRimLight : kRimShadow;
}

}  // namespace

Canvas images::platform() {
    Canvas canvas(kSize);
    const auto shades = plateShades();
    const Noise grain(kGrainSeed, 32);
    const float edge = 1.0f / kSize;
    canvas.paint([&](glm::vec2 p) {
        const TileSpot spot = locate(p);
        glm::vec3 colour =
            kPlate * shades[spot.index] * (1.0f + kGrain * (grain.layered(p, 4) - 0.5f));
        colour =
            paint::over(colour, rimColour(spot.local), paint::inside(spot.border - kRim, edge));
        colour = paint::over(colour, kGroutColour, paint::inside(spot.border, edge));
        colour = paint::over(colour, kRivet, paint::inside(spot.rivet, edge));
        return paint::opaque(colour);
    });
    return canvas;
}

Canvas images::platformSpecular() {
    Canvas canvas(kSize);
    const Noise grain(kGrainSeed, 32);
    const float edge = 1.0f / kSize;
    canvas.paint([&](glm::vec2 p) {
        const TileSpot spot = locate(p);
        float shine = kPolished * (1.0f + kShineGrain * (grain.layered(p, 4) - 0.5f));
        shine = glm::mix(shine, kRimShine, paint::inside(spot.border - kRim, edge));
        shine = glm::mix(shine, kGroutShine, paint::inside(spot.border, edge));
        shine = glm::mix(shine, kRimShine, paint::inside(spot.rivet, edge));
        return paint::opaque(glm::vec3(glm::min(shine, 1.0f)));
    });
    return canvas;
}
