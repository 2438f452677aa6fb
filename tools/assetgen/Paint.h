#pragma once

#include <glm/glm.hpp>

// Small helpers for painting with signed distances: negative inside a shape, positive outside.
namespace paint {

// How much of a pixel a shape covers, its edge softened over `soft` units.
inline float inside(float distance, float soft) {
    return 1.0f - glm::smoothstep(-soft, soft, distance);
}

inline float circle(glm::vec2 p, glm::vec2 centre, float radius) {
    return glm::length(p - centre) - radius;
}

inline float ellipse(glm::vec2 p, glm::vec2 centre, glm::vec2 radii) {
    const glm::vec2 q = (p - centre) / radii;
    return (glm::length(q) - 1.0f) * glm::min(radii.x, radii.y);
}

inline float box(glm::vec2 p, glm::vec2 centre, glm::vec2 half) {
    const glm::vec2 d = glm::abs(p - centre) - half;
    return glm::length(glm::max(d, glm::vec2(0.0f))) + glm::min(glm::max(d.x, d.y), 0.0f);
}

// Lays colour over base where the shape covers the pixel.
inline glm::vec3 over(glm::vec3 base, glm::vec3 colour, float coverage) {
    return glm::mix(base, colour, coverage);
}

inline glm::vec4 opaque(glm::vec3 colour) {
    return glm::vec4(colour, 1.0f);
}

}  // namespace paint
