#include "Mesh.h"

#include <algorithm>
#include <limits>

namespace {

glm::vec3 faceNormal(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
    return glm::normalize(glm::cross(b - a, c - a));
}

}  // namespace

void Mesh::addTriangle(const Corner& a, const Corner& b, const Corner& c) {
    addFlat(a, b, c, faceNormal(a.position, b.position, c.position));
}

void Mesh::addQuad(const Corner& a, const Corner& b, const Corner& c, const Corner& d) {
    // The diagonals' cross product weighs the whole quad, so both halves agree exactly.
    const glm::vec3 normal =
        glm::normalize(glm::cross(c.position - a.position, d.position - b.position));
    addFlat(a, b, c, normal);
    addFlat(a, c, d, normal);
}

void Mesh::addSmoothTriangle(const Vertex& a, const Vertex& b, const Vertex& c) {
    corners.push_back(a);
    corners.push_back(b);
    corners.push_back(c);
}

void Mesh::append(const Mesh& other, const glm::mat4& rigid) {
    const glm::mat3 rotation(rigid);
    for (const Vertex& v : other.corners) {
        const glm::vec3 position(rigid * glm::vec4(v.position, 1.0f));
        corners.push_back({position, v.uv, glm::normalize(rotation * v.normal)});
    }
}

void Mesh::restOnGround() {
    float lowest = std::numeric_limits<float>::max();
    for (const Vertex& v : corners) {
        lowest = std::min(lowest, v.position.y);
    }
    for (Vertex& v : corners) {
        v.position.y -= lowest;
    }
}

void Mesh::addFlat(const Corner& a, const Corner& b, const Corner& c, const glm::vec3& normal) {
    corners.push_back({a.position, a.uv, normal});
    corners.push_back({b.position, b.uv, normal});
    corners.push_back({c.position, c.uv, normal});
}
