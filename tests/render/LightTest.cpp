#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <glm/gtc/type_ptr.hpp>

#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"
#include "tests/support/UniformNameRecorder.h"

namespace {

using namespace level;

const char* const kMembers[] = {"position", "intensity", "color",
                                "constant", "linear",    "quadratic"};

// Reads back what the main program holds of its lights.
class LightUniforms : public GameFixture {
protected:
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

// The course as the game builds it in code, and as its level file describes it: the same.
class Lights : public LightUniforms, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        levelName = GetParam();
        startGame();
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

// Twelve traps in a row beside the start: more lights than the program holds. The player's
// comes first, then the eight nearest the player, the lit before those that are off.
TEST_F(LightUniforms, ALevelWithMoreLightsIsLitByThoseNearestThePlayer) {
    std::string level =
        "format = 1\nname = \"Lanterns\"\npar_time = 20\n"
        "[start]\nat = [0, -0.5, 0]\n[[platform]]\nat = [0, -0.5, 0]\n"
        "[goal]\nat = [0, -0.45, -100]\n";
    for (int trap = 0; trap < 12; ++trap) {
        level += "[[trap]]\nat = [3, -0.5, " + std::to_string(-2 * trap) + "]\n";
    }
    levelName = "lanterns";
    startGame(kWindowedSettings, [&level](const std::filesystem::path& directory) {
        std::filesystem::create_directories(directory / "data/smeltrun/levels");
        std::ofstream(directory / "data/smeltrun/levels/lanterns.toml") << level;
    });
    game->lights[2]->off = true;  // the second trap's, as if it had been touched
    frame();
    EXPECT_EQ(uploadedVec3(0, "position"), game->lights[0]->position);
    std::vector<float> sentZ;
    for (int slot = 1; slot < 9; ++slot) {
        sentZ.push_back(uploadedVec3(slot, "position").z);
        EXPECT_EQ(uploadedFloat(slot, "intensity"), 1.0f) << slot;
    }
    std::sort(sentZ.begin(), sentZ.end());
    EXPECT_EQ(sentZ, (std::vector<float>{-16, -14, -12, -10, -8, -6, -4, 0}));
}

INSTANTIATE_TEST_SUITE_P(Course, Lights, ::testing::Values("", "course"),
                         [](const auto& info) { return info.index == 0 ? "BuiltIn" : "FromFile"; });

}  // namespace
