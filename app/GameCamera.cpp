#include "app/Game.h"
#include "gameplay/Camera.h"
#include "gameplay/CameraClearance.h"

namespace {

// The share of a flag's colour in its pixels while it hides the player.
const float kSeenThroughOpacity = 0.25f;

// The pieces that stand as solid boxes; a flag is seen through instead, and the goal's rings
// end the run where the player reaches them.
bool blocksTheCamera(const Item& item) {
    return item.kind == Item::Kind::Trap || item.kind == Item::Kind::HealthPack;
}

}  // namespace

void Game::keepCameraClear() {
    if (!options.cameraCollision || camera.debugMode) {
        return;
    }
    std::vector<Box>& boxes = run.cameraBoxes;
    boxes.clear();
    const auto keepNear = [&](const Model& model) {
        const Box box = worldBox(model);
        if (nearTheWay(box, camera.lookedAt, camera.position)) {
            boxes.push_back(box);
        }
    };
    for (const GameObject* platform : platforms) {
        keepNear(*platform);
    }
    for (const Item& item : run.items) {
        if (blocksTheCamera(item) && !item.object->hidden) {
            keepNear(*item.object);
        }
    }
    camera.keepClear(boxes, deltaTime);
}

bool Game::hidesThePlayer(const Box& box) const {
    const Box body = worldBox(*player);
    return standsBetween(box, camera.position, (body.low + body.high) * 0.5f);
}

void Game::fadeFlagsInTheWay() {
    for (Item& item : run.items) {
        if (item.kind == Item::Kind::Checkpoint) {
            const bool inTheWay = !item.object->hidden && hidesThePlayer(worldBox(*item.object));
            item.seeThrough = fadeStep(item.seeThrough, inTheWay, deltaTime);
        }
    }
}

// Found through the object's place among the items, not by a search of them: a level of 1,000
// pieces asks this of each of them on every frame.
bool Game::seenThrough(const Model& model) const {
    const auto* object = dynamic_cast<const GameObject*>(&model);
    if (object == nullptr || object->item < 0 ||
        static_cast<std::size_t>(object->item) >= run.items.size()) {
        return false;
    }
    const Item& item = run.items[object->item];
    return item.object == object && item.kind == Item::Kind::Checkpoint && item.seeThrough > 0.0f;
}

// Over the opaque scene and the sky, leaving the depth as it was: what stands behind a flag
// shows through it.
void Game::drawSeenThrough() {
    glDepthMask(GL_FALSE);
    for (const Item& item : run.items) {
        Model& flag = *item.object;
        if (item.kind != Item::Kind::Checkpoint || flag.hidden || item.seeThrough <= 0.0f) {
            continue;
        }
        Material& material = *flag.material;
        const float opacity = material.transparency;
        material.transparency = glm::mix(opacity, kSeenThroughOpacity, item.seeThrough);
        flag.render(*shaders[mainShader]);
        material.transparency = opacity;
    }
    glDepthMask(GL_TRUE);
}
