#include <algorithm>

#include "app/Game.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "render/Primitive.h"
#include "render/TextureSet.h"

using namespace level;

namespace {

// Falling this far below the lowest platform loses.
const float kFallDepth = kLossHeight - kPlatformHeight;

// The game's own model and textures for a platform.
struct PlatformModel {
    const char* obj;
    TextureEntry diffuse;
    TextureEntry specular;
};
const PlatformModel kStillPlatform{"platform", platformDiffuse, platformSpecular};
const PlatformModel kMovingPlatform{"mover", moverDiffuse, moverSpecular};

float lowestPlatform(const Level& level) {
    float lowest = level.platforms.front().at.y;
    for (const PlatformPiece& platform : level.platforms) {
        lowest = std::min(lowest, platform.at.y);
        for (const glm::vec3& point : platform.path) {
            lowest = std::min(lowest, point.y);
        }
    }
    return lowest;
}

}  // namespace

GameObject* Game::addObject(std::unique_ptr<GameObject> object) {
    GameObject* added = object.get();
    objects.push_back(added);
    models.push_back(std::move(object));
    return added;
}

GameObject* Game::addItem(Item::Kind kind, std::unique_ptr<GameObject> object) {
    object->item = static_cast<int>(run.items.size());
    run.items.push_back(Item{kind, object.get()});
    return addObject(std::move(object));
}

std::unique_ptr<GameObject> Game::makeObject(const char* name, glm::vec3 position,
                                             TextureEntry diffuse, TextureEntry specular,
                                             const char* objName) {
    // One after the other, so that two images that fail are reported in the order of the maps.
    Texture* colour = gameTexture(diffuse);
    Texture* shine = gameTexture(specular);
    return std::make_unique<GameObject>(name, position, materials[0].get(), colour, shine, objName);
}

// The level's own model and image where it gives them; the image serves for both maps.
std::unique_ptr<GameObject> Game::makePiece(const char* name, glm::vec3 at, const PieceLook& look,
                                            TextureEntry diffuse, TextureEntry specular,
                                            const char* objName, std::string_view set) {
    // The game's images, and a set's, are loaded only for a piece that shows them.
    Texture* colour = nullptr;
    Texture* shine = nullptr;
    if (!look.image.empty()) {
        colour = session.ownFiles->image(look.image, colourEncoding());
        shine = session.ownFiles->image(look.image, TexelEncoding::Plain);
    } else if (!set.empty()) {
        colour = platformSetTexture(set, false);
        shine = platformSetTexture(set, true);
    } else {
        colour = gameTexture(diffuse);
        shine = gameTexture(specular);
    }
    if (look.model.empty()) {
        return std::make_unique<GameObject>(name, at, materials[0].get(), colour, shine, objName);
    }
    const LevelOwnFiles::Model& model = session.ownFiles->model(look.model);
    return std::make_unique<GameObject>(name, at, materials[0].get(), colour, shine,
                                        model.path.c_str(), model.vertices);
}

// The player as the scene holds it; the run's start places it and gives it the rules' settings.
void Game::initPlayer() {
    const Level& level = session.played.level;
    auto created = std::make_unique<Player>("player", level.start - kPlayerStartShift,
                                            materials[0].get(), gameTexture(apheliosDiffuse),
                                            gameTexture(apheliosSpecular), "aphelios");
    created->move(kPlayerStartShift);
    created->setPivot(level.start + kPlayerLift);
    created->rotate(glm::vec3(0.0f, level.facing, 0.0f));
    player = created.get();
    addObject(std::move(created));
    run.lossHeight = lowestPlatform(level) + kFallDepth;
    run.noFloor = noFloorBelow(run.lossHeight);
}

void Game::initCamera(float sensitivity) {
    // A new game's camera starts afresh, following the player.
    camera = Camera();
    camera.sensitivity = sensitivity;
    camera.distance = options.cameraDistance;
    camera.target = player;
}

