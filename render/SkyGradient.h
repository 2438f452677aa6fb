#pragma once

#include <glm/glm.hpp>

#include "render/FullScreenPass.h"

// The file that holds the gradient's function, which the enhanced scene program links too:
// its fog fades into the same colours.
extern const char* const kSkyGradientFile;

// The enhanced look's sky: from the sky colour at the horizon to a deeper one at the zenith,
// drawn after the opaque scene wherever nothing else stands.
class SkyGradient {
public:
    SkyGradient(int versionMajor, int versionMinor);

    // Gives the sky, and the scene program whose fog fades into it, the colours as sRGB.
    void setColours(const glm::vec3& horizon, const glm::vec3& zenith, const Shader& scene) const;
    void draw(const glm::mat4& view, const glm::mat4& projection,
              const glm::vec3& cameraPosition) const;

private:
    FullScreenPass pass;
};
