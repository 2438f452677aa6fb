#include "render/ParticleSystem.h"

#include <cmath>
#include <cstdlib>

#include "base/Angles.h"

namespace {

const int kDegreesInCircle = 360;
const int kHundredthsInSecond = 100;
const float kParticleSpeed = 1.0f;  // units per second

}  // namespace

ParticleSystem::ParticleSystem(int nrOfParticles, std::unique_ptr<Particle> templateParticle,
                               const char* name, glm::vec3 position)
    : nrOfParticles(nrOfParticles),
      templateParticle(std::move(templateParticle)),
      name(name),
      position(position) {
    for (int i = 0; i < nrOfParticles; ++i) {
        particles.push_back(std::make_unique<Particle>(*this->templateParticle));
    }
}

void ParticleSystem::update(float deltaTime) {
    for (auto& particle : particles) {
        if (particle->life <= 0.0f) {
            respawn(*particle);
        }
        particle->setPosition(particle->position +
                              particle->direction * particle->speed * deltaTime);
        particle->life -= deltaTime;
    }
}

void ParticleSystem::respawn(Particle& particle) {
    particle.setPosition(particle.spawnPosition);
    const float angle = static_cast<float>(std::rand() % kDegreesInCircle) * kDegreesToRadians;
    particle.direction = glm::vec3(std::cos(angle), 0.0f, std::sin(angle));
    particle.speed = kParticleSpeed;
    particle.hidden = false;
    // Three draws in a fixed order, so the pattern repeats from run to run. A lifetime bound
    // under a second has no whole seconds to draw from: that part is 0, not a division by 0.
    const int wholeSeconds = static_cast<int>(particle.maxLife);
    const int secondsDrawn = std::rand();
    const int seconds = wholeSeconds > 0 ? secondsDrawn % wholeSeconds : 0;
    const int hundredths = std::rand() % (kHundredthsInSecond + 1);
    particle.life = static_cast<float>(seconds + hundredths / 100.0);
}
