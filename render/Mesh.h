#pragma once

#include <GL/glew.h>

#include <glm/glm.hpp>
#include <vector>

#include "render/Primitive.h"
#include "render/Vertex.h"

// One vertex array with its buffers, and the transform that places it. A mesh without
// indices is drawn as a plain triangle list.
class Mesh {
public:
    Mesh(const Vertex* vertexArray, GLuint nrOfVertices, const GLuint* indexArray,
         GLuint nrOfIndices, glm::vec3 position = glm::vec3(0.0f),
         glm::vec3 pivot = glm::vec3(0.0f), glm::vec3 rotation = glm::vec3(0.0f),
         glm::vec3 scale = glm::vec3(1.0f));
    Mesh(const Primitive& primitive, glm::vec3 position = glm::vec3(0.0f),
         glm::vec3 pivot = glm::vec3(0.0f), glm::vec3 rotation = glm::vec3(0.0f),
         glm::vec3 scale = glm::vec3(1.0f));
    // A copy shares nothing: it uploads its own buffers.
    Mesh(const Mesh& other);
    Mesh& operator=(const Mesh&) = delete;
    ~Mesh();

    void updateModelMatrix();
    // The matrix that would place the mesh at `at`, with its own pivot, rotation and scale.
    glm::mat4 modelMatrixAt(const glm::vec3& at) const;
    void draw() const;

    void move(const glm::vec3& offset);
    void rotate(const glm::vec3& angles);
    void setPosition(const glm::vec3& value) { position = value; }
    void setPivot(const glm::vec3& value) { pivot = value; }
    void setRotation(const glm::vec3& value) { rotation = value; }
    void setScale(const glm::vec3& value) { scale = value; }

    std::vector<Vertex> vertexArray;
    GLuint nrOfVertices;
    std::vector<GLuint> indexArray;
    GLuint nrOfIndices;
    GLuint VAO = 0;
    GLuint VBO = 0;
    GLuint EBO = 0;
    glm::vec3 position;
    glm::vec3 pivot;
    glm::vec3 rotation;  // degrees about x, y and z
    glm::vec3 scale;
    glm::mat4 ModelMatrix{1.0f};
    // The corners of the box around vertexArray. The vertices never change after the upload,
    // so they are found once here instead of by every reader on every frame.
    glm::vec3 lowCorner{0.0f};
    glm::vec3 highCorner{0.0f};

private:
    void initVAO();
    void findCorners();
};
