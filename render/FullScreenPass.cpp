#include "render/FullScreenPass.h"

#include "render/FilledPolygons.h"

namespace {

const char* const kVertexFile = "assets/shaders/fullScreenVertex.glsl";
const GLsizei kTriangleCorners = 3;

}  // namespace

FullScreenPass::FullScreenPass(int versionMajor, int versionMinor,
                               const std::vector<const char*>& fragmentFiles)
    : program(versionMajor, versionMinor, kVertexFile, fragmentFiles, "") {
    glCreateVertexArrays(1, &vertexArray);
}

FullScreenPass::~FullScreenPass() {
    glDeleteVertexArrays(1, &vertexArray);
}

void FullScreenPass::draw() const {
    const FilledPolygons filled;
    program.use();
    glBindVertexArray(vertexArray);
    glDrawArrays(GL_TRIANGLES, 0, kTriangleCorners);
    glBindVertexArray(0);
    program.unuse();
}
