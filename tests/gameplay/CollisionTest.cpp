#include <gtest/gtest.h>

#include "gameplay/GameObject.h"
#include "tests/support/BoxModel.h"
#include "tests/support/GameFixture.h"

namespace {

const float kPlayerHalfWidth = 0.4f;
const float kItemHalfWidth = 0.5f;
const float kPlatformHalfWidth = 3.0f;

void writeBoxes(const std::filesystem::path& directory) {
    writeBoxModel(directory, "testPlayer", glm::vec3(-kPlayerHalfWidth, 0.0f, -0.3f),
                  glm::vec3(kPlayerHalfWidth, 1.8f, 0.3f));
    writeBoxModel(directory, "testItem", glm::vec3(-kItemHalfWidth, 0.0f, -kItemHalfWidth),
                  glm::vec3(kItemHalfWidth, 0.5f, kItemHalfWidth));
    writeBoxModel(directory, "testPlatform",
                  glm::vec3(-kPlatformHalfWidth, -2.0f, -kPlatformHalfWidth),
                  glm::vec3(kPlatformHalfWidth, 0.0f, kPlatformHalfWidth));
}

class Collisions : public GameFixture {
protected:
    void SetUp() override { startGame(kWindowedSettings, writeBoxes); }

    std::unique_ptr<GameObject> make(const char* objName, glm::vec3 position) {
        return std::make_unique<GameObject>(objName, position, game->materials[0].get(),
                                            game->textures[0].get(), game->textures[1].get(),
                                            objName);
    }
};

TEST_F(Collisions, BoundsComeFromTheVerticesAsLoaded) {
    auto player = make("testPlayer", glm::vec3(5.0f, 1.0f, 2.0f));
    EXPECT_EQ(player->boundsMin, glm::vec3(-0.4f, 0.0f, -0.3f));
    EXPECT_EQ(player->boundsMax, glm::vec3(0.4f, 1.8f, 0.3f));
    EXPECT_FLOAT_EQ(player->radius, 0.4f);
    EXPECT_FLOAT_EQ(player->halfHeight, 0.9f);
    EXPECT_FLOAT_EQ(player->floorHeight, -0.5f);

    // Scaled and turned, an orb keeps the radius of its model file.
    player->setScale(glm::vec3(0.05f));
    player->setRotation(glm::vec3(0.0f, 45.0f, 0.0f));
    player->computeBounds();
    EXPECT_FLOAT_EQ(player->radius, 0.4f);
}

TEST_F(Collisions, ACopyHasNoNameAndItsOwnModel) {
    auto item = make("testItem", glm::vec3(1.0f, 2.0f, 3.0f));
    item->setScale(glm::vec3(3.0f));
    item->hidden = true;
    const GameObject copy(*item);
    EXPECT_STREQ(copy.name, "");
    EXPECT_EQ(copy.position, item->position);
    EXPECT_EQ(copy.scale, glm::vec3(1.0f));
    EXPECT_FALSE(copy.hidden);
    EXPECT_EQ(copy.material, item->material);
    EXPECT_EQ(copy.diffuseTexture, item->diffuseTexture);
    EXPECT_NE(copy.meshes[0]->VAO, item->meshes[0]->VAO);
    EXPECT_EQ(copy.meshes[0]->nrOfVertices, item->meshes[0]->nrOfVertices);
    EXPECT_FLOAT_EQ(copy.radius, kItemHalfWidth);
}

TEST_F(Collisions, FootprintsTouchEdgeToEdgeWhateverTheHeight) {
    auto player = make("testPlayer", glm::vec3(0.0f));
    auto item = make("testItem", glm::vec3(kPlayerHalfWidth + kItemHalfWidth, 0.0f, 0.0f));
    EXPECT_TRUE(touches(*player, *item)) << "edge to edge";
    item->setPosition(glm::vec3(0.9001f, 0.0f, 0.0f));
    EXPECT_FALSE(touches(*player, *item));
    item->setPosition(glm::vec3(0.0f, 0.0f, -0.9f));
    EXPECT_TRUE(touches(*player, *item));
    item->setPosition(glm::vec3(0.5f, 25.0f, 0.5f));
    EXPECT_TRUE(touches(*player, *item)) << "far above, still touched";
    item->setPosition(glm::vec3(0.5f, -25.0f, -0.5f));
    EXPECT_TRUE(touches(*player, *item)) << "far below, still touched";
}

TEST_F(Collisions, TheFloorIsThePlatformsMiddleWithinItsBand) {
    auto player = make("testPlayer", glm::vec3(0.0f));
    auto platform = make("testPlatform", glm::vec3(0.0f, -0.5f, 0.0f));
    const std::vector<GameObject*> platforms = {platform.get()};
    ASSERT_FLOAT_EQ(platform->halfHeight, 1.0f);

    EXPECT_FLOAT_EQ(floorHeightUnder(*player, platforms), -0.5f);
    player->setPosition(glm::vec3(0.0f, 0.5f, 0.0f));
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, platforms), -0.5f) << "top of the band";
    player->setPosition(glm::vec3(0.0f, 0.5001f, 0.0f));
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, platforms), kNoFloor) << "above the band";
    player->setPosition(glm::vec3(0.0f, -1.4f, 0.0f));
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, platforms), -0.5f) << "lower half lifts";
    player->setPosition(glm::vec3(0.0f, -1.6f, 0.0f));
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, platforms), kNoFloor) << "below the band";
}

TEST_F(Collisions, APlayerPastTheEdgeByLessThanItsHalfWidthStillStands) {
    auto player = make("testPlayer", glm::vec3(kPlatformHalfWidth + 0.39f, 0.0f, 0.0f));
    auto platform = make("testPlatform", glm::vec3(0.0f, -0.5f, 0.0f));
    const std::vector<GameObject*> platforms = {platform.get()};
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, platforms), -0.5f);
    player->setPosition(glm::vec3(0.0f, 0.0f, -kPlatformHalfWidth - 0.4f));
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, platforms), -0.5f) << "edge to edge";
    player->setPosition(glm::vec3(kPlatformHalfWidth + 0.41f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, platforms), kNoFloor);
}

TEST_F(Collisions, TheFirstMatchingPlatformWins) {
    auto player = make("testPlayer", glm::vec3(0.0f));
    auto low = make("testPlatform", glm::vec3(0.0f, -0.5f, 0.0f));
    auto high = make("testPlatform", glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, {low.get(), high.get()}), -0.5f);
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, {high.get(), low.get()}), 0.0f);
    high->setPosition(glm::vec3(20.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, {high.get(), low.get()}), -0.5f);
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, {}), kNoFloor);
}

}  // namespace
