#pragma once

#include <GL/glew.h>

#include <glm/glm.hpp>
#include <string>
#include <vector>

// One linked program from a vertex and a fragment shader file. Its setters bind the program,
// look the name up, set the value and unbind again; the uniforms set for every piece drawn
// are found once, in `piece`.
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

    // Where the uniforms that change from piece to piece live, found once the program is
    // linked: a level of 1,000 pieces sets them 1,000 times a frame. -1 where the program has
    // none, which the GL ignores as a look-up by name would have.
    struct PieceUniforms {
        GLint modelMatrix, ambient, diffuse, specular, diffuseTex, specularTex, transparency;
    };
    PieceUniforms piece{};

    GLuint id = 0;
    int versionMajor;
    int versionMinor;

private:
    std::string loadShaderSource(const char* fileName) const;
    GLuint loadShader(GLenum type, const char* fileName, const std::string& definitions) const;
    void linkProgram(const std::vector<GLuint>& shaders);
    void findPieceUniforms();
};
