#pragma once

#include <GL/glew.h>

#include <string>
#include <vector>

// Records, in order, every uniform name the game looks up while it lives, by standing in
// for GLEW's entry point; the real lookup still happens.
class UniformNameRecorder {
public:
    UniformNameRecorder();
    ~UniformNameRecorder();
    UniformNameRecorder(const UniformNameRecorder&) = delete;
    UniformNameRecorder& operator=(const UniformNameRecorder&) = delete;

    const std::vector<std::string>& names() const { return recorded; }

private:
    static GLint GLAPIENTRY record(GLuint program, const GLchar* name);

    PFNGLGETUNIFORMLOCATIONPROC original;
    static std::vector<std::string> recorded;
    static PFNGLGETUNIFORMLOCATIONPROC forward;
};
