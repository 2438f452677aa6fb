#include <gtest/gtest.h>

#include "gameplay/Collision.h"
#include "gameplay/Footprints.h"
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

// A level file is checked with these numbers before any model is loaded; they are the game's
// own models' as the touch and floor tests find them.
TEST_F(Collisions, TheGamesModelsHaveTheFootprintsALevelIsCheckedWith) {
    EXPECT_FLOAT_EQ(make("aphelios", glm::vec3(0.0f))->radius, footprint::kPlayer);
    for (const char* platform : {"platform", "mover"}) {
        const auto made = make(platform, glm::vec3(0.0f));
        EXPECT_FLOAT_EQ(made->boundsMax.x, footprint::kPlatform) << platform;
        EXPECT_FLOAT_EQ(made->boundsMax.z, footprint::kPlatform) << platform;
        EXPECT_FLOAT_EQ(-made->boundsMin.x, footprint::kPlatform) << platform;
        EXPECT_FLOAT_EQ(-made->boundsMin.z, footprint::kPlatform) << platform;
        EXPECT_FLOAT_EQ(made->halfHeight, footprint::kPlatformBand) << platform;
        EXPECT_FLOAT_EQ(made->boundsMax.y - made->boundsMin.y, footprint::kPlatformDepth)
            << platform;
    }
    // Drawn from their places up: the flag, and the tallest of the goal's rings, its pole.
    EXPECT_FLOAT_EQ(make("flag", glm::vec3(0.0f))->boundsMax.y, footprint::kCheckpointHeight);
    EXPECT_FLOAT_EQ(make("checkpoint3", glm::vec3(0.0f))->boundsMax.y, footprint::kGoalHeight);
    EXPECT_FLOAT_EQ(make("trap", glm::vec3(0.0f))->radius, footprint::kTrap);
    EXPECT_FLOAT_EQ(make("healthOrbit", glm::vec3(0.0f))->radius, footprint::kHealth);
    EXPECT_FLOAT_EQ(make("flag", glm::vec3(0.0f))->radius, footprint::kCheckpoint);
    EXPECT_FLOAT_EQ(make("checkpoint1", glm::vec3(0.0f))->radius, footprint::kGoal);
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

// The player's footprint is 0.4 either side of its origin, an item's 0.5, a platform's 3;
// a platform's slab is 2 thick with its top at its origin.
TEST(Collision, FootprintsTouchEdgeToEdgeWhateverTheHeight) {
    const glm::vec3 player(0.0f);
    auto touchesItemAt = [&](glm::vec3 item) {
        return footprintsTouch(player, kPlayerHalfWidth, item, kItemHalfWidth);
    };
    EXPECT_TRUE(touchesItemAt(glm::vec3(0.9f, 0.0f, 0.0f))) << "edge to edge";
    EXPECT_FALSE(touchesItemAt(glm::vec3(0.9001f, 0.0f, 0.0f)));
    EXPECT_TRUE(touchesItemAt(glm::vec3(0.0f, 0.0f, -0.9f)));
    EXPECT_FALSE(touchesItemAt(glm::vec3(0.5f, 0.0f, -0.9001f)));
    EXPECT_TRUE(touchesItemAt(glm::vec3(0.5f, 25.0f, 0.5f))) << "far above, still touched";
    EXPECT_TRUE(touchesItemAt(glm::vec3(0.5f, -25.0f, -0.5f))) << "far below, still touched";
}

TEST(Collision, APlatformHoldsThePlayerUpWithinItsBandAndFootprint) {
    const PlatformBox platform{glm::vec3(0.0f, -0.5f, 0.0f),
                               glm::vec3(-kPlatformHalfWidth, -2.0f, -kPlatformHalfWidth),
                               glm::vec3(kPlatformHalfWidth, 0.0f, kPlatformHalfWidth), 1.0f};
    auto holds = [&](glm::vec3 player) { return holdsUp(platform, player, kPlayerHalfWidth); };
    EXPECT_TRUE(holds(glm::vec3(0.0f)));
    EXPECT_TRUE(holds(glm::vec3(0.0f, 0.5f, 0.0f))) << "top of the band";
    EXPECT_FALSE(holds(glm::vec3(0.0f, 0.5001f, 0.0f))) << "above the band";
    EXPECT_TRUE(holds(glm::vec3(0.0f, -1.4f, 0.0f))) << "lower half lifts";
    EXPECT_FALSE(holds(glm::vec3(0.0f, -1.6f, 0.0f))) << "below the band";
    EXPECT_TRUE(holds(glm::vec3(3.39f, 0.0f, 0.0f))) << "past the edge by less than 0.4";
    EXPECT_TRUE(holds(glm::vec3(0.0f, 0.0f, -3.4f))) << "edge to edge";
    EXPECT_FALSE(holds(glm::vec3(3.41f, 0.0f, 0.0f)));
    EXPECT_FALSE(holds(glm::vec3(0.0f, 0.0f, 3.41f)));
}

TEST_F(Collisions, TheFirstMatchingPlatformWins) {
    auto player = make("testPlayer", glm::vec3(0.0f));
    auto low = make("testPlatform", glm::vec3(0.0f, -0.5f, 0.0f));
    auto high = make("testPlatform", glm::vec3(1.0f, 0.0f, 0.0f));
    const float noFloor = -42.0f;
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, {low.get(), high.get()}, noFloor), -0.5f);
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, {high.get(), low.get()}, noFloor), 0.0f);
    high->setPosition(glm::vec3(20.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, {high.get(), low.get()}, noFloor), -0.5f);
    EXPECT_FLOAT_EQ(floorHeightUnder(*player, {}, noFloor), noFloor);
}

// The course loses at -9 and has always found its floor at -10 where there is no platform; a
// level lower down finds none above its loss, and one higher up keeps the course's.
TEST(Collision, WhereNoPlatformIsUnderThePlayerTheFloorLiesBelowTheLoss) {
    EXPECT_EQ(noFloorBelow(-9.0f), -10.0f);
    for (const float lossHeight : {-28.5f, -10.0f, -9.5f, 41.5f, 9000.0f, -10000.0f}) {
        EXPECT_LT(noFloorBelow(lossHeight), lossHeight) << lossHeight;
        EXPECT_LE(noFloorBelow(lossHeight), -10.0f) << lossHeight;
    }
}

}  // namespace
