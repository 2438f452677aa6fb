#include "render/DropShadow.h"

#include "render/FilledPolygons.h"

namespace {

const char* const kVertexFile = "assets/shaders/shadowVertex.glsl";
const char* const kFragmentFile = "assets/shaders/shadowFragment.glsl";
const GLsizei kSquareCorners = 4;
// Pulls the square towards the camera by about a step of depth, so that it wins against the
// surface it lies on.
const GLfloat kDepthPullSlope = -1.0f;
const GLfloat kDepthPullUnits = -1.0f;

}  // namespace

DropShadow::DropShadow(int versionMajor, int versionMinor)
    : program(versionMajor, versionMinor, kVertexFile, kFragmentFile) {
    glCreateVertexArrays(1, &vertexArray);
}

DropShadow::~DropShadow() {
    glDeleteVertexArrays(1, &vertexArray);
}

void DropShadow::draw(const ShadowSpot& spot, const glm::mat4& view,
                      const glm::mat4& projection) const {
    program.setMat4fv(view, "ViewMatrix");
    program.setMat4fv(projection, "ProjectionMatrix");
    program.setVec3f(spot.centre, "centre");
    program.set1f(spot.radius, "radius");
    program.set1f(spot.opacity, "opacity");
    program.setVec2f(spot.low, "surfaceLow");
    program.setVec2f(spot.high, "surfaceHigh");
    const FilledPolygons filled;
    // The darkness takes its share of the colour as stored, encoded or not, as the classic look
    // has always done: in the linear light that an sRGB framebuffer blends in, that share would
    // leave the floor several times brighter on the screen. Taken off the stored values, it
    // darkens the light by that share decoded, and the shadow reads alike in both looks.
    const GLboolean encoding = glIsEnabled(GL_FRAMEBUFFER_SRGB);
    glDisable(GL_FRAMEBUFFER_SRGB);
    program.use();
    glDepthMask(GL_FALSE);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(kDepthPullSlope, kDepthPullUnits);
    glBindVertexArray(vertexArray);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, kSquareCorners);
    glBindVertexArray(0);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDepthMask(GL_TRUE);
    program.unuse();
    if (encoding) {
        glEnable(GL_FRAMEBUFFER_SRGB);
    }
}
