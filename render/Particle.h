#pragma once

#include <string>

#include "render/Model.h"

// A small model that streams out from its spawn position and is reborn when its life ends.
class Particle : public Model {
public:
    Particle(glm::vec3 position, Material* material, Texture* diffuseTexture,
             Texture* specularTexture, const char* objName);
    // Loads the model file again: starts where the source stands now, at its scale.
    Particle(const Particle& source);

    float maxLife = 1.0f;  // seconds
    float life = 0.0f;     // seconds left; at 0 or below the particle is reborn
    glm::vec3 direction{0.0f};
    float speed = 0.0f;  // units per second
    glm::vec3 spawnPosition;
    const char* objName;
};
