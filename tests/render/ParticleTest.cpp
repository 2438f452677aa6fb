#include <gtest/gtest.h>

#include <cstdlib>

#include "base/Angles.h"
#include "gameplay/LevelLayout.h"
#include "render/ObjLoader.h"
#include "render/Primitive.h"
#include "tests/support/GameFixture.h"

namespace {

using level::kGoalPosition;

TEST(Quad, HoldsFourVerticesAndTwoCounterClockwiseTriangles) {
    const Quad quad;
    ASSERT_EQ(quad.getNrOfVertices(), 4u);
    ASSERT_EQ(quad.getNrOfIndices(), 6u);
    const Vertex* v = quad.getVertices();
    EXPECT_EQ(v[0].position, glm::vec3(-0.5f, 0.5f, 0.0f));
    EXPECT_EQ(v[1].position, glm::vec3(-0.5f, -0.5f, 0.0f));
    EXPECT_EQ(v[2].position, glm::vec3(0.5f, -0.5f, 0.0f));
    EXPECT_EQ(v[3].position, glm::vec3(0.5f, 0.5f, 0.0f));
    EXPECT_EQ(v[0].color, glm::vec3(1, 0, 0));
    EXPECT_EQ(v[1].color, glm::vec3(0, 1, 0));
    EXPECT_EQ(v[2].color, glm::vec3(0, 0, 1));
    EXPECT_EQ(v[3].color, glm::vec3(1, 1, 0));
    EXPECT_EQ(v[0].texcoord, glm::vec2(0, 1));
    EXPECT_EQ(v[1].texcoord, glm::vec2(0, 0));
    EXPECT_EQ(v[2].texcoord, glm::vec2(1, 0));
    EXPECT_EQ(v[3].texcoord, glm::vec2(1, 1));
    const GLuint expected[] = {0, 1, 2, 0, 2, 3};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(quad.getIndices()[i], expected[i]);
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(v[i].normal, glm::vec3(0, 0, 1));
    }
}

class Particles : public GameFixture {
protected:
    void SetUp() override { startGame(); }
    ParticleSystem& system() { return *game->particleSystems.at(0); }
};

TEST_F(Particles, TheGoalHasOneSystemOfAHundredDrawnWithOneSmallOrb) {
    ASSERT_EQ(game->particleSystems.size(), 1u);
    EXPECT_STREQ(system().name, "checkpointparticlesystem");
    EXPECT_EQ(system().position, kGoalPosition);
    EXPECT_EQ(system().nrOfParticles, 100);
    EXPECT_EQ(system().maxLife, 5.0f);
    ASSERT_EQ(system().particles.size(), 100u);
    for (const Particle& particle : system().particles) {
        EXPECT_EQ(particle.position, kGoalPosition);
        EXPECT_EQ(particle.life, 0.0f);
    }
    const Model& orb = *system().model;
    EXPECT_EQ(orb.scale, glm::vec3(0.025f));
    ASSERT_EQ(orb.meshes.size(), 1u);
    EXPECT_EQ(orb.meshes[0]->scale, glm::vec3(0.025f));
    EXPECT_EQ(orb.meshes[0]->nrOfVertices, loadObj("orbit").size());
    EXPECT_EQ(orb.diffuseTexture, game->textures[healthDiffuse].get());
}

TEST_F(Particles, FollowTheDefaultRandomSequenceInAFixedDrawOrder) {
    frame();
    std::srand(1);  // the sequence the game saw, since nothing seeds it
    for (const Particle& particle : system().particles) {
        const float angle = static_cast<float>(std::rand() % 360) * kDegreesToRadians;
        const int seconds = std::rand() % 5;
        const int hundredths = std::rand() % 101;
        EXPECT_NEAR(particle.direction.x, std::cos(angle), 1e-6f);
        EXPECT_NEAR(particle.direction.z, std::sin(angle), 1e-6f);
        EXPECT_NEAR(particle.life + game->deltaTime, seconds + hundredths / 100.0f, 1e-5f);
    }
}

TEST_F(Particles, RespawnAtTheGoalAndStreamFlatAtOneUnitPerSecond) {
    frame(0.25);
    for (const Particle& particle : system().particles) {
        const glm::vec3 offset = particle.position - kGoalPosition;
        EXPECT_EQ(particle.position.y, kGoalPosition.y);
        EXPECT_NEAR(glm::length(offset), game->deltaTime, 1e-4f);
        EXPECT_EQ(particle.speed, 1.0f);
    }
    // A long-lived particle keeps going straight out until its life ends.
    Particle& particle = system().particles[0];
    particle.life = 100.0f;
    const glm::vec3 before = particle.position;
    for (int i = 0; i < 60; ++i) {
        frame(0.05);
        EXPECT_EQ(particle.position.y, kGoalPosition.y);
    }
    EXPECT_NEAR(glm::length(particle.position - before), 3.0f, 1e-3f);
}

TEST_F(Particles, ALifeAtZeroRespawnsOnTheNextUpdate) {
    frame();
    Particle& particle = system().particles[7];
    particle.life = 0.0f;
    particle.position = kGoalPosition + glm::vec3(4.0f, 0.0f, 0.0f);
    frame(0.1);
    EXPECT_NEAR(glm::length(particle.position - kGoalPosition), game->deltaTime, 1e-4f);
}

TEST_F(Particles, ALifetimeBoundUnderASecondHasNoWholeSeconds) {
    system().maxLife = 0.5f;
    frame(0.01);
    for (const Particle& particle : system().particles) {
        const float drawn = particle.life + game->deltaTime;
        EXPECT_GE(drawn, 0.0f);
        EXPECT_LE(drawn, 1.0f + 1e-5f) << "hundredths only";
    }
}

TEST_F(Particles, TheSharedOrbNeverMoves) {
    for (int i = 0; i < 10; ++i) {
        frame(0.5);
    }
    EXPECT_EQ(system().model->position, kGoalPosition);
    EXPECT_EQ(system().model->meshes[0]->position, kGoalPosition);
}

}  // namespace
