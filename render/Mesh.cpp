#include "render/Mesh.h"

#include <cstddef>
#include <glm/gtc/matrix_transform.hpp>

#include "base/Angles.h"

namespace {

struct Attribute {
    GLuint location;
    GLint size;  // floats
    size_t offset;
};

const Attribute kAttributes[] = {
    {0, 3, offsetof(Vertex, position)},
    {1, 3, offsetof(Vertex, color)},
    {2, 2, offsetof(Vertex, texcoord)},
    {3, 3, offsetof(Vertex, normal)},
};

}  // namespace

Mesh::Mesh(const Vertex* vertexArray, GLuint nrOfVertices, const GLuint* indexArray,
           GLuint nrOfIndices, glm::vec3 position, glm::vec3 pivot, glm::vec3 rotation,
           glm::vec3 scale)
    : vertexArray(vertexArray, vertexArray + nrOfVertices),
      nrOfVertices(nrOfVertices),
      indexArray(indexArray, indexArray + nrOfIndices),
      nrOfIndices(nrOfIndices),
      position(position),
      pivot(pivot),
      rotation(rotation),
      scale(scale) {
    initVAO();
    updateModelMatrix();
    findCorners();
}

Mesh::Mesh(const Primitive& primitive, glm::vec3 position, glm::vec3 pivot, glm::vec3 rotation,
           glm::vec3 scale)
    : Mesh(primitive.getVertices(), primitive.getNrOfVertices(), primitive.getIndices(),
           primitive.getNrOfIndices(), position, pivot, rotation, scale) {}

Mesh::Mesh(const Mesh& other)
    : vertexArray(other.vertexArray),
      nrOfVertices(other.nrOfVertices),
      indexArray(other.indexArray),
      nrOfIndices(other.nrOfIndices),
      position(other.position),
      pivot(other.pivot),
      rotation(other.rotation),
      scale(other.scale) {
    initVAO();
    updateModelMatrix();
    findCorners();
}

void Mesh::findCorners() {
    if (vertexArray.empty()) {
        return;
    }
    lowCorner = highCorner = vertexArray.front().position;
    for (const Vertex& vertex : vertexArray) {
        lowCorner = glm::min(lowCorner, vertex.position);
        highCorner = glm::max(highCorner, vertex.position);
    }
}

Mesh::~Mesh() {
    glDeleteVertexArrays(1, &VAO);
    glDeleteBuffers(1, &VBO);
    if (nrOfIndices > 0) {
        glDeleteBuffers(1, &EBO);
    }
}

void Mesh::initVAO() {
    glCreateVertexArrays(1, &VAO);
    glBindVertexArray(VAO);

    glGenBuffers(1, &VBO);
    glBindBuffer(GL_ARRAY_BUFFER, VBO);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(nrOfVertices * sizeof(Vertex)),
                 vertexArray.data(), GL_STATIC_DRAW);

    if (nrOfIndices != 0) {
        glGenBuffers(1, &EBO);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, EBO);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(nrOfIndices * sizeof(GLuint)),
                     indexArray.data(), GL_STATIC_DRAW);
    }

    for (const Attribute& attribute : kAttributes) {
        glVertexAttribPointer(attribute.location, attribute.size, GL_FLOAT, GL_FALSE,
                              sizeof(Vertex), reinterpret_cast<const void*>(attribute.offset));
        glEnableVertexAttribArray(attribute.location);
    }
    glBindVertexArray(0);
}

void Mesh::updateModelMatrix() {
    ModelMatrix = modelMatrixAt(position);
}

glm::mat4 Mesh::modelMatrixAt(const glm::vec3& at) const {
    // Scaled in its own space, placed at `at`, turned about its pivot.
    glm::mat4 matrix(1.0f);
    matrix = glm::translate(matrix, pivot);
    matrix = glm::rotate(matrix, rotation.x * kDegreesToRadians, glm::vec3(1.0f, 0.0f, 0.0f));
    matrix = glm::rotate(matrix, rotation.y * kDegreesToRadians, glm::vec3(0.0f, 1.0f, 0.0f));
    matrix = glm::rotate(matrix, rotation.z * kDegreesToRadians, glm::vec3(0.0f, 0.0f, 1.0f));
    matrix = glm::translate(matrix, at - pivot);
    return glm::scale(matrix, scale);
}

void Mesh::draw() const {
    glBindVertexArray(VAO);
    if (nrOfIndices == 0) {
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(nrOfVertices));
    } else {
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(nrOfIndices), GL_UNSIGNED_INT, nullptr);
    }
    glBindVertexArray(0);
}

void Mesh::move(const glm::vec3& offset) {
    position += offset;
    pivot += offset;
}

void Mesh::rotate(const glm::vec3& angles) {
    rotation += angles;
}