// The health packs, then two orbs for each and two for the player, then the traps.
void Game::initPickupsAndTraps() {
    const Level& level = session.played.level;
    for (const Piece& pack : level.healthPacks) {
        addItem(Item::Kind::HealthPack, makePiece("health", pack.at, pack.look, healthDiffuse,
                                                  healthSpecular, "healthOrbit"));
    }
    GameObject* orb =
        addObject(makeObject("healthorbit", kOrbPosition, healthDiffuse, healthSpecular, "orbit"));
    orb->setScale(kOrbScale);
    std::vector<Model*> orbs{orb};
    for (std::size_t copy = 1; copy < kOrbsPerItem * (level.healthPacks.size() + 1); ++copy) {
        GameObject* orbCopy = addObject(std::make_unique<GameObject>(*orb));
        orbCopy->setScale(kOrbScale);
        orbs.push_back(orbCopy);
    }
    for (std::size_t pack = 0; pack < level.healthPacks.size(); ++pack) {
        run.items[pack].orbs = {orbs[kOrbsPerItem * pack], orbs[kOrbsPerItem * pack + 1]};
    }
    // The player's orbs show only while its health is above 1.
    run.playerOrbs = {orbs[orbs.size() - 2], orbs.back()};
    for (Model* playerOrb : run.playerOrbs) {
        playerOrb->hidden = true;
    }

    // The course's traps keep their own names.
    static const char* const kTrapNames[] = {"trap11", "trap21", "trap22", "trap23"};
    for (std::size_t trap = 0; trap < level.traps.size(); ++trap) {
        const char* name = trap < std::size(kTrapNames) ? kTrapNames[trap] : "trap";
        addItem(Item::Kind::Trap, makePiece(name, level.traps[trap].at, level.traps[trap].look,
                                            trapDiffuse, trapSpecular, "trap"));
    }
}

void Game::initCheckpoints(glm::vec3 goal) {
    run.goalRings[0] = addItem(Item::Kind::Goal, makeObject("checkpoint1", goal, flareGreenDiffuse,
                                                            flareGreenSpecular, "checkpoint1"));
    run.goalRings[1] = addObject(
        makeObject("checkpoint2", goal, flareGreenDiffuse, flareGreenSpecular, "checkpoint2"));
    run.goalRings[2] = addObject(
        makeObject("checkpoint3", goal, flareGreenDiffuse, flareGreenSpecular, "checkpoint3"));

    const Quad quad;
    const Mesh flatSquare(quad, glm::vec3(0.0f), glm::vec3(0.0f), kGoalBaseRotation);
    auto base = std::make_unique<Model>(goal, materials[0].get(), gameTexture(flareBaseDiffuse),
                                        gameTexture(flareBaseSpecular),
                                        std::vector<const Mesh*>{&flatSquare});
    base->setScale(kGoalBaseScale);
    models.push_back(std::move(base));
}

// A platform that travels along a path looks unlike the still ones, so that a player sees
// which one will carry them away.
//
// A level's platform set dresses its still platforms in place of the game's plates; a piece's
// own image still goes before it.
void Game::initPlatforms() {
    const Level& level = session.played.level;
    Material* material = platformMaterial();
    for (const PlatformPiece& piece : level.platforms) {
        const bool still = piece.path.empty();
        const PlatformModel& kind = still ? kStillPlatform : kMovingPlatform;
        auto platform = makePiece("platform", piece.at, piece.look, kind.diffuse, kind.specular,
                                  kind.obj, still ? level.look.platforms : std::string_view());
        platform->material = material;
        platforms.push_back(platform.get());
        models.push_back(std::move(platform));
    }
}

// After the platforms, so that a level without checkpoints lists what the course lists.
void Game::initLevelCheckpoints() {
    const std::vector<Piece>& checkpoints = session.played.level.checkpoints;
    for (std::size_t i = 0; i < checkpoints.size(); ++i) {
        addItem(Item::Kind::Checkpoint,
                makePiece("checkpoint", checkpoints[i].at, checkpoints[i].look, flagDiffuse,
                          flagSpecular, "flag"));
        run.items.back().piece = i;
    }
}
