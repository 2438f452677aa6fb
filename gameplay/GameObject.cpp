#include "gameplay/GameObject.h"

#include <algorithm>

#include "gameplay/Collision.h"

GameObject::GameObject(const char* name, glm::vec3 position, Material* material,
                       Texture* diffuseTexture, Texture* specularTexture, const char* objName)
    : Model(position, material, diffuseTexture, specularTexture, objName),
      name(name),
      objName(objName) {
    computeBounds();
}

GameObject::GameObject(const char* name, glm::vec3 position, Material* material,
                       Texture* diffuseTexture, Texture* specularTexture, const char* objName,
                       const std::vector<Vertex>& vertices)
    : Model(position, material, diffuseTexture, specularTexture, vertices),
      name(name),
      objName(objName) {
    computeBounds();
}

GameObject::GameObject(const GameObject& other)
    : Model(other.position, other.material, other.diffuseTexture, other.specularTexture,
            other.objName),
      name(""),
      objName(other.objName) {
    computeBounds();
}

void GameObject::computeBounds() {
    boundsMin = lowCorner;
    boundsMax = highCorner;
    radius = std::max(boundsMax.x, boundsMax.z);
    halfHeight = (boundsMax.y - boundsMin.y) * 0.5f;
}

Box worldBox(const Model& model) {
    return Box{model.position + model.lowCorner * model.scale,
               model.position + model.highCorner * model.scale};
}

bool touches(const GameObject& player, const GameObject& other) {
    return footprintsTouch(player.position, player.radius, other.position, other.radius);
}

int platformUnder(const GameObject& player, const std::vector<GameObject*>& platforms) {
    for (std::size_t i = 0; i < platforms.size(); ++i) {
        const GameObject& platform = *platforms[i];
        const PlatformBox box{platform.position, platform.boundsMin, platform.boundsMax,
                              platform.halfHeight};
        if (holdsUp(box, player.position, player.radius)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

float floorHeightUnder(const GameObject& player, const std::vector<GameObject*>& platforms,
                       float noFloor) {
    const int under = platformUnder(player, platforms);
    return under < 0 ? noFloor : platforms[under]->position.y;
}

float noFloorBelow(float lossHeight) {
    return std::min(kNoFloor, lossHeight - kNoFloorDepth);
}
