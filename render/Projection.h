#pragma once

#include <glm/glm.hpp>

// The perspective projection for a drawable of the given size in pixels, fov in degrees.
// A drawable without height (a minimised window) has no aspect ratio: `last` is kept.
glm::mat4 projectionFor(float fov, int width, int height, float nearZ, float farZ,
                        const glm::mat4& last);
