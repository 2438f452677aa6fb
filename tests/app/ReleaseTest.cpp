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
    // The scene's two programs, the shadow's and the UI's one.
    EXPECT_EQ(before.programs, 4);
    EXPECT_EQ(before.shaders, 6) << "the scene's, deleted after linking, live on while attached";
    EXPECT_EQ(before.textures, 13) << "the course's twelve images and the UI's font";
    // One vertex array per mesh: 24 models and the one that every particle is drawn with; and
    // the shadow's empty one.
    EXPECT_EQ(before.vertexArrays, 26);
    EXPECT_EQ(before.buffers, 28)
        << "a buffer per mesh, the goal base's index buffer and the UI's two";

    game->releaseScene();
    const LiveObjects after = liveObjects();
    EXPECT_EQ(after.programs, 0);
    EXPECT_EQ(after.shaders, 0);
    EXPECT_EQ(after.textures, 0);
    EXPECT_EQ(after.buffers, 0);
    EXPECT_EQ(after.vertexArrays, 0);
}

}  // namespace
