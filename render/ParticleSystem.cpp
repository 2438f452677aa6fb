#include "render/ParticleSystem.h"

#include <cmath>
#include <cstdlib>

#include "base/Angles.h"
#include "render/Material.h"
#include "render/Shader.h"
#include "render/Texture.h"

namespace {

const int kDegreesInCircle = 360;
const int kHundredthsInSecond = 100;
const float kParticleSpeed = 1.0f;  // units per second

}  // namespace

ParticleSystem::ParticleSystem(int nrOfParticles, std::unique_ptr<Model> model, float maxLife,
                               const char* name)
    : nrOfParticles(nrOfParticles),
      model(std::move(model)),
      maxLife(maxLife),
      name(name),
      position(this->model->position) {
    particles.resize(static_cast<size_t>(nrOfParticles), Particle{position});
}

void ParticleSystem::update(float deltaTime) {
    for (Particle& particle : particles) {
        if (particle.life <= 0.0f) {
            respawn(particle);
        }
        particle.position = particle.position + particle.direction * particle.speed * deltaTime;
        particle.life -= deltaTime;
    }
}

void ParticleSystem::respawn(Particle& particle) const {
    particle.position = position;
    const float angle = static_cast<float>(std::rand() % kDegreesInCircle) * kDegreesToRadians;
    particle.direction = glm::vec3(std::cos(angle), 0.0f, std::sin(angle));
    particle.speed = kParticleSpeed;
    // Three draws in a fixed order, so the pattern repeats from run to run. A lifetime bound
    // under a second has no whole seconds to draw from: that part is 0, not a division by 0.
    const int wholeSeconds = static_cast<int>(maxLife);
    const int secondsDrawn = std::rand();
    const int seconds = wholeSeconds > 0 ? secondsDrawn % wholeSeconds : 0;
    const int hundredths = std::rand() % (kHundredthsInSecond + 1);
    particle.life = static_cast<float>(seconds + hundredths / 100.0);
}

void ParticleSystem::render(const Shader& program) const {
    // What every particle shares is set once; only the model matrix changes between draws.
    model->material->sendToShader(program);
    model->diffuseTexture->bind(0);
    model->specularTexture->bind(1);
    for (const Particle& particle : particles) {
        for (const auto& mesh : model->meshes) {
            program.setMat4fv(mesh->modelMatrixAt(particle.position), "ModelMatrix");
            program.use();
            mesh->draw();
        }
    }
    program.unuse();
    model->diffuseTexture->unbind();
}
