#pragma once

#include <glm/glm.hpp>

// An sRGB colour (components 0 to 1) as linear light, by the same curve that GL's sRGB
// textures and framebuffers use, so that a colour decoded here comes back out of an sRGB
// framebuffer as it went in.
glm::vec3 linearFromSrgb(const glm::vec3& colour);
