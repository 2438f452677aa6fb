#pragma once

#include <GL/glew.h>

#include <glm/glm.hpp>
#include <vector>

#include "render/Shader.h"

// Straight lines in plain colours, drawn with the depth test over the scene: what a tool shows
// in the world rather than of it (a grid, a box around a piece). The lines are handed anew
// whenever they change.
class LineSet {
public:
    struct Vertex {
        glm::vec3 position;
        glm::vec3 colour;
    };

    LineSet(int versionMajor, int versionMinor);
    ~LineSet();
    LineSet(const LineSet&) = delete;
    LineSet& operator=(const LineSet&) = delete;

    // Two vertices a line.
    void setLines(const std::vector<Vertex>& vertices);
    void draw(const glm::mat4& view, const glm::mat4& projection) const;

private:
    Shader program;
    GLuint vertexArray = 0;
    GLuint buffer = 0;
    GLsizei count = 0;
};
