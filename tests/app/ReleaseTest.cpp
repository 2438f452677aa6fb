#include <gtest/gtest.h>

#include "tests/support/GameFixture.h"

namespace {

// GL hands out small names from 1 upward; this is far past what the game makes.
const GLuint kHighestName = 20000;

struct LiveObjects {
    int programs = 0;
    int shaders = 0;
    int textures = 0;
    int buffers = 0;
    int vertexArrays = 0;
};

LiveObjects liveObjects() {
    LiveObjects live;
    for (GLuint name = 1; name <= kHighestName; ++name) {
        live.programs += glIsProgram(name) ? 1 : 0;
        live.shaders += glIsShader(name) ? 1 : 0;
        live.textures += glIsTexture(name) ? 1 : 0;
        live.buffers += glIsBuffer(name) ? 1 : 0;
        live.vertexArrays += glIsVertexArray(name) ? 1 : 0;
    }
    return live;
}

using Release = GameFixture;

TEST_F(Release, DeletesEveryGlObjectTheGameMade) {
    startGame();
    frame();
    const LiveObjects before = liveObjects();
    EXPECT_EQ(before.programs, 2);
    EXPECT_EQ(before.shaders, 4) << "deleted after linking, they live on while attached";
    EXPECT_EQ(before.textures, 12);
    // One vertex array per mesh: 24 models and 100 particles and the particle template.
    EXPECT_EQ(before.vertexArrays, 125);
    EXPECT_EQ(before.buffers, 126) << "a buffer per mesh and the goal base's index buffer";

    game->releaseScene();
    const LiveObjects after = liveObjects();
    EXPECT_EQ(after.programs, 0);
    EXPECT_EQ(after.shaders, 0);
    EXPECT_EQ(after.textures, 0);
    EXPECT_EQ(after.buffers, 0);
    EXPECT_EQ(after.vertexArrays, 0);
}

}  // namespace
