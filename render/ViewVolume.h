#pragma once

#include <array>
#include <glm/glm.hpp>

// What a camera sees, as six planes: a point lies in view when it is on the inner side of
// every one. Used to leave out of a frame what could not put a pixel in it.
struct ViewVolume {
    std::array<glm::vec4, 6> planes;  // (normal, distance), the normal of unit length, inwards
};

struct Sphere {
    glm::vec3 centre{0.0f};
    float radius = 0.0f;
};

// From the projection times the view matrix.
ViewVolume viewVolumeOf(const glm::mat4& projectionView);

// Whether any of the sphere may lie in view. A sphere beside a corner of the volume may count
// as in view; one that is in view never counts as out of it.
bool reachesInto(const ViewVolume& volume, const Sphere& sphere);

// The sphere around the box from `low` to `high` once the matrix places it.
Sphere placedSphere(const glm::mat4& placing, const glm::vec3& low, const glm::vec3& high);
