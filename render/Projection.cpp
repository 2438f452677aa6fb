#include "render/Projection.h"

#include <glm/gtc/matrix_transform.hpp>

#include "base/Angles.h"

glm::mat4 projectionFor(float fov, int width, int height, float nearZ, float farZ,
                        const glm::mat4& last) {
    if (height <= 0) {
        return last;
    }
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    return glm::perspective(fov * kDegreesToRadians, aspect, nearZ, farZ);
}
