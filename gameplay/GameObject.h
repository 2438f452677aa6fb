#pragma once

#include <vector>

#include "gameplay/Collision.h"
#include "render/Model.h"

// A named model that gameplay works with: it can be touched, stood on and pushed around.
// Its bounds come from the model file's vertices as loaded, without position, scale or turn.
class GameObject : public Model {
public:
    GameObject(const char* name, glm::vec3 position, Material* material, Texture* diffuseTexture,
               Texture* specularTexture, const char* objName);
    // Of the model file objName, whose vertices the caller has loaded already.
    GameObject(const char* name, glm::vec3 position, Material* material, Texture* diffuseTexture,
               Texture* specularTexture, const char* objName, const std::vector<Vertex>& vertices);
    // Loads the model file again at the other's position; the copy has no name.
    GameObject(const GameObject& other);

    void computeBounds();

    const char* name;
    float radius = 0.0f;  // half-width of the square footprint
    float halfHeight = 0.0f;
    glm::vec3 boundsMin{0.0f};
    glm::vec3 boundsMax{0.0f};
    float floorHeight = -0.5f;
    glm::vec3 acceleration{0.0f};
    int item = -1;  // its place in the game's list of items, or -1 for none
    const char* objName;
};

// The model's box in the world: its file's corners, scaled, about its place; a turn is not
// counted.
Box worldBox(const Model& model);

// Whether the two square footprints overlap, edges included; heights do not matter.
bool touches(const GameObject& player, const GameObject& other);

// The place in the list of the first platform whose footprint the player's overlaps and whose
// band holds the player's origin; -1 when there is none.
int platformUnder(const GameObject& player, const std::vector<GameObject*>& platforms);

// The height of that platform; `noFloor` when there is none.
float floorHeightUnder(const GameObject& player, const std::vector<GameObject*>& platforms,
                       float noFloor);

// The course's height of the floor where no platform is under the player.
constexpr float kNoFloor = -10.0f;
// How far below a level's loss height its no-floor lies at the least.
constexpr float kNoFloorDepth = 1.0f;  // units

// Where no platform is under the player there is no floor to walk on: the height the floor
// test gives there lies below the level's loss height, so that a fall always reaches the loss
// first. The course's loss height keeps kNoFloor.
float noFloorBelow(float lossHeight);
