#include <gtest/gtest.h>

#include <fstream>
#include <glm/gtc/type_ptr.hpp>

#include "base/Console.h"
#include "render/Shader.h"
#include "render/ShaderSource.h"
#include "tests/support/GameFixture.h"

namespace {

const char* const kVertexSource =
    "#version 330 core\n"
    "layout (location = 0) in vec3 vertex_position;\n"
    "void main() { gl_Position = vec4(vertex_position, 1.0); }";  // no final line feed

// Explicit uniform locations need GLSL 4.30: this compiles only once the version is rewritten.
const char* const kFragmentSource =
    "#version 330 core\n"
    "layout (location = 7) uniform float level;\n"
    "uniform int count;\n"
    "uniform vec3 tint;\n"
    "uniform mat4 transform;\n"
    "out vec4 color;\n"
    "void main() { color = transform * vec4(tint * level * float(count), 1.0); }\n";

void writeFile(const std::string& name, const std::string& text) {
    std::ofstream(name) << text;
}

// The source that the driver holds for the program's shader of the given type.
std::string sourceOf(GLuint program, GLenum type) {
    GLuint attached[2] = {};
    GLsizei count = 0;
    glGetAttachedShaders(program, 2, &count, attached);
    for (GLsizei i = 0; i < count; ++i) {
        GLint shaderType = 0;
        glGetShaderiv(attached[i], GL_SHADER_TYPE, &shaderType);
        if (static_cast<GLenum>(shaderType) == type) {
            GLint length = 0;
            glGetShaderiv(attached[i], GL_SHADER_SOURCE_LENGTH, &length);
            std::string text(static_cast<size_t>(length), '\0');
            glGetShaderSource(attached[i], length, nullptr, text.data());
            text.resize(static_cast<size_t>(std::max(length - 1, 0)));
            return text;
        }
    }
    return "";
}

GLint linkStatus(const Shader& shader) {
    GLint status = 0;
    glGetProgramiv(shader.id, GL_LINK_STATUS, &status);
    return status;
}

GLint boundProgram() {
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    return program;
}

TEST(VersionDirective, IsRewrittenToTheContextVersion) {
    std::string source = "#version 330 core\nvoid main() {}\n";
    EXPECT_TRUE(rewriteVersionDirective(source, "450"));
    EXPECT_EQ(source, "#version 450 core\nvoid main() {}\n");

    source = "// header\n#version 330\n#version 410\n";
    EXPECT_TRUE(rewriteVersionDirective(source, "450"));
    EXPECT_EQ(source, "// header\n#version 450\n#version 410\n") << "only the first is rewritten";
}

TEST(VersionDirective, AShortDirectiveIsReplacedOnlyToTheEndOfItsLine) {
    std::string source = "#version 45\nvoid main() {}\n";
    EXPECT_TRUE(rewriteVersionDirective(source, "450"));
    EXPECT_EQ(source, "#version 450\nvoid main() {}\n");

    source = "#version";
    EXPECT_TRUE(rewriteVersionDirective(source, "450"));
    EXPECT_EQ(source, "#version 450");
}

TEST(VersionDirective, ASourceWithoutOneIsLeftAlone) {
    std::string source = "void main() {}\n";
    EXPECT_FALSE(rewriteVersionDirective(source, "450"));
    EXPECT_EQ(source, "void main() {}\n");
    std::string empty;
    EXPECT_FALSE(rewriteVersionDirective(empty, "450"));
    EXPECT_EQ(empty, "");
}

using ShaderProgram = GameFixture;

TEST_F(ShaderProgram, ReachesTheDriverRewrittenWithALineFeedAfterEveryLine) {
    startGame();
    writeFile("test.vert", kVertexSource);
    writeFile("test.frag", kFragmentSource);
    console.clear();
    const Shader shader(4, 5, "test.vert", "test.frag");
    EXPECT_EQ(console.text(), "");
    EXPECT_EQ(linkStatus(shader), GL_TRUE);
    EXPECT_EQ(sourceOf(shader.id, GL_VERTEX_SHADER),
              "#version 450 core\n"
              "layout (location = 0) in vec3 vertex_position;\n"
              "void main() { gl_Position = vec4(vertex_position, 1.0); }\n");
    EXPECT_EQ(sourceOf(shader.id, GL_FRAGMENT_SHADER).substr(0, 18), "#version 450 core\n");
    EXPECT_EQ(boundProgram(), 0);
}

TEST_F(ShaderProgram, SettersUploadByNameAndLeaveNoProgramBound) {
    startGame();
    writeFile("test.vert", kVertexSource);
    writeFile("test.frag", kFragmentSource);
    const Shader shader(4, 5, "test.vert", "test.frag");

    shader.set1f(0.75f, "level");
    EXPECT_EQ(boundProgram(), 0);
    shader.set1i(3, "count");
    shader.setVec3f(glm::vec3(1.0f, 2.0f, 3.0f), "tint");
    glm::mat4 transform(1.0f);
    transform[3][0] = 5.0f;  // column-major: a translation in x
    shader.setMat4fv(transform, "transform");
    shader.set1f(1.0f, "noSuchUniform");
    EXPECT_EQ(boundProgram(), 0);

    GLfloat level = 0.0f;
    glGetUniformfv(shader.id, 7, &level);
    EXPECT_EQ(level, 0.75f);
    GLint count = 0;
    glGetUniformiv(shader.id, glGetUniformLocation(shader.id, "count"), &count);
    EXPECT_EQ(count, 3);
    glm::vec3 tint(0.0f);
    glGetUniformfv(shader.id, glGetUniformLocation(shader.id, "tint"), glm::value_ptr(tint));
    EXPECT_EQ(tint, glm::vec3(1.0f, 2.0f, 3.0f));
    glm::mat4 readBack(0.0f);
    glGetUniformfv(shader.id, glGetUniformLocation(shader.id, "transform"),
                   glm::value_ptr(readBack));
    EXPECT_EQ(readBack, transform) << "matrices go up untransposed";
}

TEST_F(ShaderProgram, CompileAndLinkErrorsAreReportedWithTheirLogsCountedAndTheGameGoesOn) {
    startGame();
    writeFile("test.vert", kVertexSource);
    writeFile("broken.frag", "#version 330 core\nout vec4 color;\nvoid main() { color = ; }\n");
    console.clear();
    const Shader shader(4, 5, "test.vert", "broken.frag");
    const auto lines = console.lines();
    ASSERT_GE(lines.size(), 4u) << console.text();
    EXPECT_EQ(lines[0], "ERROR::SHADER::LOADSHADER::COULD_NOT_COMPILE_SHADER: broken.frag");
    EXPECT_NE(lines[1].find("error"), std::string::npos) << "the driver's log follows";
    const auto link =
        std::find(lines.begin(), lines.end(), "ERROR::SHADER::LINKPROGRAM::COULD_NOT_LINK_PROGRAM");
    ASSERT_NE(link, lines.end());
    EXPECT_NE(link + 1, lines.end()) << "the link log follows";
    EXPECT_NE(shader.id, 0u);
    EXPECT_EQ(linkStatus(shader), GL_FALSE);
    frame();  // a broken program does not stop the frame

    // Each half compiles; the input the fragment shader reads is no output of the vertex's.
    writeFile("unfed.frag",
              "#version 330 core\nin vec3 unfed;\nout vec4 color;\n"
              "void main() { color = vec4(unfed, 1.0); }\n");
    console.clear();
    takeProblemCount();
    const Shader unlinked(4, 5, "test.vert", "unfed.frag");
    EXPECT_EQ(console.lines().at(0), "ERROR::SHADER::LINKPROGRAM::COULD_NOT_LINK_PROGRAM");
    EXPECT_EQ(takeProblemCount(), 1) << "counted for the line after the banner";
}

TEST_F(ShaderProgram, MissingFilesAndMissingDirectivesAreReportedOnce) {
    startGame();
    writeFile("plain.frag", "out vec4 color;\nvoid main() { color = vec4(1.0); }\n");
    console.clear();
    const Shader shader(4, 5, "missing.vert", "plain.frag");
    const auto lines = console.lines();
    const auto count = [&lines](const std::string& line) {
        return std::count(lines.begin(), lines.end(), line);
    };
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "ERROR::SHADER::LOADSHADERSOURCE::COULD_NOT_OPEN_FILE: missing.vert");
    EXPECT_EQ(count(lines[0]), 1);
    EXPECT_EQ(count("ERROR::SHADER::LOADSHADERSOURCE::NO_VERSION_DIRECTIVE: missing.vert"), 0)
        << "the open error already says why the text is empty";
    EXPECT_EQ(count("ERROR::SHADER::LOADSHADERSOURCE::NO_VERSION_DIRECTIVE: plain.frag"), 1);
}

