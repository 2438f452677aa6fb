#pragma once

#include <memory>
#include <vector>

#include "render/Particle.h"

// A fixed pool of particles copied from one template, streaming out in the horizontal plane.
class ParticleSystem {
public:
    ParticleSystem(int nrOfParticles, std::unique_ptr<Particle> templateParticle, const char* name,
                   glm::vec3 position);

    void update(float deltaTime);

    int nrOfParticles;
    std::unique_ptr<Particle> templateParticle;  // copied from, never drawn or updated
    std::vector<std::unique_ptr<Particle>> particles;
    const char* name;
    glm::vec3 position;

private:
    static void respawn(Particle& particle);
};
