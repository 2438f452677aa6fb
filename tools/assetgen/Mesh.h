#pragma once

#include <glm/glm.hpp>

#include <vector>

// One corner of a triangle as the game's loader sees it: nothing is shared between faces.
struct Vertex {
    glm::vec3 position;
    glm::vec2 uv;
    glm::vec3 normal;
};

// A corner before its face normal is known.
struct Corner {
    glm::vec3 position;
    glm::vec2 uv;
};

// A triangle list. Faces are counter-clockwise seen from outside.
class Mesh {
public:
    void addTriangle(const Corner& a, const Corner& b, const Corner& c);
    // A planar quad, counter-clockwise from outside; both halves get the same normal.
    void addQuad(const Corner& a, const Corner& b, const Corner& c, const Corner& d);
    void addSmoothTriangle(const Vertex& a, const Vertex& b, const Vertex& c);
    // Adds another mesh moved by a rigid transform (rotation and translation only).
    void append(const Mesh& other, const glm::mat4& rigid);
    // Moves the mesh up or down so that its lowest point is exactly y = 0.
    void restOnGround();

    const std::vector<Vertex>& vertices() const { return corners; }
    size_t triangleCount() const { return corners.size() / 3; }

private:
    void addFlat(const Corner& a, const Corner& b, const Corner& c, const glm::vec3& normal);

    std::vector<Vertex> corners;
};
