#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <fstream>
#include <vector>

#include "app/input/Toggles.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "render/Model.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Pixels.h"

namespace {

const int kImageSide = 16;                // pixels
const glm::vec3 kEye(0.0f, 10.0f, 0.0f);  // well above the level, which stays out of view

// A red image and a flat square facing +z, two units wide, for the game to load.
void writeRedSquare(const std::filesystem::path& directory) {
    std::vector<unsigned char> red;
    for (int i = 0; i < kImageSide * kImageSide; ++i) {
        red.insert(red.end(), {230, 20, 20, 255});
    }
    const std::string image = (directory / "assets/Images/red.png").string();
    ASSERT_TRUE(stbi_write_png(image.c_str(), kImageSide, kImageSide, 4, red.data(), 0));
    std::ofstream(directory / "assets/OBJFiles/square.obj")
        << "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\nvt 0 1\nvt 1 1\nvt 1 0\nvt 0 0\nvn 0 0 1\n"
           "f 1/1/1 2/2/1 3/3/1\nf 1/1/1 3/3/1 4/4/1\n";
}

class Render : public GameFixture {
protected:
    void SetUp() override {
        startGame(kWindowedSettings, writeRedSquare);
        red = std::make_unique<Texture>("assets/Images/red.png");
        game->models.push_back(std::make_unique<Model>(kEye + glm::vec3(0.0f, 0.0f, -4.0f),
                                                       game->materials[0].get(), red.get(),
                                                       red.get(), "square"));
        // The debug camera stays where it is put; the follow camera would go behind the player.
        debugCamera = true;
        camera.switchMode(true);
        camera.position = kEye;
        for (auto& light : game->lights) {
            light->off = true;
        }
        lightFromTheCamera();
    }

    // The level's own light 0 follows the player; here it hangs at the camera instead.
    void lightFromTheCamera() {
        auto& light = *game->lights[0];
        light.off = false;
        light.intensity = 1.0f;
        game->player->setPosition(kEye - level::kPlayerLightOffset);
    }

    // Light 0 stands `distance` in front of the square's centre, on its normal, so that it
    // strikes the pixel at the centre of the window head on.
    void lightInFrontAt(float distance) {
        const glm::vec3 centre = game->models.back()->position;
        game->player->setPosition(centre + glm::vec3(0.0f, 0.0f, distance) -
                                  level::kPlayerLightOffset);
    }

    std::unique_ptr<Texture> red;
};

TEST_F(Render, ALitTexturedModelShowsItsTextureWhereItStandsAndSkyElsewhere) {
    frame();
    const auto centre = pixelAt(320, 180);
    EXPECT_GT(centre[0], 150) << "lit red";
    EXPECT_LT(centre[1], 60);
    EXPECT_LT(centre[2], 60);
    EXPECT_TRUE(isSky(pixelAt(5, 355)));
}

TEST_F(Render, AHiddenModelIsNotDrawn) {
    game->models.back()->hidden = true;
    frame();
    EXPECT_TRUE(isSky(pixelAt(320, 180)));
}

TEST_F(Render, EachParticleIsDrawnWhereItStands) {
    game->models.back()->hidden = true;  // nothing but the sky straight ahead
    Particle& particle = game->particleSystems[0]->particles[0];
    particle.life = 100.0f;  // not reborn at the goal, far below
    particle.speed = 0.0f;
    particle.position = kEye + glm::vec3(0.0f, 0.0f, -1.0f);
    frame();
    EXPECT_FALSE(isSky(pixelAt(320, 180))) << "the particle's orb, right ahead";
    particle.position = kEye + glm::vec3(0.0f, 0.0f, 1.0f);  // behind the camera
    frame();
    EXPECT_TRUE(isSky(pixelAt(320, 180)));
}

TEST_F(Render, TheLightingComesFromTheLight) {
    frame();
    const auto lit = pixelAt(320, 180);
    game->lights[0]->off = true;
    frame();
    const auto unlit = pixelAt(320, 180);
    EXPECT_GT(lit[0], unlit[0] + 60) << "the lamp, not the faint fill, lights the square";
    EXPECT_GT(unlit[0], unlit[1]) << "still red in the fill light";
}

// What a light adds to a pixel scales with 1 / (constant + linear d + quadratic d^2).
TEST_F(Render, ALightFadesWithDistanceByItsAttenuation) {
    specular = false;  // the diffuse term alone
    game->lights[0]->off = true;
    frame();
    const int unlit = pixelAt(320, 180)[0];

    auto& light = static_cast<PointLight&>(*game->lights[0]);
    light.off = false;
    light.intensity = 0.5f;  // keeps the nearest pixel short of white
    auto addedAt = [&](float distance) {
        lightInFrontAt(distance);
        frame();
        return pixelAt(320, 180)[0] - unlit;
    };
    auto attenuation = [&](float d) {
        return 1.0f / (light.constant + light.linear * d + light.quadratic * d * d);
    };
    const float nearDistance = 0.5f, farDistance = 12.0f;  // units
    const int nearAdded = addedAt(nearDistance);
    const int farAdded = addedAt(farDistance);
    ASSERT_GT(farAdded, 20) << "well above rounding";
    ASSERT_LT(nearAdded + unlit, 250) << "not saturated";
    EXPECT_NEAR(static_cast<float>(nearAdded) / static_cast<float>(farAdded),
                attenuation(nearDistance) / attenuation(farDistance), 0.12f);
}

TEST_F(Render, TheHighlightShowsOnlyWhileSpecularIsOnAndItsLightIsLit) {
    game->lights[0]->intensity = 0.3f;  // keeps the highlight short of white
    lightInFrontAt(1.0f);               // mirrored straight back into the camera behind it
    frame();
    const auto shiny = pixelAt(320, 180);
    specular = false;
    frame();
    EXPECT_GT(shiny[0], pixelAt(320, 180)[0] + 40);

    game->lights[0]->off = true;
    frame();
    const auto darkMatte = pixelAt(320, 180);
    specular = true;
    frame();
    EXPECT_EQ(pixelAt(320, 180), darkMatte) << "a light that is off adds no highlight either";
}

}  // namespace
