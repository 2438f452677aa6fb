#include "render/Shader.h"

#include <glm/gtc/type_ptr.hpp>

#include "base/Console.h"
#include "base/FileRead.h"
#include "render/ShaderSource.h"

namespace {

// The driver's log ends in a line feed of its own; the console adds one per line.
std::string trimmed(const char* log) {
    std::string text(log);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

const size_t kInfoLogSize = 512;  // characters, the terminating zero included
// The game's shaders are a few kilobytes; a driver handed a huge text takes memory many
// times its size.
const std::uintmax_t kMaxShaderBytes = 1 << 20;

}  // namespace

Shader::Shader(int versionMajor, int versionMinor, const char* vertexFile, const char* fragmentFile)
    : Shader(versionMajor, versionMinor, vertexFile, std::vector<const char*>{fragmentFile}, "") {}

Shader::Shader(int versionMajor, int versionMinor, const char* vertexFile,
               const std::vector<const char*>& fragmentFiles, const std::string& definitions)
    : versionMajor(versionMajor), versionMinor(versionMinor) {
    std::vector<GLuint> shaders{loadShader(GL_VERTEX_SHADER, vertexFile, definitions)};
    for (const char* fragmentFile : fragmentFiles) {
        shaders.push_back(loadShader(GL_FRAGMENT_SHADER, fragmentFile, definitions));
    }
    linkProgram(shaders);
    for (const GLuint shader : shaders) {
        glDeleteShader(shader);
    }
    findPieceUniforms();
}

void Shader::findPieceUniforms() {
    piece.modelMatrix = glGetUniformLocation(id, "ModelMatrix");
    piece.ambient = glGetUniformLocation(id, "material.ambient");
    piece.diffuse = glGetUniformLocation(id, "material.diffuse");
    piece.specular = glGetUniformLocation(id, "material.specular");
    piece.diffuseTex = glGetUniformLocation(id, "material.diffuseTex");
    piece.specularTex = glGetUniformLocation(id, "material.specularTex");
    piece.transparency = glGetUniformLocation(id, "material.transparency");
}

Shader::~Shader() {
    glDeleteProgram(id);
}

std::string Shader::loadShaderSource(const char* fileName) const {
    const FileText file = readWholeFile(fileName, kMaxShaderBytes, "larger than 1 MiB");
    if (!file.text) {
        // The empty text has no directive to rewrite; this line says all there is to say.
        printProblem("ERROR::SHADER::LOADSHADERSOURCE::COULD_NOT_OPEN_FILE: ", fileName);
        if (file.refusal != FileRefusal::Missing) {
            printLine(file.reason);
        }
        return {};
    }
    // Every line ends in a line feed, the last one too.
    std::string source = *file.text;
    if (!source.empty() && source.back() != '\n') {
        source += '\n';
    }
    const std::string version = std::to_string(versionMajor) + std::to_string(versionMinor) + "0";
    if (!rewriteVersionDirective(source, version)) {
        printProblem("ERROR::SHADER::LOADSHADERSOURCE::NO_VERSION_DIRECTIVE: ", fileName);
    }
    return source;
}

GLuint Shader::loadShader(GLenum type, const char* fileName, const std::string& definitions) const {
    const GLuint shader = glCreateShader(type);
    std::string source = loadShaderSource(fileName);
    addDefinitions(source, definitions);
    const GLchar* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);

    GLint success = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &success);
    if (!success) {
        char infoLog[kInfoLogSize] = {};
        glGetShaderInfoLog(shader, kInfoLogSize, nullptr, infoLog);
        printProblem("ERROR::SHADER::LOADSHADER::COULD_NOT_COMPILE_SHADER: ", fileName);
        printLines(trimmed(infoLog));
    }
    return shader;
}

void Shader::linkProgram(const std::vector<GLuint>& shaders) {
    id = glCreateProgram();
    for (const GLuint shader : shaders) {
        glAttachShader(id, shader);
    }
    glLinkProgram(id);

    GLint success = 0;
    glGetProgramiv(id, GL_LINK_STATUS, &success);
    if (!success) {
        char infoLog[kInfoLogSize] = {};
        glGetProgramInfoLog(id, kInfoLogSize, nullptr, infoLog);
        printProblem("ERROR::SHADER::LINKPROGRAM::COULD_NOT_LINK_PROGRAM");
        printLines(trimmed(infoLog));
    }
    glUseProgram(0);
}

void Shader::use() const {
    glUseProgram(id);
}

void Shader::unuse() const {
    glUseProgram(0);
}

void Shader::set1i(GLint value, const GLchar* name) const {
    use();
    glUniform1i(glGetUniformLocation(id, name), value);
    unuse();
}

void Shader::set1f(GLfloat value, const GLchar* name) const {
    use();
    glUniform1f(glGetUniformLocation(id, name), value);
    unuse();
}

void Shader::setVec2f(const glm::vec2& value, const GLchar* name) const {
    use();
    glUniform2fv(glGetUniformLocation(id, name), 1, glm::value_ptr(value));
    unuse();
}

void Shader::setVec3f(const glm::vec3& value, const GLchar* name) const {
    use();
    glUniform3fv(glGetUniformLocation(id, name), 1, glm::value_ptr(value));
    unuse();
}

void Shader::setMat4fv(const glm::mat4& value, const GLchar* name) const {
    use();
    glUniformMatrix4fv(glGetUniformLocation(id, name), 1, GL_FALSE, glm::value_ptr(value));
    unuse();
}
