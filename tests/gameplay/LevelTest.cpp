#include <gtest/gtest.h>

#include <string>

#include "tests/support/GameFixture.h"

namespace {

struct Expected {
    const char* name;  // "" for the unnamed orb copies
    glm::vec3 position;
    TextureEntry diffuse;
    TextureEntry specular;
    glm::vec3 scale;
    bool hidden;
};

// The level's numbers, written out here rather than read from the layout's own table, so that
// a wrong number there fails.
const glm::vec3 kGoal(0.0f, -0.45f, -110.0f);
const glm::vec3 kOrbScale(0.05f);
const float kPlatformZs[] = {0.0f,   -10.0f, -20.0f, -30.0f, -40.0f,
                             -50.0f, -60.0f, -75.0f, -95.0f, -110.0f};

std::vector<Expected> expectedObjects() {
    const glm::vec3 one(1.0f);
    const glm::vec3 origin(0.0f);
    return {
        {"player", glm::vec3(0.0f, -0.5f, 0.0f), apheliosDiffuse, apheliosSpecular, one, false},
        {"health", glm::vec3(0.0f, 0.0f, -40.0f), healthDiffuse, healthSpecular, one, false},
        {"healthorbit", origin, healthDiffuse, healthSpecular, kOrbScale, false},
        {"", origin, healthDiffuse, healthSpecular, kOrbScale, false},
        {"", origin, healthDiffuse, healthSpecular, kOrbScale, true},
        {"", origin, healthDiffuse, healthSpecular, kOrbScale, true},
        {"trap11", glm::vec3(0.0f, -0.5f, -20.0f), trapDiffuse, trapSpecular, one, false},
        {"trap21", glm::vec3(0.0f, -0.5f, -60.0f), trapDiffuse, trapSpecular, one, false},
        {"trap22", glm::vec3(-3.0f, -0.5f, -60.0f), trapDiffuse, trapSpecular, one, false},
        {"trap23", glm::vec3(3.0f, -0.5f, -60.0f), trapDiffuse, trapSpecular, one, false},
        {"checkpoint1", kGoal, flareGreenDiffuse, flareGreenSpecular, one, false},
        {"checkpoint2", kGoal, flareGreenDiffuse, flareGreenSpecular, one, false},
        {"checkpoint3", kGoal, flareGreenDiffuse, flareGreenSpecular, one, false},
    };
}

// The course as the game builds it in code, and as its level file describes it: the same.
class Level : public GameFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        levelName = GetParam();
        startGame();
    }

    void expectModel(const Model& model, glm::vec3 position, TextureEntry diffuse,
                     TextureEntry specular, glm::vec3 scale, bool hidden) {
        EXPECT_EQ(model.position, position);
        EXPECT_EQ(model.diffuseTexture, game->textures[diffuse].get());
        EXPECT_EQ(model.specularTexture, game->textures[specular].get());
        EXPECT_EQ(model.material, game->materials[0].get());
        EXPECT_EQ(model.scale, scale);
        EXPECT_EQ(model.hidden, hidden);
        for (const auto& mesh : model.meshes) {
            EXPECT_EQ(mesh->position, position);
            EXPECT_EQ(mesh->scale, scale);
        }
    }
};

TEST_P(Level, HoldsItsModelsObjectsAndPlatforms) {
    EXPECT_EQ(game->models.size(), 24u);
    EXPECT_EQ(game->objects.size(), 13u);
    EXPECT_EQ(game->platforms.size(), 10u);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(game->objects[i], game->models[i].get()) << i;
    }
    EXPECT_EQ(game->player, game->models[0].get());
}

TEST_P(Level, PlacesEveryObjectAsLaidOut) {
    const auto expected = expectedObjects();
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("object " + std::to_string(i));
        const GameObject& object = *game->objects[i];
        EXPECT_EQ(std::string(object.name), expected[i].name);
        expectModel(object, expected[i].position, expected[i].diffuse, expected[i].specular,
                    expected[i].scale, expected[i].hidden);
    }
}

TEST_P(Level, ThePlayerStartsOnTheFirstPlatformWithItsPivotAtTheOrigin) {
    const Player& player = *game->player;
    EXPECT_EQ(player.position, glm::vec3(0.0f, -0.5f, 0.0f));
    EXPECT_EQ(player.pivot, glm::vec3(0.0f));
    EXPECT_EQ(player.meshes[0]->pivot, glm::vec3(0.0f));
    EXPECT_EQ(player.meshes[0]->position, player.position);
    EXPECT_STREQ(player.objName, "aphelios");
}

TEST_P(Level, TheGoalBaseIsAFlatSquareUnderTheGoal) {
    const Model& base = *game->models[13];
    expectModel(base, kGoal, flareBaseDiffuse, flareBaseSpecular, glm::vec3(2.5f), false);
    ASSERT_EQ(base.meshes.size(), 1u);
    const Mesh& mesh = *base.meshes[0];
    EXPECT_EQ(mesh.nrOfVertices, 4u);
    EXPECT_EQ(mesh.nrOfIndices, 6u);
    EXPECT_EQ(mesh.rotation, glm::vec3(-90.0f, 0.0f, 0.0f)) << "lies flat, facing up";
    EXPECT_EQ(mesh.pivot, kGoal);
    EXPECT_EQ(dynamic_cast<const GameObject*>(&base), nullptr) << "not touchable";
}

TEST_P(Level, LaysTheTenPlatformsAlongTheCourse) {
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE("platform " + std::to_string(i));
        const GameObject& platform = *game->platforms[i];
        EXPECT_EQ(&platform, game->models[14 + i].get());
        EXPECT_STREQ(platform.name, "platform");
        EXPECT_STREQ(platform.objName, "platform");
        expectModel(platform, glm::vec3(0.0f, -0.5f, kPlatformZs[i]), platformDiffuse,
                    platformSpecular, glm::vec3(1.0f), false);
    }
}

INSTANTIATE_TEST_SUITE_P(Course, Level, ::testing::Values("", "course"),
                         [](const auto& info) { return info.index == 0 ? "BuiltIn" : "FromFile"; });

}  // namespace
