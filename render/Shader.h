#pragma once

#include <GL/glew.h>

#include <glm/glm.hpp>
#include <string>
#include <vector>

// One linked program from a vertex and a fragment shader file. Every uniform goes through
// its setters, which bind the program, look the name up, set the value and unbind again.
class Shader {
public:
    Shader(int versionMajor, int versionMinor, const char* vertexFile, const char* fragmentFile);
    // The fragment stage from several files linked together: the first holds main, the others
    // functions that it declares. `definitions` (lines such as "#define ENHANCED\n") follow
    // each file's version directive, so that one file can serve two programs.
    Shader(int versionMajor, int versionMinor, const char* vertexFile,
           const std::vector<const char*>& fragmentFiles, const std::string& definitions);
    ~Shader();
    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;

    void use() const;
    void unuse() const;

    void set1i(GLint value, const GLchar* name) const;
    void set1f(GLfloat value, const GLchar* name) const;
    void setVec2f(const glm::vec2& value, const GLchar* name) const;
    void setVec3f(const glm::vec3& value, const GLchar* name) const;
    void setMat4fv(const glm::mat4& value, const GLchar* name) const;

    GLuint id = 0;
    int versionMajor;
    int versionMinor;

private:
    std::string loadShaderSource(const char* fileName) const;
    GLuint loadShader(GLenum type, const char* fileName, const std::string& definitions) const;
    void linkProgram(const std::vector<GLuint>& shaders);
};
