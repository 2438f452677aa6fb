#include <gtest/gtest.h>

#include <cmath>

#include "app/input/Toggles.h"
#include "gameplay/LevelLayout.h"
#include "render/ModelRun.h"
#include "render/Outline.h"
#include "render/Projection.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Pixels.h"

namespace {

const int kOutlineFrames = 60;  // a second at 60 frames per second

GLuint trianglesOf(const Model& model) {
    GLuint triangles = 0;
    for (const auto& mesh : model.meshes) {
        triangles += (mesh->nrOfIndices > 0 ? mesh->nrOfIndices : mesh->nrOfVertices) / 3;
    }
    return triangles;
}

class Drawing : public GameFixture {
protected:
    // The triangles counted are the models' and the particles': the shadow's square is not
    // among them.
    void SetUp() override {
        startGame(std::string(kWithoutHudSettings) + "[graphics]\nshadow = false\n");
    }

    GLuint visibleModelTriangles() const {
        GLuint triangles = 0;
        for (const auto& model : game->models) {
            triangles += model->hidden ? 0 : trianglesOf(*model);
        }
        return triangles;
    }

    GLuint particleTriangles() const {
        const ParticleSystem& system = *game->particleSystems[0];
        return static_cast<GLuint>(system.particles.size()) * trianglesOf(*system.model);
    }

    GLint mainUniform(const char* name) const {
        const GLuint program = game->shaders[mainShader]->id;
        GLint value = -1;
        glGetUniformiv(program, glGetUniformLocation(program, name), &value);
        return value;
    }
};

TEST_F(Drawing, EachVisibleModelOnceAndTwiceWithTheOutline) {
    frame();
    const GLuint models = visibleModelTriangles();
    const GLuint particles = particleTriangles();
    ASSERT_GT(models, 0u);
    EXPECT_EQ(trianglesInAFrame(), models + particles);

    celShading = true;
    EXPECT_EQ(trianglesInAFrame(), 2 * models + particles) << "outline pass for models only";
    contour = false;
    EXPECT_EQ(trianglesInAFrame(), models + particles);
    contour = true;
    culling = false;
    EXPECT_EQ(trianglesInAFrame(), models + particles);
    culling = true;

    game->models[level::healthModel]->hidden = true;
    const GLuint withoutHealth = models - trianglesOf(*game->models[level::healthModel]);
    EXPECT_EQ(trianglesInAFrame(), 2 * withoutHealth + particles) << "hidden: in neither pass";
}

TEST_F(Drawing, TheOutlinePassGivesEveryModelItsTransformBackExactly) {
    startGame("[window]\nwidth = 64\nheight = 36\nfullscreen = false\n");  // many quick frames
    celShading = true;
    std::vector<std::pair<glm::vec3, glm::vec3>> before;
    for (const auto& model : game->models) {
        before.emplace_back(model->position, model->scale);
    }
    // The pass scales and moves each model and puts it back; with the comparison exact, one
    // inexact round trip fails, and a second of frames shows that nothing builds up either.
    for (int i = 0; i < kOutlineFrames; ++i) {
        game->render();
    }
    for (size_t i = 0; i < game->models.size(); ++i) {
        SCOPED_TRACE("model " + std::to_string(i));
        const Model& model = *game->models[i];
        EXPECT_EQ(model.position, before[i].first);
        EXPECT_EQ(model.scale, before[i].second);
        for (const auto& mesh : model.meshes) {
            EXPECT_EQ(mesh->position, model.position);
            EXPECT_EQ(mesh->scale, model.scale);
        }
    }
    GLint cullFace = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cullFace);
    EXPECT_EQ(cullFace, GL_BACK);
}

// A run keeps the program and the images bound from one model to the next; what it draws must
// be what the models drawn each on its own draw, with the outline's second program between
// them, and it must leave the state as a model drawn alone does.
TEST_F(Drawing, ModelsDrawnInOneRunShowWhatEachDrawnAloneShows) {
    frame();
    const Shader& main = *game->shaders[mainShader];
    const Shader& contourProgram = *game->shaders[contourShader];
    const auto drawAll = [&](bool oneRun) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        ModelRun shared;
        for (const auto& model : game->models) {
            ModelRun own;
            if (!model->hidden) {
                drawModel(*model, main, contourProgram, true, oneRun ? shared : own);
            }
        }
    };
    drawAll(false);
    const Frame alone = framePixels(game->framebufferWidth, game->framebufferHeight);
    drawAll(true);
    const Frame together = framePixels(game->framebufferWidth, game->framebufferHeight);
    EXPECT_TRUE(together == alone) << "not one pixel differs";
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    EXPECT_FALSE(framePixels(game->framebufferWidth, game->framebufferHeight) == together)
        << "the models drew something";

    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program, 0);
    GLint unit = -1;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &unit);
    EXPECT_EQ(unit, GL_TEXTURE0);
    GLint image = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &image);
    EXPECT_EQ(image, 0);
}

TEST_F(Drawing, CelShadingAndSpecularReachTheShaderInTheSameFrame) {
    frame();
    EXPECT_EQ(mainUniform("celShading"), 0);
    EXPECT_EQ(mainUniform("specular"), 1);
    input.tap(GLFW_KEY_F4);
    input.tap(GLFW_KEY_F6);
    frame();
    EXPECT_EQ(mainUniform("celShading"), 1);
    EXPECT_EQ(mainUniform("specular"), 0);
}

TEST_F(Drawing, AResizeChangesTheAspectRatioInTheSameFrame) {
    frame();
    glfwSetWindowSize(game->window, 400, 400);
    input.sync();  // the server's answer to the resize, for the next frame's poll
    frame();
    EXPECT_NEAR(game->ProjectionMatrix[0][0], game->ProjectionMatrix[1][1], 1e-5f)
        << "a square window has an aspect ratio of 1";
}

TEST_F(Drawing, AWindowWithoutHeightKeepsTheLastProjection) {
    const glm::mat4 last = projectionFor(45.0f, 640, 360, 0.1f, 1000.0f, glm::mat4(1.0f));
    const glm::mat4 kept = projectionFor(45.0f, 640, 0, 0.1f, 1000.0f, last);
    EXPECT_EQ(kept, last);
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            EXPECT_FALSE(std::isnan(kept[column][row]));
        }
    }
}

TEST_F(Drawing, TheStartViewShowsSkyAboveAndTheCourseBelow) {
    frame();
    frame();
    EXPECT_TRUE(isSky(pixelAt(320, 355)));
    EXPECT_FALSE(isSky(pixelAt(320, 150))) << "the character";
    EXPECT_FALSE(isSky(pixelAt(320, 10))) << "the platform";
}

}  // namespace
