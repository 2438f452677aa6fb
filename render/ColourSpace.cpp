#include "render/ColourSpace.h"

#include <cmath>

namespace {

// The sRGB curve: a straight toe below the threshold, a 2.4 power above it.
const float kToeEnd = 0.04045f;
const float kToeSlope = 12.92f;
const float kOffset = 0.055f;
const float kExponent = 2.4f;

float linearFromSrgb(float value) {
    return value <= kToeEnd ? value / kToeSlope
                            : std::pow((value + kOffset) / (1.0f + kOffset), kExponent);
}

}  // namespace

glm::vec3 linearFromSrgb(const glm::vec3& colour) {
    return glm::vec3(linearFromSrgb(colour.r), linearFromSrgb(colour.g), linearFromSrgb(colour.b));
}
