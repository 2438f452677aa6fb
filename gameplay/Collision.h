#pragma once

#include <glm/glm.hpp>
#include <optional>

// The collision tests on plain values. Objects touch through square footprints on the ground,
// whatever their heights; a platform holds the player up within a band around its middle.

// Whether two square footprints, each a centre and a half-width, overlap, edges included.
bool footprintsTouch(const glm::vec3& a, float aRadius, const glm::vec3& b, float bRadius);

// A platform as the floor test sees it: where it stands, the corners of its model's vertices
// around that point, and half its height.
struct PlatformBox {
    glm::vec3 position;
    glm::vec3 low;
    glm::vec3 high;
    float halfHeight;
};

// Whether the player's footprint overlaps the platform's and its origin lies in the band
// from half the platform's height below its middle to as far above.
bool holdsUp(const PlatformBox& platform, const glm::vec3& player, float playerRadius);

// A box standing square to the axes, in world units.
struct Box {
    glm::vec3 low;
    glm::vec3 high;
};

// Where the ray enters the box, in lengths of `direction` along it; 0 when the ray starts
// inside it, none when it passes by or lies behind.
std::optional<float> entryAlong(const Box& box, glm::vec3 origin, glm::vec3 direction);

// Whether the point lies in the box, faces included.
bool holds(const Box& box, glm::vec3 point);
