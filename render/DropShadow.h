#pragma once

#include <GL/glew.h>

#include <glm/glm.hpp>

#include "render/Shader.h"

// Where a drop shadow lies: a disc on the top of one surface, cut off where that top ends.
struct ShadowSpot {
    glm::vec3 centre;  // on the surface's top
    float radius;      // units
    float opacity;     // the darkness at its middle, 0 to 1
    glm::vec2 low;     // the corners of the surface's top, in x and z
    glm::vec2 high;
};

// A soft disc of shadow, drawn as one flat square over the surface with the depth test, so
// that what stands in front of it hides it, and blended over what is already drawn: no pass of
// its own over the scene. It writes no depth.
class DropShadow {
public:
    DropShadow(int versionMajor, int versionMinor);
    ~DropShadow();
    DropShadow(const DropShadow&) = delete;
    DropShadow& operator=(const DropShadow&) = delete;

    void draw(const ShadowSpot& spot, const glm::mat4& view, const glm::mat4& projection) const;

    Shader program;

private:
    GLuint vertexArray = 0;  // empty: the corners come from the vertex numbers
};
