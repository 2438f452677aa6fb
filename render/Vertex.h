#pragma once

#include <glm/glm.hpp>

// The one vertex record: eleven floats, uploaded to the GPU as they are (stride 44 bytes).
struct Vertex {
    glm::vec3 position;  // location 0
    glm::vec3 color;     // location 1
    glm::vec2 texcoord;  // location 2
    glm::vec3 normal;    // location 3
};

static_assert(sizeof(Vertex) == 44, "the vertex buffer layout expects eleven packed floats");
