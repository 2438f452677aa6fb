#pragma once

#include <glm/glm.hpp>
#include <memory>
#include <vector>

#include "render/Model.h"

class Shader;

// One particle: a plain value, so that the whole pool lies in one block that an update walks
// straight through.
struct Particle {
    glm::vec3 position{0.0f};
    glm::vec3 direction{0.0f};
    float speed = 0.0f;  // units per second
    float life = 0.0f;   // seconds left; at 0 or below the particle is reborn
};

// A fixed pool of particles streaming out from one spawn position in the horizontal plane,
// every one drawn with the same model.
class ParticleSystem {
public:
    // The particles are born where the model stands, and are drawn at its scale and pivot.
    ParticleSystem(int nrOfParticles, std::unique_ptr<Model> model, float maxLife,
                   const char* name);

    void update(float deltaTime);
    // The model once at each particle, in the particles' order.
    void render(const Shader& program) const;

    int nrOfParticles;
    std::unique_ptr<Model> model;  // never moves: each particle gets its own model matrix
    std::vector<Particle> particles;
    float maxLife;  // seconds; a reborn particle draws its whole seconds below this
    const char* name;
    glm::vec3 position;  // where every particle is born

private:
    void respawn(Particle& particle) const;
};
