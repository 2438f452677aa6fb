#pragma once

#include <glm/glm.hpp>

#include "Noise.h"

// The character's colours, shared by the painters of its head and its clothes.
namespace palette {

const glm::vec3 kSkin{0.93f, 0.74f, 0.6f};
const glm::vec3 kSkinShade{0.78f, 0.56f, 0.44f};
const glm::vec3 kHair{0.2f, 0.12f, 0.08f};
const glm::vec3 kHairLight{0.36f, 0.23f, 0.13f};
const glm::vec3 kJacket{0.08f, 0.42f, 0.5f};
const glm::vec3 kJacketDark{0.04f, 0.26f, 0.32f};
const glm::vec3 kTrim{0.96f, 0.6f, 0.15f};
const glm::vec3 kShirt{0.92f, 0.9f, 0.84f};
const glm::vec3 kTrousers{0.18f, 0.2f, 0.28f};
const glm::vec3 kTrousersDark{0.12f, 0.13f, 0.19f};
const glm::vec3 kBelt{0.3f, 0.18f, 0.1f};
const glm::vec3 kGold{0.95f, 0.78f, 0.3f};
const glm::vec3 kLeather{0.4f, 0.23f, 0.12f};
const glm::vec3 kLeatherLight{0.55f, 0.35f, 0.2f};
const glm::vec3 kSole{0.1f, 0.08f, 0.07f};
const glm::vec3 kEyeWhite{0.97f, 0.97f, 0.95f};
const glm::vec3 kIris{0.15f, 0.45f, 0.75f};
const glm::vec3 kPupil{0.04f, 0.04f, 0.07f};
const glm::vec3 kLips{0.62f, 0.24f, 0.22f};
const glm::vec3 kBlush{0.95f, 0.55f, 0.5f};

// How much the weave darkens or lightens a cloth colour.
const float kWeave = 0.14f;

// A cloth or hair colour with a little grain, from noise over the region's own coordinates.
inline glm::vec3 grained(glm::vec3 colour, const Noise& noise, glm::vec2 st) {
    return colour * (1.0f - kWeave * 0.5f + kWeave * noise.layered(st, 3));
}

}  // namespace palette
