#include "render/Particle.h"

Particle::Particle(glm::vec3 position, Material* material, Texture* diffuseTexture,
                   Texture* specularTexture, const char* objName)
    : Model(position, material, diffuseTexture, specularTexture, objName),
      spawnPosition(position),
      objName(objName) {}

Particle::Particle(const Particle& source)
    : Model(source.position, source.material, source.diffuseTexture, source.specularTexture,
            source.objName),
      maxLife(source.maxLife),
      spawnPosition(source.position),
      objName(source.objName) {
    setScale(source.scale);
}
