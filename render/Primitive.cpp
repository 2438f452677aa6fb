#include "render/Primitive.h"

void Primitive::set(const Vertex* newVertices, unsigned nrOfVertices, const GLuint* newIndices,
                    unsigned nrOfIndices) {
    vertices.insert(vertices.end(), newVertices, newVertices + nrOfVertices);
    indices.insert(indices.end(), newIndices, newIndices + nrOfIndices);
}

Quad::Quad() {
    const glm::vec3 facing(0.0f, 0.0f, 1.0f);
    const Vertex quadVertices[] = {
        {glm::vec3(-0.5f, 0.5f, 0.0f), glm::vec3(1.0f, 0.0f, 0.0f), glm::vec2(0.0f, 1.0f), facing},
        {glm::vec3(-0.5f, -0.5f, 0.0f), glm::vec3(0.0f, 1.0f, 0.0f), glm::vec2(0.0f, 0.0f), facing},
        {glm::vec3(0.5f, -0.5f, 0.0f), glm::vec3(0.0f, 0.0f, 1.0f), glm::vec2(1.0f, 0.0f), facing},
        {glm::vec3(0.5f, 0.5f, 0.0f), glm::vec3(1.0f, 1.0f, 0.0f), glm::vec2(1.0f, 1.0f), facing},
    };
    const GLuint quadIndices[] = {0, 1, 2, 0, 2, 3};
    set(quadVertices, 4, quadIndices, 6);
}
