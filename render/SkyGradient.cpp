#include "render/SkyGradient.h"

#include "render/ColourSpace.h"

const char* const kSkyGradientFile = "assets/shaders/skyGradient.glsl";

namespace {

const char* const kFragmentFile = "assets/shaders/skyFragment.glsl";

}  // namespace

SkyGradient::SkyGradient(int versionMajor, int versionMinor)
    : pass(versionMajor, versionMinor, {kFragmentFile, kSkyGradientFile}) {}

void SkyGradient::setColours(const glm::vec3& horizon, const glm::vec3& zenith,
                             const Shader& scene) const {
    for (const Shader* program : {&pass.program, &scene}) {
        program->setVec3f(linearFromSrgb(horizon), "skyHorizon");
        program->setVec3f(linearFromSrgb(zenith), "skyZenith");
    }
}

// Only where the depth is still the cleared far plane, and leaving it so.
void SkyGradient::draw(const glm::mat4& view, const glm::mat4& projection,
                       const glm::vec3& cameraPosition) const {
    pass.program.setMat4fv(glm::inverse(projection * view), "inverseViewProjection");
    pass.program.setVec3f(cameraPosition, "cameraPos");
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    pass.draw();
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
}
