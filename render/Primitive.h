#pragma once

#include <GL/glew.h>

#include <vector>

#include "render/Vertex.h"

// Geometry generated in code: vertices and the element indices that make triangles of them.
class Primitive {
public:
    Primitive() = default;
    virtual ~Primitive() = default;

    void set(const Vertex* vertices, unsigned nrOfVertices, const GLuint* indices,
             unsigned nrOfIndices);

    const Vertex* getVertices() const { return vertices.data(); }
    GLuint getNrOfVertices() const { return static_cast<GLuint>(vertices.size()); }
    const GLuint* getIndices() const { return indices.data(); }
    GLuint getNrOfIndices() const { return static_cast<GLuint>(indices.size()); }

private:
    std::vector<Vertex> vertices;
    std::vector<GLuint> indices;
};

// A unit square in the xy-plane, centred on the origin and facing +z.
class Quad : public Primitive {
public:
    Quad();
};
