#pragma once

#include <glm/glm.hpp>

// A rectangle of an image in texture coordinates. v = 0 is the top row of the image file,
// because the game uploads images unflipped.
struct UvRect {
    float u0 = 0.0f;
    float v0 = 0.0f;
    float u1 = 1.0f;
    float v1 = 1.0f;

    // s runs left to right and t top to bottom, both from 0 to 1.
    glm::vec2 at(float s, float t) const { return {u0 + (u1 - u0) * s, v0 + (v1 - v0) * t}; }

    glm::vec2 topLeft() const { return {u0, v0}; }
    glm::vec2 topRight() const { return {u1, v0}; }
    glm::vec2 bottomLeft() const { return {u0, v1}; }
    glm::vec2 bottomRight() const { return {u1, v1}; }

    static UvRect whole() { return {}; }
};
