#pragma once

#include <GL/glew.h>

// While it lives, polygons are drawn filled, whatever the polygon mode (the wireframe toggle
// sets lines); the mode comes back as it was.
class FilledPolygons {
public:
    FilledPolygons() {
        glGetIntegerv(GL_POLYGON_MODE, mode);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    ~FilledPolygons() { glPolygonMode(GL_FRONT_AND_BACK, static_cast<GLenum>(mode[0])); }
    FilledPolygons(const FilledPolygons&) = delete;
    FilledPolygons& operator=(const FilledPolygons&) = delete;

private:
    GLint mode[2] = {GL_FILL, GL_FILL};
};
