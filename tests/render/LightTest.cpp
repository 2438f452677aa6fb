#include <gtest/gtest.h>

#include <glm/gtc/type_ptr.hpp>

#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"
#include "tests/support/UniformNameRecorder.h"

namespace {

using namespace level;

const char* const kMembers[] = {"position", "intensity", "color",
                                "constant", "linear",    "quadratic"};

// The course as the game builds it in code, and as its level file describes it: the same.
class Lights : public GameFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        levelName = GetParam();
        startGame();
    }

    GLuint mainProgram() const { return game->shaders[mainShader]->id; }

    float uploadedFloat(int light, const char* member) const {
        const std::string name = "pointLights[" + std::to_string(light) + "]." + member;
        float value = -1.0f;
        glGetUniformfv(mainProgram(), glGetUniformLocation(mainProgram(), name.c_str()), &value);
        return value;
    }

    glm::vec3 uploadedVec3(int light, const char* member) const {
        const std::string name = "pointLights[" + std::to_string(light) + "]." + member;
        glm::vec3 value(-1.0f);
        glGetUniformfv(mainProgram(), glGetUniformLocation(mainProgram(), name.c_str()),
                       glm::value_ptr(value));
        return value;
    }
};

TEST_P(Lights, NineStandAtTheirMarks) {
    ASSERT_EQ(game->lights.size(), 9u);
    const glm::vec3 purple(184 / 255.0f, 49 / 255.0f, 218 / 255.0f);
    const glm::vec3 goal(0.0f, -0.45f, -110.0f);
    const struct {
        glm::vec3 position;
        glm::vec3 color;
        float intensity;
    } expected[] = {
        {glm::vec3(0, 0, 1), glm::vec3(1), 0.75f},
        {glm::vec3(0, 0, -40), glm::vec3(96 / 255.0f, 211 / 255.0f, 62 / 255.0f), 0.5f},
        {glm::vec3(0, -0.5f, -20), purple, 1.0f},
        {glm::vec3(0, -0.5f, -60), purple, 1.0f},
        {glm::vec3(-3, -0.5f, -60), purple, 1.0f},
        {glm::vec3(3, -0.5f, -60), purple, 1.0f},
        {goal + glm::vec3(0, 0, -0.5f), glm::vec3(1, 0, 0), 1.0f},
        {goal + glm::vec3(-0.25f, 0, 0.25f), glm::vec3(0, 1, 0), 1.0f},
        {goal + glm::vec3(0.25f, 0, 0.25f), glm::vec3(0, 0, 1), 1.0f},
    };
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE("light " + std::to_string(i));
        const PointLight& light = *game->lights[i];
        EXPECT_EQ(light.index, i);
        EXPECT_EQ(light.position, expected[i].position);
        EXPECT_EQ(light.color, expected[i].color);
        EXPECT_EQ(light.intensity, expected[i].intensity);
        EXPECT_EQ(light.constant, 1.0f);
        EXPECT_EQ(light.linear, 0.045f);
        EXPECT_EQ(light.quadratic, 0.0075f);
        EXPECT_FALSE(light.off);
    }
}

TEST_P(Lights, UploadSixMembersEachUnderTheirNamesInOrder) {
    std::vector<std::string> expected;
    for (int i = 0; i < lightCount; ++i) {
        for (const char* member : kMembers) {
            expected.push_back("pointLights[" + std::to_string(i) + "]." + member);
        }
    }
    std::vector<std::string> names;
    {
        UniformNameRecorder recorder;
        for (auto& light : game->lights) {
            light->sendToShader(*game->shaders[mainShader]);
        }
        names = recorder.names();
    }
    EXPECT_EQ(names, expected);

    frame();
    for (int i = 0; i < lightCount; ++i) {
        const PointLight& light = *game->lights[i];
        EXPECT_EQ(uploadedVec3(i, "position"), light.position);
        EXPECT_EQ(uploadedFloat(i, "intensity"), light.intensity);
        EXPECT_EQ(uploadedVec3(i, "color"), light.color);
        EXPECT_EQ(uploadedFloat(i, "constant"), light.constant);
        EXPECT_EQ(uploadedFloat(i, "linear"), light.linear);
        EXPECT_EQ(uploadedFloat(i, "quadratic"), light.quadratic);
    }
}

TEST_P(Lights, AnOffLightIsSentDarkAndKeepsItsIntensity) {
    PointLight& trapLight = *game->lights[firstTrapLight + 1];
    trapLight.off = true;
    frame();
    EXPECT_EQ(uploadedFloat(firstTrapLight + 1, "intensity"), 0.0f);
    EXPECT_EQ(uploadedVec3(firstTrapLight + 1, "position"), glm::vec3(0.0f, -0.5f, -60.0f));
    EXPECT_EQ(trapLight.intensity, 1.0f);
    trapLight.off = false;
    frame();
    EXPECT_EQ(uploadedFloat(firstTrapLight + 1, "intensity"), 1.0f);
}

TEST_P(Lights, TheFirstFollowsThePlayer) {
    game->player->setPosition(glm::vec3(3.0f, 0.0f, -7.0f));
    frame();
    EXPECT_EQ(game->lights[playerLight]->position, glm::vec3(3.0f, 2.0f, -6.8f));
    EXPECT_EQ(uploadedVec3(playerLight, "position"), glm::vec3(3.0f, 2.0f, -6.8f));
}

INSTANTIATE_TEST_SUITE_P(Course, Lights, ::testing::Values("", "course"),
                         [](const auto& info) { return info.index == 0 ? "BuiltIn" : "FromFile"; });

}  // namespace
