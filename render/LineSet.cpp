#include "render/LineSet.h"

#include <cstddef>

namespace {

const char* const kVertexFile = "assets/shaders/lineVertex.glsl";
const char* const kFragmentFile = "assets/shaders/lineFragment.glsl";
const GLuint kPositionSlot = 0;
const GLuint kColourSlot = 1;
const GLuint kBinding = 0;

}  // namespace

LineSet::LineSet(int versionMajor, int versionMinor)
    : program(versionMajor, versionMinor, kVertexFile, kFragmentFile) {
    glCreateVertexArrays(1, &vertexArray);
    glCreateBuffers(1, &buffer);
    glVertexArrayVertexBuffer(vertexArray, kBinding, buffer, 0, sizeof(Vertex));
    for (const auto& [slot, offset] : {std::pair{kPositionSlot, offsetof(Vertex, position)},
                                       std::pair{kColourSlot, offsetof(Vertex, colour)}}) {
        glEnableVertexArrayAttrib(vertexArray, slot);
        glVertexArrayAttribFormat(vertexArray, slot, 3, GL_FLOAT, GL_FALSE,
                                  static_cast<GLuint>(offset));
        glVertexArrayAttribBinding(vertexArray, slot, kBinding);
    }
}

LineSet::~LineSet() {
    glDeleteBuffers(1, &buffer);
    glDeleteVertexArrays(1, &vertexArray);
}

void LineSet::setLines(const std::vector<Vertex>& vertices) {
    count = static_cast<GLsizei>(vertices.size());
    glNamedBufferData(buffer, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)),
                      vertices.data(), GL_DYNAMIC_DRAW);
}

void LineSet::draw(const glm::mat4& view, const glm::mat4& projection) const {
    if (count == 0) {
        return;
    }
    program.setMat4fv(view, "ViewMatrix");
    program.setMat4fv(projection, "ProjectionMatrix");
    program.use();
    glBindVertexArray(vertexArray);
    glDrawArrays(GL_LINES, 0, count);
    glBindVertexArray(0);
    program.unuse();
}
