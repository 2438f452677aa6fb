#include "app/Game.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "render/Primitive.h"
#include "render/TextureSet.h"

using namespace level;

GameObject* Game::addObject(std::unique_ptr<GameObject> object) {
    GameObject* added = object.get();
    objects.push_back(added);
    models.push_back(std::move(object));
    return added;
}

std::unique_ptr<GameObject> Game::makeObject(const char* name, glm::vec3 position,
                                             TextureEntry diffuse, TextureEntry specular,
                                             const char* objName) {
    return std::make_unique<GameObject>(name, position, materials[0].get(), textures[diffuse].get(),
                                        textures[specular].get(), objName);
}

void Game::initPlayer(float turnSpeed, float gravity) {
    auto created = std::make_unique<Player>("player", kPlayerCreatedAt, materials[0].get(),
                                            textures[apheliosDiffuse].get(),
                                            textures[apheliosSpecular].get(), "aphelios");
    created->move(kPlayerStartShift);
    created->setPivot(kPlayerPivot);
    created->turnSpeed = turnSpeed;
    created->acceleration = glm::vec3(0.0f, gravity, 0.0f);
    player = created.get();
    addObject(std::move(created));
}

void Game::initCamera(float sensitivity) {
    // A new game's camera starts afresh, following the player.
    camera = Camera();
    camera.sensitivity = sensitivity;
    camera.target = player;
}

void Game::initPickupsAndTraps() {
    addObject(makeObject("health", kHealthPosition, healthDiffuse, healthSpecular, "healthOrbit"));

    GameObject* orb =
        addObject(makeObject("healthorbit", kOrbPosition, healthDiffuse, healthSpecular, "orbit"));
    orb->setScale(kOrbScale);
    for (int copy = 1; copy < 2 * kOrbsPerItem; ++copy) {
        GameObject* orbCopy = addObject(std::make_unique<GameObject>(*orb));
        orbCopy->setScale(kOrbScale);
        // The player's orbs show only while its health is above 1.
        orbCopy->hidden = copy >= kOrbsPerItem;
    }

    addObject(makeObject("trap11", kTrap11Position, trapDiffuse, trapSpecular, "trap"));
    addObject(makeObject("trap21", kTrap21Position, trapDiffuse, trapSpecular, "trap"));
    addObject(makeObject("trap22", kTrap22Position, trapDiffuse, trapSpecular, "trap"));
    addObject(makeObject("trap23", kTrap23Position, trapDiffuse, trapSpecular, "trap"));
}

void Game::initCheckpoints(glm::vec3 goal) {
    addObject(
        makeObject("checkpoint1", goal, flareGreenDiffuse, flareGreenSpecular, "checkpoint1"));
    addObject(
        makeObject("checkpoint2", goal, flareGreenDiffuse, flareGreenSpecular, "checkpoint2"));
    addObject(
        makeObject("checkpoint3", goal, flareGreenDiffuse, flareGreenSpecular, "checkpoint3"));

    const Quad quad;
    const Mesh flatSquare(quad, glm::vec3(0.0f), glm::vec3(0.0f), kGoalBaseRotation);
    auto base = std::make_unique<Model>(goal, materials[0].get(), textures[flareBaseDiffuse].get(),
                                        textures[flareBaseSpecular].get(),
                                        std::vector<const Mesh*>{&flatSquare});
    base->setScale(kGoalBaseScale);
    models.push_back(std::move(base));
}

void Game::initPlatforms() {
    for (int i = 0; i < kPlatformCount; ++i) {
        auto platform = makeObject("platform", platformPosition(i), platformDiffuse,
                                   platformSpecular, "platform");
        platforms.push_back(platform.get());
        models.push_back(std::move(platform));
    }
}
