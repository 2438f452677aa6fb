#include "render/ViewVolume.h"

#include <algorithm>

namespace {

// A plane of the clip space, -w <= x, y, z <= w, as the matrix's rows combine into it.
glm::vec4 normalised(const glm::vec4& plane) {
    return plane / glm::length(glm::vec3(plane));
}

}  // namespace

ViewVolume viewVolumeOf(const glm::mat4& projectionView) {
    const glm::mat4 rows = glm::transpose(projectionView);
    ViewVolume volume{};
    for (int axis = 0; axis < 3; ++axis) {
        volume.planes[2 * axis] = normalised(rows[3] + rows[axis]);
        volume.planes[2 * axis + 1] = normalised(rows[3] - rows[axis]);
    }
    return volume;
}

bool reachesInto(const ViewVolume& volume, const Sphere& sphere) {
    return std::all_of(volume.planes.begin(), volume.planes.end(), [&](const glm::vec4& plane) {
        return glm::dot(glm::vec3(plane), sphere.centre) + plane.w >= -sphere.radius;
    });
}

Sphere placedSphere(const glm::mat4& placing, const glm::vec3& low, const glm::vec3& high) {
    const float stretch =
        std::max({glm::length(glm::vec3(placing[0])), glm::length(glm::vec3(placing[1])),
                  glm::length(glm::vec3(placing[2]))});
    const glm::vec3 centre = glm::vec3(placing * glm::vec4((low + high) * 0.5f, 1.0f));
    return Sphere{centre, glm::length(high - low) * 0.5f * stretch};
}
