#include <cmath>

#include "Images.h"
#include "Noise.h"
#include "Paint.h"

// mover.png and its specular map share one layout: a border of yellow and black hazard stripes
// around diamond tread plate, seen from above over the whole moving platform. The border is as
// wide as the platform's deck is thick, so the deck's sides show the stripes too.
namespace {

const int kSize = 512;                  // pixels
const float kBorder = 0.1f;             // of the width: 0.6 of the platform's 6 units
const float kWeld = 0.006f;             // of the width, the dark seam inside the border
const int kStripePairs = 12;            // across the image, so the pattern repeats seamlessly
const int kTreadCells = 32;             // across the image, each with one raised lozenge
const glm::vec2 kLozenge{0.34f, 0.1f};  // half-length and half-width, of a cell
const float kGrime = 0.2f;              // how much the noise darkens
const std::uint32_t kGrimeSeed = 5u;

const glm::vec3 kHazardYellow{0.96f, 0.74f, 0.08f};
const glm::vec3 kHazardBlack{0.07f, 0.07f, 0.07f};
const glm::vec3 kSteel{0.32f, 0.36f, 0.42f};
const glm::vec3 kRaised{0.58f, 0.62f, 0.68f};
const glm::vec3 kWeldColour{0.05f, 0.05f, 0.06f};

const float kPaintShine = 0.2f;
const float kSteelShine = 0.55f;
const float kRaisedShine = 0.9f;
const float kWeldShine = 0.05f;

struct MoverPixel {
    glm::vec3 colour;
    float shine;
};

float hazardStripe(glm::vec2 p, float edge) {
    const float phase = (p.x + p.y) * kStripePairs;
    const float stripe = std::fabs(phase - std::floor(phase) - 0.5f) - 0.25f;
    return paint::inside(stripe / kStripePairs, edge);
}

// Distance to the edge of this cell's lozenge, which lies along one diagonal or the other
// in turn, as on a diamond plate.
float lozenge(glm::vec2 p) {
    const glm::vec2 cell = glm::floor(p * static_cast<float>(kTreadCells));
    const glm::vec2 local = p * static_cast<float>(kTreadCells) - cell - 0.5f;
    const bool turned = static_cast<int>(cell.x + cell.y) % 2 == 1;
    const float diagonal = std::sqrt(0.5f);
    const glm::vec2 along = turned ? glm::vec2(diagonal, -diagonal) : glm::vec2(diagonal);
    const glm::vec2 axes(glm::dot(local, along), glm::dot(local, glm::vec2(-along.y, along.x)));
    return paint::ellipse(axes, glm::vec2(0.0f), kLozenge) / kTreadCells;
}

MoverPixel moverAt(glm::vec2 p) {
    const float edge = 1.0f / kSize;
    const float raised = paint::inside(lozenge(p), edge);
    MoverPixel pixel{paint::over(kSteel, kRaised, raised),
                     glm::mix(kSteelShine, kRaisedShine, raised)};
    const float tread = paint::box(p, glm::vec2(0.5f), glm::vec2(0.5f - kBorder));
    const float border = 1.0f - paint::inside(tread, edge);
    const glm::vec3 hazard = paint::over(kHazardBlack, kHazardYellow, hazardStripe(p, edge));
    pixel.colour = paint::over(pixel.colour, hazard, border);
    pixel.shine = glm::mix(pixel.shine, kPaintShine, border);
    const float weld = paint::inside(std::fabs(tread) - kWeld, edge);
    pixel.colour = paint::over(pixel.colour, kWeldColour, weld);
    pixel.shine = glm::mix(pixel.shine, kWeldShine, weld);
    return pixel;
}

}  // namespace

Canvas images::mover() {
    Canvas canvas(kSize);
    const Noise grime(kGrimeSeed, 16);
    canvas.paint([&grime](glm::vec2 p) {
        const MoverPixel pixel = moverAt(p);
        return paint::opaque(pixel.colour * (1.0f - kGrime * grime.layered(p, 3)));
    });
    return canvas;
}

Canvas images::moverSpecular() {
    Canvas canvas(kSize);
    canvas.paint([](glm::vec2 p) { return paint::opaque(glm::vec3(moverAt(p).shine)); });
    return canvas;
}
