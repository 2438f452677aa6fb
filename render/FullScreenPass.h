#pragma once

#include <GL/glew.h>

#include <vector>

#include "render/Shader.h"

// A program drawn over the whole screen: one triangle made from no buffer, on the far plane,
// whose fragment shader does the work. It is drawn filled, whatever the polygon mode.
class FullScreenPass {
public:
    FullScreenPass(int versionMajor, int versionMinor,
                   const std::vector<const char*>& fragmentFiles);
    ~FullScreenPass();
    FullScreenPass(const FullScreenPass&) = delete;
    FullScreenPass& operator=(const FullScreenPass&) = delete;

    void draw() const;

    Shader program;

private:
    GLuint vertexArray = 0;  // empty: core profile draws need one bound
};
