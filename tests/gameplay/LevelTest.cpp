#include <gtest/gtest.h>

#include <string>

#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"

namespace {

using namespace level;

struct Expected {
    const char* name;  // "" for the unnamed orb copies
    glm::vec3 position;
    TextureEntry diffuse;
    TextureEntry specular;
    glm::vec3 scale;
    bool hidden;
};

std::vector<Expected> expectedObjects() {
    const glm::vec3 one(1.0f);
    const glm::vec3 start = kPlayerCreatedAt + kPlayerStartShift;
    return {
        {"player", start, apheliosDiffuse, apheliosSpecular, one, false},
        {"health", kHealthPosition, healthDiffuse, healthSpecular, one, false},
        {"healthorbit", kOrbPosition, healthDiffuse, healthSpecular, kOrbScale, false},
        {"", kOrbPosition, healthDiffuse, healthSpecular, kOrbScale, false},
        {"", kOrbPosition, healthDiffuse, healthSpecular, kOrbScale, true},
        {"", kOrbPosition, healthDiffuse, healthSpecular, kOrbScale, true},
        {"trap11", kTrap11Position, trapDiffuse, trapSpecular, one, false},
        {"trap21", kTrap21Position, trapDiffuse, trapSpecular, one, false},
        {"trap22", kTrap22Position, trapDiffuse, trapSpecular, one, false},
        {"trap23", kTrap23Position, trapDiffuse, trapSpecular, one, false},
        {"checkpoint1", kGoalPosition, flareGreenDiffuse, flareGreenSpecular, one, false},
        {"checkpoint2", kGoalPosition, flareGreenDiffuse, flareGreenSpecular, one, false},
        {"checkpoint3", kGoalPosition, flareGreenDiffuse, flareGreenSpecular, one, false},
    };
}

class Level : public GameFixture {
protected:
    void SetUp() override { startGame(); }

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

TEST_F(Level, HoldsItsModelsObjectsAndPlatforms) {
    EXPECT_EQ(game->models.size(), static_cast<size_t>(modelCount));
    EXPECT_EQ(game->objects.size(), static_cast<size_t>(kObjectCount));
    EXPECT_EQ(game->platforms.size(), static_cast<size_t>(kPlatformCount));
    for (int i = 0; i < kObjectCount; ++i) {
        EXPECT_EQ(game->objects[i], game->models[i].get()) << i;
    }
    EXPECT_EQ(game->player, game->models[playerModel].get());
}

TEST_F(Level, PlacesEveryObjectAsLaidOut) {
    const auto expected = expectedObjects();
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("object " + std::to_string(i));
        const GameObject& object = *game->objects[i];
        EXPECT_EQ(std::string(object.name), expected[i].name);
        expectModel(object, expected[i].position, expected[i].diffuse, expected[i].specular,
                    expected[i].scale, expected[i].hidden);
    }
}

TEST_F(Level, ThePlayerStartsOnTheFirstPlatformWithItsPivotAtTheOrigin) {
    const Player& player = *game->player;
    EXPECT_EQ(player.position, glm::vec3(0.0f, -0.5f, 0.0f));
    EXPECT_EQ(player.pivot, glm::vec3(0.0f));
    EXPECT_EQ(player.meshes[0]->pivot, glm::vec3(0.0f));
    EXPECT_EQ(player.meshes[0]->position, player.position);
    EXPECT_STREQ(player.objName, "aphelios");
}

TEST_F(Level, TheGoalBaseIsAFlatSquareUnderTheGoal) {
    const Model& base = *game->models[goalBaseModel];
    expectModel(base, kGoalPosition, flareBaseDiffuse, flareBaseSpecular, kGoalBaseScale, false);
    ASSERT_EQ(base.meshes.size(), 1u);
    const Mesh& mesh = *base.meshes[0];
    EXPECT_EQ(mesh.nrOfVertices, 4u);
    EXPECT_EQ(mesh.nrOfIndices, 6u);
    EXPECT_EQ(mesh.rotation, kGoalBaseRotation);
    EXPECT_EQ(mesh.pivot, kGoalPosition);
    EXPECT_EQ(dynamic_cast<const GameObject*>(&base), nullptr) << "not touchable";
}

TEST_F(Level, LaysTheTenPlatformsAlongTheCourse) {
    for (int i = 0; i < kPlatformCount; ++i) {
        SCOPED_TRACE("platform " + std::to_string(i));
        const GameObject& platform = *game->platforms[i];
        EXPECT_EQ(&platform, game->models[firstPlatformModel + i].get());
        EXPECT_STREQ(platform.name, "platform");
        EXPECT_STREQ(platform.objName, "platform");
        expectModel(platform, glm::vec3(0.0f, kPlatformHeight, kPlatformZ[i]), platformDiffuse,
                    platformSpecular, glm::vec3(1.0f), false);
    }
}

}  // namespace
