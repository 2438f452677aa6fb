#include "gameplay/GameObject.h"

#include <algorithm>

GameObject::GameObject(const char* name, glm::vec3 position, Material* material,
                       Texture* diffuseTexture, Texture* specularTexture, const char* objName)
    : Model(position, material, diffuseTexture, specularTexture, objName),
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
    bool first = true;
    for (const auto& mesh : meshes) {
        boundsMin = first ? mesh->lowCorner : glm::min(boundsMin, mesh->lowCorner);
        boundsMax = first ? mesh->highCorner : glm::max(boundsMax, mesh->highCorner);
        first = false;
    }
    radius = std::max(boundsMax.x, boundsMax.z);
    halfHeight = (boundsMax.y - boundsMin.y) * 0.5f;
}

bool touches(const GameObject& player, const GameObject& other) {
    const glm::vec3& p = player.position;
    const glm::vec3& o = other.position;
    const float pr = player.radius;
    const float r = other.radius;
    return o.x - r <= p.x + pr && p.x - pr <= o.x + r && o.z - r <= p.z + pr && p.z - pr <= o.z + r;
}

float floorHeightUnder(const GameObject& player, const std::vector<GameObject*>& platforms) {
    const glm::vec3& p = player.position;
    const float pr = player.radius;
    for (const GameObject* platform : platforms) {
        const glm::vec3& q = platform->position;
        const bool overFootprint =
            platform->boundsMin.x + q.x <= p.x + pr && p.x - pr <= platform->boundsMax.x + q.x &&
            platform->boundsMin.z + q.z <= p.z + pr && p.z - pr <= platform->boundsMax.z + q.z;
        const bool inBand = q.y - platform->halfHeight <= p.y && p.y <= q.y + platform->halfHeight;
        if (overFootprint && inBand) {
            return q.y;
        }
    }
    return kNoFloor;
}