TEST_F(ShaderProgram, TheGamesShadersCompileWithoutAWord) {
    startGame();
    for (const char* fragment :
         {"assets/shaders/fragmentShader.glsl", "assets/shaders/contourFragmentShader.glsl"}) {
        SCOPED_TRACE(fragment);
        const Shader shader(4, 5, "assets/shaders/vertexShader.glsl", fragment);
        EXPECT_EQ(linkStatus(shader), GL_TRUE);
        GLuint attached[2] = {};
        GLsizei count = 0;
        glGetAttachedShaders(shader.id, 2, &count, attached);
        for (GLsizei i = 0; i < count; ++i) {
            GLint logLength = -1;
            glGetShaderiv(attached[i], GL_INFO_LOG_LENGTH, &logLength);
            EXPECT_LE(logLength, 1) << "the compiler has something to say";
        }
    }
}

TEST_F(ShaderProgram, TheMainProgramTakesEveryUniformTheGameSends) {
    startGame();
    const GLuint program = game->shaders[mainShader]->id;
    std::vector<std::string> names = {"ModelMatrix",
                                      "ViewMatrix",
                                      "ProjectionMatrix",
                                      "cameraPos",
                                      "skyColor",
                                      "brightness",
                                      "celShading",
                                      "specular",
                                      "material.ambient",
                                      "material.diffuse",
                                      "material.specular",
                                      "material.diffuseTex",
                                      "material.specularTex",
                                      "material.transparency"};
    for (int i = 0; i < 9; ++i) {
        for (const char* member :
             {"position", "intensity", "color", "constant", "linear", "quadratic"}) {
            names.push_back("pointLights[" + std::to_string(i) + "]." + member);
        }
    }
    for (const std::string& name : names) {
        EXPECT_NE(glGetUniformLocation(program, name.c_str()), -1) << name;
    }
    const GLuint contour = game->shaders[contourShader]->id;
    for (const char* name : {"ModelMatrix", "ViewMatrix", "ProjectionMatrix"}) {
        EXPECT_NE(glGetUniformLocation(contour, name), -1) << name;
    }
}

}  // namespace
